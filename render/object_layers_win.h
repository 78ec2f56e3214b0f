// The layers an object drawing delegates: contents, read-outs, particles
// and the meniscus close-up. Each is called at its place in DrawLabObject.
// The bench graphics and the memory DC write the same pixels: a step that
// draws with GDI on memoryDc flushes the graphics first (GdipFlush) and
// calls GdiFlush when done.
#pragma once
#include "render/graphics_win.h"

#include "common/lab_object.h"
#include "render/readouts.h"

struct ObjectDrawing {
    LabObject& object;
    int32_t index;  // in the bench's array: the owner of its bubbles and precipitate
    bool largeSet;
    double dpiFactor;
    HDC memoryDc;
    GpGraphics* bench;
    const PngImage* bubble;
};

// The contents of a vessel on a layer of the mask's size (opaque: the mask
// is applied as it is drawn); null when there is nothing to lay over the
// body. The pixels stay valid until the next call.
const PixelBuffer* BuildContentsLayer(const ObjectDrawing& d, const PngImage* mask);
// Lays a built layer over the bench at (x, y) through its mask and any
// transform in force (the layer's pixels may be changed).
void DrawContentsLayer(GpGraphics* g, const PixelBuffer& layer, const PngImage* mask, double x, double y);
void DrawThermometer(const ObjectDrawing& d, int32_t bodyHeight, double dx, double dy);
// A temperature at its place, or as near it as keeps it on the bench.
void DrawTemperatureText(const ObjectDrawing& d, TemperatureText at, const char* text);
void DrawInstrumentReadouts(const ObjectDrawing& d);
struct Readout;
// One instrument's read-out as the drawing lays it, on any graphics.
void DrawReadoutText(GpGraphics* g, const Readout& r);
void DrawSampleReadout(const ObjectDrawing& d);
void DrawBurnerFlame(const ObjectDrawing& d, int32_t bodyWidth);
void DrawFlaskVapour(const ObjectDrawing& d);
void DrawMeniscusCloseUp(const ObjectDrawing& d);

// Also for the demonstration player, after each frame it shows.
void DrawMeniscusCloseUp(const LabObject& o, HDC dc);
// The eye dropper's frame rule of each tick; erases the drip strip on dc.
void AnimateEyeDropper(HDC dc, LabObject& o);
// The bench window's text font, used by the sample box (a 16 px Arial
// stands in until it is set).
void SetBenchTextFont(HFONT font);
