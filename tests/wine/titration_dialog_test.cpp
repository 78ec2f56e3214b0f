// The modeless Titration dialog on real windows: its title, stopcock,
// read-out, a second buret taking over, renumbering and Cancel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/demo/demo_recorder.h"
#include "app/frame/modeless_dialogs.h"
#include "app/settings/settings.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/instrument_ids.h"
#include "test_window.h"

namespace {

// The bench seams over the real recorder and the program's strings.
class RecorderSeams final : public QuietBench<BenchSeams> {
public:
    bool LoadResString(int32_t id, std::string* text) const override {
        char buffer[512] = {};
        if (!LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer)) return false;
        *text = buffer;
        return true;
    }
    bool DemoRecording() const override { return LabDemoRecorder.recording; }
    void RecordComment(const std::string& text, int32_t category) override {
        ::RecordComment(text.c_str(), category);
    }
};

std::string Text(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Item(int id) {
    char text[64] = {};
    GetDlgItemTextA(TitrationWindow, id, text, sizeof text);
    return text;
}

void Scroll(int code, int controlPosition = 0) {
    HWND slider = GetDlgItem(TitrationWindow, IDC_STOPCOCK_SLIDER);
    if (code == TB_THUMBPOSITION || code == TB_THUMBTRACK) SendMessageA(slider, TBM_SETPOS, TRUE, controlPosition);
    SendMessageA(TitrationWindow, WM_HSCROLL, MAKEWPARAM(code, controlPosition), reinterpret_cast<LPARAM>(slider));
}

void Tick() { SendMessageA(TitrationWindow, WM_TIMER, 1, 0); }

int64_t ClockSeconds() { return 0; }

class TitrationDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        SetBenchSeams(&seams);
        for (int i = 1; i <= 3; ++i) {
            LabObjects[i].type = i == 2 ? kBeaker : kBuret;
            LabObjects[i].capacityMl = 50;
            LabObjects[i].liquidVolume = 500;
        }
        LabObjectCount = 3;
        BuretVolumeField = 1;
    }
    void TearDown() override {
        CloseTitrationDialog();
        PumpMessages();
        SetBenchSeams(nullptr);
        ResetLabObjects();
        BuretVolumeField = 2;
    }
    RecorderSeams seams;
    TestWindow owner;
};

}  // namespace

TEST_F(TitrationDialogTest, OpensOnItsBuretWithTitleAndReadOutAndIsListedAsModeless) {
    LabObjects[1].liquidVolume = 0;
    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 1));
    ASSERT_NE(TitrationWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(TitrationWindow));
    EXPECT_EQ(Text(TitrationWindow), "Titration - unlabelled");
    EXPECT_EQ(Item(IDC_TITRATION_READOUT), "0.0") << "written on opening, even for 0.0";
    EXPECT_EQ(TitrationDialogBuret(), 1);
    EXPECT_TRUE(ForEachOpenModelessDialog([](void* d) { return d == TitrationWindow; }));

    std::memcpy(LabObjects[1].label, "HClx", 3);
    SendMessageA(TitrationWindow, kTitrationLabelChanged, 1, 0);
    EXPECT_EQ(Text(TitrationWindow), "Titration - HCl") << "at most three label characters";

    EXPECT_FALSE(OpenTitrationDialog(owner.handle(), 2)) << "a beaker is no buret";
}

