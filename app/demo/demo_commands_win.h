// Start and Stop Recording: the demonstration file, the status line's text
// and icon, and the recorder's Win32 seams.
#pragma once
#include <windows.h>

struct DemoCommandSeams {
    // Chooses the demonstration file; false when cancelled.
    bool (*chooseFile)(HWND owner, char* path, int length) = nullptr;
    int (*messageBox)(HWND owner, const char* text, const char* caption, UINT type) = nullptr;
};
extern DemoCommandSeams DemoCommandHooks;

// Gives the recorder the string table.
void InstallDemoRecorderStrings();
void StartDemoRecording(HWND owner, const char* moduleName, const char* udlName);
void CloseDemoFile();
// Commands 197 and 198; the status bar's part 1 shows the recording.
void OnStartRecording(HWND bench, HWND statusBar, const char* moduleName, const char* udlName);
void OnStopRecording(HWND statusBar);
// Puts 197 and 198 on the bench's command table (the program's windows and
// the current module and lab names).
void RegisterRecordingCommands();
