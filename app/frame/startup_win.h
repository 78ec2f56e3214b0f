// Start-up and the message loop, apart from WinMain so tests can start the
// program's windows in their own process.
#pragma once
#include <windows.h>

// Registers the classes (first instance only) and creates every window in
// order, ending with the lab timer; false when start-up is abandoned.
bool CreateProgramWindows(HINSTANCE instance, HINSTANCE previous, const char* commandLine);

// Runs until WM_QUIT and answers its exit code.
int RunMessageLoop(HACCEL accelerators);
