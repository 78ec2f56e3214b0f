// Start-up and the message loop, apart from WinMain so tests can start the
// program's windows in their own process.
#pragma once
#include <windows.h>

// Registers the classes (first instance only) and creates every window in
// order, ending with the lab timer; false when start-up is abandoned.
bool CreateProgramWindows(HINSTANCE instance, HINSTANCE previous, const char* commandLine);

// What the program does at its start: the windows, then the frame shown with
// the given show command and the splash over it; false when start-up is
// abandoned.
bool StartProgram(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int showCommand);

// One message as the loop handles it: the modeless dialogs first, then the
// accelerators on the bench window, then the window it is for.
void DispatchProgramMessage(MSG& msg, HACCEL accelerators);

// Runs until WM_QUIT and answers its exit code.
int RunMessageLoop(HACCEL accelerators);
