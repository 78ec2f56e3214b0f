// The demonstration player: recorded frames come back byte for byte, the
// pacing, the list texts, the comment edits, and malformed files that end
// playback or are stepped over without touching the bench.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/demo/demo_file_walk.h"
#include "app/demo/demo_player.h"
#include "bench/model/bench_check.h"
#include "bench/model/bench_validate.h"
#include "app/demo/demo_recorder.h"
#include "common/lab_style.h"
#include "render/animation_frames.h"
#include "tests/app/memory_demo_sink.h"

namespace {

constexpr size_t kObjectBytes = sizeof(LabObject);

struct FakePlayerSeams : DemoPlayerSeams {
    void RepaintBench(bool erase) override {
        repaints.push_back(erase);
        frames.emplace_back(reinterpret_cast<const uint8_t*>(&bench[1]),
                            reinterpret_cast<const uint8_t*>(&bench[1]) + size_t(*count) * kObjectBytes);
    }
    void EraseStrip(const RectI32& strip) override { strips.push_back(strip); }
    void LoadModule(const char* module, const char* udl) override {
        modules.push_back(std::string(module) + "|" + udl);
    }
    void ResetShell() override { ++shellResets; }
    uint32_t LabStyle() override { return style; }
    void CollectDataSample() override { ++samples; }
    void AddComment(const std::string& text, uint64_t offset) override {
        list.insert(list.begin(), text);
        offsets.insert(offsets.begin(), offset);
    }
    void ClearComments() override {
        list.clear();
        offsets.clear();
    }
    void ShowPopup(const std::string& text, PointI32 at, bool balloon) override {
        popup = text;
        popupAt = at;
        popupBalloon = balloon;
        ++popupsShown;
    }
    void RemovePopup() override { popup.clear(); }
    void ShowMessageBox(const std::string& text) override {
        boxes.push_back(text);
        if (duringBox) duringBox();
    }
    void ShowDataWindow(bool show) override { dataWindowShown = show; }
    int32_t DatasetCount() override { return datasets; }
    void SetDatasetCount(int32_t n) override { datasets = n; }
    void FreeDatasetPoints() override { ++pointsFreed; }
    void StartTimer(int32_t ms) override {
        timer = ms;
        timers.push_back(ms);
    }
    void StopTimer() override { timer = 0; }
    void SetProgress(int32_t percent) override { progress = percent; }
    void SetButtons(const DemoButtons& b) override { buttons = b; }

