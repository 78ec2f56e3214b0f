#include "wizard/database/formula_draw_win.h"

#include <vector>

#include "wizard/database/chemical_formula.h"

namespace {

int TextShift(HDC dc) {
    TEXTMETRICA metrics{};
    return GetTextMetricsA(dc, &metrics) ? metrics.tmHeight / 3 : 0;
}

// Each character is placed at the advance the font's metrics give it, so the
// runs of one formula meet where their widths say. (Wine's own Tahoma draws
// plain text narrower than its metrics; without the advances a run after a
// long name would stand apart.)
int DrawRun(HDC dc, int x, int y, const char* text, int length) {
    if (length <= 0) return x;
    std::vector<INT> ends(size_t(length), 0), advances(size_t(length), 0);
    SIZE extent{};
    if (!GetTextExtentExPointA(dc, text, length, 0, nullptr, ends.data(), &extent)) return x;
    for (int i = 0; i < length; ++i) advances[size_t(i)] = ends[size_t(i)] - (i ? ends[size_t(i) - 1] : 0);
    ExtTextOutA(dc, x, y, 0, nullptr, text, UINT(length), advances.data());
    return x + extent.cx;
}

}  // namespace

int DrawPlainThenFormula(HDC dc, int x, int y, const std::string& plain, const char* formula, size_t length) {
    int oldMode = SetBkMode(dc, TRANSPARENT);
    x = DrawRun(dc, x, y, plain.data(), int(plain.size()));
    const int shift = TextShift(dc);
    // Characters of one shift in a row go out as one run, so kerning and
    // spacing inside a run are the font's own.
    std::vector<parvell::FormulaCharacter> characters = parvell::ReadStoredFormula(formula, length);
    size_t start = 0;
    while (start < characters.size()) {
        size_t end = start;
        std::string run;
        while (end < characters.size() && characters[end].shift == characters[start].shift)
            run += characters[end++].character;
        int dy = characters[start].shift == parvell::FormulaShift::kSubscript     ? shift
                 : characters[start].shift == parvell::FormulaShift::kSuperscript ? -shift
                                                                                  : 0;
        x = DrawRun(dc, x, y + dy, run.data(), int(run.size()));
        start = end;
    }
    SetBkMode(dc, oldMode);
    return x;
}

void DrawFormulaListItem(const DRAWITEMSTRUCT& item, const std::string& plain, const char* formula, size_t length) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != UINT(-1)) {
        COLORREF oldText = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        if (item.itemState & ODS_DISABLED) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawPlainThenFormula(dc, r.left + 2, r.top + TextShift(dc), plain, formula, length);
        SetTextColor(dc, oldText);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

int FormulaTextWidth(HDC dc, const std::string& plain, const char* formula, size_t length) {
    std::string shown = plain;
    for (const parvell::FormulaCharacter& c : parvell::ReadStoredFormula(formula, length)) shown += c.character;
    SIZE extent{};
    GetTextExtentPoint32A(dc, shown.data(), int(shown.size()), &extent);
    return extent.cx;
}

int FormulaItemHeight(HWND window) {
    HDC dc = GetDC(window);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (old) SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight + 2 * (metrics.tmHeight / 3) + 1;
}
