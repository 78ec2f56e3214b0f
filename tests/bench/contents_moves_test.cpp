#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "bench/model/contents.h"
#include "tests/support/chemicals_fixture.h"

using namespace test_chemicals;

namespace {

// Fills slots 1..19 with distinct substances, so only more of those (and
// liquid water, in slot 0) can still go in.
void FillEverySlot(LabObject& o) {
    for (CasNumber cas = 1001; cas <= 1019; ++cas) ASSERT_EQ(AddComponent(o, cas, kPhaseSolid, 1, 293), 1);
}

double BothMasses(const LabObject& a, const LabObject& b) { return TotalComponentMass(a) + TotalComponentMass(b); }

}  // namespace

TEST(MoveAllComponents, KeepsWhatTheDestinationHasNoSlotFor) {
    ScopedChemicals table;
    LabObject source{}, destination{};
    AddComponent(source, kWater, kPhaseLiquid, 40, 300);
    AddComponent(source, kEthanol, kPhaseLiquid, 5, 300);
    AddComponent(source, 1004, kPhaseSolid, 2, 300);
    FillEverySlot(destination);

    MoveAllComponents(destination, source);
    EXPECT_DOUBLE_EQ(destination.slots[0].grams, 40);
    EXPECT_DOUBLE_EQ(MassOfComponent(destination, 1004, kPhaseSolid), 3);
    EXPECT_EQ(MassOfComponent(destination, kEthanol, kPhaseLiquid), 0);
    EXPECT_DOUBLE_EQ(MassOfComponent(source, kEthanol, kPhaseLiquid), 5);
    EXPECT_DOUBLE_EQ(TotalComponentMass(source), 5);
    EXPECT_DOUBLE_EQ(BothMasses(source, destination), 19 + 47);
}

TEST(MoveAllComponents, IntoItselfLosesNothing) {
    ScopedChemicals table;
    LabObject o{};
    AddComponent(o, kWater, kPhaseLiquid, 40, 300);
    AddComponent(o, kEthanol, kPhaseLiquid, 5, 300);
    MoveAllComponents(o, o);
    EXPECT_DOUBLE_EQ(TotalComponentMass(o), 45);
}

