// The bench window's image lists, marquee brush, cursors and icons, loaded
// from the program's own resources and drawn on a real window.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/shell/bench_helpers_win.h"
#include "bench/window/bench_image_lists_win.h"
#include "render/graphics_win.h"
#include "tests/support/build_folders_win.h"
#include "tests/wine/test_window.h"

namespace {

struct Expected {
    int cx, cy, count;
    int firstId;  // a picture of the list, to tell whether the build drew them
};
const Expected kExpected[kBenchImageListCount] = {
    {15, 5, 2, 159},   {5, 10, 2, 294},    {65, 30, 7, 297},   {115, 30, 3, 372},
    {52, 168, 6, 413}, {66, 51, 6, 432},   {14, 38, 2, 469},   {62, 95, 13, 516},
    {37, 2081, 1, 514}, {37, 2081, 1, 536}, {62, 95, 12, 531}, {37, 626, 2, 529},
};

bool HasBitmap(int id) {
    return FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_BITMAP) != nullptr;
}

// A 32-bit top-down DIB to draw into and read back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        dib_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, dib_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    HBITMAP dib() const { return dib_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Fill(COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, width_, 4000};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }

private:
    int width_;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

bool Near(COLORREF c, COLORREF want, int tolerance) {
    return std::abs(GetRValue(c) - GetRValue(want)) <= tolerance &&
           std::abs(GetGValue(c) - GetGValue(want)) <= tolerance &&
           std::abs(GetBValue(c) - GetBValue(want)) <= tolerance;
}

class BenchImageLists : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!AppInstance) AppInstance = GetModuleHandleA(nullptr);
        CreateBenchImageLists();
    }
    static void TearDownTestSuite() { DestroyBenchImageLists(); }
};

TEST_F(BenchImageLists, EveryListHasItsIconSizeAndImages) {
    EXPECT_EQ(BenchImageList(0), nullptr);
    EXPECT_EQ(BenchImageList(kBenchImageListCount + 1), nullptr);
    for (int n = 1; n <= kBenchImageListCount; ++n) {
        SCOPED_TRACE("list " + std::to_string(n));
        const Expected& e = kExpected[n - 1];
        HIMAGELIST list = BenchImageList(n);
        ASSERT_NE(list, nullptr);
        int cx = 0, cy = 0;
        ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
        EXPECT_EQ(cx, e.cx);
        EXPECT_EQ(cy, e.cy);
        // The meniscus pictures and scale strips come from their own
        // generator; where this build has them, the list must hold them all.
        const bool drawn = HasBitmap(e.firstId);
        if (n <= kLampImages) EXPECT_TRUE(drawn) << "bitmap " << e.firstId;
        EXPECT_EQ(ImageList_GetImageCount(list), drawn ? e.count : 0);
    }
}

TEST_F(BenchImageLists, MasksLetTheBenchShowRoundThePictures) {
    // Corner: outside the rounded bezel; centre: inside the picture.
    struct Case {
        int list, index, cornerX, cornerY, insideX, insideY;
        COLORREF inside;  // 0xFFFFFFFF: anything but the background
    };
    const Case cases[] = {
        {3, 0, 0, 0, 32, 15, RGB(255, 255, 255)},   // small read-out: white window
        {3, 5, 0, 0, 32, 15, RGB(255, 255, 0)},     // the yellow one
        {4, 0, 0, 0, 57, 15, 0xFFFFFFFF},           // wide display
        {7, 0, 0, 37, 7, 9, 0xFFFFFFFF},            // the lit lamp's bulb
        {1, 0, 14, 0, 2, 2, 0xFFFFFFFF},            // pointer: its tip row only
    };
    const COLORREF background = RGB(200, 40, 160);
    Canvas canvas(200, 200);
    for (const Case& c : cases) {
        SCOPED_TRACE("list " + std::to_string(c.list) + " image " + std::to_string(c.index));
        canvas.Fill(background);
        ASSERT_TRUE(ImageList_Draw(BenchImageList(c.list), c.index, canvas.dc(), 10, 10, ILD_TRANSPARENT));
        EXPECT_TRUE(Near(canvas.At(10 + c.cornerX, 10 + c.cornerY), background, 0));
        const COLORREF in = canvas.At(10 + c.insideX, 10 + c.insideY);
        if (c.inside == 0xFFFFFFFF)
            EXPECT_FALSE(Near(in, background, 30));
        else
            EXPECT_TRUE(Near(in, c.inside, 8)) << std::hex << in;
    }
}

