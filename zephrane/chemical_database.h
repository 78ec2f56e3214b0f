// The chemical-database library: every query answers from the block of
// ChemicalRecords registered last. The exported names are plain C names so the
// library's .def file exports them undecorated.
#pragma once
#include <cstdint>

#include "common/chemical_record.h"

// Copies count records as the current table (a null block or count <= 0
// empties it). A copy, so a block freed after registering leaves no dangling
// table behind.
void RegisterChemicals(const ChemicalRecord* records, int32_t count);

extern "C" {
int Number_Chem_Available(void);
CasNumber Chemical_ID(int index);             // 0 outside the table
const char* Chemical_Available(int index);    // list text (name); "" outside
int getChemInfoIndex(CasNumber key);          // -1 when absent
const char* Chemical_Name(CasNumber key);     // "" when absent
const char* Chemical_Formula(CasNumber key);  // with its marker bytes
double Chemical_GMW(CasNumber key);           // g/mol; 0 when absent
double Chemical_Density(CasNumber key);       // g/ml; 0 when absent
int Chemical_State(CasNumber key, int position);
uint32_t Chemical_ChemType(CasNumber key);
uint32_t Chemical_ChemTypeEx(CasNumber key, int position);
double Chemical_SolutionMolarity(CasNumber key, int position);
uint32_t Chemical_Color(CasNumber key);       // 0x00BBGGRR
uint32_t Chemical_FlameColor(CasNumber key);  // 0x00BBGGRR
int Chemical_BrushStyle(CasNumber key);
int Chemical_Pattern_Hatch(CasNumber key);
double Chemical_GetConductivityCoefficientA(CasNumber key);
double Chemical_GetConductivityCoefficientB(CasNumber key);
}

// Flag bits the authoring module sets in a record's flag word.
constexpr uint32_t kChemHasFlameColour = 0x200;
constexpr uint32_t kChemConducts = 0x400;

// 0x00BBGGRR colour words as the library returns them.
inline uint8_t ColourRed(uint32_t colour) { return uint8_t(colour & 0xFF); }
inline uint8_t ColourGreen(uint32_t colour) { return uint8_t((colour >> 8) & 0xFF); }
inline uint8_t ColourBlue(uint32_t colour) { return uint8_t((colour >> 16) & 0xFF); }
