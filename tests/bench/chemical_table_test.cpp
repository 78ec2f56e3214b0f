#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "bench/model/chemical_table.h"
#include "tests/support/chemicals_fixture.h"

using namespace test_chemicals;

TEST(ChemicalTable, EveryLookupAnswersItsDefaultWithNoTableLoaded) {
    SetChemicalTable(nullptr, 0);
    struct Case {
        const char* lookup;
        std::function<double()> answer;
        double expected;
    };
    const Case cases[] = {
        {"ChemicalCount", [] { return ChemicalCount(); }, 0},
        {"ChemicalIdAt", [] { return ChemicalIdAt(0); }, 0},
        {"BoilingPoint", [] { return BoilingPoint(kWater); }, 0},
        {"MeltingPoint", [] { return MeltingPoint(kWater); }, 0},
        {"Density", [] { return Density(kWater); }, 0},
        {"MolarMass", [] { return MolarMass(kWater); }, 0},
        {"MolesOf", [] { return MolesOf(kWater, 18); }, 0},
        {"ChemicalColour", [] { return ChemicalColour(kWater); }, 0},
        {"FlameColour", [] { return FlameColour(kWater); }, 0},
        {"BrushStyle", [] { return BrushStyle(kWater); }, -1},
        {"PatternId", [] { return PatternId(kWater); }, -1},
        {"ChemicalFlags", [] { return ChemicalFlags(kWater); }, 0},
        {"Solubility", [] { return Solubility(kSodiumChloride, 293); }, -1},
        {"ConductivityA", [] { return ConductivityA(kWater); }, -1},
        {"ConductivityB", [] { return ConductivityB(kWater); }, -1},
        {"FindChemical", [] { return FindChemical(kWater, 0); }, -1},
        {"ChemicalIndex", [] { return ChemicalIndex(kWater); }, -1},
        {"ChemicalCoefficient", [] { return ChemicalCoefficient(kWater, 1); }, -1},
        {"ChemicalFlagsFrom", [] { return ChemicalFlagsFrom(kWater, 0); }, 0},
        {"ChemicalStateFrom", [] { return ChemicalStateFrom(kWater, 0); }, 0},
        {"MolarityFrom", [] { return MolarityFrom(kWater, 0); }, 0},
        {"SolventFrom", [] { return SolventFrom(kWater, 0); }, 0},
        {"GramsPerUnitFrom", [] { return GramsPerUnitFrom(kWater, 0); }, 0},
        {"MixtureComponent", [] { return MixtureComponent(kWater, 0, 1); }, 0},
        {"MixtureFraction", [] { return MixtureFraction(kWater, 0, 1); }, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.answer(), c.expected) << c.lookup;

    EXPECT_EQ(ChemicalNameAt(0), nullptr);
    EXPECT_EQ(UnknownNameAt(0), nullptr);
    EXPECT_EQ(ReactionLineRef(kWater, 0), nullptr);
    EXPECT_EQ(FindChemicalRecord(kWater), nullptr);
    for (const char* text : {ChemicalName(kWater), ChemicalFormula(kWater), ChemicalDescription(kWater),
                             UnknownName(kWater)}) {
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, "");
    }
}

TEST(ChemicalTable, AbsentChemicalAndOutOfRangeArgumentsGiveDefaults) {
    ScopedChemicals table;
    EXPECT_EQ(ChemicalIdAt(-1), 0u);
    EXPECT_EQ(ChemicalIdAt(4), 0u);
    EXPECT_EQ(ChemicalNameAt(4), nullptr);
    EXPECT_STREQ(ChemicalName(12345), "");
    EXPECT_EQ(Solubility(12345, 300), -1);
    EXPECT_EQ(ReactionLineRef(kWater, 10), nullptr);
    EXPECT_EQ(ReactionLineRef(kWater, -1), nullptr);
    EXPECT_EQ(ChemicalCoefficient(kWater, 0), -1);
    EXPECT_EQ(ChemicalCoefficient(kWater, 11), -1);
    EXPECT_EQ(MixtureComponent(kWater, 0, 5), 0u);
    EXPECT_EQ(MixtureFraction(kWater, 0, 0), 0);
}

TEST(ChemicalTable, NegativeCountEmptiesTheTable) {
    const auto records = FixtureChemicals();
    SetChemicalTable(records.data(), -3);
    EXPECT_EQ(ChemicalCount(), 0);
    EXPECT_EQ(FindChemical(kWater, 0), -1);
}

TEST(ChemicalTable, TextFieldsFilledToTheBrimAreReadByTheirWidth) {
    ScopedChemicals table;
    ChemicalRecord& salt = table[1];
    std::memset(salt.formula, 'F', sizeof salt.formula);
    std::memset(salt.name, 'N', sizeof salt.name);
    std::memset(salt.description, 'D', sizeof salt.description);
    std::memset(salt.unknownName, 'U', sizeof salt.unknownName);
    salt.zero2287 = 'X';  // the byte after the unknown's name is not part of it

    EXPECT_EQ(std::string(ChemicalFormula(kSodiumChloride)), std::string(kFormulaLength, 'F'));
    EXPECT_EQ(std::string(ChemicalName(kSodiumChloride)), std::string(kChemNameLength, 'N'));
    EXPECT_EQ(std::string(ChemicalNameAt(1)), std::string(kChemNameLength, 'N'));
    EXPECT_EQ(std::string(ChemicalDescription(kSodiumChloride)), std::string(kChemDescriptionLength, 'D'));
    EXPECT_EQ(std::string(UnknownName(kSodiumChloride)), std::string(kUnknownNameLength, 'U'));
    EXPECT_EQ(std::string(UnknownNameAt(1)), std::string(kUnknownNameLength, 'U'));
}

