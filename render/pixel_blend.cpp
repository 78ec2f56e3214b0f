#include "render/pixel_blend.h"

#include "render/blend_rows.h"

#include <algorithm>
#include <cmath>

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
    return SourceOver(src, dst);
}

uint32_t PremultipliedColour(uint32_t argb) {
    const uint32_t a = argb >> 24;
    return a << 24 | Scale((argb >> 16) & 0xFF, a) << 16 | Scale((argb >> 8) & 0xFF, a) << 8 | Scale(argb & 0xFF, a);
}

int32_t Edge(double v, int32_t limit) {
    return static_cast<int32_t>(std::clamp(std::floor(v + 0.5), 0.0, static_cast<double>(limit)));
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
        if (!stretched && opacity == 255) {
            if (x1 > x0) OverRow(src + (x0 - x), dst + x0, x1 - x0);
            continue;
        }
        for (int32_t tx = x0; tx < x1; ++tx) {
            const int32_t sx = stretched ? static_cast<int32_t>(int64_t{tx - x} * picture.width / width) : tx - x;
            const uint32_t p = src[sx];
            if (p >> 24) dst[tx] = Over(Faded(p, opacity), dst[tx]);
        }
    }
}

void BlendDisc(const PixelBuffer& target, int32_t x, int32_t y, int32_t size, uint32_t argb) {
    const uint32_t a = argb >> 24;
    if (!target.pixels || size <= 0 || a == 0) return;
    const uint32_t src = PremultipliedColour(argb);
    const double radius = size / 2.0;
    const double cx = x + radius, cy = y + radius;
    const int32_t x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int32_t x1 = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + size, target.width));
    const int32_t y1 = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + size, target.height));
    for (int32_t ty = y0; ty < y1; ++ty) {
        uint32_t* dst = target.pixels + int64_t{ty} * target.stride;
        const double dy = ty + 0.5 - cy;
        for (int32_t tx = x0; tx < x1; ++tx) {
            const double dx = tx + 0.5 - cx;
            if (dx * dx + dy * dy <= radius * radius) dst[tx] = Over(src, dst[tx]);
        }
    }
}

void BlendBox(const PixelBuffer& target, double left, double top, double right, double bottom, uint32_t argb) {
    if (!target.pixels || (argb >> 24) == 0 || std::isnan(left + top + right + bottom)) return;
    const uint32_t src = PremultipliedColour(argb);
    const int32_t x0 = Edge(std::min(left, right), target.width), x1 = Edge(std::max(left, right), target.width);
    const int32_t y0 = Edge(std::min(top, bottom), target.height), y1 = Edge(std::max(top, bottom), target.height);
    for (int32_t ty = y0; ty < y1; ++ty) {
        uint32_t* dst = target.pixels + int64_t{ty} * target.stride;
        for (int32_t tx = x0; tx < x1; ++tx) dst[tx] = Over(src, dst[tx]);
    }
}
