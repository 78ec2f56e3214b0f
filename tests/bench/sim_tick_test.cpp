// The tick: which phases run when, in what order, and what the style bits
// switch off.
#include <gtest/gtest.h>

#include <climits>

#include <string>
#include <vector>

#include "bench/sim/sim_tick.h"
#include "common/lab_style.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class TickTest : public SimTest {
protected:
    void Tick(uintptr_t wParam = 1) { SimulationTick(seams_, TimerMessage{wParam, 0}); }
};

TEST_F(TickTest, TheFirstHeavyTickIsTickFive) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 100, 353);
    const int32_t i = Place(b);
    seams_.hasHook = true;
    std::vector<uint32_t> hookTicks;
    seams_.hook = [&hookTicks](int32_t, LabObject*) { hookTicks.push_back(LabTickCount); };
    for (int k = 1; k <= 4; ++k) Tick();
    EXPECT_FLOAT_EQ(At(i).temperature, 353);
    Tick();
    EXPECT_NEAR(At(i).temperature, 352.97, 1e-4);
    for (int k = 6; k <= 10; ++k) Tick();
    EXPECT_EQ(hookTicks, (std::vector<uint32_t>{5, 10}));
    EXPECT_EQ(seams_.benchInvalidations, 10);
}

TEST_F(TickTest, LabClockSeconds) {
    const std::pair<uint32_t, int64_t> cases[] = {{0, 0},  {9, 0},  {10, 1},
                                                  {19, 1}, {70, 7}, {4294967295u, 429496729}};
    for (const auto& [ticks, seconds] : cases) {
        LabTickCount = ticks;
        EXPECT_EQ(LabClockSeconds(), seconds) << ticks;
    }
}

