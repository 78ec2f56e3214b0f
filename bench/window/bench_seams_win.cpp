// The bench seams over the real bench window: its own DC for every logical
// and device conversion, the program's boxes and helpers, the renderer's
// particles and the instrument dialogs.
#include "bench/window/bench_seams_win.h"

#include <windows.h>

#include "app/frame/app_windows_win.h"
#include "app/shell/bench_helpers_win.h"
#include "app/demo/demo_commands_win.h"
#include "app/demo/demo_playback_commands_win.h"
#include "app/demo/demo_recorder.h"
#include "app/frame/frame_services_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/modules/module_host.h"
#include "app/settings/settings.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/contents/contents_commands.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/edit/edit_seams_win.h"
#include "bench/commands/print/print_seams_win.h"
#include "bench/commands/equipment/add_equipment_commands.h"
#include "bench/commands/arrange/arrange_commands.h"
#include "bench/window/bench_mouse_win.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/commands/menus/context_menu_win.h"
#include "bench/commands/instruments/instrument_dialogs_win.h"
#include "bench/commands/instruments/instrument_seams_win.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/window/bench_seams.h"
#include "bench/window/bench_window_win.h"
#include "bench/sim/sim_seams_win.h"
#include "render/particles.h"

namespace {

// Seams are installed while the bench is being created, before its handle is
// stored; its own DC already knows the window.
HWND Bench() { return BenchWindow ? BenchWindow : (BenchDC ? WindowFromDC(BenchDC) : nullptr); }

class BenchWindowSeams final : public BenchSeams {
public:
    int32_t FullScreenHeight() const override { return GetSystemMetrics(SM_CYFULLSCREEN); }

    double DpiFactor() const override {
        HDC dc = BenchDC ? BenchDC : GetDC(nullptr);
        const double factor = GetDeviceCaps(dc, LOGPIXELSX) / 96.0;
        if (!BenchDC) ReleaseDC(nullptr, dc);
        return factor;
    }

    PointI32 DeviceToLogical(PointI32 device) const override {
        POINT p{device.x, device.y};
        if (BenchDC) DPtoLP(BenchDC, &p, 1);
        return PointI32{p.x, p.y};
    }

    PointI32 LogicalToDevice(PointI32 logical) const override {
        POINT p{logical.x, logical.y};
        if (BenchDC) LPtoDP(BenchDC, &p, 1);
        return PointI32{p.x, p.y};
    }

    RectI32 BenchClientRect() const override {
        RECT r{};
        GetClientRect(Bench(), &r);
        if (BenchDC) DPtoLP(BenchDC, reinterpret_cast<POINT*>(&r), 2);
        return RectI32{r.left, r.top, r.right, r.bottom};
    }

    void WarnPausingTimer(int32_t stringId) override {
        ::WarnPausingTimer(Bench(), AppInstance, static_cast<UINT>(stringId), "Brevane");
    }

    bool LoadResString(int32_t id, std::string* text) const override {
        char buffer[1024];
        if (!::LoadResString(static_cast<UINT>(id), buffer, sizeof buffer)) return false;
        text->assign(buffer);
        return true;
    }

    void InvalidateLogicalRect(const RectI32& rect) override {
        const RECT r{rect.left, rect.top, rect.right, rect.bottom};
        if (HWND bench = Bench()) ::InvalidateLogicalRect(bench, &r);
    }

    void DrawSelectionFrame(const RectI32& rect) override {
        if (HWND bench = Bench()) ::DrawSelectionFrame(bench, rect.left, rect.top, rect.right, rect.bottom);
    }

    bool DemoRecording() const override { return DemoRecordingActive(); }
    void RecordComment(const std::string& text, int32_t category) override {
        ::RecordComment(text.c_str(), category);
    }

    void NewEquipmentAddition(LabObject& object) override {
        if (LabModuleHandle && PluginTable.NewEquipmentAddition) PluginTable.NewEquipmentAddition(&object);
    }

    // The renderer's particles belong to object indexes: they go and are
    // renumbered with their objects.
    void RemoveObjectParticles(const LabObject& o) override { ::RemoveObjectParticles(o); }
    void RenumberParticleOwners(const IndexRemap& remap) override { ::RenumberParticleOwners(remap); }

    int32_t TitrationBuret() const override { return TitrationDialogBuret(); }
    void TitrationBuretMoved(int32_t oldIndex, int32_t newIndex) override {
        MoveTitrationBuret(oldIndex, newIndex);
    }
};

class BenchWindowCommandSeams final : public BenchCommandSeams {
public:
    PointI32 CursorLogicalPoint() const override {
        POINT p{};
        if (!ContextMenuOpenPoint(&p)) GetCursorPos(&p);
        ScreenToClient(Bench(), &p);
        if (BenchDC) DPtoLP(BenchDC, &p, 1);
        return PointI32{p.x, p.y};
    }

    void RepaintWholeBench() override {
        HWND bench = Bench();
        InvalidateRect(bench, nullptr, TRUE);
        UpdateWindow(bench);
    }

    // Read from the registry with the other settings at start-up.
    int32_t BunsenBurnerHeat() const override { return ::BunsenBurnerHeat; }
    void PauseTimer() override { BeginTimerPause(); }
    void ResumeTimer() override { EndTimerPause(); }

    bool TitrationDialogOpen() const override { return TitrationWindow != nullptr; }
    void ActivateTitrationDialog(int32_t buretToShow) override {
        if (!TitrationWindow) return;
        if (buretToShow) SendMessageA(TitrationWindow, kTitrationTakeBuret, static_cast<WPARAM>(buretToShow), 0);
        // Shown and made active: a student whose dialog went out of sight
        // gets it back in front, with the stopcock under the keys.
        ShowWindow(TitrationWindow, SW_SHOW);
        SetActiveWindow(TitrationWindow);
    }
    void OpenTitrationDialog(int32_t buret) override {
        ::OpenTitrationDialog(FrameWindow ? FrameWindow : Bench(), buret);
    }
    void CloseTitrationDialog() override { ::CloseTitrationDialog(); }

    int ElectrodeDialog(LabObject& cell) override { return ShowElectrodeDialog(Bench(), cell); }
    int WavelengthDialog(LabObject& meter) override { return ShowWavelengthDialog(Bench(), meter); }
    int GasSyringeDialog(LabObject& syringe) override { return ShowInitialSyringeDialog(Bench(), syringe); }
    int GeigerDialog(LabObject& counter) override { return ShowGeigerDialog(Bench(), counter); }
};

BenchWindowSeams benchSeams;
BenchWindowCommandSeams commandSeams;

}  // namespace

BenchSeams& BenchWindowBenchSeams() { return benchSeams; }

void InstallBenchWindowSeams() {
    if (MarqueeBrush) SetSelectionMarqueeBrush(MarqueeBrush);
    // The simulation seams wrap these, so the tick and the catalogue share one.
    SetBenchSeams(&BenchWindowSimSeams());
    SetBenchCommandSeams(&commandSeams);
    InstallArrangeSeams();
    InstallContentsSeams();
}

void RegisterBenchCommands() {
    InstallBenchWindowSeams();
    RegisterAddEquipmentCommands();
    RegisterArrangeCommands();
    InstallInstrumentWindowSeams();
    RegisterInstrumentCommands();
    RegisterContentsCommands();
    RegisterRecordingCommands();
    RegisterDocumentCommands();
    RegisterDemoPlaybackCommands();
    RegisterEditCommandsOnWindows();
    InstallPrintSeams();
}
