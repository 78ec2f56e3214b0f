#include "app/shell/timer_pause.h"

namespace {
TimerPauseSeam Seam = {};
int Depth = 0;
}  // namespace

void InstallTimerPause(const TimerPauseSeam& seam) { Seam = seam; }
void RemoveTimerPause() {
    Seam = {};
    Depth = 0;
}

void BeginTimerPause() {
    if (Depth++ == 0 && Seam.stopTimer) Seam.stopTimer(Seam.context);
}

void EndTimerPause() {
    if (Depth == 0) return;  // an unmatched end must not restart the timer
    if (--Depth > 0) return;
    bool running = Seam.simulationRunning && Seam.simulationRunning(Seam.context);
    if (running && Seam.restartTimer) Seam.restartTimer(Seam.context);
}

int TimerPauseDepth() { return Depth; }
