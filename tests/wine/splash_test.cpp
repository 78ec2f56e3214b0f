// The start-up splash on the started program: it holds the frame disabled,
// a real key ends it, only its first end in a run opens the lab list, and
// not when a lab came from the command line; however it ends, the frame is
// the active window afterwards, the lab list's closing included.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/shell/splash_win.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "real_input.h"

namespace {

constexpr char kLabList[] = "Brevane Simulation Modules";

// The lab list is cancelled; the splash itself (also a dialog) is left to the key.
void CancelTheLabList(HWND dialog) {
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    if (std::string(caption) == kLabList) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void PumpProgram(int ms) { PumpProgramUntil([] { return false; }, ms); }

// Shows the splash, ends it with a key; returns the lab lists that followed.
std::vector<SeenDialog> SplashEndedByAKey(bool* frameDisabledWhileShown) {
    DialogDriver driver({CancelTheLabList, CancelTheLabList, CancelTheLabList});
    ShowSplash(BenchWindow);
    EXPECT_NE(SplashWindow, nullptr);
    *frameDisabledWhileShown = !IsWindowEnabled(FrameWindow);
    PumpProgram(100);
    EXPECT_EQ(GetForegroundWindow(), SplashWindow) << "it has the keyboard";
    TapKey(VK_SPACE);
    for (int i = 0; i < 100 && SplashWindow; ++i) PumpProgram(10);
    EXPECT_EQ(SplashWindow, nullptr) << "a key ends it";
    EXPECT_TRUE(IsWindowEnabled(FrameWindow));
    PumpProgram(500);
    driver.Finish();
    EXPECT_EQ(GetForegroundWindow(), FrameWindow) << "the frame is active afterwards";
    std::vector<SeenDialog> lists;
    for (const SeenDialog& d : driver.Seen())
        if (d.caption == kLabList) lists.push_back(d);
    return lists;
}

TEST(Splash, AKeyEndsItAndTheLabListOpensOncePerRunUnlessALabCameFromTheCommandLine) {
    ASSERT_TRUE(EnsureProgramWindows());
    bool disabled = false;

    LabFromCommandLine = true;
    EXPECT_TRUE(SplashEndedByAKey(&disabled).empty()) << "the command line's lab stays";
    EXPECT_TRUE(disabled);
    EXPECT_FALSE(LabFromCommandLine) << "the mark is used once";

    const std::vector<SeenDialog> first = SplashEndedByAKey(&disabled);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].caption, "Brevane Simulation Modules");

    EXPECT_TRUE(SplashEndedByAKey(&disabled).empty()) << "once per run";
    EXPECT_TRUE(SplashIsSmall(768));
    EXPECT_FALSE(SplashIsSmall(1024));
}

}  // namespace
