#include "wizard/database/master_chemicals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "wizard/builtin_water.h"
#include "wizard/database/user_database.h"
#include "wizard/udl_values.h"

namespace {

using namespace parvell;

TEST(MasterChemicals, EveryRecordPassesTheDatabaseDialogsChecks) {
    std::vector<ChemicalRecord> records = MasterChemicals();
    ASSERT_GT(records.size(), 20u);
    for (int32_t i = 0; i < int32_t(records.size()); ++i) {
        const ChemicalRecord& r = records[size_t(i)];
        EXPECT_EQ(FirstFailedChemicalCheck(EntryOf(r), records.data(), int32_t(records.size()), i), 0) << r.name;
        EXPECT_TRUE(CasKeyIsValid(r.cas)) << r.name << " " << r.cas;
        size_t length = strnlen(r.formula, sizeof r.formula);
        ASSERT_LT(length, sizeof r.formula);
        unsigned char last = static_cast<unsigned char>(r.formula[length - 1]);
        EXPECT_TRUE(last != kFormulaSubscript && last != kFormulaSuperscript) << r.name;
        EXPECT_TRUE(r.flags & kChemStock) << r.name;
    }
}

// A lab made from the master table is never refused for its numbers.
TEST(MasterChemicals, EveryRecordsNumbersAreOnesALabMayCarry) {
    for (const ChemicalRecord& c : parvell::MasterChemicals()) EXPECT_EQ(parvell::ChemicalValueFault(c), "") << c.name;
}

TEST(MasterChemicals, NoKeyTwiceAndTheIonsAndWaterAreThere) {
    std::vector<ChemicalRecord> records = MasterChemicals();
    std::set<CasNumber> keys;
    for (const ChemicalRecord& r : records) EXPECT_TRUE(keys.insert(r.cas).second) << r.cas;
    for (CasNumber key : {kCasWater, CasNumber(12385136), CasNumber(14280309), CasNumber(7647010),
                          CasNumber(1310732)})
        EXPECT_TRUE(keys.count(key)) << key;

    // Water is the built-in record with what the dialog needs besides.
    ChemicalRecord water = BuiltInWaterRecord();
    EXPECT_EQ(memcmp(records[0].formula, water.formula, sizeof water.formula), 0);
    EXPECT_EQ(records[0].molarMass, water.molarMass);
    EXPECT_EQ(records[0].state, kKindLiquid);
    for (const ChemicalRecord& r : records)
        if (r.cas == 12385136 || r.cas == 14280309) EXPECT_EQ(r.state, kKindIon);
}

TEST(MasterChemicals, FormulaMarkersPrecedeTheirCharacters) {
    for (const ChemicalRecord& r : MasterChemicals()) {
        if (r.cas != 7664939) continue;  // sulfuric acid, H2SO4
        const char expected[] = {'H', char(kFormulaSubscript), '2', 'S', 'O', char(kFormulaSubscript), '4', 0};
        EXPECT_STREQ(r.formula, expected);
    }
}

}  // namespace
