#include "wizard/reactions/equation_line_win.h"

#include "wizard/database/chemical_formula.h"

void SetEquationLine(HWND control, const std::string& storedLine) {
    std::string plain;
    for (const parvell::FormulaCharacter& c : parvell::ReadStoredFormula(storedLine.data(), storedLine.size()))
        plain += c.character;
    SetWindowTextA(control, plain.c_str());
    InvalidateRect(control, nullptr, TRUE);
}

void DrawEquationLine(const DRAWITEMSTRUCT& item, const std::string& storedLine) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(item.hwndItem), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int top = area.top + (area.bottom - area.top - metrics.tmHeight) / 2;
    const int shift = metrics.tmHeight / 3;
    int x = area.left + 3;
    for (const parvell::FormulaCharacter& c : parvell::ReadStoredFormula(storedLine.data(), storedLine.size())) {
        int y = top;
        if (c.shift == parvell::FormulaShift::kSubscript) y += shift;
        if (c.shift == parvell::FormulaShift::kSuperscript) y -= shift;
        SIZE size = {};
        GetTextExtentPoint32A(dc, &c.character, 1, &size);
        TextOutA(dc, x, y, &c.character, 1);
        x += size.cx;
        if (x >= area.right) break;
    }
    if (oldFont) SelectObject(dc, oldFont);
}
