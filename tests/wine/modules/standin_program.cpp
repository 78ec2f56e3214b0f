// A stand-in for the outside programs the bench starts (the periodic table,
// the molecule viewer): it writes its own path and command line to
// %TEMP%\brevane_standin.txt and ends. The tests copy it under the outside
// program's name for as long as they need it.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char folder[MAX_PATH], self[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char path[MAX_PATH + 32];
    snprintf(path, sizeof path, "%sbrevane_standin.txt", folder);
    if (FILE* f = fopen(path, "w")) {
        fprintf(f, "%s\n%s\n", self, GetCommandLineA());
        fclose(f);
    }
    return 0;
}
