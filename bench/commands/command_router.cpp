#include "bench/commands/command_router.h"

#include <iterator>

#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"

namespace {

constexpr int kFirstTableId = 3;
constexpr int kLastTableId = 245;

// Ids above 255 that have handlers at all; every other one is default.
constexpr int kHighIds[] = {256, 257, 258, 259, 1120, 1144, 1147, 3002, 3003, 3006};

CommandHandler tableHandlers[kLastTableId + 1];
CommandHandler highHandlers[std::size(kHighIds)];

int HighSlot(int id) {
    for (int i = 0; i < static_cast<int>(std::size(kHighIds)); ++i)
        if (kHighIds[i] == id) return i;
    return -1;
}

CommandHandler* SlotFor(int id) {
    if (id >= kFirstTableId && id <= kLastTableId) return &tableHandlers[id];
    int slot = HighSlot(id);
    return slot >= 0 ? &highHandlers[slot] : nullptr;
}

}  // namespace

int CanonicalCommandId(int id) {
    static const int kAliases[][2] = {
        {3, kCmdCut},         {4, kCmdCopy},          {5, kCmdPaste},
        {6, kCmdNew},         {7, kCmdOpen},          {8, kCmdSave},
        {9, kCmdPrint},       {13, kCmdAllChemicals}, {14, kCmdPour},
        {15, kCmdAddBunsenBurner}, {16, kCmdAdd100Beaker}, {17, kCmdAddTestTube},
        {18, kCmdAdd100Erlenmeyer}, {19, kCmdAddFlorenceFlask}, {20, kCmdAddWatchGlass},
        {21, kCmdAddEvaporationDish}, {22, kCmdAdd100Cylinder}, {23, kCmdAddBuretBody},
        {24, kCmdBuchnerFunnel}, {25, kCmdThermometer}, {26, kCmdShowWeight},
        {27, kCmdStirringRod}, {28, kCmdHelp}, {kCmdHelpAlias, kCmdHelp},
        {222, kCmdRemovePaper},
    };
    for (const auto& alias : kAliases)
        if (alias[0] == id) return alias[1];
    return id;
}

void RegisterCommands(const CommandEntry* entries, int count) {
    for (int i = 0; i < count; ++i) {
        CommandHandler* slot = SlotFor(entries[i].id);
        if (slot) *slot = entries[i].handler;
    }
}

void ClearCommandHandlers() {
    for (auto& h : tableHandlers) h = nullptr;
    for (auto& h : highHandlers) h = nullptr;
}

bool HasCommandHandler(int id) {
    CommandHandler* slot = SlotFor(CanonicalCommandId(id));
    return slot && *slot;
}

bool RouteCommand(const CommandMessage& command) {
    if (command.fromControl) AddAtCursor = false;
    // Handlers that serve several ids tell them apart by id: give them the
    // menu id, never the toolbar's second id.
    CommandMessage canonical = command;
    canonical.id = CanonicalCommandId(command.id);
    CommandHandler* slot = SlotFor(canonical.id);
    if (!slot || !*slot) return false;
    (*slot)(canonical);
    return true;
}
