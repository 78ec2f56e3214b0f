// A stand-in for the molecule viewer: writes the argument it was given and
// the folder it was started in to %TEMP%\rw32b2a_args.txt, one per line.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    GetTempPathA(MAX_PATH, path);
    strncat(path, "rw32b2a_args.txt", MAX_PATH - strlen(path) - 1);
    FILE* out = std::fopen(path, "w");
    if (!out) return 1;
    std::fprintf(out, "%s\n%s\n", argc > 1 ? argv[1] : "", folder);
    std::fclose(out);
    return 0;
}
