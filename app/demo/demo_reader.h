// Reads a demonstration file event by event, checking each event before it is
// handed out: the player acts only on events that are whole and in range.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/demo_records.h"

enum class DemoReadStatus { kEvent, kEnd, kBadHeader, kBadEvent };

struct DemoEventView {
    DemoEvent header{};
    const uint8_t* payload = nullptr;  // header.payloadLength bytes
    std::string_view text;             // comments: the text before its NUL
    std::string_view moduleName;       // module loads
    std::string_view udlName;
};

class DemoReader {
public:
    DemoReader(const uint8_t* bytes, size_t length) : bytes_(bytes), length_(length) {}
    // Reads and checks the file header; must come first.
    DemoReadStatus ReadHeader(DemoFileHeader* out);
    // The next event, kEnd after the last one; a bad event stops the reading.
    DemoReadStatus Next(DemoEventView* out);
    size_t Offset() const { return at_; }

private:
    const uint8_t* bytes_;
    size_t length_;
    size_t at_ = 0;
    bool failed_ = false;
};
