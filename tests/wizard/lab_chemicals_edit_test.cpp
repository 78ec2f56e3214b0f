#include <gtest/gtest.h>

#include <cstring>

#include "wizard/database/chemical_formula.h"
#include "wizard/database/lab_chemical_list.h"
#include "wizard/database/master_chemicals.h"

namespace {

using namespace parvell;

ChemicalRecord Keyed(CasNumber key, int32_t state = kKindSolid) {
    ChemicalRecord r{};
    r.cas = key;
    r.state = state;
    r.flags = kChemStock;
    return r;
}

TEST(LabChemicalList, WaterAndChemicalsInReactionsStay) {
    UdlLab lab;
    InsertLabChemical(lab, 0, Keyed(kCasWater, kKindLiquid));
    InsertLabChemical(lab, 5, Keyed(7647010));  // beyond the end: appended
    InsertLabChemical(lab, 1, Keyed(1310732));
    ASSERT_EQ(lab.chemicals.size(), 3u);
    EXPECT_EQ(lab.chemicals[1].cas, 1310732u);
    EXPECT_EQ(lab.header.chemicalCount, 3);

    lab.reactions.resize(1);
    ReactionRecord& r = lab.reactions[0];
    memset(r.name, 'N', sizeof r.name);  // an unterminated name is read bounded
    r.reactantCount = 1;
    r.productCount = 1;
    r.participants[0].cas = 7647010;
    r.participants[1].cas = 7732185;
    r.participants[2].cas = 1310732;  // past the used participants

    std::string reaction;
    EXPECT_EQ(RemoveLabChemical(lab, 0, &reaction), kStringCannotRemoveWater);
    EXPECT_EQ(RemoveLabChemical(lab, 2, &reaction), kStringChemicalInReaction);
    EXPECT_EQ(reaction, std::string(sizeof r.name, 'N'));
    EXPECT_EQ(lab.chemicals.size(), 3u);
    EXPECT_EQ(RemoveLabChemical(lab, 1, &reaction), 0);
    EXPECT_EQ(lab.chemicals.size(), 2u);
    EXPECT_EQ(lab.header.chemicalCount, 2);
    EXPECT_EQ(RemoveLabChemical(lab, 9, &reaction), 0);
}

TEST(LabChemicalProperties, SolutionNeedsAMolarityAndUncheckingRestores) {
    const ChemicalRecord before = Keyed(7647145, kKindSolid);
    ChemicalRecord r = before;
    LabChemicalProperties p = PropertiesOf(r);
    p.solution = true;
    p.molarity = 0;
    EXPECT_EQ(ApplyLabChemicalProperties(p, before, r), kStringInvalidMolarity);
    EXPECT_EQ(memcmp(&r, &before, sizeof r), 0);
    p.molarity = 0.1;
    p.product = true;
    ASSERT_EQ(ApplyLabChemicalProperties(p, before, r), 0);
    EXPECT_EQ(r.state, kKindSolution);
    EXPECT_EQ(r.solventCas, kCasWater);
    EXPECT_EQ(r.molarity, 0.1);
    EXPECT_EQ(r.flags & kChemProduct, 0u);  // no product while a solution

    // Unchecked in the same dialog: the solid it was.
    p.solution = false;
    ChemicalRecord again = before;
    ASSERT_EQ(ApplyLabChemicalProperties(p, before, again), 0);
    EXPECT_EQ(again.state, kKindSolid);
    EXPECT_EQ(again.solventCas, 0u);
    EXPECT_EQ(again.molarity, 0);

    // Opened as a solution and unchecked: no solution is left behind.
    ChemicalRecord solution = r;
    p = PropertiesOf(solution);
    p.solution = false;
    ASSERT_EQ(ApplyLabChemicalProperties(p, r, solution), 0);
    EXPECT_EQ(solution.state, kKindSolid);
    EXPECT_EQ(solution.molarity, 0);
}

TEST(LabChemicalProperties, ASolutionOfAnIonStaysAnIon) {
    // The hydrogen ion as the database holds it, made a 0.1 M solution and
    // back: the ion bit is kept beside the solution bit throughout.
    const ChemicalRecord ion = Keyed(12385136, kKindIon);
    ChemicalRecord r = ion;
    LabChemicalProperties p = PropertiesOf(r);
    p.solution = true;
    p.molarity = 0.1;
    ASSERT_EQ(ApplyLabChemicalProperties(p, ion, r), 0);
    EXPECT_EQ(r.state, kKindSolution | kKindIon);
    EXPECT_EQ(VesselPhaseOf(r.state), uint32_t(kPhaseSecondLiquid));
    EXPECT_EQ(SolutePhaseOf(r.state), uint32_t(kPhaseSecondLiquid));

    // Opened again: still a solution of an ion; unchecked: the ion again,
    // with the database's record or without it.
    const ChemicalRecord solution = r;
    for (bool inDatabase : {true, false}) {
        ChemicalRecord again = solution;
        const ChemicalRecord earlier = EarlierStateOf(again, inDatabase ? &ion : nullptr, inDatabase ? 1 : 0);
        p = PropertiesOf(again);
        ASSERT_TRUE(p.solution);
        ASSERT_EQ(ApplyLabChemicalProperties(p, earlier, again), 0);
        EXPECT_EQ(again.state, kKindSolution | kKindIon) << inDatabase;
        p.solution = false;
        ASSERT_EQ(ApplyLabChemicalProperties(p, earlier, again), 0);
        EXPECT_EQ(again.state, kKindIon) << inDatabase;
        EXPECT_EQ(again.molarity, 0) << inDatabase;
    }
}

TEST(LabChemicalProperties, FlagsAndTheirValues) {
    const ChemicalRecord before = Keyed(7647145);
    ChemicalRecord r = before;
    LabChemicalProperties p = PropertiesOf(r);
    p.unknown = true;
    p.unknownName = std::string(40, 'u');
    p.stock = false;
    p.product = true;
    p.flameTest = true;
    p.flameColour[0] = 255;
    p.conductor = true;
    p.conductivityA = kDefaultConductivityA;
    p.conductivityB = kDefaultConductivityB;
    ASSERT_EQ(ApplyLabChemicalProperties(p, before, r), 0);
    EXPECT_EQ(r.flags, kChemProduct | kChemUnknown | 0x200u | 0x400u);
    EXPECT_EQ(strlen(r.unknownName), 30u);
    EXPECT_EQ(r.flameColour[0], 255);
    EXPECT_EQ(r.conductivityA, 141.3);
    EXPECT_EQ(r.conductivityB, 29.5);
}

TEST(ChemicalFormula, MarkersRoundTripAndTheStoredFormulaFits) {
    const char sulfate[] = {'S', 'O', char(kFormulaSubscript), '4', char(kFormulaSuperscript), '2',
                            char(kFormulaSuperscript), '-', 0};
    auto characters = ReadStoredFormula(sulfate, sizeof sulfate);
    ASSERT_EQ(characters.size(), 5u);
    EXPECT_EQ(characters[2].shift, FormulaShift::kSubscript);
    EXPECT_EQ(characters[4].shift, FormulaShift::kSuperscript);
    EXPECT_EQ(StoreFormula(characters), std::string(sulfate));

    // A trailing marker is no character.
    const char trailing[] = {'H', char(kFormulaSubscript), 0};
    EXPECT_EQ(ReadStoredFormula(trailing, sizeof trailing).size(), 1u);

    // 49 bytes at most, never ending on a marker, for every mix of lengths.
    for (int plain = 0; plain <= 50; ++plain) {
        std::vector<FormulaCharacter> long_formula(size_t(plain), FormulaCharacter{'C', FormulaShift::kBaseline});
        for (int i = 0; i < 30; ++i) long_formula.push_back({char('0' + i % 10), FormulaShift::kSubscript});
        std::string stored = StoreFormula(long_formula);
        ASSERT_LE(stored.size(), 49u);
        ASSERT_FALSE(stored.empty());
        unsigned char last = static_cast<unsigned char>(stored.back());
        EXPECT_TRUE(last != kFormulaSubscript && last != kFormulaSuperscript) << plain;
    }
    // Reading is bounded by the field, terminated or not.
    char field[kFormulaLength];
    memset(field, 'C', sizeof field);
    EXPECT_EQ(ReadStoredFormula(field, sizeof field).size(), size_t(kFormulaLength));
}

}  // namespace
