#include "app/timer_pause_win.h"

namespace {

HWND PausedWindow = nullptr;
bool (*RunningQuery)() = nullptr;

void StopBenchTimer(void*) { KillTimer(PausedWindow, kLabTimerId); }
void RestartBenchTimer(void*) { SetTimer(PausedWindow, kLabTimerId, kLabTimerMs, nullptr); }
bool BenchSimulationRunning(void*) { return RunningQuery && RunningQuery(); }

}  // namespace

void InstallBenchTimerPause(HWND bench, bool (*simulationRunning)()) {
    PausedWindow = bench;
    RunningQuery = simulationRunning;
    InstallTimerPause({StopBenchTimer, RestartBenchTimer, BenchSimulationRunning, nullptr});
}
