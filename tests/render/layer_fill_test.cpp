// Plain fills of a contents layer and its laying through the mask.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/contents_layers.h"
#include "render/layer_fill.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu, kInk = 0xFF0000FFu;

struct Pixels {
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
    Pixels(int w, int h, uint32_t fill = kWhite) : pixels(size_t(w) * h, fill), buffer{pixels.data(), w, h, w} {}
    // One character a row: '#' where the ink is, '.' elsewhere.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int y = 0; y < buffer.height; ++y) {
            std::string row;
            for (int x = 0; x < buffer.width; ++x) row += pixels[size_t(y) * buffer.stride + x] == kInk ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
};

using Rows = std::vector<std::string>;

TEST(LayerFill, RectanglesRoundTheirEdgesAndClipToTheLayer) {
    Pixels a(6, 4);
    FillLayerRectangle(a.buffer, 0.6, 0.4, 2.8, 2.2, kInk);  // edges at 1, 0, 3 (3.4), 3 (2.6)
    EXPECT_EQ(a.Rows(), (Rows{".##...", ".##...", ".##...", "......"}));
    Pixels b(4, 3);
    FillLayerRectangle(b.buffer, -10, 1, 100, 100, kInk);
    EXPECT_EQ(b.Rows(), (Rows{"....", "####", "####"}));
    FillLayerRectangle(b.buffer, 0, 0, 0, 5, 0xFF00FF00u);  // empty
    EXPECT_EQ(b.pixels[0], kWhite);
}

TEST(LayerFill, WholeRowsAreThoseARectanglePaintsFromEdgeToEdge) {
    // For each box: the rows it paints whole, checked against what it paints.
    struct Case { double x, y, width, height; int top, bottom; };
    const Case cases[] = {{0, 0.6, 6, 2.2, 1, 3},    {-2, -3, 9, 5, 0, 2},   {0.4, 1, 5.2, 2, 1, 3},
                          {0.6, 1, 6, 2, 0, 0},      {0, 1, 5.4, 2, 0, 0},   {0, 3.6, 6, 9, 4, 4},
                          {0, 1.2, 6, 0.2, 0, 0},    {0, 0, 0, 4, 0, 0}};
    for (const Case& c : cases) {
        Pixels p(6, 4);
        const LayerRows rows = WholeRowsOf(p.buffer, c.x, c.y, c.width, c.height);
        EXPECT_EQ(rows.bottom - rows.top, c.bottom - c.top) << c.x << "," << c.y;
        if (c.top < c.bottom) EXPECT_EQ(rows.top, c.top) << c.x << "," << c.y;
        FillLayerRectangle(p.buffer, c.x, c.y, c.width, c.height, kInk);
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(p.Rows()[y] == "######", y >= rows.top && y < rows.bottom) << c.x << "," << c.y << " row " << y;
    }
    Pixels cleared(3, 4, kInk);
    ClearLayerRows(cleared.buffer, -1, 2, kWhite);
    EXPECT_EQ(cleared.Rows(), (Rows{"...", "...", "###", "###"}));
}

TEST(LayerFill, EllipsesTakeThePixelsWhoseCentresAreInside) {
    // Centres on whole coordinates: the box 0 .. 8 spans nine pixels.
    Pixels e(9, 5);
    FillLayerEllipse(e.buffer, 0, 0, 8, 4, kInk);
    EXPECT_EQ(e.Rows(), (Rows{"....#....", ".#######.", "#########", ".#######.", "....#...."}));
    Pixels clipped(4, 3);
    FillLayerEllipse(clipped.buffer, -4, -2, 8, 4, kInk);  // the lower right quarter
    EXPECT_EQ(clipped.Rows(), (Rows{"####", "####", "#..."}));
}

TEST(LayerFill, OutlinesAreARingAboutTheCurveAndLeaveTheInside) {
    Pixels o(13, 9);
    OutlineLayerEllipse(o.buffer, 1, 1, 10, 6, 1.0, kInk);
    const Rows rows = o.Rows();
    EXPECT_EQ(rows[0], ".............");
    EXPECT_EQ(rows[1], "....#####....");  // the top: the inner ellipse misses it
    EXPECT_EQ(rows[4], ".#.........#.");  // only the sides at the middle
    EXPECT_EQ(rows[7], "....#####....");
    EXPECT_EQ(rows[8], ".............");
    Pixels thick(13, 9);
    OutlineLayerEllipse(thick.buffer, 1, 1, 10, 6, 2.0, kInk);
    EXPECT_EQ(thick.Rows()[4], "##.........##");
    OutlineLayerEllipse(thick.buffer, 1, 1, 10, 6, 0.0, 0xFF00FF00u);  // no pen
    EXPECT_EQ(thick.Rows()[4], "##.........##");
}

