// The top-level window: lays out its children, remembers its position, asks
// to save on close, and forwards every command to the bench window.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_position.h"
#include "app/frame/frame_services_win.h"
#include "app/settings/help_win.h"
#include "app/shell/timer_pause.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Quillmar\\Brevane Pro";

int ClientHeight(HWND window) {
    if (!window) return 0;
    RECT r;
    GetClientRect(window, &r);
    return r.bottom - r.top;
}

RectI32 ToRect(const RECT& r) { return RectI32{r.left, r.top, r.right, r.bottom}; }

bool OwnedBy(HWND window, HWND frame) {
    for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER))
        if (owner == frame) return true;
    return false;
}

// Windows keeps a window's owned pop-ups above it. Wine, without a window
// manager, raises the frame over them a moment after a click or an
// activation, so the Titration dialog, the Play Demonstration dialog or the
// help viewer would vanish behind it. Each is put back just above the frame,
// in its own order; on Windows there is nothing to move.
void KeepOwnedWindowsAbove(HWND frame) {
    std::vector<HWND> below;
    for (HWND w = GetWindow(frame, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (IsWindowVisible(w) && OwnedBy(w, frame)) below.push_back(w);
    for (HWND w : below) {
        HWND above = GetWindow(frame, GW_HWNDPREV);
        SetWindowPos(w, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
}

constexpr UINT_PTR kOwnedWindowsTimer = 1;  // the frame's only timer
constexpr UINT kOwnedWindowsCheckMs = 20;
constexpr int kOwnedWindowsChecks = 50;  // a second: the raise comes from the display, later
int ownedWindowsChecksLeft = 0;

void WatchOwnedWindows(HWND frame) {
    ownedWindowsChecksLeft = kOwnedWindowsChecks;
    SetTimer(frame, kOwnedWindowsTimer, kOwnedWindowsCheckMs, nullptr);
}

void OnOwnedWindowsTimer(HWND frame) {
    KeepOwnedWindowsAbove(frame);
    if (--ownedWindowsChecksLeft <= 0) KillTimer(frame, kOwnedWindowsTimer);
}

void PlaceFrameFromRegistry(HWND frame) {
    RECT desktop, work;
    GetWindowRect(GetDesktopWindow(), &desktop);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RectI32 stored{};
    bool have = false;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char text[64] = {};
        DWORD size = sizeof text - 1, type = 0;
        if (RegQueryValueExA(key, "Pos", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ)
            have = ParseFramePosition(text, &stored);
        RegCloseKey(key);
    }
    RectI32 place = ChooseFramePlacement(have ? &stored : nullptr, ToRect(desktop), ToRect(work));
    MoveWindow(frame, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

void StoreFramePosition(HWND frame) {
    if (IsIconic(frame)) return;
    RECT r;
    GetWindowRect(frame, &r);
    char text[kFramePositionLength];
    FormatFramePosition(ToRect(r), text);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    // The string and its NUL, not the whole buffer: nothing stray follows it.
    RegSetValueExA(key, "Pos", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(std::strlen(text) + 1));
    RegCloseKey(key);
}

// Pauses the lab timer and, when the session changed, asks to save it.
// false means the user cancelled and the program goes on.
bool AskBeforeLeaving() {
    TimerPauseScope pause;
    return !(DocumentModified && ConfirmSaveChanges(BenchWindow, CurrentLabTitle()) == IDCANCEL);
}

LRESULT OnNotify(HWND frame, NMHDR* header) {
    switch (header->code) {
    case EN_SELCHANGE:
        SyncFormatBarWithObservations(frame);
        return 0;
    case EN_DROPFILES:
        DropFilesOnObservations(reinterpret_cast<ENDROPFILES*>(header));
        return 1;
    case EN_PROTECTED:
        // Copying protected text changes nothing; the edit keys stay with
        // the pane, so its own Ctrl+C must get through.
        if (reinterpret_cast<ENPROTECTED*>(header)->msg == WM_COPY) return 0;
        return PaneStreamGuard ? 0 : 1;
    case TCN_SELCHANGE:
        ShowTextPane(TabCtrl_GetCurSel(header->hwndFrom));
        return 0;
    case TBN_DROPDOWN:
        return ShowToolbarDropDown(frame, reinterpret_cast<NMTOOLBARA*>(header));
    case TTN_GETDISPINFOA:
        FillToolbarTip(reinterpret_cast<NMTTDISPINFOA*>(header));
        return 0;
    }
    return 0;
}

void DestroyFrame() {
    KillTimer(BenchWindow, kLabTimerId);
    CloseContextHelp();  // a viewer owned by the frame would go with it unclosed
    ReleaseFrameResources();
    EndDemonstrationRecording();
    FreeTitrationPoints();
    UnloadLabModuleAtExit();
    FreeFormatBarFonts();
    PostQuitMessage(0);
}

}  // namespace

void LayoutFrame(HWND bench) {
    if (!bench || !FrameWindow) return;
    RECT client;
    GetClientRect(FrameWindow, &client);
    const int W = client.right, H = client.bottom;
    const double f = DpiFactor;
    const int P = PaneWidth;
    const int T = ClientHeight(MainToolbar);
    const int S = ClientHeight(StatusBar);

    MoveWindow(bench, P, T + 1, W - P, H - T - S - 2, TRUE);
    if (FormatBar) MoveWindow(FormatBar, 0, T + 2, P - 2, f >= 1.5 ? 49 : 31, TRUE);
    const int F = ClientHeight(FormatBar);
    if (TabControl) {
        if (P > 0) {
            MoveWindow(TabControl, 0, T + F + 5, P, H - T - S - F, TRUE);
            ShowWindow(TabControl, SW_SHOW);
        } else {
            ShowWindow(TabControl, SW_HIDE);
        }
    }
    const int paneTop = T + 1 + F + static_cast<int>(30 * f);
    const int paneHeight = static_cast<int>(H - T - 2 * S - F - 7 * f);
    for (int i = 0; i < 3; ++i)
        if (HWND pane = TextPaneWindow(i)) MoveWindow(pane, 2, paneTop, P - 6, paneHeight, TRUE);
    if (StatusBar) {
        SendMessageA(StatusBar, WM_SIZE, 0, 0);
        int parts[2] = {W * 3 / 5, -1};
        SendMessageA(StatusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    }
    if (MainToolbar) SendMessageA(MainToolbar, TB_AUTOSIZE, 0, 0);
}

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        PlaceFrameFromRegistry(frame);
        return 0;
    case WM_SIZE:
        LayoutFrame(BenchWindow);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) WatchOwnedWindows(frame);
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_LBUTTONDOWN || LOWORD(wParam) == WM_RBUTTONDOWN || LOWORD(wParam) == WM_MBUTTONDOWN)
            WatchOwnedWindows(frame);
        break;
    case WM_NCLBUTTONDOWN:
        WatchOwnedWindows(frame);
        break;
    case WM_TIMER:
        if (wParam == kOwnedWindowsTimer) OnOwnedWindowsTimer(frame);
        return 0;
    case WM_CLOSE:
        StoreFramePosition(frame);
        if (AskBeforeLeaving()) DestroyWindow(frame);
        return 0;
    case WM_QUERYENDSESSION:
        return AskBeforeLeaving() ? TRUE : FALSE;
    case WM_DESTROY:
        DestroyFrame();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCmdExit) {
            PostMessageA(frame, WM_CLOSE, 0, 0);
            return 0;
        }
        [[fallthrough]];
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_EXITMENULOOP:
        if (BenchWindow) return SendMessageA(BenchWindow, message, wParam, lParam);
        break;
    case WM_HELP:
        ShowFrameContextHelp(frame, reinterpret_cast<HELPINFO*>(lParam));
        return 1;
    case WM_DPICHANGED:
        ReapplyScreenTemplates();
        break;
    case WM_NOTIFY:
        return OnNotify(frame, reinterpret_cast<NMHDR*>(lParam));
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}
