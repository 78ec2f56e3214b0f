#include "wizard/database/formula_line_win.h"

#include <richedit.h>

#include <vector>

namespace {

// Twips of the line's character height; 8 points when it cannot be read.
LONG CharacterHeight(HWND line) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    SendMessageA(line, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
    return format.yHeight > 0 ? format.yHeight : 160;
}

void Select(HWND line, LONG from, LONG to) {
    CHARRANGE range{from, to};
    SendMessageA(line, EM_EXSETSEL, 0, LPARAM(&range));
}

void SetSelectionShift(HWND line, parvell::FormulaShift shift, LONG height) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_OFFSET | CFM_SUBSCRIPT | CFM_SUPERSCRIPT;
    // Wine's rich edit draws an offset only when the effects carry the
    // offset's mask bit as well; Windows' riched20 has no effect of that
    // bit and ignores it.
    format.dwEffects = shift == parvell::FormulaShift::kBaseline ? 0 : CFM_OFFSET;
    format.yOffset = shift == parvell::FormulaShift::kSubscript     ? -height / 4
                     : shift == parvell::FormulaShift::kSuperscript ? height / 4
                                                                    : 0;
    SendMessageA(line, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

parvell::FormulaShift SelectionShift(HWND line) {
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_OFFSET | CFM_SUBSCRIPT | CFM_SUPERSCRIPT;
    SendMessageA(line, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    const DWORD effects = format.dwEffects & format.dwMask;
    if (format.yOffset < 0 || (effects & CFE_SUBSCRIPT)) return parvell::FormulaShift::kSubscript;
    if (format.yOffset > 0 || (effects & CFE_SUPERSCRIPT)) return parvell::FormulaShift::kSuperscript;
    return parvell::FormulaShift::kBaseline;
}

}  // namespace

void ShowFormulaInLine(HWND line, const char* stored, size_t length) {
    std::vector<parvell::FormulaCharacter> characters = parvell::ReadStoredFormula(stored, length);
    std::string text;
    for (const parvell::FormulaCharacter& c : characters) text += c.character;
    SetWindowTextA(line, text.c_str());
    const LONG height = CharacterHeight(line);
    Select(line, 0, -1);
    SetSelectionShift(line, parvell::FormulaShift::kBaseline, height);
    for (size_t i = 0; i < characters.size(); ++i) {
        if (characters[i].shift == parvell::FormulaShift::kBaseline) continue;
        Select(line, LONG(i), LONG(i + 1));
        SetSelectionShift(line, characters[i].shift, height);
    }
    // What is typed at the end of the line starts on the baseline.
    Select(line, LONG(text.size()), LONG(text.size()));
    SetSelectionShift(line, parvell::FormulaShift::kBaseline, height);
}

std::string StoredFormulaOfLine(HWND line) {
    const int length = GetWindowTextLengthA(line);
    std::string text(size_t(length) + 1, '\0');
    text.resize(size_t(GetWindowTextA(line, text.data(), length + 1)));
    CHARRANGE kept{};
    SendMessageA(line, EM_EXGETSEL, 0, LPARAM(&kept));
    std::vector<parvell::FormulaCharacter> characters;
    for (size_t i = 0; i < text.size(); ++i) {
        Select(line, LONG(i), LONG(i + 1));
        characters.push_back({text[i], SelectionShift(line)});
    }
    SendMessageA(line, EM_EXSETSEL, 0, LPARAM(&kept));
    return parvell::StoreFormula(characters);
}

void ShiftFormulaSelection(HWND line, parvell::FormulaShift shift) {
    SetSelectionShift(line, shift, CharacterHeight(line));
    SetFocus(line);
}