TEST_F(BenchImageLists, MarqueeBitmapMakesAnInvertingCheckerBrush) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1183));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectA(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 8);
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);  // the brush keeps its own copy
    ASSERT_NE(brush, nullptr);

    Canvas canvas(16, 16);
    canvas.Fill(RGB(255, 255, 255));
    SetBrushOrgEx(canvas.dc(), 0, 0, nullptr);
    SetTextColor(canvas.dc(), RGB(0, 0, 0));
    SetBkColor(canvas.dc(), RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(canvas.dc(), brush);
    PatBlt(canvas.dc(), 0, 0, 16, 16, PATINVERT);
    int inverted = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool dark = canvas.At(x, y) == RGB(0, 0, 0);
            inverted += dark;
            EXPECT_NE(dark, canvas.At(x ^ 1, y) == RGB(0, 0, 0)) << x << "," << y;
        }
    EXPECT_EQ(inverted, 128);
    // A second pass takes the frame off again.
    PatBlt(canvas.dc(), 0, 0, 16, 16, PATINVERT);
    EXPECT_EQ(canvas.At(3, 5), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(4, 5), RGB(255, 255, 255));
    SelectObject(canvas.dc(), old);
    DeleteObject(brush);
}

TEST_F(BenchImageLists, CursorsAndIconsLoadAtTheirSizes) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    // The splitter's hot spot is its middle, the link hand's its fingertip.
    const struct {
        int id;
        DWORD x, y;
    } cursors[] = {{114, 16, 16}, {296, 12, 1}};
    for (const auto& [id, x, y] : cursors) {
        SCOPED_TRACE("cursor " + std::to_string(id));
        HCURSOR cursor = LoadCursorA(self, MAKEINTRESOURCEA(id));
        ASSERT_NE(cursor, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, x);
        EXPECT_EQ(info.yHotspot, y);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    for (int id : {1, 4})
        for (int size : {16, 32, 48}) {
            SCOPED_TRACE("icon " + std::to_string(id) + " at " + std::to_string(size));
            HICON icon = static_cast<HICON>(
                LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr);
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP colour{};
            GetObjectA(info.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(colour.bmWidth, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
}

// Every picture of every list on one window, saved beside the test for
// looking at (and its cursors and icons).
TEST_F(BenchImageLists, ContactSheetOnAWindow) {
    ASSERT_EQ(StartGraphics(), Gdiplus::Ok);
    TestWindow window(1000, 760);
    RECT all;
    GetClientRect(window.handle(), &all);
    const int width = all.right, height = all.bottom;
    HDC dc = GetDC(window.handle());
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    int x = 8, y = 8, rowHeight = 0;
    for (int n = 1; n <= kBenchImageListCount; ++n) {
        HIMAGELIST list = BenchImageList(n);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list, &cx, &cy);
        const bool strip = cy > 600;
        for (int i = 0; i < ImageList_GetImageCount(list); ++i) {
            const int shown = strip ? 240 : cy;
            if (x + cx > width - 8) x = 8, y += rowHeight + 8, rowHeight = 0;
            if (strip) {
                // A window of the strip, as the close-up shows it.
                IMAGELISTDRAWPARAMS p{};
                p.cbSize = sizeof(p);
                p.himl = list;
                p.i = i;
                p.hdcDst = dc;
                p.x = x;
                p.y = y;
                p.cx = cx;
                p.cy = shown;
                p.rgbBk = CLR_DEFAULT;
                p.rgbFg = RGB(255, 255, 255);
                p.fStyle = ILD_TRANSPARENT;
                ImageList_DrawIndirect(&p);
            } else {
                ImageList_Draw(list, i, dc, x, y, ILD_TRANSPARENT);
            }
            x += cx + 6;
            rowHeight = std::max(rowHeight, shown);
        }
        x += 10;
    }
    y += rowHeight + 10;
    x = 8;
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {114, 296}) {
        DrawIconEx(dc, x, y, LoadCursorA(self, MAKEINTRESOURCEA(id)), 32, 32, 0, nullptr, DI_NORMAL);
        x += 40;
    }
    for (int id : {1, 4})
        for (int size : {16, 32, 48}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
            x += size + 8;
        }

    // Read the window back and keep it as a PNG.
    Canvas copy(width, height);
    BitBlt(copy.dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window.handle(), dc);
    EXPECT_TRUE(Near(copy.At(width - 2, height - 2), RGB(255, 255, 255), 0));
    Gdiplus::GpBitmap* bitmap = nullptr;
    Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(copy.dib(), nullptr, &bitmap);
    ASSERT_NE(bitmap, nullptr);
    CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const std::string path = TestFolderFile("bench_image_lists.png");
    const std::wstring wide(path.begin(), path.end());
    EXPECT_EQ(Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &png, nullptr), Gdiplus::Ok);
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
}

}  // namespace
