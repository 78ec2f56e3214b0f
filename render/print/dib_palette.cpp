#include "render/print/dib_palette.h"

#include <cstring>

namespace {

uint32_t ReadU32(const unsigned char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

uint16_t ReadU16(const unsigned char* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

uint32_t EntriesForDepth(uint32_t bits) {
    switch (bits) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

}  // namespace

uint32_t DibPaletteSize(const void* header, size_t available) {
    if (header == nullptr || available < 4) return 0;
    const auto* p = static_cast<const unsigned char*>(header);
    const uint32_t size = ReadU32(p);
    if (size == kDibCoreHeaderSize) {
        if (available < kDibCoreHeaderSize) return 0;
        // bcBitCount sits after bcSize, bcWidth, bcHeight (16-bit), bcPlanes.
        return EntriesForDepth(ReadU16(p + 10)) * 3;
    }
    if (size == kDibInfoHeaderSize) {
        if (available < kDibInfoHeaderSize) return 0;
        const uint32_t used = ReadU32(p + 32);  // biClrUsed
        // A used count beyond any real depth is not believed: it would make
        // the bits start past the block.
        if (used != 0 && used <= 256) return used * 4;
        return EntriesForDepth(ReadU16(p + 14)) * 4;  // biBitCount
    }
    return 0;
}

uint64_t DibImageSize(int32_t width, int32_t height, uint32_t bitsPerPixel) {
    if (width <= 0 || height == 0) return 0;
    const uint64_t w = static_cast<uint64_t>(width);
    const uint64_t h = height < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(height))
                                  : static_cast<uint64_t>(height);
    return ((static_cast<uint64_t>(bitsPerPixel) * w + 31) / 32) * 4 * h;
}
