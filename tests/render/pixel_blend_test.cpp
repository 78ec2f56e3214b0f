// Source-over blending of premultiplied pictures, as GDI+ composes them.
#include <gtest/gtest.h>

#include <vector>

#include "render/pixel_blend.h"

namespace {

struct Target {
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
    explicit Target(int w, int h, uint32_t fill = 0xFFFFFFFF) : pixels(w * h, fill), buffer{pixels.data(), w, h, w} {}
    uint32_t At(int x, int y) const { return pixels[y * buffer.stride + x]; }
};

TEST(PixelBlend, OpaqueCoversClearKeepsHalfMixes) {
    Target t(4, 1);
    const uint32_t src[4] = {0xFF102030, 0x00000000, 0x80000000, 0x80800000};  // premultiplied
    BlendPicture(t.buffer, {src, 4, 1}, 0, 0, 4, 1, 255);
    EXPECT_EQ(t.At(0, 0), 0xFF102030u);
    EXPECT_EQ(t.At(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(t.At(2, 0), 0xFF7F7F7Fu);   // half-transparent black over white
    EXPECT_EQ(t.At(3, 0), 0xFFFF7F7Fu);   // half-transparent red over white
}

TEST(PixelBlend, OpacityFadesAsAColourMatrixOnAlphaWould) {
    Target t(1, 1);
    const uint32_t black = 0xFF000000;
    BlendPicture(t.buffer, {&black, 1, 1}, 0, 0, 1, 1, 102);  // 40 %
    EXPECT_EQ(t.At(0, 0), 0xFF999999u);
}

TEST(PixelBlend, ClipsAtEveryEdgeAndStretchesByNearestNeighbour) {
    Target t(3, 3);
    const uint32_t red = 0xFFFF0000;
    BlendPicture(t.buffer, {&red, 1, 1}, -5, -5, 6, 6, 255);  // covers only (0, 0)
    EXPECT_EQ(t.At(0, 0), red);
    EXPECT_EQ(t.At(1, 0), 0xFFFFFFFFu);
    BlendPicture(t.buffer, {&red, 1, 1}, 2, 2, 10, 10, 255);
    EXPECT_EQ(t.At(2, 2), red);
    EXPECT_EQ(t.At(1, 2), 0xFFFFFFFFu);

    Target s(4, 2, 0xFF000000);
    const uint32_t two[2] = {0xFF0000FF, 0xFF00FF00};
    BlendPicture(s.buffer, {two, 2, 1}, 0, 0, 4, 2, 255);
    EXPECT_EQ(s.At(1, 1), 0xFF0000FFu);
    EXPECT_EQ(s.At(2, 0), 0xFF00FF00u);
    BlendPicture(s.buffer, {two, 2, 1}, 1 << 30, 0, 4, 2, 255);  // far off: nothing, no overflow
}

}  // namespace
