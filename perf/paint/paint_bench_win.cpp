// Paint benchmark, run under Wine: a 50-object bench painted 200 times at
// 1280 x 1024 after warm-up. Prints the median and 95th-percentile paint
// time, the PNG decodes per paint and the GDI objects before and after.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/model/contents.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"
#include "render/render_settings_win.h"

namespace {

constexpr int kWidth = 1280, kHeight = 1024, kPaints = 200, kWarmUp = 20;

LabObject At(int32_t type, int x, int y, bool small) {
    LabObject o = EquipmentPrototype(type, small);
    o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
    return o;
}

// Burners, boiling vessels with thermometers (half full, bubbling, every
// third one precipitating), balances, burets and vessels
// standing in others, spread over the bench.
int32_t FiftyObjects(LabObject* base, bool small) {
    const int32_t kinds[] = {kBunsenBurner, kBeaker, kErlenmeyerFlask, kElectronicBalance, kBuret,
                             kTestTube, kFlorenceFlask, kGraduatedCylinder, kHighSensitivityBalance,
                             kRoundBottomFlask};
    int32_t count = 0;
    for (int i = 0; count < kMaxLabObjects; ++i) {
        const int32_t type = kinds[i % 10];
        LabObject o = At(type, 20 + (i * 97) % 1000, 20 + (i * 53) % 500, small);
        o.thermometerInserted = 1;
        o.temperature = 373.0f;
        o.variant = 0;
        if (o.kindFlags & kKindContainer) {  // half full and boiling; every third one precipitating
            const double grams = o.capacityMl * 0.5;
            AddComponent(o, kCasWater, kPhaseLiquid, grams, 373.0);
            o.liquidVolume = grams * 10;
            o.liquidColour[0] = 120, o.liquidColour[1] = 170, o.liquidColour[2] = 250;
            o.boilingPoint = 373.0f;
            if (i % 3 == 0) o.precipitate = 1.0;
        }
        base[++count] = o;
        if (type == kBeaker && count < kMaxLabObjects) {  // a test tube standing in it
            LabObject tube = At(kTestTube, o.position.left + 60, o.position.top - 40, small);
            tube.host = count;
            base[count].hostedItem = count + 1;
            base[++count] = tube;
        }
    }
    return count;
}

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
    const int32_t count = FiftyObjects(objects, small);
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
