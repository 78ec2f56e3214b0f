#include "app/demo/demo_file_walk.h"

#include <algorithm>
#include <cstring>

#include "app/demo/demo_recorder.h"
#include "app/modules/module_host.h"
#include "common/lab_object.h"

namespace {

constexpr uint64_t kObjectBytes = sizeof(LabObject);

bool TerminatedBareName(const uint8_t* field, bool mayBeEmpty, bool module) {
    const void* nul = std::memchr(field, 0, kDemoPathLength);
    if (!nul) return false;
    const auto* name = reinterpret_cast<const char*>(field);
    if (!*name) return mayBeEmpty;
    return module ? IsBareModuleName(name) : IsBareFileName(name);
}

std::string ReplacePlaceholder(const std::string& format, std::string_view text) {
    const size_t at = format.find("%s");
    if (at == std::string::npos) return format;
    std::string out = format.substr(0, at);
    out.append(text);
    out.append(format, at + 2, std::string::npos);
    return out;
}

}  // namespace

bool PeekDemoEvent(const uint8_t* bytes, uint64_t size, uint64_t offset, DemoEventAt* out) {
    if (offset > size || size - offset < kDemoEventBytes) return false;
    DemoEventAt e;
    std::memcpy(&e.header, bytes + offset, sizeof e.header);
    const uint64_t payloadAt = offset + kDemoEventBytes;
    // A negative length would step back or stand still for ever.
    if (e.header.payloadLength < 0 || uint64_t(e.header.payloadLength) > size - payloadAt)
        return false;
    e.payload = bytes + payloadAt;
    e.offset = offset;
    e.next = payloadAt + uint64_t(e.header.payloadLength);
    *out = e;
    return true;
}

bool DemoEventIsSound(const DemoEventAt& e) {
    const DemoEvent& h = e.header;
    if (h.objectCount < 0 || h.objectCount > kMaxLabObjects) return false;
    const uint64_t length = uint64_t(h.payloadLength);
    const uint64_t frame = uint64_t(h.objectCount) * kObjectBytes;
    switch (h.type) {
        case kDemoSnapshot:
            return length == frame;
        case kDemoDelta:
            return IsValidDelta(size_t(frame), e.payload, size_t(length));
        case kDemoComment:
            return length > 0;
        case kDemoModuleLoad:
            return length == 2 * kDemoPathLength && TerminatedBareName(e.payload, false, true) &&
                   TerminatedBareName(e.payload + kDemoPathLength, true, false);
        case kDemoUiCommand:
        case kDemoTimeMark:
            return true;
        default:
            return false;
    }
}

std::string_view DemoCommentText(const DemoEventAt& e) {
    if (e.header.payloadLength <= 0) return {};
    const auto* text = reinterpret_cast<const char*>(e.payload);
    const size_t length = size_t(e.header.payloadLength);
    const void* nul = std::memchr(text, 0, length);
    return std::string_view(text, nul ? size_t(static_cast<const char*>(nul) - text) : length);
}

bool IsPopupMessage(const DemoEvent& header) { return header.p1 == kDemoPopupMessage; }

int32_t CheckDemoFile(const uint8_t* bytes, uint64_t size) {
    if (!bytes || size == 0) return kDemoOpenFailedString;
    if (size < kDemoHeaderBytes || size > kMaxDemoFileBytes) return kDemoNotValidString;
    if (std::memcmp(bytes, kDemoSignature, 10) != 0) return kDemoNotValidString;
    // The module it names is loaded: only a bare name may be.
    if (!TerminatedBareName(bytes + offsetof(DemoFileHeader, moduleName), false, true) ||
        !TerminatedBareName(bytes + offsetof(DemoFileHeader, udlName), true, false))
        return kDemoNotValidString;
    return 0;
}

