// The Add Reactions page's decisions: its equation and balance lines, the
// participants a reaction holds, moving reactions, the tree's menus and the
// two dialogs' checks and flag words.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "common/component_slot.h"
#include "wizard/reactions/equation_text.h"
#include "wizard/reactions/reaction_chemical.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/reactions/reaction_edits.h"
#include "wizard/reactions/reaction_tree.h"

namespace {

using namespace parvell;

constexpr CasNumber kHydrogenGas = 1333740;
constexpr CasNumber kOxygenGas = 7782447;

ChemicalRecord Chemical(CasNumber cas, const char* formula, float molarMass, const char* name = "") {
    ChemicalRecord r{};
    r.cas = cas;
    strncpy(r.formula, formula, sizeof r.formula - 1);
    strncpy(r.name, name, sizeof r.name - 1);
    r.molarMass = molarMass;
    r.state = kKindGas;
    return r;
}

// Hydrogen and oxygen gas and water, formulas with subscript markers.
std::vector<ChemicalRecord> WaterChemicals() {
    return {Chemical(kHydrogenGas, "H\x7F" "2", 2.016f), Chemical(kOxygenGas, "O\x7F" "2", 31.998f),
            Chemical(kCasWater, "H\x7F" "2O", 18.015f)};
}

ReactionParticipant Participant(CasNumber cas, double coefficient) {
    ReactionParticipant p{};
    p.cas = cas;
    p.coefficient = coefficient;
    return p;
}

// 2 H2 + O2 -> 2 H2O, added in the author's order: a reactant, the product,
// then the second reactant.
ReactionRecord WaterFormation() {
    ReactionRecord r{};
    EXPECT_TRUE(AddParticipant(r, Participant(kHydrogenGas, 2), false));
    EXPECT_TRUE(AddParticipant(r, Participant(kCasWater, 2), true));
    EXPECT_TRUE(AddParticipant(r, Participant(kOxygenGas, 1), false));
    return r;
}

TEST(EquationLines, WaterFromHydrogenAndOxygenBalances) {
    ReactionRecord r = WaterFormation();
    EXPECT_EQ(r.reactantCount, 2);
    EXPECT_EQ(r.productCount, 1);
    EXPECT_EQ(EquationLine(r, WaterChemicals()),
              "2.000 (H\x7F" "2)  + 1.000 (O\x7F" "2) ->2.000 (H\x7F" "2O) ");
    EXPECT_EQ(BalanceLine(r, WaterChemicals()), "(LHS = 36.030, RHS = 36.030)");
}

TEST(EquationLines, StayBoundedWhateverTheRecordsHold) {
    ReactionRecord r{};
    std::vector<ChemicalRecord> chemicals;
    for (int i = 0; i < kParticipantCount; ++i) {
        ChemicalRecord c{};
        c.cas = CasNumber(100 + i);
        memset(c.formula, 'X', sizeof c.formula);  // unterminated: read to the field's end
        c.molarMass = std::numeric_limits<float>::max();
        chemicals.push_back(c);
        ASSERT_TRUE(AddParticipant(r, Participant(c.cas, i % 2 ? 1e300 : -1e300), i % 3 == 0));
    }
    std::string line = EquationLine(r, chemicals);
    EXPECT_LE(line.size(), kEquationLineLength);
    EXPECT_NE(line.find(std::string(sizeof chemicals[0].formula, 'X')), std::string::npos);
    EXPECT_LT(BalanceLine(r, chemicals).size(), 80u);

    // A chemical the lab no longer holds, and a product-only reaction.
    ReactionRecord lone{};
    AddParticipant(lone, Participant(999, 1.5), true);
    EXPECT_EQ(EquationLine(lone, chemicals), "->1.500 (?) ");
    EXPECT_EQ(BalanceLine(lone, chemicals), "(LHS = 0.000, RHS = 0.000)");
}

TEST(ChemicalTypes, JoinedInFlagOrder) {
    struct Case {
        uint32_t flags;
        const char* text;
    } cases[] = {
        {0, ""},
        {kChemStock, "Stock"},
        {kChemProduct, "Product"},
        {kChemStock | kChemUnknown, "Stock, Unknown"},
        {kChemStock | kChemProduct | kChemUnknown | kChemNoMeltingPoint, "Stock, Product, Unknown"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChemicalTypeText(c.flags, "Stock", "Product", "Unknown"), c.text) << c.flags;
}

TEST(Participants, TwentyFiveFitAndTheTwentySixthIsRefused) {
    ReactionRecord r{};
    for (int i = 0; i < kParticipantCount; ++i)
        ASSERT_TRUE(AddParticipant(r, Participant(CasNumber(i + 1), 1), i >= 20)) << "participant " << i + 1;
    EXPECT_EQ(r.reactantCount, 20);
    EXPECT_EQ(r.productCount, 5);
    EXPECT_EQ(r.participants[24].cas, 25u);
    EXPECT_EQ(r.participants[24].flags, uint32_t(kPartProduct));
    ReactionRecord before = r;
    EXPECT_FALSE(AddParticipant(r, Participant(26, 1), true));
    EXPECT_EQ(memcmp(&r, &before, sizeof r), 0);

    // Counts from a file that claim more than the record holds, or less than nothing.
    ReactionRecord odd{};
    odd.reactantCount = 40;
    EXPECT_EQ(UsedParticipantCount(odd), kParticipantCount);
    EXPECT_FALSE(AddParticipant(odd, Participant(1, 1), false));
    odd.reactantCount = -3;
    odd.productCount = 2;
    EXPECT_EQ(UsedParticipantCount(odd), 2);
    ASSERT_TRUE(AddParticipant(odd, Participant(7, 1), false));
    EXPECT_EQ(odd.reactantCount, 1);
    EXPECT_EQ(odd.participants[2].cas, 7u);
}

TEST(Participants, RemovingClosesTheGapAndLowersItsSide) {
    ReactionRecord r = WaterFormation();  // H2 (reactant), H2O (product), O2 (reactant)
    r.participants[1].flags |= kPartColourRule;
    EXPECT_FALSE(RemoveParticipant(r, 3));
    EXPECT_FALSE(RemoveParticipant(r, -1));
    ASSERT_TRUE(RemoveParticipant(r, 0));
    EXPECT_EQ(r.reactantCount, 1);
    EXPECT_EQ(r.productCount, 1);
    EXPECT_EQ(r.participants[0].cas, kCasWater);
    EXPECT_EQ(r.participants[0].flags, uint32_t(kPartProduct | kPartColourRule));
    EXPECT_EQ(r.participants[1].cas, kOxygenGas);
    EXPECT_EQ(r.participants[2].cas, 0u) << "the freed entry is cleared";
    ASSERT_TRUE(RemoveParticipant(r, 0));
    EXPECT_EQ(r.productCount, 0);
    EXPECT_EQ(EquationLine(r, WaterChemicals()), "1.000 (O\x7F" "2) ->");

    // A product removed from a record whose counts put it among the reactants.
    ReactionRecord odd{};
    odd.reactantCount = 1;
    odd.participants[0] = Participant(5, 1);
    odd.participants[0].flags = kPartProduct;
    ASSERT_TRUE(RemoveParticipant(odd, 0));
    EXPECT_EQ(odd.reactantCount, 0);
    EXPECT_EQ(odd.productCount, 0);
}

std::vector<std::string> Names(const UdlLab& lab) {
    std::vector<std::string> names;
    for (const ReactionRecord& r : lab.reactions) names.emplace_back(r.name);
    return names;
}

TEST(Reactions, MoveUpAndDownSwapNeighboursAndDoNothingAtEitherEnd) {
    UdlLab lab;
    for (const char* name : {"a", "b", "c"}) {
        ReactionRecord r{};
        strcpy(r.name, name);
        AddReaction(lab, r);
    }
    EXPECT_EQ(lab.header.reactionCount, 3);
    struct Case {
        bool up;
        size_t index;
        bool moved;
        std::vector<std::string> after;
    } cases[] = {
        {true, 0, false, {"a", "b", "c"}},  {false, 2, false, {"a", "b", "c"}},
        {true, 1, true, {"b", "a", "c"}},   {false, 1, true, {"b", "c", "a"}},
        {false, 7, false, {"b", "c", "a"}}, {true, 2, true, {"b", "a", "c"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.up ? MoveReactionUp(lab, c.index) : MoveReactionDown(lab, c.index), c.moved)
            << (c.up ? "up " : "down ") << c.index;
        EXPECT_EQ(Names(lab), c.after) << (c.up ? "up " : "down ") << c.index;
    }
    ASSERT_TRUE(DeleteReaction(lab, 1));
    EXPECT_EQ(Names(lab), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(lab.header.reactionCount, 2);
    EXPECT_FALSE(DeleteReaction(lab, 2));
}

TEST(ReactionTree, NodesRoundTripAndEachKindHasItsMenu) {
    for (ReactionNode node : {ReactionNode{ReactionNodeKind::kRoot, -1, -1},
                              ReactionNode{ReactionNodeKind::kReaction, 4000, -1},
                              ReactionNode{ReactionNodeKind::kReactants, 0, -1},
                              ReactionNode{ReactionNodeKind::kProducts, 3, -1},
                              ReactionNode{ReactionNodeKind::kParticipant, 2, 24}}) {
        ReactionNode back = DecodeReactionNode(EncodeReactionNode(node));
        EXPECT_EQ(back.kind, node.kind);
        EXPECT_EQ(back.reaction, node.reaction);
        EXPECT_EQ(back.participant, node.participant);
    }
    EXPECT_EQ(DecodeReactionNode(-1).kind, ReactionNodeKind::kNone);
    EXPECT_EQ(DecodeReactionNode(7).kind, ReactionNodeKind::kNone);

    auto ids = [](const std::vector<NodeMenuItem>& items) {
        std::vector<int> out;
        for (const NodeMenuItem& item : items) out.push_back(item.enabled ? item.stringId : -item.stringId);
        return out;
    };
    struct Case {
        ReactionNode node;
        std::vector<int> menu;  // a greyed item negative
    } cases[] = {
        {{ReactionNodeKind::kRoot, -1, -1}, {1153}},
        {{ReactionNodeKind::kReaction, 0, -1}, {1147, 1148, -1149, 1150}},
        {{ReactionNodeKind::kReaction, 1, -1}, {1147, 1148, 1149, 1150}},
        {{ReactionNodeKind::kReaction, 2, -1}, {1147, 1148, 1149, -1150}},
        {{ReactionNodeKind::kReactants, 1, -1}, {}},
        {{ReactionNodeKind::kProducts, 1, -1}, {}},
        {{ReactionNodeKind::kParticipant, 1, 0}, {1151, 1152}},
    };
    for (const Case& c : cases) EXPECT_EQ(ids(NodeMenu(c.node, 3)), c.menu) << int(c.node.kind) << c.node.reaction;
    EXPECT_EQ(ids(NodeMenu({ReactionNodeKind::kReaction, 0, -1}, 1)), (std::vector<int>{1147, 1148, -1149, -1150}));
}

TEST(ReactionDetails, FlagWordIsRebuiltRateFirstThenEachOption) {
    struct Case {
        ReactionRate rate;
        bool heat, stirring, light, minimum, maximum, heatOfReaction, equilibrium;
        uint32_t flags;
        double rateConstant;
    } cases[] = {
        {ReactionRate::kInstantaneous, false, false, false, false, false, false, false, 0x4, 0},
        {ReactionRate::kFixed, false, false, false, false, false, false, false, 0x8, 0.25},
        {ReactionRate::kByConcentration, false, false, false, false, false, false, false, 0x10, 0.25},
        {ReactionRate::kInstantaneous, true, true, true, false, false, false, false, 0x407, 0},
        {ReactionRate::kFixed, false, false, false, true, true, false, false, 0xC8, 0.25},
        {ReactionRate::kByConcentration, true, false, false, false, false, true, true, 0x311, 0.25},
        {ReactionRate::kInstantaneous, true, true, true, true, true, true, true, 0x7C7, 0},
    };
    for (const Case& c : cases) {
        ReactionRecord r{};
        r.flags = 0xFFFFFFFF;  // whatever was there goes
        r.rateConstant = 9;
        ReactionDetails d;
        d.rate = c.rate;
        d.needsHeat = c.heat, d.needsStirring = c.stirring, d.needsLight = c.light;
        d.useMinimum = c.minimum, d.useMaximum = c.maximum;
        d.useHeatOfReaction = c.heatOfReaction, d.useEquilibrium = c.equilibrium;
        d.rateConstant = 0.25;
        ApplyReactionDetails(d, r);
        EXPECT_EQ(r.flags, c.flags) << std::hex << c.flags;
        EXPECT_EQ(r.rateConstant, c.rateConstant) << std::hex << c.flags;

        ReactionDetails back = DetailsOf(r);
        EXPECT_EQ(back.rate, c.rate);
        EXPECT_EQ(back.needsLight, c.light);
        EXPECT_EQ(back.useEquilibrium, c.equilibrium);
    }
}

TEST(ReactionDetails, ValuesAreStoredWithTheirOptionsAndTheNameBounded) {
    ReactionRecord r{};
    r.minCelsius = 5, r.orderFirst = 3, r.equilibriumConstant = 7;
    ReactionDetails d;
    d.name = std::string(200, 'n');
    d.rate = ReactionRate::kFixed;
    d.rateConstant = 0.5;
    d.orderFirst = 1, d.orderSecond = 2;
    d.useMinimum = false, d.minimumCelsius = 40;
    d.useMaximum = true, d.maximumCelsius = 80;
    d.useEquilibrium = true, d.equilibriumConstant = 1e-14;
    ApplyReactionDetails(d, r);
    EXPECT_EQ(std::string(r.name), std::string(124, 'n'));
    EXPECT_EQ(r.minCelsius, 5) << "unchecked: kept";
    EXPECT_EQ(r.maxCelsius, 80);
    EXPECT_EQ(r.orderFirst, 3) << "orders belong to a rate by concentration";
    EXPECT_EQ(r.equilibriumConstant, 1e-14);
    d.rate = ReactionRate::kByConcentration;
    ApplyReactionDetails(d, r);
    EXPECT_EQ(r.orderFirst, 1);
    EXPECT_EQ(r.orderSecond, 2);
}

TEST(ReactionDetails, NumbersShownKeepTheirDigitsAndReadBackSafely) {
    struct Shown {
        double value;
        const char* detail;
        const char* k;
    } shown[] = {
        {25, "25.00000000", "25"},
        {-273.15, "-273.15000000", "-273.15"},
        {1e-14, "0.00000000", "1e-14"},
        {1.8e-5, "0.00001800", "1.8e-05"},
        {6.02214076e23, "6.02214076e+23", "6.02214076e+23"},
        {1e300, "1e+300", "1e+300"},
    };
    for (const Shown& s : shown) {
        EXPECT_EQ(FormatDetailValue(s.value), s.detail);
        EXPECT_EQ(FormatEquilibriumConstant(s.value), s.k);
        EXPECT_EQ(ParseNumberField(FormatEquilibriumConstant(s.value)), s.value) << "K reads back exactly";
    }
    struct Typed {
        const char* text;
        double value;
    } typed[] = {{"1.5", 1.5}, {" 2e3 ", 2000}, {"", 0}, {"abc", 0}, {"3x", 0}, {"inf", 0}, {"nan", 0}, {"1e999", 0}};
    for (const Typed& t : typed) EXPECT_EQ(ParseNumberField(t.text), t.value) << t.text;
}

TEST(ReactionChemical, ChecksInOrderAndStoresOnlyWhatIsOffered) {
    struct Case {
        double coefficient;
        bool colourChange;
        double low;
        bool range;
        double high;
        int refusal;
    } cases[] = {
        {0, true, -1, true, 0, kStringInvalidCoefficient},
        {-2, false, 0, false, 0, kStringInvalidCoefficient},
        {1, true, -0.1, true, 0, kStringInvalidConcentration},
        {1, true, 0, true, 0, kStringInvalidSecondConcentration},
        {1, true, 0, false, 0, 0},
        {1, false, -5, true, -5, 0},  // the colours are not in use
        {0.5, true, 0.01, true, 0.1, 0},
    };
    for (const Case& c : cases) {
        ReactionParticipant p = Participant(kCasWater, 1);
        p.flags = kPartProduct;
        const ReactionParticipant before = p;
        ParticipantChoices choices = ChoicesOf(p);
        choices.coefficient = c.coefficient;
        choices.colourChange = c.colourChange, choices.low = c.low;
        choices.colourRange = c.range, choices.high = c.high;
        EXPECT_EQ(ApplyParticipantChoices(choices, p), c.refusal) << c.coefficient << " " << c.low << " " << c.high;
        if (c.refusal) EXPECT_EQ(memcmp(&p, &before, sizeof p), 0);
        else EXPECT_EQ(p.coefficient, c.coefficient);
    }

    // The phase and flag bits each box owns; the side and other bits stay.
    ReactionParticipant gas = Participant(kOxygenGas, 1);
    gas.phase = kPhaseGas | 0x200;
    gas.flags = kPartReactant | 0x1000;
    ParticipantChoices choices = ChoicesOf(gas);
    EXPECT_EQ(choices.colourA, 0xFFFFFFu) << "a colour never chosen shows white";
    choices.inSolution = true, choices.precipitate = true, choices.fromAtmosphere = true;
    choices.alwaysColourTest = true, choices.colourChange = true, choices.low = 0.1, choices.colourA = 0x0000FF;
    choices.colourRange = true, choices.high = 1, choices.colourB = 0xFF0000;
    ASSERT_EQ(ApplyParticipantChoices(choices, gas), 0);
    EXPECT_EQ(gas.phase, uint32_t(kPhaseGas | 0x200 | kPhaseDissolved | kPhasePrecipitate));
    EXPECT_EQ(gas.flags, uint32_t(kPartReactant | 0x1000 | kPartFromAtmosphere | kPartAlwaysColourTest |
                                  kPartColourRule | kPartColourGradient));
    EXPECT_EQ(gas.colourA[0], 255);
    EXPECT_EQ(gas.colourB[2], 255);

    // A gradient needs its colour rule; only a gas comes from the atmosphere.
    choices.colourChange = false, choices.inSolution = false, choices.precipitate = false;
    ASSERT_EQ(ApplyParticipantChoices(choices, gas), 0);
    EXPECT_EQ(gas.flags, uint32_t(kPartReactant | 0x1000 | kPartFromAtmosphere | kPartAlwaysColourTest));
    EXPECT_FALSE(ChoicesOf(gas).colourRange);
    ReactionParticipant solid = Participant(5, 1);
    solid.phase = kPhaseSolid;
    EXPECT_FALSE(OffersFromAtmosphere(solid.phase));
    choices = ChoicesOf(solid);
    choices.fromAtmosphere = true;
    ASSERT_EQ(ApplyParticipantChoices(choices, solid), 0);
    EXPECT_EQ(solid.flags & kPartFromAtmosphere, 0u);
}

TEST(ReactionChemical, ADroppedChemicalStartsOnceWithItsState) {
    ChemicalRecord salt = Chemical(7647145, "NaCl", 58.44f);
    salt.state = kKindSolution;
    ReactionParticipant p = DroppedParticipant(salt);
    EXPECT_EQ(p.cas, 7647145u);
    EXPECT_EQ(p.phase, uint32_t(kKindSolution));
    EXPECT_EQ(p.coefficient, 1);
    EXPECT_EQ(p.flags, 0u);

    // An ion, plain or a solution of it, takes part as ions in solution, and
    // "In Solution" neither adds the dissolved bit to it nor takes it out.
    for (int32_t state : {int32_t(kKindIon), kKindSolution | kKindIon}) {
        ChemicalRecord ion = Chemical(12385136, "H^+", 1.008f);
        ion.state = state;
        ReactionParticipant q = DroppedParticipant(ion);
        EXPECT_EQ(q.phase, uint32_t(kPhaseSecondLiquid)) << state;
        ParticipantChoices choices = ChoicesOf(q);
        EXPECT_TRUE(choices.inSolution) << state;
        ASSERT_EQ(ApplyParticipantChoices(choices, q), 0);
        EXPECT_EQ(q.phase, uint32_t(kPhaseSecondLiquid)) << state;
    }
}

}  // namespace
