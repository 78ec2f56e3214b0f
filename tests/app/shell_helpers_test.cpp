// Path parts, window captions, the counted timer pause, the print loop and
// selecting an object.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/documents/path_parts.h"
#include "app/panes/print_loop.h"
#include "app/shell/select_object.h"
#include "app/shell/timer_pause.h"
#include "app/frame/window_title.h"
#include "bench/model/selection.h"

namespace {

TEST(PathParts, FileNameAndExtension) {
    EXPECT_STREQ(FileNamePart("C:\\a\\b.udl"), "b.udl");
    EXPECT_STREQ(FileNamePart("C:b.udl"), "b.udl");
    EXPECT_STREQ(FileNamePart("plain"), "plain");
    EXPECT_STREQ(ExtensionPart("C:\\a.d\\b.UDL-BREVANE"), ".UDL-BREVANE");
    EXPECT_STREQ(ExtensionPart("C:\\a.d\\noext"), "");
}

TEST(WindowTitle, ComposesTitleAndName) {
    struct Case {
        const char* title;
        const char* extra;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, "Brevane - (untitled)"},
        {"", "Specific Heat", "Brevane - (untitled) - Specific Heat"},
        {"titr.lab", nullptr, "Brevane - titr.lab"},
        {"titr.lab", "", "Brevane - titr.lab"},
        {"titr.lab", "Acid Base", "Brevane - titr.lab - Acid Base"},
    };
    for (const Case& c : cases) {
        char out[128];
        ComposeWindowTitle(c.title, c.extra, out, sizeof out);
        EXPECT_STREQ(out, c.expected);
    }
    char small[10];
    ComposeWindowTitle("long title", "name", small, sizeof small);
    EXPECT_STREQ(small, "Brevane -");
}

struct FakeTimer {
    int stops = 0, restarts = 0;
    bool running = true;
};

TimerPauseSeam SeamFor(FakeTimer& t) {
    return {[](void* c) { ++static_cast<FakeTimer*>(c)->stops; },
            [](void* c) { ++static_cast<FakeTimer*>(c)->restarts; },
            [](void* c) { return static_cast<FakeTimer*>(c)->running; }, &t};
}

TEST(TimerPause, NestedPausesRestartOnlyAtTheOutermostEnd) {
    FakeTimer timer;
    InstallTimerPause(SeamFor(timer));
    {
        TimerPauseScope dialog;
        {
            TimerPauseScope innerBox;
            EXPECT_EQ(TimerPauseDepth(), 2);
        }
        EXPECT_EQ(timer.restarts, 0);  // still under the dialog
    }
    EXPECT_EQ(timer.stops, 1);
    EXPECT_EQ(timer.restarts, 1);
    EXPECT_EQ(TimerPauseDepth(), 0);

    timer.running = false;
    { TimerPauseScope box; }
    EXPECT_EQ(timer.restarts, 1);  // a stopped simulation stays stopped

    EndTimerPause();  // unmatched
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_EQ(timer.restarts, 1);
    RemoveTimerPause();
    { TimerPauseScope noSeam; }
}

struct ScriptedSink : PageSink {
    std::vector<int32_t> answers;  // FormatPage results in turn
    size_t next = 0;
    int started = 0, ended = 0, cleared = 0;
    std::vector<int32_t> firsts;
    bool StartPage() override { return ++started, true; }
    int32_t FormatPage(int32_t first) override {
        firsts.push_back(first);
        return next < answers.size() ? answers[next++] : first;
    }
    bool EndPage() override { return ++ended, true; }
    void ClearFormatCache() override { ++cleared; }
};

TEST(PrintLoop, PagesUntilTheEndOrNoProgress) {
    struct Case {
        const char* name;
        int32_t length;
        std::vector<int32_t> answers;
        int pages;
    };
    const Case cases[] = {
        {"short text", 40, {40}, 1},
        {"three pages", 300, {120, 250, 300}, 3},
        {"no progress on the first page", 300, {0}, 1},
        {"stuck after one page", 300, {120, 120}, 2},
        {"going backwards", 300, {120, 50}, 2},
        {"empty text", 0, {0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSink sink;
        sink.answers = c.answers;
        EXPECT_EQ(RunPrintLoop(c.length, sink), c.pages);
        EXPECT_EQ(sink.started, c.pages);
        EXPECT_EQ(sink.ended, c.pages);
        EXPECT_EQ(sink.cleared, 1);
        EXPECT_EQ(sink.firsts[0], 0);
    }
}

TEST(SelectObject, SelectsAndUpdatesButtonsOnce) {
    static std::vector<int32_t> updates;
    updates.clear();
    SelectedObject = 0;
    SetObjectButtonsUpdater([](int32_t object) { updates.push_back(object); });
    EXPECT_EQ(SelectLabObject(3, 7), 1);
    EXPECT_EQ(SelectedObject, 3);
    EXPECT_EQ(SelectLabObject(3, 7), 1);  // already selected: no change
    EXPECT_EQ(SelectLabObject(-1, 7), 0);
    EXPECT_EQ(SelectedObject, 3);
    EXPECT_EQ(updates, (std::vector<int32_t>{7}));
    SetObjectButtonsUpdater(nullptr);
    EXPECT_EQ(SelectLabObject(0, 0), 1);
    EXPECT_EQ(SelectedObject, 0);
}

}  // namespace

#include "app/shell/message_text.h"

namespace {

TEST(MessageText, FillsTheFirstTitleOnlyAndIsBounded) {
    char out[64];
    FillTitle("Could not read file %s", "a.lab", out, sizeof out);
    EXPECT_STREQ(out, "Could not read file a.lab");
    FillTitle("Save current changes in %s?", "", out, sizeof out);
    EXPECT_STREQ(out, "Save current changes in (untitled)?");
    FillTitle("Save %s?", "100%s %n.lab", out, sizeof out);  // a title is never a format
    EXPECT_STREQ(out, "Save 100%s %n.lab?");
    FillTitle("no title here", "x", out, sizeof out);
    EXPECT_STREQ(out, "no title here");
    char small[8];
    FillTitle("Could not read file %s", "a.lab", small, sizeof small);
    EXPECT_STREQ(small, "Could n");
}

}  // namespace