TEST(ChemicalTable, UnknownNameAtFallsBackToUnknown) {
    ScopedChemicals table;
    std::strcpy(table[3].unknownName, "Sample X");
    EXPECT_STREQ(UnknownNameAt(3), "Sample X");
    EXPECT_STREQ(UnknownNameAt(0), "Unknown");
    EXPECT_STREQ(UnknownName(kMysterySolid), "Sample X");
}

TEST(ChemicalTable, FindChemicalSearchesFromStartAndWrapsRound) {
    auto records = FixtureChemicals();
    records[2].cas = kWater;  // a second water record at index 2
    records[2].flags = 0x40;
    SetChemicalTable(records.data(), 4);
    struct Case {
        CasNumber cas;
        int32_t start;
        int32_t expected;
    };
    const Case cases[] = {
        {kWater, 0, 0},          {kWater, 1, 2},      {kWater, 2, 2},  {kWater, 3, 0},
        {kWater, -5, 0},         {kWater, 99, 0},     {kSodiumChloride, 2, 1},
        {kMysterySolid, 3, 3},   {kEthanol, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindChemical(c.cas, c.start), c.expected) << c.cas << " from " << c.start;
    EXPECT_EQ(ChemicalIndex(kWater), 0);
    EXPECT_EQ(ChemicalFlags(kWater), kChemStock);  // plain lookups take the first record
    EXPECT_EQ(ChemicalFlagsFrom(kWater, 1), 0x40u);
    EXPECT_EQ(ChemicalFlagsFrom(kWater, 3), kChemStock);
    SetChemicalTable(nullptr, 0);
}

TEST(ChemicalTable, FieldsAreReadAsStored) {
    ScopedChemicals table;
    ChemicalRecord& salt = table[1];
    salt.flameColour[0] = 0xFF;
    salt.flameColour[1] = 0xA5;
    salt.colour[0] = 0x10;
    salt.colour[1] = 0x20;
    salt.colour[2] = 0x30;
    for (int k = 0; k < 6; ++k) salt.coefficients[k] = 100 + k;
    for (int k = 0; k < 4; ++k) salt.coefficientsF[k] = 200.5f + k;
    salt.mixture[3] = {kWater, 0.25f};
    salt.reactionRefs[9].line = 7;

    EXPECT_EQ(ChemicalColour(kSodiumChloride), 0x302010u);  // red in the lowest byte
    EXPECT_EQ(FlameColour(kSodiumChloride), 0x00A5FFu);
    EXPECT_EQ(ChemicalCoefficient(kSodiumChloride, 1), 100);
    EXPECT_EQ(ChemicalCoefficient(kSodiumChloride, 6), 105);
    EXPECT_EQ(ChemicalCoefficient(kSodiumChloride, 7), 200.5);
    EXPECT_EQ(ChemicalCoefficient(kSodiumChloride, 10), 203.5);
    EXPECT_EQ(MixtureComponent(kSodiumChloride, 0, 4), kWater);
    EXPECT_EQ(MixtureFraction(kSodiumChloride, 0, 4), 0.25);
    EXPECT_EQ(ReactionLineRef(kSodiumChloride, 9)->line, 7);
    EXPECT_STREQ(ChemicalFormula(kWater), "H\x7f" "2O");
    EXPECT_DOUBLE_EQ(MolesOf(kSodiumChloride, 58.44f), 1.0);
}

TEST(ChemicalTable, MolesOfAChemicalWithoutMolarMassIsZero) {
    ScopedChemicals table;
    EXPECT_EQ(MolesOf(kMysterySolid, 10), 0);
    table[3].molarMass = -5;
    EXPECT_EQ(MolesOf(kMysterySolid, 10), 0);
}

TEST(ChemicalTable, SolubilityIsTheLineThroughItsTwoPoints) {
    ScopedChemicals table;
    const double s273 = 35.7f, s373 = 39.1f;
    struct Case {
        double kelvin;
        double expected;
    };
    const Case cases[] = {
        {273, s273}, {373, s373}, {323, (s273 + s373) / 2}, {473, s373 + (s373 - s273)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Solubility(kSodiumChloride, c.kelvin), c.expected, 1e-9) << c.kelvin;
    // Water's record holds -1 at both points: its own solubility is 0.
    EXPECT_EQ(Solubility(kWater, 300), 0);
    // A steep fall below the first point is cut off at 0.
    table[1].solubility273 = 1;
    table[1].solubility373 = 50;
    EXPECT_EQ(Solubility(kSodiumChloride, 200), 0);
}

TEST(ChemicalTable, NonFiniteValuesInARecordReadAsAbsent) {
    ScopedChemicals table;
    table[1].density = std::numeric_limits<float>::quiet_NaN();
    table[1].molarMass = std::numeric_limits<float>::infinity();
    table[1].solubility373 = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Density(kSodiumChloride), 0);
    EXPECT_EQ(MolarMass(kSodiumChloride), 0);
    EXPECT_EQ(MolesOf(kSodiumChloride, 5), 0);
    EXPECT_EQ(Solubility(kSodiumChloride, 300), 0);
}
