// The start-up splash on the started program: it holds the frame disabled,
// a key ends it, and only its first end in a run opens the lab list, and
// not when a lab came from the command line.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/shell/splash_win.h"
#include "dialog_driver.h"
#include "program_instance.h"

namespace {

constexpr char kLabList[] = "Brevane Simulation Modules";

// The lab list is cancelled; the splash itself (also a dialog) is left to the key.
void CancelTheLabList(HWND dialog) {
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    if (std::string(caption) == kLabList) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Shows the splash, ends it with a key; returns the lab lists that followed.
std::vector<SeenDialog> SplashEndedByAKey(bool* frameDisabledWhileShown) {
    DialogDriver driver({CancelTheLabList, CancelTheLabList, CancelTheLabList});
    ShowSplash(BenchWindow);
    EXPECT_NE(SplashWindow, nullptr);
    *frameDisabledWhileShown = !IsWindowEnabled(FrameWindow);
    SendMessageA(SplashWindow, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(SplashWindow, nullptr) << "a key ends it at once";
    EXPECT_TRUE(IsWindowEnabled(FrameWindow));
    PumpMessages(500);
    driver.Finish();
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