TEST(TransferSolids, SharesTheAmountOverSolidAndPrecipitate) {
    ScopedChemicals table;
    struct Case {
        const char* name;
        double grams;
        bool asSuspended;
        double movedSolid;
        double movedPrecipitate;
        uint32_t solidArrivesAs;
        uint32_t precipitateArrivesAs;
    };
    const Case cases[] = {
        {"part of the solids", 5, false, 2, 3, kPhaseSolid, kPhasePrecipitate},
        {"more than there is moves it all", 20, false, 4, 6, kPhaseSolid, kPhasePrecipitate},
        {"as suspended solid", 5, true, 2, 3, kPhaseSuspended, kPhaseSuspended},
        {"nothing asked, nothing moved", 0, false, 0, 0, kPhaseSolid, kPhasePrecipitate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject source{}, destination{};
        AddComponent(source, kSodiumChloride, kPhaseSolid, 4, 300);
        AddComponent(source, kMysterySolid, kPhasePrecipitate, 6, 310);
        AddComponent(source, kWater, kPhaseLiquid, 50, 300);
        TransferSolids(destination, source, c.grams, c.asSuspended);
        EXPECT_DOUBLE_EQ(MassOfComponent(destination, kSodiumChloride, c.solidArrivesAs), c.movedSolid);
        EXPECT_DOUBLE_EQ(MassOfComponent(destination, kMysterySolid, c.precipitateArrivesAs), c.movedPrecipitate);
        EXPECT_DOUBLE_EQ(MassOfComponent(source, kSodiumChloride, kPhaseSolid), 4 - c.movedSolid);
        EXPECT_DOUBLE_EQ(MassOfComponent(source, kMysterySolid, kPhasePrecipitate), 6 - c.movedPrecipitate);
        EXPECT_DOUBLE_EQ(source.slots[0].grams, 50);
        EXPECT_DOUBLE_EQ(BothMasses(source, destination), 60);
    }
}

TEST(TransferSolids, KeepsWhatTheDestinationHasNoSlotFor) {
    ScopedChemicals table;
    LabObject source{}, destination{};
    AddComponent(source, kSodiumChloride, kPhaseSolid, 4, 300);
    AddComponent(source, 1002, kPhaseSolid, 4, 300);
    FillEverySlot(destination);
    TransferSolids(destination, source, 8, false);
    EXPECT_DOUBLE_EQ(MassOfComponent(source, kSodiumChloride, kPhaseSolid), 4);
    EXPECT_EQ(MassOfComponent(source, 1002, kPhaseSolid), 0);
    EXPECT_DOUBLE_EQ(MassOfComponent(destination, 1002, kPhaseSolid), 5);
    EXPECT_DOUBLE_EQ(BothMasses(source, destination), 19 + 8);
}

TEST(FilterSuspendedSolids, CatchesOnlySuspendedSolidAsSolid) {
    ScopedChemicals table;
    LabObject flask{}, filter{};
    AddComponent(flask, kWater, kPhaseLiquid, 50, 300);
    AddComponent(flask, kSodiumChloride, kPhaseSuspended, 3, 305);
    AddComponent(flask, kMysterySolid, kPhaseSuspended, 1, 305);
    FilterSuspendedSolids(filter, flask, 2);
    EXPECT_DOUBLE_EQ(MassOfComponent(filter, kSodiumChloride, kPhaseSolid), 1.5);
    EXPECT_DOUBLE_EQ(MassOfComponent(filter, kMysterySolid, kPhaseSolid), 0.5);
    EXPECT_DOUBLE_EQ(ComponentTemperature(filter, kSodiumChloride, kPhaseSolid), 305);
    // Asking for more than is suspended takes it all, and no more.
    FilterSuspendedSolids(filter, flask, 100);
    EXPECT_EQ(MassByPhase(flask, kPhaseSuspended), 0);
    EXPECT_DOUBLE_EQ(MassByPhase(filter, kPhaseSolid), 4);
    EXPECT_DOUBLE_EQ(BothMasses(flask, filter), 54);
}

TEST(PourLiquid, MovesAShareOfTheTopLayerAndReportsTheVolume) {
    ScopedChemicals table;
    LabObject source{}, destination{};
    AddComponent(source, kWater, kPhaseLiquid, 100, 330);
    AddComponent(source, kSodiumChloride, kPhaseDissolved, 10, 330);
    AddComponent(source, kSodiumChloride, kPhaseSolid, 5, 330);  // solids stay behind
    double ml = 25;
    PourLiquid(destination, source, &ml);
    EXPECT_DOUBLE_EQ(ml, 25);
    EXPECT_DOUBLE_EQ(destination.slots[0].grams, 25);
    EXPECT_DOUBLE_EQ(destination.slots[0].kelvin, 330);
    EXPECT_DOUBLE_EQ(MassOfComponent(destination, kSodiumChloride, kPhaseDissolved), 2.5);
    EXPECT_EQ(MassOfComponent(destination, kSodiumChloride, kPhaseSolid), 0);
    EXPECT_DOUBLE_EQ(source.slots[0].grams, 75);

    ml = 500;  // capped at what is there
    PourLiquid(destination, source, &ml);
    EXPECT_DOUBLE_EQ(ml, 75);
    EXPECT_EQ(MassByPhase(source, kPhaseLiquid | kPhaseDissolved), 0);
    EXPECT_DOUBLE_EQ(BothMasses(source, destination), 115);
    EXPECT_EQ(source.liquidVolume, 0);  // the callers keep the volume fields
    EXPECT_EQ(destination.liquidVolume, 0);
}

TEST(PourLiquid, PoursTheSecondLayerOnlyWhenTheFirstIsGone) {
    ScopedChemicals table;
    LabObject funnel{}, beaker{};
    AddComponent(funnel, kEthanol, kPhaseLiquid, 7.89, 293);
    funnel.slots[1].layer = 1;
    AddComponent(funnel, kWater, kPhaseLiquid, 20, 293);
    double ml = 100;
    PourLiquid(beaker, funnel, &ml);
    EXPECT_DOUBLE_EQ(ml, 20);
    EXPECT_EQ(MassOfComponent(beaker, kEthanol, kPhaseLiquid), 0);
    ml = 100;
    PourLiquid(beaker, funnel, &ml);
    EXPECT_NEAR(ml, 10, 1e-6);
    EXPECT_DOUBLE_EQ(MassOfComponent(beaker, kEthanol, kPhaseLiquid), 7.89);
}

TEST(PourLiquid, ReportsOnlyWhatTheDestinationTook) {
    ScopedChemicals table;
    LabObject buret{}, flask{};
    buret.type = kBuret;
    flask.collectTitration = 1;
    AddComponent(buret, kWater, kPhaseLiquid, 10, 293);
    AddComponent(buret, kEthanol, kPhaseLiquid, 7.89, 293);  // 10 ml
    FillEverySlot(flask);
    double ml = 10;
    PourLiquid(flask, buret, &ml);
    EXPECT_NEAR(ml, 5, 1e-6);  // the water half went, the ethanol found no slot
    EXPECT_NEAR(flask.titrantDelivered, 5, 1e-6);
    EXPECT_DOUBLE_EQ(MassOfComponent(buret, kEthanol, kPhaseLiquid), 7.89);
    EXPECT_DOUBLE_EQ(BothMasses(buret, flask), 19 + 17.89);
}

TEST(PourLiquid, NothingToPourGivesZero) {
    ScopedChemicals table;
    LabObject source{}, destination{};
    double ml = 10;
    PourLiquid(destination, source, &ml);
    EXPECT_EQ(ml, 0);
    AddComponent(source, kSodiumChloride, kPhaseSolid, 3, 293);
    ml = 10;
    PourLiquid(destination, source, &ml);
    EXPECT_EQ(ml, 0);
    AddComponent(source, kWater, kPhaseLiquid, 10, 293);
    ml = -4;
    PourLiquid(destination, source, &ml);
    EXPECT_EQ(ml, 0);
    ml = 4;
    PourLiquid(source, source, &ml);
    EXPECT_EQ(ml, 0);
    EXPECT_DOUBLE_EQ(TotalComponentMass(source), 13);
    PourLiquid(destination, source, nullptr);
}

TEST(ReleaseHeldLiquid, HeldSubstancesJoinTheLiquidTheyMatch) {
    ScopedChemicals table;
    LabObject flask{};
    AddComponent(flask, kWater, kPhaseLiquid, 30, 300);
    AddComponent(flask, kEthanol, kPhaseLiquid, 2, 300);
    AddComponent(flask, kWater, kPhaseHeldApart, 10, 340);
    AddComponent(flask, kEthanol, kPhaseHeldApart, 1, 320);
    AddComponent(flask, kSodiumChloride, kPhaseHeldApart | kPhaseDissolved, 1, 320);
    flask.liquidVolume = 300;
    flask.reading2 = 115;

    ReleaseHeldLiquid(flask);
    EXPECT_DOUBLE_EQ(flask.slots[0].grams, 40);
    EXPECT_DOUBLE_EQ(flask.slots[0].kelvin, 310);
    EXPECT_EQ(MassByPhase(flask, kPhaseHeldApart), 0);
    int waterSlots = 0, ethanolSlots = 0;
    for (int i = 1; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = flask.slots[i];
        if (s.grams <= 0) continue;
        waterSlots += s.cas == kWater;
        ethanolSlots += s.cas == kEthanol;
    }
    EXPECT_EQ(waterSlots, 0);
    EXPECT_EQ(ethanolSlots, 1);
    EXPECT_DOUBLE_EQ(MassOfComponent(flask, kEthanol, kPhaseLiquid), 3);
    EXPECT_DOUBLE_EQ(MassOfComponent(flask, kSodiumChloride, kPhaseLiquid), 1);
    EXPECT_DOUBLE_EQ(TotalComponentMass(flask), 44);
    EXPECT_DOUBLE_EQ(flask.liquidVolume, 415);
    EXPECT_EQ(flask.reading2, 0);
}

TEST(ReleaseHeldLiquid, NothingHeldChangesNothing) {
    ScopedChemicals table;
    LabObject flask{};
    AddComponent(flask, kWater, kPhaseLiquid, 30, 300);
    flask.liquidVolume = 300;
    flask.reading2 = 55;  // on a balance this is the net weight, not a volume
    ReleaseHeldLiquid(flask);
    EXPECT_EQ(flask.liquidVolume, 300);
    EXPECT_EQ(flask.reading2, 55);
}

// Random benches, the same on every run and every build: whatever the moves
// meet, the two objects together keep their mass and their slots stay sound.
namespace {

class Dice {
public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    // Straight from the engine's words: distributions differ between libraries.
    double Between(double low, double high) { return low + (high - low) * (engine_() / 4294967296.0); }
    uint32_t Below(uint32_t n) { return engine_() % n; }
    bool Chance(uint32_t percent) { return Below(100) < percent; }

private:
    std::mt19937 engine_;
};

const CasNumber kPool[] = {kWater, kSodiumChloride, kEthanol, kMysterySolid, 12345, 1001, 1002, 1003};
const uint32_t kPhases[] = {kPhaseLiquid, kPhaseLiquid, kPhaseSolid, kPhaseDissolved, kPhaseSuspended,
                            kPhaseSecondLiquid, kPhasePrecipitate, kPhaseSolid | kPhasePrecipitate,
                            kPhaseHeldApart, kPhaseGas};

LabObject RandomObject(Dice& dice) {
    LabObject o{};
    o.type = dice.Chance(20) ? kBuret : kBeaker;
    o.collectTitration = dice.Chance(30);
    if (dice.Chance(25)) {
        for (CasNumber cas = 2001; cas <= 2019; ++cas) AddComponent(o, cas, kPhaseSolid, dice.Between(0.1, 5), 293);
    }
    const uint32_t count = dice.Below(12);
    for (uint32_t i = 0; i < count; ++i) {
        const CasNumber cas = kPool[dice.Below(std::size(kPool))];
        const uint32_t phase = kPhases[dice.Below(std::size(kPhases))];
        AddComponent(o, cas, phase, dice.Between(0.01, 80), dice.Between(250, 400));
    }
    for (ComponentSlot& s : o.slots)
        if (s.grams > 0 && dice.Chance(30)) s.layer = 1;
    return o;
}

void ExpectSoundSlots(const LabObject& o) {
    for (int i = 0; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = o.slots[i];
        ASSERT_TRUE(std::isfinite(s.grams) && s.grams >= 0) << "slot " << i;
        ASSERT_TRUE(std::isfinite(s.kelvin) && s.kelvin >= 0 && s.kelvin <= kMaxKelvin) << "slot " << i;
        if (i > 0) {
            EXPECT_FALSE(s.grams > 0 && s.cas == kWater && s.phase == kPhaseLiquid) << "liquid water in slot " << i;
        }
        for (int j = i + 1; j < kComponentSlotCount && i > 0; ++j) {
            const ComponentSlot& t = o.slots[j];
            EXPECT_FALSE(s.grams > 0 && t.grams > 0 && s.cas == t.cas && (s.phase & t.phase))
                << "CAS " << s.cas << " in slots " << i << " and " << j;
        }
    }
}

}  // namespace

TEST(ContentsMoves, ConserveTheMassOfBothObjects) {
    ScopedChemicals table;
    Dice dice(20261210);
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(round);
        LabObject a = RandomObject(dice);
        LabObject b = RandomObject(dice);
        const double before = BothMasses(a, b);
        const uint32_t move = dice.Below(7);
        switch (move) {
            case 0:
                MoveAllComponents(a, b);
                break;
            case 1:
                FilterSuspendedSolids(a, b, dice.Between(0, 60));
                break;
            case 2:
                TransferSolids(a, b, dice.Between(0, 60), dice.Chance(50));
                break;
            case 3: {
                const double wanted = dice.Between(0, 150);
                double ml = wanted;
                PourLiquid(a, b, &ml);
                EXPECT_GE(ml, 0);
                EXPECT_LE(ml, wanted);
                break;
            }
            case 4:
                ReleaseHeldLiquid(a);
                break;
            case 5: {
                // Mostly a substance that is there, under a mask wider than its phase.
                const ComponentSlot& s = a.slots[dice.Below(kComponentSlotCount)];
                const CasNumber cas = dice.Chance(80) ? s.cas : kPool[dice.Below(std::size(kPool))];
                const uint32_t from = s.phase | kPhases[dice.Below(std::size(kPhases))];
                ChangePhase(a, cas, from, kPhases[dice.Below(std::size(kPhases))], dice.Between(0, 60),
                            dice.Between(250, 400));
                break;
            }
            case 6:
                IceWaterEquilibrium(a);
                break;
        }
        EXPECT_NEAR(BothMasses(a, b), before, 1e-9 * (1 + before)) << "move " << move;
        ExpectSoundSlots(a);
        ExpectSoundSlots(b);
        if (::testing::Test::HasFailure()) break;
    }
}
