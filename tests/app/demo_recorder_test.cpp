// The demonstration recorder: which events each bench change writes, the
// comment throttle, time marks, and deltas that rebuild every frame.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/demo/demo_reader.h"
#include "app/demo/demo_recorder.h"
#include "tests/app/memory_demo_sink.h"

namespace {

int64_t clockNow = 0;

struct Recorded {
    DemoEvent header;
    std::vector<uint8_t> payload;
    std::string text;
};

class DemoRecorderTest : public testing::Test {
protected:
    void SetUp() override {
        LabDemoRecorder = DemoRecorder{};
        LabDemoRecorder.labClockSeconds = [] { return clockNow; };
        LabDemoRecorder.loadString = [](int32_t id, std::string* text) {
            if (id != 673) return false;
            *text = "Start Demo";
            return true;
        };
        clockNow = 0;
        Start();
    }
    void TearDown() override { LabDemoRecorder = DemoRecorder{}; }

    void Start() {
        sink = MemoryDemoSink{};
        LabDemoRecorder.recording = true;
        BeginDemoFile(&sink, "OLVARIS.DLL", "", 700);
    }

    std::vector<Recorded> Events() const {
        std::vector<Recorded> out;
        DemoReader reader(sink.data.data(), sink.data.size());
        DemoFileHeader header;
        EXPECT_EQ(reader.ReadHeader(&header), DemoReadStatus::kEvent);
        EXPECT_EQ(header.benchHeight, 700);
        DemoEventView e;
        DemoReadStatus status;
        while ((status = reader.Next(&e)) == DemoReadStatus::kEvent)
            out.push_back({e.header,
                           std::vector<uint8_t>(e.payload, e.payload + e.header.payloadLength),
                           std::string(e.text)});
        EXPECT_EQ(status, DemoReadStatus::kEnd);
        return out;
    }

    std::vector<int32_t> Types() const {
        std::vector<int32_t> types;
        for (const Recorded& r : Events()) types.push_back(r.header.type);
        return types;
    }

    MemoryDemoSink sink;
    LabObject bench[3] = {};
};

LabObject Beaker() {
    LabObject o{};
    o.type = 3;
    o.temperature = 293;
    return o;
}

}  // namespace

TEST_F(DemoRecorderTest, FramesWriteSnapshotsDeltasOrNothing) {
    bench[0] = Beaker();
    bench[1] = Beaker();
    EXPECT_EQ(RecordLabState(2, bench), 1);  // first frame: snapshot
    EXPECT_EQ(RecordLabState(2, bench), 0);  // unchanged
    bench[1].temperature = 300;
    EXPECT_EQ(RecordLabState(2, bench), 1);  // delta
    EXPECT_EQ(RecordLabState(2, bench), 0);
    EXPECT_EQ(RecordLabState(1, bench), 1);  // count changed: snapshot
    EXPECT_EQ(RecordLabState(0, bench), 1);  // last object gone: empty snapshot
    EXPECT_EQ(RecordLabState(0, bench), 0);

    const auto events = Events();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].header.type, kDemoSnapshot);
    EXPECT_EQ(events[0].payload.size(), 2 * sizeof(LabObject));
    EXPECT_EQ(events[1].header.type, kDemoDelta);
    EXPECT_EQ(events[1].header.objectCount, 2);
    EXPECT_LT(events[1].payload.size(), 32u);
    EXPECT_EQ(events[2].header.type, kDemoSnapshot);
    EXPECT_EQ(events[3].header.objectCount, 0);
    EXPECT_TRUE(events[3].payload.empty());
    for (size_t i = 0; i < events.size(); ++i) EXPECT_EQ(events[i].header.sequence, int32_t(i + 1));
}

TEST_F(DemoRecorderTest, EveryNewRecordingStartsWithASnapshot) {
    bench[0] = Beaker();
    RecordLabState(1, bench);
    EndDemoFile();
    // The same bench in a new file: the player cannot apply a delta to nothing.
    Start();
    EXPECT_EQ(RecordLabState(1, bench), 1);
    EXPECT_EQ(Types(), std::vector<int32_t>{kDemoSnapshot});
}

TEST_F(DemoRecorderTest, FailedDeltaAllocationWritesASnapshot) {
    bench[0] = Beaker();
    RecordLabState(1, bench);
    LabDemoRecorder.reserveDelta = [](std::vector<uint8_t>&, size_t) { return false; };
    bench[0].temperature = 310;
    EXPECT_EQ(RecordLabState(1, bench), 1);
    const auto events = Events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].header.type, kDemoSnapshot);
    EXPECT_EQ(0, std::memcmp(events[1].payload.data(), &bench[0], sizeof(LabObject)));
}

