// The printed object: its contents and read-outs drawn with plain GDI into
// its print picture and print mask, which the print job then lays onto
// the page through the mask.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/lab_object.h"
#include "render/print/print_fills_win.h"

// Draws object `index` of base[1..count] into its print picture `image`
// and print mask `mask` (neither selected into a context), through memory
// contexts compatible with `dc`. The object itself is not changed: the
// bubble counter is lowered on a copy.
void DrawObjectForPrint(HDC dc, HBITMAP image, HBITMAP mask, const LabObject* base, int32_t index,
                        int32_t count);
