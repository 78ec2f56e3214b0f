// Starts the real program from the program folder, as `make run` does, and
// checks its windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/build_folders_win.h"
#include "tests/support/started_program_win.h"

namespace {

std::string ProgramFolder() { return BuildProgramFolder() + "\\"; }

bool StartProgram(PROCESS_INFORMATION* pi) {
    std::string exe = ProgramFolder() + "Brevane.exe";
    STARTUPINFOA si = {sizeof(si)};
    return CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          pi) != 0;
}

}  // namespace

// A student's first start: the splash, then the lab list of the program
// folder, which holds the shipped labs and nothing a test put there.
TEST(ProgramWindow, TheFirstLabListOffersExactlyTheShippedLabs) {
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(StartProgram(&pi));
    HWND labList = nullptr;
    for (int waited = 0; waited < 15000 && !labList; waited += 50) {
        labList = VisibleDialogOf(pi.dwProcessId, "Brevane Simulation Modules");
        HWND splash = labList ? nullptr : VisibleDialogOf(pi.dwProcessId, nullptr);
        if (splash) ClickAtCentreOf(splash);  // it also ends by itself after five seconds
        Sleep(50);
    }
    ASSERT_NE(labList, nullptr) << "no lab list after the splash";

    const LabListOffer offer = ReadLabListOffer(pi.hProcess, labList);
    EXPECT_EQ(offer.untitledRows, 0);
    EXPECT_EQ(offer.modules, (std::set<std::string>{"Dunmere.dll", "Morvena.dll", "Olvaris.dll", "Tessaly.dll"}));
    EXPECT_EQ(offer.udlFiles, std::set<std::string>{"AcidBaseTitration.UDL-BREVANE"}) << "the example lab ships";
    EXPECT_EQ(offer.wizards, (std::set<std::string>{"Parvell.dll"}));

    // Whatever else start-up showed (Tip of the Day) goes first, then the list.
    for (int i = 0; i < 10; ++i) {
        HWND box = VisibleDialogOf(pi.dwProcessId, nullptr);
        if (!box) break;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        for (int gone = 0; gone < 2000 && IsWindowVisible(box); gone += 20) Sleep(20);
    }
    if (HWND frame = WaitForWindow("Brevane", pi.dwProcessId, 1000)) PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

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
