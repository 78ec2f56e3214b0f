// Packed device-independent bitmaps: header, colour table and bits in one
// movable global block, as the print job hands them to the printer.
#pragma once
#include <windows.h>

// A new packed DIB of the bitmap (bitsPerPixel 0: the bitmap's own depth,
// palette null: the stock default palette), or null. The caller frees it
// with GlobalFree.
HGLOBAL DibFromBitmap(HBITMAP bitmap, DWORD compression, WORD bitsPerPixel, HPALETTE palette);

// StretchDIBits of the packed DIB; without one, a PatBlt of the destination
// with the raster operation. 0 when the block cannot be locked.
int StretchDibBlt(HDC dc, int x, int y, int width, int height, HGLOBAL dib,
                  int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop);
