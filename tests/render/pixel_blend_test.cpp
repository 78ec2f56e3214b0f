// Source-over blending of premultiplied pictures, as GDI+ composes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

TEST(PixelBlend, SourceOverRoundsEveryChannelAndHoldsOverflowAt255) {
    // Every source alpha over every destination byte, against the plain
    // per-channel sum; sources brighter than their alpha are held at 255.
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t d = 0; d < 256; d += 3) {
            const uint32_t channel = a / 2, bright = 255 - a / 3;
            const uint32_t src = a << 24 | channel << 16 | bright << 8 | a;
            const uint32_t dst = d << 24 | (255 - d) << 16 | d << 8 | (d * 7 & 0xFF);
            const auto expect = [a](uint32_t s, uint32_t t) {
                return std::min<uint32_t>(s + (t * (255 - a) + 127) / 255, 255);
            };
            const uint32_t want = expect(a, d) << 24 | expect(channel, 255 - d) << 16 | expect(bright, d) << 8 |
                                  expect(a, d * 7 & 0xFF);
            ASSERT_EQ(SourceOver(src, dst), want) << a << " " << d;
        }
}

TEST(PixelBlend, BoxesRoundTheirEdgesInEitherOrderAndClip) {
    Target t(5, 4);
    BlendBox(t.buffer, 3.4, 3.6, 0.6, 0.5, 0x80000000);  // columns 1..2, rows 1..3
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(t.At(x, y), (x >= 1 && x <= 2 && y >= 1) ? 0xFF7F7F7Fu : 0xFFFFFFFFu) << x << "," << y;
    Target c(2, 2);
    BlendBox(c.buffer, -100, -100, 100, 100, 0xFFFF0000);
    EXPECT_EQ(c.pixels, std::vector<uint32_t>(4, 0xFFFF0000u));
    BlendBox(c.buffer, 0, 0, 2, 2, 0x00FFFFFF);  // clear: nothing
    EXPECT_EQ(c.At(1, 1), 0xFFFF0000u);
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

// Stretched and faded pictures take, for every target pixel, the source
// pixel floor(offset * picture size / box size), faded, laid over: checked
// pixel by pixel against that formula for boxes larger, smaller, clipped and
// wider than one run of the blender.
TEST(PixelBlend, StretchedAndFadedPicturesPickTheirNearestSourcePixel) {
    std::vector<uint32_t> picture(23 * 7);
    for (size_t i = 0; i < picture.size(); ++i) {
        const uint32_t a = (i * 37) % 256;  // every kind of alpha, colours within it (premultiplied)
        picture[i] = a << 24 | (a * (i % 5) / 4) << 16 | (a * (i % 3) / 2) << 8 | (a * (i % 7) / 6);
    }
    const PicturePixels source{picture.data(), 23, 7};
    struct Case { int x, y, width, height; uint8_t opacity; };
    const Case cases[] = {{3, 2, 11, 5, 255},   {3, 2, 11, 5, 102},    {-9, -4, 14, 13, 255},
                          {0, 0, 23, 7, 102},   {-50, 1, 600, 9, 255}, {5, 0, 1, 1, 200},
                          {290, 3, 40, 20, 255}};
    for (const Case& c : cases) {
        Target got(300, 16, 0xFF336699), want(300, 16, 0xFF336699);
        BlendPicture(got.buffer, source, c.x, c.y, c.width, c.height, c.opacity);
        for (int ty = std::max(c.y, 0); ty < std::min(c.y + c.height, 16); ++ty)
            for (int tx = std::max(c.x, 0); tx < std::min(c.x + c.width, 300); ++tx) {
                const uint32_t p = picture[(ty - c.y) * 7 / c.height * 23 + (tx - c.x) * 23 / c.width];
                const auto fade = [&c](uint32_t v) { return (v * c.opacity + 127) / 255; };
                const uint32_t faded = fade(p >> 24) << 24 | fade(p >> 16 & 0xFF) << 16 |
                                       fade(p >> 8 & 0xFF) << 8 | fade(p & 0xFF);
                uint32_t& d = want.pixels[ty * 300 + tx];
                if (faded >> 24 == 255) d = faded;
                else if (faded >> 24) d = SourceOver(faded, d);
            }
        EXPECT_EQ(got.pixels, want.pixels) << c.x << "," << c.y << " " << c.width << "x" << c.height;
    }
}

// A picture laid through its spans shows what it shows laid pixel by pixel:
// pictures with clear margins, opaque insides, short stretches of each and
// part-clear pixels, clipped on either side.
TEST(PixelBlend, PicturesLaidThroughTheirSpansShowTheSame) {
    std::mt19937 rng(5);
    for (int round = 0; round < 60; ++round) {
        const int w = 1 + static_cast<int>(rng() % 150), h = 1 + static_cast<int>(rng() % 6);
        std::vector<uint32_t> picture(size_t(w) * h);
        for (size_t i = 0; i < picture.size();) {
            const uint32_t kind = rng() % 3, run = 1 + rng() % 80;
            for (uint32_t k = 0; k < run && i < picture.size(); ++k, ++i) {
                const uint32_t a = kind == 0 ? 0 : kind == 1 ? 255 : 1 + rng() % 254;
                picture[i] = a << 24 | (a * (rng() % 256) / 255) << 16 | (a * (i % 7) / 6) << 8 | (a / 2);
            }
        }
        PictureSpans spans;
        FindPictureSpans({picture.data(), w, h}, &spans);
        const int x = static_cast<int>(rng() % 200) - 60, y = static_cast<int>(rng() % 8) - 3;
        Target plain(128, 6, 0xFF336699), spanned(128, 6, 0xFF336699);
        BlendPicture(plain.buffer, {picture.data(), w, h}, x, y, w, h, 255);
        BlendPicture(spanned.buffer, {picture.data(), w, h, &spans}, x, y, w, h, 255);
        ASSERT_EQ(spanned.pixels, plain.pixels) << "round " << round;
    }
}

}  // namespace

