// Program entry point.
#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/frame/startup_win.h"
#include "app/shell/splash_win.h"
#include "bench/commands/command_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    if (!CreateProgramWindows(instance, previous, commandLine)) return 0;
    ShowWindow(FrameWindow, show);
    UpdateWindow(FrameWindow);
    ShowSplash(BenchWindow);  // last, so that showing the frame does not take the keys from it
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(kAcceleratorTable));
    int code = RunMessageLoop(accelerators);
    StopGraphicsForProgram();
    OleUninitialize();
    return code;
}
