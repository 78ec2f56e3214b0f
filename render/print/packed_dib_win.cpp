#include "render/print/packed_dib_win.h"

#include <cstdint>

#include "render/print/dib_palette.h"

HGLOBAL DibFromBitmap(HBITMAP bitmap, DWORD compression, WORD bitsPerPixel, HPALETTE palette) {
    if (bitmap == nullptr) return nullptr;
    if (palette == nullptr) palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    BITMAP bm{};
    if (GetObjectA(bitmap, sizeof bm, &bm) == 0) return nullptr;
    if (bitsPerPixel == 0) bitsPerPixel = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = bitsPerPixel;
    header.biCompression = compression;

    // GetDIBits needs a context the bitmap is not selected into: a memory
    // context of its own, so a bitmap still held by another one converts too.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HPALETTE oldPalette = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);

    HGLOBAL block = nullptr;
    const uint64_t tableMax = 256 * sizeof(RGBQUAD);
    HGLOBAL info = GlobalAlloc(GHND, sizeof header + tableMax);
    if (info != nullptr) {
        auto* bi = static_cast<BITMAPINFO*>(GlobalLock(info));
        bi->bmiHeader = header;
        GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), nullptr, bi, DIB_RGB_COLORS);
        header = bi->bmiHeader;
        const uint32_t table = DibPaletteSize(&bi->bmiHeader, sizeof header);
        uint64_t image = header.biSizeImage;
        if (image == 0) {
            image = DibImageSize(bm.bmWidth, bm.bmHeight, bitsPerPixel);
            if (compression != BI_RGB) image = image * 3 / 2;
        }
        const uint64_t total = sizeof header + uint64_t{table} + image;
        if (total <= 0x7FFFFFFF) {
            block = GlobalAlloc(GHND, static_cast<SIZE_T>(total));
            if (block != nullptr) {
                auto* out = static_cast<BYTE*>(GlobalLock(block));
                memcpy(out, bi, sizeof header + table);
                auto* outInfo = reinterpret_cast<BITMAPINFO*>(out);
                outInfo->bmiHeader.biSizeImage = static_cast<DWORD>(image);
                const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight),
                                           out + sizeof header + table, outInfo, DIB_RGB_COLORS);
                GlobalUnlock(block);
                if (rows == 0) {
                    GlobalFree(block);  // a failed conversion must not leak its block
                    block = nullptr;
                }
            }
        }
        GlobalUnlock(info);
        GlobalFree(info);
    }

    SelectPalette(dc, oldPalette, FALSE);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return block;
}

int StretchDibBlt(HDC dc, int x, int y, int width, int height, HGLOBAL dib,
                  int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    if (dib == nullptr) return PatBlt(dc, x, y, width, height, rop);
    auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    if (bytes == nullptr) return 0;
    const size_t blockSize = GlobalSize(dib);
    auto* info = reinterpret_cast<const BITMAPINFO*>(bytes);
    const uint32_t headerSize = info->bmiHeader.biSize;
    const uint32_t table = DibPaletteSize(bytes, blockSize);
    int result = 0;
    if (uint64_t{headerSize} + table <= blockSize) {
        result = StretchDIBits(dc, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                               bytes + headerSize + table, info, DIB_RGB_COLORS, rop);
    }
    GlobalUnlock(dib);
    return result;
}
