// The program's standard message boxes and string loading.
#pragma once
#include <windows.h>

// The window boxes are shown over when a caller names none (the bench
// window, once it exists).
void SetBoxOwnerWindow(HWND owner);
HWND BoxOwnerWindow();

// The string, or null when it does not exist.
char* LoadResString(UINT id, char* buffer, int size);

// "Save current changes in <title>?" with Yes/No/Cancel. Yes sends command
// 32 (Save) to owner: IDYES when that cleared DocumentModified, IDCANCEL
// when the save failed (a failed save keeps it set).
int ConfirmSaveChanges(HWND owner, const char* labTitle);

// The whole string with a warning icon, when it exists,
// while the simulation timer is paused.
void WarnPausingTimer(HWND owner, HINSTANCE instance, UINT stringId, const char* caption);

// format with its "%s" filled with the title or "(untitled)".
void ShowFileWarning(HWND owner, const char* format, const char* fileTitle);
