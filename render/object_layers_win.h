// The layers an object drawing delegates: contents, read-outs, particles
// and the meniscus close-up. Each is called at its place in DrawLabObject.
// The bench graphics and the memory DC write the same pixels: a step that
// draws with GDI on memoryDc flushes the graphics first (GdipFlush) and
// calls GdiFlush when done.
#pragma once
#include "render/graphics_win.h"

#include "common/lab_object.h"

struct ObjectDrawing {
    LabObject& object;
    bool largeSet;
    double dpiFactor;
    HDC memoryDc;
    GpGraphics* bench;
    const PngImage* bubble;
};

// The contents of a vessel on a layer of the mask's size, already clipped by
// its alpha; null when there is nothing to lay over the body. The caller
// disposes the layer.
GpBitmap* BuildContentsLayer(const ObjectDrawing& d, const PngImage* mask);
void DrawThermometer(const ObjectDrawing& d, int32_t bodyHeight, double dx, double dy);
void DrawInstrumentReadouts(const ObjectDrawing& d);
void DrawSampleReadout(const ObjectDrawing& d);
void DrawBurnerFlame(const ObjectDrawing& d, int32_t bodyWidth);
void DrawFlaskVapour(const ObjectDrawing& d);
void DrawMeniscusCloseUp(const ObjectDrawing& d);
