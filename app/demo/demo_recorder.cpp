#include "app/demo/demo_recorder.h"

#include <algorithm>
#include <cstring>
#include <new>

DemoRecorder LabDemoRecorder;

namespace {

constexpr size_t kObjectBytes = sizeof(LabObject);

int64_t Now(const DemoRecorder& r) { return r.labClockSeconds ? r.labClockSeconds() : 0; }

void WriteEvent(DemoRecorder& r, int32_t type, int32_t count, const void* payload, size_t length,
                const int32_t (&p)[5]) {
    DemoEvent event{};
    event.seconds = Now(r);
    event.objectCount = count;
    event.payloadLength = int32_t(length);
    event.sequence = ++r.sequence;
    event.type = type;
    event.p1 = p[0];
    event.p2 = p[1];
    event.p3 = p[2];
    event.p4 = p[3];
    event.p5 = p[4];
    if (!r.sink) return;
    r.sink->Write(&event, sizeof event);
    if (length) r.sink->Write(payload, length);
}

void WriteComment(DemoRecorder& r, const char* text, int32_t category) {
    const size_t length = std::strlen(text) + 1;
    WriteEvent(r, kDemoComment, 0, text, length, {0, 0, 0, 0, 0});
    r.hasLastComment = true;
    r.lastCommentCategory = category;
    r.lastCommentSeconds = Now(r);
}

bool ReserveDelta(DemoRecorder& r, std::vector<uint8_t>& buffer, size_t length) {
    if (r.reserveDelta) return r.reserveDelta(buffer, length);
    try {
        buffer.reserve(length);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void WriteSnapshot(DemoRecorder& r, int32_t count, const uint8_t* frame) {
    const size_t length = size_t(count) * kObjectBytes;
    WriteEvent(r, kDemoSnapshot, count, frame, length, {0, 0, 0, 0, 0});
    if (length) std::memcpy(r.lastFrame.data(), frame, length);
    r.previousCount = count;
}

}  // namespace

void BeginDemoFile(DemoSink* sink, const char* moduleName, const char* udlName,
                   int32_t benchHeight) {
    DemoRecorder& r = LabDemoRecorder;
    r.sink = sink;
    r.sequence = 0;
    // Playback applies deltas to the bench as it finds it, so every file
    // opens with a whole snapshot: -1 never equals a real count.
    r.previousCount = -1;
    r.hasLastComment = false;
    r.messageCountdownMs = 0;
    DemoFileHeader header{};
    std::memcpy(header.signature, kDemoSignature, sizeof kDemoSignature);
    if (moduleName) std::strncpy(header.moduleName, moduleName, sizeof header.moduleName - 1);
    if (udlName) std::strncpy(header.udlName, udlName, sizeof header.udlName - 1);
    header.headerSize = int32_t(sizeof header);
    header.benchHeight = benchHeight;
    if (sink) sink->Write(&header, sizeof header);
}

void EndDemoFile() {
    LabDemoRecorder.sink = nullptr;
    LabDemoRecorder.sequence = 0;
}

int RecordLabState(int32_t count, const LabObject* first) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording) return 0;
    count = std::clamp(count, 0, kMaxLabObjects);
    if (count == 0 && r.previousCount == 0) return 0;
    const auto* frame = reinterpret_cast<const uint8_t*>(first);
    if (count != r.previousCount) {
        WriteSnapshot(r, count, frame);
        return 1;
    }
    const size_t length = size_t(count) * kObjectBytes;
    if (std::memcmp(frame, r.lastFrame.data(), length) == 0) return 0;
    std::vector<uint8_t>& delta = r.deltaBuffer;
    delta.clear();
    // The longest payload: a run at every other byte, 8 bytes of header each.
    if (!ReserveDelta(r, delta, length + 1 + 7 * ((length + 1) / 2))) {
        // Without room for the runs the frame still reaches the file whole.
        WriteSnapshot(r, count, frame);
        return 1;
    }
    AppendDelta(r.lastFrame.data(), frame, length, delta);
    WriteEvent(r, kDemoDelta, count, delta.data(), delta.size(), {0, 0, 0, 0, 0});
    std::memcpy(r.lastFrame.data(), frame, length);
    return 1;
}

void RecordComment(const char* text, int32_t category) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording || !text) return;
    const int64_t now = Now(r);
    const int64_t since = now - r.lastCommentSeconds;
    if (r.hasLastComment && r.lastCommentCategory == kCommentTitrationRate &&
        (since < 0 ? -since : since) < kCommentThrottleSeconds)
        return;
    WriteComment(r, text, category);
}