    int32_t* count = nullptr;
    LabObject* bench = nullptr;
    std::vector<bool> repaints;
    std::vector<std::vector<uint8_t>> frames;
    std::vector<RectI32> strips;
    std::vector<std::string> modules;
    int shellResets = 0;
    uint32_t style = 0;
    int samples = 0;
    std::vector<std::string> list;
    std::vector<uint64_t> offsets;
    std::string popup;
    PointI32 popupAt{};
    bool popupBalloon = false;
    int popupsShown = 0;
    std::vector<std::string> boxes;
    std::function<void()> duringBox;
    bool dataWindowShown = false;
    int32_t datasets = 0;
    int pointsFreed = 0;
    int32_t timer = 0;
    std::vector<int32_t> timers;
    int32_t progress = -1;
    DemoButtons buttons{};
};

// Writes demonstration files event by event, as the recorder lays them out.
class DemoFileBuilder {
public:
    explicit DemoFileBuilder(const char* module = "OLVARIS.DLL") {
        DemoFileHeader h{};
        std::memcpy(h.signature, kDemoSignature, sizeof kDemoSignature);
        std::strncpy(h.moduleName, module, sizeof h.moduleName - 1);
        h.headerSize = 928;
        Append(&h, sizeof h);
    }
    DemoFileBuilder& Event(int32_t type, int64_t seconds, int32_t count, const void* payload,
                           int32_t length, int32_t p1 = 0, int32_t p2 = 0, int32_t p3 = 0,
                           int32_t p4 = 0, int32_t p5 = 0) {
        DemoEvent e{};
        e.seconds = seconds;
        e.objectCount = count;
        e.payloadLength = length;
        e.sequence = ++sequence_;
        e.type = type;
        e.p1 = p1;
        e.p2 = p2;
        e.p3 = p3;
        e.p4 = p4;
        e.p5 = p5;
        Append(&e, sizeof e);
        if (payload && length > 0) Append(payload, size_t(length));
        return *this;
    }
    DemoFileBuilder& Snapshot(int64_t seconds, const std::vector<LabObject>& objects) {
        return Event(kDemoSnapshot, seconds, int32_t(objects.size()), objects.data(),
                     int32_t(objects.size() * kObjectBytes));
    }
    DemoFileBuilder& Comment(int64_t seconds, const std::string& text, int32_t p1 = 0,
                             int32_t x = 0, int32_t y = 0, int32_t time = 0, int32_t style = 0) {
        return Event(kDemoComment, seconds, 0, text.c_str(), int32_t(text.size() + 1), p1, x, y, time,
                     style);
    }
    DemoFileBuilder& Mark(int64_t seconds) { return Event(kDemoTimeMark, seconds, 0, nullptr, 0); }
    DemoFileBuilder& Raw(const void* bytes, size_t length) {
        Append(bytes, length);
        return *this;
    }
    std::vector<uint8_t> bytes;

private:
    void Append(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
    }
    int32_t sequence_ = 0;
};

LabObject Object(int32_t type, int32_t left) {
    LabObject o{};
    o.type = type;
    o.position = {left, 100, left + 60, 180};
    o.temperature = 293;
    return o;
}

class DemoPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        std::memset(static_cast<void*>(bench), 0, sizeof bench);
        seams.count = &count;
        seams.bench = bench;
    }
    // Opens the file and ticks until playback ends (or `ticks` run out).
    void PlayToEnd(std::vector<uint8_t> file, int ticks = 1000) {
        ASSERT_EQ(player.Open(std::move(file)), 0);
        for (int i = 0; i < ticks && !player.Ended(); ++i) player.Tick();
    }
    std::vector<uint8_t> Bench() const {
        const auto* p = reinterpret_cast<const uint8_t*>(&bench[1]);
        return std::vector<uint8_t>(p, p + size_t(count) * kObjectBytes);
    }

    LabObject bench[kLabObjectArrayLength];
    int32_t count = 0;
    FakePlayerSeams seams;
    DemoPlayer player{seams, &count, bench};
};

}  // namespace

