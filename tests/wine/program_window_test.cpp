// Starts the real program and checks its main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

HWND WaitForWindow(const char* cls, DWORD pid, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        HWND found = nullptr;
        for (HWND w = FindWindowA(cls, nullptr); w; w = FindWindowExA(nullptr, w, cls, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid) found = w;
        }
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

bool StartProgram(PROCESS_INFORMATION* pi) {
    std::string exe = ProgramFolder() + "Brevane.exe";
    STARTUPINFOA si = {sizeof(si)};
    return CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          pi) != 0;
}

}  // namespace

TEST(ProgramWindow, StartsShowsCaptionAndClosesCleanly) {
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(StartProgram(&pi));
    HWND frame = WaitForWindow("Brevane", pi.dwProcessId, 10000);
    ASSERT_NE(frame, nullptr);
    char caption[256] = {};
    GetWindowTextA(frame, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind("Brevane", 0), 0u) << caption;

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST(ProgramWindow, TitrationDataWindowShowsItsTableAndHidesOnClose) {
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(StartProgram(&pi));
    HWND frame = WaitForWindow("Brevane", pi.dwProcessId, 10000);
    HWND data = WaitForWindow("GraphData", pi.dwProcessId, 10000);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(data, nullptr);
    char caption[64] = {};
    GetWindowTextA(data, caption, sizeof caption);
    EXPECT_STREQ(caption, "Titration Data");
    EXPECT_FALSE(IsWindowVisible(data));  // created hidden

    ShowWindow(data, SW_SHOW);
    SendMessageA(data, WM_COMMAND, 170, 0);  // its own View, Data
    HWND table = FindWindowExA(data, nullptr, "EDIT", nullptr);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(IsWindowVisible(table));
    char text[64] = {};
    // Another process's control: WM_GETTEXT is carried across, GetWindowText is not.
    SendMessageA(table, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text).rfind("Volume(ml)  pH", 0), 0u) << text;
    SendMessageA(data, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(data));
    EXPECT_FALSE(IsWindowVisible(data));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
