// Laying a premultiplied 32-bit picture over a 32-bit pixel buffer ("source
// over"), the way GDI+ composes an unturned picture. The pass uses it for
// every picture drawn without a transform.
#pragma once
#include <cstdint>

struct PixelBuffer {
    uint32_t* pixels;  // 0xAARRGGBB, rows top-down
    int32_t width;
    int32_t height;
    int32_t stride;    // pixels per row
};

struct PicturePixels {
    const uint32_t* pixels;  // premultiplied 0xAARRGGBB
    int32_t width;
    int32_t height;
};

// Blends the picture into the box (x, y, width, height) of the target,
// stretched by nearest neighbour when the box differs from its size, with
// every pixel's alpha further scaled by opacity (255 = as drawn). Parts
// outside the target are clipped.
void BlendPicture(const PixelBuffer& target, const PicturePixels& picture, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint8_t opacity);
