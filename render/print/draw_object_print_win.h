// The printed object: its contents and read-outs drawn with plain GDI into
// its print picture and print mask, which the print job then lays onto
// the page through the mask.
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

// Draws object `index` of base[1..count] into its print picture `image`
// and print mask `mask` (neither selected into a context), through memory
// contexts compatible with `dc`. The object itself is not changed: the
// bubble counter is lowered on a copy.
void DrawObjectForPrint(HDC dc, HBITMAP image, HBITMAP mask, const LabObject* base, int32_t index,
                        int32_t count);

// A polygon in the liquid's colour (layer 0) or the second layer's (1),
// ice-patterned below 267 K, shown only where the object's print mask is
// black. Nothing without a mask.
void FillLiquidPolygon(HDC target, const POINT* points, int count, const LabObject& o, int layer);
// A polygon with the solid's brush (solid, hatch or pattern), clipped the same way.
void FillSolidPolygon(HDC target, const POINT* points, int count, const LabObject& o);
// Single pixels of the suspended-solid colour on a 3-pixel grid in the liquid.
void StippleSuspended(HDC target, const LabObject& o, const PrintPolygon& liquid);
