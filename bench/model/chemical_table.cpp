#include "bench/model/chemical_table.h"

#include <cmath>
#include <cstring>

ChemicalTableState ChemicalTable = {nullptr, 0};

void SetChemicalTable(const ChemicalRecord* records, int32_t count) {
    if (!records || count <= 0) {
        ChemicalTable = {nullptr, 0};
        return;
    }
    ChemicalTable = {records, count};
}

namespace {

const ChemicalRecord* RecordAt(int32_t index) {
    if (!ChemicalTable.records || index < 0 || index >= ChemicalTable.count) return nullptr;
    return &ChemicalTable.records[index];
}

const ChemicalRecord* FindFrom(CasNumber cas, int32_t start) {
    const int32_t index = FindChemical(cas, start);
    return index < 0 ? nullptr : &ChemicalTable.records[index];
}

// A text field need not end in a NUL (modules and files fill them to the
// brim), so it is copied by its width into a buffer one byte longer.
template <size_t Width>
struct TextBuffer {
    char text[Width + 1];

    const char* CopyFrom(const char (&field)[Width]) {
        size_t length = 0;
        while (length < Width && field[length] != '\0') ++length;
        std::memcpy(text, field, length);
        text[length] = '\0';
        return text;
    }
    const char* Empty() {
        text[0] = '\0';
        return text;
    }
};

TextBuffer<kChemNameLength> nameBuffer;
TextBuffer<kChemNameLength> nameAtBuffer;
TextBuffer<kFormulaLength> formulaBuffer;
TextBuffer<kChemDescriptionLength> descriptionBuffer;
TextBuffer<kUnknownNameLength> unknownNameBuffer;
TextBuffer<kUnknownNameLength> unknownNameAtBuffer;

// A module's record may carry NaN or infinity; those read as the value of an
// absent chemical so nothing non-finite travels on into object records.
double FiniteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

uint32_t ColourOf(const uint8_t (&rgb)[3]) {
    return uint32_t{rgb[0]} | uint32_t{rgb[1]} << 8 | uint32_t{rgb[2]} << 16;
}

// One field of a record, or the lookup's default when there is no record.
template <typename Field>
Field FieldOf(const ChemicalRecord* record, Field ChemicalRecord::*field, Field fallback) {
    return record ? record->*field : fallback;
}

template <typename Number>
double NumberOf(const ChemicalRecord* record, Number ChemicalRecord::*field, double fallback) {
    return record ? FiniteOr(record->*field, fallback) : fallback;
}

uint32_t ColourOf(const ChemicalRecord* record, uint8_t (ChemicalRecord::*field)[3]) {
    return record ? ColourOf(record->*field) : 0;
}

}  // namespace

int32_t ChemicalCount() { return ChemicalTable.records ? ChemicalTable.count : 0; }

CasNumber ChemicalIdAt(int32_t index) {
    const ChemicalRecord* record = RecordAt(index);
    return record ? record->cas : 0;
}

const char* ChemicalNameAt(int32_t index) {
    const ChemicalRecord* record = RecordAt(index);
    return record ? nameAtBuffer.CopyFrom(record->name) : nullptr;
}

const char* UnknownNameAt(int32_t index) {
    const ChemicalRecord* record = RecordAt(index);
    if (!record) return nullptr;
    if (record->unknownName[0] == '\0') return "Unknown";
    return unknownNameAtBuffer.CopyFrom(record->unknownName);
}

int32_t FindChemical(CasNumber cas, int32_t start) {
    const int32_t count = ChemicalCount();
    if (count == 0) return -1;
    if (start < 0 || start >= count) start = 0;
    for (int32_t i = start; i < count; ++i)
        if (ChemicalTable.records[i].cas == cas) return i;
    for (int32_t i = 0; i < start; ++i)
        if (ChemicalTable.records[i].cas == cas) return i;
    return -1;
}

int32_t ChemicalIndex(CasNumber cas) { return FindChemical(cas, 0); }

const ChemicalRecord* FindChemicalRecord(CasNumber cas) { return FindFrom(cas, 0); }

const char* ChemicalName(CasNumber cas) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return record ? nameBuffer.CopyFrom(record->name) : nameBuffer.Empty();
}