TEST_F(DemoPlayerTest, PlaysARecordingBackFrameByFrame) {
    // Record a session with the real recorder: frames, comments, a pop-up.
    MemoryDemoSink sink;
    LabDemoRecorder = DemoRecorder{};
    LabDemoRecorder.recording = true;
    static int64_t clock = 0;
    clock = 0;
    LabDemoRecorder.labClockSeconds = [] { return clock; };
    BeginDemoFile(&sink, "OLVARIS.DLL", "", 700);
    LabObject recorded[kLabObjectArrayLength] = {};
    std::vector<std::vector<uint8_t>> frames;
    auto frame = [&](int32_t n) {
        if (RecordLabState(n, &recorded[1]))
            frames.emplace_back(reinterpret_cast<uint8_t*>(&recorded[1]),
                                reinterpret_cast<uint8_t*>(&recorded[1]) + size_t(n) * kObjectBytes);
    };
    recorded[1] = Object(kBeaker, 10);
    frame(1);
    RecordComment("Add Beaker", kCommentProcedure);
    recorded[1].liquidVolume = 500;
    recorded[1].slots[0].grams = 50;
    ++clock;
    frame(1);
    recorded[2] = Object(kBunsenBurner, 10);
    recorded[1].heatApplied = 5;
    frame(2);
    RecordEvent("Look here", kDemoComment, kDemoPopupMessage, 40, 50, 3, 1);
    for (int i = 0; i < 4; ++i) {
        clock += 1;
        recorded[1].temperature += 2.5f;
        recorded[1].slots[0].kelvin = recorded[1].temperature;
        frame(2);
    }
    RecordEvent("Show Data", kDemoUiCommand, kDemoShowDataWindow, 0, 0, 0, 0);
    frame(2);  // unchanged: nothing written
    LabDemoRecorder = DemoRecorder{};
    ASSERT_EQ(frames.size(), 7u);

    seams.style = kStylePhMeter;
    PlayToEnd(sink.data);
    ASSERT_TRUE(player.Ended());
    EXPECT_EQ(seams.modules, (std::vector<std::string>{"OLVARIS.DLL|"}));
    EXPECT_EQ(seams.shellResets, 1);
    EXPECT_EQ(seams.frames, frames) << "every recorded frame, in order";
    EXPECT_EQ(Bench(), frames.back());
    EXPECT_EQ(seams.repaints, (std::vector<bool>{true, false, true, false, false, false, false}))
        << "erased when the count changes, not for contents";
    EXPECT_EQ(seams.samples, 5) << "after each delta, for a lab with the pH meter";
    EXPECT_EQ(seams.list, (std::vector<std::string>{"Show Data", "Display Message: Look here",
                                                    "Add Beaker"}))
        << "newest first";
    EXPECT_TRUE(seams.dataWindowShown);
    EXPECT_EQ(seams.popupsShown, 1);
    EXPECT_EQ(seams.popupAt.x, 40);
    EXPECT_EQ(seams.popupAt.y, 50);
    EXPECT_TRUE(seams.popupBalloon);
    EXPECT_EQ(seams.popup, "") << "removed at its end time, or by the end";
    EXPECT_EQ(seams.progress, 100);
    EXPECT_EQ(seams.timer, 0) << "stopped at the end";
    EXPECT_EQ(seams.buttons, (DemoButtons{false, false, true, true, true}));

    // The list the edits rebuild is the one playback made.
    const auto items = DemoCommentItems(player.File().data(), player.File().size(), player.formats);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].offset, seams.offsets[2]);
}

TEST_F(DemoPlayerTest, PopUpEndsAtTheFirstEventAtOrAfterItsEndTime) {
    auto file = DemoFileBuilder()
                    .Comment(10, "Hello", kDemoPopupMessage, 1, 2, 3, 2)
                    .Mark(12)
                    .Mark(13)
                    .Mark(14)
                    .bytes;
    ASSERT_EQ(player.Open(file), 0);
    player.Tick();
    EXPECT_EQ(seams.popup, "Hello");
    EXPECT_FALSE(seams.popupBalloon) << "style 2 is the regular tip";
    player.Tick();
    EXPECT_EQ(seams.popup, "Hello") << "12 is before 10 + 3";
    player.Tick();
    EXPECT_EQ(seams.popup, "");
}

TEST_F(DemoPlayerTest, RealTimePacingFollowsTheStampsAndAcceleratedStepsEvery100Ms) {
    struct Case {
        int64_t stamp, next;
        int32_t ms;
    };
    const Case cases[] = {
        {5, 5, 100},      {5, 8, 3000},     {5, 50, 30000},   {5, 35, 30000}, {5, 34, 29000},
        {9, 2, 100},      {0, INT64_MAX, 30000}, {INT64_MIN, INT64_MAX, 30000},
        {INT64_MAX, INT64_MIN, 100},
    };
    for (const Case& c : cases) EXPECT_EQ(DemoGapMs(c.stamp, c.next), c.ms) << c.stamp << " " << c.next;

    auto file = DemoFileBuilder().Mark(0).Mark(0).Mark(3).Mark(48).Mark(40).Mark(41).Mark(41).bytes;
    player.SetAccelerated(false);
    PlayToEnd(file);
    EXPECT_EQ(seams.timers, (std::vector<int32_t>{100, 3000, 30000, 100, 1000}))
        << "a changed interval restarts the timer; the last two events keep it";

    seams.timers.clear();
    player.SetAccelerated(true);
    player.Rewind();
    PlayToEnd(file);
    EXPECT_EQ(seams.timers, (std::vector<int32_t>{1000, 100}))
        << "opened with the interval it had, then 100 ms";
}

