// Delete and Undo over random benches and by hand: the bench stays whole,
// exactly the selection goes, and one Undo brings it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/commands/edit/edit_commands.h"
#include "bench/model/bench_check.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "fake_bench_seams.h"
#include "random_bench.h"

namespace {

using random_bench::IndexOfTag;
using random_bench::TagOf;

// What an object links to, by tag (0 = nothing).
struct Links {
    int32_t host, hostedItem, nextGroupMember, pourTarget;
};

Links LinksByTag(const LabObject& o) {
    auto tag = [](int32_t i) { return i >= 1 && i <= LabObjectCount ? TagOf(LabObjects[i]) : 0; };
    return {tag(o.host), tag(o.hostedItem), tag(o.nextGroupMember), tag(o.pourTarget)};
}

class DeleteUndoTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        ResetLabObjects();
        ObjectSelected = false;
        SelectedObject = 0;
        MultiSelection = {};
        UndoValid = false;
        UndoObjectCount = 0;
        DocumentModified = false;
        BuretUnderControl = 0;
    }
    static void SelectMembers(const std::vector<int32_t>& members) {
        MultiSelection = {};
        MultiSelection.active = true;
        MultiSelection.memberCount = int32_t(members.size());
        for (size_t k = 0; k < members.size(); ++k) MultiSelection.members[k] = members[k];
    }
    static void ExpectBenchHolds() {
        std::string fault;
        EXPECT_TRUE(CheckBench(LabObjects, LabObjectCount, &fault)) << fault;
    }
    FakeBenchSeams seams;
};

TEST_F(DeleteUndoTest, RandomBenchesStayWholeThroughDeleteAndUndo) {
    std::mt19937 rng(20);
    for (int run = 0; run < 400; ++run) {
        Reset();
        const int32_t count = std::uniform_int_distribution<int32_t>(2, 50)(rng);
        random_bench::Build(rng, count);
        seams.titrationBuret = BuretUnderControl;
        ASSERT_TRUE(CheckBench(LabObjects, LabObjectCount)) << run;

        // A random selection: one object, or members in any order.
        std::vector<int32_t> chosen;
        const bool single = rng() % 3 == 0;
        if (single) {
            chosen.push_back(std::uniform_int_distribution<int32_t>(1, count)(rng));
            ObjectSelected = true;
            SelectedObject = chosen[0];
        } else {
            for (int32_t i = 1; i <= count; ++i)
                if (rng() % 3 == 0) chosen.push_back(i);
            std::shuffle(chosen.begin(), chosen.end(), rng);
            SelectMembers(chosen);
        }
        std::set<int32_t> gone;
        for (int32_t i : chosen) gone.insert(TagOf(LabObjects[i]));
        std::map<int32_t, LabObject> before;
        std::map<int32_t, Links> linksBefore;
        for (int32_t i = 1; i <= count; ++i) {
            before[TagOf(LabObjects[i])] = LabObjects[i];
            linksBefore[TagOf(LabObjects[i])] = LinksByTag(LabObjects[i]);
        }
        const int32_t buretTag = TagOf(LabObjects[BuretUnderControl]);
        const bool refused = single && LabObjects[chosen[0]].groupMemberCount != 0;
        const std::vector<LabObject> whole(LabObjects, LabObjects + kLabObjectArrayLength);

        const DeleteOutcome outcome = DeleteSelectedObjects();
        if (refused) {
            EXPECT_EQ(outcome, DeleteOutcome::kRefusedGroupMember);
            EXPECT_EQ(LabObjectCount, count);
            EXPECT_EQ(std::memcmp(whole.data(), LabObjects, sizeof(LabObject) * whole.size()), 0);
            continue;
        }
        if (chosen.empty()) {
            EXPECT_EQ(outcome, DeleteOutcome::kNothingSelected);
            continue;
        }
        ASSERT_EQ(outcome, DeleteOutcome::kDeleted) << run;
        ExpectBenchHolds();
        ASSERT_EQ(LabObjectCount, count - int32_t(chosen.size()));
        EXPECT_EQ(UndoObjectCount, count);
        EXPECT_FALSE(ObjectSelected);
        EXPECT_EQ(MultiSelection.memberCount, 0);
        for (int32_t i = 1; i <= LabObjectCount; ++i) {
            const int32_t tag = TagOf(LabObjects[i]);
            ASSERT_EQ(gone.count(tag), 0u) << "a removed object is still there";
            const LabObject& was = before[tag];
            EXPECT_EQ(std::memcmp(LabObjects[i].slots, was.slots, sizeof was.slots), 0);
            EXPECT_EQ(LabObjects[i].liquidVolume, was.liquidVolume);
            // Links to kept objects follow them; links to removed ones are gone.
            const Links now = LinksByTag(LabObjects[i]), then = linksBefore[tag];
            auto expected = [&](int32_t t) { return gone.count(t) ? 0 : t; };
            EXPECT_EQ(now.host, expected(then.host));
            EXPECT_EQ(now.hostedItem, expected(then.hostedItem));
            EXPECT_EQ(now.pourTarget, expected(then.pourTarget));
        }
        EXPECT_EQ(BuretUnderControl, gone.count(buretTag) ? 0 : IndexOfTag(buretTag));
        EXPECT_EQ(seams.titrationBuret, BuretUnderControl);

        ASSERT_TRUE(UndoDelete());
        ExpectBenchHolds();
        ASSERT_EQ(LabObjectCount, count);
        std::set<int32_t> all;
        for (int32_t i = 1; i <= count; ++i) all.insert(TagOf(LabObjects[i]));
        EXPECT_EQ(int32_t(all.size()), count);
        // The restored objects stand after the kept ones, balances at the back.
        for (int32_t i = 1; i <= count; ++i) {
            const int32_t tag = TagOf(LabObjects[i]);
            EXPECT_EQ(std::memcmp(LabObjects[i].slots, before[tag].slots, sizeof before[tag].slots), 0);
            if (gone.count(tag) && !IsEquipmentType(LabObjects[i].type)) ADD_FAILURE();
        }
        const LabObject snapshot = LabObjects[1];
        EXPECT_FALSE(UndoDelete());
        EXPECT_EQ(LabObjectCount, count);
        EXPECT_EQ(std::memcmp(&snapshot, &LabObjects[1], sizeof snapshot), 0);
    }
}

