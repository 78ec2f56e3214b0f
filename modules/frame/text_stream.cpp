#include "modules/frame/text_stream.h"

#include <cstring>

int32_t NextTextChunk(const uint8_t* text, uint32_t textSize, uint32_t& offset, uint8_t* buffer,
                      int32_t bufferSize) {
    if (!text || !buffer || bufferSize <= 0 || offset >= textSize) return 0;
    uint32_t remaining = textSize - offset;
    uint32_t chunk = remaining < static_cast<uint32_t>(bufferSize) ? remaining
                                                                   : static_cast<uint32_t>(bufferSize);
    memcpy(buffer, text + offset, chunk);
    offset += chunk;
    return static_cast<int32_t>(chunk);
}
