// The counted timer pause over a real window's timer 1.
#pragma once
#include <windows.h>

#include "app/timer_pause.h"

constexpr UINT_PTR kLabTimerId = 1;
constexpr UINT kLabTimerMs = 100;

// Pauses stop timer 1 of bench; the outermost end restarts it at 100 ms
// when SimulationRunning is set.
void InstallBenchTimerPause(HWND bench);
