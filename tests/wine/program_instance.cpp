#include "program_instance.h"

#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"

namespace {
bool firstStartDone = false;
std::vector<SeenDialog> boxesAtFirstStart;

void PumpBriefly() {
    for (int i = 0; i < 30; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}
}  // namespace

bool EnsureProgramWindows(std::vector<SeenDialog>* startupBoxes) {
    bool started = FrameWindow && IsWindow(FrameWindow);
    if (!started) {
        DialogDriver boxes({});
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA info;
        // A suite that closed the frame left the classes registered.
        const bool registered = GetClassInfoA(instance, "Brevane", &info) != 0;
        started = CreateProgramWindows(instance, registered ? instance : nullptr, "");
        PumpBriefly();
        boxes.Finish();
        if (!firstStartDone) boxesAtFirstStart = boxes.Seen();
        firstStartDone = true;
    }
    if (startupBoxes) *startupBoxes = boxesAtFirstStart;
    return started;
}
