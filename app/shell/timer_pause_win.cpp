#include "app/shell/timer_pause_win.h"

#include "bench/model/bench_state.h"

namespace {

HWND PausedWindow = nullptr;

void StopBenchTimer(void*) { KillTimer(PausedWindow, kLabTimerId); }
void RestartBenchTimer(void*) { SetTimer(PausedWindow, kLabTimerId, kLabTimerMs, nullptr); }
bool BenchSimulationRunning(void*) { return SimulationRunning; }

}  // namespace

void InstallBenchTimerPause(HWND bench) {
    PausedWindow = bench;
    InstallTimerPause({StopBenchTimer, RestartBenchTimer, BenchSimulationRunning, nullptr});
}