TEST_F(DeleteUndoTest, CombinationsAmongRestoredObjectsComeBackOthersAreCleared) {
    for (int32_t i = 1; i <= 5; ++i) {
        LabObject o = scenario::MakeObject(kBeaker, 50 * i, 300);
        random_bench::Tag(o, i);
        scenario::Place(o);
    }
    // 2 hosts 3; 4 hosts 5; 1 pours into 4.
    LabObjects[2].hostedItem = 3;
    LabObjects[3].host = 2;
    LabObjects[4].hostedItem = 5;
    LabObjects[5].host = 4;
    LabObjects[1].pourTarget = 4;
    SelectMembers({5, 3, 2});
    ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_EQ(LabObjects[2].hostedItem, 0);  // object 4 lost its item
    EXPECT_EQ(LabObjects[1].pourTarget, 2);
    ASSERT_TRUE(UndoDelete());
    ExpectBenchHolds();
    // Parked in selection order: 5, 3, 2 at 3, 4, 5; 2 still hosts 3.
    EXPECT_EQ(TagOf(LabObjects[3]), 5);
    EXPECT_EQ(TagOf(LabObjects[4]), 3);
    EXPECT_EQ(TagOf(LabObjects[5]), 2);
    EXPECT_EQ(LabObjects[5].hostedItem, 4);
    EXPECT_EQ(LabObjects[4].host, 5);
    EXPECT_EQ(LabObjects[3].host, 0);  // its host stayed on the bench
}

TEST_F(DeleteUndoTest, RefusedGroupMemberLeavesTheBenchByteIdentical) {
    for (int32_t i = 1; i <= 3; ++i) scenario::Place(kBeaker, 60 * i, 300);
    LabObjects[1].groupMemberCount = LabObjects[2].groupMemberCount = 2;
    LabObjects[1].nextGroupMember = 2;
    LabObjects[2].nextGroupMember = 1;
    LabObjects[2].collectTitration = 1;
    ObjectSelected = true;
    SelectedObject = 2;
    std::vector<LabObject> before(LabObjects, LabObjects + kLabObjectArrayLength);
    seams.recording = true;
    RegisterEditCommands();
    RouteCommand(CommandMessage{kCmdDelete, 0, false});
    EXPECT_EQ(seams.warnings, std::vector<int32_t>{121});
    EXPECT_EQ(std::memcmp(before.data(), LabObjects, sizeof(LabObject) * kLabObjectArrayLength), 0);
    EXPECT_TRUE(seams.particlesRemoved.empty());
    EXPECT_TRUE(seams.comments.empty());
    EXPECT_FALSE(UndoValid);
    EXPECT_FALSE(DocumentModified);
    ClearCommandHandlers();
}

