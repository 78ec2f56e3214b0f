// A formula as the rich-edit line shows it (characters raised or lowered) and
// as a record stores it (a marker byte before each such character).
#pragma once
#include <string>
#include <vector>

#include "common/chemical_record.h"

namespace parvell {

enum class FormulaShift { kBaseline, kSubscript, kSuperscript };

struct FormulaCharacter {
    char character;
    FormulaShift shift;
};

// The characters of a stored formula, read no further than length bytes; a
// marker with no character after it is dropped.
std::vector<FormulaCharacter> ReadStoredFormula(const char* stored, size_t length);

// The stored form: at most kFormulaLength - 1 bytes, so it always fits with
// its terminator; a character whose marker would not fit with it is left out
// whole, so the formula never ends on a marker. Characters that are marker
// bytes themselves are left out.
std::string StoreFormula(const std::vector<FormulaCharacter>& characters);

}  // namespace parvell