TEST_F(TitrationDialogTest, TheSliderSetsTheFlowAndTicksRefreshTheReadOut) {
    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 1));
    EXPECT_EQ(Item(IDC_TITRATION_READOUT), "50.0");
    Scroll(TB_THUMBPOSITION, 6);
    EXPECT_EQ(LabObjects[1].flowSetting, 6.0);
    Scroll(TB_LINEDOWN);
    EXPECT_EQ(LabObjects[1].flowSetting, 7.0);
    Scroll(TB_BOTTOM);
    EXPECT_EQ(LabObjects[1].flowSetting, 0.0);
    Scroll(TB_TOP);
    EXPECT_EQ(LabObjects[1].flowSetting, 10.0);
    EXPECT_EQ(SendDlgItemMessageA(TitrationWindow, IDC_STOPCOCK_SLIDER, TBM_GETPOS, 0, 0), 10);

    LabObjects[1].liquidVolume = 375;
    Tick();
    EXPECT_EQ(Item(IDC_TITRATION_READOUT), "37.5");
    SendMessageA(TitrationWindow, WM_COMMAND, IDC_START_VOLUME, 0);
    EXPECT_EQ(Item(IDC_START_VOLUME_TEXT), "37.5");
    LabObjects[1].liquidVolume = -4;
    Tick();
    EXPECT_EQ(Item(IDC_TITRATION_READOUT), "0.0");

    SendMessageA(TitrationWindow, WM_COMMAND, IDC_STOPCOCK_CLOSE, 0);
    EXPECT_EQ(LabObjects[1].flowSetting, 0.0);
    EXPECT_EQ(SendDlgItemMessageA(TitrationWindow, IDC_STOPCOCK_SLIDER, TBM_GETPOS, 0, 0), 0);
}

TEST_F(TitrationDialogTest, ASecondBuretTakesOverAndClosesTheFirstsStopcockAndCancelLeavesFlowZero) {
    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 1));
    Scroll(TB_THUMBPOSITION, 4);
    SendMessageA(TitrationWindow, kTitrationTakeBuret, 3, 0);
    EXPECT_EQ(LabObjects[1].flowSetting, 0.0);
    EXPECT_EQ(TitrationDialogBuret(), 3);
    EXPECT_EQ(BuretUnderControl, 3);
    SendMessageA(TitrationWindow, kTitrationTakeBuret, 2, 0);
    EXPECT_EQ(TitrationDialogBuret(), 3) << "a beaker cannot take over";
    Scroll(TB_THUMBPOSITION, 8);
    EXPECT_EQ(LabObjects[3].flowSetting, 8.0);
    SendMessageA(TitrationWindow, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(TitrationWindow, nullptr);
    EXPECT_EQ(LabObjects[3].flowSetting, 0.0);
    EXPECT_EQ(TitrationDialogBuret(), 0);
    EXPECT_FALSE(ForEachOpenModelessDialog([](void*) { return true; }));
}

TEST_F(TitrationDialogTest, RenumberingFollowsTheBuretStaysInRangeAndARemovedBuretClosesIt) {
    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 1));
    SendMessageA(TitrationWindow, kTitrationBuretDown, 1, 0);
    EXPECT_EQ(TitrationDialogBuret(), 1) << "no record before the first";
    LabObjectCount = 1;
    SendMessageA(TitrationWindow, kTitrationBuretUp, 1, 0);
    EXPECT_EQ(TitrationDialogBuret(), 1) << "no record after the last";
    LabObjectCount = 3;
    MoveTitrationBuret(1, 3);
    EXPECT_EQ(TitrationDialogBuret(), 3);
    Scroll(TB_THUMBPOSITION, 5);
    LabObjects[1].flowSetting = 9;  // another object now stands where the buret was
    MoveTitrationBuret(3, 0);
    EXPECT_EQ(TitrationWindow, nullptr);
    EXPECT_EQ(LabObjects[1].flowSetting, 9.0);

    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 3));
    LabObjectCount = 2;  // its buret went without a notice: the next tick closes it
    Tick();
    EXPECT_EQ(TitrationWindow, nullptr);
}

TEST_F(TitrationDialogTest, ThreeStopcockStepsWithinTwoSecondsWhileRecordingGiveOneComment) {
    LabDemoRecorder = DemoRecorder{};
    LabDemoRecorder.labClockSeconds = ClockSeconds;
    BeginDemoFile(nullptr, "Olvaris", "", 400);
    LabDemoRecorder.recording = true;
    ASSERT_TRUE(OpenTitrationDialog(owner.handle(), 1));
    const int32_t before = LabDemoRecorder.sequence;
    Scroll(TB_LINEDOWN);
    Scroll(TB_LINEDOWN);
    Scroll(TB_LINEDOWN);
    EXPECT_EQ(LabDemoRecorder.sequence - before, 1);
    EXPECT_EQ(LabObjects[1].flowSetting, 3.0);
    EndDemoFile();
    LabDemoRecorder = DemoRecorder{};
}