void RecordAuthorComment(const char* text) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording || !text) return;
    WriteComment(r, text, kCommentProcedure);
}

void RecordStringComment(int32_t stringId, int32_t category) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording) return;
    std::string text;
    if (!r.loadString || !r.loadString(stringId, &text)) {
        if (!r.loadString || !r.loadString(kMissingCommentString, &text)) text = "Missing Comment";
    }
    if (text.size() > 1024) text.resize(1024);
    RecordComment(text.c_str(), category);
}

void RecordEvent(const char* text, int32_t type, int32_t p1, int32_t p2, int32_t p3, int32_t p4,
                 int32_t p5) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording) return;
    if (!text) text = "";
    if (type == kDemoUiCommand) {
        // The player shows this comment for the command: it is never throttled.
        WriteComment(r, text, kCommentProcedure);
        WriteEvent(r, type, 0, nullptr, 0, {p1, p2, p3, p4, p5});
        return;
    }
    WriteEvent(r, type, 0, text, std::strlen(text) + 1, {p1, p2, p3, p4, p5});
}

void RecordModuleLoad(const char* moduleName, const char* udlName) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording) return;
    char payload[2 * kDemoPathLength] = {};
    if (moduleName) std::strncpy(payload, moduleName, kDemoPathLength - 1);
    if (udlName) std::strncpy(payload + kDemoPathLength, udlName, kDemoPathLength - 1);
    WriteEvent(r, kDemoModuleLoad, 0, payload, sizeof payload, {0, 0, 0, 0, 0});
}

void RecordTimeMark() {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording) return;
    WriteEvent(r, kDemoTimeMark, 0, nullptr, 0, {0, 0, 0, 0, 0});
}

void RunDemoTimeMarkRule(bool frameWritten) {
    DemoRecorder& r = LabDemoRecorder;
    if (!r.recording || r.messageCountdownMs <= 0) return;
    if (!frameWritten) RecordTimeMark();
    // One heavy tick is 500 ms of the message's display time.
    r.messageCountdownMs = std::max(0, r.messageCountdownMs - kHeavyTickMs);
}

void AppendDelta(const uint8_t* previous, const uint8_t* current, size_t length,
                 std::vector<uint8_t>& out) {
    constexpr size_t kBlock = 64;
    size_t at = 0;
    while (at < length) {
        // Most of a frame is unchanged: step over equal blocks quickly.
        while (length - at >= kBlock && std::memcmp(previous + at, current + at, kBlock) == 0)
            at += kBlock;
        while (at < length && previous[at] == current[at]) ++at;
        if (at == length) break;
        const size_t start = at;
        while (at < length && previous[at] != current[at]) ++at;
        const int32_t header[2] = {int32_t(start), int32_t(at - start)};
        const auto* h = reinterpret_cast<const uint8_t*>(header);
        out.insert(out.end(), h, h + sizeof header);
        out.insert(out.end(), current + start, current + at);
        ++at;  // the equal byte that ended the run
    }
}

std::vector<uint8_t> EncodeDelta(const uint8_t* previous, const uint8_t* current, size_t length) {
    std::vector<uint8_t> out;
    AppendDelta(previous, current, length, out);
    return out;
}

bool IsValidDelta(size_t frameLength, const uint8_t* payload, size_t payloadLength) {
    size_t at = 0;
    while (at < payloadLength) {
        if (payloadLength - at < 8) return false;
        int32_t header[2];
        std::memcpy(header, payload + at, sizeof header);
        at += 8;
        if (header[0] < 0 || header[1] < 0) return false;
        const uint64_t offset = uint64_t(header[0]), run = uint64_t(header[1]);
        if (run > payloadLength - at || offset + run > frameLength) return false;
        at += size_t(run);
    }
    return true;
}

bool ApplyDelta(uint8_t* frame, size_t frameLength, const uint8_t* payload, size_t payloadLength) {
    if (!IsValidDelta(frameLength, payload, payloadLength)) return false;
    size_t at = 0;
    while (at < payloadLength) {
        int32_t header[2];
        std::memcpy(header, payload + at, sizeof header);
        at += 8;
        if (header[1]) std::memcpy(frame + header[0], payload + at, size_t(header[1]));
        at += size_t(header[1]);
    }
    return true;
}