TEST_F(DemoPlayerTest, ListTextsOfMessagesAreCutFrom129Characters) {
    struct Case {
        size_t length;
        std::string expected;
    };
    const std::string a128(128, 'a'), a127(127, 'a');
    const Case cases[] = {
        {128, "Display Message: " + a128},
        {129, "Display Message: " + a127 + "..."},
        {130, "Display Message: " + a127 + "..."},
    };
    for (const Case& c : cases) {
        auto file = DemoFileBuilder().Comment(0, std::string(c.length, 'a'), kDemoPopupMessage, 0, 0, 5, 1).bytes;
        DemoEventAt e;
        ASSERT_TRUE(PeekDemoEvent(file.data(), file.size(), kDemoHeaderBytes, &e));
        EXPECT_EQ(DemoListText(e, DemoListFormats{}), c.expected) << c.length;
    }
    // A plain comment is listed as it is, however long.
    auto file = DemoFileBuilder().Comment(0, std::string(300, 'b')).bytes;
    DemoEventAt e;
    ASSERT_TRUE(PeekDemoEvent(file.data(), file.size(), kDemoHeaderBytes, &e));
    EXPECT_EQ(DemoListText(e, DemoListFormats{}), std::string(300, 'b'));
    // A text without its NUL stops at the payload's end.
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    auto cut = DemoFileBuilder().Event(kDemoComment, 0, 0, unterminated, 3).Mark(0).bytes;
    ASSERT_TRUE(PeekDemoEvent(cut.data(), cut.size(), kDemoHeaderBytes, &e));
    EXPECT_EQ(DemoCommentText(e), "abc");
}

TEST_F(DemoPlayerTest, DeletingTheOnlyCommentShrinksTheFileAndKeepsTheOtherEvents) {
    const std::vector<LabObject> one{Object(kBeaker, 10)};
    DemoFileBuilder builder;
    builder.Snapshot(0, one).Mark(1);
    const size_t commentAt = builder.bytes.size();
    builder.Comment(2, "Only comment").Mark(3);
    std::vector<uint8_t> file = builder.bytes;
    const std::vector<uint8_t> before = file;

    EXPECT_FALSE(DeleteDemoComment(file, commentAt + 1)) << "not the start of an event";
    EXPECT_FALSE(DeleteDemoComment(file, kDemoHeaderBytes)) << "a snapshot, not a comment";
    EXPECT_EQ(file, before);

    ASSERT_TRUE(DeleteDemoComment(file, commentAt));
    EXPECT_EQ(file.size(), before.size() - 48 - 13);
    std::vector<uint8_t> expected(before.begin(), before.begin() + ptrdiff_t(commentAt));
    expected.insert(expected.end(), before.begin() + ptrdiff_t(commentAt + 48 + 13), before.end());
    EXPECT_EQ(file, expected);
    EXPECT_TRUE(DemoCommentItems(file.data(), file.size(), {}).empty());
}

TEST_F(DemoPlayerTest, RewritingAMessageInPlaceKeepsItsStampAndSequence) {
    DemoFileBuilder builder;
    builder.Mark(1);
    const size_t at = builder.bytes.size();
    builder.Comment(7, "A rather long message text", kDemoPopupMessage, 1, 2, 3, 1).Mark(9);
    std::vector<uint8_t> file = builder.bytes;
    const std::vector<uint8_t> before = file;

    DemoMessage shorter{"Short", 4, 30, 40, 6};
    ASSERT_TRUE(RewriteDemoComment(file, at, shorter));
    EXPECT_EQ(file.size(), before.size() - (std::strlen("A rather long message text") - 5));
    DemoEventAt e;
    ASSERT_TRUE(PeekDemoEvent(file.data(), file.size(), at, &e));
    EXPECT_EQ(e.header.seconds, 7);
    EXPECT_EQ(e.header.sequence, 2);
    EXPECT_EQ(e.header.type, kDemoComment);
    EXPECT_EQ(e.header.p1, kDemoPopupMessage);
    EXPECT_EQ(e.header.p2, 30);
    EXPECT_EQ(e.header.p3, 40);
    EXPECT_EQ(e.header.p4, 6);
    EXPECT_EQ(e.header.p5, 4);
    EXPECT_EQ(DemoCommentText(e), "Short");
    // The event after it is the old one, byte for byte.
    EXPECT_TRUE(std::equal(file.begin() + ptrdiff_t(e.next), file.end(),
                           before.end() - ptrdiff_t(kDemoEventBytes)));

    // A player comment has no pop-up marker; a long text is cut to 511.
    ASSERT_TRUE(RewriteDemoComment(file, at, DemoMessage{std::string(600, 'x'), 0, 0, 0, 5}));
    ASSERT_TRUE(PeekDemoEvent(file.data(), file.size(), at, &e));
    EXPECT_EQ(e.header.p1, 0);
    EXPECT_EQ(DemoCommentText(e).size(), 511u);
    EXPECT_FALSE(RewriteDemoComment(file, 0, shorter)) << "the file header";
}

