// The four-at-a-time row loops against their one-pixel forms, bit for bit.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "render/blend_rows.h"

namespace {

// Alphas where the loops take different turns: clear, opaque, the quarter
// the mask stands for, and their neighbours.
constexpr uint32_t kEdgeAlphas[] = {0, 1, 2, 63, 64, 65, 127, 128, 254, 255};

uint32_t RandomPixel(std::mt19937& rng) {
    const uint32_t alpha = rng() % 3 == 0 ? kEdgeAlphas[rng() % std::size(kEdgeAlphas)] : rng() & 0xFF;
    return alpha << 24 | (rng() & 0x00FFFFFFu);
}

// Rows of every length from empty to past a run of sixteen blocks and a
// tail, with runs of one value so whole blocks are clear or opaque.
std::vector<uint32_t> RandomRow(std::mt19937& rng, int length) {
    std::vector<uint32_t> row(length);
    for (int i = 0; i < length;) {
        const uint32_t p = RandomPixel(rng);
        const int run = rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 9) : 1;
        for (int k = 0; k < run && i < length; ++k) row[i++] = rng() % 2 ? p : (p & 0xFF000000u) | (rng() & 0xFFFFFFu);
    }
    return row;
}

// Both loops, wide and one by one, over copies of the same destination.
void ExpectFormsAgree(const std::vector<uint32_t>& src, const std::vector<uint32_t>& mask,
                      const std::vector<uint32_t>& dst, const char* what, int which) {
    const int n = static_cast<int>(dst.size());
    auto wide = dst, single = dst;
    OverRow(src.data(), wide.data(), n);
    OverRowOneByOne(src.data(), single.data(), n);
    ASSERT_EQ(wide, single) << "over, " << what << " " << which;
    wide = dst, single = dst;
    MaskedRow(mask.data(), src.data(), wide.data(), n);
    MaskedRowOneByOne(mask.data(), src.data(), single.data(), n);
    ASSERT_EQ(wide, single) << "masked, " << what << " " << which;
}

TEST(BlendRows, WideAndOneByOneAgreeOnRandomRowsOfEveryLength) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round)
        for (int length = 0; length <= 67; ++length) {
            const auto src = RandomRow(rng, length), mask = RandomRow(rng, length), dst = RandomRow(rng, length);
            ExpectFormsAgree(src, mask, dst, "length", length);
        }
}

TEST(BlendRows, WideAndOneByOneAgreeForEveryAlphaOverEveryByte) {
    // Every alpha with channels below, at and above it, over destinations
    // holding every byte value, four pixels a block.
    for (uint32_t a = 0; a < 256; ++a) {
        std::vector<uint32_t> src, mask, dst;
        for (uint32_t d = 0; d < 256; ++d) {
            const uint32_t channel = (a + d) & 0xFF;
            src.push_back(a << 24 | channel << 16 | (a * d / 255) << 8 | (d & 1 ? 255 : 0));
            mask.push_back(a << 24 | d);
            dst.push_back(d << 24 | (255 - d) << 16 | d << 8 | (d * 7 & 0xFF));
        }
        ExpectFormsAgree(src, mask, dst, "alpha", static_cast<int>(a));
    }
}

TEST(BlendRows, UnderAnOpaqueMaskBandsOfOneColourShowAtAQuarter) {
    // What a contents layer looks like: long runs of one colour, starting
    // anywhere in a block, over a destination mostly of one colour. The
    // quarter row, wide and one by one, lays what the masked row lays under
    // a fully opaque mask.
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(rng() % 120);
        std::vector<uint32_t> colour(n), dst(n);
        const std::vector<uint32_t> opaque(n, 0xFF000000u);
        uint32_t band = rng(), plain = 0xFFF4F8FCu;
        for (int i = 0; i < n; ++i) {
            if (rng() % 13 == 0) band = rng();  // alpha bits of the colour vary too: they are ignored
            if (rng() % 29 == 0) plain = rng();
            colour[i] = band;
            dst[i] = rng() % 5 ? plain : rng();
        }
        auto wide = dst, single = dst, masked = dst;
        QuarterRow(colour.data(), wide.data(), n);
        QuarterRowOneByOne(colour.data(), single.data(), n);
        MaskedRowOneByOne(opaque.data(), colour.data(), masked.data(), n);
        ASSERT_EQ(wide, masked) << "wide, round " << round;
        ASSERT_EQ(single, masked) << "one by one, round " << round;
    }
}

TEST(BlendRows, ClearSourcesAndMasksLeaveTheDestination) {
    const std::vector<uint32_t> dst = {0x12345678, 0x9ABCDEF0, 0x0F0F0F0F, 0xFFFFFFFF, 0, 0x80808080};
    const std::vector<uint32_t> clear = {0x00FFFFFF, 0x00000000, 0x00123456, 0x00FFFFFF, 0x00ABCDEF, 0x00777777};
    auto out = dst;
    OverRow(clear.data(), out.data(), 6);
    EXPECT_EQ(out, dst);
    MaskedRow(clear.data(), clear.data(), out.data(), 6);
    EXPECT_EQ(out, dst);
}

TEST(BlendRows, OpaqueMaskShowsTheColourAtAQuarter) {
    // White at 64 over black is 64 in every channel, a full mask included.
    const std::vector<uint32_t> mask(5, 0xFF000000), colour(5, 0x00FFFFFF);
    std::vector<uint32_t> out(5, 0xFF000000);
    MaskedRow(mask.data(), colour.data(), out.data(), 5);
    for (uint32_t p : out) EXPECT_EQ(p, 0xFF404040u);
}

}  // namespace
