#include "app/shell/splash_win.h"

#include "app/frame/app_windows_win.h"
#include "app/frame/modeless_dialogs.h"
#include "app/panes/text_panes_win.h"
#include "bench/commands/command_ids.h"
#include "resources/brevane/splash_ids.h"

#include <commctrl.h>

HWND SplashWindow = nullptr;
bool LabFromCommandLine = false;

namespace {

constexpr UINT_PTR kSplashTimer = 5000;
constexpr UINT kSplashMs = 5000;
HBITMAP picture = nullptr;
HWND splashBench = nullptr;
bool labListOffered = false;

void DrawSplash(const DRAWITEMSTRUCT& item) {
    const RECT& r = item.rcItem;
    if (HDC memory = CreateCompatibleDC(item.hDC)) {
        BITMAP info{};
        GetObjectA(picture, sizeof info, &info);
        HGDIOBJ old = SelectObject(memory, picture);
        StretchBlt(item.hDC, 0, 0, r.right, r.bottom, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    // A 4-pixel bevel: light along the top and left, grey along the bottom and right.
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    for (int i = 0; i < 4; ++i) {
        RECT top{i, i, r.right - i, i + 1}, left{i, i, i + 1, r.bottom - i};
        RECT bottom{i, r.bottom - i - 1, r.right - i, r.bottom - i}, right{r.right - i - 1, i, r.right - i, r.bottom - i};
        FillRect(item.hDC, &top, white);
        FillRect(item.hDC, &left, white);
        FillRect(item.hDC, &bottom, grey);
        FillRect(item.hDC, &right, grey);
    }
    DeleteObject(grey);
}

// The frame is enabled before the splash hides, so activation has somewhere
// to go, and it is made active whatever had the keyboard before: otherwise
// no key reaches the program until the user clicks the frame. The splash is
// gone before the lab list opens, so the list is never under it and the
// splash cannot end a second time.
void EndSplash(HWND dialog) {
    KillTimer(dialog, kSplashTimer);
    if (FrameWindow) EnableWindow(FrameWindow, TRUE);
    ShowWindow(dialog, SW_HIDE);
    DestroyWindow(dialog);
    if (FrameWindow) {
        SetForegroundWindow(FrameWindow);
        SetActiveWindow(FrameWindow);
        if (splashBench) SetFocus(splashBench);
    }
    if (LabFromCommandLine) {
        if (TabControl) TabCtrl_SetCurSel(TabControl, 0);
        ShowTextPane(0);
        LabFromCommandLine = false;
    } else if (!labListOffered && splashBench) {
        labListOffered = true;
        PostMessageA(splashBench, WM_COMMAND, MAKEWPARAM(kCmdLabs, 0), 0);
    }
}

INT_PTR CALLBACK SplashProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const bool small = SplashIsSmall(GetSystemMetrics(SM_CYSCREEN));
        const int w = small ? 486 : 1018, h = small ? 313 : 666;
        picture = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                  MAKEINTRESOURCEA(small ? IDB_SPLASH_SMALL : IDB_SPLASH_LARGE),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        RECT frame{0, 0, w, h};
        AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
        const int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
        MoveWindow(dialog, (GetSystemMetrics(SM_CXSCREEN) - fw) / 2, (GetSystemMetrics(SM_CYSCREEN) - fh) / 2, fw,
                   fh, FALSE);
        MoveWindow(GetDlgItem(dialog, IDC_SPLASH_PICTURE), 0, 0, w, h, FALSE);
        SetTimer(dialog, kSplashTimer, kSplashMs, nullptr);
        EnableWindow(FrameWindow, FALSE);
        return FALSE;  // the keys go to the splash itself, not to its picture
    }
    case WM_SETFOCUS:
        return TRUE;  // nor does the focus move on to the picture
    case WM_GETDLGCODE:
        // Every key ends it, Tab, Enter and Escape too.
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, DLGC_WANTALLKEYS);
        return TRUE;
    case WM_TIMER:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CLOSE:
        EndSplash(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndSplash(dialog);
        return TRUE;
    case WM_DESTROY:
        RemoveModelessDialog(dialog);
        SplashWindow = nullptr;
        if (picture) DeleteObject(picture);
        picture = nullptr;
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK SplashDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_SPLASH_PICTURE || !picture) return FALSE;
        DrawSplash(*item);
        return TRUE;
    }
    return SplashProc(dialog, message, wParam, lParam);
}

}  // namespace

bool SplashIsSmall(int screenHeight) { return screenHeight < 900; }

void ShowSplash(HWND bench) {
    splashBench = bench;
    SplashWindow = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SPLASH), bench,
                                      SplashDialogProc, 0);
    if (!SplashWindow) return;
    AddModelessDialog(reinterpret_cast<void**>(&SplashWindow));
    ShowWindow(SplashWindow, SW_SHOW);
    UpdateWindow(SplashWindow);
    // The frame is disabled: the splash takes the keys that end it.
    SetForegroundWindow(SplashWindow);
    SetFocus(SplashWindow);
}