TEST_F(DemoPlayerTest, OpeningRefusesWhatIsNotADemonstration) {
    EXPECT_EQ(player.Open({}), 715);
    std::vector<uint8_t> file = DemoFileBuilder().bytes;
    std::vector<uint8_t> shortFile(file.begin(), file.end() - 1);
    EXPECT_EQ(player.Open(shortFile), 716);
    std::vector<uint8_t> wrong = file;
    wrong[3] = 'X';
    EXPECT_EQ(player.Open(wrong), 716);
    std::vector<uint8_t> path = DemoFileBuilder("..\\EVIL.DLL").bytes;
    EXPECT_EQ(player.Open(path), 716) << "only bare module names are loaded";
    EXPECT_TRUE(seams.modules.empty());

    // Exactly the header: it opens and ends at the first tick.
    count = 3;
    ASSERT_EQ(player.Open(file), 0);
    EXPECT_EQ(seams.timer, 100);
    player.Tick();
    EXPECT_TRUE(player.Ended());
    EXPECT_EQ(seams.timer, 0);
    EXPECT_TRUE(seams.frames.empty());
}

TEST_F(DemoPlayerTest, MalformedEventsEndPlaybackOrAreSkippedWithoutTouchingTheBench) {
    const std::vector<LabObject> one{Object(kBeaker, 10)};
    LabObject unknown = Object(kBeaker, 10);
    unknown.type = 29;
    int32_t badRun[3] = {5150, 20, 0};  // past the end of one record
    int32_t negativeRun[2] = {-4, 2};
    char badModule[520] = "..\\X.DLL";
    char unterminated[520];
    std::memset(unterminated, 'A', sizeof unterminated);
    const std::vector<std::string> none, after{"after"};
    struct Case {
        const char* what;
        std::function<void(DemoFileBuilder&)> add;  // a bad event, then a comment "after"
        std::vector<std::string> listed;              // after playback
    };
    const Case cases[] = {
        {"header cut short", [](DemoFileBuilder& b) { b.Comment(0, "after").Raw("\1\2\3", 3); }, after},
        {"payload past the end",
         [](DemoFileBuilder& b) { b.Event(kDemoComment, 0, 0, nullptr, 100000).Comment(0, "after"); }, none},
        {"negative length",
         [](DemoFileBuilder& b) { b.Event(kDemoTimeMark, 0, 0, nullptr, -48).Comment(0, "after"); }, none},
        {"count above 50", [&](DemoFileBuilder& b) { b.Event(kDemoSnapshot, 0, 51, nullptr, 0); }, after},
        {"negative count", [&](DemoFileBuilder& b) { b.Event(kDemoDelta, 0, -1, nullptr, 0); }, after},
        {"snapshot not count x 5160",
         [&](DemoFileBuilder& b) { b.Event(kDemoSnapshot, 0, 2, one.data(), int32_t(kObjectBytes)); }, after},
        {"snapshot of an unknown type",
         [&](DemoFileBuilder& b) { b.Event(kDemoSnapshot, 0, 1, &unknown, int32_t(kObjectBytes)); }, after},
        {"delta run outside the frame",
         [&](DemoFileBuilder& b) { b.Event(kDemoDelta, 0, 1, badRun, 12); }, after},
        {"delta run at a negative offset",
         [&](DemoFileBuilder& b) { b.Event(kDemoDelta, 0, 1, negativeRun, 8); }, after},
        {"delta on a frame of another count",
         [&](DemoFileBuilder& b) { b.Event(kDemoDelta, 0, 0, nullptr, 0); }, after},
        {"delta making an unknown type",
         [&](DemoFileBuilder& b) {
             const int32_t run[3] = {0, 4, 29};
             b.Event(kDemoDelta, 0, 1, run, 12);
         },
         after},
        {"module load with a path",
         [&](DemoFileBuilder& b) { b.Event(kDemoModuleLoad, 0, 0, badModule, 520); }, after},
        {"module load unterminated",
         [&](DemoFileBuilder& b) { b.Event(kDemoModuleLoad, 0, 0, unterminated, 520); }, after},
        {"module load of the wrong length",
         [&](DemoFileBuilder& b) { b.Event(kDemoModuleLoad, 0, 0, badModule, 519); }, after},
        {"unknown type", [&](DemoFileBuilder& b) { b.Event(3, 0, 0, nullptr, 0); }, after},
        {"empty comment", [&](DemoFileBuilder& b) { b.Event(kDemoComment, 0, 0, nullptr, 0); }, after},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DemoFileBuilder builder;
        builder.Snapshot(0, one);
        c.add(builder);
        if (c.listed == after && std::string(c.what) != "header cut short") builder.Comment(1, "after");
        seams = FakePlayerSeams{};
        seams.count = &count;
        seams.bench = bench;
        PlayToEnd(builder.bytes);
        ASSERT_TRUE(player.Ended());
        EXPECT_EQ(seams.frames.size(), 1u) << "only the good snapshot reached the bench";
        EXPECT_EQ(count, 1);
        EXPECT_EQ(Bench(), std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(one.data()),
                                                reinterpret_cast<const uint8_t*>(one.data()) + kObjectBytes));
        EXPECT_EQ(seams.modules.size(), 1u) << "only the file's own module";
        EXPECT_EQ(seams.list, c.listed);
        player.Rewind();
    }
}

