// Playback benchmark, run under Wine: one tick of the demonstration player
// on a 50-object bench, each a delta that changes every object (warming
// contents, a balance reading), applied, checked and repainted. Prints the
// median and 95th-percentile tick time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"
#include "render/render_settings_win.h"

namespace {

constexpr int kWidth = 1280, kHeight = 1024, kTicks = 200, kWarmUp = 20;

// The repaint is the bench's whole paint into an off-screen target.
class PaintingSeams final : public DemoPlayerSeams {
public:
    PaintingSeams(HDC target, LabObject* base, int32_t* count) : target_(target), base_(base), count_(count) {}
    void RepaintBench(bool) override { Render3D(target_, base_, *count_); }
    void EraseStrip(const RectI32&) override {}
    void LoadModule(const char*, const char*) override {}
    void ResetShell() override {}
    uint32_t LabStyle() override { return 0; }
    void CollectDataSample() override {}
    void AddComment(const std::string&, uint64_t) override {}
    void ClearComments() override {}
    void ShowPopup(const std::string&, PointI32, bool) override {}
    void RemovePopup() override {}
    void ShowMessageBox(const std::string&) override {}
    void ShowDataWindow(bool) override {}
    int32_t DatasetCount() override { return 0; }
    void SetDatasetCount(int32_t) override {}
    void FreeDatasetPoints() override {}
    void StartTimer(int32_t) override {}
    void StopTimer() override {}
    void SetProgress(int32_t) override {}
    void SetButtons(const DemoButtons&) override {}

private:
    HDC target_;
    LabObject* base_;
    int32_t* count_;
};

class VectorSink final : public DemoSink {
public:
    bool Write(const void* bytes, size_t length) override {
        const auto* p = static_cast<const uint8_t*>(bytes);
        data.insert(data.end(), p, p + length);
        return true;
    }
    std::vector<uint8_t> data;
};

// Fifty vessels and balances, recorded as a snapshot and then one delta per
// step in which every object changes.
std::vector<uint8_t> RecordFiftyObjectSession(bool small, int steps) {
    static LabObject objects[kLabObjectArrayLength];
    const int32_t kinds[] = {kBeaker, kErlenmeyerFlask, kElectronicBalance, kTestTube, kFlorenceFlask};
    for (int32_t i = 1; i <= kMaxLabObjects; ++i) {
        LabObject o = EquipmentPrototype(kinds[i % 5], small);
        const int x = 20 + (i * 97) % 1000, y = 20 + (i * 53) % 500;
        o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
        if (o.kindFlags & kKindContainer) {
            AddComponent(o, kCasWater, kPhaseLiquid, o.capacityMl * 0.5, 293.0);
            o.liquidVolume = o.capacityMl * 5.0;
        }
        objects[i] = o;
    }
    VectorSink sink;
    LabDemoRecorder = DemoRecorder{};
    LabDemoRecorder.recording = true;
    BeginDemoFile(&sink, "OLVARIS.DLL", "", kHeight);
    RecordLabState(kMaxLabObjects, &objects[1]);
    for (int step = 0; step < steps; ++step) {
        for (int32_t i = 1; i <= kMaxLabObjects; ++i) {
            LabObject& o = objects[i];
            o.temperature += 0.1f;
            o.slots[0].kelvin = o.temperature;
            o.reading1 += 0.01;
        }
        RecordLabState(kMaxLabObjects, &objects[1]);
    }
    LabDemoRecorder = DemoRecorder{};
    return sink.data;
}

}  // namespace

int main() {
    if (StartGraphics() != Gdiplus::Ok) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PlaybackBench";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "PlaybackBench", "", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    BenchRenderSettings().benchWindow = window;
    BenchRenderSettings().showLabBench = true;
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(target, bitmap);

    static LabObject bench[kLabObjectArrayLength];
    int32_t count = 0;
    const bool small = GetSystemMetrics(SM_CYFULLSCREEN) < 900;
    PaintingSeams seams(target, bench, &count);
    DemoPlayer player(seams, &count, bench);
    if (player.Open(RecordFiftyObjectSession(small, kWarmUp + kTicks)) != 0) return 1;
    for (int i = 0; i < 1 + kWarmUp; ++i) player.Tick();  // the snapshot, then warm-up deltas

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> ms;
    for (int i = 0; i < kTicks; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        player.Tick();
        QueryPerformanceCounter(&b);
        ms.push_back((b.QuadPart - a.QuadPart) * 1000.0 / frequency.QuadPart);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("playback benchmark: %d objects, one delta and its repaint per tick, %d ticks\n", count, kTicks);
    std::printf("  median %.2f ms, p95 %.2f ms\n", ms[ms.size() / 2], ms[ms.size() * 95 / 100]);
    SelectObject(target, old);
    DeleteObject(bitmap);
    DeleteDC(target);
    DestroyWindow(window);
    return 0;
}
