// Start-up: builds the window tree in its fixed order, reads the settings,
// starts the lab timer; and the one message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"
#include "app/frame/toolbars_win.h"
#include "app/frame/frame_services_win.h"
#include "app/frame/modeless_dialogs.h"
#include "app/shell/timer_pause_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/settings/settings.h"
#include "app/shell/shell_services_win.h"
#include "app/shell/splash_win.h"
#include "bench/window/bench_window_win.h"
#include "render/object_layers_win.h"
#include "render/readouts.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"

HINSTANCE AppInstance = nullptr;
HWND FrameWindow = nullptr;
HWND BenchWindow = nullptr;
HWND StatusBar = nullptr;
HWND TabControl = nullptr;
HWND DataWindow = nullptr;
HWND MainToolbar = nullptr;
HWND FormatBar = nullptr;
double DpiFactor = 1.0;
int PaneWidth = 375;
bool RichEdit20Available = false;

namespace {

bool RegisterWindowClasses(HINSTANCE instance) {
    WNDCLASSA frame = {};
    frame.style = CS_HREDRAW | CS_VREDRAW;
    frame.lpfnWndProc = FrameWndProc;
    frame.hInstance = instance;
    frame.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    frame.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszMenuName = "Brevane";
    frame.lpszClassName = "Brevane";

    WNDCLASSA bench = {};
    bench.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC;
    bench.lpfnWndProc = LabSpaceWndProc;
    bench.hInstance = instance;
    bench.hIcon = frame.hIcon;
    bench.hCursor = frame.hCursor;
    bench.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    bench.lpszClassName = "BrevaneSpaceWnd";

    WNDCLASSA data = {};
    data.style = CS_HREDRAW | CS_VREDRAW;
    data.lpfnWndProc = DataWindowProc;
    data.hInstance = instance;
    data.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(4));
    data.hCursor = frame.hCursor;
    data.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    data.lpszMenuName = MAKEINTRESOURCEA(341);
    data.lpszClassName = "GraphData";

    return RegisterClassA(&frame) && RegisterClassA(&bench) && RegisterClassA(&data);
}

void LoadRichEdit() {
    if (LoadLibraryA("Riched20.dll")) {
        LoadLibraryA("RICHED32.DLL");
        RichEdit20Available = true;
    } else {
        LoadLibraryA("RICHED32.DLL");
        RichEdit20Available = false;
    }
}

void CreateStatusBar() {
    StatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | SBARS_SIZEGRIP,
                                0, 0, 0, 0, FrameWindow, nullptr, AppInstance, nullptr);
    int parts[2] = {300, -1};
    SendMessageA(StatusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void ComputeDpiFactor() {
    HDC dc = GetDC(FrameWindow);
    DpiFactor = GetDeviceCaps(dc, LOGPIXELSX) / 96.0;
    ReleaseDC(FrameWindow, dc);
    PaneWidth = static_cast<int>(375 * DpiFactor);
}

void CreateDataWindow() {
    const int side = static_cast<int>(400 * DpiFactor);
    const int inset = static_cast<int>(450 * DpiFactor);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    char title[64] = "Titration Data";
    LoadStringA(AppInstance, 571, title, sizeof title);
    DataWindow = CreateWindowExA(0, "GraphData", title, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                                 desktop.right - inset, desktop.bottom - inset, side, side, FrameWindow,
                                 nullptr, AppInstance, nullptr);
}

// Retry/Cancel until the lab timer exists; false when the user gives up.
bool StartLabTimer() {
    for (;;) {
        SimulationRunning = SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr) != 0;
        if (SimulationRunning) return true;
        char text[128] = "Too many clocks or timers!";
        LoadStringA(AppInstance, 573, text, sizeof text);
        if (MessageBoxA(BenchWindow, text, "Brevane", MB_ICONWARNING | MB_RETRYCANCEL) != IDRETRY)
            return false;
    }
}

bool LoadReadoutString(int32_t id, char* out, int32_t size) {
    return LoadResString(static_cast<UINT>(id), out, size) != nullptr;
}

// Read-outs follow the user's locale, string table and temperature scale.
void InstallReadoutServices() { SetReadoutServices(ReadoutServices{FormatLocaleNumber, LoadReadoutString, &TempScale}); }

}  // namespace

void DispatchProgramMessage(MSG& msg, HACCEL accelerators) {
    if (ForEachOpenModelessDialog([&](void* dialog) {
            return IsDialogMessageA(static_cast<HWND>(dialog), &msg) != 0;
        }))
        return;
    if (accelerators && AcceleratorsApply(msg) && TranslateAcceleratorA(BenchWindow, accelerators, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int RunMessageLoop(HACCEL accelerators) {
    MSG msg;
    // GetMessage answers -1 on failure: that must end the loop, not spin it.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchProgramMessage(msg, accelerators);
    return static_cast<int>(msg.wParam);
}

bool CreateProgramWindows(HINSTANCE instance, HINSTANCE previous, const char* commandLine) {
    AppInstance = instance;
    if (!previous && !RegisterWindowClasses(instance)) return false;

    OleInitialize(nullptr);
    StartGraphicsForProgram();
    ClearLiquidStreams();

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    LoadRichEdit();

    FrameWindow = CreateWindowExA(0, "Brevane", "Brevane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                                  nullptr);
    if (!FrameWindow) return false;
    CreateStatusBar();
    ComputeDpiFactor();
    CreateDataWindow();
    CreateTextPanesAndTabs(FrameWindow);
    ReadProgramSettings();
    InstallReadoutServices();
    CreateToolbars(FrameWindow);

    BenchWindow = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "BrevaneSpaceWnd", "LabSpace",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, 0, 0, 0, 0, FrameWindow,
                                  nullptr, instance, const_cast<char*>(commandLine ? commandLine : ""));
    LayoutFrame(BenchWindow);
    UpdateToolbarStates(MainToolbar, 0);  // the commands are registered now
    SetBenchTextFont(LabelFont);
    SetBoxOwnerWindow(BenchWindow);
    InstallBenchTimerPause(BenchWindow);
    return StartLabTimer();
}

bool StartProgram(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int showCommand) {
    if (!CreateProgramWindows(instance, previous, commandLine)) return false;
    ShowWindow(FrameWindow, showCommand);
    UpdateWindow(FrameWindow);
    ShowSplash(BenchWindow);  // last, so that showing the frame does not take the keys from it
    return true;
}

