// The display state that drawing an object advances on every paint: the
// tilt of a vessel being poured from, the stirring rod's countdown and the
// stir bar's turning. Each step writes the record and says what to draw.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct Tilt {
    bool active;     // a rotation applies to this object's drawing
    double degrees;  // the angle, negative tips the mouth to the left
    double pivotX;
    double pivotY;
};

// Advances the tilt (the per-kind state word, in degrees) and gives the
// rotation for this paint. bodyWidth and bodyHeight are the body picture's.
// The centigram balance never tilts.
Tilt StepTilt(LabObject& o, int32_t bodyWidth, int32_t bodyHeight);

struct StirringRod {
    bool shown;
    double x;
    double y;
};

// The rod swings while the stirring state is 1..999 and counts it down;
// the separatory funnel counts down without drawing a rod.
StirringRod StepStirringRod(LabObject& o, bool largeSet, int32_t bodyWidth, int32_t bodyHeight,
                            int32_t rodHeight);

// A stir bar turns while the stirring state is 1000 or more on a kind that
// takes one: returns the picture for this paint, or 0.
int32_t StepStirBar(LabObject& o);
