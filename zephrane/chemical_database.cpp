#include "zephrane/chemical_database.h"

#include <cstring>
#include <vector>

namespace {

std::vector<ChemicalRecord> registered;

const ChemicalRecord* Find(CasNumber key) {
    for (const ChemicalRecord& r : registered)
        if (r.cas == key) return &r;
    return nullptr;
}

const ChemicalRecord* At(int index) {
    if (index < 0 || size_t(index) >= registered.size()) return nullptr;
    return &registered[size_t(index)];
}

// Text fields may come from a file without their NUL: copy bounded and
// terminate. One buffer per query, so a name and a formula can be held at once.
template <size_t N>
const char* BoundedText(char (&buffer)[N + 1], const char (&field)[N]) {
    size_t length = strnlen(field, N);
    memcpy(buffer, field, length);
    buffer[length] = '\0';
    return buffer;
}

// The field of the first record with that key, or the answer for a missing key.
template <class T, class Field>
T Answer(CasNumber key, T missing, Field field) {
    const ChemicalRecord* r = Find(key);
    return r ? T(field(*r)) : missing;
}

uint32_t ColourWord(const uint8_t rgb[3]) {
    return uint32_t(rgb[0]) | (uint32_t(rgb[1]) << 8) | (uint32_t(rgb[2]) << 16);
}

}  // namespace

void RegisterChemicals(const ChemicalRecord* records, int32_t count) {
    if (!records || count <= 0) {
        registered.clear();
        return;
    }
    registered.assign(records, records + count);
}

extern "C" {

int Number_Chem_Available(void) { return int(registered.size()); }

CasNumber Chemical_ID(int index) {
    const ChemicalRecord* r = At(index);
    return r ? r->cas : 0;
}

const char* Chemical_Available(int index) {
    static char buffer[kChemNameLength + 1];
    const ChemicalRecord* r = At(index);
    return r ? BoundedText<kChemNameLength>(buffer, r->name) : "";
}

int getChemInfoIndex(CasNumber key) {
    for (size_t i = 0; i < registered.size(); ++i)
        if (registered[i].cas == key) return int(i);
    return -1;
}

const char* Chemical_Name(CasNumber key) {
    static char buffer[kChemNameLength + 1];
    const ChemicalRecord* r = Find(key);
    return r ? BoundedText<kChemNameLength>(buffer, r->name) : "";
}

const char* Chemical_Formula(CasNumber key) {
    static char buffer[kFormulaLength + 1];
    const ChemicalRecord* r = Find(key);
    return r ? BoundedText<kFormulaLength>(buffer, r->formula) : "";
}

double Chemical_GMW(CasNumber key) {
    return Answer<double>(key, 0.0, [](const ChemicalRecord& r) { return double(r.molarMass); });
}

double Chemical_Density(CasNumber key) {
    return Answer<double>(key, 0.0, [](const ChemicalRecord& r) { return double(r.density); });
}

int Chemical_State(CasNumber key, int) {
    return Answer<int>(key, 0, [](const ChemicalRecord& r) { return r.state; });
}

uint32_t Chemical_ChemType(CasNumber key) {
    return Answer<uint32_t>(key, 0, [](const ChemicalRecord& r) { return r.flags; });
}

uint32_t Chemical_ChemTypeEx(CasNumber key, int) { return Chemical_ChemType(key); }

double Chemical_SolutionMolarity(CasNumber key, int) {
    return Answer<double>(key, 0.0, [](const ChemicalRecord& r) { return r.molarity; });
}

uint32_t Chemical_Color(CasNumber key) {
    return Answer<uint32_t>(key, 0, [](const ChemicalRecord& r) { return ColourWord(r.colour); });
}

uint32_t Chemical_FlameColor(CasNumber key) {
    return Answer<uint32_t>(key, 0, [](const ChemicalRecord& r) { return ColourWord(r.flameColour); });
}

int Chemical_BrushStyle(CasNumber key) {
    return Answer<int>(key, 0, [](const ChemicalRecord& r) { return r.brushStyle; });
}

int Chemical_Pattern_Hatch(CasNumber key) {
    return Answer<int>(key, 0, [](const ChemicalRecord& r) { return r.patternId; });
}

double Chemical_GetConductivityCoefficientA(CasNumber key) {
    return Answer<double>(key, 0.0, [](const ChemicalRecord& r) { return r.conductivityA; });
}

double Chemical_GetConductivityCoefficientB(CasNumber key) {
    return Answer<double>(key, 0.0, [](const ChemicalRecord& r) { return r.conductivityB; });
}

}  // extern "C"
