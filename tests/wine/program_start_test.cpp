// Starts the program's windows in this process, as WinMain does, and drives
// them with real messages: the windows, the first lab, every add-equipment
// command, the equipment limit and the save prompt on close. The program's
// state is global, so the whole suite shares one start.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/settings/settings.h"
#include "app/frame/startup_win.h"
#include "app/frame/toolbars_win.h"
#include "app/settings/settings_win.h"
#include "resources/brevane/shell_ids.h"
#include "app/shell/select_object.h"
#include "bench/commands/command_router.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/window/bench_seams.h"
#include "bench/model/bench_state.h"
#include "bench/window/bench_window_win.h"
#include "bench/window/bench_mouse_win.h"
#include "bench/commands/arrange/selection_drag.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_seams_win.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/titration_buffer.h"
#include "common/component_slot.h"
#include "common/lab_style.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "student_hands.h"

namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(length);
    return text;
}

std::string ProgramString(int id) {
    char text[512] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

// Dispatches this thread's messages until done() holds (true) or about ms
// milliseconds have passed (false); a WM_QUIT taken sets *quit.
bool PumpUntil(const std::function<bool()>& done, int ms, bool* quit = nullptr) {
    for (int waited = 0;; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT && quit) *quit = true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A driver step that presses a button and says it has.
DialogDriver::Step PressAndNote(int button, std::atomic<int>* pressed) {
    return [button, pressed](HWND dialog) {
        Press(button)(dialog);
        ++*pressed;
    };
}

void Post(int command) { PostMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }
void Pump(int ms) { PumpUntil([] { return false; }, ms); }

std::vector<int32_t> TypesOnBench() {
    std::vector<int32_t> types;
    for (int i = 1; i <= LabObjectCount; ++i) types.push_back(LabObjects[i].type);
    std::sort(types.begin(), types.end());
    return types;
}

// A 100 ml beaker of 50 ml water at 293 K with a burner under it, as the
// menu commands build them; the beaker is object 1.
void BeakerOfWaterOnABurner() {
    ResetBench();
    Post(kCmdAdd100Beaker);
    PumpUntil([] { return LabObjectCount == 1; }, 2000);
    SelectedObject = 1;
    ObjectSelected = true;
    Post(kCmdAddBunsenBurner);
    PumpUntil([] { return LabObjectCount == 2; }, 2000);
    SelectedObject = 0;
    ObjectSelected = false;
    LabObject& beaker = LabObjects[1];
    AddComponent(beaker, kCasWater, kPhaseLiquid, 50, 293);
    beaker.liquidVolume = 500;
    beaker.temperature = 293;
}

// Stand-ins for the loaded module's style and hook, noting when they run.
std::atomic<uint32_t> StandInStyle{0};
std::vector<uint32_t> HookTicks;
int StyleCalls = 0;
int LAB_MODULE_CALL StandInQueryLabStyle() {
    ++StyleCalls;
    return static_cast<int>(StandInStyle.load());
}
int LAB_MODULE_CALL StandInSimulationProc(int count, LabObject* base) {
    HookTicks.push_back(LabTickCount);
    EXPECT_EQ(count, LabObjectCount);
    EXPECT_EQ(base, LabObjects);
    return 0;
}

// Puts the stand-ins in the module's table for one scope.
class StandInModuleEntries {
public:
    StandInModuleEntries() : style_(PluginTable.QueryLabStyle), hook_(PluginTable.LabSimulationProc) {
        PluginTable.QueryLabStyle = StandInQueryLabStyle;
        PluginTable.LabSimulationProc = StandInSimulationProc;
        HookTicks.clear();
        StyleCalls = 0;
    }
    ~StandInModuleEntries() {
        PluginTable.QueryLabStyle = style_;
        PluginTable.LabSimulationProc = hook_;
        StandInStyle = 0;
    }

private:
    QueryLabStyleEntry* style_;
    LabSimulationProcEntry* hook_;
};

class ProgramStart : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Any box start-up shows is cancelled and counted, so a failure
        // cannot hang here.
        started_ = EnsureProgramWindows(&startupBoxes_);
    }
    static void TearDownTestSuite() {
        if (FrameWindow && IsWindow(FrameWindow)) {
            DialogDriver boxes({});
            DocumentModified = false;
            DestroyWindow(FrameWindow);
        }
        bool quit = false;
        PumpUntil([&] { return quit; }, 500, &quit);
        SetBenchSeams(nullptr);
        SetBenchCommandSeams(nullptr);
        SetModuleHostPanes(ModuleHostPanes{});
        SetModuleHostServices(DefaultModuleHostServices());
    }
    void SetUp() override {
        ASSERT_TRUE(started_);
        ASSERT_TRUE(EnsureProgramWindows());  // an earlier test may have closed the frame
    }

    static bool started_;
    static std::vector<SeenDialog> startupBoxes_;
};

bool ProgramStart::started_ = false;
std::vector<SeenDialog> ProgramStart::startupBoxes_;

}  // namespace