TEST_F(DemoPlayerTest, SnapshotsPassTheLabFileObjectChecks) {
    std::vector<LabObject> two{Object(kBeaker, 10), Object(kTestTube, 80)};
    two[0].host = 1;             // itself
    two[0].pourTarget = 7;       // beyond the count
    two[1].host = 1;             // good: its host holds it
    two[0].hostedItem = 2;
    two[0].liquidVolume = std::nan("");
    two[0].temperature = 5000;
    std::memset(two[1].note, 'n', sizeof two[1].note);
    PlayToEnd(DemoFileBuilder().Snapshot(0, two).bytes);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(bench[1].host, 0);
    EXPECT_EQ(bench[1].pourTarget, 0);
    EXPECT_EQ(bench[2].host, 1);
    EXPECT_EQ(bench[1].hostedItem, 2);
    EXPECT_EQ(bench[1].liquidVolume, 0);
    EXPECT_FLOAT_EQ(bench[1].temperature, kMaxKelvin);
    EXPECT_EQ(bench[2].note[sizeof bench[2].note - 1], '\0');
}

// Snapshots and deltas pass the same link checks as a lab file: a pair that
// contradicts itself loses the unanswered side, a ring of hosts is cut, and
// values go back into range, so the bench left after playback is sound.
TEST_F(DemoPlayerTest, FramesLeaveOnlyLinksTheirPartnersAnswer) {
    std::vector<LabObject> three{Object(kBeaker, 10), Object(kConductivityMeter, 80), Object(kBeaker, 200)};
    three[1].host = 1;
    three[0].hostedItem = 2;
    three[2].host = 1;  // the beaker holds the meter, not this one
    three[2].slots[0].grams = 1e300;
    auto file = DemoFileBuilder().Snapshot(0, three);
    // A delta that seats the first beaker in its own meter: a ring of two.
    const int32_t host = 2;
    const int32_t hosted = 1;
    std::vector<uint8_t> runs(8 + 4 + 8 + 4);
    const int32_t hostAt = int32_t(offsetof(LabObject, host));
    const int32_t hostedAt = int32_t(kObjectBytes + offsetof(LabObject, hostedItem));
    const int32_t four = 4;
    std::memcpy(&runs[0], &hostAt, 4);
    std::memcpy(&runs[4], &four, 4);
    std::memcpy(&runs[8], &host, 4);
    std::memcpy(&runs[12], &hostedAt, 4);
    std::memcpy(&runs[16], &four, 4);
    std::memcpy(&runs[20], &hosted, 4);
    file.Event(kDemoDelta, 1, 3, runs.data(), int32_t(runs.size()));
    PlayToEnd(file.bytes);
    ASSERT_EQ(count, 3);
    std::string fault;
    EXPECT_TRUE(CheckBench(bench, 3, &fault)) << fault;
    EXPECT_EQ(ValidateBench(bench, 3), "");
    EXPECT_EQ(bench[3].host, 0);
    EXPECT_LE(bench[3].slots[0].grams, kMostSlotGrams);
    EXPECT_EQ(bench[2].host, 1) << "the meter stays in its beaker";
    EXPECT_EQ(bench[1].host, 0) << "the ring is cut";
}

