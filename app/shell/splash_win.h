// The start-up splash: shown over the disabled frame until its timer, a
// click, a key or closing ends it; the first end in a run opens the lab list
// unless a lab came from the command line.
#pragma once
#include <windows.h>

extern HWND SplashWindow;  // null when none is shown

// Set when the command line opened a lab; the splash's end then shows the
// lab's texts instead of the lab list, and clears it.
extern bool LabFromCommandLine;

void ShowSplash(HWND bench);

// The small picture below a full-screen height of 900 pixels.
bool SplashIsSmall(int screenHeight);
