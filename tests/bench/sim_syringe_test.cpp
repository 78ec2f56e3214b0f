#include "bench/sim/sim_syringe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "bench/model/lab_objects.h"
#include "tests/support/recording_sim_seams.h"

namespace {

struct SyringeStepTest : testing::Test {
    RecordingSimSeams seams;
    void SetUp() override {
        ResetLabObjects();
        LabObjectCount = 1;
        LabObject& s = LabObjects[1];
        s.type = kGasSyringe;
        s.position = {100, 200, 140, 400};
        s.temperature = 303.0f;
        s.reading2 = 60.0;
        s.plungerPosition = SyringePlungerPosition(60.0);
    }
    void TearDown() override { ResetLabObjects(); }
    void Step() { SyringeStep(LabObjects, LabObjectCount, seams); }
};

}  // namespace

TEST(SyringePlunger, IsOneHundredAndTwentyTwoLessTwicePerMillilitreTruncated) {
    EXPECT_EQ(SyringePlungerPosition(0), 122);
    EXPECT_EQ(SyringePlungerPosition(60), 2);
    EXPECT_EQ(SyringePlungerPosition(30), 62);
    EXPECT_EQ(SyringePlungerPosition(29.9), 62);  // 62.2 truncated
    EXPECT_EQ(SyringePlungerPosition(61.3), -0);  // -0.6 truncated toward zero
    EXPECT_EQ(SyringePlungerPosition(std::numeric_limits<double>::quiet_NaN()), 122);
}

TEST_F(SyringeStepTest, AFreeSyringeCoolsATenthPerStepShrinksInProportionAndSettlesAtRoom) {
    Step();
    EXPECT_NEAR(LabObjects[1].temperature, 302.9, 1e-4);
    EXPECT_NEAR(LabObjects[1].reading2, 60.0 * LabObjects[1].temperature / 303.0, 1e-6);
    for (int i = 0; i < 200; ++i) Step();
    EXPECT_EQ(LabObjects[1].temperature, 293.0f);
    EXPECT_NEAR(LabObjects[1].reading2, 60.0 * 293.0 / 303.0, 1e-3);
    const LabObject settled = LabObjects[1];
    seams.invalidated.clear();
    Step();
    EXPECT_EQ(std::memcmp(&settled, &LabObjects[1], sizeof settled), 0) << "a settled syringe stops changing";
    EXPECT_TRUE(seams.invalidated.empty());
    EXPECT_EQ(LabObjects[1].plungerPosition, SyringePlungerPosition(LabObjects[1].reading2));
}

TEST_F(SyringeStepTest, AHostedSyringeFollowsItsHostAndAPlungerMoveInvalidatesAroundTheOldPlace) {
    LabObjectCount = 2;
    LabObjects[2].type = kBeaker;
    LabObjects[2].temperature = 373.0f;
    LabObjects[1].host = 2;
    LabObjects[1].temperature = 293.0f;
    LabObjects[1].reading2 = 30.0;
    LabObjects[1].plungerPosition = 62;
    int moves = 0;
    for (int i = 0; i < 50; ++i) {
        const int32_t before = LabObjects[1].plungerPosition;
        seams.invalidated.clear();
        Step();
        if (LabObjects[1].plungerPosition != before) {
            ++moves;
            ASSERT_EQ(seams.invalidated.size(), 1u);
            const RectI32 r = seams.invalidated[0];
            EXPECT_EQ(r.left, 100);
            EXPECT_EQ(r.top, 200 + before - 20);
            EXPECT_EQ(r.right, 140);
            EXPECT_EQ(r.bottom, 200 + before + 20);
        } else {
            EXPECT_TRUE(seams.invalidated.empty());
        }
    }
    EXPECT_NEAR(LabObjects[1].temperature, 298.0, 1e-3);
    EXPECT_NEAR(LabObjects[1].reading2, 30.0 * 298.0 / 293.0, 1e-3);
    EXPECT_GT(moves, 0);
}

TEST_F(SyringeStepTest, BadTemperaturesAndHostIndicesAreSkippedOrIgnored) {
    const float bad[] = {0.0f, -5.0f, std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity()};
    for (float k : bad) {
        LabObjects[1].temperature = k;
        LabObjects[1].reading2 = 60.0;
        Step();
        EXPECT_EQ(LabObjects[1].reading2, 60.0) << k;
    }
    // A host beyond the count, or itself, counts as none: the room.
    for (int32_t host : {1, 7, -3, 60}) {
        LabObjects[1].temperature = 300.0f;
        LabObjects[1].host = host;
        Step();
        EXPECT_NEAR(LabObjects[1].temperature, 299.9, 1e-4) << host;
    }
    // A host at a bad temperature leaves the syringe as it is.
    LabObjectCount = 2;
    LabObjects[2].temperature = std::numeric_limits<float>::quiet_NaN();
    LabObjects[1].host = 2;
    LabObjects[1].temperature = 300.0f;
    Step();
    EXPECT_EQ(LabObjects[1].temperature, 300.0f);
    SyringeStep(LabObjects, 0, seams);
    SyringeStep(nullptr, 5, seams);
}
