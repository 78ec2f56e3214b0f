#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "lab_fixture.h"
#include "wizard/meters.h"
#include "wizard/reaction_engine.h"
#include "wizard/reaction_slots.h"

using namespace fixture;
using namespace parvell;

namespace {

class Meters : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChemicals(); }
    Bench bench{3};
    LabObject& o = bench[1];
};

void ExpectColour(const uint8_t* actual, int r, int g, int b) {
    EXPECT_EQ(actual[0], r);
    EXPECT_EQ(actual[1], g);
    EXPECT_EQ(actual[2], b);
}

TEST_F(Meters, PhFromTheIonsInTheLiquid) {
    struct Case {
        const char* name;
        double hydrogenMoles, hydroxideMoles, water;
        double ph;
    } cases[] = {
        {"neutral", 0.001, 0.001, 1000, 7},
        {"no ions", 0, 0, 1000, 7},
        {"acid", 0.001, 0, 1000, 3},
        // Only the excess of one ion over the other counts.
        {"acid and half as much base in half a litre", 0.001, 0.0005, 500, 3},
        {"base", 0, 0.01, 1000, 12},
        {"no liquid", 0.001, 0, 0, 7},
        // Near neutrality water's own ions count: 1e-7 M of acid is pH 6.79,
        // not 7, and a rounding residue left by a neutralisation reads 7.
        {"a tenth of a micromole of acid", 1e-7, 0, 1000, 6.7910},
        {"a tenth of a micromole of base", 0, 1e-7, 1000, 7.2090},
        {"a residue of acid at equivalence", 0.0025 + 1.1e-18, 0.0025, 50, 7},
        {"a residue of acid alone", 1.1e-18, 0, 50, 7},
        {"a residue of base alone", 0, 1.1e-17, 50, 7},
        // The scale ends at 0 and 14 however strong the liquid.
        {"ten molar acid", 10, 0, 1000, 0},
        {"ten molar base", 0, 10, 1000, 14},
        {"a drop of acid in a film of water", 0.001, 0, 1e-6, 0},
        {"a drop of base in a film of water", 0, 0.001, 1e-6, 14},
    };
    for (const Case& c : cases) {
        Bench fresh;
        LabObject& v = fresh[1];
        if (c.water) FillWithWater(v, c.water);
        Put(v, 1, kHydrogen, kPhaseSecondLiquid, c.hydrogenMoles * double(1.008f));
        Put(v, 2, kHydroxide, kPhaseSecondLiquid, c.hydroxideMoles * double(17.007f));
        UpdatePh(v);
        EXPECT_NEAR(v.ph, c.ph, 1e-4) << c.name;
    }
}

TEST_F(Meters, ConductivityTemperatureCorrectionCountsItsSteps) {
    struct Case {
        double kelvin;
        int atc;
        double factor;
    } cases[] = {
        {293, 0, std::pow(0.9911, 6)},
        {293.15, 0, std::pow(0.9911, 5)},
        {298, 0, 0.9911},
        {298.3, 0, 1},
        {298.5, 0, 1},
        {298.6, 0, 1.0089},
        {310, 0, std::pow(1.0089, 13)},
        {310, 1, 1},
        {1e300, 0, std::pow(1.0089, 476)},  // taken as 773.15 K
        {-40, 0, std::pow(0.9911, 299)},    // taken as 0 K
    };
    for (const Case& c : cases) {
        double kappa = SoluteConductivity(1, 100, 0, c.kelvin, c.atc);
        EXPECT_NEAR(kappa / 100, c.factor, 1e-12 * c.factor) << c.kelvin << " ATC " << c.atc;
    }
    EXPECT_DOUBLE_EQ(SoluteConductivity(0.25, 100, 40, 298.3, 0), 20);
    EXPECT_EQ(SoluteConductivity(0.25, 10, 400, 298.3, 0), 0);
    EXPECT_EQ(SoluteConductivity(0, 100, 0, 298.3, 0), 0);
}

