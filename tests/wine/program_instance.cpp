#include "program_instance.h"

#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"

namespace {
bool attempted = false;
bool started = false;
std::vector<SeenDialog> boxesAtStart;
}  // namespace

bool EnsureProgramWindows(std::vector<SeenDialog>* startupBoxes) {
    if (!attempted) {
        attempted = true;
        DialogDriver boxes({});
        started = CreateProgramWindows(GetModuleHandleA(nullptr), nullptr, "");
        for (int i = 0; i < 30; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
        boxes.Finish();
        boxesAtStart = boxes.Seen();
    }
    if (startupBoxes) *startupBoxes = boxesAtStart;
    return started;
}
