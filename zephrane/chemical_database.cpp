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
    const ChemicalRecord* r = Find(key);
    return r ? double(r->molarMass) : 0.0;
}

double Chemical_Density(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? double(r->density) : 0.0;
}

int Chemical_State(CasNumber key, int) {
    const ChemicalRecord* r = Find(key);
    return r ? r->state : 0;
}

uint32_t Chemical_ChemType(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? r->flags : 0;
}

uint32_t Chemical_ChemTypeEx(CasNumber key, int) { return Chemical_ChemType(key); }

double Chemical_SolutionMolarity(CasNumber key, int) {
    const ChemicalRecord* r = Find(key);
    return r ? r->molarity : 0.0;
}

uint32_t Chemical_Color(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? ColourWord(r->colour) : 0;
}

uint32_t Chemical_FlameColor(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? ColourWord(r->flameColour) : 0;
}

int Chemical_BrushStyle(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? r->brushStyle : 0;
}

int Chemical_Pattern_Hatch(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? r->patternId : 0;
}

double Chemical_GetConductivityCoefficientA(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? r->conductivityA : 0.0;
}

double Chemical_GetConductivityCoefficientB(CasNumber key) {
    const ChemicalRecord* r = Find(key);
    return r ? r->conductivityB : 0.0;
}

}  // extern "C"
