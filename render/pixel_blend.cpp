#include "render/pixel_blend.h"

#include "render/blend_rows.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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
    if (x1 <= x0) return;
    const bool stretched = width != picture.width || height != picture.height;
    if (!stretched && opacity == 255 && picture.spans) {
        const PictureSpans& spans = *picture.spans;
        for (int32_t ty = y0; ty < y1; ++ty) {
            const int32_t row = ty - y;
            const uint32_t* src = picture.pixels + int64_t{row} * picture.width;
            const int64_t rowStart = int64_t{ty} * target.stride + x;  // where the picture's column 0 falls
            for (int32_t k = spans.rowFirst[row]; k < spans.rowFirst[row + 1]; ++k) {
                const PixelSpan& span = spans.spans[k];
                const int32_t from = std::max(span.from, x0 - x), to = std::min(span.to, x1 - x);
                if (from >= to) continue;
                uint32_t* dst = target.pixels + (rowStart + from);
                if (span.opaque) std::memcpy(dst, src + from, size_t(to - from) * sizeof(uint32_t));
                else OverRow(src + from, dst, to - from);
            }
        }
        return;
    }
    if (!stretched && opacity == 255) {
        for (int32_t ty = y0; ty < y1; ++ty)
            OverRow(picture.pixels + int64_t{ty - y} * picture.width + (x0 - x),
                    target.pixels + int64_t{ty} * target.stride + x0, x1 - x0);
        return;
    }
    // Otherwise each row's source pixels are picked (nearest neighbour) and
    // faded into a short run first, which is then laid like an unstretched row.
    constexpr int32_t kRun = 256;
    uint32_t run[kRun];
    for (int32_t ty = y0; ty < y1; ++ty) {
        const int32_t sy = static_cast<int32_t>(int64_t{ty - y} * picture.height / height);
        const uint32_t* src = picture.pixels + int64_t{sy} * picture.width;
        uint32_t* dst = target.pixels + int64_t{ty} * target.stride;
        // Source column floor((tx - x) * picture width / width), stepped without dividing.
        const int64_t start = int64_t{x0 - x} * picture.width;
        int32_t sx = static_cast<int32_t>(start / width);
        int64_t rest = start % width;
        for (int32_t from = x0; from < x1; from += kRun) {
            const int32_t n = std::min(kRun, x1 - from);
            for (int32_t i = 0; i < n; ++i) {
                run[i] = Faded(src[sx], opacity);
                rest += picture.width;
                while (rest >= width) rest -= width, ++sx;
            }
            OverRow(run, dst + from, n);
        }
    }
}

void FindPictureSpans(const PicturePixels& picture, PictureSpans* out) {
    // Stretches shorter than this stay inside the mixed span around them.
    constexpr int32_t kShortest = 32;
    out->rowFirst.clear();
    out->spans.clear();
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0) {
        out->rowFirst.assign(size_t(std::max(picture.height, 0)) + 1, 0);
        return;
    }
    for (int32_t y = 0; y < picture.height; ++y) {
        out->rowFirst.push_back(static_cast<int32_t>(out->spans.size()));
        const uint32_t* row = picture.pixels + int64_t{y} * picture.width;
        int32_t mixedFrom = -1;  // the mixed span being gathered, if any
        const auto closeMixed = [&](int32_t at) {
            if (mixedFrom >= 0) out->spans.push_back({mixedFrom, at, false});
            mixedFrom = -1;
        };
        for (int32_t x = 0; x < picture.width;) {
            const uint32_t alpha = row[x] >> 24;
            int32_t end = x + 1;
            if (alpha == 0 || alpha == 255)
                while (end < picture.width && (row[end] >> 24) == alpha) ++end;
            if ((alpha == 0 || alpha == 255) && end - x >= kShortest) {
                closeMixed(x);
                if (alpha == 255) out->spans.push_back({x, end, true});
            } else if (mixedFrom < 0) {
                mixedFrom = x;
            }
            x = end;
        }
        closeMixed(picture.width);
    }
    out->rowFirst.push_back(static_cast<int32_t>(out->spans.size()));
}

void ScalePicture(const PicturePixels& picture, int32_t width, int32_t height, std::vector<uint32_t>* out) {
    out->clear();
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) return;
    out->resize(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* src = picture.pixels + int64_t{y} * picture.height / height * picture.width;
        uint32_t* dst = out->data() + size_t(y) * size_t(width);
        for (int32_t x = 0; x < width; ++x) dst[x] = src[int64_t{x} * picture.width / width];
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
    const auto inside = [&](int64_t tx, double dy) {
        const double dx = static_cast<double>(tx) + 0.5 - cx;
        return dx * dx + dy * dy <= radius * radius;
    };
    for (int32_t ty = y0; ty < y1; ++ty) {
        const double dy = ty + 0.5 - cy;
        // A row of a circle is one run, as far in from the square's right
        // edge as from its left (the offsets are halves, exact in a double).
        int64_t in = 0;
        while (in < (size + 1) / 2 && !inside(int64_t{x} + in, dy)) ++in;
        if (in == (size + 1) / 2) continue;
        const int64_t from = std::max<int64_t>(int64_t{x} + in, x0);
        const int64_t to = std::min<int64_t>(int64_t{x} + size - in, x1);
        uint32_t* dst = target.pixels + int64_t{ty} * target.stride;
        for (int64_t tx = from; tx < to; ++tx) dst[tx] = Over(src, dst[tx]);
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
