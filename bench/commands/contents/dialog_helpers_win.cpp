#include "bench/commands/contents/dialog_helpers_win.h"

#include <cstring>
#include <vector>

int DrawFormulaText(HDC dc, int x, int y, const RECT* rect, const char* text) {
    if (!dc || !rect || !text) return 0;
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc, &metrics)) return 0;
    const int shift = metrics.tmHeight / 3;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    int cx = x;
    bool first = true;
    while (*p) {
        int dy = 0, length = 0;
        if (*p == 0x7F || *p == 0xC7) {
            dy = *p == 0x7F ? shift : -shift;
            if (!*++p) return 0;
            length = 1;
        } else {
            while (p[length] && p[length] != 0x7F && p[length] != 0xC7) ++length;
        }
        // Each character at the advance the font's metrics give it, so a
        // piece ends where its width says and the next meets it: Wine draws
        // a long plain run narrower than it measures.
        SIZE extent{};
        std::vector<INT> ends(static_cast<size_t>(length)), advances(static_cast<size_t>(length));
        if (!GetTextExtentExPointA(dc, reinterpret_cast<const char*>(p), length, 0, nullptr, ends.data(), &extent))
            return 0;
        for (int i = 0; i < length; ++i) advances[size_t(i)] = ends[size_t(i)] - (i ? ends[size_t(i) - 1] : 0);
        const bool last = p[length] == 0;
        RECT piece{first ? rect->left : cx, rect->top, last ? rect->right : cx + extent.cx, rect->bottom};
        if (!ExtTextOutA(dc, cx, y + dy, ETO_CLIPPED | ETO_OPAQUE, &piece, reinterpret_cast<const char*>(p),
                         static_cast<UINT>(length), advances.data()))
            return 0;
        cx += extent.cx;
        p += length;
        first = false;
    }
    return 1;
}

int ComboIndexOfData(HWND dialog, int listId, int value) {
    HWND list = GetDlgItem(dialog, listId);
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (static_cast<int>(SendMessageA(list, CB_GETITEMDATA, i, 0)) == value) return i;
    return -1;
}

int ComboSelectedData(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return -1;
    return static_cast<int>(SendMessageA(list, CB_GETITEMDATA, selected, 0));
}

int FillCombo(HWND dialog, int listId, const std::vector<ListChoice>& choices, int selected) {
    HWND list = GetDlgItem(dialog, listId);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const ListChoice& c : choices) {
        const LRESULT at = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.text.c_str()));
        if (at >= 0) SendMessageA(list, CB_SETITEMDATA, at, c.data);
    }
    int position = ComboIndexOfData(dialog, listId, selected);
    if (position < 0 && !choices.empty()) position = 0;
    SendMessageA(list, CB_SETCURSEL, position, 0);
    return position;
}

std::string UserDecimalSeparator() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1) return ".";
    return separator;
}

void DrawChemicalItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
        return;
    }
    char text[512] = {};
    const bool combo = item.CtlType == ODT_COMBOBOX;
    const UINT getLength = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT getText = combo ? CB_GETLBTEXT : LB_GETTEXT;
    if (SendMessageA(item.hwndItem, getLength, item.itemID, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(item.hwndItem, getText, item.itemID, reinterpret_cast<LPARAM>(text));
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    DrawFormulaText(dc, r.left + 2, r.top + 1, &r, text);
    const bool dropped = !combo || SendMessageA(item.hwndItem, CB_GETDROPPEDSTATE, 0, 0);
    if ((item.itemState & ODS_SELECTED) && dropped) InvertRect(dc, &r);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

int ChemicalItemHeight(HWND dialog, double lineFactor, int extra) {
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    return static_cast<int>((lineFactor * metrics.tmHeight + metrics.tmExternalLeading + extra) * dpi / 96.0);
}