TEST_F(ProgramStart, BuildsEveryWindowAndShowsTheGenericLabsIntroduction) {
    EXPECT_TRUE(startupBoxes_.empty()) << startupBoxes_[0].text;
    WNDCLASSA info;
    for (const char* name : {"Brevane", "BrevaneSpaceWnd", "GraphData"})
        EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), name, &info)) << name;

    EXPECT_EQ(ClassOf(FrameWindow), "Brevane");
    EXPECT_EQ(TextOf(FrameWindow).rfind("Brevane", 0), 0u);
    EXPECT_NE(GetMenu(FrameWindow), nullptr);
    EXPECT_EQ(ClassOf(BenchWindow), "BrevaneSpaceWnd");
    EXPECT_EQ(GetParent(BenchWindow), FrameWindow);
    EXPECT_EQ(ClassOf(DataWindow), "GraphData");
    EXPECT_FALSE(IsWindowVisible(DataWindow)) << "the data window starts hidden";
    EXPECT_EQ(ClassOf(StatusBar), STATUSCLASSNAMEA);
    EXPECT_TRUE(IsWindowVisible(StatusBar));
    EXPECT_EQ(SendMessageA(StatusBar, SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(ClassOf(TabControl), WC_TABCONTROLA);
    EXPECT_EQ(TabCtrl_GetItemCount(TabControl), 3);
    EXPECT_EQ(TabCtrl_GetCurSel(TabControl), 0);
    EXPECT_TRUE(SimulationRunning);

    // The bench fills the frame right of the panes.
    RECT bench, frame;
    GetWindowRect(BenchWindow, &bench);
    GetClientRect(FrameWindow, &frame);
    MapWindowPoints(FrameWindow, nullptr, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(bench.left - frame.left, PaneWidth);
    EXPECT_GT(bench.right - bench.left, 100);
    EXPECT_GT(bench.bottom - bench.top, 100);

    ASSERT_NE(LabModuleHandle, nullptr) << "the default lab is loaded";
    for (int which = 0; which < 3; ++which) {
        SCOPED_TRACE(which);
        HWND pane = TextPaneWindow(which);
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(GetParent(pane), FrameWindow);
        EXPECT_EQ(IsWindowVisible(pane) != 0, which == 0) << "only the Introduction shows";
        RECT r;
        GetWindowRect(pane, &r);
        EXPECT_GT(r.bottom - r.top, 50) << "laid out after the lab loaded";
    }
    const std::string introduction = TextOf(TextPaneWindow(0));
    EXPECT_EQ(introduction.rfind("Generic Lab", 0), 0u) << introduction.substr(0, 80);
    EXPECT_EQ(TextOf(TextPaneWindow(1)).rfind("Procedure", 0), 0u);
    EXPECT_EQ(TextOf(TextPaneWindow(2)).rfind("Observations", 0), 0u);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(ProgramStart, EveryAddEquipmentCommandFromTheMenuPutsItsEquipmentOnTheBench) {
    struct Case {
        int command;
        int32_t type;  // 0: its dialog is cancelled, so nothing stays on the bench
    };
    const Case cases[] = {
        {kCmdAdd600Beaker, kBeaker}, {kCmdAdd100Beaker, kBeaker}, {kCmdAdd250Beaker, kBeaker},
        {kCmdAdd100Erlenmeyer, kErlenmeyerFlask}, {kCmdAdd250Erlenmeyer, kErlenmeyerFlask},
        {kCmdAddFlorenceFlask, kFlorenceFlask}, {kCmdAddTestTube, kTestTube}, {kCmdAdd10TestTube, kTestTube},
        {kCmdAddBuretBody, kBuret}, {kCmdAddBuret, kBuret}, {kCmdAddBunsenBurner, kBunsenBurner},
        {kCmdAddWatchGlass, kWatchGlass}, {kCmdAddEvaporationDish, kEvaporationDish},
        {kCmdAdd10Cylinder, kGraduatedCylinder}, {kCmdAdd100Cylinder, kGraduatedCylinder},
        {kCmdAddCalorimeter, kCalorimeter}, {kCmdAddConductivityMeter, kConductivityMeter},
        {kCmdAddHotPlate, kHotPlate}, {kCmdAddRoundBottomFlask, kRoundBottomFlask},
        {kCmdAddMetalWire, kMetalWire}, {kCmdAddElectrochemicalCell, kElectrochemicalCell},
        {kCmdAddEyeDropper, kEyeDropper}, {kCmdAddCentigramBalance, kCentigramBalance},
        {kCmdAddElectronicBalance, kElectronicBalance}, {kCmdAddHighSensitivityBalance, kHighSensitivityBalance},
        {kCmdAdd10Pipet, kPipet}, {kCmdAdd35Pipet, kPipet}, {kCmdAddInvertedBuret, kInvertedBuret},
        {kCmdAddSpectrophotometer, kCuvette}, {kCmdAddDumasBulb, kDumasBulb},
        {kCmdAdd250Volumetric, kVolumetricFlask}, {kCmdAdd100Volumetric, kVolumetricFlask},
        {kCmdAddSyringeGauge, 0}, {kCmdAddSyringeSealed, 0}, {kCmdAddGeigerCounter, 0},
        {kCmdAddPaperChromatography, kPaperChromatography}, {kCmdAddSeparatoryFunnel, kSeparatoryFunnel},
    };
    ResetBench();
    UndoValid = true;
    std::vector<int32_t> expected;
    for (const Case& c : cases) {
        Post(c.command);
        if (c.type) expected.push_back(c.type);
    }
    std::sort(expected.begin(), expected.end());
    DialogDriver boxes({});
    PumpUntil([&] { return LabObjectCount == static_cast<int>(expected.size()); }, 5000);
    Pump(100);
    boxes.Finish();

    EXPECT_EQ(LabObjectCount, static_cast<int>(expected.size()));
    EXPECT_EQ(TypesOnBench(), expected);
    EXPECT_TRUE(DocumentModified);
    EXPECT_FALSE(UndoValid);
    // Only the instrument dialogs and the buret's Titration dialog open; the
    // driver cancels each.
    int instrumentDialogs = 0;
    for (const SeenDialog& seen : boxes.Seen()) {
        if (seen.caption.rfind("Titration - ", 0) == 0) continue;
        ++instrumentDialogs;
        EXPECT_TRUE(seen.caption == "Electrochemical cell" || seen.caption == "Spectrophotometer Settings" ||
                    seen.caption == "Initial Gas Syringe Volume" || seen.caption == "Geiger Counter Track Assembly")
            << seen.caption;
    }
    EXPECT_EQ(instrumentDialogs, 5);
    CloseTitrationDialog();  // so no later driver meets it
    EXPECT_EQ(TimerPauseDepth(), 0) << "every dialog's pause ended";

    // The aliases of the toolbar run the same handlers.
    const int before = LabObjectCount;
    Post(16);  // 100 ml beaker
    Post(15);  // Bunsen burner
    PumpUntil([&] { return LabObjectCount == before + 2; }, 2000);
    ASSERT_EQ(LabObjectCount, before + 2);
    EXPECT_EQ(LabObjects[before + 1].type, kBeaker);
    EXPECT_EQ(LabObjects[before + 2].type, kBunsenBurner);
}

TEST_F(ProgramStart, TheFiftyFirstPieceShowsTheLimitBoxAndLeavesTheBenchAsItWas) {
    ResetBench();
    for (int i = 0; i < kMaxLabObjects; ++i) Post(kCmdAdd100Beaker);
    PumpUntil([] { return LabObjectCount == kMaxLabObjects; }, 5000);
    ASSERT_EQ(LabObjectCount, kMaxLabObjects);

    std::atomic<int> pressed{0};
    DialogDriver boxes({PressAndNote(IDOK, &pressed)});
    Post(kCmdAddTestTube);
    EXPECT_TRUE(PumpUntil([&] { return pressed > 0; }, 5000));
    Pump(200);
    boxes.Finish();
    const std::vector<SeenDialog>& seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Brevane");
    const std::string warning = ProgramString(203);
    EXPECT_GT(warning.size(), 128u);
    EXPECT_EQ(seen[0].text, warning) << "the whole warning, not its first 128 characters";
    EXPECT_EQ(LabObjectCount, kMaxLabObjects);
    EXPECT_EQ(LabObjects[kMaxLabObjects].type, kBeaker);
    // The box paused the timer and the end of the pause started it again.
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(KillTimer(BenchWindow, kLabTimerId));
    SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr);
}

TEST_F(ProgramStart, SelectionFrameIsOnePixelOutsideTheRectAndGoesAwayWhenDrawnAgain) {
    ResetBench();
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);
    const RectI32 rect{40, 30, 90, 70};
    // Every pixel from a few outside the frame to well inside it.
    const int x0 = 36, y0 = 26, x1 = 96, y1 = 76;
    auto grab = [&] {
        std::vector<COLORREF> pixels;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) pixels.push_back(GetPixel(BenchDC, x, y));
        return pixels;
    };
    const std::vector<COLORREF> before = grab();
    BenchSeams& seams = CurrentBenchSeams();
    seams.DrawSelectionFrame(rect);
    GdiFlush();
    const std::vector<COLORREF> framed = grab();
    int changedOnEdge[4] = {};  // top, bottom, left, right
    const int left = rect.left - 1, top = rect.top - 1, right = rect.right + 1, bottom = rect.bottom + 1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const size_t i = static_cast<size_t>((y - y0) * (x1 - x0) + (x - x0));
            if (framed[i] == before[i]) continue;
            const bool within = x >= left && x <= right && y >= top && y <= bottom;
            const bool ring = within && (x == left || x == right || y == top || y == bottom);
            EXPECT_TRUE(ring) << "changed off the frame at " << x << "," << y;
            if (y == top) ++changedOnEdge[0];
            if (y == bottom) ++changedOnEdge[1];
            if (x == left) ++changedOnEdge[2];
            if (x == right) ++changedOnEdge[3];
        }
    for (int edge = 0; edge < 4; ++edge) EXPECT_GT(changedOnEdge[edge], 5) << "edge " << edge;
    seams.DrawSelectionFrame(rect);
    GdiFlush();
    EXPECT_TRUE(grab() == before) << "drawing it again removes it";

    // The bench's own DC measures the client area and the invalidated parts.
    RECT client;
    GetClientRect(BenchWindow, &client);
    const RectI32 logical = seams.BenchClientRect();
    EXPECT_EQ(logical.right - logical.left, client.right);
    EXPECT_EQ(logical.bottom - logical.top, client.bottom);
    ValidateRect(BenchWindow, nullptr);
    seams.InvalidateLogicalRect(rect);
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(BenchWindow, &dirty, FALSE));
    EXPECT_EQ(dirty.left, rect.left);
    EXPECT_EQ(dirty.top, rect.top);
    EXPECT_EQ(dirty.right, rect.right);
    EXPECT_EQ(dirty.bottom, rect.bottom);
    EXPECT_DOUBLE_EQ(seams.DpiFactor(), DpiFactor);
    EXPECT_EQ(seams.FullScreenHeight(), GetSystemMetrics(SM_CYFULLSCREEN));
}

