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

// A trace of water under a dissolved solute, and amounts far beyond a
// vessel's, never make a point, a temperature or the thermal mass anything
// but a finite number in range.
TEST_F(ThermalTest, TracesAndHugeAmountsStayFinite) {
    struct Case {
        const char* what;
        double waterGrams, salt, liquidTenths;
        uint16_t heat;
    };
    const Case cases[] = {
        {"a denormal trace of water with salt", 4.9e-320, 5, 4.9e-320, 0},
        {"a tiny but normal trace of water with salt", 1e-300, 5, 1e-299, 2},
        {"1e300 g of water", 1e300, 0, 1e300, 2},
        {"a liquid volume of 1e40", 100, 1, 1e40, 2},
        {"the largest double of water", 1.7e308, 1.7e308, 1.7e308, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        LabObject b = MakeObject(kBeaker, 100, 400);
        b.slots[0] = ComponentSlot{kWater, kPhaseLiquid, c.waterGrams, 350, {}, 0, {}};
        if (c.salt) b.slots[1] = ComponentSlot{kSalt, kPhaseDissolved, c.salt, 350, {}, 0, {}};
        b.liquidVolume = c.liquidTenths;
        b.temperature = 350;
        b.heatApplied = c.heat;
        const int32_t i = Place(b);
        const PhasePoints points = BoilingAndFreezingPoints(At(i));
        EXPECT_TRUE(std::isfinite(points.boilingPoint) && std::isfinite(points.meltingPoint));
        for (int step = 0; step < 20; ++step) Step();
        EXPECT_TRUE(std::isfinite(At(i).boilingPoint));
        EXPECT_LE(At(i).boilingPoint, kMaxKelvin);
        EXPECT_TRUE(std::isfinite(At(i).thermalMass));
        EXPECT_TRUE(At(i).temperature >= 0 && At(i).temperature <= kMaxKelvin);
    }
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
    // The water's fall to the ice point melts some ice first, then the heat 0.2 g.
    const double melted = (280 - 273.15) * 50 * 4.184 / 334 + 0.2;
    EXPECT_NEAR(IceMass(At(i)), 10 - melted, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 50 + melted, 1e-9);
    EXPECT_FLOAT_EQ(At(i).temperature, 273.15f);
    // The melt joins the water at the ice point, not near 0 K.
    EXPECT_NEAR(At(i).slots[0].kelvin, 273.15, 1e-9);
    // Ice was counted at its own volume; as water it fills less.
    EXPECT_NEAR(At(i).liquidVolume, level + melted * 10 - melted / 0.92 * 10, 1e-9);
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
        {"cold salt warms (and warms again with the liquid rule)", 250, 5,
         [] {
             const double t = 250 + 43 * 0.5 / (10 * 100);
             return t + (293 - t) * 0.5 / (10 * 10);
         }()},
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
    // 0.01 g melts as a solid at its melting point, then the warmth of the
    // room melts more and holds the vessel at the ice point.
    const double warmth = (293 - 273.5) * 0.5 / (10 * 10);
    EXPECT_NEAR(IceMass(At(i)), 9.99 - warmth * 10 * 4.184 / 334, 1e-9);
    EXPECT_NEAR(TotalComponentMass(At(i)), 10, 1e-12);
    EXPECT_FLOAT_EQ(At(i).temperature, 273.15f);
}

// Ice water from Add Ice Water (18.4 g of ice at 253 K in a 100 ml beaker)
// warms, melts and ends as water at room temperature.
TEST_F(ThermalTest, IceWaterWarmsToTheRoom) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddIce(b, 18.4, 253);
    const int32_t i = Place(b);
    bool melting = false;
    // Until the step no longer moves it (it creeps up on the room as the
    // cooling of warm vessels creeps down on it).
    for (int steps = 0; steps < 40000; ++steps) {
        const float before = At(i).temperature;
        Step();
        ASSERT_GE(At(i).temperature, before) << "step " << steps;
        if (At(i).temperature == before && IceMass(At(i)) == 0) break;
        if (IceMass(At(i)) > 0 && IceMass(At(i)) < 18.4) {
            melting = true;
            EXPECT_NEAR(At(i).temperature, 273.15, 1e-4) << "step " << steps;
        }
    }
    EXPECT_TRUE(melting);
    EXPECT_NEAR(At(i).temperature, 293, 0.02);
    EXPECT_EQ(IceMass(At(i)), 0);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 18.4, 1e-9);
    EXPECT_NEAR(At(i).liquidVolume, 184, 1e-6);
    for (const ComponentSlot& s : At(i).slots)
        if (s.grams > 0) EXPECT_NEAR(s.kelvin, 293, 0.02);
}

// 1 g of ice in 50 g of water at 300 K melts at once; the water gives up
// the heat that takes (334 J/g) and is left near 298 K.
TEST_F(ThermalTest, IceInWarmWaterMelts) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 50, 300);
    AddIce(b, 1, 263);
    b.temperature = 300;
    const int32_t i = Place(b);
    Step();
    EXPECT_EQ(IceMass(At(i)), 0);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 51, 1e-12);
    EXPECT_NEAR(At(i).temperature, 300 - 334 / (50 * 4.184), 0.01);
    EXPECT_NEAR(At(i).liquidVolume, 510, 1e-9);
}

// A receiver with no room for another substance (19 of them beside its
// water) refuses the distillate, and the flask keeps it.
TEST_F(ThermalTest, RefusedBoilOffStaysInTheFlask) {
    LabObject receiver = MakeObject(kBeaker, 400, 500);
    for (int k = 1; k < kComponentSlotCount; ++k) AddSolid(receiver, 5000000 + k, 0.5);
    const int32_t r = Place(receiver);
    LabObject flask = MakeObject(kRoundBottomFlask, 100, 400);
    AddLiquid(flask, kEthanol, 50, 351.6);
    flask.stateBits = 0x4;
    flask.heatApplied = 2;
    flask.pourTarget = r;
    const int32_t f = Place(flask);
    const LabObject before = At(r);
    const double grams = MassOfComponent(At(f), kEthanol, kPhaseLiquid);
    Step();
    EXPECT_NEAR(MassOfComponent(At(f), kEthanol, kPhaseLiquid), grams, 1e-12);
    EXPECT_NEAR(At(f).liquidVolume, 500, 1e-9);
    EXPECT_EQ(At(f).flowSetting, 0);
    EXPECT_EQ(TotalComponentMass(At(r)), TotalComponentMass(before));
    EXPECT_EQ(At(r).liquidVolume, before.liquidVolume);
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