// What the layer pass did step by step: mask alpha, premultiply, blend.
void ReferenceBlend(const PixelBuffer& target, std::vector<uint32_t> layer, int32_t w, int32_t h, int32_t x, int32_t y,
                    const std::vector<uint32_t>& mask, int32_t mw, int32_t mh, int32_t ml, int32_t mt) {
    for (uint32_t& p : layer) p &= 0x00FFFFFFu;
    ApplyMaskAlpha(layer.data() + size_t(mt) * w + ml, w, w - ml, h - mt, mask.data(), mw, mw, mh);
    const PixelBuffer buffer{layer.data(), w, h, w};
    PremultiplyLayer(buffer);
    BlendPicture(target, {layer.data(), w, h}, x, y, w, h, 255);
}

TEST(LayerFill, LayingThroughTheMaskMatchesMaskingPremultiplyingAndBlending) {
    // Every mask alpha over every byte value of the target, from a layer of
    // several colours, part of it off the target's edges.
    const int32_t w = 40, h = 30, mw = 32, mh = 28, ml = 3, mt = 1;
    std::vector<uint32_t> layer(size_t(w) * h), mask(size_t(mw) * mh);
    for (size_t i = 0; i < layer.size(); ++i) layer[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = uint32_t(i % 256) << 24 | 0x123456;
    for (const int32_t at : {0, -7, 25}) {
        Pixels fast(48, 40), reference(48, 40);
        for (size_t i = 0; i < fast.pixels.size(); ++i) fast.pixels[i] = reference.pixels[i] = uint32_t(i * 40503u) | 0xFF000000u;
        BlendLayerThroughMask(fast.buffer, {layer.data(), w, h, w}, at, at / 2, {mask.data(), mw, mh}, ml, mt);
        ReferenceBlend(reference.buffer, layer, w, h, at, at / 2, mask, mw, mh, ml, mt);
        EXPECT_EQ(fast.pixels, reference.pixels) << "at " << at;
    }
}

TEST(LayerFill, AMaskWithItsSpansLaysTheSamePixels) {
    // A vessel-like hard mask (clear margins, an opaque inside, a few part-clear
    // edge pixels) over a layer of bands, read through its spans.
    const int32_t w = 60, h = 30, mw = 52, mh = 28, ml = 4, mt = 1;
    std::vector<uint32_t> layer(size_t(w) * h), mask(size_t(mw) * mh);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            layer[size_t(y) * w + x] = y < 12 ? 0xFFFFFFFFu : y == 12 ? 0xFF000000u : y < 20 ? 0x00785AC8u : 0xFF3C8C3Cu;
    for (int32_t y = 0; y < mh; ++y)
        for (int32_t x = 0; x < mw; ++x) {
            const int32_t inset = y < 4 ? 12 - 2 * y : 3 + (y % 7 == 0);
            const bool inside = x >= inset && x < mw - inset;
            const bool edge = x == inset || x == mw - inset - 1;
            mask[size_t(y) * mw + x] = !inside ? 0x00FFFFFFu : edge && y % 3 ? 0x80000000u : 0xFF000000u;
        }
    PictureSpans spans;
    FindPictureSpans({mask.data(), mw, mh}, &spans);
    ASSERT_EQ(spans.rowFirst.size(), size_t(mh) + 1);
    for (const int32_t at : {0, -9, 31}) {
        Pixels fast(64, 40), reference(64, 40);
        for (size_t i = 0; i < fast.pixels.size(); ++i)
            fast.pixels[i] = reference.pixels[i] = i % 11 ? 0xFFF4F8FCu : uint32_t(i * 40503u) | 0xFF000000u;
        BlendLayerThroughMask(fast.buffer, {layer.data(), w, h, w}, at, at / 3, {mask.data(), mw, mh, &spans}, ml, mt);
        ReferenceBlend(reference.buffer, layer, w, h, at, at / 3, mask, mw, mh, ml, mt);
        EXPECT_EQ(fast.pixels, reference.pixels) << "at " << at;
    }
}

}  // namespace