TEST_F(DemoPlayerTest, AMessageBoxHoldsPlaybackAndTheNextEventStillPlays) {
    auto file = DemoFileBuilder()
                    .Comment(0, "Stop and read", kDemoPopupMessage, 0, 0, 5, 4)
                    .Comment(0, "next")
                    .bytes;
    int32_t timerDuringBox = -1;
    seams.duringBox = [&] { timerDuringBox = seams.timer; };
    PlayToEnd(file);
    EXPECT_EQ(seams.boxes, (std::vector<std::string>{"Stop and read"}));
    EXPECT_EQ(timerDuringBox, 0) << "the timer is stopped while the box shows";
    EXPECT_EQ(seams.list, (std::vector<std::string>{"next", "Display Message: Stop and read"}));

    // Rewound (or closed) while the box showed: nothing runs on the old file.
    seams = FakePlayerSeams{};
    seams.count = &count;
    seams.bench = bench;
    seams.duringBox = [&] { player.Rewind(); };
    ASSERT_EQ(player.Open(file), 0);
    player.Tick();
    EXPECT_FALSE(player.Loaded());
    EXPECT_EQ(player.ReadPosition(), 0u);
    EXPECT_EQ(seams.timer, 0);
    player.Tick();
    EXPECT_TRUE(seams.list.empty());
}

TEST_F(DemoPlayerTest, ButtonsNeverRunPlaybackOnAFreedFile) {
    auto file = DemoFileBuilder().Mark(0).Mark(0).bytes;
    int opened = 0;
    auto open = [&] {
        ++opened;
        return player.Open(file);
    };
    EXPECT_EQ(player.Play(open), 0);
    EXPECT_EQ(opened, 1);
    player.Pause();
    EXPECT_EQ(seams.buttons, (DemoButtons{true, false, true, false, false}));
    EXPECT_EQ(player.Play(open), 0);
    EXPECT_EQ(opened, 1) << "Play after Pause resumes";
    EXPECT_EQ(player.State(), DemoPlayState::kPlaying);

    player.Rewind();
    EXPECT_EQ(seams.buttons, (DemoButtons{true, true, true, false, false}));
    EXPECT_EQ(seams.progress, 0);
    player.Pause();  // offered while stopped
    player.Tick();
    EXPECT_EQ(player.Play(open), 0);
    EXPECT_EQ(opened, 2) << "nothing to resume: the file is opened again";
    player.Close();
    player.Tick();
    EXPECT_FALSE(player.Loaded());
}

