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
// contexts compatible with `dc`. Of the object's record only the places of
// the printed bubbles change: the after-boil counter is the screen's
// bubbles', so the print lowers it on a copy of its own.
void DrawObjectForPrint(HDC dc, HBITMAP image, HBITMAP mask, LabObject* base, int32_t index, int32_t count);
