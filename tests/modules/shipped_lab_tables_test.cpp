// Each shipped lab hands out its chemicals exactly as the lab sheet lists them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "modules/dunmere/dunmere_lab.h"
#include "modules/frame/lab_chemicals.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/olvaris/olvaris_lab.h"
#include "modules/tessaly/tessaly_lab.h"

namespace {

struct Row {
    CasNumber cas;
    const char* name;
    const char* description;
    const char* formulaBytes;  // as stored, markers included
    int32_t state;
    uint32_t flags;
    uint8_t r, g, b;
    int32_t brush, pattern;
    float molarMass, density, melting, boiling, sol273, sol373;
};

void ExpectTable(const LabModuleDefinition& lab, const Row* rows, int count) {
    ASSERT_EQ(lab.chemicalCount, count);
    for (int i = 0; i < count; ++i) {
        const Row& row = rows[i];
        const ChemicalRecord& record = lab.chemicals[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(record.cas, row.cas);
        EXPECT_STREQ(record.name, row.name);
        EXPECT_STREQ(record.description, row.description);
        EXPECT_EQ(std::string(record.formula), std::string(row.formulaBytes));
        EXPECT_EQ(record.state, row.state);
        EXPECT_EQ(record.flags, row.flags);
        EXPECT_EQ(record.colour[0], row.r);
        EXPECT_EQ(record.colour[1], row.g);
        EXPECT_EQ(record.colour[2], row.b);
        EXPECT_EQ(record.brushStyle, row.brush);
        EXPECT_EQ(record.patternId, row.pattern);
        EXPECT_FLOAT_EQ(record.molarMass, row.molarMass);
        EXPECT_FLOAT_EQ(record.density, row.density);
        EXPECT_FLOAT_EQ(record.meltingPoint, row.melting);
        EXPECT_FLOAT_EQ(record.boilingPoint, row.boiling);
        EXPECT_FLOAT_EQ(record.solubility273, row.sol273);
        EXPECT_FLOAT_EQ(record.solubility373, row.sol373);
        // Nothing beyond the terminators: the fields are fixed-width file bytes.
        const size_t nameLength = strlen(record.name);
        for (int c = static_cast<int>(nameLength); c < kChemNameLength; ++c)
            ASSERT_EQ(record.name[c], '\0');
    }
}

#define SUB "\x7F"

TEST(ShippedLabTables, SpecificHeatLab) {
    const Row rows[] = {
        {7732185, "Distilled Water", "Colorless Liq", "H" SUB "2O", 2, 1, 255, 255, 255, 0, 0,
         18.0153f, 1.0f, 273, 373, -1, -1},
        {7439896, "Iron Shot", "Silvery white or gray metal", "Fe", 4, 1, 192, 192, 192, 3, 287,
         55.845f, 7.87f, 1538, 2588, -1, -1},
        {7440508, "Copper Shot", "red metal", "Cu", 4, 1, 255, 64, 64, 3, 287, 63.546f, 8.96f,
         811.26f, 2289, -1, -1},
        {7429905, "Aluminum Shot", "Silvery white metal", "Al", 4, 1, 224, 224, 224, 3, 287,
         26.982f, 2.7f, 933, 2792, -1, -1},
    };
    ExpectTable(kTessalyLab, rows, 4);
    // Specific heats relative to water, kept in the first conductivity coefficient.
    const double heats[] = {1.0, 0.115, 0.093, 0.22};
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(kTessalyLab.chemicals[i].conductivityA, heats[i]);
}

TEST(ShippedLabTables, CrystallisationLab) {
    const Row rows[] = {
        {7732185, "Distilled Water", "Colorless Liquid", "H" SUB "2O", 2, 1, 255, 255, 255, 0, 0,
         18.0153f, 1.0f, 273, 373, -1, -1},
        // The hydrate's count after the dot stays on the line.
        {10031433, "Copper(II) Nitrate trihydrate", "Bluish Crystals",
         "Cu(NO" SUB "3)" SUB "2\xB7" "3H" SUB "2O", 4, 1, 0, 0, 255, 3, 285, 241.6f, 2.32f, 387.5f, 443,
         137.8f, 1270},
        {7757791, "Potassium Nitrate", "Colorless Crystals", "KNO" SUB "3", 4, 1, 255, 255, 255, 3,
         286, 101.11f, 2.109f, 607, 673, 13.3f, 247},
        {7778509, "Potassium dichromate", "Red Crystals", "K" SUB "2Cr" SUB "2O" SUB "7", 4, 1, 255,
         0, 0, 3, 285, 294.19f, 2.676f, 671, 773, 4.9f, 102},
        {7647145, "Sodium chloride", "Colorless Crystals", "NaCl", 4, 1, 255, 255, 255, 3, 285,
         58.44f, 2.165f, 1074, 1686, 35.7f, 39.12f},
    };
    ExpectTable(kMorvenaLab, rows, 5);
}

TEST(ShippedLabTables, GravimetricChlorideLab) {
    const Row rows[] = {
        {7732185, "Distilled Water", "Colorless Liq", "H" SUB "2O", 2, 1, 255, 255, 255, 0, 0,
         18.0153f, 1.0f, 273, 373, -1, -1},
        {7761888, "Silver(I) Nitrate", "Silvery Liq", "AgNO" SUB "3", 8, 1, 128, 128, 128, 0, 0,
         169.873f, 1.0f, 485, 713, 122, 952},
        {7697372, "Nitric Acid", "Colorless Liq", "HNO" SUB "3", 2, 1, 255, 255, 255, 0, 0, 63.013f,
         1.55f, 231.4f, 356, 1000, 1000},
        {7783906, "Silver(I) Chloride", "White Crystals", "AgCl", 4, 2, 255, 255, 255, 3, 286,
         143.321f, 5.56f, 728, 1820, 0, 0},
        {7647145, "Unknown Chloride Salt", "Colorless Crystals", "XCl", 4, 1, 255, 255, 255, 3, 285,
         58.44f, 2.165f, 1074, 1686, 35.7f, 39.12f},
        {7631994, "By-Product", "", "XNO" SUB "3", 8, 2, 255, 255, 255, 0, 0, 84.99f, 2.26f, 273,
         373, 92.1f, 180},
    };
    ExpectTable(kDunmereLab, rows, 6);
    const ChemicalRecord* table = kDunmereLab.chemicals;
    EXPECT_DOUBLE_EQ(table[1].molarity, 1.0);
    EXPECT_EQ(table[1].solventCas, 7732185u);
    // The reaction text's three lines, in the order the records point to.
    struct Ref { int record; int32_t line; uint32_t phase; };
    for (const Ref& ref : {Ref{1, 1, 0x8}, Ref{3, 2, 0x4}, Ref{4, 3, 0x8}}) {
        EXPECT_EQ(table[ref.record].reactionRefs[0].line, ref.line);
        EXPECT_EQ(table[ref.record].reactionRefs[0].phaseMask, ref.phase);
        EXPECT_EQ(table[ref.record].reactionRefs[1].line, 0);
    }
    for (int i : {0, 2, 5}) EXPECT_EQ(table[i].reactionRefs[0].line, 0);
}

TEST(ShippedLabTables, FormulaMarkers) {
    struct Case { const char* plain; const char* stored; };
    const Case cases[] = {
        {"H2O", "H" SUB "2O"},
        {"C12H22O11", "C" SUB "1" SUB "2H" SUB "2" SUB "2O" SUB "1" SUB "1"},
        {"Ca(OH)2", "Ca(OH)" SUB "2"},
        {"CuSO4\xB7" "5H2O", "CuSO" SUB "4\xB7" "5H" SUB "2O"},
        {"2H2", "2H" SUB "2"},
        {"", ""},
    };
    for (const Case& c : cases) {
        char out[kFormulaLength];
        EncodeFormula(c.plain, out, kFormulaLength);
        EXPECT_EQ(std::string(out), std::string(c.stored)) << c.plain;
    }
    // A formula too long for the field never ends on a marker.
    char shortField[4];
    EncodeFormula("H2O", shortField, 4);
    EXPECT_STREQ(shortField, "H" SUB "2");
    EncodeFormula("HH2", shortField, 4);
    EXPECT_STREQ(shortField, "HH");
}

}  // namespace
