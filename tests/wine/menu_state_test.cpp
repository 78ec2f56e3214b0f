// The menu bar's pop-ups on the started program: opening one sets its items
// from the bench as it stands.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/app_windows_win.h"
#include "bench/commands/command_ids.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/equipment_type.h"
#include "program_instance.h"

void ResetBench();

namespace {

struct MenuBarState : testing::Test {
    void SetUp() override {
        // Under the test run the windows are always up: a start that failed is a fault.
        ASSERT_TRUE(EnsureProgramWindows() && IsWindow(FrameWindow)) << "the program is not running";
        ResetBench();
    }
    void TearDown() override {
        if (IsWindow(FrameWindow)) ResetBench();
    }
    static HMENU Popup(int position) { return GetSubMenu(GetMenu(FrameWindow), position); }
    // What the bench does when the frame forwards the pop-up's opening.
    static void Open(int position) {
        SendMessageA(BenchWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup(position)), position);
    }
    static UINT StateOf(int position, int id) { return GetMenuState(Popup(position), id, MF_BYCOMMAND); }
    static void SelectOnly(LabObject o) {
        LabObjects[1] = o;
        LabObjectCount = 1;
        SelectedObject = 1;
        ObjectSelected = true;
        MultiSelection = MultiSelectionState{};
    }
};

TEST_F(MenuBarState, ARoundBottomFlaskWithItsHeadSetsTheDistillationItems) {
    LabObject flask{};
    flask.type = kRoundBottomFlask;
    flask.stateBits = 0x4;
    SelectOnly(flask);
    Open(2);
    EXPECT_TRUE(StateOf(2, kCmdDistillationHead) & MF_CHECKED);
    EXPECT_FALSE(StateOf(2, kCmdDistillationHead) & MF_GRAYED);
    EXPECT_TRUE(StateOf(2, kCmdRefluxCondenser) & MF_GRAYED);
    EXPECT_FALSE(StateOf(2, kCmdCondenser) & MF_GRAYED);
    EXPECT_TRUE(StateOf(2, kCmdDistillationTakeOff) & MF_GRAYED);
    // Not a flask of the vapour-pressure kind: greyed, not merely disabled.
    EXPECT_TRUE(StateOf(2, kCmdVaporPressureAssembly) & MF_GRAYED);
}

TEST_F(MenuBarState, AHotPlateAtFullHeatGreysTheWayUp) {
    LabObject plate{};
    plate.type = kHotPlate;
    plate.reading1 = 5.0;
    SelectOnly(plate);
    Open(6);
    EXPECT_TRUE(StateOf(6, kCmdIncreaseHeat) & MF_GRAYED);
    EXPECT_TRUE(StateOf(6, kCmdMaxHeat) & MF_GRAYED);
    EXPECT_FALSE(StateOf(6, kCmdHeatOff) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(Popup(6), 6, MF_BYPOSITION) & MF_GRAYED);  // Hotplate && Heating Mantel
}

TEST_F(MenuBarState, ASubMenuAtPositionSixIsNotTheOptionsMenu) {
    HMENU funnel = GetSubMenu(Popup(4), 6);  // Separatory Funnel Procedures
    ASSERT_NE(funnel, nullptr);
    const UINT before = GetMenuState(funnel, kCmdStopcock, MF_BYCOMMAND);
    SendMessageA(BenchWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(funnel), 6);
    EXPECT_EQ(GetMenuState(funnel, kCmdStopcock, MF_BYCOMMAND), before);
}

TEST_F(MenuBarState, NothingSelectedGreysTheSelectionItems) {
    Open(3);
    EXPECT_TRUE(StateOf(3, kCmdWater) & MF_GRAYED);
    Open(5);
    EXPECT_TRUE(StateOf(5, kCmdCombine) & MF_GRAYED);
    Open(1);
    EXPECT_TRUE(StateOf(1, kCmdCut) & MF_GRAYED);
}

}  // namespace
