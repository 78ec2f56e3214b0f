// The one description of every equipment picture. Each kind has an upright
// body drawn in a unit box (x, y in 0..1 of the body's width and height, y
// downwards); each template row places that body, and any fitted parts, in
// its own picture. The template heads are generated from this, and the art
// generator draws the pictures from it, so a picture and the geometry the
// program reads can never disagree. See equipment_geometry.md.
#pragma once
#include <cstdint>

#include "bench/catalogue/equipment_catalogue.h"

struct UnitPoint {
    float x;
    float y;
};

struct UnitRect {
    float left;
    float top;
    float right;
    float bottom;
};

// A named piece drawn besides the body: a knob, a display, a fitted funnel.
struct ShapePart {
    const char* name;  // nullptr ends a list
    UnitRect box;
};

constexpr int kMaxOutlinePoints = 20;
constexpr int kMaxShapeParts = 4;

struct BodyShape {
    int32_t type;
    const char* artName;                    // file stem of its pictures
    UnitPoint outline[kMaxOutlinePoints];   // closed outline of the glass or case
    int32_t outlinePointCount;
    float openingWidth;                     // mouth width / body width, centred
    UnitPoint cavity[6];                    // the liquid outline, also the mask
    int32_t cavityShape;                    // 1 polygon, 3 rectangle, 0 none
    float liquidFloor;                      // y of the liquid's floor
    float fullLevel;                        // y of the surface at capacity
    int32_t graduationCount;                // marks from floor to full, evenly
    UnitRect label;
    UnitPoint thermometer;                  // where a thermometer's bulb rests
    UnitRect pan;                           // balances: the pan
    UnitPoint accessory;                    // top-left of the accessory picture
    ShapePart parts[kMaxShapeParts];        // in body units
};

// How the upright body is turned inside a row's picture.
enum class BodyTurn : int32_t {
    kUpright = 0,
    kMouthLeft = 1,   // tipped for pouring: the top becomes the left side
    kMouthRight = 2,  // the top becomes the right side
};

// Where one row's picture puts the body and its fitted parts, in fractions
// of the row's picture (the same in the large, small and save pictures).
struct RowLayout {
    UnitRect bodyBox;
    BodyTurn turn;
    ShapePart parts[kMaxShapeParts];  // fitted accessories, picture units
    UnitPoint outlet;                 // distillation outlet, picture units
    bool hasOutlet;
};

const BodyShape& EquipmentBodyShape(int32_t type);  // 1..28
// The named part of a kind's body, or null.
const ShapePart* FindShapePart(const BodyShape& shape, const char* name);
RowLayout TemplateRowLayout(int32_t row);            // 0..81

// A point of the body (unit box) in a row's picture of the given size, in
// pixels from the picture's top-left.
PointI32 BodyPointInPicture(const RowLayout& layout, UnitPoint body, int32_t width,
                            int32_t height);

// Writes the geometry fields of a head (opening, combine offset, accessory,
// label, outline, scales, thermometer, pan, outlet, inlet) for a row in a
// picture of the head's own height and width.
void WriteRowGeometry(int32_t row, LabObject& head);
