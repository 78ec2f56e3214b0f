// Printed-bench geometry: packed-DIB colour tables, liquid outlines and the
// number of boiling bubbles on paper.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "render/print/dib_palette.h"
#include "render/print/liquid_outline.h"
#include "render/print/print_bubbles.h"

namespace {

struct InfoHeader {  // the 40-byte form, laid out field by field
    uint32_t size = 40;
    int32_t width = 4, height = 4;
    uint16_t planes = 1, bitCount = 0;
    uint32_t compression = 0, imageSize = 0;
    int32_t xPels = 0, yPels = 0;
    uint32_t used = 0, important = 0;
};
static_assert(sizeof(InfoHeader) == 40);

struct CoreHeader {
    uint32_t size = 12;
    uint16_t width = 4, height = 4, planes = 1, bitCount = 0;
};
static_assert(sizeof(CoreHeader) == 12);

TEST(DibPaletteSize, FollowsDepthUsedCountAndHeaderForm) {
    struct Case { uint16_t bits; uint32_t used; uint32_t expected; };
    const Case info[] = {{24, 0, 0}, {8, 0, 1024}, {4, 0, 64}, {1, 0, 8},
                         {8, 5, 20}, {32, 0, 0}, {16, 0, 0}};
    for (const Case& c : info) {
        InfoHeader h;
        h.bitCount = c.bits;
        h.used = c.used;
        EXPECT_EQ(DibPaletteSize(&h, sizeof h), c.expected) << c.bits << " bits, used " << c.used;
    }
    const Case core[] = {{4, 0, 48}, {1, 0, 6}, {8, 0, 768}, {24, 0, 0}};
    for (const Case& c : core) {
        CoreHeader h;
        h.bitCount = c.bits;
        EXPECT_EQ(DibPaletteSize(&h, sizeof h), c.expected) << "core " << c.bits << " bits";
    }
}

TEST(DibPaletteSize, ShortUnknownOrBoastfulHeadersHaveNoTable) {
    InfoHeader h;
    h.bitCount = 8;
    EXPECT_EQ(DibPaletteSize(&h, 20), 0u);        // cut short
    EXPECT_EQ(DibPaletteSize(nullptr, 40), 0u);
    h.size = 108;                                  // a form not understood
    EXPECT_EQ(DibPaletteSize(&h, sizeof h), 0u);
    h.size = 40;
    h.used = 0x40000000;                           // would overflow the block
    EXPECT_EQ(DibPaletteSize(&h, sizeof h), 1024u);
}

TEST(DibImageSize, PadsRowsAndDoesNotWrap) {
    EXPECT_EQ(DibImageSize(3, 2, 24), 24u);   // 9 bytes -> 12 per row
    EXPECT_EQ(DibImageSize(9, 1, 1), 4u);
    EXPECT_EQ(DibImageSize(5, -3, 8), 24u);   // top-down rows count the same
    EXPECT_EQ(DibImageSize(70000, 70000, 32), uint64_t{70000} * 4 * 70000);
    EXPECT_EQ(DibImageSize(0, 5, 24), 0u);
}

LiquidShapeInput Vessel(int32_t type, int32_t variant, int32_t kind,
                        std::initializer_list<PrintPoint> pts, float k, double v) {
    LiquidShapeInput in;
    in.type = type;
    in.variant = variant;
    in.shapeKind = kind;
    int i = 0;
    for (const PrintPoint& p : pts) in.points[i++] = p;
    in.heightScale = k;
    in.widthScale = k;
    in.volume = v;
    in.pictureWidth = 64;
    in.pictureHeight = 64;
    return in;
}

const std::initializer_list<PrintPoint> kBeaker = {{5, 40}, {5, 44}, {8, 46},
                                                   {32, 46}, {35, 44}, {35, 40}};

TEST(LiquidOutline, UprightSurfaceRisesWithVolumeAndStaysInThePicture) {
    struct Case { double v; int32_t surface; };
    const Case cases[] = {{0, 40}, {150, 25}, {300, 10}, {1e7, 0},
                          {std::numeric_limits<double>::quiet_NaN(), 40}, {-50, 40}};
    for (const Case& c : cases) {
        const LiquidOutline o = ShapeLiquidOutline(Vessel(3, 0, kOutlinePolygon, kBeaker, 0.1f, c.v));
        EXPECT_EQ(o.draw, LiquidDraw::Polygon);
        EXPECT_EQ(o.points[0], (PrintPoint{5, c.surface})) << c.v;
        EXPECT_EQ(o.points[5], (PrintPoint{35, c.surface})) << c.v;
        EXPECT_EQ(o.points[2], (PrintPoint{8, 46}));
    }
    // Held upright (variant 3) shapes the same way.
    EXPECT_EQ(ShapeLiquidOutline(Vessel(3, 3, kOutlinePolygon, kBeaker, 0.1f, 150)).points[0].y, 25);
}

TEST(LiquidOutline, TippedMovesOnlyTheFarCorner) {
    const LiquidOutline beaker = ShapeLiquidOutline(Vessel(3, 1, kOutlinePolygon, kBeaker, 0.1f, 150));
    EXPECT_EQ(beaker.points[0], (PrintPoint{5, 40}));
    EXPECT_EQ(beaker.points[5], (PrintPoint{35, 25}));
    const LiquidOutline tube = ShapeLiquidOutline(Vessel(2, 1, kOutlinePolygon, kBeaker, 0.1f, 150));
    EXPECT_EQ(tube.points[5], (PrintPoint{20, 40}));
    EXPECT_EQ(ShapeLiquidOutline(Vessel(2, 1, kOutlinePolygon, kBeaker, 0.1f, 1e9)).points[5].x, 0);
}

TEST(LiquidOutline, TestTubeShrinksToItsRoundedBottom) {
    const std::initializer_list<PrintPoint> tube = {{2, 56}, {2, 50}, {4, 55},
                                                    {8, 55}, {10, 50}, {10, 56}};
    const LiquidOutline low = ShapeLiquidOutline(Vessel(2, 0, kOutlinePolygon, tube, 0.5f, 4));
    const PrintPoint lowExpected[] = {{4, 53}, {4, 54}, {4, 55}, {8, 55}, {8, 54}, {8, 53}};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(low.points[i], lowExpected[i]) << i;
    const LiquidOutline high = ShapeLiquidOutline(Vessel(2, 0, kOutlinePolygon, tube, 0.5f, 20));
    EXPECT_EQ(high.points[0], (PrintPoint{2, 46}));
    EXPECT_EQ(high.points[1], (PrintPoint{2, 50}));
}

TEST(LiquidOutline, FlasksRiseWithTheSquareOfTheVolume) {
    const std::initializer_list<PrintPoint> flask = {{10, 50}, {2, 58}, {2, 60},
                                                     {48, 60}, {48, 58}, {40, 50}};
    struct Case { int32_t type; double v; PrintPoint p0, p5; };
    const Case cases[] = {
        {4, 0, {10, 50}, {40, 50}},   {4, 100, {16, 30}, {34, 30}},
        {4, 150, {25, 5}, {25, 5}},   {4, 1000, {64, 0}, {0, 0}},
        {23, 0, {10, 50}, {40, 50}},  {23, 100, {10, 30}, {40, 30}},
        {23, 150, {10, 5}, {40, 5}},
    };
    for (const Case& c : cases) {
        const LiquidOutline o = ShapeLiquidOutline(Vessel(c.type, 0, kOutlinePolygon, flask, 0.002f, c.v));
        EXPECT_EQ(o.points[0], c.p0) << c.type << " at " << c.v;
        EXPECT_EQ(o.points[5], c.p5) << c.type << " at " << c.v;
    }
}

TEST(LiquidOutline, EllipseGrowsByTheCubeRootAndIsClamped) {
    const std::initializer_list<PrintPoint> pts = {{10, 20}, {30, 30}};
    struct Case { double v; int32_t l, t, r, b; };
    const Case cases[] = {{0, 10, 20, 30, 30}, {8, 8, 18, 32, 30}, {1e9, 0, 0, 64, 30}};
    for (const Case& c : cases) {
        const LiquidOutline o = ShapeLiquidOutline(Vessel(7, 0, kOutlineEllipse, pts, 1.0f, c.v));
        EXPECT_EQ(o.draw, LiquidDraw::Ellipse);
        EXPECT_EQ((std::array<int32_t, 4>{o.left, o.top, o.right, o.bottom}),
                  (std::array<int32_t, 4>{c.l, c.t, c.r, c.b})) << c.v;
    }
}

TEST(LiquidOutline, RoundBottomChordMeetsTheCircle) {
    // Circle of radius 20 with its top at y 10; the box reaches y 50.
    const std::initializer_list<PrintPoint> pts = {{10, 10}, {50, 50}, {0, 0},
                                                   {0, 0}, {20, 0}, {0, 0}};
    struct Case { double v; LiquidDraw draw; PrintPoint a, b; };
    const Case cases[] = {
        {0, LiquidDraw::None, {30, 50}, {30, 50}},     // empty: nothing drawn
        {1, LiquidDraw::Chord, {24, 49}, {36, 49}},    // a trace sits 1 above
        {200, LiquidDraw::Chord, {10, 30}, {50, 30}},  // half: the diameter
        {400, LiquidDraw::Chord, {30, 10}, {30, 10}},  // full: the top
    };
    for (const Case& c : cases) {
        const LiquidOutline o = ShapeLiquidOutline(Vessel(5, 0, kOutlineEllipse, pts, 0.1f, c.v));
        EXPECT_EQ(o.draw, c.draw) << c.v;
        EXPECT_EQ(o.chordStart, c.a) << c.v;
        EXPECT_EQ(o.chordEnd, c.b) << c.v;
        EXPECT_EQ(o.left, 10);
        EXPECT_EQ(o.bottom, 50);
    }
}

TEST(LiquidOutline, RoundBottomSurfaceOutsideTheCircleHasNoWidth) {
    // The box reaches below the circle, and a flood puts the surface above it:
    // both would take the root of a negative number.
    const std::initializer_list<PrintPoint> pts = {{10, 10}, {50, 60}, {0, 0},
                                                   {0, 0}, {20, 0}, {0, 0}};
    for (double v : {0.0, 1e6}) {
        const LiquidOutline o = ShapeLiquidOutline(Vessel(13, 0, kOutlineEllipse, pts, 0.1f, v));
        EXPECT_EQ(o.chordStart.x, 30) << v;
        EXPECT_EQ(o.chordEnd.x, 30) << v;
        EXPECT_GE(o.chordStart.y, 0) << v;
    }
    // Tipped: the template with the corner set by the volume.
    const LiquidOutline tipped = ShapeLiquidOutline(Vessel(22, 1, kOutlineEllipse, pts, 0.1f, 250));
    EXPECT_TRUE(tipped.tipped);
    EXPECT_EQ(tipped.points[3].y, 40);
    EXPECT_EQ(ShapeLiquidOutline(Vessel(22, 1, kOutlineEllipse, pts, 0.1f, 5000)).points[3].y, 0);
}

TEST(LiquidOutline, LayerBoundarySplitsByVolume) {
    const std::initializer_list<PrintPoint> pts = {{5, 10}, {5, 44}, {8, 50},
                                                   {32, 50}, {35, 44}, {35, 10}};
    const LiquidShapeInput beaker = Vessel(3, 0, kOutlinePolygon, pts, 0.1f, 100);
    EXPECT_EQ(LayerBoundaryY(beaker, 1, 1), 30);
    EXPECT_EQ(LayerBoundaryY(beaker, 3, 1), 20);
    EXPECT_EQ(LayerBoundaryY(beaker, 1, 0), 50);  // no upper layer
    const LiquidShapeInput flask = Vessel(4, 0, kOutlinePolygon, pts, 0.1f, 100);
    EXPECT_EQ(LayerBoundaryY(flask, 1, 1), 40);   // (1 x 10)^2 x 0.1
    EXPECT_EQ(LayerBoundaryY(flask, 100, 1), 0);
}

TEST(PrintBubbles, CountFollowsHeatCounterAndVolume) {
    struct Case { bool upright; double v, t, bp; int32_t counter, n, counterAfter; };
    const Case cases[] = {
        {true, 200, 373, 373, 0, 10, 0},   // boiling, plenty of liquid
        {true, 30, 373, 373, 0, 3, 0},     // at the boil, by volume
        {true, 15, 373, 373, 0, 2, 0},
        {true, 60, 400, 373, 0, 5, 0},     // above the boil: still by volume
        {true, 200, 366, 373, 0, 3, 0},    // 7 K below: 10 - 7
        {true, 200, 360, 373, 0, 0, 0},    // too cold
        {true, 5, 373, 373, 0, 0, 0},      // too little liquid
        {false, 200, 373, 373, 0, 0, 0},   // tipped: never
        {true, 200, 300, 373, 4, 3, 3},    // after the boil: the counter
        {true, 200, 300, 373, 40, 10, 39},
    };
    for (const Case& c : cases) {
        PrintBubbleInput in;
        in.upright = c.upright;
        in.heatable = true;
        in.liquidVolume = c.v;
        in.temperature = c.t;
        in.boilingPoint = c.bp;
        in.afterBoilCounter = c.counter;
        EXPECT_EQ(PrintBubbleCount(in), c.n) << c.v << " ml/10 at " << c.t;
        EXPECT_EQ(in.afterBoilCounter, c.counterAfter);
    }
    PrintBubbleInput cold;  // not heatable and no counter: nothing
    cold.upright = true;
    cold.liquidVolume = 200;
    cold.temperature = cold.boilingPoint = 373;
    EXPECT_EQ(PrintBubbleCount(cold), 0);
}

}  // namespace