TEST_F(DemoRecorderTest, CommentThrottleDropsOnlyWithinTwoSecondsOfARateChange) {
    RecordComment("Increase Titration Rate", kCommentTitrationRate);
    clockNow = 1;
    RecordComment("Increase Titration Rate", kCommentTitrationRate);
    RecordComment("Add Water", kCommentProcedure);
    // The command's own comment is never dropped.
    RecordEvent("Show Data", kDemoUiCommand, kDemoShowDataWindow, 0, 0, 0, 0);
    clockNow = 3;
    RecordComment("Decrease Titration Rate", kCommentTitrationRate);
    clockNow = 4;
    RecordStringComment(9999, kCommentProcedure);  // dropped: 1 s after a rate change
    RecordAuthorComment("End Demo");  // never dropped
    clockNow = 5;
    RecordStringComment(9999, kCommentProcedure);
    RecordStringComment(673, kCommentProcedure);

    const auto events = Events();
    std::vector<std::string> texts;
    for (const Recorded& r : events) {
        std::string text = "#";
        text += std::to_string(r.header.p1);
        texts.push_back(r.header.type == kDemoComment ? r.text : text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Increase Titration Rate", "Show Data", "#2000",
                                               "Decrease Titration Rate", "End Demo", "Missing Comment",
                                               "Start Demo"}));
    EXPECT_EQ(events[1].header.seconds, events[2].header.seconds);
    EXPECT_EQ(events[2].header.payloadLength, 0);
}

TEST_F(DemoRecorderTest, PopupMessagesBypassTheThrottle) {
    RecordComment("Increase Titration Rate", kCommentTitrationRate);
    RecordEvent("Watch the colour", kDemoComment, kDemoPopupMessage, 10, 20, 5, 1);
    const auto events = Events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].text, "Watch the colour");
    EXPECT_EQ(events[1].header.p4, 5);
}

TEST_F(DemoRecorderTest, TimeMarksWhileAMessageShows) {
    bench[0] = Beaker();
    LabDemoRecorder.messageCountdownMs = 1200;
    // Heavy ticks: the first writes a frame, the next ones write nothing.
    for (int tick = 0; tick < 4; ++tick) RunDemoTimeMarkRule(RecordLabState(1, bench) != 0);
    EXPECT_EQ(LabDemoRecorder.messageCountdownMs, 0);
    EXPECT_EQ(Types(), (std::vector<int32_t>{kDemoSnapshot, kDemoTimeMark, kDemoTimeMark}));
}

TEST_F(DemoRecorderTest, ModuleLoadAndNothingWhenNotRecording) {
    RecordModuleLoad("TESSALY.DLL", "heat.udl");
    LabDemoRecorder.recording = false;
    RecordComment("lost", kCommentProcedure);
    RecordTimeMark();
    bench[0] = Beaker();
    RecordLabState(1, bench);
    const auto events = Events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].header.payloadLength, 520);
    DemoReader reader(sink.data.data(), sink.data.size());
    DemoFileHeader header;
    DemoEventView view;
    reader.ReadHeader(&header);
    ASSERT_EQ(reader.Next(&view), DemoReadStatus::kEvent);
    EXPECT_EQ(view.moduleName, "TESSALY.DLL");
    EXPECT_EQ(view.udlName, "heat.udl");
}

TEST(DemoDelta, ApplyingTheEncodingRebuildsTheFrame) {
    std::mt19937 random(12345);
    auto pair = [&](size_t length, int kind) {
        std::vector<uint8_t> a(length), b(length);
        for (size_t i = 0; i < length; ++i) {
            a[i] = uint8_t(random());
            switch (kind) {
                case 0: b[i] = uint8_t(random()); break;                    // random
                case 1: b[i] = random() % 8 ? a[i] : uint8_t(a[i] + 1); break;  // sparse
                case 2: b[i] = i % 2 ? a[i] : uint8_t(~a[i]); break;      // alternating
                case 3: b[i] = uint8_t(~a[i]); break;                      // all differ
                case 4: b[i] = i + 1 == length ? uint8_t(~a[i]) : a[i]; break;  // last byte
                case 5: b[i] = i == 0 ? uint8_t(~a[i]) : a[i]; break;      // first byte
                default: b[i] = a[i];                                      // equal
            }
        }
        return std::make_pair(a, b);
    };
    for (size_t length : {size_t(0), size_t(1), size_t(2), size_t(5160), 50 * sizeof(LabObject)})
        for (int kind = 0; kind < 7; ++kind) {
            auto [previous, current] = pair(length, kind);
            const auto delta = EncodeDelta(previous.data(), current.data(), length);
            std::vector<uint8_t> frame = previous;
            ASSERT_TRUE(ApplyDelta(frame.data(), length, delta.data(), delta.size()));
            EXPECT_EQ(frame, current) << "length " << length << " kind " << kind;
            EXPECT_LE(delta.size(), length + 1 + 7 * ((length + 1) / 2));
        }
}

