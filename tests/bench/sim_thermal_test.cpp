// The thermal step: cooling, heating, boiling, melting, distilling.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "bench/sim/sim_thermal.h"
#include "common/lab_style.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class ThermalTest : public SimTest {
protected:
    void Step(uint32_t style = 0) { ThermalStep(LabObjectCount, LabObjects, style); }
    int32_t WaterBeaker(double ml, double kelvin, uint16_t heat = 0) {
        LabObject b = MakeObject(kBeaker, 100, 400);
        AddWater(b, ml, kelvin);
        b.heatApplied = heat;
        return Place(b);
    }
};

TEST_F(ThermalTest, TheRatesOfOneStep) {
    struct Case {
        const char* what;
        double kelvin;
        uint16_t heat;
        double kelvinAfter;
        double waterLost;
    };
    const Case cases[] = {
        {"100 ml at 353 K cools 0.03 K", 353, 0, 352.97, 0},
        {"heat 2 warms 0.2415 K", 293, 2, 293 + 2 * 500 / (1000 * 0.055 * 75.3), 0},
        {"boiling stops at b + 0.1 and loses 0.06 g", 373.14, 2, 373.25, 0.06},
        {"heat 20 boils off 0.05 g + 20 / 200 g", 373.14, 20, 373.25, 0.15},
        {"at room temperature nothing moves", 293, 0, 293, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        const int32_t b = WaterBeaker(100, c.kelvin, c.heat);
        Step();
        EXPECT_NEAR(At(b).temperature, c.kelvinAfter, 2e-4);
        EXPECT_NEAR(100 - MassOfComponent(At(b), kWater, kPhaseLiquid), c.waterLost, 1e-9);
        EXPECT_NEAR(At(b).liquidVolume, 1000 - c.waterLost * 10, 1e-9);
    }
}

TEST_F(ThermalTest, DissolvedSaltRaisesTheBoilingPoint) {
    LabObject b = MakeObject(kCalorimeter, 100, 400);
    AddComponent(b, kWater, kPhaseLiquid, 1000, 293);
    AddComponent(b, kSalt, kPhaseDissolved, 58.44, 293);
    const PhasePoints points = BoilingAndFreezingPoints(b);
    EXPECT_NEAR(points.boilingPoint, 373.15 + 0.513, 1e-4);
    EXPECT_NEAR(points.meltingPoint, 273.15 - 1.86, 1e-4);
    EXPECT_EQ(points.boilingCas, kWater);
    // Ice in a slot of its own does not move the points a second time.
    AddComponent(b, kWater, kPhaseSolid, 50, 273);
    EXPECT_NEAR(BoilingAndFreezingPoints(b).boilingPoint, 373.15 + 0.513, 1e-4);
}

TEST_F(ThermalTest, PointsTheTableDoesNotKnowAreIgnored) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddComponent(b, kUnlisted, kPhaseLiquid, 5, 293);
    AddComponent(b, kWater, kPhaseLiquid, 50, 293);
    AddComponent(b, kEthanol, kPhaseLiquid, 5, 293);
    const PhasePoints points = BoilingAndFreezingPoints(b);
    EXPECT_NEAR(points.boilingPoint, 351.4, 1e-4);
    EXPECT_EQ(points.boilingCas, kEthanol);
    EXPECT_NEAR(points.meltingPoint, 159, 1e-4);
    // Nothing that boils: the field says 773.
    LabObject only = MakeObject(kBeaker, 100, 400);
    AddComponent(only, kUnlisted, kPhaseLiquid, 5, 293);
    only.liquidVolume = 50;
    only.boilingPoint = 0;
    const int32_t i = Place(only);
    Step();
    EXPECT_FLOAT_EQ(At(i).boilingPoint, 773);
}

TEST_F(ThermalTest, HeatedIceMeltsAsWaterIceAndShrinksTheLevel) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 50, 280);
    AddLiquid(b, kEthanol, 10, 280);  // melts far lower than water
    AddIce(b, 10, 263);
    b.heatApplied = 2;
    const double level = b.liquidVolume;
    const int32_t i = Place(b);
    Step();
    EXPECT_NEAR(IceMass(At(i)), 9.8, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 50.2, 1e-9);
    EXPECT_FLOAT_EQ(At(i).temperature, 273.15f);
    // The melt joins the water at the ice point, not near 0 K.
    EXPECT_NEAR(At(i).slots[0].kelvin, 273.15, 1e-9);
    // Ice was counted at its own volume; as water it fills less.
    EXPECT_NEAR(At(i).liquidVolume, level + 2 - 0.2 / 0.92 * 10, 1e-9);
}

TEST_F(ThermalTest, BoilOffOfALiquidWithoutDensity) {
    auto records = SimulationChemicals();
    records[2].density = 0;  // ethanol, as a module might leave it
    SetChemicalTable(records.data(), static_cast<int32_t>(records.size()));
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddComponent(b, kEthanol, kPhaseLiquid, 20, 351.5);
    b.liquidVolume = 200;
    b.temperature = 351.5f;
    b.heatApplied = 2;
    const int32_t i = Place(b);
    Step();
    EXPECT_NEAR(MassOfComponent(At(i), kEthanol, kPhaseLiquid), 19.94, 1e-9);
    EXPECT_NEAR(At(i).liquidVolume, 199.4, 1e-9);  // 0.06 g at 1 g/ml
}