TEST_F(ProgramStart, BurnerUnderASelectedBeakerGivesItTheHeatSettingClampedToItsRange) {
    const int32_t setting = BunsenBurnerHeat;
    const int32_t cases[][2] = {{2, 2}, {7, 7}, {150, 99}, {0, 1}};  // setting, heat given
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        BunsenBurnerHeat = c[0];
        ResetBench();
        Post(kCmdAdd100Beaker);
        ASSERT_TRUE(PumpUntil([] { return LabObjectCount == 1; }, 2000));
        SelectedObject = 1;
        ObjectSelected = true;
        Post(kCmdAddBunsenBurner);
        ASSERT_TRUE(PumpUntil([] { return LabObjectCount == 2; }, 2000));
        EXPECT_EQ(LabObjects[2].type, kBunsenBurner);
        EXPECT_EQ(LabObjects[1].heatApplied, c[1]);
        EXPECT_EQ(LabObjects[2].position.top, LabObjects[1].position.bottom + 10);
    }
    BunsenBurnerHeat = setting;
    SelectedObject = 0;
    ObjectSelected = false;
}

TEST_F(ProgramStart, TheTimerWarmsWaterOverABurnerAndEverySlotTakesTheBeakersTemperature) {
    BeakerOfWaterOnABurner();
    const uint32_t ticks = LabTickCount;
    const LabObject& beaker = LabObjects[1];
    EXPECT_TRUE(PumpUntil([&] { return beaker.temperature > 294; }, 8000))
        << "still " << beaker.temperature << " K after " << LabTickCount - ticks << " ticks";
    EXPECT_GT(LabTickCount - ticks, 5u);
    EXPECT_EQ(beaker.heatApplied, BunsenBurnerHeat) << "the setting, read by the tick";
    EXPECT_FLOAT_EQ(static_cast<float>(beaker.slots[0].kelvin), beaker.temperature)
        << "the pass after the module's hook";
    // Away from the burner it gets no heat and cools.
    LabObjects[2].position.left += 400;
    LabObjects[2].position.right += 400;
    const float hottest = beaker.temperature;
    EXPECT_TRUE(PumpUntil([&] { return beaker.temperature < hottest; }, 8000));
    EXPECT_EQ(beaker.heatApplied, 0);
    ResetBench();
}

