// The Geiger counter's stopwatch (Procedures, Timer). None of these marks
// the lab changed.
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/instruments/instrument_command_support.h"
#include "bench/commands/instruments/instrument_comments.h"
#include "bench/commands/instruments/instrument_seams.h"
#include "bench/window/bench_seams.h"

using namespace instruments;

namespace {

constexpr uint32_t kHasStopwatch = 0x20000000;
constexpr uint32_t kRunning = kObjStopwatchRunning;
constexpr uint32_t kPaused = 0x20;

enum : int32_t {
    kStartTimerString = 646,
    kPauseTimerString = 647,
    kResumeTimerString = 648,
    kResetTimerString = 649,
    kCloseTimerString = 650,
};

LabObject* Stopwatch() {
    LabObject* o = SelectedRecord();
    return o && (o->kindFlags & kHasStopwatch) ? o : nullptr;
}

void Redraw() {
    InstrumentSeams& ui = CurrentInstrumentSeams();
    ui.InvalidateWholeBench();
    ui.SelectNothing();
}

void OnTimer(const CommandMessage& command) {
    LabObject* o = Stopwatch();
    if (!o) return;
    uint32_t& flags = o->objectFlags;
    int32_t comment = 0;
    switch (command.id) {
    case kCmdStartTimer:
        if (flags & kPaused) {
            flags &= ~kPaused;
        } else {
            flags |= kRunning;
            o->stopwatchCount = 0;
        }
        comment = kStartTimerString;
        break;
    case kCmdPauseTimer:
        if (flags & kRunning) flags |= kPaused;
        comment = kPauseTimerString;
        break;
    case kCmdResumeTimer:
        flags &= ~kPaused;
        comment = kResumeTimerString;
        break;
    case kCmdResetTimer:
        o->stopwatchCount = 0;
        Redraw();
        comment = kResetTimerString;
        break;
    case kCmdCloseTimer:
        if (flags & (kRunning | kPaused)) o->stopwatchCount = 0;
        flags &= ~(kRunning | kPaused);
        Redraw();
        comment = kCloseTimerString;
        break;
    default: return;
    }
    RecordProcedureString(CurrentBenchSeams(), comment);
}

}  // namespace

void RegisterStopwatchCommands() {
    const CommandEntry entries[] = {
        {kCmdStartTimer, OnTimer}, {kCmdPauseTimer, OnTimer}, {kCmdResumeTimer, OnTimer},
        {kCmdResetTimer, OnTimer}, {kCmdCloseTimer, OnTimer},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}
