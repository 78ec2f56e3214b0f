// The shipped labs' hooks: heat exchange in the calorimeter, the look of mixed
// crystals, and silver chloride precipitating and settling.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "common/lab_object.h"
#include "modules/dunmere/dunmere_lab.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/tessaly/tessaly_lab.h"

namespace {

constexpr CasNumber kCopper = 7440508;
constexpr CasNumber kIron = 7439896;
constexpr CasNumber kPotassiumNitrate = 7757791;
constexpr CasNumber kDichromate = 7778509;
constexpr CasNumber kSilverNitrate = 7761888;
constexpr CasNumber kSilverChloride = 7783906;
constexpr CasNumber kUnknownChloride = 7647145;
constexpr CasNumber kByProduct = 7631994;

struct Bench {
    LabObject objects[kLabObjectArrayLength] = {};
    LabObject& operator[](int i) { return objects[i]; }
};

void Put(LabObject& o, int slot, CasNumber cas, uint32_t phase, double grams, double kelvin) {
    o.slots[slot].cas = cas;
    o.slots[slot].phase = phase;
    o.slots[slot].grams = grams;
    o.slots[slot].kelvin = kelvin;
}

double Grams(const LabObject& o, CasNumber cas, uint32_t phase) {
    double grams = 0.0;
    for (const ComponentSlot& s : o.slots)
        if (s.cas == cas && s.phase == phase) grams += s.grams;
    return grams;
}

// ---- specific heat ----

LabObject Calorimeter(double waterGrams, double waterKelvin) {
    LabObject c{};
    c.type = kCalorimeter;
    c.kindFlags = kKindContainer;
    c.liquidVolume = waterGrams * 10.0;
    c.temperature = static_cast<float>(waterKelvin);
    Put(c, 0, kCasWater, kPhaseLiquid, waterGrams, waterKelvin);
    return c;
}

TEST(SpecificHeatLab, CalorimeterSettlesWhereTheHeatBalances) {
    Bench bench;
    bench[1] = Calorimeter(100.0, 293.0);
    Put(bench[1], 1, kCopper, kPhaseSolid, 50.0, 373.0);
    TessalySimulationProc(1, bench.objects);
    // r = 50 x 0.093 / 100 = 0.0465; (0.0465 x 373 + 293) / 1.0465
    EXPECT_NEAR(bench[1].temperature, 296.555, 0.001);
    // The student's own calculation from these readings gives copper back.
    const double final = bench[1].temperature;
    const double specificHeat = 100.0 * 1.0 * (final - 293.0) / (50.0 * (373.0 - final));
    EXPECT_NEAR(specificHeat, 0.093, 0.0005);

    // The metal in slot 2 with slot 1 empty mixes the same.
    Bench moved;
    moved[1] = Calorimeter(100.0, 293.0);
    Put(moved[1], 2, kCopper, kPhaseSolid, 50.0, 373.0);
    TessalySimulationProc(1, moved.objects);
    EXPECT_NEAR(moved[1].temperature, 296.555, 0.001);

    // Two metals at two temperatures: each counts by grams x specific heat.
    Bench two;
    two[1] = Calorimeter(100.0, 293.0);
    Put(two[1], 1, kCopper, kPhaseSolid, 50.0, 373.0);
    Put(two[1], 2, kIron, kPhaseSolid, 20.0, 353.0);
    TessalySimulationProc(1, two.objects);
    const double heat = 50 * 0.093 * 373 + 20 * 0.115 * 353 + 100 * 293;
    const double capacity = 50 * 0.093 + 20 * 0.115 + 100;
    EXPECT_NEAR(two[1].temperature, heat / capacity, 0.001);
}

TEST(SpecificHeatLab, CalorimeterWithoutWaterIsLeftAlone) {
    Bench bench;
    bench[1] = Calorimeter(0.0, 293.0);
    bench[1].solidVolume = 5.0;
    Put(bench[1], 1, kCopper, kPhaseSolid, 50.0, 373.0);
    const LabObject before = bench[1];
    TessalySimulationProc(1, bench.objects);
    EXPECT_EQ(memcmp(&before, &bench[1], sizeof before), 0);
}

TEST(SpecificHeatLab, ShotWarmsInItsBathHalfAKelvinACall) {
    Bench bench;
    LabObject& bath = bench[1];
    bath.type = kBeaker;
    bath.liquidVolume = 2000.0;
    bath.temperature = 373.0f;
    LabObject& tube = bench[2];
    tube.type = kTestTube;
    tube.host = 1;
    tube.temperature = 293.0f;
    tube.solidVolume = 3.0;
    Put(tube, 1, kCopper, kPhaseSolid, 25.0, 293.0);
    int calls = 0;
    while (bench[1].temperature - bench[2].temperature > 0.5f && calls < 1000) {
        const float was = bench[2].temperature;
        TessalySimulationProc(2, bench.objects);
        ASSERT_FLOAT_EQ(bench[2].temperature, was + 0.5f);
        ++calls;
    }
    EXPECT_LE(bench[1].temperature - bench[2].temperature, 0.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(bench[2].slots[1].kelvin), bench[2].temperature);
    // Within half a kelvin nothing more happens, and a colder bath cools nothing.
    const LabObject settled = bench[2];
    TessalySimulationProc(2, bench.objects);
    EXPECT_EQ(memcmp(&settled, &bench[2], sizeof settled), 0);
    bench[1].temperature = 280.0f;
    TessalySimulationProc(2, bench.objects);
    EXPECT_FLOAT_EQ(bench[2].temperature, settled.temperature);
}

TEST(SpecificHeatLab, HostIndexOutsideTheBenchIsIgnored) {
    for (int32_t host : {0, 2, 3, -1, 1000}) {
        Bench bench;
        bench[1].type = kBeaker;
        bench[1].liquidVolume = 500.0;
        bench[1].temperature = 373.0f;
        bench[2].type = kTestTube;
        bench[2].temperature = 293.0f;
        bench[2].host = host;  // 2 is the object itself, 3 lies past the count
        Bench before = bench;
        TessalySimulationProc(2, bench.objects);
        EXPECT_EQ(memcmp(before.objects, bench.objects, sizeof bench.objects), 0) << host;
    }
}

// ---- fractional crystallisation ----

TEST(CrystallisationLab, SolidLayerLooksLikeItsHeaviestCrystals) {
    Bench bench;
    LabObject& beaker = bench[1];
    beaker.type = kBeaker;
    Put(beaker, 1, kPotassiumNitrate, kPhaseSolid, 10.0, 293.0);
    Put(beaker, 2, kDichromate, kPhaseSolid, 2.0, 293.0);
    MorvenaSimulationProc(1, bench.objects);
    EXPECT_EQ(beaker.solidColour[0], 255);
    EXPECT_EQ(beaker.solidColour[1], 255);
    EXPECT_EQ(beaker.solidColour[2], 255);
    EXPECT_EQ(beaker.solidFillKind, 3);
    EXPECT_EQ(beaker.solidPatternId, 286);

    beaker.slots[2].grams = 10.5;
    MorvenaSimulationProc(1, bench.objects);
    EXPECT_EQ(beaker.solidColour[0], 255);
    EXPECT_EQ(beaker.solidColour[1], 0);
    EXPECT_EQ(beaker.solidColour[2], 0);
    EXPECT_EQ(beaker.solidPatternId, 285);

    // Equal maxima keep the first.
    beaker.slots[2].grams = 10.0;
    MorvenaSimulationProc(1, bench.objects);
    EXPECT_EQ(beaker.solidPatternId, 286);
}

TEST(CrystallisationLab, DissolvedSaltsKeepTheOldLookAndTheBurnerIsSkipped) {
    Bench bench;
    bench[1].type = kBeaker;
    bench[1].solidColour[0] = 7;
    bench[1].solidPatternId = 99;
    Put(bench[1], 1, kDichromate, kPhaseDissolved, 5.0, 293.0);
    bench[2].type = kBunsenBurner;
    Put(bench[2], 1, kDichromate, kPhaseSolid, 5.0, 293.0);
    bench[3].type = kHotPlate;  // not a container, still updated
    bench[3].variant = 1;
    Put(bench[3], 1, kDichromate, kPhaseSolid, 1.0, 293.0);
    Bench before = bench;
    MorvenaSimulationProc(3, bench.objects);
    EXPECT_EQ(memcmp(&before[1], &bench[1], sizeof(LabObject)), 0);
    EXPECT_EQ(memcmp(&before[2], &bench[2], sizeof(LabObject)), 0);
    EXPECT_EQ(bench[3].solidColour[0], 255);
    EXPECT_EQ(bench[3].solidPatternId, 285);
}

// ---- gravimetric chloride ----

LabObject BeakerOfUnknown() {
    LabObject beaker{};
    beaker.type = kBeaker;
    beaker.kindFlags = kKindContainer;
    beaker.pictureHeight = 100;
    Put(beaker, 0, kCasWater, kPhaseLiquid, 50.0, 293.0);
    Put(beaker, 1, kUnknownChloride, kPhaseDissolved, 0.50, 293.0);
    Put(beaker, 2, kSilverNitrate, kPhaseDissolved, 1.69873, 293.0);
    return beaker;
}

TEST(GravimetricLab, SilverChloridePrecipitatesAtOnce) {
    Bench bench;
    bench[1] = BeakerOfUnknown();
    bench[1].suspendedColour[1] = 17;
    bench[1].pad611[0] = 9;
    DunmereSimulationProc(1, bench.objects);
    const LabObject& b = bench[1];
    const double moles = 0.5 / 58.44;
    const double formed = moles * 143.321;
    EXPECT_NEAR(formed, 1.22622, 1e-5);
    EXPECT_EQ(Grams(b, kUnknownChloride, kPhaseDissolved), 0.0);  // used up exactly
    EXPECT_NEAR(Grams(b, kSilverNitrate, kPhaseDissolved), 0.24533, 1e-5);
    EXPECT_NEAR(Grams(b, kByProduct, kPhaseDissolved), 0.72716, 1e-5);
    // After the first call the sheet reads all of it; a tenth already lies at the bottom.
    EXPECT_NEAR(b.precipitate, 1.22622, 1e-5);
    EXPECT_NEAR(Grams(b, kSilverChloride, kPhaseSolid), 0.12262, 1e-5);
    EXPECT_NEAR(Grams(b, kSilverChloride, kPhasePrecipitate), 1.22622 - 0.12262, 1e-5);
    EXPECT_NEAR(b.solidVolume, 0.122622 / 5.56, 1e-6);
    EXPECT_EQ(b.suspendedParticles, static_cast<int32_t>(formed * 100 * 0.2));
    // The cloud takes silver chloride's own colour, white, whatever was there before.
    for (int c = 0; c < 3; ++c) EXPECT_EQ(b.suspendedColour[c], 255) << c;
    EXPECT_EQ(b.pad611[0], 0);

    // A second portion of silver nitrate changes nothing more.
    Bench again = bench;
    again[1].slots[2].grams += 1.0;
    DunmereSimulationProc(1, again.objects);
    EXPECT_EQ(Grams(again[1], kByProduct, kPhaseDissolved), Grams(b, kByProduct, kPhaseDissolved));
    const double total = Grams(again[1], kSilverChloride, kPhaseSolid) +
                         Grams(again[1], kSilverChloride, kPhasePrecipitate);
    EXPECT_NEAR(total, formed, 1e-12);
}

TEST(GravimetricLab, PrecipitateSettlesATenthACallThenInHundredths) {
    Bench bench;
    bench[1] = BeakerOfUnknown();
    int calls = 0;
    int firstHundredth = 0;
    double previousSolid = 0.0;
    while (calls < 100) {
        DunmereSimulationProc(1, bench.objects);
        ++calls;
        const double solid = Grams(bench[1], kSilverChloride, kPhaseSolid);
        if (firstHundredth == 0 && calls > 1 && std::fabs(solid - previousSolid - 0.01) < 1e-12)
            firstHundredth = calls;
        previousSolid = solid;
        if (Grams(bench[1], kSilverChloride, kPhasePrecipitate) <= 0.0) break;
    }
    EXPECT_EQ(firstHundredth, 25);
    EXPECT_EQ(calls, 34);
    EXPECT_NEAR(Grams(bench[1], kSilverChloride, kPhaseSolid), 1.22622, 1e-5);
    DunmereSimulationProc(1, bench.objects);
    EXPECT_EQ(bench[1].precipitate, 0.0);
    EXPECT_EQ(bench[1].suspendedParticles, 0);
    // The sheet's calculation: grams of silver chloride to percent chloride.
    const double chloride = 1.22622 * 35.453 / 143.321;
    EXPECT_NEAR(100.0 * chloride / 0.50, 60.67, 0.01);
}

TEST(GravimetricLab, LittleLiquidSettlesEverythingAtOnce) {
    Bench bench;
    LabObject& dish = bench[1];
    dish.type = kEvaporationDish;
    dish.pictureHeight = 50;
    dish.suspendedParticles = 40;
    Put(dish, 0, kCasWater, kPhaseLiquid, 0.3, 330.0);
    Put(dish, 1, kSilverChloride, kPhasePrecipitate, 0.8, 330.0);
    DunmereSimulationProc(1, bench.objects);
    EXPECT_EQ(Grams(dish, kSilverChloride, kPhasePrecipitate), 0.0);
    EXPECT_DOUBLE_EQ(Grams(dish, kSilverChloride, kPhaseSolid), 0.8);
    EXPECT_EQ(dish.precipitate, 0.0);
    EXPECT_EQ(dish.suspendedParticles, 0);
}

TEST(GravimetricLab, ParticleCountStaysInRange) {
    Bench bench;
    bench[1].type = kBeaker;
    bench[1].pictureHeight = 2000000000;
    Put(bench[1], 0, kCasWater, kPhaseLiquid, 50.0, 293.0);
    Put(bench[1], 1, kSilverChloride, kPhasePrecipitate, 1.0e6, 293.0);
    DunmereSimulationProc(1, bench.objects);
    EXPECT_EQ(bench[1].suspendedParticles, 2147483647);
    EXPECT_TRUE(std::isfinite(bench[1].solidVolume));
}

TEST(ShippedLabHooks, DamagedMassesAreNotSpread) {
    const double damaged[] = {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e308};
    for (double grams : damaged) {
        Bench bench;
        bench[1] = BeakerOfUnknown();
        bench[1].slots[1].grams = grams;
        Put(bench[1], 3, kSilverChloride, kPhasePrecipitate, grams, 293.0);
        Put(bench[1], 4, kSilverChloride, kPhasePrecipitate, grams, 293.0);
        bench[2] = Calorimeter(100.0, 293.0);
        Put(bench[2], 1, kCopper, kPhaseSolid, grams, 373.0);
        for (auto* hook : {DunmereSimulationProc, TessalySimulationProc, MorvenaSimulationProc})
            hook(2, bench.objects);
        for (int i = 1; i <= 2; ++i) {
            EXPECT_TRUE(std::isfinite(bench[i].temperature)) << grams;
            EXPECT_FALSE(std::isnan(bench[i].precipitate)) << grams;
            EXPECT_TRUE(std::isfinite(bench[i].solidVolume)) << grams;
            EXPECT_GE(bench[i].suspendedParticles, 0);
        }
    }
}

}  // namespace
