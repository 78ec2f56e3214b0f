#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bench/model/contents.h"
#include "tests/support/chemicals_fixture.h"

using namespace test_chemicals;

namespace {

struct Content {
    CasNumber cas;
    uint32_t phase;
    double grams;
    double kelvin;
    int32_t layer;
};

LabObject ObjectHolding(const std::vector<Content>& contents, float kelvin = 293) {
    LabObject o{};
    o.temperature = kelvin;
    for (const Content& c : contents) {
        EXPECT_EQ(AddComponent(o, c.cas, c.phase, c.grams, c.kelvin), 1);
        for (ComponentSlot& s : o.slots)
            if (s.cas == c.cas && s.phase == c.phase) s.layer = c.layer;
    }
    return o;
}

}  // namespace

TEST(ContentsMeasures, ASolutionsVolumeIsItsSolventsVolume) {
    ScopedChemicals table;
    const LabObject o = ObjectHolding({
        {kWater, kPhaseLiquid, 100, 293, 0},
        {kSodiumChloride, kPhaseDissolved, 10, 293, 0},
        {kSodiumChloride, kPhaseSolid, 2.165, 293, 0},
    });
    EXPECT_DOUBLE_EQ(VolumeByPhase(o, kPhaseLiquid | kPhaseDissolved), 100);
    EXPECT_NEAR(TotalVolume(o), 101, 1e-6);
    EXPECT_NEAR(LayerVolume(o, 0), 101, 1e-6);
    EXPECT_DOUBLE_EQ(MassByPhase(o, kPhaseLiquid | kPhaseDissolved), 110);
    EXPECT_NEAR(MolesByPhase(o, kPhaseDissolved), 10 / 58.44, 1e-6);
}

TEST(ContentsMeasures, AnUnknownOrZeroDensityCountsAsOneGramPerMillilitre) {
    ScopedChemicals table;
    const LabObject o = ObjectHolding({
        {kMysterySolid, kPhaseLiquid, 10, 293, 0},
        {12345, kPhaseLiquid, 5, 293, 1},  // not in the table at all
    });
    EXPECT_DOUBLE_EQ(VolumeByPhase(o, kPhaseLiquid), 15);
    EXPECT_DOUBLE_EQ(TotalVolume(o), 15);
    EXPECT_DOUBLE_EQ(LayerVolume(o, 0), 10);
    EXPECT_DOUBLE_EQ(LayerVolumeByPhase(o, kPhaseLiquid, 1), 5);
    EXPECT_DOUBLE_EQ(AverageDensity(o, kPhaseLiquid), 1.0);
    EXPECT_DOUBLE_EQ(LayerDensity(o, kPhaseLiquid, 0), 1.0);
    // No molar mass means no moles, never an infinite amount.
    EXPECT_EQ(MolesByPhase(o, kPhaseLiquid), 0);
    EXPECT_EQ(LayerMolesByPhase(o, kPhaseLiquid, 1), 0);
}

TEST(ContentsMeasures, WithNoTableEverySubstanceFillsAMillilitrePerGram) {
    SetChemicalTable(nullptr, 0);
    const LabObject o = ObjectHolding({{kWater, kPhaseLiquid, 30, 293, 0}, {kEthanol, kPhaseLiquid, 20, 293, 0}});
    EXPECT_DOUBLE_EQ(TotalVolume(o), 50);
    EXPECT_DOUBLE_EQ(AverageDensity(o, kPhaseLiquid), 1.0);
    EXPECT_EQ(MolesByPhase(o, kPhaseLiquid), 0);
}

TEST(ContentsMeasures, IceIsLighterThanWater) {
    ScopedChemicals table;
    const LabObject o = ObjectHolding({
        {kWater, kPhaseLiquid, 50, 280, 0},
        {kWater, kPhaseSolid, 9.2, 260, 0},
        {kSodiumChloride, kPhaseSolid, 2.165, 293, 0},
    });
    EXPECT_DOUBLE_EQ(IceMass(o), 9.2);
    EXPECT_DOUBLE_EQ(IceVolume(o), 10);
    EXPECT_NEAR(TotalVolume(o), 50 + 10 + 1, 1e-6);
    EXPECT_NEAR(AverageDensity(o, kPhaseSolid), (9.2 + 2.165) / (10 + 1), 1e-6);
    EXPECT_DOUBLE_EQ(AverageDensity(LabObject{}, kPhaseSolid), 1.0);
}

