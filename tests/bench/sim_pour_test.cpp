// Pouring: outlet targets, portions, overflow and setting sources upright.
#include <gtest/gtest.h>

#include <string>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/sim/sim_pour.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class PourTest : public SimTest {
protected:
    void HeavyStep() {
        FindOutletTargets(LabObjectCount, LabObjects);
        PourStep(LabObjectCount, LabObjects, SelectedObject, seams_);
    }
    // A tipped 100 ml beaker with its left edge at 340 and bottom at 500:
    // its lip pours onto anything whose mouth is under x 340 from y 490 down.
    int32_t TippedBeaker(double waterMl, double kelvin = 293) {
        LabObject s = MakeObject(kBeaker, 340, 500);
        if (waterMl > 0) AddWater(s, waterMl, kelvin);
        TipForPouring(s);
        return Place(s);
    }
    // A 250 ml beaker (80 wide, mouth 60) under the lip.
    int32_t BigBeaker(int32_t top = 510) {
        LabObject c = MakeObject(kBeaker, 300, top + 90);
        c.capacityMl = 250;
        c.pictureWidth = 80;
        c.pictureHeight = 90;
        c.openingWidth = 60;
        c.position = {300, top, 380, top + 90};
        return Place(c);
    }
    int32_t Pours() const {
        int32_t n = 0;
        for (const std::string& r : seams_.retemplates) n += r.rfind("pour", 0) == 0;
        return n;
    }
};

TEST_F(PourTest, FiftyMillilitresTakeFiveHeavySteps) {
    const int32_t s = TippedBeaker(50, 330);
    At(s).liquidColour[0] = 255;
    const int32_t t = BigBeaker();
    for (int step = 1; step <= 4; ++step) {
        HeavyStep();
        EXPECT_NEAR(At(t).liquidVolume, 100.0 * step, 1e-9) << step;
        EXPECT_EQ(At(s).variant, 1) << step;
    }
    HeavyStep();
    EXPECT_NEAR(At(t).liquidVolume, 500, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(t), kWater, kPhaseLiquid), 50, 1e-9);
    EXPECT_NEAR(At(s).liquidVolume, 0, 1e-9);
    EXPECT_EQ(At(s).variant, 0);  // upright again
    EXPECT_EQ(Pours(), 1);
    EXPECT_NEAR(At(t).temperature, 330, 1e-3);
    EXPECT_EQ(At(t).liquidColour[0], 255);
    EXPECT_TRUE(seams_.warnings.empty());
}

TEST_F(PourTest, OverflowFillsTheTubeWarnsOnceAndSetsTheSourceUpright) {
    const int32_t s = TippedBeaker(50);
    LabObject tube = MakeObject(kTestTube, 330, 610);
    AddWater(tube, 45);
    const int32_t t = Place(tube);
    HeavyStep();
    EXPECT_NEAR(At(t).liquidVolume, 500, 1e-9);
    EXPECT_NEAR(At(s).liquidVolume, 450, 1e-9);
    EXPECT_EQ(At(s).variant, 0);
    EXPECT_EQ(seams_.warnings, std::vector<int32_t>{kOverflowWarning});
}

TEST_F(PourTest, TheWarningComesAfterThePass) {
    // Two overflowing pours: both happen, then one box.
    const int32_t s1 = TippedBeaker(50);
    LabObject tube = MakeObject(kTestTube, 330, 610);
    AddWater(tube, 45);
    const int32_t t1 = Place(tube);
    LabObject s2 = MakeObject(kBeaker, 1340, 500);
    AddWater(s2, 50);
    TipForPouring(s2);
    Place(s2);
    tube.position.left += 1000;
    tube.position.right += 1000;
    const int32_t t2 = Place(tube);
    HeavyStep();
    EXPECT_NEAR(At(t1).liquidVolume, 500, 1e-9);
    EXPECT_NEAR(At(t2).liquidVolume, 500, 1e-9);
    EXPECT_EQ(At(s1).variant, 0);
    EXPECT_EQ(seams_.warnings.size(), 1u);
}

