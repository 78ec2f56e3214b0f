// The formula line of the chemical database dialog: a one-line rich edit in
// which a subscript character is lowered and a superscript one raised by a
// quarter of the character height.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "wizard/database/chemical_formula.h"

// Shows a stored formula: the marker bytes go, their characters are offset.
void ShowFormulaInLine(HWND line, const char* stored, size_t length);

// The stored form of what the line holds, read character by character from
// each one's offset (or sub- and superscript effect, as pasted text brings).
std::string StoredFormulaOfLine(HWND line);

// Lowers, raises or resets the selected characters; with nothing selected,
// the characters typed next.
void ShiftFormulaSelection(HWND line, parvell::FormulaShift shift);
