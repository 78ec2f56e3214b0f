// Drawing up: pipets, droppers and wires that hang in a vessel take liquid.
#include <gtest/gtest.h>

#include <cmath>

#include "bench/sim/sim_heat_sources.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class DrawUpTest : public SimTest {
protected:
    // A beaker at (100, 330)-(160, 400) with a dippable object hanging in it.
    int32_t host_ = 0;
    int32_t Dip(int32_t type, double hostWaterMl) {
        LabObject beaker = MakeObject(kBeaker, 100, 400);
        if (hostWaterMl > 0) AddWater(beaker, hostWaterMl, 330);
        beaker.liquidColour[2] = 255;
        host_ = Place(beaker);
        LabObject p = MakeObject(type, 120, 395);
        p.host = host_;
        p.objectFlags = kObjDipped;
        const int32_t i = Place(p);
        At(host_).hostedItem = i;
        return i;
    }
};

TEST_F(DrawUpTest, DropperFillsInTwoTicksAndIsLiftedOut) {
    const int32_t d = Dip(kEyeDropper, 50);
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(d).liquidVolume, 10);
    EXPECT_EQ(At(d).host, host_);
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(d).liquidVolume, 20);
    EXPECT_DOUBLE_EQ(At(host_).liquidVolume, 480);
    EXPECT_NEAR(MassOfComponent(At(d), kWater, kPhaseLiquid), 2.0, 1e-9);
    EXPECT_NEAR(At(d).temperature, 330, 1e-3);
    // On the rim, no longer dipped.
    EXPECT_EQ(At(d).position.bottom, At(host_).position.top);
    EXPECT_EQ(At(d).host, 0);
    EXPECT_EQ(At(d).objectFlags & kObjDipped, 0u);
    EXPECT_EQ(At(host_).hostedItem, 0);
    EXPECT_EQ(At(d).pourTarget, 0);
}

TEST_F(DrawUpTest, PipetShowsFillingUntilFull) {
    const int32_t p = Dip(kPipet, 50);
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(p).stateBits, 128);
    for (int k = 0; k < 9; ++k) DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(p).liquidVolume, 100);
    EXPECT_EQ(At(p).stateBits, 0);
    // Full: it takes no more and the host keeps the rest.
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(p).liquidVolume, 100);
    EXPECT_DOUBLE_EQ(At(host_).liquidVolume, 400);
}

TEST_F(DrawUpTest, AnEmptyHostGivesNothing) {
    const int32_t d = Dip(kEyeDropper, 0);
    At(d).temperature = 300;
    At(d).liquidColour[0] = 9;
    At(host_).liquidVolume = 30;  // a level with nothing behind it
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(d).liquidVolume, 0);
    EXPECT_FLOAT_EQ(At(d).temperature, 300);
    EXPECT_EQ(At(d).liquidColour[0], 9);
    EXPECT_DOUBLE_EQ(At(host_).liquidVolume, 30);
}

TEST_F(DrawUpTest, VolumesMoveByWhatWasReallyTaken) {
    const int32_t d = Dip(kEyeDropper, 0.4);  // less than the 1 ml asked for
    At(host_).indicatorAmount = 2;
    At(host_).indicatorId = 7;
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_NEAR(At(d).liquidVolume, 4, 1e-9);
    EXPECT_NEAR(At(host_).liquidVolume, 0, 1e-9);
    EXPECT_FLOAT_EQ(At(d).indicatorAmount, 2);
    EXPECT_EQ(At(d).indicatorId, 7);
    EXPECT_FLOAT_EQ(At(host_).indicatorAmount, 0);
}

TEST_F(DrawUpTest, IndicatorShareOfAHostWithoutLevel) {
    const int32_t d = Dip(kEyeDropper, 50);
    At(host_).liquidVolume = 0;  // slots say 50 ml, the level says none
    At(host_).indicatorAmount = 3;
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_TRUE(std::isfinite(At(d).indicatorAmount));
    EXPECT_TRUE(std::isfinite(At(host_).indicatorAmount));
    EXPECT_GE(At(host_).liquidVolume, 0);
}

TEST_F(DrawUpTest, MetalWireIsLiftedWhenHalfFull) {
    const int32_t w = Dip(kMetalWire, 50);
    DrawUpStep(LabObjectCount, LabObjects, seams_);
    EXPECT_DOUBLE_EQ(At(w).liquidVolume, 10);
    EXPECT_EQ(At(w).host, 0);
    EXPECT_EQ(At(w).position.bottom, At(host_).position.top);
}

TEST_F(DrawUpTest, ABrokenHostLinkIsIgnored) {
    const int32_t d = Dip(kEyeDropper, 50);
    for (int32_t link : {0, -1, 99, d}) {
        At(d).host = link;
        DrawUpStep(LabObjectCount, LabObjects, seams_);
        EXPECT_DOUBLE_EQ(At(d).liquidVolume, 0) << link;
    }
}

}  // namespace