TEST_F(Meters, AConductivityMeterReadsOnlyInALiquid) {
    LabObject& meter = bench[2];
    meter.type = kConductivityMeter;
    meter.kindFlags = 0;
    meter.reading1 = 55;
    meter.reading2 = 1;  // ATC on
    FillWithWater(o);
    o.temperature = 305;
    Put(o, 1, kSalt, kPhaseDissolved, 0.1 * double(58.44f));  // 0.1 mol/l
    struct Case {
        const char* name;
        int32_t host;
        uint32_t hostFlags;
        double reading;
    } cases[] = {
        {"not dipped", 0, kKindContainer, 0},
        {"dipped into itself", 2, kKindContainer, 0},
        {"past the last object", 4, kKindContainer, 0},
        {"not a container", 1, 0, 0},
        {"in solution", 1, kKindContainer, 126.4 * 0.1 - 60.2 * 0.1 * std::sqrt(0.1)},
    };
    for (const Case& c : cases) {
        meter.host = c.host;
        o.kindFlags = c.hostFlags;
        UpdateConductivity(3, bench.base());
        EXPECT_NEAR(meter.reading1, c.reading, 1e-9) << c.name;
    }
    EXPECT_EQ(meter.temperature, 305);
}

TEST_F(Meters, AnIonSolutionConductsAsTheIonItIs) {
    // 0.1 mol/l of hydrogen ion whether the lab lists the ion itself or a
    // solution of it (the Chemicals dialog's stock), and whether the ions
    // came from that stock or a reaction formed them.
    for (int32_t state : {int32_t(kKindIon), kKindSolution | kKindIon}) {
        std::vector<ChemicalRecord> table = {Chemical(kCasWater, 18.0153f, 1.0f, kKindLiquid),
                                             Chemical(kHydrogen, 1.008f, 1.0f, state, kChemStock | kChemConducts)};
        table[1].conductivityA = 349.8;
        RegisterChemicals(table.data(), int32_t(table.size()));
        Bench fresh(2);
        LabObject& meter = fresh[2];
        meter.type = kConductivityMeter;
        meter.reading2 = 1;  // ATC on
        meter.host = 1;
        FillWithWater(fresh[1]);
        Put(fresh[1], 1, kHydrogen, VesselPhaseOf(state), 0.1 * double(1.008f));
        UpdateConductivity(2, fresh.base());
        EXPECT_NEAR(meter.reading1, 34.98, 1e-9) << state;
    }
}