TEST_F(TickTest, WhatTheStyleBitsSwitch) {
    struct Case {
        uint32_t style;
        bool thermal;
        bool dissolving;
        bool temperaturePass;
        bool samplesOnLightTicks;
    };
    const Case cases[] = {
        {0, true, true, true, false},        {0x1, true, true, true, true},
        {0x20, false, true, true, false},    {0x100, true, false, true, false},
        {0x20000, true, true, false, false}, {0x20 | 0x100 | 0x20000, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        ResetLabObjects();
        LabTickCount = 0;
        FreeTitrationPoints(TitrationPoints);
        ResetTitrationSampler(TitrationSampling);
        seams_.labStyle = c.style;
        seams_.hasHook = true;

        LabObject hot = MakeObject(kBeaker, 100, 400);
        AddWater(hot, 100, 353);
        const int32_t h = Place(hot);
        LabObject salty = MakeObject(kBeaker, 300, 400);
        AddWater(salty, 50);
        AddSolid(salty, kSalt, 5);
        const int32_t s = Place(salty);
        LabObject buret = MakeObject(kBuret, 500, 300);
        AddWater(buret, 10);
        buret.pourTarget = 4;
        Place(buret);
        LabObject flask = MakeObject(kErlenmeyerFlask, 480, 400);
        flask.collectTitration = 1;
        flask.titrantDelivered = 1;
        const int32_t f = Place(flask);
        // The hook warms one slot; the temperature pass takes it back.
        seams_.hook = [f](int32_t, LabObject* base) { base[f].slots[0].kelvin = 350; };
        AddWater(At(f), 5);

        Tick();
        EXPECT_EQ(TitrationPoints.count, c.samplesOnLightTicks ? 1 : 0);
        for (int k = 2; k <= 5; ++k) Tick();
        EXPECT_EQ(At(h).temperature < 353, c.thermal);
        EXPECT_EQ(MassOfComponent(At(s), kSalt, kPhaseDissolved) > 0, c.dissolving);
        EXPECT_EQ(At(f).slots[0].kelvin != 350, c.temperaturePass);
    }
}

TEST_F(TickTest, TheOrderOfTheOutsideCalls) {
    Place(kBeaker, 100, 400);
    seams_.hasHook = true;
    seams_.recording = true;
    seams_.titrationOpen = true;
    for (int k = 1; k <= 5; ++k) Tick(100 + k);
    const std::vector<std::string> light = {"style", "titration"};
    std::vector<std::string> expected;
    for (int k = 1; k <= 4; ++k) expected.insert(expected.end(), light.begin(), light.end());
    for (const char* call : {"style", "hook", "frame", "time mark after frame", "titration"})
        expected.push_back(call);
    EXPECT_EQ(seams_.calls, expected);
    ASSERT_EQ(seams_.forwarded.size(), 5u);
    EXPECT_EQ(seams_.forwarded[4].wParam, 105u);
}

TEST_F(TickTest, AnEmptyBenchWithoutModule) {
    seams_.titrationOpen = true;
    for (int k = 1; k <= 5; ++k) Tick();
    EXPECT_EQ(seams_.calls, std::vector<std::string>(5, "style"));
}

TEST_F(TickTest, ShakenFunnelIsTippedThreeTicksThenUpright) {
    LabObject funnel = MakeObject(kSeparatoryFunnel, 100, 400);
    funnel.stirringState = 5;
    const int32_t i = Place(funnel);
    std::vector<int32_t> variants;
    for (int k = 0; k < 6; ++k) {
        AnimationStep(LabObjectCount, LabObjects, seams_);
        variants.push_back(At(i).variant);
    }
    EXPECT_EQ(variants, (std::vector<int32_t>{1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(At(i).stirringState, 0);
}

TEST_F(TickTest, RoundFlaskFrames) {
    struct Case {
        double rate;
        double accumulator;
        int32_t picture;
        int32_t after;
        double accumulatorAfter;
    };
    const Case cases[] = {
        {0, 0, 186, 183, 0},     {0, 0, 188, 173, 0},     {0, 0, 183, 183, 0},
        {0.1, 0, 186, 183, 0.1}, {0.1, 0.2, 183, 186, 0}, {0.1, 0.2, 186, 183, 0},
    };
    for (const Case& c : cases) {
        ResetLabObjects();
        LabObject flask = MakeObject(kRoundBottomFlask, 100, 400);
        flask.flowSetting = c.rate;
        flask.reading2 = c.accumulator;
        flask.currentPictureId = c.picture;
        const int32_t i = Place(flask);
        AnimationStep(LabObjectCount, LabObjects, seams_);
        EXPECT_EQ(At(i).currentPictureId, c.after) << c.rate << " " << c.picture;
        EXPECT_NEAR(At(i).reading2, c.accumulatorAfter, 1e-12);
    }
}

TEST_F(TickTest, DripAndStopwatch) {
    LabObject dropper = MakeObject(kEyeDropper, 100, 400);
    AddWater(dropper, 1);
    dropper.flowSetting = 0.5;
    dropper.pourTarget = 2;
    dropper.currentPictureId = 206;
    dropper.objectFlags = kObjStopwatchRunning;
    const int32_t d = Place(dropper);
    LabObject stopped = MakeObject(kBeaker, 300, 400);
    stopped.objectFlags = kObjStopwatchMask;
    const int32_t s = Place(stopped);
    AnimationStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(d).currentPictureId, 246);
    At(d).pourTarget = 0;
    AnimationStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(d).currentPictureId, 206);
    ASSERT_EQ(seams_.erased.size(), 1u);
    EXPECT_EQ(seams_.erased[0].top, 390);
    EXPECT_EQ(seams_.erased[0].bottom, 400);
    EXPECT_EQ(At(d).stopwatchCount, 2);
    EXPECT_EQ(At(s).stopwatchCount, 0);
    // A count at its largest stays there rather than wrapping to a negative one.
    At(d).stopwatchCount = INT32_MAX - 1;
    for (int i = 0; i < 3; ++i) AnimationStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(d).stopwatchCount, INT32_MAX);
}

TEST_F(TickTest, MetalWirePictures) {
    LabObject wire = MakeObject(kMetalWire, 100, 400);
    wire.objectFlags = kObjDipped;
    wire.host = 2;
    const int32_t w = Place(wire);
    Place(kBeaker, 80, 420);
    UpdateMetalWires(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(w).stateBits & 1, 1);
    At(w).host = 0;  // dipped but hostless: left as it is
    UpdateMetalWires(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(w).stateBits & 1, 1);
    At(w).objectFlags = 0;
    UpdateMetalWires(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(w).stateBits & 1, 0);
    EXPECT_EQ(seams_.retemplates, (std::vector<std::string>{"dipped", "undipped"}));
}

TEST_F(TickTest, BurnersStillSetTheHeatWhenTheModuleHeats) {
    seams_.labStyle = kStyleNoThermalStep;
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 50, 293);
    const int32_t i = Place(b);
    Place(kBunsenBurner, 110, 480);
    for (int k = 0; k < 10; ++k) Tick();
    EXPECT_EQ(At(i).heatApplied, 2);
    EXPECT_FLOAT_EQ(At(i).temperature, 293);
}

}  // namespace
