#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zephrane/chemical_database.h"

namespace {

ChemicalRecord Record(CasNumber cas, const char* name, float molarMass) {
    ChemicalRecord r{};
    r.cas = cas;
    strcpy(r.name, name);
    r.molarMass = molarMass;
    return r;
}

class ChemicalDatabase : public ::testing::Test {
protected:
    void TearDown() override { RegisterChemicals(nullptr, 0); }
};

TEST_F(ChemicalDatabase, AnswersEveryQueryFromTheRegisteredRecord) {
    ChemicalRecord r = Record(7647145, "Sodium chloride", 58.44f);
    const char formula[] = {'N', 'a', 'C', 'l', char(kFormulaSubscript), '2', 0};
    memcpy(r.formula, formula, sizeof formula);
    r.density = 2.16f;
    r.state = kKindSolution;
    r.flags = kChemStock | kChemHasFlameColour | kChemConducts;
    r.molarity = 0.5;
    r.colour[0] = 10, r.colour[1] = 20, r.colour[2] = 30;
    r.flameColour[0] = 255, r.flameColour[1] = 200, r.flameColour[2] = 1;
    r.brushStyle = 3, r.patternId = 285;
    r.conductivityA = 126.4, r.conductivityB = 60.2;
    RegisterChemicals(&r, 1);

    EXPECT_EQ(Number_Chem_Available(), 1);
    EXPECT_EQ(Chemical_ID(0), 7647145u);
    EXPECT_STREQ(Chemical_Available(0), "Sodium chloride");
    EXPECT_EQ(getChemInfoIndex(7647145), 0);
    EXPECT_STREQ(Chemical_Name(7647145), "Sodium chloride");
    EXPECT_STREQ(Chemical_Formula(7647145), formula);
    EXPECT_DOUBLE_EQ(Chemical_GMW(7647145), double(58.44f));
    EXPECT_DOUBLE_EQ(Chemical_Density(7647145), double(2.16f));
    EXPECT_EQ(Chemical_State(7647145, 0), kKindSolution);
    EXPECT_EQ(Chemical_State(7647145, 7), kKindSolution);  // the position does not matter
    EXPECT_EQ(Chemical_ChemType(7647145), 0x601u);
    EXPECT_EQ(Chemical_ChemTypeEx(7647145, 3) & kChemStock, 1u);
    EXPECT_DOUBLE_EQ(Chemical_SolutionMolarity(7647145, 0), 0.5);
    EXPECT_EQ(Chemical_Color(7647145), 0x001E140Au);
    EXPECT_EQ(Chemical_FlameColor(7647145), 0x0001C8FFu);
    EXPECT_EQ(Chemical_BrushStyle(7647145), 3);
    EXPECT_EQ(Chemical_Pattern_Hatch(7647145), 285);
    EXPECT_DOUBLE_EQ(Chemical_GetConductivityCoefficientA(7647145), 126.4);
    EXPECT_DOUBLE_EQ(Chemical_GetConductivityCoefficientB(7647145), 60.2);
}

TEST_F(ChemicalDatabase, MissingKeysAndIndicesGiveTheDefaults) {
    ChemicalRecord r = Record(1, "One", 10);
    for (int registered : {0, 1}) {
        RegisterChemicals(registered ? &r : nullptr, registered);
        EXPECT_EQ(getChemInfoIndex(99), -1);
        EXPECT_STREQ(Chemical_Name(99), "");
        EXPECT_STREQ(Chemical_Formula(99), "");
        EXPECT_EQ(Chemical_GMW(99), 0);
        EXPECT_EQ(Chemical_Density(99), 0);
        EXPECT_EQ(Chemical_ChemType(99), 0u);
        EXPECT_EQ(Chemical_Color(99), 0u);
        EXPECT_EQ(Chemical_ID(-1), 0u);
        EXPECT_EQ(Chemical_ID(registered), 0u);
        EXPECT_STREQ(Chemical_Available(registered), "");
    }
}

TEST_F(ChemicalDatabase, FirstRecordWithTheKeyWinsAndRegisteringReplacesTheTable) {
    std::vector<ChemicalRecord> block = {Record(5, "First", 1), Record(6, "Other", 2), Record(5, "Second", 3)};
    RegisterChemicals(block.data(), 3);
    EXPECT_STREQ(Chemical_Name(5), "First");
    EXPECT_EQ(getChemInfoIndex(5), 0);
    EXPECT_STREQ(Chemical_Available(2), "Second");

    // The library keeps its own copy: the block may go away after registering.
    block.assign(1, Record(7, "Seven", 7));
    EXPECT_STREQ(Chemical_Name(5), "First");
    RegisterChemicals(block.data(), 1);
    EXPECT_EQ(Number_Chem_Available(), 1);
    EXPECT_EQ(getChemInfoIndex(5), -1);
    RegisterChemicals(block.data(), -4);
    EXPECT_EQ(Number_Chem_Available(), 0);
}

TEST_F(ChemicalDatabase, TextsWithoutTheirTerminatorStayInTheirField) {
    ChemicalRecord r{};
    r.cas = 8;
    memset(r.formula, 'F', sizeof r.formula);
    memset(r.name, 'N', sizeof r.name);
    memset(r.description, 'D', sizeof r.description);
    RegisterChemicals(&r, 1);
    EXPECT_EQ(std::string(Chemical_Name(8)), std::string(kChemNameLength, 'N'));
    EXPECT_EQ(std::string(Chemical_Formula(8)), std::string(kFormulaLength, 'F'));
    EXPECT_EQ(std::string(Chemical_Available(0)), std::string(kChemNameLength, 'N'));
}

}  // namespace
