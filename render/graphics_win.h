// GDI+ start-up, PNG pictures from the program's resources, and the few
// drawing helpers every object drawing uses (flat API only).
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>

#include "render/pixel_blend.h"

using Gdiplus::GpBitmap;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpStatus;

// One decoded picture and the last GDI+ status of its making.
struct PngImage {
    GpImage* image;
    GpStatus status;
    int32_t width;   // the picture's own size
    int32_t height;
    // The part of the picture that is not fully transparent (the cached
    // pictures keep only that part; drawing places it where it belongs).
    int32_t inkLeft, inkTop, inkWidth, inkHeight;
    uint32_t* premultiplied;  // the ink's pixels, premultiplied (cached pictures)
    PictureSpans* spans;      // the ink's opaque and mixed stretches (cached pictures)

    // The ink as the blending code takes it (its spans only at its own size).
    PicturePixels Ink() const { return {premultiplied, inkWidth, inkHeight, spans}; }
};

// Starts GDI+ once for the whole run (it is never shut down).
GpStatus StartGraphics();

// A new picture from the PNG resource `id` of type "PNG" in `instance`, or
// null when the resource is missing, empty or cannot be decoded. The caller
// destroys it with DestroyPngImage.
PngImage* LoadPngResource(HINSTANCE instance, int32_t id, const wchar_t* type = L"PNG");
void DestroyPngImage(PngImage* image);

// The picture `id` of the program's resources, decoded on first use and kept
// for the rest of the run (what the user sees is the same); null when absent.
const PngImage* CachedPng(int32_t id);
// The ink of a cached picture scaled (nearest neighbour) to width x height,
// kept for later paints: the bench strip and bubbles come back at the same
// few sizes. Valid until the next call; null for an empty or very large box.
const PicturePixels* ScaledInk(const PngImage* png, int32_t width, int32_t height);
// How many pictures have been decoded so far (the paint benchmark reports it).
int64_t PngDecodeCount();
// The module whose resources hold the pictures (the program by default).
void SetPictureInstance(HINSTANCE instance);

// While a pass draws into these pixels (which the graphics object shares),
// pictures drawn without a transform are blended straight into them: the
// same pixels, many times sooner than through GDI+ on Wine. Null ends it.
void SetDirectBlendTarget(uint32_t* pixels, int32_t width, int32_t height);
// The pixels set above, or null outside a pass.
const PixelBuffer* DirectBlendTarget();

// The pixels above, with what GDI+ drew flushed into them, when the
// graphics draws without a transform; null otherwise.
const PixelBuffer* UntransformedTarget(GpGraphics* g);

// Draws a picture at its own size; a null picture is skipped.
void DrawPng(GpGraphics* g, const PngImage* png, double x, double y);
// A whole opaque picture stretched over a box.
void DrawPngStretched(GpGraphics* g, const PngImage* png, int x, int y, int width, int height);
// The same through a colour matrix that scales its alpha.
void DrawPngFaded(GpGraphics* g, const PngImage* png, double x, double y, float alpha);

// Rotates the drawing of what follows by `degrees` about (x, y), on top of
// the transform in force. Restore it with the matrix RestoreTransform gives.
Gdiplus::GpMatrix* SaveTransform(GpGraphics* g);
void RestoreTransform(GpGraphics* g, Gdiplus::GpMatrix* saved);
void RotateAbout(GpGraphics* g, double degrees, double x, double y);

// Text in "Times New Roman" (the generic serif face when it is missing),
// regular, `pixels` high, solid black, from (x, y) without a layout box.
void DrawBenchText(GpGraphics* g, const wchar_t* text, double x, double y, float pixels);
// How far such a text's ink reaches right of and below where it starts;
// false for a text that draws nothing.
bool MeasureBenchText(const wchar_t* text, float pixels, float* width, float* height);
