// What the Add Chemicals page decides without its windows: where an added
// chemical goes, the lab's water, the list texts, and what "solution"
// unchecked goes back to.
#include <gtest/gtest.h>

#include <cstring>

#include "wizard/builtin_water.h"
#include "wizard/database/lab_chemical_list.h"

namespace {

using namespace parvell;

ChemicalRecord Named(CasNumber key, const char* name, const char* formula, int32_t state = kKindSolid) {
    ChemicalRecord r{};
    r.cas = key;
    strcpy(r.name, name);
    strcpy(r.formula, formula);
    r.state = state;
    return r;
}

TEST(ChemicalsPageRules, AddedChemicalsGoAfterTheSelection) {
    EXPECT_EQ(AddPosition(-1, 3), 3u);
    EXPECT_EQ(AddPosition(0, 3), 1u);
    EXPECT_EQ(AddPosition(2, 3), 3u);
    EXPECT_EQ(AddPosition(7, 3), 3u);  // a stale selection
    EXPECT_EQ(AddPosition(-1, 0), 0u);
}

TEST(ChemicalsPageRules, ALabAlwaysHasWater) {
    const ChemicalRecord databaseWater = Named(kCasWater, "Water", "H\x7f" "2O", kKindLiquid);
    const ChemicalRecord salt = Named(7647145, "Sodium chloride", "NaCl");
    UdlLab lab;
    EXPECT_TRUE(EnsureLabWater(lab, &databaseWater, 1));
    ASSERT_EQ(lab.chemicals.size(), 1u);
    EXPECT_STREQ(lab.chemicals[0].name, "Water");
    EXPECT_EQ(lab.header.chemicalCount, 1);
    EXPECT_FALSE(EnsureLabWater(lab, &databaseWater, 1));
    EXPECT_EQ(lab.chemicals.size(), 1u);

    // A lab of salt alone, and a database without water: the built-in record first.
    UdlLab saltOnly;
    InsertLabChemical(saltOnly, 0, salt);
    EXPECT_TRUE(EnsureLabWater(saltOnly, &salt, 1));
    ASSERT_EQ(saltOnly.chemicals.size(), 2u);
    const ChemicalRecord builtIn = BuiltInWaterRecord();
    EXPECT_EQ(memcmp(&saltOnly.chemicals[0], &builtIn, sizeof(ChemicalRecord)), 0);
    EXPECT_EQ(saltOnly.chemicals[1].cas, 7647145u);
    EXPECT_EQ(LabChemicalIndex(saltOnly, 7647145), 1);
    EXPECT_EQ(LabChemicalIndex(saltOnly, 1), -1);
}

TEST(ChemicalsPageRules, ListTexts) {
    ChemicalRecord acid = Named(7647010, "Hydrochloric acid", "HCl", kKindGas);
    EXPECT_EQ(ChemicalListText(acid, false), "Hydrochloric acid  -  HCl");
    EXPECT_EQ(ChemicalListText(acid, true), "Hydrochloric acid  -  HCl");
    acid.state = kKindSolution;
    acid.molarity = 0.1;
    EXPECT_EQ(ChemicalListText(acid, true), "(0.100 M) Hydrochloric acid  -  HCl");
    EXPECT_EQ(ChemicalListPrefix(acid, true), "(0.100 M) Hydrochloric acid  -  ");
    EXPECT_EQ(ChemicalListText(acid, false), "Hydrochloric acid  -  HCl");  // the database shows no molarity
    // Fields are read bounded.
    memset(acid.name, 'n', sizeof acid.name);
    memset(acid.formula, 'f', sizeof acid.formula);
    EXPECT_EQ(ChemicalListText(acid, false).size(), sizeof acid.name + 5 + sizeof acid.formula);
}

TEST(ChemicalsPageRules, UncheckingSolutionGoesBackToTheDatabaseState) {
    const ChemicalRecord database[] = {Named(7647010, "Hydrochloric acid", "HCl", kKindGas),
                                       Named(7647145, "Sodium chloride", "NaCl", kKindSolid)};
    ChemicalRecord labAcid = database[0];
    labAcid.state = kKindSolution;
    labAcid.solventCas = kCasWater;
    labAcid.molarity = 1;
    labAcid.flags = kChemStock;

    ChemicalRecord earlier = EarlierStateOf(labAcid, database, 2);
    EXPECT_EQ(earlier.state, kKindGas);
    EXPECT_EQ(earlier.solventCas, 0u);
    EXPECT_EQ(earlier.molarity, 0);

    LabChemicalProperties p = PropertiesOf(labAcid);
    p.solution = false;
    ChemicalRecord r = labAcid;
    ASSERT_EQ(ApplyLabChemicalProperties(p, earlier, r), 0);
    EXPECT_EQ(r.state, kKindGas);
    EXPECT_EQ(r.molarity, 0);
    EXPECT_EQ(r.solventCas, 0u);

    // Not a solution: nothing to go back to. No database record: the record itself.
    EXPECT_EQ(EarlierStateOf(database[1], database, 2).state, kKindSolid);
    ChemicalRecord lone = labAcid;
    lone.cas = 1;
    EXPECT_EQ(EarlierStateOf(lone, database, 2).state, kKindSolution);
}

}  // namespace