TEST(ContentsMeasures, LayersAreCountedAndSummedApart) {
    ScopedChemicals table;
    const LabObject o = ObjectHolding({
        {kWater, kPhaseLiquid, 50, 293, 0},
        {kEthanol, kPhaseSecondLiquid, 7.89, 293, 1},
        {kSodiumChloride, kPhaseDissolved, 5, 293, 1},
    });
    EXPECT_EQ(LayerCount(o), 2);
    EXPECT_EQ(LayerCount(LabObject{}), 1);
    EXPECT_DOUBLE_EQ(LayerMass(o, 1), 12.89);
    EXPECT_NEAR(LayerVolume(o, 1), 10, 1e-6);
    EXPECT_DOUBLE_EQ(LayerMassByPhase(o, kPhaseDissolved, 1), 5);
    EXPECT_NEAR(LayerMolesByPhase(o, kPhaseDissolved, 1), 5 / 58.44, 1e-6);
    EXPECT_EQ(LayerMassByPhase(o, kPhaseDissolved, 0), 0);
    EXPECT_DOUBLE_EQ(LayerDensity(o, kPhaseLiquid, 0), 1.0);
}

TEST(ContentsMeasures, EmptiedSlotsDoNotCountAsALayer) {
    ScopedChemicals table;
    LabObject o = ObjectHolding({{kWater, kPhaseLiquid, 50, 293, 0}, {kEthanol, kPhaseSecondLiquid, 5, 293, 1}});
    RemoveComponent(o, kEthanol, kPhaseSecondLiquid, 5);
    EXPECT_EQ(LayerCount(o), 1);
    // The emptied slot, reused by a new substance, starts in the first layer.
    AddComponent(o, kSodiumChloride, kPhaseSolid, 1, 293);
    EXPECT_EQ(LayerCount(o), 1);
}

TEST(ContentsTemperatures, ReadAndSetByCasAndPhase) {
    ScopedChemicals table;
    LabObject o = ObjectHolding({
        {kWater, kPhaseLiquid, 50, 300, 0},
        {kSodiumChloride, kPhaseSolid, 2, 310, 0},
    });
    EXPECT_EQ(ComponentTemperature(o, kSodiumChloride, kPhaseSolid | kPhaseDissolved), 310);
    EXPECT_EQ(ComponentTemperature(o, kEthanol, kPhaseLiquid), 293);
    SetComponentTemperature(o, kSodiumChloride, kPhaseSolid | kPhaseDissolved, 350);  // no exact match
    EXPECT_EQ(o.slots[1].kelvin, 310);
    SetComponentTemperature(o, kSodiumChloride, kPhaseSolid, 350);
    EXPECT_EQ(o.slots[1].kelvin, 350);
    SetPhaseTemperature(o, kPhaseLiquid, 360);
    EXPECT_EQ(o.slots[0].kelvin, 360);
    SetAllTemperatures(o, 1000);
    EXPECT_EQ(o.slots[0].kelvin, kMaxKelvin);
    EXPECT_EQ(o.slots[1].kelvin, kMaxKelvin);
    EXPECT_EQ(o.temperature, kMaxKelvin);
}

TEST(ContentsReactionLines, MatchLineAndPhaseOfAnOccupiedSlot) {
    ScopedChemicals table;
    table[1].reactionRefs[3] = {12, kPhaseDissolved, {}};
    LabObject o = ObjectHolding({{kSodiumChloride, kPhaseSolid, 2, 293, 0}});
    EXPECT_EQ(HasReactionLine(o, 12), 0);  // the line is for the dissolved salt
    AddComponent(o, kSodiumChloride, kPhaseDissolved, 1, 293);
    EXPECT_EQ(HasReactionLine(o, 12), 1);
    EXPECT_EQ(HasReactionLine(o, 13), 0);
    RemoveComponent(o, kSodiumChloride, kPhaseDissolved, 1);
    EXPECT_EQ(HasReactionLine(o, 12), 0);
}

