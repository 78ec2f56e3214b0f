// How printed contents are filled: the print bitmaps and patterns, the
// liquid's and the solid's brushes, and the polygon fills clipped to an
// object's print mask.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/lab_object.h"
#include "render/print/printed_contents.h"

// Bitmap resources the printed contents are filled with.
constexpr int32_t kPartnerPattern = 282;  // 8 x 8 grey
constexpr int32_t kIcePattern = 283;      // 8 x 8 ice crystals
constexpr float kIceBelowKelvin = 267.0f;

// A print bitmap by resource id (low 16 bits), as a DIB section: a bitmap
// in the screen's format cannot be selected into a printer-compatible
// memory context. Null for id 0 or a missing resource.
HBITMAP LoadPrintBitmap(int32_t id);

// A pattern brush from an 8 x 8 monochrome bitmap resource: its 0 bits take
// the context's text colour, its 1 bits the background colour. Null when
// the bitmap does not load.
HBRUSH PrintPatternBrush(int32_t id);

// A monochrome source ANDed onto target with black text and white
// background, so its 0 and 1 bits stay black and white whatever colours the
// target was left with.
void AndMonochromeMask(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy);

// Lays a print picture onto target through its 1-bit mask, stretched to
// w x h: the picture XORed in, the mask ANDed, the picture XORed again, so
// the picture shows where the mask is black and the target stays elsewhere.
void LayThroughMask(HDC target, int x, int y, int w, int h, HBITMAP image, HBITMAP mask);

COLORREF PrintColour(const uint8_t rgb[3]);

// The liquid's brush (layer 0 its colour, layer 1 the second layer's), the
// ice pattern below 267 K, and the text and background colours it needs.
struct LiquidBrush {
    HBRUSH brush = nullptr;
    COLORREF text = RGB(0, 0, 0);
    COLORREF back = RGB(255, 255, 255);
};
LiquidBrush MakeLiquidBrush(const LabObject& o, int layer);

// A polygon in the liquid's brush, shown only where the object's print mask
// is black. Nothing without a mask.
void FillLiquidPolygon(HDC target, const POINT* points, int count, const LabObject& o, int layer);
// A polygon with the solid's brush (solid, hatch or pattern), clipped the same way.
void FillSolidPolygon(HDC target, const POINT* points, int count, const LabObject& o);
// Single pixels of the suspended-solid colour on a 3-pixel grid in the liquid.
void StippleSuspended(HDC target, const LabObject& o, const PrintPolygon& liquid);
