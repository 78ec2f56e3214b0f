#include "render/render3d_win.h"

#include <cwchar>

#include "bench/window/bench_seams.h"
#include "bench/model/selection.h"
#include "render/draw_object_win.h"
#include "render/graphics_win.h"
#include "render/object_images.h"
#include "render/object_placement.h"
#include "render/particles.h"
#include "render/render_settings_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr int kLargeScreenHeight = 900;
constexpr float kLabelPixels = 22.0f;

// Draws a host's front glass, accessory and label again over the object it holds.
void DrawHostOver(GpGraphics* g, const LabObject& host, bool large) {
    const HostOverlay overlay = ChooseHostOverlay(host, large);
    DrawPng(g, CachedPng(overlay.front), host.position.left, host.position.top);
    DrawPng(g, CachedPng(overlay.accessory), host.position.left + host.accessoryOffsetX,
            host.position.top + host.accessoryOffsetY);
    DrawObjectLabel(g, host, kLabelPixels);
}

// The off-screen canvas is kept between paints while the bench keeps its
// size: making a fresh screen-sized bitmap and touching its pages for the
// first time cost about a third of a paint. What is shown is the same, since
// every paint starts from white.
struct BenchCanvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    uint32_t* pixels = nullptr;
    int32_t width = 0, height = 0;
    GpBitmap* image = nullptr;  // GDI+'s view of the same pixels
    GpGraphics* graphics = nullptr;
};
BenchCanvas g_canvas;

// Released in the reverse order of making: the graphics before the pixels it
// draws into, the bitmap only once it is out of its DC.
void ReleaseCanvas(BenchCanvas& c) {
    if (c.graphics) gp::GdipDeleteGraphics(c.graphics);
    if (c.image) gp::GdipDisposeImage(c.image);
    if (c.dc && c.oldBitmap) SelectObject(c.dc, c.oldBitmap);
    if (c.bitmap) DeleteObject(c.bitmap);
    if (c.dc) DeleteDC(c.dc);
    c = BenchCanvas{};
}

// The memory bitmap is a DIB section whose pixels GDI+ draws into directly:
// blending into memory is far quicker than through a DC (on Wine tenfold)
// and shows the same.
BenchCanvas& CanvasOfSize(HDC paintDc, int32_t width, int32_t height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    BenchCanvas& c = g_canvas;
    if (c.graphics && c.width == width && c.height == height) return c;
    ReleaseCanvas(c);
    c.dc = CreateCompatibleDC(paintDc);
    if (!c.dc) return c;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!c.bitmap || !pixels) return c;
    c.oldBitmap = SelectObject(c.dc, c.bitmap);
    c.pixels = static_cast<uint32_t*>(pixels);
    c.width = width;
    c.height = height;
    if (gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB, static_cast<BYTE*>(pixels),
                                      &c.image) != Gdiplus::Ok ||
        gp::GdipGetImageGraphicsContext(c.image, &c.graphics) != Gdiplus::Ok) {
        c.graphics = nullptr;
        return c;
    }
    // Pictures are drawn at their own size, so no resampling is needed;
    // the smoothness is in the pictures themselves.
    gp::GdipSetInterpolationMode(c.graphics, Gdiplus::InterpolationModeNearestNeighbor);
    return c;
}

}  // namespace

void ReleaseBenchCanvas() { ReleaseCanvas(g_canvas); }

RenderSettings& BenchRenderSettings() {
    static RenderSettings settings{nullptr, true, nullptr, false, 0};
    return settings;
}

void Render3D(HDC paintDc, LabObject* base, int32_t count) {
    const RenderSettings& settings = BenchRenderSettings();
    HWND window = settings.benchWindow ? settings.benchWindow : WindowFromDC(paintDc);
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    LARGE_INTEGER frequency{}, start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);

    const bool large = settings.imageSet ? settings.imageSet == 1
                                         : GetSystemMetrics(SM_CYFULLSCREEN) >= kLargeScreenHeight;
    const double dpiFactor = GetDeviceCaps(paintDc, LOGPIXELSX) / 96.0;

    BenchCanvas& canvas = CanvasOfSize(paintDc, width, height);
    GpGraphics* g = canvas.graphics;
    GpStatus status = g ? Gdiplus::Ok : Gdiplus::GenericError;
    if (canvas.dc) {
        FillRect(canvas.dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        GdiFlush();
    }
    if (g) gp::GdipResetWorldTransform(g);  // a drawing cut short may have left a turn behind
    SetDirectBlendTarget(g ? canvas.pixels : nullptr, canvas.width, canvas.height);
    HDC memory = canvas.dc;

    if (g) {
        if (settings.showLabBench) {
            if (const PngImage* strip = CachedPng(kBenchStripImage)) {
                const StripRect r = BenchStripRect(width, client.bottom, strip->height);
                DrawPngStretched(g, strip, r.x, r.y, r.width, r.height);
            }
        }
        const PngImage* bubble = CachedPng(kBubbleImage);
        const int32_t objects = count < 0 ? 0 : (count > kMaxLabObjects ? kMaxLabObjects : count);
        BeginParticlePaint();  // flames and vapour step once in this paint
        for (int32_t i = 1; i <= objects; ++i)
            if (DrawingHost(base, objects, i) == 0)
                DrawLabObject(base, i, large, memory, dpiFactor, g, bubble, &status);
        for (int32_t i = 1; i <= objects; ++i) {
            const int32_t host = DrawingHost(base, objects, i);
            if (host == 0) continue;
            DrawLabObject(base, i, large, memory, dpiFactor, g, bubble, &status);
            DrawHostOver(g, base[host], large);
        }
        gp::GdipFlush(g, Gdiplus::FlushIntentionSync);
    }
    SetDirectBlendTarget(nullptr, 0, 0);
    GdiFlush();
    if (memory) BitBlt(paintDc, 0, 0, width, height, memory, 0, 0, SRCCOPY);

    // The selection frame is drawn on the window, after the copy.
    if (ObjectSelected && SelectedObject > 0 && SelectedObject <= count)
        CurrentBenchSeams().DrawSelectionFrame(base[SelectedObject].position);
    else if (MultiSelection.memberCount > 0)
        CurrentBenchSeams().DrawSelectionFrame(MultiSelection.bounds);

    LARGE_INTEGER end{};
    QueryPerformanceCounter(&end);
    const long long elapsed =
        frequency.QuadPart ? (end.QuadPart - start.QuadPart) * 1000000LL / frequency.QuadPart : 0;
    wchar_t line[64];
    std::swprintf(line, 64, L"Render3D Called  -> %lli\n", elapsed);
    OutputDebugStringW(line);
}
