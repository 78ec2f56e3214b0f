// Small shell services over Win32: user-defined-lab import, the frame
// caption and locale numbers.
#pragma once
#include <windows.h>

// Copies a user-defined lab file into destFolder before it is opened, with
// the boxes over BoxOwnerWindow(). outName (260) gets the copy's name.
int ImportUdlFile(const char* source, const char* destFolder, char* outName);

// The title in the header of the user-defined lab file at path, when the
// file is one; the module list code, which reads those headers, installs it.
extern bool (*ReadUdlTitle)(const char* path, char* out, int size);

// "Brevane - <title or (untitled)>", then " - " and: for a module that runs
// user-defined labs with one loaded, the title in that file's header; for
// any other module, its QueryLabName answer.
void UpdateWindowTitle(HWND frame, const char* labTitle);

// printf text re-formatted with the user's locale (read on the first call
// and kept); null when out is null or size <= 0.
char* FormatLocaleNumber(char* out, int size, const char* format, double value, int digits);
