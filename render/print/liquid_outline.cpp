#include "render/print/liquid_outline.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kTestTube = 2;
constexpr int32_t kErlenmeyer = 4;
constexpr int32_t kVolumetricFlask = 23;

// Truncates toward zero after clamping to 0..limit; a NaN or an infinite
// volume lands on an edge of the picture instead of an undefined cast.
int32_t ClampTrunc(double v, int32_t limit) {
    const double hi = std::max(0, limit);
    if (std::isnan(v)) return 0;
    return static_cast<int32_t>(std::clamp(v, 0.0, hi));
}

double Amount(double scale, double volume) {
    const double v = scale * volume;
    return std::isfinite(v) ? v : 0.0;
}

}  // namespace

bool IsRoundBottomType(int32_t type) {
    return type == 5 || type == 13 || type == 22;
}

LiquidOutline ShapeLiquidOutline(const LiquidShapeInput& in) {
    LiquidOutline out;
    PrintPoint* p = out.points;
    for (int i = 0; i < 6; ++i) p[i] = in.points[i];
    const double v = std::isfinite(in.volume) ? std::max(0.0, in.volume) : 0.0;
    const int32_t w = in.pictureWidth, h = in.pictureHeight;
    const bool upright = in.variant == 0 || in.variant == 3;
    const bool flask = in.type == kErlenmeyer || in.type == kVolumetricFlask;
    out.tipped = in.variant == 1;

    if (IsRoundBottomType(in.type)) {
        out.draw = LiquidDraw::Chord;
        out.left = p[0].x; out.top = p[0].y; out.right = p[1].x; out.bottom = p[1].y;
        if (in.variant == 1) {
            p[3].y = ClampTrunc(50.0 - v / 25.0, h);
            return out;
        }
        const double rise = Amount(in.heightScale, v);
        int32_t s;
        if (rise > 3.0 || rise < 0.05) s = ClampTrunc(p[1].y - std::trunc(rise), h);
        else if (rise > 1.0) s = p[1].y - 3;
        else if (rise > 0.2) s = p[1].y - 2;
        else s = p[1].y - 1;
        const double r = p[4].x;
        const double dy = static_cast<double>(s) - p[0].y - r;
        // A surface above or below the circle meets it nowhere: no width.
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        const double centre = static_cast<double>(p[0].x) + r;
        out.chordStart = {ClampTrunc(centre - std::trunc(half + 0.5), w), s};
        out.chordEnd = {ClampTrunc(centre + std::trunc(half + 0.5), w), s};
        if (s == p[1].y && out.chordStart == out.chordEnd) out.draw = LiquidDraw::None;
        return out;
    }

    if (in.shapeKind == kOutlineEllipse) {
        out.draw = LiquidDraw::Ellipse;
        const double growX = std::trunc(std::cbrt(Amount(in.widthScale, v)) + 0.5);
        const double growY = std::trunc(std::cbrt(Amount(in.heightScale, v)) + 0.5);
        out.left = ClampTrunc(p[0].x - growX, w);
        out.top = ClampTrunc(p[0].y - growY, h);
        out.right = ClampTrunc(p[1].x + growX, w);
        out.bottom = p[1].y;
        return out;
    }
    if (in.shapeKind != kOutlinePolygon) return out;
    out.draw = LiquidDraw::Polygon;
    const double rise = std::trunc(Amount(in.heightScale, v));

    if (upright && flask && in.variant == 0) {
        // The flasks' own rule replaces the straight-walled one: the
        // volume would otherwise raise the surface twice.
        const double d = Amount(in.heightScale, v * v);
        const int32_t y = ClampTrunc(p[0].y - std::trunc(d), h);
        p[0].y = y;
        p[5].y = y;
        if (in.type == kErlenmeyer) {
            p[0].x = ClampTrunc(p[0].x + std::trunc(d / 3.0), w);
            p[5].x = ClampTrunc(p[5].x - std::trunc(d / 3.0), w);
        }
    } else if (upright) {
        const int32_t s = ClampTrunc(p[5].y - rise, h);
        p[0].y = s;
        p[5].y = s;
        if (in.type == kTestTube && s > p[1].y) {
            const PrintPoint p2 = p[2], p3 = p[3];
            p[0] = {p2.x, s - 1}; p[1] = {p2.x, s}; p[2] = p2;
            p[3] = p3; p[4] = {p3.x, s}; p[5] = {p3.x, s - 1};
        }
    } else if (in.variant == 1) {
        if (in.type == kTestTube) p[5].x = ClampTrunc(p[5].x - rise, w);
        else p[5].y = ClampTrunc(p[5].y - rise, h);
    }
    return out;
}

int32_t LayerBoundaryY(const LiquidShapeInput& in, double l0, double l1) {
    const PrintPoint p0 = in.points[0], p2 = in.points[2];
    if (!(l0 >= 0.0) || !(l1 > 0.0)) return p2.y;
    if (in.type == kErlenmeyer || in.type == kVolumetricFlask) {
        const double d = Amount(in.heightScale, (l0 * 10.0) * (l0 * 10.0));
        return ClampTrunc(p2.y - std::trunc(d), in.pictureHeight);
    }
    const double y = p2.y - (l0 / (l0 + l1)) * (p2.y - p0.y);
    return ClampTrunc(y, in.pictureHeight);
}
