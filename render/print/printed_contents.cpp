#include "render/print/printed_contents.h"

#include <algorithm>
#include <cmath>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/catalogue/equipment_geometry.h"
#include "render/contents_layers.h"
#include "render/print/print_parts.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kArcSteps = 40;

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

PrintPoint Rounded(double x, double y) {
    return {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

// A round bulb: centred between p3 and p5 (its two sides), reaching p4
// along the vessel's axis; the neck (p0, p1) joins it where the neck's walls
// meet the curve. Upright and tipped rows alike, as the axis is measured.
PrintPolygon RoundBottom(const PointI32* p) {
    const double cx = (p[3].x + p[5].x) / 2.0, cy = (p[3].y + p[5].y) / 2.0;
    const double side = std::hypot(p[3].x - p[5].x, p[3].y - p[5].y) / 2.0;
    const double nx = (p[0].x + p[1].x) / 2.0 - cx, ny = (p[0].y + p[1].y) / 2.0 - cy;
    const double neck = std::hypot(nx, ny);
    const double axial = std::hypot(p[4].x - cx, p[4].y - cy);
    PrintPolygon out;
    if (side < 1.0 || neck < 1.0 || axial < 1.0) {
        for (int i = 0; i < 6; ++i) out.points.push_back({p[i].x, p[i].y});
        return out;
    }
    const double ux = nx / neck, uy = ny / neck;  // towards the neck
    const double vx = -uy, vy = ux;               // across it
    // The angle (from u, towards v) where a wall at lateral offset d meets the bulb.
    const auto wallAngle = [&](const PointI32& q) {
        const double d = std::clamp(((q.x - cx) * vx + (q.y - cy) * vy) / side, -1.0, 1.0);
        return std::atan2(d, std::sqrt(1.0 - d * d));
    };
    const double a1 = wallAngle(p[1]), a0 = wallAngle(p[0]);
    out.points.push_back({p[0].x, p[0].y});
    out.points.push_back({p[1].x, p[1].y});
    // From the p1 wall round the far side of the bulb to the p0 wall.
    double end = a0;
    if (a1 >= 0 ? end <= a1 : end >= a1) end += a1 >= 0 ? 2 * kPi : -2 * kPi;
    for (int i = 0; i <= kArcSteps; ++i) {
        const double a = a1 + (end - a1) * i / kArcSteps;
        const double along = std::cos(a) * axial, across = std::sin(a) * side;
        out.points.push_back(Rounded(cx + along * ux + across * vx, cy + along * uy + across * vy));
    }
    return out;
}

PrintPolygon ClipAt(const PrintPolygon& p, double line, bool keepBelow) {
    PrintPolygon out;
    const size_t n = p.points.size();
    if (n < 3) return out;
    const auto inside = [&](const PrintPoint& q) { return keepBelow ? q.y >= line : q.y <= line; };
    for (size_t i = 0; i < n; ++i) {
        const PrintPoint& a = p.points[i];
        const PrintPoint& b = p.points[(i + 1) % n];
        const bool ia = inside(a), ib = inside(b);
        if (ia) out.points.push_back(a);
        if (ia != ib) {
            const double t = (line - a.y) / static_cast<double>(b.y - a.y);
            out.points.push_back(Rounded(a.x + t * (b.x - a.x), line));
        }
    }
    if (out.points.size() < 3) out.points.clear();
    return out;
}

}  // namespace

bool IsRoundBottomType(int32_t type) {
    return type == kFlorenceFlask || type == kRoundBottomFlask || type == kDumasBulb;
}

bool PrintsSmallSet(const LabObject& o) {
    const int32_t id = o.printPictureId & 0xFFFF;
    return id >= kSmallPrintPictureIds && id < kSmallPrintPictureIds + kTemplateRowCount;
}

PrintPolygon CavityPolygon(const LabObject& o) {
    PrintPolygon out;
    if (o.outlineShape != kOutlinePolygon && o.outlineShape != kOutlineEllipse) return out;
    if (IsRoundBottomType(o.type)) return RoundBottom(o.liquidOutline);
    for (const PointI32& q : o.liquidOutline) {
        const PrintPoint point{q.x, q.y};
        if (out.points.empty() || !(out.points.back() == point)) out.points.push_back(point);
    }
    while (out.points.size() > 1 && out.points.front() == out.points.back()) out.points.pop_back();
    if (PolygonArea(out) < 1.0) out.points.clear();
    return out;
}

PrintPolygon BelowLine(const PrintPolygon& p, double surface) { return ClipAt(p, surface, true); }
PrintPolygon AboveLine(const PrintPolygon& p, double surface) { return ClipAt(p, surface, false); }

double PolygonArea(const PrintPolygon& p) {
    const size_t n = p.points.size();
    double twice = 0;
    for (size_t i = 0; i < n; ++i) {
        const PrintPoint& a = p.points[i];
        const PrintPoint& b = p.points[(i + 1) % n];
        twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
    }
    return std::fabs(twice) / 2.0;
}

bool InsidePolygon(const PrintPolygon& p, double x, double y) {
    bool in = false;
    const size_t n = p.points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const PrintPoint& a = p.points[i];
        const PrintPoint& b = p.points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / static_cast<double>(b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

PrintBox BoundsOf(const PrintPolygon& p) {
    PrintBox b;
    if (p.points.empty()) return b;
    b.left = b.right = p.points[0].x;
    b.top = b.bottom = p.points[0].y;
    for (const PrintPoint& q : p.points) {
        b.left = std::min(b.left, q.x);
        b.right = std::max(b.right, q.x);
        b.top = std::min(b.top, q.y);
        b.bottom = std::max(b.bottom, q.y);
    }
    return b;
}

CavitySpan SpanOf(const PrintPolygon& p) {
    const PrintBox b = BoundsOf(p);
    return {b.top, b.bottom};
}

double SurfaceOf(const LabObject& o, const PrintPolygon& cavity, double tenths) {
    const CavitySpan span = SpanOf(cavity);
    const double v = std::max(0.0, Finite(tenths));
    const double rise = Finite(static_cast<double>(o.liquidHeightScale) * v);
    if (!PrintsTurned(o)) {
        // The Erlenmeyer flask fills along the screen's own curve, from the
        // picture's foot; the others rise by the height scale from the floor.
        const double surface = o.type == kErlenmeyerFlask
                                   ? std::trunc(o.pictureHeight - Finite(LiquidHeight(o.sizeIndex, v / 10.0, PrintsSmallSet(o))))
                                   : span.floor - std::trunc(rise);
        return std::clamp(surface, double(span.top), double(span.floor));
    }
    // Tipped: the same share of the cavity as the upright column's share of
    // the vessel's length, found by halving.
    const PrintBox b = BoundsOf(cavity);
    const double length = std::max(1, b.right - b.left);
    const double share = std::clamp(rise / length, 0.0, 1.0);
    const double total = PolygonArea(cavity);
    if (share <= 0.0 || total <= 0.0) return span.floor;
    if (share >= 1.0) return span.top;
    double high = span.top, low = span.floor;
    for (int i = 0; i < 24; ++i) {
        const double mid = (high + low) / 2.0;
        if (PolygonArea(BelowLine(cavity, mid)) / total < share) low = mid;
        else high = mid;
    }
    return std::round((high + low) / 2.0);
}

PrintedLiquid PlanPrintedLiquid(const LabObject& o, double lowerTenths, double upperTenths, bool twoLayers) {
    PrintedLiquid out;
    const PrintPolygon cavity = CavityPolygon(o);
    if (cavity.empty()) return out;
    const double lower = std::max(0.0, Finite(lowerTenths));
    const double upper = twoLayers ? std::max(0.0, Finite(upperTenths)) : 0.0;
    if (lower + upper <= 0.0) return out;
    const double surface = SurfaceOf(o, cavity, lower + upper);
    out.whole = BelowLine(cavity, surface);
    if (twoLayers && upper > 0.0) {
        const double boundary = SurfaceOf(o, cavity, lower);
        out.upper = AboveLine(out.whole, boundary);
    }
    return out;
}

PrintPolygon PlanPrintedSolid(const LabObject& o) {
    const double ml = Finite(o.solidVolume);
    if (!(ml > 0.000001)) return {};
    const PrintPolygon cavity = CavityPolygon(o);
    if (cavity.empty()) return {};
    return BelowLine(cavity, SurfaceOf(o, cavity, ml * 10.0));
}

std::vector<PrintPoint> SuspendedPixels(const LabObject& o, const PrintPolygon& liquid) {
    std::vector<PrintPoint> out;
    if (!(o.liquidVolume > 0.0) || (o.kindFlags & kKindNoSuspension) || liquid.empty()) return out;
    const PrintBox b = BoundsOf(liquid);
    // The grid starts on multiples of 3, so neighbouring objects share it.
    for (int32_t y = (b.top + 2) / 3 * 3; y < b.bottom; y += 3)
        for (int32_t x = (b.left + 2) / 3 * 3; x < b.right; x += 3)
            if (InsidePolygon(liquid, x + 0.5, y + 0.5)) out.push_back({x, y});
    return out;
}

std::vector<PrintPoint> PlaceBubbles(const PrintPolygon& liquid, int32_t count, uint32_t seed) {
    std::vector<PrintPoint> out;
    if (liquid.empty() || count <= 0) return out;
    const PrintBox b = BoundsOf(liquid);
    if (b.right - b.left < 6 || b.bottom - b.top < 7) return out;
    uint32_t state = seed * 2654435761u + 1u;
    const auto next = [&state](int32_t span) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int32_t>((state >> 8) % static_cast<uint32_t>(span));
    };
    for (int tries = 0; tries < 400 && static_cast<int32_t>(out.size()) < count; ++tries) {
        const int32_t x = b.left + next(b.right - b.left - 5);
        const int32_t y = b.top + 1 + next(b.bottom - b.top - 6);
        // Every corner of the bubble's box lies in the liquid.
        if (InsidePolygon(liquid, x + 0.5, y + 0.5) && InsidePolygon(liquid, x + 4.5, y + 0.5) &&
            InsidePolygon(liquid, x + 0.5, y + 5.5) && InsidePolygon(liquid, x + 4.5, y + 5.5))
            out.push_back({x, y});
    }
    return out;
}
