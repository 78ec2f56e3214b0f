#include "wizard/database/chemical_formula.h"

namespace parvell {

std::vector<FormulaCharacter> ReadStoredFormula(const char* stored, size_t length) {
    std::vector<FormulaCharacter> characters;
    FormulaShift pending = FormulaShift::kBaseline;
    for (size_t i = 0; i < length && stored[i]; ++i) {
        unsigned char c = static_cast<unsigned char>(stored[i]);
        if (c == kFormulaSubscript) {
            pending = FormulaShift::kSubscript;
        } else if (c == kFormulaSuperscript) {
            pending = FormulaShift::kSuperscript;
        } else {
            characters.push_back({char(c), pending});
            pending = FormulaShift::kBaseline;
        }
    }
    return characters;
}

std::string StoreFormula(const std::vector<FormulaCharacter>& characters) {
    std::string stored;
    for (const FormulaCharacter& c : characters) {
        // A typed marker byte (0xC7 is a letter in the ANSI code page) would
        // shift the character after it when read back.
        unsigned char byte = static_cast<unsigned char>(c.character);
        if (byte == kFormulaSubscript || byte == kFormulaSuperscript || byte == 0) continue;
        size_t needed = c.shift == FormulaShift::kBaseline ? 1 : 2;
        if (stored.size() + needed > size_t(kFormulaLength - 1)) break;
        if (c.shift == FormulaShift::kSubscript) stored += char(kFormulaSubscript);
        if (c.shift == FormulaShift::kSuperscript) stored += char(kFormulaSuperscript);
        stored += c.character;
    }
    return stored;
}

}  // namespace parvell
