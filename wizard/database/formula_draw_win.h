// Formulas in owner-drawn lists and labels: the character after 0x7F a third
// of the text height lower, the one after 0xC7 a third higher, the markers
// themselves not drawn.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Draws plain text and then the stored formula from (x, y) in the DC's font
// and colours, transparently; returns the x where drawing ended.
int DrawPlainThenFormula(HDC dc, int x, int y, const std::string& plain, const char* formula, size_t length);

// An owner-drawn list box item: the highlight when selected, the text a third
// of the text height below the item's top (room for raised characters) and
// the focus frame.
void DrawFormulaListItem(const DRAWITEMSTRUCT& item, const std::string& plain, const char* formula, size_t length);

// How wide plain and the formula are drawn in the DC's font.
int FormulaTextWidth(HDC dc, const std::string& plain, const char* formula, size_t length);

// The item height that leaves a third of the text height above and below.
int FormulaItemHeight(HWND window);
