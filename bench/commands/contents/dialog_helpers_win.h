// Helpers shared by the object dialogs: formulas with lowered and raised
// characters, drop-down lists that carry a number per item, the user's
// decimal separator and the owner-drawn chemical lists.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "bench/commands/contents/container_choices.h"

// Draws text from (x, y): byte 0x7F lowers the next character by a third of
// the character height, byte 0xC7 raises it; other characters are drawn in
// runs, each clipped and opaque to its own piece of rect (the first from the
// rect's left, the last to its right). 1 at the end of the text, 0 when a
// marker is the last byte or drawing fails.
int DrawFormulaText(HDC dc, int x, int y, const RECT* rect, const char* text);

// The position of the first item whose data is value, or -1.
int ComboIndexOfData(HWND dialog, int listId, int value);
// The data of the selected item, or -1 when nothing is selected.
int ComboSelectedData(HWND dialog, int listId);
// Replaces the list's items; selects the item whose data is selected (the
// first when none has it). Returns the selected position, -1 when empty.
int FillCombo(HWND dialog, int listId, const std::vector<ListChoice>& choices, int selected);

// The locale's decimal separator; "." when it cannot be read.
std::string UserDecimalSeparator();

// An item of an owner-drawn chemical list (combo box or list box): the
// formula text at (left + 2, top + 1), grey when disabled, inverted when
// selected (in a combo box only while dropped down), the focus rectangle.
void DrawChemicalItem(const DRAWITEMSTRUCT& item);
// Item height: (lineFactor x character height + external leading + extra)
// x DPI / 96, from the dialog's font.
int ChemicalItemHeight(HWND dialog, double lineFactor, int extra);