TEST_F(ProgramStart, TheModuleHookRunsOnHeavyTicksOnlyAndItsStyleIsAskedOnEveryTick) {
    BeakerOfWaterOnABurner();
    StandInModuleEntries entries;
    struct Case {
        const char* what;
        uint32_t style;
        bool warms;
    };
    const Case cases[] = {
        {"style 0: the built-in heat runs", 0, true},
        {"the module does its own heat", kStyleNoThermalStep, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StandInStyle = c.style;
        LabObjects[1].temperature = 293;
        HookTicks.clear();
        StyleCalls = 0;
        const uint32_t first = LabTickCount;
        ASSERT_TRUE(PumpUntil([] { return HookTicks.size() >= 4; }, 8000));
        const uint32_t ticks = LabTickCount - first;
        for (uint32_t tick : HookTicks) EXPECT_EQ(tick % kHeavyTickPeriod, 0u) << tick;
        EXPECT_GE(StyleCalls, static_cast<int>(ticks));
        EXPECT_EQ(LabObjects[1].temperature > 293, c.warms) << LabObjects[1].temperature;
        EXPECT_GT(LabObjects[1].heatApplied, 0) << "the burner still serves the beaker";
    }

    // Without a module handle the table's entries are never called.
    HMODULE module = LabModuleHandle;
    LabModuleHandle = nullptr;
    HookTicks.clear();
    StyleCalls = 0;
    const uint32_t first = LabTickCount;
    PumpUntil([&] { return LabTickCount - first >= 2 * kHeavyTickPeriod; }, 8000);
    const bool hookWithoutModule = BenchWindowSimSeams().HasLabSimulationProc();
    LabModuleHandle = module;
    EXPECT_GE(LabTickCount - first, 2 * kHeavyTickPeriod);
    EXPECT_TRUE(HookTicks.empty());
    EXPECT_EQ(StyleCalls, 0);
    EXPECT_FALSE(hookWithoutModule);
    ResetBench();
}

TEST_F(ProgramStart, SimulationSeamsDrawOnTheRealBenchAndDataWindow) {
    SimSeams& seams = BenchWindowSimSeams();
    EXPECT_EQ(&CurrentBenchSeams(), static_cast<BenchSeams*>(&seams)) << "the catalogue and the tick share one";

    // The whole bench is invalidated.
    RECT client, dirty;
    GetClientRect(BenchWindow, &client);
    ValidateRect(BenchWindow, nullptr);
    seams.InvalidateBench();
    ASSERT_TRUE(GetUpdateRect(BenchWindow, &dirty, FALSE));
    EXPECT_TRUE(EqualRect(&dirty, &client));

    // The window colour fills just the rectangle.
    KillTimer(BenchWindow, kLabTimerId);
    ResetBench();
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT area{20, 20, 80, 60};
    FillRect(BenchDC, &area, black);
    seams.EraseWithWindowColour({30, 30, 70, 40});
    GdiFlush();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(GetPixel(BenchDC, 30, 30), window);
    EXPECT_EQ(GetPixel(BenchDC, 69, 39), window);
    EXPECT_EQ(GetPixel(BenchDC, 50, 40), RGB(0, 0, 0)) << "the bottom edge is outside";
    EXPECT_EQ(GetPixel(BenchDC, 70, 35), RGB(0, 0, 0)) << "the right edge is outside";
    EXPECT_EQ(GetPixel(BenchDC, 29, 35), RGB(0, 0, 0));
    SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr);

    // The data window is redrawn only while it shows.
    ASSERT_FALSE(IsWindowVisible(DataWindow));
    ValidateRect(DataWindow, nullptr);
    seams.InvalidateDataWindow();
    EXPECT_FALSE(GetUpdateRect(DataWindow, nullptr, FALSE)) << "hidden";
    ShowWindow(DataWindow, SW_SHOWNOACTIVATE);
    UpdateWindow(DataWindow);
    seams.InvalidateDataWindow();
    EXPECT_TRUE(GetUpdateRect(DataWindow, nullptr, FALSE)) << "shown";
    ShowWindow(DataWindow, SW_HIDE);

    EXPECT_FALSE(seams.TitrationWindowOpen());

    // The frame's clean-up frees the collected titration points.
    ASSERT_TRUE(ReserveTitrationPoint(TitrationPoints));
    FreeTitrationPoints();
    EXPECT_EQ(TitrationPoints.points, nullptr);
    EXPECT_EQ(TitrationPoints.capacity, 0);
}