TEST(IceWaterEquilibrium, Table) {
    ScopedChemicals table;
    constexpr double kIce = 273.15;
    constexpr double kHeat = 4.184;  // J per g and K
    constexpr double kMelt = 334;    // J per g
    struct Case {
        const char* name;
        std::vector<Content> contents;
        float objectKelvin;
        double result;
        double slot0Kelvin;   // checked when slot 0 holds water
        float objectAfter;
    };
    const Case cases[] = {
        {"no ice: the mass-weighted mean of the mixing phases",
         {{kWater, kPhaseLiquid, 100, 300, 0}, {kEthanol, kPhaseLiquid, 100, 320, 0}, {kSodiumChloride, kPhaseGas, 50, 700, 0}},
         295, 310, 300, 295},
        {"nothing at all: the object's temperature", {}, 295, 295, 0, 295},
        {"only ice: the first ice slot's temperature", {{kWater, kPhaseSolid, 40, 250, 0}}, 295, 250, 0, 295},
        {"a little ice in hot water: it melts, and the water cools by what that takes",
         {{kWater, kPhaseLiquid, 100, 350, 0}, {kWater, kPhaseSolid, 10, 260, 0}},
         330, 350 - 10 * kMelt / (100 * kHeat), 350 - 10 * kMelt / (100 * kHeat),
         static_cast<float>(350 - 10 * kMelt / (100 * kHeat))},
        {"much ice in cool water: everything at the ice point, some ice melted",
         {{kWater, kPhaseLiquid, 50, 280, 0}, {kWater, kPhaseSolid, 100, 260, 0}},
         280, kIce, kIce, static_cast<float>(kIce)},
        {"ice in water below the ice point: nothing melts",
         {{kWater, kPhaseLiquid, 50, 270, 0}, {kWater, kPhaseSolid, 100, 260, 0}},
         270, kIce, 0, static_cast<float>(kIce)},
        {"ice without liquid water beside other contents: no change",
         {{kWater, kPhaseSolid, 10, 260, 0}, {kEthanol, kPhaseLiquid, 10, 300, 0}},
         290, 0, 0, 290},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o = ObjectHolding(c.contents, c.objectKelvin);
        EXPECT_NEAR(IceWaterEquilibrium(o), c.result, 1e-9);
        if (o.slots[0].grams > 0) {
            EXPECT_NEAR(o.slots[0].kelvin, c.slot0Kelvin, 1e-9);
        }
        EXPECT_FLOAT_EQ(o.temperature, c.objectAfter);
    }
}

TEST(IceWaterEquilibrium, IceInWarmWaterMeltsWithItsMassKept) {
    ScopedChemicals table;
    struct Case {
        const char* name;
        double water, waterKelvin, ice;
        double meltedGrams, kelvinAfter;
    };
    // The water's drop d melts d x water x 4.184 / 334 g, at most the ice there.
    const Case cases[] = {
        {"1 g in 50 g at 300 K: all of it melts at once", 50, 300, 1, 1, 300 - 334.0 / (50 * 4.184)},
        {"100 g in 50 g at 280 K: the fall to the ice point melts part of it", 50, 280, 100,
         (280 - 273.15) * 50 * 4.184 / 334, 273.15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o = ObjectHolding({{kWater, kPhaseLiquid, c.water, c.waterKelvin, 0},
                                     {kWater, kPhaseSolid, c.ice, 263, 0}},
                                    static_cast<float>(c.waterKelvin));
        o.liquidVolume = c.water * 10 + c.ice / 0.92 * 10;
        const double before = TotalComponentMass(o);
        const double t = IceWaterEquilibrium(o);
        EXPECT_NEAR(t, c.kelvinAfter, 1e-9);
        EXPECT_NEAR(o.slots[0].kelvin, c.kelvinAfter, 1e-9);
        EXPECT_NEAR(IceMass(o), c.ice - c.meltedGrams, 1e-9);
        EXPECT_NEAR(o.slots[0].grams, c.water + c.meltedGrams, 1e-9);
        EXPECT_NEAR(TotalComponentMass(o), before, 1e-9);
        EXPECT_NEAR(o.liquidVolume, (c.water + c.meltedGrams) * 10 + (c.ice - c.meltedGrams) / 0.92 * 10, 1e-6);
    }
}

TEST(IceWaterEquilibrium, WaterJustWarmEnoughToMeltTheIceChangesNothing) {
    ScopedChemicals table;
    // Find water warm enough that the formula lands exactly on the ice point.
    const double drop = 1.0 * (273.15 - 0.0) * 0.5034631000716503;
    double tw = 273.15 + drop;
    while (tw - drop > 273.15) tw = std::nextafter(tw, 0.0);
    while (tw - drop < 273.15) tw = std::nextafter(tw, 1000.0);
    ASSERT_EQ(tw - drop, 273.15);
    LabObject o = ObjectHolding({{kWater, kPhaseLiquid, 20, tw, 0}, {kWater, kPhaseSolid, 20, 260, 0}}, 281);
    EXPECT_FLOAT_EQ(IceWaterEquilibrium(o), 281);
    EXPECT_EQ(o.slots[0].kelvin, tw);
    EXPECT_FLOAT_EQ(o.temperature, 281);
}
