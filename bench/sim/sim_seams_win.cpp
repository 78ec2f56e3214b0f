// The bench window's answers to what the simulation tick asks, on top of the
// bench seams it already answers, and the tick itself on WM_TIMER.
#include "bench/sim/sim_seams_win.h"

#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/demo/demo_recorder.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host.h"
#include "app/settings/settings.h"
#include "app/data/titration_data.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/window/bench_seams_win.h"
#include "bench/window/bench_window_win.h"
#include "bench/sim/sim_tick.h"

namespace {

class WindowSimSeams final : public SimSeams {
public:
    explicit WindowSimSeams(BenchSeams& bench) : bench_(bench) {}

    // ---- what the bench window already answers ----
    int32_t FullScreenHeight() const override { return bench_.FullScreenHeight(); }
    double DpiFactor() const override { return bench_.DpiFactor(); }
    PointI32 DeviceToLogical(PointI32 device) const override { return bench_.DeviceToLogical(device); }
    PointI32 LogicalToDevice(PointI32 logical) const override { return bench_.LogicalToDevice(logical); }
    RectI32 BenchClientRect() const override { return bench_.BenchClientRect(); }
    void WarnPausingTimer(int32_t stringId) override { bench_.WarnPausingTimer(stringId); }
    bool LoadResString(int32_t id, std::string* text) const override { return bench_.LoadResString(id, text); }
    void InvalidateLogicalRect(const RectI32& rect) override { bench_.InvalidateLogicalRect(rect); }
    void DrawSelectionFrame(const RectI32& rect) override { bench_.DrawSelectionFrame(rect); }
    bool DemoRecording() const override { return bench_.DemoRecording(); }
    void RecordComment(const std::string& text, int32_t category) override {
        bench_.RecordComment(text, category);
    }
    void NewEquipmentAddition(LabObject& object) override { bench_.NewEquipmentAddition(object); }
    void RemoveObjectParticles(const LabObject& object) override { bench_.RemoveObjectParticles(object); }
    void RenumberParticleOwners(const IndexRemap& remap) override { bench_.RenumberParticleOwners(remap); }
    int32_t TitrationBuret() const override { return bench_.TitrationBuret(); }
    void TitrationBuretMoved(int32_t oldIndex, int32_t newIndex) override {
        bench_.TitrationBuretMoved(oldIndex, newIndex);
    }

    // ---- bench window ----
    void InvalidateBench() override {
        if (BenchWindow) InvalidateRect(BenchWindow, nullptr, FALSE);
    }

    // The bench's own DC keeps its logical mapping, so the rectangle needs no
    // conversion.
    void EraseWithWindowColour(const RectI32& rect) override {
        if (!BenchDC) return;
        const RECT r{rect.left, rect.top, rect.right, rect.bottom};
        FillRect(BenchDC, &r, GetSysColorBrush(COLOR_WINDOW));
    }

    // ---- settings, read from the registry at start-up ----
    int32_t BunsenBurnerHeat() const override { return ::BunsenBurnerHeat; }
    int32_t HotPlateIncrements() const override { return ::HotPlateIncrements; }

    // ---- loaded lab module ----
    uint32_t QueryLabStyle() override { return static_cast<uint32_t>(QueryCurrentLabStyle()); }
    bool HasLabSimulationProc() const override { return LabModuleHandle && PluginTable.LabSimulationProc; }
    void LabSimulationProc(int32_t count, LabObject* base) override {
        if (HasLabSimulationProc()) PluginTable.LabSimulationProc(count, base);
    }

    // ---- demonstration recorder ----
    int RecordLabState(int32_t count, const LabObject* firstObject) override {
        return ::RecordLabState(count, firstObject);
    }
    void RecordTimeMark(int frameWritten) override { RunDemoTimeMarkRule(frameWritten != 0); }

    // ---- titration ----
    bool TitrationWindowOpen() const override { return TitrationWindow != nullptr; }
    void ForwardTimerToTitration(const TimerMessage& message) override {
        if (TitrationWindow)
            SendMessageA(TitrationWindow, WM_TIMER, static_cast<WPARAM>(message.wParam),
                         static_cast<LPARAM>(message.lParam));
    }
    void InvalidateDataWindow() override {
        if (DataWindow && IsWindowVisible(DataWindow)) InvalidateRect(DataWindow, nullptr, TRUE);
    }
    // Collected points go straight into the dataset the data window shows
    // and lab files keep.
    TitrationPointSink& TitrationSink() override { return dataset_; }

private:
    class DatasetSink final : public TitrationPointSink {
    public:
        int32_t PointCount() const override { return LabTitrationData.record.pointCount; }
        const DataPoint& PointAt(int32_t index) const override {
            return LabTitrationData.points[static_cast<size_t>(index)];
        }
        bool AppendPoint(const DataPoint& point) override {
            AddDataPoint(LabTitrationData, point);
            return true;
        }
    };

    BenchSeams& bench_;
    DatasetSink dataset_;
};

}  // namespace

SimSeams& BenchWindowSimSeams() {
    static WindowSimSeams seams(BenchWindowBenchSeams());
    return seams;
}

// Every WM_TIMER of the bench window is a tick, whatever its id.
void RunSimulationTick(HWND, WPARAM wParam, LPARAM lParam) {
    SimulationTick(BenchWindowSimSeams(), TimerMessage{wParam, lParam});
}