TEST_F(Meters, AbsorptivityBetweenTheOutermostPoints) {
    SpectroPoint points[6] = {};
    const int32_t wavelengths[] = {400, 500, 600, 450, 400, 600};
    const double values[] = {10, 20, 40, 15, 5, 5};
    for (int i = 0; i < 6; ++i) {
        points[i].cas = i < 4 ? kA : kB;
        points[i].wavelength = wavelengths[i];
        points[i].absorptivity = values[i];
    }
    EngineLab lab;
    lab.spectroPoints = points;
    lab.spectroPointCount = 6;
    struct Case {
        CasNumber cas;
        int32_t wavelength;
        double k;
    } cases[] = {
        {kA, 500, 20},
        {kA, 550, 10 + 30 * 150.0 / 200},  // 400 and 600, not 500 and 600
        {kA, 399, 0},
        {kA, 601, 0},
        {kB, 500, 5},
        {kC, 500, 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(LookupAbsorptivity(lab, c.cas, c.wavelength), c.k) << c.wavelength;

    LabObject& cuvette = bench[2];
    cuvette.type = kCuvette;
    cuvette.wavelength = 500;
    FillWithWater(cuvette);
    UpdateSpectrophotometer(lab, cuvette);
    EXPECT_EQ(cuvette.reading1, 100);  // nothing absorbs
    Put(cuvette, 1, kA, kPhaseDissolved, 1);  // 0.01 mol/l
    UpdateSpectrophotometer(lab, cuvette);
    EXPECT_NEAR(cuvette.reading1, std::pow(10.0, 2 - 0.2), 1e-9);
    cuvette.stateBits = 1;
    UpdateSpectrophotometer(lab, cuvette);
    EXPECT_EQ(cuvette.reading1, 100);
}

TEST_F(Meters, GradientColours) {
    const uint8_t a[3] = {200, 100, 0}, b[3] = {0, 100, 200};
    struct Case {
        double molarity;
        bool changed;
        uint8_t colour[3];
    } cases[] = {
        {0.01, true, {200, 100, 0}},
        {0.1, true, {99, 100, 100}},
        {1, true, {0, 100, 200}},
        {5, true, {0, 100, 200}},
        {0.005, false, {7, 7, 7}},
    };
    for (const Case& c : cases) {
        uint8_t out[3] = {7, 7, 7};
        EXPECT_EQ(GradientColour(c.molarity, 0.01, 1, a, b, out), c.changed);
        ExpectColour(out, c.colour[0], c.colour[1], c.colour[2]);
    }
}

TEST_F(Meters, IndicatorColours) {
    IndicatorRecord byPh{};
    byPh.id = 10100;
    byPh.mode = kIndicatorByPh;
    byPh.low = 4, byPh.high = 8;
    byPh.lowColour[0] = 255;
    byPh.highColour[2] = 255;
    IndicatorRecord byChemical{};
    byChemical.id = 10101;
    byChemical.mode = kIndicatorByConcentration;
    byChemical.cas = kA;
    byChemical.phase = kPhaseDissolved;
    byChemical.low = 0.01, byChemical.high = 1;
    byChemical.highColour[1] = 255;
    byChemical.fixedColourMark = -1;
    memset(byChemical.fixedColour, 40, 3);
    IndicatorRecord records[2] = {byPh, byChemical};
    EngineLab lab;
    lab.indicators = records;
    lab.indicatorCount = 2;

    struct Case {
        const char* name;
        int32_t id;
        float amount;
        double ph, gramsA;
        uint8_t colour[3];
    } cases[] = {
        {"acid side", 10100, 1, 3, 0, {255, 0, 0}},
        {"base side", 10100, 1, 9, 0, {0, 0, 255}},
        {"between", 10100, 1, 6, 0, {127, 0, 127}},
        {"no indicator added", 10100, 0, 3, 0, {9, 9, 9}},
        {"other indicator", 10200, 1, 3, 0, {9, 9, 9}},
        {"fixed colour below the range", 10101, 1, 7, 0.5, {40, 40, 40}},
        {"at the top of the range", 10101, 1, 7, 100, {0, 255, 0}},
    };
    for (const Case& c : cases) {
        Bench fresh;
        LabObject& v = fresh[1];
        FillWithWater(v);
        Put(v, 1, kA, kPhaseDissolved, c.gramsA);
        memset(v.liquidColour, 9, 3);
        v.indicatorId = c.id;
        v.indicatorAmount = c.amount;
        v.ph = c.ph;
        SCOPED_TRACE(c.name);
        UpdateIndicatorColour(lab, v, 1000);
        ExpectColour(v.liquidColour, c.colour[0], c.colour[1], c.colour[2]);
    }
}

TEST_F(Meters, PrecipitateSettlesATenthAtATime) {
    struct Case {
        double precipitate, water, settled;
        int32_t particles;
    } cases[] = {
        {0.05, 1000, 0.01, 1},
        {1, 1000, 0.1, 20},
        {1, 0.4, 1, 0},  // no liquid to hold it: all settles at once
    };
    for (const Case& c : cases) {
        Bench fresh;
        LabObject& v = fresh[1];
        FillWithWater(v, c.water);
        Put(v, 1, kC, kPhasePrecipitate, c.precipitate);
        const uint8_t colour[3] = {60, 100, 20};
        UpdatePrecipitate(v, colour);
        EXPECT_NEAR(MassOfComponent(v, kC, kPhaseSolid), c.settled, 1e-12) << c.precipitate;
        EXPECT_NEAR(MassOfComponent(v, kC, kPhasePrecipitate), c.precipitate - c.settled, 1e-12);
        EXPECT_EQ(v.suspendedParticles, c.particles);
        ExpectColour(v.suspendedColour, 60, 100, 20);
    }
}

TEST_F(Meters, AppearanceFollowsTheContents) {
    FillWithWater(o);
    Put(o, 1, kC, kPhaseSolid, 2);
    Put(o, 2, kC, kPhasePrecipitate, 1);
    Put(o, 3, kGas, kPhaseGas, 0.1);
    ReactionParticipant rule{};
    rule.cas = kC;
    rule.phase = kPhasePrecipitate;  // weighed with the settled solid too
    rule.flags = kPartColourRule;
    rule.low = 0.015;
    rule.colourA[0] = 250;
    EngineLab lab;
    UpdateObjectAppearance(lab, o, &rule, 0.05);
    EXPECT_EQ(o.afterBoilCounter, 20);
    ExpectColour(o.solidColour, 90, 150, 30);
    EXPECT_EQ(o.solidFillKind, 2);
    EXPECT_EQ(o.solidPatternId, 286);
    ExpectColour(o.suspendedColour, 60, 100, 20);
    ExpectColour(o.liquidColour, 250, 0, 0);  // 3 g of C in a litre is 0.015 mol/l
    EXPECT_DOUBLE_EQ(o.liquidVolume, 10000);
    // 3 g at 2 g/ml measured first; then 0.1 g settles onto the solid slot.
    EXPECT_DOUBLE_EQ(o.solidVolume, 1.5 + 0.05);
}

class FlameTest : public Meters {
protected:
    void SetUp() override {
        Meters::SetUp();
        burner.type = kBunsenBurner;
        burner.position = RectI32{100, 300, 150, 400};
        memset(burner.liquidColour, 77, 3);
        wire.type = kMetalWire;
        wire.position = RectI32{120, 250, 122, 305};
        bench[3].type = kTestTube;
    }
    LabObject& burner = bench[1];
    LabObject& wire = bench[2];
};

TEST_F(FlameTest, ADriedSolutionBurnsOffInSteps) {
    Put(wire, 0, kCasWater, kPhaseLiquid, 0.3);
    Put(wire, 1, kSalt, kPhaseDissolved, 0.2);
    UpdateFlameColour(bench.base(), 3);
    EXPECT_EQ(wire.slots[0].grams, 0);
    EXPECT_EQ(wire.slots[1].phase, uint32_t(kPhaseSolid));
    EXPECT_NEAR(wire.slots[1].grams, 0.15, 1e-12);
    ExpectColour(burner.liquidColour, 255, 200, 0);
    EXPECT_EQ(burner.reading2, 5);
    EXPECT_NEAR(wire.solidVolume, 0.15 / double(2.16f), 1e-9);
}

// The engine runs the flame pass once per object index: a dried solution
// of a salt listed as "solution" (state 8) must burn on every pass, not
// read 0 g on the second and wipe the wire.
TEST_F(FlameTest, ASaltListedAsSolutionKeepsBurningThroughTheEngine) {
    Put(wire, 0, kCasWater, kPhaseLiquid, 0.3);
    Put(wire, 1, kSalt, kPhaseDissolved, 0.2);
    EngineLab lab;
    lab.labStyle = kStyleFlameTest;
    LabSimulationProc(lab, 3, bench.base());
    // Three objects, three passes, 0.05 g each.
    EXPECT_EQ(wire.slots[1].cas, kSalt);
    EXPECT_NEAR(wire.slots[1].grams, 0.2 - 3 * 0.05, 1e-12);
    ExpectColour(burner.liquidColour, 255, 200, 0);
    EXPECT_NEAR(wire.solidVolume, (0.2 - 3 * 0.05) / double(2.16f), 1e-9);
}

TEST_F(FlameTest, BurnOffStepTable) {
    struct Case {
        double grams, step;
    } cases[] = {{0.00005, 0.00001}, {0.0001, 0.00005}, {0.0007, 0.0001}, {0.004, 0.0005},
                 {0.009, 0.001},     {0.02, 0.005},     {0.2, 0.05},      {0.5, 0.1}, {30, 0.1}};
    for (const Case& c : cases) EXPECT_EQ(BurnOffStep(c.grams), c.step) << c.grams;
}

TEST_F(FlameTest, AWireOutsideTheFlameIsLeftAloneAndAnEmptyOneIsWiped) {
    Put(wire, 1, kSalt, kPhaseDissolved, 0.2);
    wire.position.left = 130;  // the right edge of the zone is outside
    UpdateFlameColour(bench.base(), 3);
    EXPECT_EQ(wire.slots[1].grams, 0.2);
    ExpectColour(burner.liquidColour, 0, 0, 0);
    EXPECT_EQ(burner.reading2, 0);

    wire.position.left = 115;
    Put(wire, 1, kC, kPhaseSolid, 0.2);  // no flame colour
    wire.solidVolume = 3;
    UpdateFlameColour(bench.base(), 3);
    EXPECT_EQ(wire.slots[1].cas, 0u);
    EXPECT_EQ(wire.slots[1].grams, 0);
    EXPECT_EQ(wire.solidVolume, 0);
}

}  // namespace
