// The program started as the shell starts it for a double-clicked lab file:
// the windows, the frame and the splash over it, then the program's own
// message loop. However the splash ends (a key, a click, its time running
// out), the frame is the active window afterwards, its caption lit, and the
// keyboard works at once: Alt+F, A opens Save As. Keys and clicks are real
// input; each way gets a start of its own, and the shared program is started
// again, untitled, by the next suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"
#include "app/shell/splash_win.h"
#include "bench/commands/command_ids.h"
#include "bench/model/bench_state.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "real_input.h"

void ResetBench();

namespace {

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// The caption a little right of its middle, clear of the title and the
// buttons, as the screen shows it.
COLORREF CaptionPixel(HWND frame) {
    RECT r;
    GetWindowRect(frame, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, r.left + (r.right - r.left) * 3 / 5,
                                    r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// Lit as an active caption is, not greyed as an inactive one: whichever
// colours it is nearer.
bool CaptionLit(HWND frame) {
    const COLORREF pixel = CaptionPixel(frame);
    const int active = std::min(Distance(pixel, GetSysColor(COLOR_ACTIVECAPTION)),
                                Distance(pixel, GetSysColor(COLOR_GRADIENTACTIVECAPTION)));
    const int inactive = std::min(Distance(pixel, GetSysColor(COLOR_INACTIVECAPTION)),
                                  Distance(pixel, GetSysColor(COLOR_GRADIENTINACTIVECAPTION)));
    return active < inactive;
}

struct WayToEnd {
    const char* name;
    void (*end)(HWND splash);
};

const WayToEnd kWays[] = {
    {"a key", [](HWND) { TapKey(VK_SPACE); }},
    {"a click", [](HWND splash) { ClickScreen(CentreOnScreen(splash)); }},
    // Its five seconds, delivered at once.
    {"its time running out", [](HWND splash) { PostMessageA(splash, WM_TIMER, 5000, 0); }},
};

class ProgramActivation : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // A lab file as a student saves one.
        ASSERT_TRUE(EnsureProgramWindows());
        ResetBench();
        SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
        labFile_ = TempFile("brevane_activation_test.lab");
        DeleteFileA(labFile_.c_str());
        DialogDriver driver({[](HWND dialog) {
            HWND name = GetDlgItem(dialog, 0x47c);  // cmb13: the explorer-style name box
            if (!name) name = GetDlgItem(dialog, 0x480);
            SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(labFile_.c_str()));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }});
        SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdSaveAs, 0), 0);
        driver.Finish();
        DocumentModified = false;
    }
    static void TearDownTestSuite() {
        DocumentModified = false;
        CloseProgramWindows();  // the next suite starts the program untitled
        DeleteFileA(labFile_.c_str());
    }
    static std::string labFile_;
};
std::string ProgramActivation::labFile_;

}  // namespace

TEST_F(ProgramActivation, HoweverTheSplashEndsTheFrameIsActiveAndAltFAOpensSaveAs) {
    ASSERT_NE(GetFileAttributesA(labFile_.c_str()), INVALID_FILE_ATTRIBUTES) << labFile_;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const std::string commandLine = "\"" + labFile_ + "\"";
    for (const WayToEnd& way : kWays) {
        SCOPED_TRACE(way.name);
        DocumentModified = false;
        CloseProgramWindows();
        WNDCLASSA info;
        const bool registered = GetClassInfoA(instance, "Brevane", &info) != 0;
        ASSERT_TRUE(StartProgram(instance, registered ? instance : nullptr, commandLine.c_str(), SW_SHOWNORMAL));
        ASSERT_TRUE(LabFromCommandLine) << "the lab file opened";
        HWND splash = SplashWindow;
        ASSERT_NE(splash, nullptr);
        ASSERT_TRUE(PumpProgramUntil([&] { return GetForegroundWindow() == splash; }, 5000))
            << "the splash has the keyboard";
        EXPECT_FALSE(IsWindowEnabled(FrameWindow)) << "under the splash";

        way.end(splash);
        EXPECT_TRUE(PumpProgramUntil([] { return SplashWindow == nullptr; }, 5000)) << "it ended";
        EXPECT_TRUE(PumpProgramUntil([] { return GetForegroundWindow() == FrameWindow; }, 5000))
            << "the frame is active";
        EXPECT_TRUE(IsWindowEnabled(FrameWindow));
        EXPECT_TRUE(PumpProgramUntil([] { return CaptionLit(FrameWindow); }, 2000))
            << std::hex << CaptionPixel(FrameWindow);

        // The common dialog runs its own loop inside the command; the driver
        // notes it and closes it.
        std::atomic<bool> answered{false};
        DialogDriver driver({[&](HWND dialog) {
            Press(IDCANCEL)(dialog);
            answered = true;
        }});
        TapAltKey('F');
        TapKey('A');
        PumpProgramUntil([&] { return answered.load(); }, 5000);
        driver.Finish();
        ASSERT_FALSE(driver.Seen().empty()) << "the keyboard reached the frame's menu";
        EXPECT_EQ(driver.Seen()[0].caption, "Save As");
    }
}
