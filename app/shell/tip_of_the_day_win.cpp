#include "app/shell/tip_of_the_day_win.h"

#include <cstdlib>
#include <ctime>

#include "app/settings/settings.h"
#include "app/settings/settings_win.h"
#include "app/shell/tips.h"
#include "resources/brevane/tip_of_the_day_ids.h"

namespace {

int tipIndex = 0;
HBITMAP picture = nullptr;

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{360, 180};
    return SIZE{info.bmWidth, info.bmHeight};
}

void MoveControl(HWND dialog, int id, int x, int y, int w, int h) {
    MoveWindow(GetDlgItem(dialog, id), x, y, w, h, FALSE);
}

void Layout(HWND dialog) {
    const SIZE pic = BitmapSize(picture);
    RECT box;
    GetWindowRect(GetDlgItem(dialog, IDC_TIP_SHOW_AT_STARTUP), &box);
    RECT button;
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &button);
    const int boxHeight = box.bottom - box.top, boxWidth = box.right - box.left;
    const int buttonWidth = button.right - button.left, buttonHeight = button.bottom - button.top;
    const int width = pic.cx + 40, height = pic.cy + boxHeight + 60;
    MoveControl(dialog, IDC_TIP_PICTURE, 20, 20, pic.cx, pic.cy);
    MoveControl(dialog, IDC_TIP_SHOW_AT_STARTUP, 20, pic.cy + 40, boxWidth, boxHeight);
    const int row = pic.cy + 40 + (boxHeight - buttonHeight) / 2;
    MoveControl(dialog, IDCANCEL, width - 20 - buttonWidth, row, buttonWidth, buttonHeight);
    MoveControl(dialog, IDC_TIP_NEXT, width - 28 - 2 * buttonWidth, row, buttonWidth, buttonHeight);

    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    const int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    MoveWindow(dialog, (desktop.right - desktop.left - fw) / 2, (desktop.bottom - desktop.top - fh) / 2, fw, fh,
               TRUE);
}

// Each drawing of the picture moves on to the next tip, so Next Tip only
// has to draw it again.
void DrawTip(const DRAWITEMSTRUCT& item) {
    tipIndex = NextTipIndex(tipIndex);
    const SIZE pic = BitmapSize(picture);
    if (HDC memory = CreateCompatibleDC(item.hDC)) {
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(item.hDC, 0, 0, pic.cx, pic.cy, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    RECT text{75, 60, pic.cx - 10, pic.cy};
    HGDIOBJ oldFont = SelectObject(item.hDC, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    DrawTextA(item.hDC, TipText(tipIndex), -1, &text, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
}

INT_PTR CALLBACK TipProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        picture = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TIP_PICTURE),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        Layout(dialog);
        CheckDlgButton(dialog, IDC_TIP_SHOW_AT_STARTUP, ShowTipsAtStartUp ? BST_CHECKED : BST_UNCHECKED);
        std::srand(unsigned(std::time(nullptr)));
        tipIndex = std::rand() % kTipCount;
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_TIP_PICTURE) return FALSE;
        DrawTip(*item);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_TIP_NEXT:
            InvalidateRect(GetDlgItem(dialog, IDC_TIP_PICTURE), nullptr, FALSE);
            return TRUE;
        case IDC_TIP_SHOW_AT_STARTUP: {
            ShowTipsAtStartUp = IsDlgButtonChecked(dialog, IDC_TIP_SHOW_AT_STARTUP) == BST_CHECKED ? 1 : 0;
            RegistrySettingsStore store;
            static const SettingId written[] = {kSettingShowTips};
            WriteSettings(store, written, 1);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (picture) DeleteObject(picture);
        picture = nullptr;
        return FALSE;
    }
    return FALSE;
}

}  // namespace

INT_PTR ShowTipOfTheDay(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TIP_OF_THE_DAY), owner, TipProc, 0);
}

int CurrentTipIndex() { return tipIndex; }
