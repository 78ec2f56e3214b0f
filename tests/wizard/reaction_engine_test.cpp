#include <gtest/gtest.h>

#include <cmath>

#include "lab_fixture.h"
#include "wizard/reaction_engine.h"
#include "wizard/reaction_slots.h"

using namespace fixture;
using namespace parvell;

namespace {

constexpr uint32_t kDissolved = kPhaseDissolved;

class ReactionEngine : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChemicals();
        FillWithWater(o);  // one litre
    }
    bool Equilibrium(const ReactionRecord& r, int* evaluations = nullptr) {
        return RunEquilibrium(r, o, appearance, evaluations);
    }
    bool Limiting(const ReactionRecord& r) { return RunLimitingReagent(r, o, appearance); }
    double Grams(CasNumber cas, uint32_t mask = 0xFFFF) { return MassOfComponent(o, cas, mask); }

    Bench bench;
    LabObject& o = bench[1];
    const ReactionParticipant* appearance = nullptr;
};

ReactionRecord AToB(double K) {
    ReactionRecord r = Reaction(kReactInstantaneous | kReactEquilibrium,
                                {{kA, kDissolved, 1, kPartReactant}, {kB, kDissolved, 1, kPartProduct}});
    r.equilibriumConstant = K;
    return r;
}

ReactionWorkEntry Entry(uint32_t flags, uint32_t phase, double molarity, double grams = 1) {
    ReactionWorkEntry e{};
    e.cas = kA;
    e.phase = phase;
    e.coefficient = 1;
    e.wholeCoefficient = 1;
    e.flags = flags;
    e.molarMass = 1;
    e.initialMolarity = e.trialMolarity = molarity;
    e.initialGrams = e.trialGrams = grams;
    return e;
}

TEST_F(ReactionEngine, QuotientSentinels) {
    struct Case {
        const char* name;
        std::vector<ReactionWorkEntry> entries;
        double quotient;
    } cases[] = {
        {"products over reactants", {Entry(kPartReactant, kDissolved, 0.5), Entry(kPartProduct, kDissolved, 0.25)}, 0.5},
        {"no reactant in solution", {Entry(kPartReactant, kDissolved, 0, 0), Entry(kPartProduct, kDissolved, 0.25)}, -1},
        {"no product yet", {Entry(kPartReactant, kDissolved, 0.5), Entry(kPartProduct, kDissolved, 0, 0)}, 0},
        {"a reactant missing", {Entry(kPartReactant, kDissolved, 0.5), Entry(kPartReactant, kPhaseSolid, 0, 0),
                                Entry(kPartProduct, kDissolved, 0, 0)}, -2},
        {"solids and water add no factor", {Entry(kPartReactant, kPhaseSolid, 3), Entry(kPartProduct, kPhaseSolid, 7)}, 1},
    };
    cases[4].entries[1].cas = kCasWater;
    cases[4].entries[1].phase = kPhaseLiquid;
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ReactionQuotient(c.entries.data(), int(c.entries.size()), true), c.quotient) << c.name;
}

TEST_F(ReactionEngine, AQuotientAtTheConstantRunsNothing) {
    Put(o, 1, kA, kDissolved, 10);  // 0.1 mol/l
    Put(o, 2, kB, kDissolved, 5);   // 0.1 mol/l
    EXPECT_FALSE(Equilibrium(AToB(1 + 5e-11)));
    EXPECT_EQ(Grams(kA), 10);
    EXPECT_EQ(Grams(kB), 5);
}