TEST(PixelBlend, DiscsFillTheirCircleClippedAndTranslucent) {
    std::vector<uint32_t> pixels(8 * 8, 0xFFFFFFFFu);
    const PixelBuffer target{pixels.data(), 8, 8, 8};
    BlendDisc(target, 1, 1, 5, 0xFF0000FFu);  // opaque blue, centre (3.5, 3.5)
    EXPECT_EQ(pixels[3 * 8 + 3], 0xFF0000FFu);
    EXPECT_EQ(pixels[1 * 8 + 1], 0xFFFFFFFFu);  // the square's corner is outside the circle
    EXPECT_EQ(pixels[0], 0xFFFFFFFFu);
    BlendDisc(target, 5, 5, 6, 0x80FF0000u);  // half red, partly off the buffer
    const uint32_t mixed = pixels[7 * 8 + 7];
    EXPECT_EQ(mixed >> 24, 0xFFu);
    EXPECT_EQ((mixed >> 16) & 0xFF, 0xFFu);
    EXPECT_NEAR(int(mixed & 0xFF), 127, 1);
    const std::vector<uint32_t> before = pixels;
    BlendDisc(target, 2, 2, 0, 0xFF000000u);  // a bubble of size 0 shows nothing
    BlendDisc(target, 2, 2, 4, 0x00000000u);  // nor a faded one
    BlendDisc(target, -100, -100, 50, 0xFF000000u);
    EXPECT_EQ(pixels, before);
}

TEST(PixelBlend, DiscsCoverThePixelsWhoseCentresLieInTheirCircle) {
    // Every pixel of the square against the circle it is in, for odd and
    // even sizes, clipped on every side, opaque and translucent.
    struct Case { int x, y, size; uint32_t argb; };
    const Case cases[] = {{3, 3, 1, 0xFF0000FF}, {3, 3, 2, 0xFF0000FF}, {2, 1, 3, 0x96808080},
                          {1, 2, 12, 0x4B0000FF}, {-5, 4, 13, 0xFF112233}, {9, -6, 16, 0x80FF0000},
                          {15, 15, 30, 0xFFFFFF00}};
    for (const Case& c : cases) {
        std::vector<uint32_t> got(20 * 20, 0xFF204060u), want = got;
        BlendDisc({got.data(), 20, 20, 20}, c.x, c.y, c.size, c.argb);
        const double r = c.size / 2.0, cx = c.x + r, cy = c.y + r;
        const uint32_t a = c.argb >> 24;
        const auto scale = [a](uint32_t v) { return (v * a + 127) / 255; };
        const uint32_t src = a << 24 | scale(c.argb >> 16 & 0xFF) << 16 | scale(c.argb >> 8 & 0xFF) << 8 |
                             scale(c.argb & 0xFF);
        for (int ty = std::max(c.y, 0); ty < std::min(c.y + c.size, 20); ++ty)
            for (int tx = std::max(c.x, 0); tx < std::min(c.x + c.size, 20); ++tx) {
                const double dx = tx + 0.5 - cx, dy = ty + 0.5 - cy;
                uint32_t& d = want[ty * 20 + tx];
                if (dx * dx + dy * dy <= r * r) d = a == 255 ? src : SourceOver(src, d);
            }
        EXPECT_EQ(got, want) << c.x << "," << c.y << " size " << c.size;
    }
}