TEST_F(DemoPlayerTest, DataWindowCommandsKeepTheDatasetCountInRange) {
    auto ui = [](DemoFileBuilder& b, int32_t code) { b.Event(kDemoUiCommand, 0, 0, nullptr, 0, code); };
    DemoFileBuilder b;
    ui(b, kDemoAddDataset);
    ui(b, kDemoAddDataset);
    PlayToEnd(b.bytes);
    EXPECT_EQ(seams.datasets, 1) << "at most one";
    DemoFileBuilder drops;
    ui(drops, kDemoDropDataset);
    ui(drops, kDemoDropDataset);
    ui(drops, kDemoShowDataWindow);
    player.Rewind();
    PlayToEnd(drops.bytes);
    EXPECT_EQ(seams.datasets, 0) << "never below 0";
    EXPECT_EQ(seams.pointsFreed, 2);
    EXPECT_TRUE(seams.dataWindowShown);
}

TEST_F(DemoPlayerTest, FramesAreErasedOnlyWhenTheirShapeChanges) {
    struct Case {
        const char* what;
        std::function<void(LabObject&)> change;
        int32_t type;
        bool erase;
    };
    const Case cases[] = {
        {"contents", [](LabObject& o) { o.liquidVolume = 30; }, kBeaker, false},
        {"position", [](LabObject& o) { o.position.left += 1; }, kBeaker, true},
        {"state bits", [](LabObject& o) { o.stateBits = 2; }, kBeaker, true},
        {"object flags", [](LabObject& o) { o.objectFlags = kObjLightOn; }, kBeaker, true},
        {"balance variant", [](LabObject& o) { o.variant = 1; }, kCentigramBalance, true},
        {"beaker variant", [](LabObject& o) { o.variant = 1; }, kBeaker, false},
        {"syringe volume", [](LabObject& o) { o.reading2 = 5; }, kGasSyringe, true},
        {"geiger shield", [](LabObject& o) { o.reading3 = 1; }, kGeigerCounter, true},
        {"geiger sheets", [](LabObject& o) { o.reading4 = 1; }, kGeigerCounter, false},
    };
    for (const Case& c : cases) {
        LabObject a = Object(c.type, 10), b = a;
        c.change(b);
        EXPECT_EQ(FrameNeedsErase(reinterpret_cast<uint8_t*>(&a), 1, reinterpret_cast<uint8_t*>(&b), 1), c.erase)
            << c.what;
    }
    LabObject a = Object(kBeaker, 10);
    EXPECT_TRUE(FrameNeedsErase(reinterpret_cast<uint8_t*>(&a), 1, nullptr, 0)) << "an empty frame after one";
}

TEST_F(DemoPlayerTest, AnimatedKindsTakeTheirFrameRulesAfterEachFrame) {
    std::vector<LabObject> objects{Object(kEyeDropper, 10), Object(kRoundBottomFlask, 100)};
    objects[0].currentPictureId = kDropperDrippingPicture;  // not dripping any more
    objects[1].currentPictureId = kFlaskBoilingPicture;
    objects[1].flowSetting = 0.3;
    PlayToEnd(DemoFileBuilder().Snapshot(0, objects).bytes);
    EXPECT_EQ(bench[1].currentPictureId, kDropperPicture);
    ASSERT_EQ(seams.strips.size(), 1u);
    EXPECT_EQ(seams.strips[0].top, 170);
    EXPECT_EQ(bench[2].currentPictureId, kFlaskBubblingPicture);
}

TEST(DemoMessageTime, IsClampedSoMillisecondsFit) {
    EXPECT_EQ(ClampMessageSeconds(-5), 0);
    EXPECT_EQ(ClampMessageSeconds(5), 5);
    EXPECT_EQ(ClampMessageSeconds(int64_t{1} << 40), kLongestMessageSeconds);
    EXPECT_LE(int64_t{kLongestMessageSeconds} * 1000, INT32_MAX);
    EXPECT_EQ(PopupEndSeconds(INT64_MAX - 1, 5), INT64_MAX);
    EXPECT_EQ(PopupEndSeconds(10, -3), 10);
    EXPECT_EQ(DemoProgress(50, 200), 25);
    EXPECT_EQ(DemoProgress(300, 200), 100);
    EXPECT_EQ(DemoProgress(0x7FFFFFFF, 0x7FFFFFFF), 100) << "computed in 64 bits";
}
