// F1 opens the help viewer on the program's manual. Wine draws no page
// without its HTML engine (the test prefix has none), so the page itself is
// checked through the topic the viewer was asked for; here the viewer must
// open our compiled file with its contents, from the frame, the titration
// data window and the Water and Chemicals dialogs, with the real keys and
// mouse, and outlive the dialog that asked.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/settings/help_win.h"
#include "app/shell/select_object.h"
#include "bench/commands/command_ids.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "real_input.h"
#include "resources/brevane/contents_ids.h"
#include "test_window.h"
#include "tests/support/build_folders_win.h"

void ResetBench();

namespace {

BOOL CALLBACK FindHelpViewer(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && strcmp(cls, "HH Parent") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTree(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "SysTreeView32") != 0) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

TEST(HelpWindow, F1OpensTheManualWithItsContents) {
    TestWindow frame;
    ShowContextHelp(frame.handle(), 30, 0);  // New
    HWND viewer = nullptr;
    for (int i = 0; i < 250 && !viewer; ++i) {
        PumpMessages();
        EnumWindows(FindHelpViewer, reinterpret_cast<LPARAM>(&viewer));
        if (!viewer) Sleep(20);
    }
    ASSERT_NE(viewer, nullptr);
    char title[128] = {};
    GetWindowTextA(viewer, title, sizeof title);
    EXPECT_STREQ(title, "Brevane Help");
    HWND tree = nullptr;
    EnumChildWindows(viewer, FindTree, reinterpret_cast<LPARAM>(&tree));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 19);  // one entry per page
    LoadHtmlHelp()(nullptr, nullptr, 0x12 /* HH_CLOSE_ALL */, 0);
    PumpMessages();
}

}  // namespace

// ---- Help asked for from the program's own windows ----

namespace {

// Waits on the driver's thread, while the dialog's own loop runs on the test's.
bool WaitUntil(const std::function<bool()>& done, int ms) {
    for (int waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

HWND ShownHelpViewer() {
    HWND viewer = nullptr;
    EnumWindows(FindHelpViewer, reinterpret_cast<LPARAM>(&viewer));
    return viewer;
}

void CloseHelpViewers() {
    LoadHtmlHelp()(nullptr, nullptr, kHtmlHelpCloseAll, 0);
    PumpProgramUntil([] { return ShownHelpViewer() == nullptr; }, 3000);
}

std::string ManualTopic(const char* page) { return ProgramFolderFile("manual.chm") + "::/html/" + page; }

class ProgramHelp : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureProgramWindows());
        CloseHelpViewers();
        ResetBench();
    }
    void TearDown() override {
        CloseHelpViewers();
        if (DataWindow) ShowWindow(DataWindow, SW_HIDE);
        if (IsWindow(FrameWindow)) ResetBench();
        DocumentModified = false;
    }
};

}  // namespace

// F1 in the titration data window is the window's own key, not the frame's.
TEST_F(ProgramHelp, F1InTheDataWindowOpensTheTitrationCurveTopic) {
    ShowWindow(DataWindow, SW_SHOWNORMAL);
    SetForegroundWindow(DataWindow);
    ASSERT_TRUE(PumpProgramUntil([] { return GetForegroundWindow() == DataWindow; }, 3000));
    TapKey(VK_F1);
    EXPECT_TRUE(PumpProgramUntil([] { return ShownHelpViewer() != nullptr; }, 5000)) << "a viewer opened";
    EXPECT_EQ(LastContextHelpTopic(), ManualTopic("procedures.htm#idh_titration_curve"));
}

// Water's Help button clicked, then F1 in the Chemicals dialog: each opens
// its own topic, and a viewer outlives the dialog that asked for it.
TEST_F(ProgramHelp, TheWaterAndChemicalsDialogsOpenTheirTopicsAndTheViewerStaysOpen) {
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    ASSERT_EQ(LabObjectCount, 1);
    SelectLabObject(1, 1);
    ObjectSelected = true;
    SetForegroundWindow(FrameWindow);
    ASSERT_TRUE(PumpProgramUntil([] { return GetForegroundWindow() == FrameWindow; }, 3000));

    std::atomic<bool> viewerWithDialog{false}, done{false};
    std::string waterTopic, chemicalsTopic;
    DialogDriver water({[&](HWND dialog) {
        ClickScreen(CentreOnScreen(GetDlgItem(dialog, IDC_CONTENTS_HELP)));
        viewerWithDialog = WaitUntil([] { return ShownHelpViewer() != nullptr; }, 5000);
        Press(IDCANCEL)(dialog);
        done = true;
    }});
    TapAltKey('C');
    TapKey('W');
    PumpProgramUntil([&] { return done.load(); }, 10000);
    water.Finish();
    ASSERT_EQ(water.Seen().size(), 1u);
    EXPECT_EQ(water.Seen()[0].caption, "Distilled Water");
    EXPECT_TRUE(viewerWithDialog) << "Help opened a viewer";
    waterTopic = LastContextHelpTopic();
    PumpProgramUntil([] { return false; }, 300);
    HWND viewer = ShownHelpViewer();
    EXPECT_NE(viewer, nullptr) << "the viewer stays after the dialog closed";
    // The student closes it before going on.
    if (viewer) PostMessageA(viewer, WM_CLOSE, 0, 0);
    PumpProgramUntil([] { return ShownHelpViewer() == nullptr; }, 3000);

    done = false;
    std::atomic<bool> viewerAgain{false};
    DialogDriver chemicals({[&](HWND dialog) {
        WaitUntil([&] { return GetForegroundWindow() == dialog; }, 3000);
        TapKey(VK_F1);
        viewerAgain = WaitUntil([] { return ShownHelpViewer() != nullptr; }, 5000);
        Press(IDCANCEL)(dialog);
        done = true;
    }});
    TapAltKey('C');
    TapKey('A');
    PumpProgramUntil([&] { return done.load(); }, 10000);
    chemicals.Finish();
    ASSERT_EQ(chemicals.Seen().size(), 1u);
    EXPECT_EQ(chemicals.Seen()[0].caption, "Chemicals");
    EXPECT_TRUE(viewerAgain) << "F1 opened a viewer after the first one's dialog had closed";
    chemicalsTopic = LastContextHelpTopic();
    EXPECT_EQ(waterTopic, ManualTopic("water.htm"));
    EXPECT_EQ(chemicalsTopic, ManualTopic("chemicals.htm"));
}
