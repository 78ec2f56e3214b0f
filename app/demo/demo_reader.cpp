#include "app/demo/demo_reader.h"

#include <cstring>

#include "app/demo/demo_recorder.h"
#include "app/modules/module_host.h"
#include "common/lab_object.h"

namespace {

std::string_view BoundedText(const uint8_t* p, size_t length) {
    const auto* s = reinterpret_cast<const char*>(p);
    const void* nul = std::memchr(s, 0, length);
    return std::string_view(s, nul ? size_t(static_cast<const char*>(nul) - s) : length);
}

bool ValidEvent(DemoEventView& e) {
    const DemoEvent& h = e.header;
    const uint64_t length = uint64_t(h.payloadLength);
    switch (h.type) {
        case kDemoSnapshot:
        case kDemoDelta: {
            if (h.objectCount < 0 || h.objectCount > kMaxLabObjects) return false;
            const uint64_t frame = uint64_t(h.objectCount) * sizeof(LabObject);
            if (h.type == kDemoSnapshot) {
                if (length != frame) return false;
                for (int32_t i = 0; i < h.objectCount; ++i) {
                    int32_t type;
                    std::memcpy(&type, e.payload + size_t(i) * sizeof(LabObject), sizeof type);
                    if (!IsEquipmentType(type)) return false;
                }
                return true;
            }
            return IsValidDelta(size_t(frame), e.payload, size_t(length));
        }
        case kDemoComment:
            if (length == 0) return false;
            e.text = BoundedText(e.payload, size_t(length));
            return true;
        case kDemoModuleLoad: {
            if (length != 2 * kDemoPathLength) return false;
            e.moduleName = BoundedText(e.payload, kDemoPathLength);
            e.udlName = BoundedText(e.payload + kDemoPathLength, kDemoPathLength);
            if (e.moduleName.size() == kDemoPathLength || e.udlName.size() == kDemoPathLength)
                return false;
            if (!IsBareModuleName(std::string(e.moduleName).c_str())) return false;
            return e.udlName.empty() || IsBareFileName(std::string(e.udlName).c_str());
        }
        case kDemoUiCommand:
            return h.p1 >= kDemoShowDataWindow && h.p1 <= kDemoCloseDataWindow;
        case kDemoTimeMark:
            return true;
        default:
            return false;
    }
}

}  // namespace

DemoReadStatus DemoReader::ReadHeader(DemoFileHeader* out) {
    if (length_ < sizeof(DemoFileHeader)) return DemoReadStatus::kBadHeader;
    DemoFileHeader h;
    std::memcpy(&h, bytes_, sizeof h);
    if (std::memcmp(h.signature, kDemoSignature, sizeof kDemoSignature) != 0 ||
        h.headerSize != int32_t(sizeof h))
        return DemoReadStatus::kBadHeader;
    h.moduleName[sizeof h.moduleName - 1] = '\0';
    h.udlName[sizeof h.udlName - 1] = '\0';
    if (!IsBareModuleName(h.moduleName) || (h.udlName[0] && !IsBareFileName(h.udlName)))
        return DemoReadStatus::kBadHeader;
    *out = h;
    at_ = sizeof h;
    return DemoReadStatus::kEvent;
}

DemoReadStatus DemoReader::Next(DemoEventView* out) {
    if (failed_ || at_ < sizeof(DemoFileHeader)) return DemoReadStatus::kBadEvent;
    if (at_ == length_) return DemoReadStatus::kEnd;
    DemoEventView e;
    if (length_ - at_ < sizeof(DemoEvent)) {
        failed_ = true;
        return DemoReadStatus::kBadEvent;
    }
    std::memcpy(&e.header, bytes_ + at_, sizeof e.header);
    const size_t payloadAt = at_ + sizeof(DemoEvent);
    if (e.header.payloadLength < 0 || uint64_t(e.header.payloadLength) > length_ - payloadAt) {
        failed_ = true;
        return DemoReadStatus::kBadEvent;
    }
    e.payload = bytes_ + payloadAt;
    if (!ValidEvent(e)) {
        failed_ = true;
        return DemoReadStatus::kBadEvent;
    }
    at_ = payloadAt + size_t(e.header.payloadLength);
    *out = e;
    return DemoReadStatus::kEvent;
}
