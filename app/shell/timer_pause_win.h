// The counted timer pause over a real window's timer 1.
#pragma once
#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/shell/timer_pause.h"

// Pauses stop timer 1 of bench; the outermost end restarts it at 100 ms
// when SimulationRunning is set.
void InstallBenchTimerPause(HWND bench);
