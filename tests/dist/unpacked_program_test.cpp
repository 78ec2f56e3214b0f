// Brevane.exe from an unpacked copy of the dist zip (the folder is this
// program's one argument), started as a teacher starts it after unzipping:
// from another working folder. Its lab list offers the labs lying beside it,
// the generic lab and the manual come from there, and it closes cleanly.
// The cases share the one started program and run in order.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tests/support/started_program_win.h"
#include "tests/wine/sheet_script.h"

namespace {

using sheet_script::CloseHelpViewer;
using sheet_script::FindDescendant;
using sheet_script::TextOf;

std::string Folder;  // the unpacked program folder, without a trailing backslash

std::string Lower(std::string text) {
    for (char& c : text) c = char(tolower(static_cast<unsigned char>(c)));
    return text;
}

// The user-defined labs that came in the zip.
std::set<std::string> UdlFilesOfFolder() {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Folder + "\\*.UDL-BREVANE").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

class UnpackedProgram : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string exe = Folder + "\\Brevane.exe";
        char elsewhere[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, elsewhere);
        STARTUPINFOA start = {};
        start.cb = sizeof start;
        started_ = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, elsewhere, &start,
                                  &process_) != 0;
    }
    static void TearDownTestSuite() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    void SetUp() override { ASSERT_TRUE(started_) << "cannot start " << Folder << "\\Brevane.exe"; }

    static DWORD Pid() { return process_.dwProcessId; }

    // The lab list, once the splash before it has been clicked away.
    static HWND LabList() {
        for (int waited = 0; waited < 15000; waited += 50) {
            if (HWND list = VisibleDialogOf(Pid(), "Brevane Simulation Modules")) return list;
            if (HWND splash = VisibleDialogOf(Pid(), "")) ClickAtCentreOf(splash);
            Sleep(50);
        }
        return nullptr;
    }

    // The frame once nothing of start-up stands over it: the splash, the lab
    // list and Tip of the Day are closed; any other box is noted and closed.
    static HWND ReadyFrame() {
        for (int waited = 0; waited < 15000; waited += 50) {
            if (HWND box = VisibleDialogOf(Pid(), nullptr)) {
                const std::string caption = TextOf(box);
                if (caption.empty()) {
                    ClickAtCentreOf(box);
                } else {
                    if (caption != "Brevane Simulation Modules" && caption != "Tip of the Day")
                        boxes_.push_back(caption + ": " + TextOf(GetDlgItem(box, 0xFFFF)));
                    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                }
                for (int gone = 0; gone < 2000 && IsWindowVisible(box); gone += 20) Sleep(20);
                continue;
            }
            HWND frame = WaitForWindow("Brevane", Pid(), 50);
            if (frame && IsWindowEnabled(frame) && !GetWindow(frame, GW_ENABLEDPOPUP)) return frame;
        }
        return nullptr;
    }

    static bool started_;
    static PROCESS_INFORMATION process_;
    static std::vector<std::string> boxes_;
};

bool UnpackedProgram::started_ = false;
PROCESS_INFORMATION UnpackedProgram::process_ = {};
std::vector<std::string> UnpackedProgram::boxes_;

TEST_F(UnpackedProgram, ItsLabListOffersTheLabsLyingBesideIt) {
    HWND list = LabList();
    ASSERT_NE(list, nullptr) << "no lab list after the splash";
    const LabListOffer offer = ReadLabListOffer(process_.hProcess, list);
    EXPECT_EQ(offer.untitledRows, 0);
    EXPECT_EQ(offer.modules, (std::set<std::string>{"Dunmere.dll", "Morvena.dll", "Olvaris.dll", "Tessaly.dll"}));
    EXPECT_EQ(offer.udlFiles, UdlFilesOfFolder());
    EXPECT_EQ(offer.wizards, (std::set<std::string>{"Parvell.dll"}));
}

TEST_F(UnpackedProgram, RunsTheGenericLabFromItsOwnFolder) {
    HWND frame = ReadyFrame();
    ASSERT_NE(frame, nullptr) << "start-up never left the frame free";
    EXPECT_EQ(TextOf(frame), "Brevane - (untitled) - Generic Lab");

    HMODULE modules[512];
    DWORD bytes = 0;
    ASSERT_TRUE(EnumProcessModules(process_.hProcess, modules, sizeof modules, &bytes));
    std::string generic;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        char path[MAX_PATH] = {};
        GetModuleFileNameExA(process_.hProcess, modules[i], path, MAX_PATH);
        const std::string name = Lower(path);
        if (name.size() >= 12 && name.compare(name.size() - 12, 12, "\\olvaris.dll") == 0) generic = name;
    }
    EXPECT_EQ(generic, Lower(Folder + "\\Olvaris.dll"));
}

TEST_F(UnpackedProgram, HelpOpensTheManualBesideIt) {
    HWND frame = ReadyFrame();
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(92, 0), 0);  // Help, Help (F1)
    HWND viewer = nullptr;
    for (int waited = 0; waited < 10000 && !viewer; waited += 50) {
        HWND found = WaitForWindow("HH Parent", Pid(), 50);
        if (found && IsWindowVisible(found)) viewer = found;
    }
    ASSERT_NE(viewer, nullptr) << "no help viewer";
    EXPECT_EQ(TextOf(viewer), "Brevane Help");
    HWND tree = FindDescendant(viewer, "SysTreeView32");
    ASSERT_NE(tree, nullptr);
    EXPECT_GT(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 0) << "the manual's contents are empty";
    CloseHelpViewer(viewer);
}

TEST_F(UnpackedProgram, ClosingItEndsItWithoutAQuestion) {
    HWND frame = ReadyFrame();
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    for (int waited = 0; waited < 10000 && WaitForSingleObject(process_.hProcess, 50) == WAIT_TIMEOUT; waited += 50)
        if (HWND box = VisibleDialogOf(Pid(), nullptr)) {
            boxes_.push_back(TextOf(box) + ": " + TextOf(GetDlgItem(box, 0xFFFF)));
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        }
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 0), WAIT_OBJECT_0) << "still running";
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
    std::string seen;
    for (const std::string& box : boxes_) seen += "[" + box + "] ";
    EXPECT_TRUE(boxes_.empty()) << "boxes over the run: " << seen;
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: %s UNPACKED_PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    Folder = argv[1];
    while (!Folder.empty() && (Folder.back() == '\\' || Folder.back() == '/')) Folder.pop_back();
    return RUN_ALL_TESTS();
}
