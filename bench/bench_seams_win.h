// The bench window's answers to what the portable bench code asks of the
// user interface, and the counted pause of the lab timer that every modal
// box and dialog shares.
#pragma once
#include <windows.h>

// Makes the bench window's seams the current ones for the catalogue and the
// command handlers.
void InstallBenchWindowSeams();

// Nested pauses: the first stops timer 1 of the bench window, the last
// restarts it at 100 ms, and only while the simulation is meant to run.
void BeginLabTimerPause();
void EndLabTimerPause();
int LabTimerPauseDepth();

// The "BunsenBurnerHeat" setting; 2 when it is missing or not a number.
int ReadBunsenBurnerHeatSetting();
