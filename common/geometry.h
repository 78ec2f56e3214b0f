// Fixed-width rectangle and point as they sit inside records (never the
// platform's RECT/POINT: those change width between builds).
#pragma once
#include <cstdint>

struct RectI32 {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
static_assert(sizeof(RectI32) == 16);

struct PointI32 {
    int32_t x;
    int32_t y;
};
static_assert(sizeof(PointI32) == 8);

inline bool RectIsEmpty(const RectI32& r) { return r.right <= r.left || r.bottom <= r.top; }

inline bool RectsIntersect(const RectI32& a, const RectI32& b) {
    if (RectIsEmpty(a) || RectIsEmpty(b)) return false;
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
