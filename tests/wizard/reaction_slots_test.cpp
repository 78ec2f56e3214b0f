#include <gtest/gtest.h>

#include <cmath>

#include "lab_fixture.h"
#include "bench/model/bench_validate.h"
#include "wizard/reaction_slots.h"

using namespace fixture;
using namespace parvell;

namespace {

class ReactionSlots : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChemicals(); }
    Bench bench;
    LabObject& o = bench[1];
};

TEST_F(ReactionSlots, LiquidWaterGoesToSlotZeroAndTakesTheNewTemperature) {
    Put(o, 0, kCasWater, kPhaseLiquid, 100, 293);
    ASSERT_EQ(AddReactionComponent(o, kCasWater, kPhaseLiquid, 50, 350), 1);
    EXPECT_EQ(o.slots[0].grams, 150);
    EXPECT_EQ(o.slots[0].kelvin, 350);  // overwritten, not mixed
}

TEST_F(ReactionSlots, IceAndSteamTakeOrdinarySlots) {
    FillWithWater(o, 100);
    ASSERT_EQ(AddReactionComponent(o, kCasWater, kPhaseSolid, 5, 270), 1);
    ASSERT_EQ(AddReactionComponent(o, kCasWater, kPhaseGas, 2, 380), 1);
    EXPECT_EQ(o.slots[0].phase, uint32_t(kPhaseLiquid));
    EXPECT_EQ(o.slots[0].grams, 100);
    EXPECT_EQ(o.slots[1].phase, uint32_t(kPhaseSolid));
    EXPECT_EQ(o.slots[1].grams, 5);
    EXPECT_EQ(o.slots[2].phase, uint32_t(kPhaseGas));
}

TEST_F(ReactionSlots, OnlyAnExactPhaseMatchIsReusedAndOnlyThenGrowsTheSolids) {
    ASSERT_EQ(AddReactionComponent(o, kC, kPhaseSolid, 4, 300), 1);
    EXPECT_EQ(o.solidVolume, 0);  // a new slot leaves the solids alone
    ASSERT_EQ(AddReactionComponent(o, kC, kPhaseSolid, 4, 310), 1);
    EXPECT_EQ(o.slots[1].grams, 8);
    EXPECT_EQ(o.slots[1].kelvin, 310);
    EXPECT_EQ(o.solidVolume, 2);  // 4 g at 2 g/ml
    ASSERT_EQ(AddReactionComponent(o, kC, kPhaseSolid | kPhasePrecipitate, 1, 300), 1);
    EXPECT_EQ(o.slots[2].cas, kC);  // shares a bit, but not the same phase
}

TEST_F(ReactionSlots, NoFreeSlotDropsTheAmount) {
    for (int i = 1; i < kComponentSlotCount; ++i) Put(o, i, 5000 + i, kPhaseSolid, 1);
    EXPECT_EQ(AddReactionComponent(o, kC, kPhaseSolid, 3, 300), 0);
    EXPECT_EQ(MassOfComponent(o, kC, 0xFFFF), 0);
    EXPECT_EQ(AddReactionComponent(o, 5003, kPhaseSolid, 3, 300), 1);
    EXPECT_EQ(o.slots[3].grams, 4);
}

// As the bench's own contents functions: amounts that are negative or not
// numbers, and additions that would overflow a slot, change nothing.
TEST_F(ReactionSlots, AmountsThatAreNotSoundChangeNothing) {
    const double nan = std::nan(""), infinity = HUGE_VAL;
    FillWithWater(o, 100);
    Put(o, 1, kC, kPhaseSolid, 4);
    const LabObject before = o;
    for (double grams : {-1.0, -infinity, infinity, nan}) {
        SCOPED_TRACE(grams);
        EXPECT_EQ(AddReactionComponent(o, kCasWater, kPhaseLiquid, grams, 300), 0);
        EXPECT_EQ(AddReactionComponent(o, kC, kPhaseSolid, grams, 300), 0);
        EXPECT_EQ(AddReactionComponent(o, kA, kPhaseDissolved, grams, 300), 0);
        EXPECT_EQ(RemoveReactionComponent(o, kC, kPhaseSolid, grams), 0);
        EXPECT_EQ(RemoveReactionComponent(o, kCasWater, kPhaseLiquid, grams), 0);
    }
    // No slot grows beyond what a bench holds: that is no room, as when
    // every slot is taken.
    EXPECT_EQ(AddReactionComponent(o, kCasWater, kPhaseLiquid, 1.7e308, 300), 0);
    EXPECT_EQ(AddReactionComponent(o, kA, kPhaseDissolved, kMostSlotGrams + 1, 300), 0);
    EXPECT_EQ(AddReactionComponent(o, kCasWater, kPhaseLiquid, kMostSlotGrams - 100, 300), 1);
    EXPECT_EQ(AddReactionComponent(o, kCasWater, kPhaseLiquid, 1, 300), 0);
    EXPECT_EQ(o.slots[0].grams, kMostSlotGrams);
    EXPECT_EQ(o.slots[1].grams, before.slots[1].grams);
    EXPECT_EQ(o.slots[2].grams, 0);
    // A temperature from outside is kept in the bench's range.
    ASSERT_EQ(AddReactionComponent(o, kA, kPhaseDissolved, 1, nan), 1);
    EXPECT_EQ(o.slots[2].kelvin, kRoomKelvin);
    ASSERT_EQ(AddReactionComponent(o, kA, kPhaseDissolved, 1, 1e9), 1);
    EXPECT_DOUBLE_EQ(o.slots[2].kelvin, double(kMaxKelvin));
}

TEST_F(ReactionSlots, RemovingNeverGoesBelowZero) {
    FillWithWater(o, 10);
    Put(o, 1, kA, kPhaseDissolved, 5);
    struct Case {
        CasNumber cas;
        uint32_t mask;
        double grams;
        int result;
        double waterLeft, aLeft;
    } cases[] = {
        {kA, kPhaseDissolved, 2, 1, 10, 3},
        {kA, kPhaseSolid, 2, 0, 10, 3},
        {kA, kPhaseDissolved | kPhaseSolid, 9, 1, 10, 0},
        {kCasWater, kPhaseLiquid | kPhaseGas, 4, 1, 6, 0},
        {kCasWater, kPhaseLiquid, 40, 1, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RemoveReactionComponent(o, c.cas, c.mask, c.grams), c.result);
        EXPECT_EQ(o.slots[0].grams, c.waterLeft);
        EXPECT_EQ(o.slots[1].grams, c.aLeft);
    }
    EXPECT_EQ(o.slots[1].cas, kA);  // the slot keeps its chemical
}

TEST_F(ReactionSlots, PhaseVolumeLeavesOutGasesAndDissolvedSolids) {
    FillWithWater(o, 100);
    Put(o, 1, kA, kPhaseDissolved, 50);
    Put(o, 2, kC, kPhaseSolid, 10);        // 2 g/ml
    Put(o, 3, kGas, kPhaseGas, 1);
    Put(o, 4, 999999, kPhaseLiquid, 7);    // not in the table: 1 g/ml
    Put(o, 5, kC, kPhasePrecipitate, 4);
    EXPECT_DOUBLE_EQ(ReactionPhaseVolume(o, kPhaseLiquid | kPhaseDissolved), 107);
    EXPECT_DOUBLE_EQ(ReactionPhaseVolume(o, kPhaseSolid | kPhasePrecipitate), 7);
    EXPECT_DOUBLE_EQ(ReactionPhaseVolume(o, kPhaseGas), 0);
}

}  // namespace
