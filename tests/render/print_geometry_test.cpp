// Printed-bench geometry: packed-DIB colour tables and the number of boiling
// bubbles on paper.
#include <gtest/gtest.h>

#include <cstdint>

#include "render/print/dib_palette.h"
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
