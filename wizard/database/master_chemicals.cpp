#include "wizard/database/master_chemicals.h"

#include <cstring>

#include "wizard/builtin_water.h"

namespace parvell {

namespace {

struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNoFlame{0, 0, 0};

// One line per chemical. Formulas write "_" before a subscript character and
// "^" before a superscript one. Temperatures in kelvin; solubility in g per
// 100 g of water at 0 and 100 degrees (-1: mixes freely or not meaningful);
// specific heat in J/(g K); conductivity A is the limiting molar conductivity
// (S cm2/mol) and B the Kohlrausch slope.
struct MasterRow {
    CasNumber cas;
    const char* formula;
    const char* name;
    const char* description;
    int32_t state;
    float molarMass, density, melting, boiling, solubility273, solubility373;
    double specificHeat;
    Rgb colour;
    int32_t pattern;  // 0 solid fill
    Rgb flame;        // black: no flame colour
    double conductivityA, conductivityB;
    double ionCharge;
};

// clang-format off
const MasterRow kRows[] = {
    // Ions the pH meter reads.
    {12385136, "H^+", "Hydrogen ion", "Hydrated proton; sets the pH", kKindIon, 1.008f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, kNoFlame, 349.8, 0, 1},
    {14280309, "OH^-", "Hydroxide ion", "Sets the pOH of basic solutions", kKindIon, 17.007f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, kNoFlame, 198.6, 0, -1},
    // Acids.
    {7647010, "HCl", "Hydrochloric acid", "Strong monoprotic acid (hydrogen chloride)", kKindGas, 36.46f, 1.49f, 159, 188, 82.3f, 56.1f, 0.80, kWhite, 0, kNoFlame, 426.1, 82.0, 0},
    {7664939, "H_2SO_4", "Sulfuric acid", "Strong diprotic acid", kKindLiquid, 98.08f, 1.83f, 283, 610, -1, -1, 1.38, kWhite, 0, kNoFlame, 859.6, 410.0, 0},
    {7697372, "HNO_3", "Nitric acid", "Strong oxidising acid", kKindLiquid, 63.01f, 1.51f, 231, 356, -1, -1, 1.72, kWhite, 0, kNoFlame, 421.3, 80.0, 0},
    {64197, "CH_3COOH", "Acetic acid", "Weak monoprotic acid (ethanoic acid)", kKindLiquid, 60.05f, 1.05f, 290, 391, -1, -1, 2.05, kWhite, 0, kNoFlame, 16.0, 40.0, 0},
    // Bases.
    {1310732, "NaOH", "Sodium hydroxide", "Strong base; deliquescent white pellets", kKindSolid, 40.00f, 2.13f, 591, 1661, 42.0f, 347.0f, 1.49, kWhite, 287, {255, 200, 0}, 248.1, 88.0, 0},
    {1310583, "KOH", "Potassium hydroxide", "Strong base; white flakes", kKindSolid, 56.11f, 2.04f, 633, 1600, 97.0f, 178.0f, 1.18, kWhite, 287, {200, 160, 255}, 271.5, 85.0, 0},
    {1336216, "NH_4OH", "Ammonium hydroxide", "Weak base: aqueous ammonia", kKindLiquid, 35.05f, 0.90f, 195, 311, -1, -1, 4.70, kWhite, 0, kNoFlame, 20.0, 40.0, 0},
    // Ions that strong acids, bases and salts give in water.
    {17341252, "Na^+", "Sodium ion", "Sodium in solution; colours a flame yellow", kKindIon, 22.99f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, {255, 200, 0}, 50.1, 0, 1},
    {24203369, "K^+", "Potassium ion", "Potassium in solution; colours a flame lilac", kKindIon, 39.10f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, {200, 160, 255}, 73.5, 0, 1},
    {16887006, "Cl^-", "Chloride ion", "Chloride in solution; precipitated by silver ions", kKindIon, 35.45f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, kNoFlame, 76.3, 0, -1},
    {14797558, "NO_3^-", "Nitrate ion", "Nitrate in solution", kKindIon, 62.00f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, kNoFlame, 71.4, 0, -1},
    {14808798, "SO_4^2^-", "Sulfate ion", "Sulfate in solution; precipitated by barium ions", kKindIon, 96.06f, 1.0f, 273, 373, -1, -1, 4.18, kWhite, 0, kNoFlame, 160.0, 0, -2},
    // Salts for neutralisation, flame tests and conductivity.
    {7647145, "NaCl", "Sodium chloride", "Table salt; colourless cubic crystals", kKindSolid, 58.44f, 2.16f, 1074, 1686, 35.7f, 39.2f, 0.86, kWhite, 284, {255, 200, 0}, 126.4, 60.2, 0},
    {7447407, "KCl", "Potassium chloride", "Colourless crystals", kKindSolid, 74.55f, 1.98f, 1043, 1693, 28.0f, 56.7f, 0.69, kWhite, 284, {200, 160, 255}, 149.9, 62.0, 0},
    {7447418, "LiCl", "Lithium chloride", "Hygroscopic white crystals", kKindSolid, 42.39f, 2.07f, 878, 1655, 69.2f, 128.0f, 1.13, kWhite, 284, {220, 20, 60}, 115.0, 60.0, 0},
    {10043524, "CaCl_2", "Calcium chloride", "Anhydrous, white granules", kKindSolid, 110.98f, 2.15f, 1045, 2208, 59.5f, 159.0f, 0.66, kWhite, 285, {255, 90, 30}, 271.6, 190.0, 0},
    {10361372, "BaCl_2", "Barium chloride", "White crystals; toxic", kKindSolid, 208.23f, 3.86f, 1235, 1833, 31.2f, 59.4f, 0.38, kWhite, 285, {170, 255, 100}, 279.9, 190.0, 0},
    {10476854, "SrCl_2", "Strontium chloride", "White crystals", kKindSolid, 158.53f, 3.05f, 1147, 1523, 43.5f, 101.0f, 0.48, kWhite, 285, {255, 0, 40}, 271.6, 190.0, 0},
    {7758987, "CuSO_4", "Copper(II) sulfate", "Anhydrous, greyish white; blue in water", kKindSolid, 159.61f, 3.60f, 383, 923, 14.3f, 75.4f, 0.63, {40, 110, 230}, 286, {0, 200, 150}, 267.2, 260.0, 0},
    {7757826, "Na_2SO_4", "Sodium sulfate", "White crystalline powder", kKindSolid, 142.04f, 2.66f, 1157, 1702, 4.8f, 42.5f, 0.90, kWhite, 284, {255, 200, 0}, 259.8, 180.0, 0},
    {7761888, "AgNO_3", "Silver nitrate", "Colourless crystals; stains skin", kKindSolid, 169.87f, 4.35f, 483, 713, 122.0f, 733.0f, 0.54, kWhite, 284, kNoFlame, 133.3, 70.0, 0},
    {7757791, "KNO_3", "Potassium nitrate", "Colourless crystals (saltpetre)", kKindSolid, 101.10f, 2.11f, 607, 673, 13.3f, 246.0f, 0.95, kWhite, 284, {200, 160, 255}, 145.0, 65.0, 0},
    {7681494, "NaF", "Sodium fluoride", "White powder", kKindSolid, 41.99f, 2.56f, 1266, 1977, 3.66f, 5.1f, 1.11, kWhite, 284, {255, 200, 0}, 105.4, 60.0, 0},
    {12125029, "NH_4Cl", "Ammonium chloride", "White crystals (sal ammoniac)", kKindSolid, 53.49f, 1.53f, 611, 793, 29.4f, 75.8f, 1.57, kWhite, 284, kNoFlame, 149.7, 62.0, 0},
    {497198, "Na_2CO_3", "Sodium carbonate", "Washing soda, anhydrous white powder", kKindSolid, 105.99f, 2.54f, 1124, 1873, 7.0f, 45.5f, 1.04, kWhite, 287, {255, 200, 0}, 239.4, 180.0, 0},
    {144558, "NaHCO_3", "Sodium hydrogen carbonate", "Baking soda", kKindSolid, 84.01f, 2.20f, 323, 1124, 6.9f, 23.6f, 1.03, kWhite, 287, {255, 200, 0}, 94.5, 60.0, 0},
    {10101630, "PbI_2", "Lead(II) iodide", "Bright yellow precipitate", kKindSolid, 461.01f, 6.16f, 675, 1145, 0.044f, 0.41f, 0.17, {250, 220, 30}, 282, kNoFlame, 0, 0, 0},
    {10099748, "Pb(NO_3)_2", "Lead(II) nitrate", "White crystals; toxic", kKindSolid, 331.21f, 4.53f, 743, 743, 37.6f, 127.0f, 0.45, kWhite, 284, kNoFlame, 260.0, 190.0, 0},
    {7681110, "KI", "Potassium iodide", "White crystals", kKindSolid, 166.00f, 3.12f, 954, 1603, 128.0f, 206.0f, 0.31, kWhite, 284, {200, 160, 255}, 150.3, 62.0, 0},
    // Indicators.
    {77098, "C_2_0H_1_4O_4", "Phenolphthalein", "Acid-base indicator: colourless below pH 8.2, pink above 10", kKindSolid, 318.32f, 1.28f, 536, 830, 0.04f, 0.2f, 1.20, kWhite, 284, kNoFlame, 0, 0, 0},
    // Precipitates.
    {7783906, "AgCl", "Silver chloride", "White curdy precipitate; darkens in light", kKindSolid, 143.32f, 5.56f, 728, 1823, 0.00007f, 0.0021f, 0.36, kWhite, 282, kNoFlame, 0, 0, 0},
    {7727437, "BaSO_4", "Barium sulfate", "Fine white precipitate", kKindSolid, 233.39f, 4.50f, 1853, 1873, 0.00019f, 0.0004f, 0.46, kWhite, 282, {170, 255, 100}, 0, 0, 0},
    {471341, "CaCO_3", "Calcium carbonate", "Chalk, limestone; white precipitate", kKindSolid, 100.09f, 2.71f, 1098, 1173, 0.0013f, 0.0018f, 0.82, kWhite, 288, {255, 90, 30}, 0, 0, 0},
    {20427592, "Cu(OH)_2", "Copper(II) hydroxide", "Pale blue gelatinous precipitate", kKindSolid, 97.56f, 3.37f, 353, 353, 0.0001f, 0.0001f, 0.80, {110, 170, 230}, 282, {0, 200, 150}, 0, 0, 0},
    {1309337, "Fe(OH)_3", "Iron(III) hydroxide", "Rust-brown precipitate", kKindSolid, 106.87f, 3.40f, 623, 623, 0.0001f, 0.0001f, 0.70, {150, 70, 20}, 282, kNoFlame, 0, 0, 0},
    // Gases.
    {124389, "CO_2", "Carbon dioxide", "Colourless gas; turns limewater milky", kKindGas, 44.01f, 0.00198f, 216, 195, 0.335f, 0.058f, 0.84, kWhite, 0, kNoFlame, 0, 0, 0},
    {1333740, "H_2", "Hydrogen", "Colourless gas; burns with a squeaky pop", kKindGas, 2.016f, 0.0000899f, 14, 20, 0.00019f, 0.0001f, 14.3, kWhite, 0, kNoFlame, 0, 0, 0},
    {7782447, "O_2", "Oxygen", "Colourless gas; relights a glowing splint", kKindGas, 32.00f, 0.00143f, 54, 90, 0.0070f, 0.0033f, 0.92, kWhite, 0, kNoFlame, 0, 0, 0},
    {7664417, "NH_3", "Ammonia", "Colourless gas with a sharp smell", kKindGas, 17.03f, 0.00073f, 195, 240, 89.9f, 7.4f, 2.06, kWhite, 0, kNoFlame, 0, 0, 0},
    {7782505, "Cl_2", "Chlorine", "Yellow-green toxic gas", kKindGas, 70.90f, 0.00321f, 172, 239, 1.46f, 0.1f, 0.48, {200, 220, 90}, 0, kNoFlame, 0, 0, 0},
};
// clang-format on

// "_" and "^" mark the next character; everything else is copied.
void StoreFormula(const char* written, char (&stored)[kFormulaLength]) {
    size_t at = 0;
    for (const char* p = written; *p && at + 2 < kFormulaLength; ++p) {
        if ((*p == '_' || *p == '^') && p[1]) {
            stored[at++] = char(*p == '_' ? kFormulaSubscript : kFormulaSuperscript);
            ++p;
        }
        stored[at++] = *p;
    }
    stored[at] = '\0';
}

ChemicalRecord RecordOf(const MasterRow& row) {
    ChemicalRecord r{};
    r.cas = row.cas;
    StoreFormula(row.formula, r.formula);
    strncpy(r.name, row.name, sizeof r.name - 1);
    strncpy(r.description, row.description, sizeof r.description - 1);
    r.flags = kChemStock;
    r.state = row.state;
    r.colour[0] = row.colour.r, r.colour[1] = row.colour.g, r.colour[2] = row.colour.b;
    if (row.pattern) r.brushStyle = 3, r.patternId = row.pattern;
    r.molarMass = row.molarMass;
    r.density = row.density;
    r.meltingPoint = row.melting;
    r.boilingPoint = row.boiling;
    r.solubility273 = row.solubility273;
    r.solubility373 = row.solubility373;
    r.databaseValue = row.specificHeat;
    r.ionCharge = row.ionCharge;
    if (row.flame.r || row.flame.g || row.flame.b) {
        r.flags |= 0x200;  // has a flame colour
        r.flameColour[0] = row.flame.r, r.flameColour[1] = row.flame.g, r.flameColour[2] = row.flame.b;
    }
    if (row.conductivityA > 0) {
        r.flags |= 0x400;  // conducts
        r.conductivityA = row.conductivityA;
        r.conductivityB = row.conductivityB;
    }
    return r;
}

}  // namespace

std::vector<ChemicalRecord> MasterChemicals() {
    std::vector<ChemicalRecord> records;
    ChemicalRecord water = BuiltInWaterRecord();
    strcpy(water.description, "Pure water, the solvent of every lab");
    water.databaseValue = 4.184;
    records.push_back(water);
    for (const MasterRow& row : kRows) records.push_back(RecordOf(row));
    return records;
}

}  // namespace parvell
