// The loaded lab's chemicals, looked up by CAS number. Every lookup answers
// a fixed default when the chemical is absent or no table is loaded.
#pragma once
#include <cstdint>

#include "common/chemical_record.h"

struct ChemicalTableState {
    const ChemicalRecord* records;  // locked block of the loaded module
    int32_t count;
};

extern ChemicalTableState ChemicalTable;

// Points the table at a block (count < 0 counts as 0); null empties it.
void SetChemicalTable(const ChemicalRecord* records, int32_t count);

int32_t ChemicalCount();
CasNumber ChemicalIdAt(int32_t index);
const char* ChemicalNameAt(int32_t index);  // null outside the table
const char* UnknownNameAt(int32_t index);   // null outside; "Unknown" when empty

// Texts are copied bounded by their field width, so a field without a NUL is
// safe; the returned pointer is valid until the next call of the same kind.
const char* ChemicalName(CasNumber cas);
const char* ChemicalFormula(CasNumber cas);
const char* ChemicalDescription(CasNumber cas);
const char* UnknownName(CasNumber cas);

double BoilingPoint(CasNumber cas);
double MeltingPoint(CasNumber cas);
double Density(CasNumber cas);
double MolarMass(CasNumber cas);
double MolesOf(CasNumber cas, double grams);
uint32_t ChemicalColour(CasNumber cas);  // 0x00BBGGRR
uint32_t FlameColour(CasNumber cas);
int32_t BrushStyle(CasNumber cas);
int32_t PatternId(CasNumber cas);
uint32_t ChemicalFlags(CasNumber cas);
double Solubility(CasNumber cas, double kelvin);  // g per 100 g water; -1 absent
double ConductivityA(CasNumber cas);
double ConductivityB(CasNumber cas);
const ReactionTextRef* ReactionLineRef(CasNumber cas, int32_t i);
int32_t FindChemical(CasNumber cas, int32_t start);
int32_t ChemicalIndex(CasNumber cas);
double ChemicalCoefficient(CasNumber cas, int32_t k);  // k 1..10
uint32_t ChemicalFlagsFrom(CasNumber cas, int32_t start);
int32_t ChemicalStateFrom(CasNumber cas, int32_t start);
double MolarityFrom(CasNumber cas, int32_t start);
CasNumber SolventFrom(CasNumber cas, int32_t start);
double GramsPerUnitFrom(CasNumber cas, int32_t start);
CasNumber MixtureComponent(CasNumber cas, int32_t start, int32_t k);  // k 1..4
double MixtureFraction(CasNumber cas, int32_t start, int32_t k);

// The record itself, or null.
const ChemicalRecord* FindChemicalRecord(CasNumber cas);