TEST_F(DeleteUndoTest, DeleteWritesItsCommentWhileRecordingEvenWithNothingSelected) {
    seams.recording = true;
    seams.strings = {{672, "Delete Equipment"}};
    RegisterEditCommands();
    RouteCommand(CommandMessage{kCmdDelete, 0, false});
    scenario::Place(kBeaker, 60, 300);
    ObjectSelected = true;
    SelectedObject = 1;
    RouteCommand(CommandMessage{kCmdDelete, 1, false});
    EXPECT_EQ(LabObjectCount, 0);
    ASSERT_EQ(seams.comments.size(), 2u);
    EXPECT_EQ(seams.comments[1], std::make_pair(std::string("Delete Equipment"), 1));
    ClearCommandHandlers();
}

TEST_F(DeleteUndoTest, AnythingWrittenBeyondTheCountEndsUndo) {
    for (int32_t i = 1; i <= 3; ++i) scenario::Place(kBeaker, 60 * i, 300);
    ObjectSelected = true;
    SelectedObject = 3;
    ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
    ASSERT_TRUE(UndoValid);
    // An uncounted record (a cancelled syringe or Geiger dialog) took the spare slot.
    AddEquipment(LabObjects, kGasSyringe, 10, 10, LabObjectCount, 0);
    EXPECT_FALSE(UndoValid);
    EXPECT_FALSE(UndoDelete());
    EXPECT_EQ(LabObjectCount, 2);
}

TEST_F(DeleteUndoTest, UndoMovesRestoredBalancesToTheBackOverTheWholeBench) {
    scenario::Place(kBeaker, 60, 300);
    scenario::Place(kCentigramBalance, 200, 400);
    scenario::Place(kBeaker, 400, 300);
    random_bench::Tag(LabObjects[1], 1);
    random_bench::Tag(LabObjects[2], 2);
    random_bench::Tag(LabObjects[3], 3);
    LabObjects[3].pourTarget = 1;
    SelectMembers({2});
    ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
    ASSERT_TRUE(UndoDelete());
    EXPECT_EQ(TagOf(LabObjects[1]), 2);
    EXPECT_EQ(TagOf(LabObjects[2]), 1);
    EXPECT_EQ(TagOf(LabObjects[3]), 3);
    EXPECT_EQ(LabObjects[3].pourTarget, 2);  // still the first beaker
    ExpectBenchHolds();
}

}  // namespace

namespace {

TEST_F(DeleteUndoTest, MovingABalanceToTheBackTakesTheBuretUnderControlAndTheSelectionAlong) {
    scenario::Place(kBeaker, 60, 300);
    scenario::Place(kBuret, 200, 300);
    scenario::Place(kCentigramBalance, 400, 400);
    BuretUnderControl = 2;
    seams.titrationBuret = 2;
    ObjectSelected = true;
    SelectedObject = 2;
    LabObjects[2].pourTarget = 1;
    MoveObjectToBack(LabObjects, 3, 3);
    EXPECT_EQ(LabObjects[3].type, kBuret);
    EXPECT_EQ(BuretUnderControl, 3);
    EXPECT_EQ(SelectedObject, 3);
    EXPECT_EQ(seams.buretMoves, (std::vector<std::pair<int32_t, int32_t>>{{2, 3}}));
    EXPECT_EQ(LabObjects[3].pourTarget, 2);
    ExpectBenchHolds();

    // Deleting the buret ends the dialog's hold on it.
    ObjectSelected = true;
    SelectedObject = 3;
    ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
    EXPECT_EQ(BuretUnderControl, 0);
    EXPECT_EQ(seams.buretMoves.back(), std::make_pair(3, 0));
}

}  // namespace
