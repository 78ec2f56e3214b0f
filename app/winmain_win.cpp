// Program entry point.
#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/frame/startup_win.h"
#include "bench/commands/command_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    if (!StartProgram(instance, previous, commandLine, show)) return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(kAcceleratorTable));
    int code = RunMessageLoop(accelerators);
    StopGraphicsForProgram();
    OleUninitialize();
    return code;
}
