// Where the liquid of a printed object lies: the template's six outline
// points shaped by the liquid volume. Pure geometry, so every shape is
// checked natively; only the filling is Win32.
#pragma once
#include <cstdint>

struct PrintPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PrintPoint& o) const { return x == o.x && y == o.y; }
};

// Outline shape kinds of a template (head offset 188).
constexpr int32_t kOutlinePolygon = 1;
constexpr int32_t kOutlineEllipse = 3;

struct LiquidShapeInput {
    int32_t type = 0;
    int32_t variant = 0;       // 0 upright, 1 tipped, 3 upright (held)
    int32_t shapeKind = 0;
    PrintPoint points[6];      // the template's outline points p0..p5
    float heightScale = 0.0f;  // k
    float widthScale = 0.0f;   // k2
    double volume = 0.0;       // tenths of a millilitre
    int32_t pictureWidth = 0;  // volume-made coordinates stay inside this
    int32_t pictureHeight = 0;
};

enum class LiquidDraw { None, Polygon, Ellipse, Chord };

struct LiquidOutline {
    LiquidDraw draw = LiquidDraw::None;
    PrintPoint points[6];  // the shaped polygon (also the tipped line p4..p5)
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // ellipse or chord box
    PrintPoint chordStart, chordEnd;  // where the surface meets the circle
    bool tipped = false;
};

bool IsRoundBottomType(int32_t type);

LiquidOutline ShapeLiquidOutline(const LiquidShapeInput& in);

// The surface line between two liquid layers (lower volume l0, upper l1),
// for the upper layer's four-point polygon p0, (p1.x, y), (p4.x, y), p5.
int32_t LayerBoundaryY(const LiquidShapeInput& in, double l0, double l1);
