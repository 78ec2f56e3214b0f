// The Add Reactions page's equation line: an owner-drawn static showing a
// stored line (formula marker bytes and all) with its characters lowered and
// raised by a third of the text height.
#pragma once
#include <windows.h>

#include <string>

// Shows storedLine; the control's window text becomes its plain characters.
void SetEquationLine(HWND control, const std::string& storedLine);
// Call on WM_DRAWITEM for the control with the line it shows.
void DrawEquationLine(const DRAWITEMSTRUCT& item, const std::string& storedLine);
