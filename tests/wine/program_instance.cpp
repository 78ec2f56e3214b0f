#include "program_instance.h"

#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"
#include "bench/commands/command_ids.h"
#include "app/modules/module_host_win.h"
#include "app/panes/text_panes_win.h"
#include "app/shell/message_boxes_win.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/component_slot.h"
#include "bench/window/bench_seams.h"

void ResetBench();  // bench/window/bench_window_win.cpp

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

void CloseProgramWindows() {
    if (FrameWindow && IsWindow(FrameWindow)) {
        DialogDriver boxes({});
        DocumentModified = false;
        DestroyWindow(FrameWindow);
        boxes.Finish();
    }
    // The frame's end posts WM_QUIT; it is taken here, not by a later pump.
    for (int i = 0; i < 30; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    DestroyTextPanes();        // their rich-edit objects give their references back
    SetBoxOwnerWindow(nullptr);  // boxes are not owned by a window that is gone
    SetBenchSeams(nullptr);
    SetBenchCommandSeams(nullptr);
    SetModuleHostPanes(ModuleHostPanes{});
    SetModuleHostServices(DefaultModuleHostServices());
}

void PumpMessages(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

bool PumpProgramUntil(const std::function<bool()>& done, int ms) {
    static const HACCEL accelerators =
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kAcceleratorTable));
    for (int waited = 0;; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchProgramMessage(msg, accelerators);
        if (done()) return true;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void BeakerOfWaterOnABurner() {
    ResetBench();
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    SelectedObject = 1;
    ObjectSelected = true;
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAddBunsenBurner, 0), 0);
    SelectedObject = 0;
    ObjectSelected = false;
    LabObject& beaker = LabObjects[1];
    AddComponent(beaker, kCasWater, kPhaseLiquid, 50, 293);
    beaker.liquidVolume = 500;
    beaker.temperature = 293;
}
