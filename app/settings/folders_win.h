// Where per-user files live, and library versions.
#pragma once
#include <windows.h>

// The shell folder of the AppDataFolder setting + "Brevane\", created when
// missing; 0 when the folder cannot be resolved or the path does not fit.
int PerUserFolder(char* path);  // path: 260 characters
// The documents folder + "Brevane\".
int DocumentsWorkFolder(char* path);

// The folder of the program file, with no trailing backslash.
bool ProgramFolder(char* path, int size);

// (major << 16) | minor of a library's DllGetVersion; 0 when missing.
DWORD GetDllVersion(const char* file);
