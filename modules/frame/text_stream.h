// Handing a text out in the pieces a rich edit asks for.
#pragma once
#include <cstdint>

// Copies the next bytes of text (at most bufferSize, never past textSize) to
// buffer and advances offset; answers how many were copied, 0 at the end.
int32_t NextTextChunk(const uint8_t* text, uint32_t textSize, uint32_t& offset, uint8_t* buffer,
                      int32_t bufferSize);