// Last: it closes the frame the other tests need.
TEST_F(ProgramStart, MenuItemsWithoutAHandlerAreGreyedWhenTheirMenuOpens) {
    HMENU bar = GetMenu(FrameWindow);
    ASSERT_NE(bar, nullptr);
    HMENU file = GetSubMenu(bar, 0), equipment = GetSubMenu(bar, 2), procedures = GetSubMenu(bar, 4);
    ASSERT_TRUE(file && equipment && procedures);
    for (HMENU popup : {file, equipment, procedures})
        SendMessageA(FrameWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    auto grey = [](HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_TRUE(grey(procedures, 88));   // Pour/Decant: not built yet
    EXPECT_FALSE(grey(equipment, 55));   // Bunsen Burner
    EXPECT_FALSE(grey(equipment, 89));   // 50 ml Buret
    EXPECT_FALSE(grey(file, 35));        // Exit, handled by the frame
    EXPECT_FALSE(grey(file, 197));       // Start Recording
}

TEST_F(ProgramStart, EditKeysGoToAFocusedTextPaneNotToTheBench) {
    HWND observations = TextPaneWindow(2);
    ASSERT_NE(observations, nullptr);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE withCtrl[256];
    memcpy(withCtrl, keys, sizeof withCtrl);
    withCtrl[VK_CONTROL] = 0x80;
    SetKeyboardState(withCtrl);
    MSG copy = {};
    copy.message = WM_KEYDOWN;
    copy.wParam = 'C';
    MSG help = copy;
    help.wParam = VK_F1;
    SetFocus(observations);
    EXPECT_FALSE(AcceleratorsApply(copy));
    EXPECT_TRUE(AcceleratorsApply(help));
    SetFocus(BenchWindow);
    EXPECT_TRUE(AcceleratorsApply(copy));
    SetKeyboardState(keys);
}

TEST_F(ProgramStart, CtrlArrowsCycleTheSelectionAndWrapRound) {
    ResetBench();
    for (int i = 0; i < 3; ++i) SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    ASSERT_EQ(LabObjectCount, 3);
    auto ctrl = [](bool down) {  // the bench reads the key's real state
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_CONTROL;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
        for (int i = 0; i < 20 && ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down; ++i) Pump(10);
    };
    SelectedObject = LabObjectCount;
    ObjectSelected = true;
    ctrl(true);
    if (!(GetAsyncKeyState(VK_CONTROL) & 0x8000)) {
        ctrl(false);
        GTEST_SKIP() << "this display takes no synthetic key presses";
    }
    SendMessageA(BenchWindow, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(SelectedObject, 1);  // past the last: the first
    SendMessageA(BenchWindow, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(SelectedObject, LabObjectCount);  // below the first: the last
    ctrl(false);
    SendMessageA(BenchWindow, WM_KEYDOWN, VK_RIGHT, 0);  // without Ctrl: nothing
    EXPECT_EQ(SelectedObject, LabObjectCount);
    SelectedObject = 0;
    ObjectSelected = false;
}

TEST_F(ProgramStart, ADpiChangeReTemplatesEveryObjectKeepingItsPlace) {
    ResetBench();
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    ASSERT_EQ(LabObjectCount, 1);
    LabObject& o = LabObjects[1];
    const RectI32 before = o.position;
    o.pictureWidth += 7;  // a head that no longer matches its row
    SendMessageA(FrameWindow, WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
    EXPECT_EQ(o.position.left, before.left);
    EXPECT_EQ(o.position.top, before.top);
    EXPECT_EQ(o.pictureWidth, before.right - before.left);
}

namespace {

// A drop of the given files, as the shell hands it over.
HGLOBAL MakeDrop(const std::vector<std::string>& files) {
    size_t chars = 1;
    for (const auto& f : files) chars += f.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    char* names = reinterpret_cast<char*>(drop + 1);
    for (const auto& f : files) {
        memcpy(names, f.c_str(), f.size() + 1);
        names += f.size() + 1;
    }
    GlobalUnlock(block);
    return block;
}

std::string PaneText(HWND pane) {
    char text[512] = {};
    GetWindowTextA(pane, text, sizeof text);
    return text;
}

}  // namespace

TEST_F(ProgramStart, OneDroppedNotesFileReplacesTheObservationsAndTwoDoNothing) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string notes = std::string(folder) + "notes.RTF";
    FILE* f = fopen(notes.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("{\\rtf1\\ansi Dropped notes\\par}", f);
    fclose(f);
    HWND observations = ObservationsPane();
    SetWindowTextA(observations, "Before");

    ENDROPFILES drop = {};
    drop.hDrop = MakeDrop({notes, notes});
    DropFilesOnObservations(&drop);
    EXPECT_EQ(PaneText(observations).find("Before"), 0u);
    GlobalFree(drop.hDrop);

    drop.hDrop = MakeDrop({notes});
    DropFilesOnObservations(&drop);
    EXPECT_NE(PaneText(observations).find("Dropped notes"), std::string::npos);
    EXPECT_EQ(PaneText(observations).find("Before"), std::string::npos);
    GlobalFree(drop.hDrop);
    DeleteFileA(notes.c_str());
}

TEST_F(ProgramStart, DroppedNotesNestedTooDeepAreRefused) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string notes = std::string(folder) + "deep notes.rtf";
    HWND observations = ObservationsPane();
    const std::string deep = "{\\rtf1" + std::string(56, '{') + "x" + std::string(56, '}') + "}";
    for (const std::string& rtf : {deep, std::string("{\\rtf1 {\\b never ends")}) {
        FILE* f = fopen(notes.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(rtf.data(), 1, rtf.size(), f);
        fclose(f);
        SetWindowTextA(observations, "Before");
        ENDROPFILES drop = {};
        drop.hDrop = MakeDrop({notes});
        DropFilesOnObservations(&drop);
        GlobalFree(drop.hDrop);
        EXPECT_EQ(PaneText(observations), "Before");
    }
    DeleteFileA(notes.c_str());
}

TEST_F(ProgramStart, AddingABuretOpensItsTitrationDialogAndASecondBuretTakesItOver) {
    CloseTitrationDialog();
    ResetBench();
    Post(kCmdAdd100Beaker);
    PumpUntil([] { return LabObjectCount == 1; }, 2000);
    SelectedObject = 1;
    ObjectSelected = true;
    Post(kCmdAddBuret);
    ASSERT_TRUE(PumpUntil([] { return TitrationWindow != nullptr; }, 2000));
    EXPECT_EQ(TextOf(TitrationWindow), "Titration - unlabelled");
    ASSERT_EQ(TitrationDialogBuret(), 2);
    HWND slider = GetDlgItem(TitrationWindow, 1007);
    SendMessageA(slider, TBM_SETPOS, TRUE, 5);
    SendMessageA(TitrationWindow, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 5), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(LabObjects[2].flowSetting, 5.0);

    SelectedObject = 0;
    ObjectSelected = false;
    Post(kCmdAddBuret);
    ASSERT_TRUE(PumpUntil([] { return TitrationDialogBuret() == 3; }, 2000));
    EXPECT_EQ(LabObjects[2].flowSetting, 0.0) << "the first buret's stopcock was closed";
    SendMessageA(TitrationWindow, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(TitrationWindow, nullptr);
    EXPECT_EQ(LabObjects[3].flowSetting, 0.0);
}

TEST_F(ProgramStart, ClosingAChangedLabAsksToSaveAndNoEndsTheProgram) {
    DocumentModified = true;
    DialogDriver boxes({Press(IDNO)});
    PostMessageA(FrameWindow, WM_CLOSE, 0, 0);
    bool quit = false;
    const bool ended = PumpUntil([&] { return quit; }, 5000, &quit);
    EXPECT_TRUE(ended) << "WM_QUIT posted";
    boxes.Finish();
    const std::vector<SeenDialog>& seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Brevane");
    EXPECT_NE(seen[0].text.find("Save current changes in"), std::string::npos) << seen[0].text;
    EXPECT_FALSE(IsWindow(FrameWindow));
    EXPECT_EQ(LabModuleHandle, nullptr) << "the lab module is unloaded with the frame";

    // The position was stored as the string and its NUL, nothing after it.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quillmar\\Brevane Pro", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char pos[128] = {};
    DWORD size = sizeof pos, type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "Pos", nullptr, &type, reinterpret_cast<BYTE*>(pos), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, std::strlen(pos) + 1) << pos;
}

// ---- the mouse on the bench, combining and the toolbars ----

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
void PressOnBench(int x, int y) { SendMessageA(BenchWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
void MoveOnBench(int x, int y) { SendMessageA(BenchWindow, WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
void ReleaseOnBench(int x, int y) { SendMessageA(BenchWindow, WM_LBUTTONUP, 0, At(x, y)); }

// The lab timer is set exactly when killing it succeeds; it is set again.
bool LabTimerRunning() {
    const bool running = KillTimer(BenchWindow, kLabTimerId) != 0;
    if (running) SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr);
    return running;
}

void PlaceAt(int32_t index, int32_t left, int32_t top) {
    RectI32& r = LabObjects[index].position;
    const int32_t w = r.right - r.left, h = r.bottom - r.top;
    r = {left, top, left + w, top + h};
}


// Two 100 ml beakers side by side at (60, 40) and (260, 40).
void TwoBeakers() {
    ResetBench();
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    PlaceAt(1, 60, 40);
    PlaceAt(2, 260, 40);
    RepaintBench();
}

std::vector<std::pair<HWND, int32_t>> PropertiesOpened;
void NotePropertiesDialog(HWND bench, int32_t object) { PropertiesOpened.emplace_back(bench, object); }

}  // namespace

TEST_F(ProgramStart, AClickSelectsWithAFrameAndADragMovesByTheExactDeltaPaintingOnlyAtRelease) {
    TwoBeakers();
    const RectI32 r = LabObjects[1].position;
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    HDC dc = GetDC(BenchWindow);
    const COLORREF edgeBefore = GetPixel(dc, r.left - 1, cy);
    PressOnBench(cx, cy);
    EXPECT_EQ(TimerPauseDepth(), 1) << "a press holds the timer";
    ReleaseOnBench(cx, cy);
    GdiFlush();
    EXPECT_TRUE(ObjectSelected);
    EXPECT_EQ(SelectedObject, 1);
    EXPECT_NE(GetPixel(dc, r.left - 1, cy), edgeBefore) << "the frame shows one pixel outside";
    ReleaseDC(BenchWindow, dc);
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(LabTimerRunning());

    // A hundred moves: nothing invalidated, nothing painted.
    ValidateRect(BenchWindow, nullptr);
    PressOnBench(cx, cy);
    RECT dirty;
    bool invalidated = false;
    for (int s = 1; s <= 100; ++s) {
        MoveOnBench(cx + s, cy + s / 4);
        invalidated = invalidated || GetUpdateRect(BenchWindow, &dirty, FALSE);
    }
    EXPECT_FALSE(invalidated);
    ReleaseOnBench(cx + 100, cy + 25);
    EXPECT_EQ(LabObjects[1].position.left, r.left + 100);
    EXPECT_EQ(LabObjects[1].position.top, r.top + 25);
    EXPECT_FALSE(ObjectSelected) << "a drag leaves nothing selected";
    UpdateWindow(BenchWindow);
    RECT area = {0, 0, 500, 300};
    const std::vector<COLORREF> afterRelease = BenchPixels(area);
    RepaintBench();
    EXPECT_TRUE(BenchPixels(area) == afterRelease) << "the release leaves what a fresh paint draws";
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(LabTimerRunning());
}

TEST_F(ProgramStart, ABandPicksBothBeakersAndAGroupIsPickedInItsGap) {
    TwoBeakers();
    PressOnBench(20, 20);
    MoveOnBench(300, 200);
    MoveOnBench(600, 400);
    ReleaseOnBench(600, 400);
    ASSERT_TRUE(MultiSelection.active);
    EXPECT_EQ(MultiSelection.memberCount, 2);
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdGroup, 0), 0);
    EXPECT_EQ(LabObjects[1].groupMemberCount, 2);
    PressOnBench(700, 500);  // empty bench: the multi-selection ends
    ReleaseOnBench(700, 500);
    EXPECT_FALSE(MultiSelection.active);

    const int gapX = LabObjects[1].position.right + 5, gapY = LabObjects[1].position.top + 10;
    PressOnBench(gapX, gapY);
    ReleaseOnBench(gapX, gapY);
    ASSERT_TRUE(MultiSelection.active);
    EXPECT_EQ(MultiSelection.memberCount, 2);
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdUngroup, 0), 0);
    EXPECT_EQ(LabObjects[1].groupMemberCount, 0);
    EXPECT_FALSE(MultiSelection.active);
    EXPECT_EQ(TimerPauseDepth(), 0);
}

TEST_F(ProgramStart, CaptureTakenMidDragEndsThePressAndTheTimerRunsAgain) {
    TwoBeakers();
    const RectI32 r = LabObjects[2].position;
    PressOnBench(r.left + 10, r.top + 10);
    MoveOnBench(r.left + 30, r.top + 10);
    EXPECT_EQ(TimerPauseDepth(), 1);
    SetCapture(FrameWindow);
    ReleaseCapture();
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(LabTimerRunning());
    EXPECT_EQ(LabObjects[2].position.left, r.left + 20);
    ReleaseOnBench(r.left + 80, r.top + 10);  // a late release changes nothing
    EXPECT_EQ(LabObjects[2].position.left, r.left + 20);
    EXPECT_EQ(TimerPauseDepth(), 0);
}

TEST_F(ProgramStart, ADoubleClickOnASelectedBeakerReachesThePropertiesStandIn) {
    TwoBeakers();
    PropertiesOpened.clear();
    SetPropertiesDialogOpener(NotePropertiesDialog);
    const RectI32 r = LabObjects[1].position;
    const int x = r.left + 3, y = r.top + 3;  // off the label area
    PressOnBench(x, y);
    ReleaseOnBench(x, y);
    SendMessageA(BenchWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, At(x, y));
    ReleaseOnBench(x, y);
    SetPropertiesDialogOpener(nullptr);
    ASSERT_EQ(PropertiesOpened.size(), 1u);
    EXPECT_EQ(PropertiesOpened[0].second, 1);
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(LabTimerRunning());
}

TEST_F(ProgramStart, ASplitterDragSetsThePaneColumnAndLaysTheFrameOut) {
    ResetBench();
    const int before = PaneWidth;
    PressOnBench(2, 100);
    EXPECT_TRUE(BenchMouse.splitterDrag);
    POINT target = {0, 100};
    ClientToScreen(FrameWindow, &target);
    target.x += before + 80;
    if (!SetCursorPos(target.x, target.y)) {
        ReleaseOnBench(2, 100);
        GTEST_SKIP() << "the cursor cannot be placed on this display";
    }
    POINT inPane = target;
    ScreenToClient(ObservationsPane(), &inPane);
    MoveOnBench(82, 100);
    ReleaseOnBench(82, 100);
    EXPECT_EQ(PaneWidth, inPane.x);
    RECT bench;
    GetWindowRect(BenchWindow, &bench);
    POINT corner = {bench.left, bench.top};
    ScreenToClient(FrameWindow, &corner);
    EXPECT_EQ(corner.x, PaneWidth) << "the bench starts where the column ends";
    PaneWidth = before;
    LayoutFrame(BenchWindow);
    EXPECT_EQ(TimerPauseDepth(), 0);
}

TEST_F(ProgramStart, CombiningATubeOverABeakerSeatsItAndRefusalsAreShownWithTheTimerPaused) {
    ResetBench();
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAdd100Beaker, 0), 0);
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAddTestTube, 0), 0);
    ASSERT_EQ(LabObjectCount, 2);
    LabObject& beaker = LabObjects[1];
    LabObject& tube = LabObjects[2];
    PlaceAt(1, 100, 200);
    const int32_t tubeWidth = tube.position.right - tube.position.left;
    const int32_t tubeHeight = tube.position.bottom - tube.position.top;
    const int32_t middle = (beaker.position.left + beaker.position.right) / 2;
    PlaceAt(2, middle - tubeWidth / 2, beaker.position.bottom - 20 - tubeHeight);
    RepaintBench();
    SelectedObject = 2;
    ObjectSelected = true;
    {
        DialogDriver none({});  // a box here would be a fault: it is cancelled and counted
        SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdCombine, 0), 0);
        none.Finish();
        EXPECT_EQ(none.Unexpected(), 0);
    }
    EXPECT_EQ(tube.host, 1);
    EXPECT_EQ(beaker.hostedItem, 2);
    EXPECT_EQ(tube.position.bottom, beaker.position.bottom - 50);
    EXPECT_EQ(MultiSelection.memberCount, 2);
    UpdateWindow(BenchWindow);

    // Again: the beaker already hosts it, so 523; then three members, 522.
    std::atomic<int> pressed{0};
    DialogDriver boxes({PressAndNote(IDOK, &pressed), PressAndNote(IDOK, &pressed)});
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdCombine, 0), 0);
    MultiSelection.memberCount = 3;
    MultiSelection.members[2] = 1;
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdCombine, 0), 0);
    boxes.Finish();
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_NE(boxes.Seen()[0].text.find("may not combine"), std::string::npos) << boxes.Seen()[0].text;
    EXPECT_NE(boxes.Seen()[1].text.find("only combine two"), std::string::npos) << boxes.Seen()[1].text;
    EXPECT_EQ(boxes.Unexpected(), 0);
    EXPECT_EQ(TimerPauseDepth(), 0);
    EXPECT_TRUE(LabTimerRunning());
    MultiSelection = MultiSelectionState{};
}

