// Packed DIBs on the real GDI: bitmaps of each depth survive the round trip
// through DibFromBitmap and StretchDibBlt pixel for pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/print/dib_palette.h"
#include "render/print/packed_dib_win.h"

namespace {

// A DIB section of the given depth with a known pattern of pixels.
HBITMAP PatternBitmap(HDC dc, int bits, int width, int height) {
    struct { BITMAPINFOHEADER h; RGBQUAD table[256]; } info{};
    info.h.biSize = sizeof info.h;
    info.h.biWidth = width;
    info.h.biHeight = height;
    info.h.biPlanes = 1;
    info.h.biBitCount = static_cast<WORD>(bits);
    const int entries = bits <= 8 ? 1 << bits : 0;
    for (int i = 0; i < entries; ++i) {
        info.table[i] = {static_cast<BYTE>(i * 7), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3), 0};
    }
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
    const uint64_t size = DibImageSize(width, height, static_cast<uint32_t>(bits));
    auto* bytes = static_cast<uint8_t*>(pixels);
    for (uint64_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
    return bitmap;
}

std::vector<COLORREF> ReadPixels(HDC dc, int width, int height) {
    std::vector<COLORREF> out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.push_back(GetPixel(dc, x, y));
    return out;
}

TEST(PackedDib, BitmapsOfEachDepthSurviveTheRoundTrip) {
    const int width = 13, height = 7;
    HDC screen = GetDC(nullptr);
    for (int bits : {24, 8, 1}) {
        HDC source = CreateCompatibleDC(screen);
        HBITMAP bitmap = PatternBitmap(screen, bits, width, height);
        ASSERT_NE(bitmap, nullptr) << bits;
        HGDIOBJ old = SelectObject(source, bitmap);
        const std::vector<COLORREF> expected = ReadPixels(source, width, height);

        // Still selected into a context: the conversion must work all the same.
        HGLOBAL dib = DibFromBitmap(bitmap, BI_RGB, 0, nullptr);
        ASSERT_NE(dib, nullptr) << bits;
        const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
        EXPECT_EQ(header->biBitCount, bits);
        const uint32_t table = DibPaletteSize(header, sizeof *header);
        EXPECT_EQ(table, bits == 24 ? 0u : (bits == 8 ? 1024u : 8u));
        GlobalUnlock(dib);

        HDC target = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ oldCanvas = SelectObject(target, canvas);
        EXPECT_EQ(StretchDibBlt(target, 0, 0, width, height, dib, 0, 0, width, height, SRCCOPY), height);
        EXPECT_EQ(ReadPixels(target, width, height), expected) << bits << " bits";

        SelectObject(target, oldCanvas);
        DeleteObject(canvas);
        DeleteDC(target);
        GlobalFree(dib);
        SelectObject(source, old);
        DeleteObject(bitmap);
        DeleteDC(source);
    }
    ReleaseDC(nullptr, screen);
}

TEST(PackedDib, NullDibWithPatCopyFillsWithTheBrush) {
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ oldCanvas = SelectObject(target, canvas);
    PatBlt(target, 0, 0, 8, 8, WHITENESS);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ oldBrush = SelectObject(target, brush);
    EXPECT_NE(StretchDibBlt(target, 2, 2, 4, 4, nullptr, 0, 0, 0, 0, PATCOPY), 0);
    EXPECT_EQ(GetPixel(target, 3, 3), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(target, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target, 6, 6), RGB(255, 255, 255));
    EXPECT_EQ(DibFromBitmap(nullptr, BI_RGB, 0, nullptr), nullptr);
    SelectObject(target, oldBrush);
    DeleteObject(brush);
    SelectObject(target, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
}

}  // namespace