std::string DemoListText(const DemoEventAt& e, const DemoListFormats& formats) {
    const std::string_view text = DemoCommentText(e);
    if (!IsPopupMessage(e.header)) return std::string(text);
    if (text.size() >= 129) return ReplacePlaceholder(formats.displayMessageCut, text.substr(0, 127));
    return ReplacePlaceholder(formats.displayMessage, text);
}

std::vector<DemoListItem> DemoCommentItems(const uint8_t* bytes, uint64_t size,
                                           const DemoListFormats& formats) {
    std::vector<DemoListItem> items;
    DemoEventAt e;
    for (uint64_t at = kDemoHeaderBytes; PeekDemoEvent(bytes, size, at, &e); at = e.next)
        if (e.header.type == kDemoComment && DemoEventIsSound(e))
            items.push_back({DemoListText(e, formats), e.offset});
    return items;
}

bool IsCommentEventAt(const uint8_t* bytes, uint64_t size, uint64_t offset) {
    if (CheckDemoFile(bytes, size) != 0) return false;
    DemoEventAt e;
    for (uint64_t at = kDemoHeaderBytes; at <= offset && PeekDemoEvent(bytes, size, at, &e); at = e.next)
        if (at == offset) return e.header.type == kDemoComment && DemoEventIsSound(e);
    return false;
}

bool DeleteDemoComment(std::vector<uint8_t>& file, uint64_t offset) {
    if (!IsCommentEventAt(file.data(), file.size(), offset)) return false;
    DemoEventAt e;
    PeekDemoEvent(file.data(), file.size(), offset, &e);
    file.erase(file.begin() + ptrdiff_t(offset), file.begin() + ptrdiff_t(e.next));
    return true;
}

bool RewriteDemoComment(std::vector<uint8_t>& file, uint64_t offset, const DemoMessage& m) {
    if (!IsCommentEventAt(file.data(), file.size(), offset)) return false;
    DemoEventAt old;
    PeekDemoEvent(file.data(), file.size(), offset, &old);
    std::string text = m.text.substr(0, kDemoMessageLength);
    text = text.substr(0, std::strlen(text.c_str()));  // an embedded NUL ends it
    DemoEvent h{};
    h.seconds = old.header.seconds;
    h.sequence = old.header.sequence;
    h.objectCount = 0;
    h.payloadLength = int32_t(text.size() + 1);
    h.type = kDemoComment;
    h.p1 = m.style == 0 ? 0 : kDemoPopupMessage;
    h.p2 = m.x;
    h.p3 = m.y;
    h.p4 = m.seconds;
    h.p5 = m.style;
    std::vector<uint8_t> event(sizeof h + text.size() + 1, 0);
    std::memcpy(event.data(), &h, sizeof h);
    std::memcpy(event.data() + sizeof h, text.data(), text.size());
    file.erase(file.begin() + ptrdiff_t(offset), file.begin() + ptrdiff_t(old.next));
    file.insert(file.begin() + ptrdiff_t(offset), event.begin(), event.end());
    return true;
}

int32_t DemoProgress(uint64_t position, uint64_t size) {
    if (size == 0) return 0;
    return int32_t(std::min<uint64_t>(100, position * 100 / size));
}

int32_t DemoGapMs(int64_t stamp, int64_t nextStamp) {
    if (nextStamp <= stamp) return kDemoStepMs;
    // Unsigned: the difference of any two stamps fits.
    const uint64_t gap = uint64_t(nextStamp) - uint64_t(stamp);
    if (gap >= kDemoLongestGapMs / 1000) return kDemoLongestGapMs;
    return int32_t(gap) * 1000;
}

int64_t PopupEndSeconds(int64_t stamp, int32_t seconds) {
    if (seconds < 0) seconds = 0;
    if (stamp > INT64_MAX - seconds) return INT64_MAX;
    return stamp + seconds;
}

int32_t ClampMessageSeconds(int64_t seconds) {
    return int32_t(std::clamp<int64_t>(seconds, 0, kLongestMessageSeconds));
}
