// Starts the program's windows in this process, as WinMain does, and drives
// them with real messages: the windows, the first lab, every add-equipment
// command, the equipment limit and the save prompt on close. The program's
// state is global, so the whole suite shares one start.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/app_windows_win.h"
#include "app/frame_services_win.h"
#include "app/module_host_win.h"
#include "app/settings.h"
#include "app/startup_win.h"
#include "app/timer_pause.h"
#include "bench/bench_command_seams.h"
#include "bench/bench_seams.h"
#include "bench/bench_state.h"
#include "bench/bench_window_win.h"
#include "bench/command_ids.h"
#include "bench/lab_objects.h"
#include "bench/selection.h"
#include "dialog_driver.h"

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

class ProgramStart : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Any box start-up shows is cancelled and counted, so a failure
        // cannot hang here.
        DialogDriver boxes({});
        started_ = CreateProgramWindows(GetModuleHandleA(nullptr), nullptr, "");
        Pump(300);
        boxes.Finish();
        startupBoxes_ = boxes.Seen();
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
        if (!IsWindow(FrameWindow)) GTEST_SKIP() << "the frame was closed by an earlier test";
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
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
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

// Last: it closes the frame the other tests need.
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
}
