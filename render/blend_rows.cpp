#include "render/blend_rows.h"

#include "render/pixel_blend.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

uint32_t Premultiplied(uint32_t rgb, uint32_t a) {
    const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | scale((rgb >> 16) & 0xFF) << 16 | scale((rgb >> 8) & 0xFF) << 8 | scale(rgb & 0xFF);
}

// What a fully opaque mask pixel stands for: contents show at a quarter.
constexpr uint32_t kQuarter = 64;

uint32_t MaskAlpha(uint32_t maskPixel) {
    const uint32_t a = maskPixel >> 24;
    return a == 255 ? kQuarter : a;
}

#if defined(__SSE2__)

// Four 32-bit alphas (0..255, one a lane) spread over the 16-bit channel
// lanes of the low two and the high two pixels.
inline void SpreadAlpha(__m128i alpha, __m128i* low, __m128i* high) {
    const __m128i both = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
    *low = _mm_unpacklo_epi32(both, both);
    *high = _mm_unpackhi_epi32(both, both);
}

// (x + 127) / 255 for every 16-bit lane, x at most 255 * 255: the same
// rounding as the one-pixel forms, without a division. With t = x + 128,
// (t + (t >> 8)) >> 8 is that quotient, and for t below 65536 it equals
// (t * 257) >> 16, the high half of one multiplication.
inline __m128i Div255(__m128i x) {
    return _mm_mulhi_epu16(_mm_add_epi16(x, _mm_set1_epi16(128)), _mm_set1_epi16(257));
}

// Source plus destination scaled by keep, in 16-bit lanes.
inline __m128i OverLanes(__m128i src, __m128i dst, __m128i keep) {
    return _mm_add_epi16(src, Div255(_mm_mullo_epi16(dst, keep)));
}

// Four premultiplied sources with alpha `alpha` over four destinations;
// packing holds every channel at 255 as SourceOver does.
inline __m128i Over4(__m128i src, __m128i dst, __m128i alpha) {
    const __m128i zero = _mm_setzero_si128();
    __m128i keepLow, keepHigh;
    SpreadAlpha(_mm_sub_epi32(_mm_set1_epi32(255), alpha), &keepLow, &keepHigh);
    const __m128i low = OverLanes(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(dst, zero), keepLow);
    const __m128i high = OverLanes(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(dst, zero), keepHigh);
    return _mm_packus_epi16(low, high);
}

// Keeps `dst` where `alpha` is zero, `blended` elsewhere.
inline __m128i UnlessClear(__m128i blended, __m128i dst, __m128i alpha) {
    const __m128i clear = _mm_cmpeq_epi32(alpha, _mm_setzero_si128());
    return _mm_or_si128(_mm_and_si128(clear, dst), _mm_andnot_si128(clear, blended));
}

#endif

}  // namespace

void OverRowOneByOne(const uint32_t* src, uint32_t* dst, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t a = src[i] >> 24;
        if (a == 255) dst[i] = src[i];
        else if (a) dst[i] = SourceOver(src[i], dst[i]);
    }
}

void MaskedRowOneByOne(const uint32_t* mask, const uint32_t* colour, uint32_t* dst, int32_t count) {
    uint32_t lastColour = 0, lastAlpha = 0, lastSource = 0;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t a = MaskAlpha(mask[i]);
        if (a == 0) continue;
        const uint32_t rgb = colour[i] & 0x00FFFFFFu;
        if (rgb != lastColour || a != lastAlpha) {
            lastColour = rgb, lastAlpha = a;
            lastSource = Premultiplied(rgb, a);
        }
        dst[i] = SourceOver(lastSource, dst[i]);
    }
}

void OverRow(const uint32_t* src, uint32_t* dst, int32_t count) {
    int32_t i = 0;
#if defined(__SSE2__)
    const __m128i alphaBits = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i bits = _mm_and_si128(s, alphaBits);
        const int clear = _mm_movemask_epi8(_mm_cmpeq_epi32(bits, _mm_setzero_si128()));
        if (clear == 0xFFFF) continue;  // nothing to lay
        __m128i* out = reinterpret_cast<__m128i*>(dst + i);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(bits, alphaBits)) == 0xFFFF) {
            _mm_storeu_si128(out, s);  // all opaque: the source as it is
            continue;
        }
        const __m128i d = _mm_loadu_si128(out);
        const __m128i alpha = _mm_srli_epi32(s, 24);
        _mm_storeu_si128(out, UnlessClear(Over4(s, d, alpha), d, alpha));
    }
