#include "bench/commands/command_router.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"

namespace {

std::vector<int> ran;

void Record(const CommandMessage& c) { ran.push_back(c.id); }

struct CommandRouter : testing::Test {
    void SetUp() override {
        ran.clear();
        ClearCommandHandlers();
        AddAtCursor = false;
        const CommandEntry entries[] = {{kCmdCut, Record},          {kCmdNew, Record},
                                        {kCmdAddBuretBody, Record}, {kCmdHelp, Record},
                                        {kCmdRemovePaper, Record},  {kCmdAddSeparatoryFunnel, Record},
                                        {kCmdShowLabBench, Record}};
        RegisterCommands(entries, static_cast<int>(std::size(entries)));
    }
};

}  // namespace

TEST_F(CommandRouter, SecondIdsRunTheMenuHandlerWithTheMenuId) {
    const int ids[][2] = {{3, kCmdCut}, {6, kCmdNew}, {23, kCmdAddBuretBody},
                          {28, kCmdHelp}, {94, kCmdHelp}, {222, kCmdRemovePaper}};
    for (const auto& id : ids) {
        ran.clear();
        EXPECT_TRUE(RouteCommand({id[0], 0, false})) << id[0];
        EXPECT_EQ(ran, std::vector<int>{id[1]}) << id[0];
    }
}

TEST_F(CommandRouter, UnknownAndOutOfRangeIdsGoToTheDefaultProcedure) {
    for (int id : {0, 2, 246, 255, 260, 1000, 3001, 40000, -5}) EXPECT_FALSE(RouteCommand({id, 0, false})) << id;
    EXPECT_FALSE(RouteCommand({kCmdPour, 0, false}));  // in range but no handler yet
    EXPECT_TRUE(RouteCommand({kCmdAddSeparatoryFunnel, 0, false}));
    EXPECT_TRUE(RouteCommand({kCmdShowLabBench, 0, false}));
    EXPECT_EQ(ran.size(), 2u);
}

TEST_F(CommandRouter, ControlCommandsClearAddAtCursorEvenWithoutHandler) {
    AddAtCursor = true;
    RouteCommand({kCmdNew, 0, false});
    EXPECT_TRUE(AddAtCursor);  // menus keep it
    RouteCommand({500, 0, true});
    EXPECT_FALSE(AddAtCursor);
}