TEST(DemoDelta, ARunReachingTheLastByteKeepsItsFullLength) {
    std::vector<uint8_t> a(16, 0), b(16, 0);
    for (int i = 12; i < 16; ++i) b[size_t(i)] = 1;
    const auto delta = EncodeDelta(a.data(), b.data(), 16);
    ASSERT_EQ(delta.size(), 12u);
    int32_t run[2];
    std::memcpy(run, delta.data(), 8);
    EXPECT_EQ(run[0], 12);
    EXPECT_EQ(run[1], 4);
}

TEST(DemoDelta, MalformedRunsAreRefusedAndChangeNothing) {
    auto runs = [](std::initializer_list<int32_t> words, size_t extra) {
        std::vector<uint8_t> p;
        for (int32_t w : words)
            for (int b = 0; b < 4; ++b) p.push_back(uint8_t(uint32_t(w) >> (8 * b)));
        p.insert(p.end(), extra, uint8_t(7));
        return p;
    };
    const std::vector<uint8_t> cases[] = {
        runs({0, 1}, 0),            // run bytes missing
        runs({15, 2}, 2),           // past the frame
        runs({-1, 1}, 1),           // negative offset
        runs({0, -1}, 0),           // negative length
        runs({0x7fffffff, 1}, 1),   // far past the frame
        runs({0, 1}, 1 + 4),        // a second run header cut short
        runs({2, 1}, 1 + 0) ,
    };
    for (size_t i = 0; i + 1 < std::size(cases); ++i) {
        std::vector<uint8_t> frame(16, 0);
        EXPECT_FALSE(ApplyDelta(frame.data(), 16, cases[i].data(), cases[i].size())) << i;
        EXPECT_EQ(frame, std::vector<uint8_t>(16, 0)) << i;
    }
    std::vector<uint8_t> frame(16, 0);
    EXPECT_TRUE(ApplyDelta(frame.data(), 16, cases[6].data(), cases[6].size()));
    EXPECT_EQ(frame[2], 7);
}

TEST(DemoReader, RefusesDamagedEvents) {
    MemoryDemoSink sink;
    LabDemoRecorder = DemoRecorder{};
    LabDemoRecorder.recording = true;
    BeginDemoFile(&sink, "OLVARIS.DLL", "", 600);
    LabObject objects[1] = {};
    objects[0].type = 3;
    RecordLabState(1, objects);
    RecordModuleLoad("OLVARIS.DLL", "");
    LabDemoRecorder = DemoRecorder{};
    const std::vector<uint8_t> good = sink.data;
    const size_t event = sizeof(DemoFileHeader);
    const size_t second = event + sizeof(DemoEvent) + sizeof(LabObject);

    struct Case {
        const char* name;
        size_t offset;
        int32_t value;
        bool headerBad;
    };
    const Case cases[] = {
        {"header size", 788, 900, true},
        {"payload past the end", event + 12, 0x7fffffff, false},
        {"negative payload", event + 12, -1, false},
        {"type 3", event + 20, 3, false},
        {"snapshot of 51", event + 8, 51, false},
        {"object of type 0", event + sizeof(DemoEvent), 0, false},
        {"module name with a folder", second + sizeof(DemoEvent), 0x5c2e2e, false},  // "..\"
    };
    for (const Case& c : cases) {
        auto file = good;
        std::memcpy(file.data() + c.offset, &c.value, 4);
        DemoReader reader(file.data(), file.size());
        DemoFileHeader header;
        DemoEventView e;
        if (c.headerBad) {
            EXPECT_EQ(reader.ReadHeader(&header), DemoReadStatus::kBadHeader) << c.name;
            continue;
        }
        ASSERT_EQ(reader.ReadHeader(&header), DemoReadStatus::kEvent);
        DemoReadStatus status;
        while ((status = reader.Next(&e)) == DemoReadStatus::kEvent) {
        }
        EXPECT_EQ(status, DemoReadStatus::kBadEvent) << c.name;
    }
    auto cut = good;
    cut.resize(cut.size() - 1);
    DemoReader reader(cut.data(), cut.size());
    DemoFileHeader header;
    DemoEventView e;
    reader.ReadHeader(&header);
    EXPECT_EQ(reader.Next(&e), DemoReadStatus::kEvent);
    EXPECT_EQ(reader.Next(&e), DemoReadStatus::kBadEvent);
}
