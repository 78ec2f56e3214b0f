// Where per-user files live, and library versions.
#pragma once
#include <windows.h>

// The shell folder of the AppDataFolder setting + "Brevane\", created when
// missing; 0 when the folder cannot be resolved or the path does not fit.
int PerUserFolder(char* path);  // path: 260 characters
// The documents folder + "Brevane\".
int DocumentsWorkFolder(char* path);

// The program folder, with no trailing backslash: the folder of the program
// file, or the one SetProgramFolder named.
bool ProgramFolder(char* path, int size);

// For a test or benchmark that runs the program's windows in its own process:
// the program's files are in `folder`, not beside that executable.
void SetProgramFolder(const char* folder);

// (major << 16) | minor of a library's DllGetVersion; 0 when missing.
DWORD GetDllVersion(const char* file);
