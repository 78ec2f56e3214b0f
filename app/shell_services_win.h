// Small shell services over Win32: user-defined-lab import, the frame
// caption and locale numbers.
#pragma once
#include <windows.h>

// Copies a user-defined lab file into destFolder before it is opened, with
// the boxes over BoxOwnerWindow(). outName (260) gets the copy's name.
int ImportUdlFile(const char* source, const char* destFolder, char* outName);

// "Brevane - <title or (untitled)>" plus " - " and the lab's name from the
// installed WindowTitleSource.
void UpdateWindowTitle(HWND frame, const char* labTitle);

// printf text re-formatted with the user's locale (read on the first call
// and kept); null when out is null or size <= 0.
char* FormatLocaleNumber(char* out, int size, const char* format, double value, int digits);
