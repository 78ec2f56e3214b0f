// Where the parts of an object are drawn, relative to its position
// rectangle: thermometer, moving extra part, stopcock, hot-plate knobs,
// mantle setting, the centigram balance's riders, and the bench strip.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct Offset {
    double dx;
    double dy;
};

struct PointD {
    double x;
    double y;
};

// The thermometer's offsets inside an object of this kind (body height a).
Offset ThermometerOffset(const LabObject& o, int32_t bodyHeight);

// Whether a thermometer is drawn in the object at all.
bool DrawsThermometer(const LabObject& o);

// The top-left of the moving extra part (plunger, carriage, pan, paper).
PointD ExtraPosition(const LabObject& o, bool largeSet);

struct StopcockPlacement {
    bool drawn;
    double x, y;            // top-left of the picture
    double pivotX, pivotY;  // it turns about this point
    double degrees;
};
StopcockPlacement PlaceStopcock(const LabObject& o, bool largeSet, int32_t width, int32_t height);

struct Knob {
    double x, y;  // top-left
    double degrees;
};
// The hot plate's two knobs: the heat setting (offset 4944) on the left,
// the stirrer (offset 4952) on the right; each step of a setting is 36 degrees.
void PlaceHotPlateKnobs(const LabObject& o, Knob* heat, Knob* stirrer);

// The heating mantle's dial of a round-bottom flask with a mantle.
PointD MantleSettingPosition(const LabObject& o, bool largeSet);

// The centigram balance: rider offsets from their zero marks (already
// doubled), the hundredths the pointer shows and the beam's swing.
struct CentigramBeam {
    int64_t hundredths;  // n: the net mass in whole hundredths, rounded
    double fine;
    double unit;
    double tens;
    double beamDegrees;  // state 1: -1, state 3: +1
    double scaleLift;    // the fine scale's vertical shift: +5, -5 or 0
};
CentigramBeam CentigramRiders(double netGrams, int32_t state, bool largeSet);

struct CentigramLayout {
    PointD fineRider, unitRider, tensRider, fineScale, pointer;
};
// Where the riders, the fine scale and its pointer go for a beam drawn at
// (ax, ay), the position plus the accessory offset.
CentigramLayout PlaceCentigramParts(const CentigramBeam& beam, double ax, double ay, bool largeSet);

// The bench strip along the bottom of the client area.
struct StripRect {
    int32_t x, y, width, height;
};
StripRect BenchStripRect(int32_t clientWidth, int32_t clientBottom, int32_t imageHeight);
