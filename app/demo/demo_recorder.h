// The demonstration recorder: the file header, then time-stamped events
// (snapshots and byte-run deltas of the objects, comments, module loads,
// data-window commands, time marks).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/demo_records.h"
#include "common/lab_object.h"

// Where the events go. A write that fails is not reported: recording goes on.
class DemoSink {
public:
    virtual ~DemoSink() = default;
    virtual bool Write(const void* bytes, size_t length) = 0;
};

// Comment categories; only rate changes are throttled.
enum DemoCommentCategory : int32_t {
    kCommentProcedure = 1,
    kCommentTitrationRate = 3,
    kCommentStopTitration = 4,
    kCommentModuleLoad = 5,
    kCommentWater = 6,
    kCommentChemical = 7,
    kCommentIndicator = 8,
};

constexpr int64_t kCommentThrottleSeconds = 2;
constexpr int32_t kHeavyTickMs = 500;
constexpr int32_t kMissingCommentString = 714;

struct DemoRecorder {
    bool recording = false;       // DemoRecording
    DemoSink* sink = nullptr;     // none: events are counted but not written
    int32_t sequence = 0;         // DemoEventSequence
    int32_t previousCount = 0;
    std::vector<uint8_t> lastFrame = std::vector<uint8_t>(kLabObjectArrayLength * sizeof(LabObject));
    bool hasLastComment = false;
    int32_t lastCommentCategory = 0;
    int64_t lastCommentSeconds = 0;
    int32_t messageCountdownMs = 0;
    std::vector<uint8_t> deltaBuffer;  // reused from frame to frame

    // Seams: the lab clock, the string table, and the delta buffer's
    // allocation (false when the memory cannot be had).
    int64_t (*labClockSeconds)() = nullptr;
    bool (*loadString)(int32_t id, std::string* text) = nullptr;
    bool (*reserveDelta)(std::vector<uint8_t>& buffer, size_t length) = nullptr;
};

extern DemoRecorder LabDemoRecorder;

// Starts a file on `sink`: header, sequence 0, and the next frame is a snapshot.
void BeginDemoFile(DemoSink* sink, const char* moduleName, const char* udlName,
                   int32_t benchHeight);
// Drops the sink and resets the sequence (CloseDemoFile's portable half).
void EndDemoFile();

int RecordLabState(int32_t count, const LabObject* first);
void RecordComment(const char* text, int32_t category);
void RecordStringComment(int32_t stringId, int32_t category);
// Start Demo and End Demo: procedure comments that the throttle never drops.
void RecordAuthorComment(const char* text);
void RecordEvent(const char* text, int32_t type, int32_t p1, int32_t p2, int32_t p3, int32_t p4,
                 int32_t p5);
void RecordModuleLoad(const char* moduleName, const char* udlName);
void RecordTimeMark();
// The time-mark rule, after RecordLabState on every heavy tick.
void RunDemoTimeMarkRule(bool frameWritten);

// Byte runs of `current` that differ from `previous` (equal lengths).
std::vector<uint8_t> EncodeDelta(const uint8_t* previous, const uint8_t* current, size_t length);
void AppendDelta(const uint8_t* previous, const uint8_t* current, size_t length,
                 std::vector<uint8_t>& out);
// Applies a delta payload to a frame; refuses (and changes nothing) when a run
// is malformed or reaches past the frame.
bool ApplyDelta(uint8_t* frame, size_t frameLength, const uint8_t* payload, size_t payloadLength);
bool IsValidDelta(size_t frameLength, const uint8_t* payload, size_t payloadLength);
