// The standard boxes, answered by a second thread.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/app_windows_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/timer_pause_win.h"
#include "bench/model/bench_state.h"
#include "dialog_driver.h"
#include "test_window.h"

namespace {

class MessageBoxesTest : public testing::Test {
protected:
    void SetUp() override {
        wasRunning_ = SimulationRunning;
        InstallBenchTimerPause(bench.handle());
    }
    // The shared program, when it runs, gets its own bench's pause back: a
    // later suite's dialogs must stop its timer again.
    void TearDown() override {
        KillTimer(bench.handle(), kLabTimerId);
        RemoveTimerPause();
        SimulationRunning = wasRunning_;
        if (BenchWindow && IsWindow(BenchWindow)) InstallBenchTimerPause(BenchWindow);
        DocumentModified = false;
    }
    bool TimerRuns() {
        // KillTimer answers whether there was one; put it back if so.
        bool was = KillTimer(bench.handle(), kLabTimerId) != FALSE;
        if (was) SetTimer(bench.handle(), kLabTimerId, kLabTimerMs, nullptr);
        return was;
    }
    TestWindow bench;
    bool wasRunning_ = false;
};

TEST_F(MessageBoxesTest, SavePromptAnswers) {
    struct Case {
        const char* name;
        int button;
        bool saveSucceeds;
        int expected;
        bool saveSent;
    };
    const Case cases[] = {
        {"cancel", IDCANCEL, true, IDCANCEL, false},
        {"no", IDNO, true, IDNO, false},
        {"yes, saved", IDYES, true, IDYES, true},
        {"yes, save failed", IDYES, false, IDCANCEL, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bench.commands.clear();
        bench.saveSucceeds = c.saveSucceeds;
        DocumentModified = true;
        DialogDriver driver({Press(c.button)});
        EXPECT_EQ(ConfirmSaveChanges(bench.handle(), "titration.lab"), c.expected);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Brevane");
        EXPECT_NE(driver.Seen()[0].text.find("Save current changes in titration.lab?"), std::string::npos)
            << driver.Seen()[0].text;
        EXPECT_EQ(bench.commands == std::vector<int>{32}, c.saveSent);
    }
    DialogDriver driver({Press(IDCANCEL)});
    ConfirmSaveChanges(bench.handle(), "");
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_NE(driver.Seen()[0].text.find("(untitled)"), std::string::npos);
}

TEST_F(MessageBoxesTest, WarningPausesAndRestartsOnlyARunningSimulation) {
    for (bool running : {false, true}) {
        SCOPED_TRACE(running ? "running" : "stopped");
        SimulationRunning = running;
        if (running) SetTimer(bench.handle(), kLabTimerId, kLabTimerMs, nullptr);
        DialogDriver driver({Press(IDOK)});
        // String 124 exists in the program's table.
        WarnPausingTimer(bench.handle(), GetModuleHandleA(nullptr), 124, "Heads up");
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Heads up");
        EXPECT_NE(driver.Seen()[0].text.find("Introduction"), std::string::npos);
        EXPECT_EQ(TimerRuns(), running);
        EXPECT_EQ(TimerPauseDepth(), 0);
    }
}

TEST_F(MessageBoxesTest, NestedBoxUnderADialogLeavesTheTimerStopped) {
    SimulationRunning = true;
    SetTimer(bench.handle(), kLabTimerId, kLabTimerMs, nullptr);
    {
        TimerPauseScope dialog;
        EXPECT_FALSE(TimerRuns());
        DialogDriver driver({Press(IDOK)});
        ShowFileWarning(bench.handle(), "Could not read file %s", "bad.lab");
        driver.Finish();
        EXPECT_FALSE(TimerRuns());  // still under the outer dialog
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Brevane");
        EXPECT_NE(driver.Seen()[0].text.find("Could not read file bad.lab"), std::string::npos);
    }
    EXPECT_TRUE(TimerRuns());
}

TEST_F(MessageBoxesTest, MissingStringShowsNoBoxAndLoadResStringSaysNull) {
    DialogDriver driver({});
    WarnPausingTimer(bench.handle(), GetModuleHandleA(nullptr), 60000, "none");
    driver.Finish();
    EXPECT_TRUE(driver.Seen().empty());
    char buffer[64];
    EXPECT_EQ(LoadResString(60000, buffer, sizeof buffer), nullptr);
    EXPECT_EQ(LoadResString(126, buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "Observations");
    char small[4];
    EXPECT_EQ(LoadResString(126, small, sizeof small), small);
    EXPECT_STREQ(small, "Obs");
}

}  // namespace