TEST_F(ReactionEngine, EquilibriumConvergesFromEitherSide) {
    struct Case {
        const char* name;
        double gramsA, gramsB;
    } cases[] = {{"from the reactant", 20, 0}, {"from the product only", 0, 10}, {"from a mixture", 15, 2.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench fresh;
        o = fresh[1];
        FillWithWater(o);
        if (c.gramsA) Put(o, 1, kA, kDissolved, c.gramsA);
        if (c.gramsB) Put(o, 2, kB, kDissolved, c.gramsB);
        EXPECT_TRUE(Equilibrium(AToB(1)));
        EXPECT_NEAR(Grams(kA) / 100, 0.1, 1e-9);  // equal moles
        EXPECT_NEAR(Grams(kB) / 50, 0.1, 1e-9);
    }
}

TEST_F(ReactionEngine, ABisectionThatCannotReachTheConstantStopsWhenItStopsMoving) {
    Put(o, 1, kA, kDissolved, 20);
    int evaluations = 0;
    EXPECT_TRUE(Equilibrium(AToB(1e30), &evaluations));
    EXPECT_LT(evaluations, 100);
    EXPECT_NEAR(Grams(kB), 10, 1e-9);  // all but nothing has gone over
}

TEST_F(ReactionEngine, ConsumingSideIsReadFromTheReactantBitNotTheWholeFlagWord) {
    ReactionRecord r = AToB(1);
    r.participants[0].flags |= kPartColourRule;
    Put(o, 1, kA, kDissolved, 20);
    EXPECT_TRUE(Equilibrium(r));
    EXPECT_NEAR(Grams(kA) / 100, Grams(kB) / 50, 1e-9);
    EXPECT_EQ(appearance, &r.participants[0]);
}

TEST_F(ReactionEngine, AnAbsentConsumerStopsTheReactionEvenAfterAnotherWasFound) {
    ReactionRecord r = Reaction(kReactInstantaneous | kReactEquilibrium,
                                {{kA, kDissolved, 1, kPartReactant},
                                 {kC, kPhaseSolid, 1, kPartReactant},
                                 {kB, kDissolved, 1, kPartProduct}});
    r.equilibriumConstant = 1;
    Put(o, 1, kA, kDissolved, 10);
    Put(o, 2, kB, kDissolved, 0.5);
    EXPECT_FALSE(Equilibrium(r));
    EXPECT_EQ(Grams(kA), 10);
    EXPECT_EQ(Grams(kB), 0.5);
}

TEST_F(ReactionEngine, ConditionsTable) {
    ReactionRecord r{};
    r.minCelsius = 25;
    r.maxCelsius = 80;
    struct Case {
        uint32_t flag;
        float kelvin;
        uint16_t heat;
        int32_t stirring;
        uint32_t objectFlags;
        bool holds;
    } cases[] = {
        {kReactMinTemperature, 298.0f, 0, 0, 0, true},
        {kReactMinTemperature, 297.9f, 0, 0, 0, false},
        {kReactMaxTemperature, 353.0f, 0, 0, 0, true},
        {kReactMaxTemperature, 353.1f, 0, 0, 0, false},
        {kReactNeedsHeat, 293, 0, 0, 0, false},
        {kReactNeedsHeat, 293, 3, 0, 0, true},
        {kReactNeedsStirring, 293, 0, 0, 0, false},
        {kReactNeedsStirring, 293, 0, 1000, 0, true},
        {kReactNeedsLight, 293, 0, 0, kObjDipped, false},
        {kReactNeedsLight, 293, 0, 0, kObjLightOn, true},
        {kReactInstantaneous, 1, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        r.flags = c.flag;
        o.temperature = c.kelvin;
        o.heatApplied = c.heat;
        o.stirringState = c.stirring;
        o.objectFlags = c.objectFlags;
        EXPECT_EQ(ConditionsHold(r, o), c.holds) << std::hex << c.flag << " at " << c.kelvin;
    }
}

TEST_F(ReactionEngine, RateLawCountsNoLiquidAsOneLitre) {
    ReactionRecord r = Reaction(kReactRateLaw, {{kA, kDissolved, 1, kPartReactant}, {kC, kPhaseSolid, 1, kPartProduct}});
    r.rateConstant = 0.1;
    r.orderFirst = 2;
    Bench dry;
    o = dry[1];
    Put(o, 1, kA, kDissolved, 10);  // 0.1 mol, no liquid at all
    EXPECT_TRUE(Limiting(r));
    // r = 0.1 * 0.1^2 mol/l/s over 0.5 s in one litre: 0.0005 mol.
    EXPECT_NEAR(Grams(kA), 10 - 0.05, 1e-12);
    EXPECT_NEAR(Grams(kC), 0.1, 1e-12);
}

TEST_F(ReactionEngine, InstantaneousReactionsSkipTheRateStep) {
    for (uint32_t flags : {uint32_t(kReactInstantaneous), uint32_t(kReactInstantaneous | kReactMinTemperature)}) {
        ReactionRecord r = Reaction(flags, {{kA, kDissolved, 1, kPartReactant}, {kC, kPhaseSolid, 1, kPartProduct}});
        r.rateConstant = flags == kReactInstantaneous ? 5 : 0;
        Bench fresh;
        o = fresh[1];
        o.temperature = 400;
        Put(o, 1, kA, kDissolved, 10);
        EXPECT_TRUE(Limiting(r));
        EXPECT_EQ(Grams(kA), 0);
        EXPECT_NEAR(Grams(kC), 20, 1e-12);
    }
}

TEST_F(ReactionEngine, TheRateNeverOutrunsTheScarcerReactant) {
    ReactionRecord r = Reaction(kReactFixedRate, {{kA, kDissolved, 1, kPartReactant},
                                                  {kB, kDissolved, 1, kPartReactant},
                                                  {kC, kPhaseSolid, 1, kPartProduct}});
    r.rateConstant = 0.1;  // 0.05 mol may react, but only 0.01 mol of B is there
    Put(o, 1, kA, kDissolved, 100);
    Put(o, 2, kB, kDissolved, 0.5);
    EXPECT_TRUE(Limiting(r));
    EXPECT_EQ(Grams(kB), 0);
    EXPECT_NEAR(Grams(kA), 99, 1e-9);
    EXPECT_NEAR(Grams(kC), 2, 1e-9);

    // With plenty of both, the rate decides.
    Put(o, 1, kA, kDissolved, 100);
    Put(o, 2, kB, kDissolved, 50);
    Put(o, 3, kC, kPhaseSolid, 0);
    EXPECT_TRUE(Limiting(r));
    EXPECT_NEAR(Grams(kA), 95, 1e-9);
    EXPECT_NEAR(Grams(kB), 47.5, 1e-9);
    EXPECT_NEAR(Grams(kC), 10, 1e-9);
}

TEST_F(ReactionEngine, AnUnlimitedGasThatLimitsLosesWhatTheObjectHolds) {
    ReactionRecord r = Reaction(kReactInstantaneous, {{kA, kDissolved, 1, kPartReactant},
                                                      {kGas, kPhaseGas, 1000, kPartReactant | kPartFromAtmosphere},
                                                      {kC, kPhaseSolid, 1, kPartProduct}});
    Put(o, 1, kA, kDissolved, 10);
    Put(o, 2, kGas, kPhaseGas, 0.5);
    EXPECT_TRUE(Limiting(r));
    EXPECT_EQ(Grams(kGas), 0);
    double extent = 999.9 / 32 / 1000;
    EXPECT_NEAR(Grams(kA), 10 - 100 * extent, 1e-9);
    EXPECT_NEAR(Grams(kC), 200 * extent, 1e-9);
}

TEST_F(ReactionEngine, AtEquivalenceBothReactantsAreUsedUp) {
    // H+ + OH- -> H2O with the hydroxide's moles equal to the hydrogen's but
    // for rounding, or truly in excess.
    struct Case {
        const char* name;
        double hydroxideShare;  // of the hydrogen ion's moles
        double hydroxideLeft;   // grams
    } cases[] = {
        {"equal but for rounding", 1 + 4e-16, 0},
        {"a millionth in excess", 1 + 1e-6, 0.0025e-6 * double(17.007f)},
    };
    const ReactionRecord r = Reaction(kReactInstantaneous, {{kHydrogen, kPhaseSecondLiquid, 1, kPartReactant},
                                                            {kHydroxide, kPhaseSecondLiquid, 1, kPartReactant},
                                                            {kCasWater, kPhaseLiquid, 1, kPartProduct}});
    for (const Case& c : cases) {
        Bench fresh;
        LabObject& v = fresh[1];
        FillWithWater(v, 50);
        Put(v, 1, kHydrogen, kPhaseSecondLiquid, 0.0025 * double(1.008f));
        Put(v, 2, kHydroxide, kPhaseSecondLiquid, 0.0025 * c.hydroxideShare * double(17.007f));
        EXPECT_TRUE(RunLimitingReagent(r, v, appearance)) << c.name;
        EXPECT_EQ(MassOfComponent(v, kHydrogen, 0xFFFF), 0) << c.name;
        EXPECT_NEAR(MassOfComponent(v, kHydroxide, 0xFFFF), c.hydroxideLeft, 1e-15) << c.name;
        if (c.hydroxideLeft == 0) EXPECT_EQ(MassOfComponent(v, kHydroxide, 0xFFFF), 0) << c.name;
    }
}

TEST_F(ReactionEngine, MissingReactantsMeanNoReaction) {
    ReactionRecord r = Reaction(kReactInstantaneous, {{kA, kDissolved, 1, kPartReactant},
                                                      {kB, kDissolved, 1, kPartReactant},
                                                      {kC, kPhaseSolid, 1, kPartProduct}});
    Put(o, 1, kB, kDissolved, 5);
    EXPECT_FALSE(Limiting(r));
    EXPECT_EQ(Grams(kB), 5);
    EXPECT_EQ(Grams(kC), 0);
}

TEST_F(ReactionEngine, AProductWithNoFreeSlotIsLostButTheReactantsGo) {
    ReactionRecord r = Reaction(kReactInstantaneous, {{kC, kPhaseSolid, 1, kPartProduct}, {kA, kDissolved, 1, kPartReactant}});
    Put(o, 1, kA, kDissolved, 10);
    for (int i = 2; i < kComponentSlotCount; ++i) Put(o, i, 6000 + i, kPhaseSolid, 1);
    EXPECT_TRUE(Limiting(r));
    EXPECT_EQ(Grams(kA), 0);
    EXPECT_EQ(Grams(kC), 0);
}

TEST_F(ReactionEngine, HeatOfReactionWarmsWhenExothermic) {
    struct Case {
        double heat;
        double kelvin;
    } cases[] = {
        // 0.1 mol of reaction in 1000 g after the removal: 50 * 0.1 * 1000 / 4184 K.
        {-50, 293 + 5000.0 / 4184},
        {50, 293 - 5000.0 / 4184},
        {0, 293},
        {-1e12, 773.15},
        {1e12, 0},
    };
    for (const Case& c : cases) {
        ReactionRecord r = Reaction(kReactInstantaneous | kReactHeatOfReaction,
                                    {{kA, kDissolved, 1, kPartReactant}, {kC, kPhaseSolid, 1, kPartProduct}});
        r.heatOfReaction = c.heat;
        Bench fresh;
        o = fresh[1];
        FillWithWater(o);
        Put(o, 1, kA, kDissolved, 10);
        EXPECT_TRUE(Limiting(r));
        EXPECT_NEAR(o.temperature, c.kelvin, 1e-4) << c.heat;
    }
}

TEST_F(ReactionEngine, HeatOfReactionIgnoresWhatCannotBeComputed) {
    struct Case {
        const char* name;
        double grams, molarMass, coefficient, heat;
    } cases[] = {
        {"no mass left", 10, 100, 1, -50},
        {"no molar mass", 10, 0, 1, -50},
        {"no coefficient", 10, 100, 0, -50},
        {"not finite", 10, 100, 1, NAN},
    };
    for (const Case& c : cases) {
        Bench fresh;
        LabObject& empty = fresh[1];
        if (c.grams && std::string(c.name) != "no mass left") FillWithWater(empty);
        ApplyHeatOfReaction(empty, c.heat, c.grams, c.molarMass, c.coefficient);
        EXPECT_EQ(empty.temperature, 293.0f) << c.name;
    }
}

TEST_F(ReactionEngine, TheLiquidColourFollowsTheLastColourRuleThatRan) {
    ReactionRecord reactions[2] = {
        Reaction(kReactInstantaneous, {{kA, kDissolved, 1, kPartReactant}, {kSalt, kDissolved, 1, kPartProduct | kPartColourRule}}),
        Reaction(kReactInstantaneous, {{kB, kDissolved, 1, kPartReactant}, {kC, kDissolved, 1, kPartProduct | kPartColourRule}}),
    };
    reactions[0].participants[1].colourA[0] = 255;
    reactions[1].participants[1].colourA[2] = 255;
    Put(o, 1, kA, kDissolved, 10);
    Put(o, 2, kB, kDissolved, 5);
    EngineLab lab;
    lab.reactions = reactions;
    lab.reactionCount = 2;
    LabSimulationProc(lab, 1, bench.base());
    EXPECT_EQ(o.liquidColour[0], 0);
    EXPECT_EQ(o.liquidColour[2], 255);
    EXPECT_NEAR(o.liquidVolume, 10000, 1e-9);
}

TEST_F(ReactionEngine, AnIndicatorShowsThePhTheMeterReadsInTheSameStep) {
    // A pH indicator, colourless to pH 8.2 and pink from 10, in acid that a
    // dose of base has just made alkaline: one pass turns both.
    IndicatorRecord pink{};
    pink.id = 10100;
    pink.mode = kIndicatorByPh;
    pink.low = 8.2, pink.high = 10;
    pink.lowColour[0] = pink.lowColour[1] = pink.lowColour[2] = 255;
    pink.highColour[0] = 255, pink.highColour[2] = 255;
    EngineLab lab;
    lab.labStyle = kStylePh | kStyleIndicators;
    lab.indicators = &pink;
    lab.indicatorCount = 1;
    o.indicatorId = 10100;
    o.indicatorAmount = 3;
    Put(o, 1, kHydrogen, kPhaseSecondLiquid, 0.01 * double(1.008f));
    LabSimulationProc(lab, 1, bench.base());
    EXPECT_NEAR(o.ph, 2, 1e-6);
    EXPECT_EQ(o.liquidColour[1], 255);
    Put(o, 1, kHydroxide, kPhaseSecondLiquid, 0.01 * double(17.007f));
    LabSimulationProc(lab, 1, bench.base());
    EXPECT_NEAR(o.ph, 12, 1e-6);
    EXPECT_EQ(o.liquidColour[1], 0) << "pink at once";
}

// A limiting-reagent reaction whose conditions hold counts as run even
// when it has nothing to act on: the vessel's look is brought up to date.
TEST_F(ReactionEngine, ALimitingReactionWithNothingToActOnStillRefreshesTheLook) {
    ReactionRecord r = Reaction(kReactInstantaneous, {{kA, kDissolved, 1, kPartReactant}, {kB, kDissolved, 1, kPartProduct}});
    Put(o, 2, kC, kPhaseSolid, 3);  // 1.5 ml of solid, never measured
    o.liquidVolume = 0;
    o.solidVolume = 0;
    EngineLab lab;
    lab.reactions = &r;
    lab.reactionCount = 1;
    LabSimulationProc(lab, 1, bench.base());
    EXPECT_EQ(Grams(kA), 0);
    EXPECT_EQ(Grams(kB), 0);
    EXPECT_NEAR(o.liquidVolume, 10000, 1e-9);
    EXPECT_NEAR(o.solidVolume, 1.5, 1e-12);
    EXPECT_EQ(o.solidColour[0], 90);
    EXPECT_EQ(o.solidColour[1], 150);
    EXPECT_EQ(o.solidColour[2], 30);
}

TEST_F(ReactionEngine, TheBunsenBurnerHoldsNoReactions) {
    ReactionRecord r = Reaction(kReactInstantaneous, {{kA, kDissolved, 1, kPartReactant}, {kC, kPhaseSolid, 1, kPartProduct}});
    o.type = kBunsenBurner;
    Put(o, 1, kA, kDissolved, 10);
    EngineLab lab;
    lab.reactions = &r;
    lab.reactionCount = 1;
    lab.labStyle = kStylePh;
    o.ph = 3;
    LabSimulationProc(lab, 1, bench.base());
    EXPECT_EQ(Grams(kA), 10);
    EXPECT_EQ(o.ph, 3);
}

}  // namespace
