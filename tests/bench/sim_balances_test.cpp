// Balances: what they read and how objects settle on their pans.
#include <gtest/gtest.h>

#include "bench/sim/sim_heat_sources.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class BalanceTest : public SimTest {};

// The centigram balance stands at (500, 400)-(700, 500); its pan is
// (520, 410)-(620, 460).
TEST_F(BalanceTest, CentigramReadsTheLastObjectOnItsPan) {
    const int32_t b = Place(kCentigramBalance, 500, 500);
    LabObject tube = MakeObject(kTestTube, 525, 455);
    tube.position = {525, 420, 545, 455};
    AddWater(tube, 10);
    Place(tube);
    LabObject glass = MakeObject(kWatchGlass, 550, 450);
    AddSolid(glass, kSalt, 4);
    Place(glass);
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(b).reading1, 10 + 4);  // the watch glass: 10 g empty + 4 g
    EXPECT_DOUBLE_EQ(At(b).reading2, 14);
}

TEST_F(BalanceTest, CentigramSettlesOnThePanBottomOnce) {
    Place(kCentigramBalance, 500, 500);
    const int32_t glass = Place(kWatchGlass, 550, 450);
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(glass).position.bottom, 460);
    EXPECT_EQ(At(glass).position.top, 440);

    // Standing on the pan's bottom it stays put: nothing moves or redraws.
    seams_.invalidated.clear();
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_TRUE(seams_.invalidated.empty());
    EXPECT_EQ(At(glass).position.bottom, 460);
}

TEST_F(BalanceTest, CentigramDisplayState) {
    struct Case {
        double saltGrams;
        float tare;
        int32_t state;
    };
    const Case cases[] = {{5, 0, 0}, {5, 20, 3}, {105, 0, 1}, {101, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saltGrams);
        ResetLabObjects();
        seams_.retemplates.clear();
        const int32_t b = Place(kCentigramBalance, 500, 500);
        At(b).tare = c.tare;
        LabObject glass = MakeObject(kWatchGlass, 550, 460);
        AddSolid(glass, kSalt, c.saltGrams);
        Place(glass);
        BalanceStep(LabObjectCount, LabObjects, seams_);
        EXPECT_EQ(At(b).stateBits, c.state);
        EXPECT_EQ(seams_.retemplates.size(), c.state != 0 ? 1u : 0u);
    }
}

TEST_F(BalanceTest, SelectedObjectMovesWithItsFrame) {
    Place(kCentigramBalance, 500, 500);
    const int32_t glass = Place(kWatchGlass, 550, 450);
    SelectedObject = glass;
    ObjectSelected = true;
    BalanceStep(LabObjectCount, LabObjects, seams_);
    ASSERT_EQ(seams_.selectionFrames.size(), 2u);
    EXPECT_EQ(seams_.selectionFrames[0].bottom, 450);  // drawn off where it was
    EXPECT_EQ(seams_.selectionFrames[1].bottom, 460);  // and on where it is
}

TEST_F(BalanceTest, ElectronicWithTaredEmptyBeaker) {
    const int32_t b = Place(kElectronicBalance, 500, 500);  // pan 520..650, line 440
    At(b).tare = 50;
    const int32_t beaker = Place(kBeaker, 540, 430);
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(b).reading1, 50);
    EXPECT_DOUBLE_EQ(At(b).reading2, 0);
    EXPECT_EQ(At(beaker).position.bottom, 440);
    // A beaker too far above the pan is not weighed.
    At(beaker).position = {540, 300, 600, 390};
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(b).reading1, 0);
}

TEST_F(BalanceTest, HostedItemIsWeighedAndMovesAlong) {
    Place(kCentigramBalance, 500, 500);
    LabObject tube = MakeObject(kWatchGlass, 540, 450);
    tube.hostedItem = 3;
    tube.groupMemberCount = 2;
    tube.groupRect = tube.position;
    const int32_t t = Place(tube);
    LabObject dropper = MakeObject(kEyeDropper, 560, 445);
    dropper.host = t;
    const int32_t d = Place(dropper);
    BalanceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(1).reading1, 10 + 5);
    EXPECT_EQ(At(t).groupRect.bottom, 460);
    EXPECT_EQ(At(d).position.bottom, 455);
}

}  // namespace
