// Where a printed object's contents lie in its print picture: the cavity
// as a polygon (from the template's outline points, a round bottom with its
// circle), the part of it under a liquid or solid surface, the grid of
// suspended-solid pixels and the places of the boiling bubbles. Geometry
// only, so every shape is checked natively; the filling is Win32.
#pragma once
#include <cstdint>
#include <vector>

#include "common/lab_object.h"

struct PrintPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PrintPoint& o) const { return x == o.x && y == o.y; }
};

// Outline shape kinds of a template (head offset 188).
constexpr int32_t kOutlinePolygon = 1;
constexpr int32_t kOutlineEllipse = 3;

// The Florence, round-bottom and Dumas flasks: a bulb traced as its circle.
bool IsRoundBottomType(int32_t type);

struct PrintPolygon {
    std::vector<PrintPoint> points;
    bool empty() const { return points.size() < 3; }
};

// The catalogue's outline points go round the cavity (shape kind 3 is its
// rectangle), so a printed liquid is the cavity cut at its surface rather
// than the template points moved by the volume.
// Whether the object's print picture is the small set's.
bool PrintsSmallSet(const LabObject& o);

// The cavity of the object in its picture: the six outline points (the
// catalogue lists them round the cavity, a rectangle for shape kind 3); a
// round-bottom vessel's bulb is traced as its circle. Empty when the row has
// no outline.
PrintPolygon CavityPolygon(const LabObject& o);

// The part of the polygon at or below the line y = surface (larger y is
// lower in the picture), or at or above it.
PrintPolygon BelowLine(const PrintPolygon& p, double surface);
PrintPolygon AboveLine(const PrintPolygon& p, double surface);
double PolygonArea(const PrintPolygon& p);
bool InsidePolygon(const PrintPolygon& p, double x, double y);

struct PrintBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};
PrintBox BoundsOf(const PrintPolygon& p);

// The height of the cavity's floor and top (the largest and smallest y).
struct CavitySpan {
    int32_t top = 0, floor = 0;
};
CavitySpan SpanOf(const PrintPolygon& p);

// Where a layer of `tenths` tenths of a millilitre stands: upright, the
// floor less the height scale times the volume (the Erlenmeyer flask by the
// screen's curve); tipped, the line under
// which the same share of the cavity's area lies as the upright column's
// share of its height. Kept between the cavity's top and floor.
double SurfaceOf(const LabObject& o, const PrintPolygon& cavity, double tenths);

// The printed liquid: all of it (lower layer colour), and for two layers
// the upper layer's part above the boundary.
struct PrintedLiquid {
    PrintPolygon whole;
    PrintPolygon upper;  // empty unless two layers with an upper volume
};
PrintedLiquid PlanPrintedLiquid(const LabObject& o, double lowerTenths, double upperTenths, bool twoLayers);

// The solid at the bottom: the cavity under the solid's surface (solid
// volume in millilitres).
PrintPolygon PlanPrintedSolid(const LabObject& o);

// Suspended solid: pixels on a 3-pixel grid inside the liquid. None when the
// object holds no liquid or its kind flags have 0x800000.
constexpr uint32_t kKindNoSuspension = 0x800000;
std::vector<PrintPoint> SuspendedPixels(const LabObject& o, const PrintPolygon& liquid);

// Up to `count` bubble places (5 x 6 boxes' top-left corners) inside the
// liquid, under its surface; the same seed gives the same places.
std::vector<PrintPoint> PlaceBubbles(const PrintPolygon& liquid, int32_t count, uint32_t seed);
