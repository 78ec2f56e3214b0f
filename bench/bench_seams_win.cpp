// The bench seams over the real bench window: its own DC for every logical
// and device conversion, the string table, boxes with the timer paused, and
// stand-ins for the dialogs that are not built yet.
#include "bench/bench_seams_win.h"

#include "app/app_windows_win.h"
#include "app/frame_services_win.h"
#include "app/module_host.h"
#include "bench/add_equipment_commands.h"
#include "bench/bench_command_seams.h"
#include "bench/bench_seams.h"
#include "bench/bench_state.h"
#include "bench/bench_window_win.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Quillmar\\Brevane Pro";

int pauseDepth = 0;

// Seams are installed while the bench is being created, before its handle is
// stored; its own DC already knows the window.
HWND Bench() { return BenchWindow ? BenchWindow : (BenchDC ? WindowFromDC(BenchDC) : nullptr); }

RECT ToRect(const RectI32& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void InvertBand(HDC dc, int x, int y, int width, int height) {
    if (width > 0 && height > 0) PatBlt(dc, x, y, width, height, PATINVERT);
}

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

    RectI32 BenchClientRect() const override {
        RECT r{};
        GetClientRect(Bench(), &r);
        if (BenchDC) DPtoLP(BenchDC, reinterpret_cast<POINT*>(&r), 2);
        return RectI32{r.left, r.top, r.right, r.bottom};
    }

    void WarnPausingTimer(int32_t stringId) override {
        std::string text;
        // The whole text: the equipment-limit warning alone is longer than
        // 128 characters, and a cut warning reads as nonsense.
        if (!LoadResString(stringId, &text)) return;
        BeginLabTimerPause();
        MessageBoxA(Bench(), text.c_str(), "Brevane", MB_OK | MB_ICONWARNING);
        EndLabTimerPause();
    }

    bool LoadResString(int32_t id, std::string* text) const override {
        char buffer[1024];
        const int length = LoadStringA(AppInstance, static_cast<UINT>(id), buffer, sizeof buffer);
        if (length <= 0) return false;
        text->assign(buffer, length);
        return true;
    }

    void InvalidateLogicalRect(const RectI32& rect) override {
        HWND bench = Bench();
        if (!bench) return;
        RECT r = ToRect(rect);
        if (BenchDC) LPtoDP(BenchDC, reinterpret_cast<POINT*>(&r), 2);
        InvalidateRect(bench, &r, FALSE);
    }

    void DrawSelectionFrame(const RectI32& rect) override {
        if (!BenchDC) return;
        HBRUSH brush = MarqueeBrush ? MarqueeBrush : static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        const int left = rect.left - 1, top = rect.top - 1, right = rect.right + 2, bottom = rect.bottom + 2;
        const int width = right - left, height = bottom - top;
        SetBrushOrgEx(BenchDC, 0, 0, nullptr);
        const COLORREF oldBack = SetBkColor(BenchDC, RGB(255, 255, 255));
        const int oldMode = SetBkMode(BenchDC, TRANSPARENT);
        HGDIOBJ old = SelectObject(BenchDC, brush);
        // Four bands that never overlap, so each pixel is inverted once.
        InvertBand(BenchDC, left, top, width, 1);
        InvertBand(BenchDC, left, bottom - 1, width, 1);
        InvertBand(BenchDC, left, top + 1, 1, height - 2);
        InvertBand(BenchDC, right - 1, top + 1, 1, height - 2);
        SelectObject(BenchDC, old);
        SetBkMode(BenchDC, oldMode);
        SetBkColor(BenchDC, oldBack);
    }

    bool DemoRecording() const override { return DemoRecordingActive(); }
    // The recorder is not built yet; nothing is recording.
    void RecordComment(const std::string&, int32_t) override {}

    void NewEquipmentAddition(LabObject& object) override {
        if (LabModuleHandle && PluginTable.NewEquipmentAddition) PluginTable.NewEquipmentAddition(&object);
    }

    // The renderer keeps no particles yet.
    void RemoveObjectParticles(const LabObject&) override {}
    void RenumberParticleOwners(const IndexRemap&) override {}

    // The Titration dialog is not built yet, so it is never open.
    int32_t TitrationBuret() const override { return 0; }
    void TitrationBuretMoved(int32_t, int32_t) override {}
};

class BenchWindowCommandSeams final : public BenchCommandSeams {
public:
    PointI32 CursorLogicalPoint() const override {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(Bench(), &p);
        if (BenchDC) DPtoLP(BenchDC, &p, 1);
        return PointI32{p.x, p.y};
    }

    void RepaintWholeBench() override {
        HWND bench = Bench();
        InvalidateRect(bench, nullptr, TRUE);
        UpdateWindow(bench);
    }

    int32_t BunsenBurnerHeat() const override { return ReadBunsenBurnerHeatSetting(); }
    void PauseTimer() override { BeginLabTimerPause(); }
    void ResumeTimer() override { EndLabTimerPause(); }

    // Until the Titration dialog exists it is never open.
    bool TitrationDialogOpen() const override { return false; }
    void ActivateTitrationDialog(int32_t) override {}
    void OpenTitrationDialog(int32_t) override {}

    // Until their dialogs exist every instrument dialog is cancelled.
    int ElectrodeDialog(LabObject&) override { return 0; }
    int WavelengthDialog(LabObject&) override { return 0; }
    int GasSyringeDialog(LabObject&) override { return 0; }
    int GeigerDialog(LabObject&) override { return 0; }
};

BenchWindowSeams benchSeams;
BenchWindowCommandSeams commandSeams;

}  // namespace

void BeginLabTimerPause() {
    if (pauseDepth++ == 0) KillTimer(Bench(), kLabTimerId);
}

void EndLabTimerPause() {
    if (pauseDepth == 0) return;  // an unmatched end must not start the timer
    if (--pauseDepth == 0 && SimulationRunning)
        SimulationRunning = SetTimer(Bench(), kLabTimerId, kLabTimerMs, nullptr) != 0;
}

int LabTimerPauseDepth() { return pauseDepth; }

int ReadBunsenBurnerHeatSetting() {
    DWORD value = 2, size = sizeof value, type = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 2;
    const LONG read = RegQueryValueExA(key, "BunsenBurnerHeat", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                       &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_DWORD ? static_cast<int>(value) : 2;
}

void InstallBenchWindowSeams() {
    SetBenchSeams(&benchSeams);
    SetBenchCommandSeams(&commandSeams);
}

void RegisterBenchCommands() {
    InstallBenchWindowSeams();
    RegisterAddEquipmentCommands();
}
