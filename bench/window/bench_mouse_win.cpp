// The bench window's side of selecting and dragging: capture, cursor,
// coordinates, the splitter's focus line and the frame layout.
#include "bench/window/bench_mouse_win.h"

#include <windowsx.h>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/shell/bench_helpers_win.h"
#include "app/shell/select_object.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/arrange/arrange_seams.h"
#include "bench/commands/arrange/selection_drag.h"
#include "bench/commands/command_ids.h"
#include "bench/window/bench_window_win.h"

namespace {

PropertiesDialogOpener propertiesOpener = nullptr;

HWND Bench() { return BenchWindow ? BenchWindow : (BenchDC ? WindowFromDC(BenchDC) : nullptr); }

int ClientHeightOf(HWND window) {
    RECT r{};
    if (window) GetClientRect(window, &r);
    return r.bottom - r.top;
}

class BenchWindowArrangeSeams final : public ArrangeSeams {
public:
    void SelectObject(int32_t index) override { SelectLabObject(index, index); }
    void PauseTimer() override { BeginTimerPause(); }
    void ResumeTimer() override { EndTimerPause(); }

    void InvalidateErasing(const RectI32& rect) override {
        HWND bench = Bench();
        RECT r{rect.left, rect.top, rect.right, rect.bottom};
        if (BenchDC) LPtoDP(BenchDC, reinterpret_cast<POINT*>(&r), 2);
        if (bench) InvalidateRect(bench, &r, TRUE);
    }
    void InvalidateWholeBench() override {
        if (HWND bench = Bench()) ::InvalidateLogicalRect(bench, nullptr);
    }
    void InvalidateObjectOverlays(const LabObject& object, int32_t x, int32_t y) override {
        if (HWND bench = Bench()) ::InvalidateObjectOverlays(bench, object, x, y);
    }

    void ShowSplitCursor() override { SetCursor(SplitCursor ? SplitCursor : LoadCursor(nullptr, IDC_SIZEWE)); }
    int32_t SplitterSetting() const override { return PaneWidth; }
    int32_t SplitterPointerX() const override {
        POINT p{};
        GetCursorPos(&p);
        HWND pane = ObservationsPane();
        ScreenToClient(pane ? pane : FrameWindow, &p);
        return p.x;
    }
    int32_t SplitterLimit() const override {
        RECT frame{};
        GetClientRect(FrameWindow, &frame);
        return frame.right - static_cast<int32_t>(kMinBenchWidth * DpiFactor);
    }
    void DrawSplitterLine(int32_t setting) override {
        HDC dc = GetDC(FrameWindow);
        if (!dc) return;
        const int toolbar = ClientHeightOf(MainToolbar);
        RECT line{setting - 2, toolbar + 1, setting, ClientHeightOf(Bench()) + toolbar};
        DrawFocusRect(dc, &line);
        ReleaseDC(FrameWindow, dc);
    }
    void ApplySplitter(int32_t setting) override {
        PaneWidth = setting;
        SendMessageA(Bench(), WM_SIZE, 0, 0);
        LayoutFrame(Bench());
    }

    void SendLabelCommand() override { SendMessageA(Bench(), WM_COMMAND, MAKEWPARAM(kCmdLabel, 0), 0); }
    void OpenPropertiesDialog(int32_t object) override {
        if (propertiesOpener) propertiesOpener(Bench(), object);
    }

private:
    static constexpr int kMinBenchWidth = 100;
};

BenchWindowArrangeSeams arrangeSeams;

PointI32 ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

PointI32 LogicalPoint(LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (BenchDC) DPtoLP(BenchDC, &p, 1);
    return {p.x, p.y};
}

void ReleaseOurCapture(HWND bench) {
    if (GetCapture() == bench) ReleaseCapture();
}

}  // namespace

void InstallArrangeSeams() { SetArrangeSeams(&arrangeSeams); }

void SetPropertiesDialogOpener(PropertiesDialogOpener opener) { propertiesOpener = opener; }

bool HandleBenchMouse(HWND bench, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(bench);
        SetCapture(bench);
        BenchMousePress(LogicalPoint(lParam));
        return true;
    case WM_MOUSEMOVE:
        BenchMouseMove(LogicalPoint(lParam), ClientPoint(lParam));
        return true;
    case WM_LBUTTONUP:
        BenchMouseRelease(LogicalPoint(lParam));
        // Our own release sends WM_CAPTURECHANGED; the press has ended by then.
        ReleaseOurCapture(bench);
        return true;
    case WM_LBUTTONDBLCLK:
        BenchMouseDoubleClick(LogicalPoint(lParam));
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != bench) BenchMouseCaptureLost();
        return true;
    case WM_CANCELMODE:
        BenchMouseCaptureLost();
        ReleaseOurCapture(bench);
        return false;  // the default procedure goes on with it
    }
    return false;
}
