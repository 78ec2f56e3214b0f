// Drag benchmark, run under Wine: the program's own windows with the paint
// benchmark's 50-object bench; one object is dragged across it by 200 mouse
// moves. Prints the median and 95th-percentile time per move, whether
// anything was invalidated before the release, and the release's paint.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/startup_win.h"
#include "bench/model/lab_objects.h"
#include "perf/paint/fifty_objects.h"
#include "app/settings/folders_win.h"
#include "tests/support/build_folders_win.h"

namespace {

constexpr int kMoves = 200;

double Milliseconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b, const LARGE_INTEGER& frequency) {
    return (b.QuadPart - a.QuadPart) * 1000.0 / frequency.QuadPart;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main() {
    SetProgramFolder(BuildProgramFolder().c_str());  // the labs it loads at start
    if (!CreateProgramWindows(GetModuleHandleA(nullptr), nullptr, "")) return 1;
    ShowWindow(FrameWindow, SW_MAXIMIZE);
    Pump();
    const bool small = GetSystemMetrics(SM_CYFULLSCREEN) < 900;
    LabObjectCount = perf::FiftyObjects(LabObjects, small);
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);

    const RectI32 r = LabObjects[1].position;
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    LARGE_INTEGER frequency, a, b;
    QueryPerformanceFrequency(&frequency);
    SendMessageA(BenchWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    std::vector<double> ms;
    int invalidatedMoves = 0;
    for (int i = 1; i <= kMoves; ++i) {
        QueryPerformanceCounter(&a);
        SendMessageA(BenchWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + i * 3, y + i));
        QueryPerformanceCounter(&b);
        ms.push_back(Milliseconds(a, b, frequency));
        invalidatedMoves += GetUpdateRect(BenchWindow, nullptr, FALSE) ? 1 : 0;
    }
    SendMessageA(BenchWindow, WM_LBUTTONUP, 0, MAKELPARAM(x + kMoves * 3, y + kMoves));
    QueryPerformanceCounter(&a);
    UpdateWindow(BenchWindow);
    QueryPerformanceCounter(&b);
    const double releasePaint = Milliseconds(a, b, frequency);

    std::sort(ms.begin(), ms.end());
    std::printf("drag benchmark: %d objects, %d moves (%s image set)\n", LabObjectCount, kMoves,
                small ? "small" : "large");
    std::printf("  per move: median %.3f ms, p95 %.3f ms; moves leaving a paint pending: %d\n", ms[ms.size() / 2],
                ms[ms.size() * 95 / 100], invalidatedMoves);
    std::printf("  release paint %.2f ms (moved by %d, %d)\n", releasePaint, LabObjects[1].position.left - r.left,
                LabObjects[1].position.top - r.top);
    DestroyWindow(FrameWindow);
    Pump();
    return 0;
}