TEST_F(ProgramStart, TheToolbarSendsCommandsNamesItsButtonsAndFollowsTheSelection) {
    ASSERT_NE(MainToolbar, nullptr);
    ASSERT_NE(FormatBar, nullptr);
    EXPECT_EQ(SendMessageA(MainToolbar, TB_BUTTONCOUNT, 0, 0), 32);
    EXPECT_EQ(SendMessageA(FormatBar, TB_BUTTONCOUNT, 0, 0), 7);

    NMTTDISPINFOA tip = {};
    tip.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(MainToolbar, TB_GETTOOLTIPS, 0, 0));
    tip.hdr.idFrom = kCmdAdd100Beaker;
    tip.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(FrameWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(tip.szText, "100ml Beaker");

    ResetBench();
    RECT button;
    ASSERT_TRUE(SendMessageA(MainToolbar, TB_GETRECT, kCmdAdd100Beaker, reinterpret_cast<LPARAM>(&button)));
    const LPARAM middle = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageA(MainToolbar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(MainToolbar, WM_LBUTTONUP, 0, middle);
    Pump(50);
    EXPECT_EQ(LabObjectCount, 1) << "the button added a beaker";

    for (int command : {kCmdToolbarAddWater, kCmdPour, kCmdStirringRod, kCmdThermometer}) {
        SelectLabObject(1, 1);
        const bool expected = (command == kCmdToolbarAddWater ? (LabObjects[1].kindFlags & 0x800) != 0 : true) &&
                              HasCommandHandler(CanonicalCommandId(command));
        if (command == kCmdToolbarAddWater)
            EXPECT_EQ(SendMessageA(MainToolbar, TB_ISBUTTONENABLED, command, 0) != 0, expected);
        SelectLabObject(0, 0);
        EXPECT_FALSE(SendMessageA(MainToolbar, TB_ISBUTTONENABLED, command, 0)) << command;
    }
}

TEST_F(ProgramStart, TwentyStyleChangesThroughTheToolbarOptionsKeepGdiAndUserCounts) {
    RebuildToolbars = RebuildProgramToolbars;  // as the program's start-up installs it
    const int32_t original = MenuStyle >= 1 && MenuStyle <= 3 ? MenuStyle : 3;
    static const int kRadios[3] = {IDC_STYLE_OLD, IDC_STYLE_FLAT_8, IDC_STYLE_FLAT_24};  // styles 1, 2, 3
    auto choose = [](int32_t style) {
        return DialogDriver::Step([style](HWND dialog) {
            CheckRadioButton(dialog, IDC_STYLE_FLAT_24, IDC_STYLE_OLD, kRadios[style - 1]);
            Press(IDOK)(dialog);
        });
    };
    int32_t next = original % 3 + 1;
    {
        DialogDriver first({choose(next)});  // the first change may fill caches
        ShowToolbarOptions(FrameWindow, GetModuleHandleA(nullptr), 0);
    }
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    std::vector<DialogDriver::Step> steps;
    std::vector<int32_t> styles;
    for (int i = 0; i < 20; ++i) {
        next = next % 3 + 1;
        steps.push_back(choose(next));
        styles.push_back(next);
    }
    DialogDriver driver(steps);
    for (int i = 0; i < 20; ++i) {
        ShowToolbarOptions(FrameWindow, GetModuleHandleA(nullptr), 0);
        EXPECT_EQ(MenuStyle, styles[i]);
        ASSERT_NE(MainToolbar, nullptr) << "style " << MenuStyle;
        ASSERT_NE(FormatBar, nullptr) << "style " << MenuStyle;
    }
    driver.Finish();
    EXPECT_EQ(driver.Seen().size(), 20u);
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
    if (MenuStyle != original) {
        DialogDriver back({choose(original)});
        ShowToolbarOptions(FrameWindow, GetModuleHandleA(nullptr), 0);
    }
    EXPECT_EQ(TimerPauseDepth(), 0);
}
