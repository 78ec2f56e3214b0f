// Tilting, stirring and the stir bar, paint after paint.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/object_motion.h"

namespace {

LabObject Vessel(int32_t type) {
    LabObject o{};
    o.type = type;
    o.position = {100, 200, 300, 500};
    return o;
}

TEST(Tilt, PouringTipsBy15PerPaintHoldsAt90AndSwingsBack) {
    LabObject o = Vessel(kBeaker);
    o.variant = 1;
    std::vector<int32_t> angles;
    for (int i = 0; i < 8; ++i) {
        const Tilt t = StepTilt(o, 200, 300);
        EXPECT_TRUE(t.active);
        EXPECT_DOUBLE_EQ(t.degrees, o.kindStateWord);
        EXPECT_DOUBLE_EQ(t.pivotX, 100 + 100.0);
        EXPECT_DOUBLE_EQ(t.pivotY, 200 + 150.0 - 50.0);
        angles.push_back(o.kindStateWord);
    }
    EXPECT_EQ(angles, (std::vector<int32_t>{-15, -30, -45, -60, -75, -90, -90, -90}));

    o.variant = 0;
    angles.clear();
    for (int i = 0; i < 7; ++i) {
        const Tilt t = StepTilt(o, 200, 300);
        if (t.active) {
            EXPECT_DOUBLE_EQ(t.pivotX, 100 + 150.0);
            EXPECT_DOUBLE_EQ(t.pivotY, 500 - 100.0);
        }
        angles.push_back(o.kindStateWord);
    }
    EXPECT_EQ(angles, (std::vector<int32_t>{-75, -60, -45, -30, -15, 0, 0}));
    EXPECT_FALSE(StepTilt(o, 200, 300).active);
}

TEST(Tilt, AShakenFunnelFlipsAndTheCentigramBalanceNeverTilts) {
    LabObject funnel = Vessel(kSeparatoryFunnel);
    funnel.variant = 1;
    funnel.stirringState = 5;
    std::vector<int32_t> angles;
    for (int i = 0; i < 4; ++i) {
        StepTilt(funnel, 130, 383);
        angles.push_back(funnel.kindStateWord);
    }
    EXPECT_EQ(angles, (std::vector<int32_t>{-15, 15, -15, 15}));

    LabObject balance = Vessel(kCentigramBalance);
    balance.variant = 1;
    EXPECT_FALSE(StepTilt(balance, 1000, 422).active);
    EXPECT_EQ(balance.kindStateWord, 0);
}

TEST(StirringRod, SwingsForEachCountAndDisappearsAtZero) {
    LabObject o = Vessel(kBeaker);
    o.stirringState = 30;
    int shown = 0;
    while (true) {
        const int32_t before = o.stirringState;
        const StirringRod rod = StepStirringRod(o, true, 213, 269, 325);
        if (!rod.shown) break;
        EXPECT_NEAR(rod.x, 100 + 106.5 + std::sin(before / 3.0) * 25.0, 1e-9);
        EXPECT_DOUBLE_EQ(rod.y, 200 + 269 - 325 - 5);
        ++shown;
    }
    EXPECT_EQ(shown, 30);
    EXPECT_EQ(o.stirringState, 0);

    o.stirringState = 3;
    const StirringRod small = StepStirringRod(o, false, 160, 198, 325);
    EXPECT_NEAR(small.x, 100 + 160 / 3 + std::sin(1.0) * 16.0, 1e-9);
    EXPECT_DOUBLE_EQ(small.y, 200 + 198 - 325 - 3);

    LabObject funnel = Vessel(kSeparatoryFunnel);
    funnel.stirringState = 2;
    EXPECT_FALSE(StepStirringRod(funnel, true, 130, 383, 325).shown);
    EXPECT_EQ(funnel.stirringState, 1) << "the funnel's shake still counts down";
}

TEST(StirBar, CyclesItsFourPicturesOnlyWhereABarFits) {
    LabObject o = Vessel(kBeaker);
    o.kindFlags = 0x1000000;
    o.stirringState = 1000;
    std::vector<int32_t> frames;
    for (int i = 0; i < 10; ++i) frames.push_back(StepStirBar(o));
    EXPECT_EQ(frames, (std::vector<int32_t>{2188, 2191, 2189, 2190, 2190, 2188, 2191, 2189, 2190, 2190}));
    EXPECT_EQ(o.stirringState, 1000);

    o.kindFlags = 0;
    o.stirringState = 1002;
    EXPECT_EQ(StepStirBar(o), 0);
    EXPECT_EQ(o.stirringState, 1002);
}

}  // namespace
