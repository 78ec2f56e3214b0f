// The colour table of a packed device-independent bitmap, measured from its
// header alone so the same rule serves the print job and its tests.
#pragma once
#include <cstddef>
#include <cstdint>

// Header sizes that tell the two header forms apart (the first 32-bit field).
constexpr uint32_t kDibInfoHeaderSize = 40;  // entries are 4-byte RGBQUADs
constexpr uint32_t kDibCoreHeaderSize = 12;  // entries are 3-byte RGBTRIPLEs

// Size in bytes of the colour table that follows the header at `header`.
// `available` is how many header bytes may be read; a header too short for
// its own form, or of an unknown form, has no colour table (0).
uint32_t DibPaletteSize(const void* header, size_t available);

// Bytes of pixel rows for an uncompressed DIB: rows padded to 32 bits,
// computed in 64 bits so a huge bitmap cannot wrap.
uint64_t DibImageSize(int32_t width, int32_t height, uint32_t bitsPerPixel);
