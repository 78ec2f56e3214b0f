#include "started_program.h"

#include <windows.h>

#include "app/frame/startup_win.h"

namespace {

bool tried = false;
bool started = false;
std::vector<SeenDialog> boxes;

}  // namespace

bool StartProgramOnce(std::vector<SeenDialog>* startupBoxes) {
    if (!tried) {
        tried = true;
        // Any box start-up shows is cancelled and counted, so a failure
        // cannot hang here.
        DialogDriver driver({});
        started = CreateProgramWindows(GetModuleHandleA(nullptr), nullptr, "");
        for (int waited = 0; waited < 300; waited += 10) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
        driver.Finish();
        boxes = driver.Seen();
    }
    if (startupBoxes) *startupBoxes = boxes;
    return started;
}
