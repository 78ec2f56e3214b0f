// Building a lab's constant chemical table from readable rows, and looking
// records up in it. Everything is constexpr so each table stays constant data.
#pragma once
#include <cstdint>

#include "common/chemical_record.h"
#include "common/component_slot.h"

constexpr unsigned char kHydrateDot = 0xB7;

// One row of a lab's table as a chemist reads it. The formula is plain text
// ("K2Cr2O7", "Cu(NO3)2\xB73H2O"): the subscript markers are put in for it.
struct LabChemicalRow {
    CasNumber cas;
    const char* name;
    const char* description;
    const char* formula;
    int32_t state;  // ChemicalKind
    uint32_t flags;  // ChemicalFlagBits
    uint8_t red, green, blue;
    int32_t brushStyle;
    int32_t patternId;
    float molarMass;
    float density;
    float meltingPoint;
    float boilingPoint;
    float solubility273;
    float solubility373;
};

// Distilled water as most labs list it.
constexpr LabChemicalRow kDistilledWaterRow = {kCasWater, "Distilled Water", "Colorless Liq", "H2O",
                                               kKindLiquid, kChemStock, 255, 255, 255, 0, 0,
                                               18.0153f, 1.0f, 273.0f, 373.0f, -1.0f, -1.0f};

constexpr bool IsFormulaDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsFormulaLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A digit after an element symbol, a closing bracket or another lowered digit
// is a subscript; one after the hydrate dot (or at the start) is a count.
constexpr void EncodeFormula(const char* plain, char* out, int outLength) {
    int written = 0;
    bool lowering = false;
    char previous = '\0';
    for (const char* p = plain; *p && written < outLength - 1; ++p) {
        const char c = *p;
        if (IsFormulaDigit(c)) {
            lowering = IsFormulaLetter(previous) || previous == ')' || (lowering && IsFormulaDigit(previous));
            if (lowering) {
                if (written + 2 > outLength - 1) break;  // never end on a marker
                out[written++] = static_cast<char>(kFormulaSubscript);
            }
        } else {
            lowering = false;
        }
        out[written++] = c;
        previous = c;
    }
    out[written] = '\0';
}

constexpr void CopyRecordText(char* field, int fieldLength, const char* text) {
    int i = 0;
    for (; text && text[i] && i < fieldLength - 1; ++i) field[i] = text[i];
    field[i] = '\0';
}

constexpr ChemicalRecord MakeLabChemical(const LabChemicalRow& row) {
    ChemicalRecord record{};
    record.cas = row.cas;
    EncodeFormula(row.formula, record.formula, kFormulaLength);
    CopyRecordText(record.name, kChemNameLength, row.name);
    CopyRecordText(record.description, kChemDescriptionLength, row.description);
    record.flags = row.flags;
    record.state = row.state;
    record.colour[0] = row.red;
    record.colour[1] = row.green;
    record.colour[2] = row.blue;
    record.brushStyle = row.brushStyle;
    record.patternId = row.patternId;
    record.molarMass = row.molarMass;
    record.density = row.density;
    record.meltingPoint = row.meltingPoint;
    record.boilingPoint = row.boilingPoint;
    record.solubility273 = row.solubility273;
    record.solubility373 = row.solubility373;
    return record;
}

constexpr ChemicalRecord WithReactionLine(ChemicalRecord record, int32_t line, uint32_t phaseMask) {
    for (ReactionTextRef& ref : record.reactionRefs) {
        if (ref.line == 0) {
            ref.line = line;
            ref.phaseMask = phaseMask;
            break;
        }
    }
    return record;
}

// The record of cas in a lab's table, or null.
constexpr const ChemicalRecord* FindLabChemical(const ChemicalRecord* table, int32_t count,
                                                CasNumber cas) {
    for (int32_t i = 0; i < count; ++i)
        if (table[i].cas == cas) return &table[i];
    return nullptr;
}

// Grams over ml for a slot's chemical; an unknown chemical or a density of 0
// or less counts as water.
constexpr double LabDensity(const ChemicalRecord* table, int32_t count, CasNumber cas) {
    const ChemicalRecord* record = FindLabChemical(table, count, cas);
    return record && record->density > 0.0f ? record->density : 1.0;
}