const char* ChemicalFormula(CasNumber cas) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return record ? formulaBuffer.CopyFrom(record->formula) : formulaBuffer.Empty();
}

const char* ChemicalDescription(CasNumber cas) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return record ? descriptionBuffer.CopyFrom(record->description) : descriptionBuffer.Empty();
}

const char* UnknownName(CasNumber cas) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return record ? unknownNameBuffer.CopyFrom(record->unknownName) : unknownNameBuffer.Empty();
}

double BoilingPoint(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::boilingPoint, 0); }

double MeltingPoint(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::meltingPoint, 0); }

double Density(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::density, 0); }

double MolarMass(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::molarMass, 0); }

double MolesOf(CasNumber cas, double grams) {
    const double molarMass = MolarMass(cas);
    if (!(molarMass > 0)) return 0;
    return FiniteOr(grams / molarMass, 0);
}

uint32_t ChemicalColour(CasNumber cas) { return ColourOf(FindChemicalRecord(cas), &ChemicalRecord::colour); }

uint32_t FlameColour(CasNumber cas) { return ColourOf(FindChemicalRecord(cas), &ChemicalRecord::flameColour); }

int32_t BrushStyle(CasNumber cas) { return FieldOf(FindChemicalRecord(cas), &ChemicalRecord::brushStyle, -1); }

int32_t PatternId(CasNumber cas) { return FieldOf(FindChemicalRecord(cas), &ChemicalRecord::patternId, -1); }

uint32_t ChemicalFlags(CasNumber cas) { return FieldOf(FindChemicalRecord(cas), &ChemicalRecord::flags, 0u); }

// The straight line through the two tabulated points, also outside them.
double Solubility(CasNumber cas, double kelvin) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    if (!record) return -1;
    const double s273 = record->solubility273;
    const double s373 = record->solubility373;
    const double s = (s273 * 373 - s373 * 273) / 100 + (s373 - s273) * kelvin / 100;
    if (!std::isfinite(s) || s < 0) return 0;
    return s;
}

double ConductivityA(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::conductivityA, -1); }

double ConductivityB(CasNumber cas) { return NumberOf(FindChemicalRecord(cas), &ChemicalRecord::conductivityB, -1); }

const ReactionTextRef* ReactionLineRef(CasNumber cas, int32_t i) {
    if (i < 0 || i >= kReactionRefCount) return nullptr;
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return record ? &record->reactionRefs[i] : nullptr;
}

double ChemicalCoefficient(CasNumber cas, int32_t k) {
    if (k < 1 || k > 10) return -1;
    const ChemicalRecord* record = FindChemicalRecord(cas);
    if (!record) return -1;
    return FiniteOr(k <= 6 ? record->coefficients[k - 1] : record->coefficientsF[k - 7], -1);
}

uint32_t ChemicalFlagsFrom(CasNumber cas, int32_t start) { return FieldOf(FindFrom(cas, start), &ChemicalRecord::flags, 0u); }

int32_t ChemicalStateFrom(CasNumber cas, int32_t start) { return FieldOf(FindFrom(cas, start), &ChemicalRecord::state, 0); }

double MolarityFrom(CasNumber cas, int32_t start) { return NumberOf(FindFrom(cas, start), &ChemicalRecord::molarity, 0); }

CasNumber SolventFrom(CasNumber cas, int32_t start) { return FieldOf(FindFrom(cas, start), &ChemicalRecord::solventCas, CasNumber{0}); }

double GramsPerUnitFrom(CasNumber cas, int32_t start) { return NumberOf(FindFrom(cas, start), &ChemicalRecord::gramsPerUnit, 0); }

CasNumber MixtureComponent(CasNumber cas, int32_t start, int32_t k) {
    if (k < 1 || k > kMixtureComponentCount) return 0;
    const ChemicalRecord* record = FindFrom(cas, start);
    return record ? record->mixture[k - 1].cas : 0;
}

double MixtureFraction(CasNumber cas, int32_t start, int32_t k) {
    if (k < 1 || k > kMixtureComponentCount) return 0;
    const ChemicalRecord* record = FindFrom(cas, start);
    return record ? FiniteOr(record->mixture[k - 1].fraction, 0) : 0;
}
