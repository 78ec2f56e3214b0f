// The bench window: owns the bench's drawing resources and routes every
// command, the lab timer, the keyboard and the menus.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/frame/first_paint_signal_win.h"
#include "app/frame/frame_services_win.h"
#include "app/settings/folders_win.h"
#include "bench/window/bench_image_lists_win.h"
#include "bench/window/bench_mouse_win.h"
#include "bench/commands/arrange/selection_drag.h"
#include "bench/model/bench_state.h"
#include "bench/window/bench_window_win.h"
#include "bench/commands/command_router.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/commands/menus/context_menu_win.h"
#include "bench/model/lab_objects.h"
#include "app/shell/timer_pause.h"

HDC BenchDC = nullptr;
HFONT LabelFont = nullptr;
HBRUSH MarqueeBrush = nullptr;
HCURSOR SplitCursor = nullptr;
HCURSOR SecondCursor = nullptr;
int BenchLineHeight = 0;
int BenchCharWidth = 0;
UINT LabObjectClipboardFormat = 0;

namespace {

short scrollX = 0, scrollY = 0;
const short scrollMaxX = 0, scrollMaxY = 0;

void CreateLabelFont() {
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(BenchFontPoints(), GetDeviceCaps(BenchDC, LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    std::strcpy(font.lfFaceName, "Arial");
    LabelFont = CreateFontIndirectA(&font);
}

void EnterProgramFolder() {
    char folder[MAX_PATH];
    if (ProgramFolder(folder, sizeof folder)) SetCurrentDirectoryA(folder);
}

void OnCreate(HWND window, const CREATESTRUCTA* create) {
    SplitCursor = LoadCursorA(AppInstance, MAKEINTRESOURCEA(114));
    SecondCursor = LoadCursorA(AppInstance, MAKEINTRESOURCEA(296));

    BenchDC = GetDC(window);
    CreateLabelFont();
    SelectObject(BenchDC, GetStockObject(ANSI_VAR_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(BenchDC, &metrics);
    BenchLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    BenchCharWidth = metrics.tmAveCharWidth;

    if (HBITMAP marquee = LoadBitmapA(AppInstance, MAKEINTRESOURCEA(1183))) {
        MarqueeBrush = CreatePatternBrush(marquee);
        DeleteObject(marquee);
    }
    CreateBenchImageLists();
    ResetTitrationDatasetRecord();
    RegisterBenchCommands();
    LabObjectClipboardFormat = RegisterClipboardFormatA("LABOBJECT10");
    PrepareFormatBar();
    EnterProgramFolder();
    ResolvePerUserFolder();
    OpenCommandLineOrDefaultLab(window, static_cast<const char*>(create->lpCreateParams));
}

void OnPaint(HWND window) {
    if (DemoRecordingActive()) RecordBenchState();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RenderBench(dc);
    EndPaint(window, &paint);
    SignalFirstPaintWhenAsked();
}

void OnErase(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    DPtoLP(dc, reinterpret_cast<POINT*>(&client), 2);
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    SetBrushOrgEx(dc, 0, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
    SelectObject(dc, old);
    DeleteObject(brush);
    RedrawSelectionFrames(window);
}

void OnCtrlArrow(HWND window, WPARAM key) {
    if ((key != VK_LEFT && key != VK_RIGHT) || !(GetAsyncKeyState(VK_CONTROL) & 0x8000)) return;
    if (LabObjectCount <= 0) return;
    CycleSelection(window, key == VK_LEFT ? -1 : 1);
}

// An open menu holds one counted pause: a right-click menu holds its own
// across the command it sends, so closing the menu must not restart the
// timer under the dialog that command opens.
bool menuPauseHeld = false;

void EndMenuPause() {
    if (!menuPauseHeld) return;
    menuPauseHeld = false;
    EndTimerPause();
}

void OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    const HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        EndMenuPause();
    } else if (!menuPauseHeld) {
        menuPauseHeld = true;
        BeginTimerPause();
    }
    ShowMenuHelp(LOWORD(wParam), flags, menu);
    if (menu && menu == GetMenu(FrameWindow)) AddAtCursor = false;
}

void Scroll(HWND window, int bar, WPARAM wParam) {
    short& position = bar == SB_VERT ? scrollY : scrollX;
    const short maximum = bar == SB_VERT ? scrollMaxY : scrollMaxX;
    int d = 0;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: d = -4; break;
    case SB_LINEDOWN: d = 4; break;
    case SB_PAGEUP: d = -(maximum / 4); break;
    case SB_PAGEDOWN: d = maximum / 4; break;
    case SB_THUMBTRACK: d = static_cast<short>(HIWORD(wParam)) - position; break;
    case SB_TOP: d = bar == SB_VERT ? -position : 0; break;
    case SB_BOTTOM: d = maximum - position; break;
    }
    if (d < -position) d = -position;
    if (d > maximum - position) d = maximum - position;
    if (d == 0) return;
    position = static_cast<short>(position + d);
    const int dx = bar == SB_HORZ ? -16 * d : 0, dy = bar == SB_VERT ? -16 * d : 0;
    ScrollWindowEx(window, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    OffsetViewportOrgEx(BenchDC, dx, dy, nullptr);
    SetScrollPos(window, bar, position, TRUE);
}

}  // namespace

void ResetBench() {
    ClearCurrentLab();
    DocumentModified = false;
    LabObjectCount = 0;
    ClearSelection();
    ResetBenchMouse();
    UndoValid = false;
    scrollX = scrollY = 0;
    if (BenchDC) SetViewportOrgEx(BenchDC, 0, 0, nullptr);
}

LRESULT CALLBACK LabSpaceWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window, reinterpret_cast<CREATESTRUCTA*>(lParam));
        return 0;
    case WM_SIZE:
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_ERASEBKGND:
        OnErase(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NOTIFY: {
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        if (tip->hdr.code == TTN_NEEDTEXTA) {
            SendMessageA(tip->hdr.hwndFrom, TTM_SETMAXTIPWIDTH, 0, 300);
            tip->lpszText = DemoMessageBuffer();
        }
        return 0;
    }
    case WM_KEYDOWN:
        OnCtrlArrow(window, wParam);
        break;
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (HIWORD(wParam) == EN_CHANGE && control && control == ObservationsPane())
            DocumentModified = true;
        CommandMessage command{LOWORD(wParam), HIWORD(wParam), control != nullptr};
        if (RouteCommand(command)) return 0;
        break;
    }
    case WM_TIMER:
        RunSimulationTick(window, wParam, lParam);
        return 0;
    case WM_HSCROLL:
        Scroll(window, SB_HORZ, wParam);
        return 0;
    case WM_VSCROLL:
        Scroll(window, SB_VERT, wParam);
        return 0;
    case WM_INITMENUPOPUP:
        UpdateMenuState(reinterpret_cast<HMENU>(wParam), LOWORD(lParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        return 0;
    case WM_EXITMENULOOP:
        EndMenuPause();  // also when a menu closes without saying so
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        if (HandleBenchMouse(window, message, wParam, lParam)) return 0;
        break;
    case WM_RBUTTONDOWN:
        ShowBenchContextMenu(window, wParam, lParam);
        return 0;
    case WM_DROPFILES:
        DropFilesOnBench(window, reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
