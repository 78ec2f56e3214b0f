#include "render/render3d_win.h"

#include <cwchar>

#include "bench/bench_seams.h"
#include "bench/selection.h"
#include "render/draw_object_win.h"
#include "render/graphics_win.h"
#include "render/object_images.h"
#include "render/object_placement.h"
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

}  // namespace

RenderSettings& BenchRenderSettings() {
    static RenderSettings settings{nullptr, true, nullptr, false};
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

    const bool large = GetSystemMetrics(SM_CYFULLSCREEN) >= kLargeScreenHeight;
    const double dpiFactor = GetDeviceCaps(paintDc, LOGPIXELSX) / 96.0;

    // The memory bitmap is a DIB section whose pixels GDI+ draws into
    // directly: blending into memory is far quicker than through a DC (on
    // Wine tenfold) and shows the same.
    HDC memory = CreateCompatibleDC(paintDc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width > 0 ? width : 1;
    info.bmiHeader.biHeight = -(height > 0 ? height : 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(memory, &client, white);
    GdiFlush();
    GpBitmap* canvas = nullptr;
    GpGraphics* g = nullptr;
    GpStatus status = Gdiplus::GenericError;
    if (pixels && gp::GdipCreateBitmapFromScan0(info.bmiHeader.biWidth, -info.bmiHeader.biHeight,
                                                info.bmiHeader.biWidth * 4, PixelFormat32bppRGB,
                                                static_cast<BYTE*>(pixels), &canvas) == Gdiplus::Ok)
        status = gp::GdipGetImageGraphicsContext(canvas, &g);
    // Pictures are drawn at their own size, so no resampling is needed;
    // the smoothness is in the pictures themselves.
    if (g) gp::GdipSetInterpolationMode(g, Gdiplus::InterpolationModeNearestNeighbor);
    SetDirectBlendTarget(g ? static_cast<uint32_t*>(pixels) : nullptr, info.bmiHeader.biWidth,
                         -info.bmiHeader.biHeight);

    if (g) {
        if (settings.showLabBench) {
            if (const PngImage* strip = CachedPng(kBenchStripImage)) {
                const StripRect r = BenchStripRect(width, client.bottom, strip->height);
                DrawPngStretched(g, strip, r.x, r.y, r.width, r.height);
            }
        }
        const PngImage* bubble = CachedPng(kBubbleImage);
        const int32_t objects = count < 0 ? 0 : (count > kMaxLabObjects ? kMaxLabObjects : count);
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
    BitBlt(paintDc, 0, 0, width, height, memory, 0, 0, SRCCOPY);

    // The selection frame is drawn on the window, after the copy.
    if (ObjectSelected && SelectedObject > 0 && SelectedObject <= count)
        CurrentBenchSeams().DrawSelectionFrame(base[SelectedObject].position);
    else if (MultiSelection.memberCount > 0)
        CurrentBenchSeams().DrawSelectionFrame(MultiSelection.bounds);

    // Released in the reverse order of making, so a paint leaks nothing.
    if (g) gp::GdipDeleteGraphics(g);
    if (canvas) gp::GdipDisposeImage(canvas);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteObject(white);
    DeleteDC(memory);

    LARGE_INTEGER end{};
    QueryPerformanceCounter(&end);
    const long long elapsed =
        frequency.QuadPart ? (end.QuadPart - start.QuadPart) * 1000000LL / frequency.QuadPart : 0;
    wchar_t line[64];
    std::swprintf(line, 64, L"Render3D Called  -> %lli\n", elapsed);
    OutputDebugStringW(line);
}
