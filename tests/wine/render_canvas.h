// An off-screen bench the rendering pass paints into, with its pixels
// readable and savable as a PNG, for the tests of what the pass draws.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "bench/model/selection.h"
#include "common/lab_object.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"
#include "render/render_settings_win.h"
#include "tests/support/build_folders_win.h"

namespace render_test {

inline constexpr int kWidth = 1280;
inline constexpr int kHeight = 960;

struct Bench {
    LabObject objects[kLabObjectArrayLength]{};
    int32_t count = 0;
};

// An off-screen target the pass paints into, with its pixels readable.
class Canvas {
public:
    Canvas() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "RenderTestBench";
        RegisterClassA(&wc);
        RECT r{0, 0, kWidth, kHeight};
        AdjustWindowRect(&r, WS_POPUP, FALSE);
        window_ = CreateWindowExA(0, "RenderTestBench", "", WS_POPUP, 0, 0, r.right - r.left,
                                  r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        dib_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, dib_);
        BenchRenderSettings().benchWindow = window_;
    }
    ~Canvas() {
        BenchRenderSettings().benchWindow = nullptr;
        SelectObject(dc_, old_);
        DeleteObject(dib_);
        DeleteDC(dc_);
        DestroyWindow(window_);
    }
    void Paint(Bench& bench) { Render3D(dc_, bench.objects, bench.count); }
    COLORREF At(int x, int y) const {
        const uint32_t p = bits_[y * kWidth + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    HWND window() const { return window_; }
    // Writes what was painted as a PNG beside the test program (never into
    // the program folder, wherever the current directory is), for looking at it.
    void Save(const std::string& name) const {
        Gdiplus::GpBitmap* bitmap = nullptr;
        Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(dib_, nullptr, &bitmap);
        if (!bitmap) return;
        CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::string path = TestFolderFile(name);
        std::wstring wide(path.begin(), path.end());
        Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &png, nullptr);
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

inline bool Near(COLORREF c, int r, int g, int b, int tolerance) {
    return std::abs(GetRValue(c) - r) <= tolerance && std::abs(GetGValue(c) - g) <= tolerance &&
           std::abs(GetBValue(c) - b) <= tolerance;
}


// GDI+ started, nothing selected: the bench as a paint test finds it.
class BenchPaintTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(StartGraphics(), Gdiplus::Ok); }
    void SetUp() override {
        ObjectSelected = false;
        SelectedObject = 0;
        MultiSelection = MultiSelectionState{};
    }
};

}  // namespace render_test
