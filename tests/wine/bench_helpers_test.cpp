// Selection frame and invalidation helpers on a real window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/shell/bench_helpers_win.h"
#include "test_window.h"

namespace {

std::vector<COLORREF> Capture(HWND window, int width, int height) {
    HDC dc = GetDC(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

void PaintStripes(HWND window) {
    HDC dc = GetDC(window);
    for (int x = 0; x < 120; x += 10) {
        RECT r = {x, 0, x + 10, 100};
        HBRUSH brush = CreateSolidBrush(RGB((x * 7) & 255, 128, 255 - x));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    ReleaseDC(window, dc);
}

TEST(BenchHelpers, SelectionFrameTwiceRestoresThePixels) {
    TestWindow bench(200, 160);
    PaintStripes(bench.handle());
    std::vector<COLORREF> before = Capture(bench.handle(), 120, 100);
    DrawSelectionFrame(bench.handle(), 20, 20, 80, 60);
    std::vector<COLORREF> framed = Capture(bench.handle(), 120, 100);
    int changed = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            size_t i = static_cast<size_t>(y * 120 + x);
            if (framed[i] == before[i]) continue;
            ++changed;
            bool onFrame = (x >= 19 && x < 82 && (y == 19 || y == 61)) ||
                           (y >= 19 && y < 62 && (x == 19 || x == 81));
            if (!onFrame) ++outside;
        }
    EXPECT_GT(changed, 100);  // about half the frame's pixels (a dotted pattern)
    EXPECT_EQ(outside, 0);
    DrawSelectionFrame(bench.handle(), 20, 20, 80, 60);
    EXPECT_EQ(Capture(bench.handle(), 120, 100), before);
}

TEST(BenchHelpers, InvalidateLogicalRectWholeWindowOrPart) {
    TestWindow bench(200, 160);
    RECT client;
    GetClientRect(bench.handle(), &client);
    ValidateRect(bench.handle(), nullptr);
    InvalidateLogicalRect(bench.handle(), nullptr);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(bench.handle(), &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &client));

    ValidateRect(bench.handle(), nullptr);
    RECT part = {10, 20, 30, 40};
    InvalidateLogicalRect(bench.handle(), &part);
    ASSERT_TRUE(GetUpdateRect(bench.handle(), &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &part));
    ValidateRect(bench.handle(), nullptr);
}

// GetUpdateRect answers in logical units for a window with its own DC; the
// update region is always in device units.
RECT DeviceUpdateRect(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(window, region, FALSE);
    RECT box = {};
    GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

TEST(BenchHelpers, InvalidateLogicalRectUsesTheWindowsMapping) {
    // A bench with its own DC that draws at twice the logical size.
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BrevaneScaledBench";
    RegisterClassA(&wc);
    HWND bench = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(bench, nullptr);
    HDC dc = GetDC(bench);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 2, 2, nullptr);
    ReleaseDC(bench, dc);
    PumpMessages();
    ValidateRect(bench, nullptr);
    RECT logical = {10, 20, 30, 40};
    InvalidateLogicalRect(bench, &logical);
    RECT update = DeviceUpdateRect(bench);
    RECT device = {20, 40, 60, 80};
    EXPECT_TRUE(EqualRect(&update, &device))
        << update.left << "," << update.top << "," << update.right << "," << update.bottom;

    // y upwards.
    dc = GetDC(bench);
    SetViewportExtEx(dc, 1, -1, nullptr);
    SetViewportOrgEx(dc, 0, 200, nullptr);
    ReleaseDC(bench, dc);
    ValidateRect(bench, nullptr);
    InvalidateLogicalRect(bench, &logical);
    update = DeviceUpdateRect(bench);
    RECT flipped = {10, 160, 30, 180};
    EXPECT_TRUE(EqualRect(&update, &flipped))
        << update.left << "," << update.top << "," << update.right << "," << update.bottom;
    DestroyWindow(bench);
}

TEST(BenchHelpers, ObjectOverlaysInvalidateMarkerMeniscusAndLight) {
    TestWindow bench(400, 300);
    HIMAGELIST meniscus = ImageList_Create(62, 95, ILC_COLOR24, 1, 1);
    HIMAGELIST light = ImageList_Create(16, 16, ILC_COLOR24, 1, 1);
    SetOverlayImageLists(meniscus, light);
    RECT icon;
    ASSERT_EQ(ImageIconRect(meniscus, 5, 6, &icon), 1);
    EXPECT_EQ(icon.right - icon.left, 62);
    EXPECT_EQ(icon.bottom - icon.top, 95);
    EXPECT_EQ(ImageIconRect(nullptr, 5, 6, &icon), 0);

    struct Case {
        const char* name;
        int32_t type;
        uint32_t flags;
        RECT marker;
        RECT expected;  // the union of what is invalidated
    };
    // Object at (100, 40), 30 wide.
    const Case cases[] = {
        {"marker only", kBeaker, 0, {100, 40, 130, 60}, {100, 40, 130, 60}},
        {"buret meniscus", kBuret, kObjShowMeniscus, {0, 0, 0, 0}, {140, 90, 202, 185}},
        {"cylinder meniscus", kGraduatedCylinder, kObjShowMeniscus, {0, 0, 0, 0}, {140, 60, 202, 155}},
        {"beaker has no meniscus", kBeaker, kObjShowMeniscus, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"light", kBeaker, kObjLightOn, {0, 0, 0, 0}, {80, 40, 96, 56}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject object = {};
        object.type = c.type;
        object.objectFlags = c.flags;
        object.position = {100, 40, 130, 200};
        object.overlayRect = {c.marker.left, c.marker.top, c.marker.right, c.marker.bottom};
        ValidateRect(bench.handle(), nullptr);
        InvalidateObjectOverlays(bench.handle(), object, 100, 40);
        RECT update = {};
        GetUpdateRect(bench.handle(), &update, FALSE);
        EXPECT_TRUE(EqualRect(&update, &c.expected))
            << update.left << "," << update.top << "," << update.right << "," << update.bottom;
    }
    SetOverlayImageLists(nullptr, nullptr);
    ImageList_Destroy(meniscus);
    ImageList_Destroy(light);
}

TEST(BenchHelpers, EraseWithWindowColourFillsTheRect) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, 20, 20, BLACKNESS);
    RECT r = {5, 5, 10, 10};
    EraseWithWindowColour(dc, &r);
    EXPECT_EQ(GetPixel(dc, 7, 7), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