TEST_F(ThermalTest, SolidsAloneMoveTowardTheRoom) {
    struct Case {
        const char* what;
        double kelvin;
        double solidVolume;
        double after;
    };
    const Case cases[] = {
        {"cold salt warms", 250, 5, 250 + 43 * 0.5 / (10 * 100)},
        {"hot salt cools (and cools again with the liquid rule)", 400, 5,
         [] {
             const double t = 400 - 107 * 0.5 / (5 * 100);
             return t - (t - 293) * 0.5 / (10 * 10);
         }()},
        {"hot salt without a solid volume", 400, 0,
         [] {
             const double t = 400 - 107 * 0.5 / (10 * 100);
             return t - (t - 293) * 0.5 / (10 * 10);
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        LabObject b = MakeObject(kBeaker, 100, 400);
        AddComponent(b, kSalt, kPhaseSolid, 10, c.kelvin);
        b.solidVolume = c.solidVolume;
        b.temperature = static_cast<float>(c.kelvin);
        const int32_t i = Place(b);
        Step();
        EXPECT_NEAR(At(i).temperature, c.after, 1e-3);
        EXPECT_TRUE(std::isfinite(At(i).temperature));
    }
}

TEST_F(ThermalTest, ColdIceAloneWarmsThenMelts) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddComponent(b, kWater, kPhaseSolid, 10, 272);
    b.temperature = 272;
    const int32_t i = Place(b);
    Step();
    EXPECT_GT(At(i).temperature, 272);
    At(i).temperature = 273.5f;
    SetAllTemperatures(At(i), 273.5);
    Step();
    EXPECT_NEAR(IceMass(At(i)), 9.99, 1e-9);
}

TEST_F(ThermalTest, ContactWithTheHost) {
    struct Case {
        const char* what;
        double tube;
        double bath;
        double tubeAfter;
        double bathAfter;
    };
    // 10 g in the tube, 90 g in the bath: the tube takes 0.9 of each step.
    const Case cases[] = {
        {"warm bath warms the tube", 300, 350, 300.45, 349.95},
        {"cold bath cools the tube", 350, 300, 349.55, 300.05},
        {"within 0.5 K nothing moves", 300, 300.4, 300, 300.4},
        {"a tube below 267.5 K is not cooled further", 260, 250, 260, 250},
        {"but is warmed", 260, 270, 260.45, 269.95},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        LabObject bath = MakeObject(kBeaker, 100, 400);
        AddWater(bath, 90, c.bath);
        bath.host = 0;
        bath.hostedItem = 2;
        bath.temperature = 293;  // on the bench at room temperature: no cooling of the bath
        Place(bath);
        SetAllTemperatures(At(1), c.bath);
        LabObject tube = MakeObject(kTestTube, 120, 395);
        AddWater(tube, 10, c.tube);
        tube.host = 1;
        Place(tube);
        // Only the exchange: keep the bath at room rules out of the way.
        At(1).kindFlags &= ~static_cast<uint32_t>(kKindHeatable);
        Step();
        EXPECT_NEAR(At(2).temperature, c.tubeAfter, 1e-4);
        EXPECT_NEAR(At(1).temperature, c.bathAfter, 1e-4);
    }
}

TEST_F(ThermalTest, DistillationGoesOnlyToAValidReceiver) {
    for (int32_t link : {3, 0, 2, 99, -1}) {
        SCOPED_TRACE(link);
        ResetLabObjects();
        Place(kBeaker, 400, 500);
        LabObject flask = MakeObject(kRoundBottomFlask, 100, 400);
        AddWater(flask, 50, 373.3);
        flask.stateBits = 0x4;
        flask.heatApplied = 2;
        flask.pourTarget = link;
        Place(flask);
        Place(kBeaker, 200, 500);
        Step();
        const double received = TotalComponentMass(At(3)) + TotalComponentMass(At(1));
        EXPECT_NEAR(MassOfComponent(At(2), kWater, kPhaseLiquid), 49.94, 1e-9);
        if (link == 3) {
            EXPECT_NEAR(received, 0.06, 1e-9);
            EXPECT_NEAR(At(3).liquidVolume, 0.6, 1e-9);
            EXPECT_NEAR(At(2).flowSetting, 0.06, 1e-9);
        } else {
            EXPECT_EQ(received, 0);
        }
    }
}

TEST_F(ThermalTest, TemperaturesStayBelowTheCeiling) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddLiquid(b, kUnlisted, 1, 700);  // boils nowhere: the field says 773
    b.heatApplied = 65535;
    const int32_t i = Place(b);
    Step();
    Step();
    EXPECT_LE(At(i).temperature, 773.15f);
    for (const ComponentSlot& s : At(i).slots) EXPECT_LE(s.kelvin, 773.15);
}

TEST_F(ThermalTest, TheModuleKeepsItsIceWaterBalance) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 50, 300);
    AddComponent(b, kWater, kPhaseSolid, 5, 263);
    b.liquidVolume += 5 / 0.92 * 10;
    b.temperature = 293;
    const int32_t i = Place(b);
    Step(kStyleNoObjectUpdate);
    EXPECT_DOUBLE_EQ(At(i).slots[0].kelvin, 300);
    Step();
    EXPECT_NE(At(i).slots[0].kelvin, 300);
}

}  // namespace