#endif
    OverRowOneByOne(src + i, dst + i, count - i);
}

void MaskedRow(const uint32_t* mask, const uint32_t* colour, uint32_t* dst, int32_t count) {
    int32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    for (; i + 4 <= count; i += 4) {
        const __m128i m = _mm_srli_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i)), 24);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(m, zero)) == 0xFFFF) continue;  // outside the mask
        const __m128i opaque = _mm_cmpeq_epi32(m, full);
        const __m128i alpha = _mm_or_si128(_mm_andnot_si128(opaque, m), _mm_and_si128(opaque, _mm_set1_epi32(64)));
        // The colour with alpha 255, scaled by the mask alpha: premultiplied, alpha as it is.
        const __m128i c = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(colour + i)),
                                       _mm_set1_epi32(static_cast<int>(0xFF000000u)));
        __m128i alphaLow, alphaHigh;
        SpreadAlpha(alpha, &alphaLow, &alphaHigh);
        const __m128i srcLow = Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(c, zero), alphaLow));
        const __m128i srcHigh = Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(c, zero), alphaHigh));
        __m128i* out = reinterpret_cast<__m128i*>(dst + i);
        const __m128i d = _mm_loadu_si128(out);
        _mm_storeu_si128(out, UnlessClear(Over4(_mm_packus_epi16(srcLow, srcHigh), d, alpha), d, alpha));
    }
#endif
    MaskedRowOneByOne(mask + i, colour + i, dst + i, count - i);
}

void QuarterRowOneByOne(const uint32_t* colour, uint32_t* dst, int32_t count) {
    uint32_t lastColour = 0, lastSource = Premultiplied(0, kQuarter);
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t rgb = colour[i] & 0x00FFFFFFu;
        if (rgb != lastColour) {
            lastColour = rgb;
            lastSource = Premultiplied(rgb, kQuarter);
        }
        dst[i] = SourceOver(lastSource, dst[i]);
    }
}

void QuarterRow(const uint32_t* colour, uint32_t* dst, int32_t count) {
    int32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaqueBits = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    __m128i quarter, keep, unused;
    SpreadAlpha(_mm_set1_epi32(kQuarter), &quarter, &unused);
    SpreadAlpha(_mm_set1_epi32(255 - kQuarter), &keep, &unused);
    // Inside a band four pixels in a row share one colour: their source is
    // the last such block's, and over the plain inside of a vessel, where the
    // destination repeats too, so is the result. A run colour of 0 matches
    // nothing, since every colour is read with its alpha set.
    __m128i runColour = zero, runSource = zero, runDestination = zero, runResult = zero;
    bool haveRunResult = false;
    for (; i + 4 <= count; i += 4) {
        const __m128i c = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(colour + i)), opaqueBits);
        __m128i* out = reinterpret_cast<__m128i*>(dst + i);
        const __m128i d = _mm_loadu_si128(out);
        const bool sameColour = _mm_movemask_epi8(_mm_cmpeq_epi32(c, runColour)) == 0xFFFF;
        if (sameColour && haveRunResult && _mm_movemask_epi8(_mm_cmpeq_epi32(d, runDestination)) == 0xFFFF) {
            _mm_storeu_si128(out, runResult);
            continue;
        }
        __m128i srcLow = runSource, srcHigh = runSource;
        if (!sameColour) {
            srcLow = Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(c, zero), quarter));
            srcHigh = Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(c, zero), quarter));
        }
        const __m128i result = _mm_packus_epi16(OverLanes(srcLow, _mm_unpacklo_epi8(d, zero), keep),
                                                OverLanes(srcHigh, _mm_unpackhi_epi8(d, zero), keep));
        _mm_storeu_si128(out, result);
        if (!sameColour && _mm_movemask_epi8(_mm_cmpeq_epi32(c, _mm_shuffle_epi32(c, 0))) == 0xFFFF) {
            runColour = c;
            runSource = srcLow;  // two equal pixels, in 16-bit lanes
            haveRunResult = false;
        }
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(c, runColour)) == 0xFFFF &&
            _mm_movemask_epi8(_mm_cmpeq_epi32(d, _mm_shuffle_epi32(d, 0))) == 0xFFFF) {
            runDestination = d;
            runResult = result;
            haveRunResult = true;
        }
    }
#endif
    QuarterRowOneByOne(colour + i, dst + i, count - i);
}