TEST_F(PourTest, TheHighestMouthCatchesTheStream) {
    TippedBeaker(50);
    const int32_t low = BigBeaker(520);
    const int32_t high = BigBeaker(510);
    const int32_t alsoLow = BigBeaker(520);
    FindOutletTargets(LabObjectCount, LabObjects);
    EXPECT_EQ(At(1).pourTarget, high);
    // Equal tops: the later one.
    At(high).position.top = 520;
    FindOutletTargets(LabObjectCount, LabObjects);
    EXPECT_EQ(At(1).pourTarget, alsoLow);
    EXPECT_NE(At(1).pourTarget, low);
}

TEST_F(PourTest, WhatCannotReceive) {
    struct Case {
        const char* what;
        void (*spoil)(LabObject&);
    };
    const Case cases[] = {
        {"tipped itself", [](LabObject& c) { c.variant = 1; }},
        {"full", [](LabObject& c) { c.liquidVolume = c.capacityMl * 10.0; }},
        {"takes no water", [](LabObject& c) { c.kindFlags &= ~static_cast<uint32_t>(kKindTakesWater); }},
        {"a distillation flask", [](LabObject& c) { c.type = kRoundBottomFlask, c.stateBits = 0x4; }},
        {"a stoppered funnel", [](LabObject& c) { c.type = kSeparatoryFunnel, c.stateBits = 0x2; }},
        {"too low", [](LabObject& c) { c.position.top -= 30; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        TippedBeaker(50);
        const int32_t t = BigBeaker();
        c.spoil(At(t));
        FindOutletTargets(LabObjectCount, LabObjects);
        EXPECT_EQ(At(1).pourTarget, 0);
    }
}

TEST_F(PourTest, OnlySourcesPourAndOnlyToARealTarget) {
    // A wire keeps the host it drew from as its target: it is no source.
    LabObject wire = MakeObject(kMetalWire, 320, 500);
    AddWater(wire, 1);
    wire.pourTarget = 2;
    Place(wire);
    const int32_t t = BigBeaker();
    const int32_t s = TippedBeaker(50);
    for (int32_t link : {0, -4, s, 99}) {
        At(s).pourTarget = link;
        PourStep(LabObjectCount, LabObjects, 0, seams_);
    }
    EXPECT_EQ(At(t).liquidVolume, 0);
    EXPECT_NEAR(At(1).liquidVolume, 10, 1e-9);
    EXPECT_NEAR(At(s).liquidVolume, 500, 1e-9);
}

TEST_F(PourTest, DispensersAreNeverTippedByEmptying) {
    for (int32_t type : {kBuret, kSeparatoryFunnel}) {
        SCOPED_TRACE(type);
        ResetLabObjects();
        seams_.retemplates.clear();
        LabObject dispenser = MakeObject(type, 350, 480);
        dispenser.position = {350, 380, 370, 480};  // centre line at 360
        AddWater(dispenser, 0.3);
        dispenser.flowSetting = 10;
        Place(dispenser);
        LabObject flask = MakeObject(kErlenmeyerFlask, 330, 580);
        flask.collectTitration = 1;
        const int32_t f = Place(flask);
        HeavyStep();
        HeavyStep();
        EXPECT_NEAR(At(f).liquidVolume, 3, 1e-9);
        EXPECT_NEAR(At(f).titrantDelivered, type == kBuret ? 0.3 : 0, 1e-9);
        EXPECT_EQ(At(1).variant, 0);
        EXPECT_EQ(Pours(), 0);
    }
}

TEST_F(PourTest, TheLastLiquidMovesByWhatWasPoured) {
    const int32_t s = TippedBeaker(3);
    AddSolid(At(s), kSalt, 5);
    const int32_t t = BigBeaker();
    HeavyStep();
    EXPECT_NEAR(At(t).liquidVolume, 30, 1e-9);
    EXPECT_NEAR(At(s).liquidVolume, 0, 1e-9);
    EXPECT_EQ(At(s).variant, 1);  // the solid is still to come
    HeavyStep();
    EXPECT_NEAR(MassOfComponent(At(t), kSalt, kPhaseSolid), 5, 1e-9);
    EXPECT_NEAR(At(t).solidVolume, 5 / 2.165f, 1e-6);
    EXPECT_NEAR(At(t).liquidVolume, 30 + 5 / 2.165f * 10, 1e-5);
    EXPECT_EQ(At(s).variant, 0);
}

TEST_F(PourTest, SolidPortionsAddTheirVolume) {
    for (int16_t state : {0, 2}) {
        SCOPED_TRACE(state);
        ResetLabObjects();
        const int32_t s = TippedBeaker(0);
        AddSolid(At(s), kSalt, 30);
        const int32_t t = BigBeaker();
        At(t).stateBits = state;
        HeavyStep();
        EXPECT_NEAR(At(t).solidVolume, 10, 1e-9);
        EXPECT_NEAR(MassOfComponent(At(t), kSalt, kPhaseSolid), 10 * 2.165f, 1e-4);
        EXPECT_EQ(At(s).variant, 1);
    }
}

TEST_F(PourTest, IceMovesAtItsOwnVolume) {
    LabObject s = MakeObject(kBeaker, 340, 500);
    AddIce(s, 13.8);  // 15 ml of ice
    TipForPouring(s);
    Place(s);
    const int32_t t = BigBeaker();
    HeavyStep();
    EXPECT_NEAR(IceMass(At(t)), 9.2, 1e-9);
    EXPECT_NEAR(At(t).liquidVolume, 100, 1e-9);
    EXPECT_NEAR(At(1).liquidVolume, 50, 1e-9);
    HeavyStep();
    EXPECT_NEAR(IceMass(At(t)), 13.8, 1e-9);
    EXPECT_NEAR(At(t).liquidVolume, 150, 1e-9);
    EXPECT_EQ(At(1).variant, 0);
}

TEST_F(PourTest, IndicatorMovesWithTheVolumePoured) {
    struct Case {
        double waterMl;
        float targetAmount;
        float sourceAmount;
        int32_t variantAfter;
    };
    const Case cases[] = {
        {0, 2, 0, 0},         // alone in the vessel: all of it, and the vessel stands up
        {40, 0.5f, 1.5f, 1},  // 10 of 40 ml: a quarter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.waterMl);
        ResetLabObjects();
        const int32_t s = TippedBeaker(c.waterMl);
        At(s).indicatorId = 4;
        At(s).indicatorAmount = 2;
        const int32_t t = BigBeaker();
        HeavyStep();
        EXPECT_EQ(At(t).indicatorId, 4);
        EXPECT_FLOAT_EQ(At(t).indicatorAmount, c.targetAmount);
        EXPECT_FLOAT_EQ(At(s).indicatorAmount, c.sourceAmount);
        EXPECT_EQ(At(s).variant, c.variantAfter);
    }
}

TEST_F(PourTest, SettingUprightRedrawsOnlyTheSelectedSource) {
    const int32_t s = TippedBeaker(10);
    BigBeaker();
    SelectedObject = s;
    ObjectSelected = true;
    HeavyStep();
    EXPECT_EQ(seams_.retemplates, std::vector<std::string>{"pour redraw"});
}

}  // namespace

// The calorimeter's lid has a port: with the thermometer in (its catalogue
// shape with state 2), shot and water still go in, as without it.
TEST_F(PourTest, ACalorimeterTakesShotAndWaterWithItsThermometerIn) {
    for (int16_t state : {0, 2}) {
        SCOPED_TRACE(state);
        ResetLabObjects();
        LabObject c = EquipmentPrototype(kCalorimeter, false);
        ASSERT_TRUE(state == 0 || SetTemplateState(c, state));
        // Its mouth (97 of 162 wide) spans x 332..430; its top is at 510.
        c.position = {300, 510, 300 + c.pictureWidth, 510 + c.pictureHeight};
        const int32_t calorimeter = Place(c);
        LabObject tube = MakeObject(kTestTube, 350, 512);  // its lip over the mouth
        AddSolid(tube, kSalt, 20, 370);
        TipForPouring(tube);
        const int32_t shot = Place(tube);
        for (int step = 0; step < 3; ++step) HeavyStep();
        EXPECT_EQ(At(shot).solidVolume, 0);
        EXPECT_NEAR(MassOfComponent(At(calorimeter), kSalt, kPhaseSolid), 20, 1e-9);
        EXPECT_NEAR(ComponentTemperature(At(calorimeter), kSalt, kPhaseSolid), 370, 1e-9);

        TippedBeaker(50);
        for (int step = 0; step < 5; ++step) HeavyStep();
        EXPECT_NEAR(MassOfComponent(At(calorimeter), kWater, kPhaseLiquid), 50, 1e-9);
        EXPECT_NEAR(At(calorimeter).liquidVolume, 500 + 20 / Density(kSalt) * 10, 1e-6);
    }
}
