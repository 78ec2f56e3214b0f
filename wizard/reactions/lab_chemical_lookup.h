// The lab's chemicals as the wizard's pages name them: by key, with every
// text field of a record read bounded (a record from a file may fill its field).
#pragma once
#include <string>
#include <vector>

#include "common/chemical_record.h"

namespace parvell {

// The first lab chemical with that key; null when the lab has none.
const ChemicalRecord* FindLabChemical(const std::vector<ChemicalRecord>& chemicals, CasNumber cas);

std::string ChemicalNameOf(const ChemicalRecord& record);
// The stored formula, marker bytes and all.
std::string StoredFormulaOf(const ChemicalRecord& record);

// The lab chemical's name, or its key as digits when the lab has no such chemical.
std::string LabChemicalName(const std::vector<ChemicalRecord>& chemicals, CasNumber cas);

// A fixed text field as a string: up to the first NUL or the field's end.
std::string BoundedText(const char* field, size_t fieldLength);
// Copies text into a fixed field: at most fieldLength - 1 characters, the
// rest of the field zero.
void StoreBoundedText(const std::string& text, char* field, size_t fieldLength);

}  // namespace parvell
