// The moving parts of instruments, printed over their print picture where
// the readings put them: the gas syringe's plunger, the Geiger counter's
// carriage, the centigram balance's riders, fine scale and pointer, and,
// turned to their settings, the hot plate's knobs and the stopcocks.
// Each has a print picture and mask of its own (tools/art composes them
// from the same screen pictures), so the rows' print pictures leave them out.
#pragma once
#include <cstdint>
#include <vector>

#include "common/lab_object.h"

// Whether the object's row shows the upright pictures turned a quarter (tipped).
bool PrintsTurned(const LabObject& o);

struct PrintPart {
    int32_t screenId;   // the screen picture it is drawn from
    int32_t pictureId;  // 24-bit print picture
    int32_t maskId;     // 1-bit, black where the part is
};

// Every printed moving part; ids follow the order of this table.
const std::vector<PrintPart>& PrintParts();
constexpr int32_t kFirstPrintPartPicture = 3400;
constexpr int32_t kFirstPrintPartMask = 3450;

// The print part made from a screen picture, or null.
const PrintPart* PrintPartFor(int32_t screenId);

struct PlacedPrintPart {
    PrintPart part;
    int32_t x, y;    // top-left, from the object's picture's top-left
    double degrees;  // clockwise about the part's own centre
};

// The parts printed over the object, in drawing order; none for other kinds.
// The set decides the pictures and places (the small set's are its own).
std::vector<PlacedPrintPart> PlacePrintParts(const LabObject& o, bool largeSet);

// A part turned clockwise about its centre, pixel by pixel: for every
// pixel of the turned part (dx, dy from the unturned top-left; the turned
// part may reach outside it) the part's pixel (sx, sy) it shows.
struct TurnedPixel {
    int32_t dx, dy, sx, sy;
};
std::vector<TurnedPixel> TurnPartPixels(int32_t width, int32_t height, double degrees);
