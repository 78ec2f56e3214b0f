#include "app/demo/demo_playback_commands_win.h"

#include "app/demo/demo_message_rules.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/play_demo_dialog_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"

namespace {

void RepaintBenchNow() {
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);
}

}  // namespace

DemoMessageRecord PrefilledDemoMessage(bool addAtCursor, PointI32 cursor) {
    DemoMessagePlace place{addAtCursor, cursor, nullptr, nullptr};
    if (SelectedObject >= 1 && SelectedObject <= LabObjectCount) place.selectedObject = &LabObjects[SelectedObject].position;
    if (MultiSelection.memberCount > 0) place.multiSelection = &MultiSelection.bounds;
    DemoMessageRecord record;
    record.filled = true;
    record.header = PrefillMessageEvent(place);
    return record;
}

void OnPlayLabDemo() {
    if (DocumentModified && ConfirmSaveChanges(BenchWindow, CurrentLabTitle()) == IDCANCEL) return;
    TimerPauseScope pause;
    if (LabDemoRecorder.recording) return;
    const int32_t count = LabObjectCount;
    LabObjectCount = 0;
    RepaintBenchNow();
    // A cancelled file dialog or a refused file gives the bench its objects
    // back: the array itself was never touched.
    if (!RunPlayDemoDialog(BenchWindow, LabObjects)) {
        LabObjectCount = count;
        RepaintBenchNow();
    }
}

void OnAddDemoMessage() {
    if (!LabDemoRecorder.recording) return;
    TimerPauseScope pause;
    DemoMessageRecord record =
        PrefilledDemoMessage(AddAtCursor, AddAtCursor ? CurrentBenchCommandSeams().CursorLogicalPoint() : PointI32{});
    RunDemoMessageDialog(BenchWindow, record);
}

void RegisterDemoPlaybackCommands() {
    static const CommandEntry entries[] = {
        {kCmdPlayLabDemo, [](const CommandMessage&) { OnPlayLabDemo(); }},
        {kCmdAddMessage, [](const CommandMessage&) { OnAddDemoMessage(); }},
    };
    RegisterCommands(entries, 2);
}
