#include "render/pixel_blend.h"

#include <algorithm>

namespace {

inline uint32_t Scale(uint32_t channel, uint32_t factor) { return (channel * factor + 127) / 255; }

inline uint32_t Faded(uint32_t p, uint32_t opacity) {
    if (opacity == 255) return p;
    return Scale(p >> 24, opacity) << 24 | Scale((p >> 16) & 0xFF, opacity) << 16 |
           Scale((p >> 8) & 0xFF, opacity) << 8 | Scale(p & 0xFF, opacity);
}

inline uint32_t Over(uint32_t src, uint32_t dst) {
    const uint32_t a = src >> 24;
    if (a == 0) return dst;
    if (a == 255) return src;
    const uint32_t keep = 255 - a;
    const uint32_t r = ((src >> 16) & 0xFF) + Scale((dst >> 16) & 0xFF, keep);
    const uint32_t g = ((src >> 8) & 0xFF) + Scale((dst >> 8) & 0xFF, keep);
    const uint32_t b = (src & 0xFF) + Scale(dst & 0xFF, keep);
    const uint32_t da = a + Scale(dst >> 24, keep);
    return std::min<uint32_t>(da, 255) << 24 | std::min<uint32_t>(r, 255) << 16 |
           std::min<uint32_t>(g, 255) << 8 | std::min<uint32_t>(b, 255);
}

}  // namespace

void BlendPicture(const PixelBuffer& target, const PicturePixels& picture, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint8_t opacity) {
    if (!target.pixels || !picture.pixels || width <= 0 || height <= 0 || picture.width <= 0 ||
        picture.height <= 0 || opacity == 0)
        return;
    const int32_t x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int32_t x1 = std::min<int64_t>(int64_t{x} + width, target.width);
    const int32_t y1 = std::min<int64_t>(int64_t{y} + height, target.height);
    const bool stretched = width != picture.width || height != picture.height;
    for (int32_t ty = y0; ty < y1; ++ty) {
        const int32_t sy = stretched ? static_cast<int32_t>(int64_t{ty - y} * picture.height / height) : ty - y;
        const uint32_t* src = picture.pixels + int64_t{sy} * picture.width;
        uint32_t* dst = target.pixels + int64_t{ty} * target.stride;
        for (int32_t tx = x0; tx < x1; ++tx) {
            const int32_t sx = stretched ? static_cast<int32_t>(int64_t{tx - x} * picture.width / width) : tx - x;
            const uint32_t p = src[sx];
            if (p >> 24) dst[tx] = Over(Faded(p, opacity), dst[tx]);
        }
    }
}
