// Demonstration reader: every event handed out is applied to a frame the way
// the player applies it, so out-of-range runs or counts would be caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/demo/demo_reader.h"
#include "app/demo/demo_recorder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DemoReader reader(data, size);
    DemoFileHeader header;
    if (reader.ReadHeader(&header) != DemoReadStatus::kEvent) return 0;
    std::vector<uint8_t> frame(kLabObjectArrayLength * sizeof(LabObject));
    DemoEventView e;
    while (reader.Next(&e) == DemoReadStatus::kEvent) {
        const size_t frameLength = size_t(e.header.objectCount) * sizeof(LabObject);
        if (e.header.type == kDemoSnapshot) {
            if (frameLength) std::memcpy(frame.data(), e.payload, frameLength);
        } else if (e.header.type == kDemoDelta) {
            if (!ApplyDelta(frame.data(), frameLength, e.payload, size_t(e.header.payloadLength)))
                std::abort();
        }
    }
    return 0;
}
