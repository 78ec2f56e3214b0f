// The two folders of a Win32 build, seen from a test or benchmark program:
// its own (bin/: tests, benchmarks, stand-ins and test-only libraries) and
// the program folder, which holds exactly what ships. CMake's
// brevane_uses_program_folder() compiles in where the one lies from the other.
#pragma once
#include <windows.h>

#include <string>

#ifndef BREVANE_PROGRAM_FOLDER_FROM_HERE
#error "give this executable brevane_uses_program_folder() in its CMakeLists.txt"
#endif

// The running executable's folder, without the trailing backslash.
inline std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe(path, n < MAX_PATH ? n : 0);
    const size_t slash = exe.find_last_of('\\');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

// The program folder, without the trailing backslash.
inline std::string BuildProgramFolder() {
    std::string relative = BREVANE_PROGRAM_FOLDER_FROM_HERE;
    for (char& c : relative)
        if (c == '/') c = '\\';
    const std::string joined = ExecutableFolder() + "\\" + relative;
    char full[MAX_PATH] = {};
    const DWORD n = GetFullPathNameA(joined.c_str(), MAX_PATH, full, nullptr);
    std::string folder = n > 0 && n < MAX_PATH ? std::string(full, n) : joined;
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// A file of the program folder, and one beside the test program.
inline std::string ProgramFolderFile(const std::string& name) { return BuildProgramFolder() + "\\" + name; }
inline std::string TestFolderFile(const std::string& name) { return ExecutableFolder() + "\\" + name; }
