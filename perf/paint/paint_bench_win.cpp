// Paint benchmark, run under Wine: a 50-object bench painted 200 times at
// 1280 x 1024 after warm-up. Prints the median and 95th-percentile paint
// time, the PNG decodes per paint and the GDI objects before and after.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "perf/paint/fifty_objects.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"
#include "render/render_settings_win.h"

namespace {

constexpr int kWidth = 1280, kHeight = 1024, kPaints = 200, kWarmUp = 20;

}  // namespace

int main() {
    if (StartGraphics() != Gdiplus::Ok) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PaintBench";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "PaintBench", "", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    BenchRenderSettings().benchWindow = window;
    BenchRenderSettings().showLabBench = true;
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(target, bitmap);

    static LabObject objects[kLabObjectArrayLength];
    const bool small = GetSystemMetrics(SM_CYFULLSCREEN) < 900;
    const int32_t count = perf::FiftyObjects(objects, small);
    for (int i = 0; i < kWarmUp; ++i) Render3D(target, objects, count);

    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memBefore{}, memAfter{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memBefore), sizeof memBefore);
    const int64_t decodesBefore = PngDecodeCount();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    for (int i = 0; i < kPaints; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        Render3D(target, objects, count);
        QueryPerformanceCounter(&b);
        ms.push_back((b.QuadPart - a.QuadPart) * 1000.0 / frequency.QuadPart);
    }
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memAfter), sizeof memAfter);
    std::sort(ms.begin(), ms.end());
    std::printf("paint benchmark: %d objects, %d x %d, %d paints (%s image set)\n", count, kWidth, kHeight,
                kPaints, small ? "small" : "large");
    std::printf("  median %.2f ms, p95 %.2f ms\n", ms[ms.size() / 2], ms[ms.size() * 95 / 100]);
    std::printf("  PNG decodes per paint %.2f\n", double(PngDecodeCount() - decodesBefore) / kPaints);
    std::printf("  GDI objects %lu before, %lu after; private bytes %+ld KB\n", gdiBefore,
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                static_cast<long>((static_cast<long long>(memAfter.PrivateUsage) - memBefore.PrivateUsage) / 1024));
    SelectObject(target, old);
    DeleteObject(bitmap);
    DeleteDC(target);
    DestroyWindow(window);
    return 0;
}
