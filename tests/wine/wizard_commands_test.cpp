// Create New UDL and Edit UDL file on the program's real windows with the
// authoring module loaded as the host loads it: the wizard's sheet, modal
// over the frame, walked page by page writes a lab from RTF documents into
// the per-user folder, the host takes it up and runs it with its texts shown,
// Edit shows it again, Cancel keeps what was loaded, and Help on a page
// opens the wizard's help file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/panes/text_panes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/command_ids.h"
#include "bench/model/bench_state.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "real_input.h"
#include "wizard/udl_file.h"
#include "wizard/udl_io_win.h"
#include "wizard_commands_fixture.h"
#include "wizard_script.h"

using namespace sheet_script;
using namespace wizard_commands;

namespace {

TEST_F(WizardCommands, CreateNewUdlWritesTheLabThatTheHostThenRunsAndEditShowsItAgain) {
    RunCommand(kCmdCreateNewUdl, [&](HWND sheet) {
        ASSERT_EQ(Showing(sheet), kWelcomePage);
        // Modal over the frame: a click on its menu bar opens nothing while
        // the wizard edits the loaded lab.
        EXPECT_FALSE(IsWindowEnabled(FrameWindow));
        RECT file = {};
        GetMenuItemRect(FrameWindow, GetMenu(FrameWindow), 0, &file);
        ClickScreen(POINT{(file.left + file.right) / 2, (file.top + file.bottom) / 2});
        Sleep(500);
        HWND menu = FindWindowA("#32768", nullptr);
        const bool menuOpened = menu && IsWindowVisible(menu);
        EXPECT_FALSE(menuOpened) << "the frame's File menu opened under the wizard";
        if (menuOpened) {  // closed again, so the walk can go on
            TapKey(VK_ESCAPE);
            TapKey(VK_ESCAPE);
            SendMessageTimeoutA(FrameWindow, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 2000, nullptr);
            Sleep(200);
        }
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        HWND page = CurrentPage(sheet);
        ASSERT_EQ(KindOf(page), kInformationPage);
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_MODULE_NAME), kAuthoringModule);
        SetControlText(page, IDC_UDL_FILE_NAME, "brevane_wizard_commands.udl");
        SetControlText(page, IDC_UDL_TITLE, "Wizard Neutralisation");
        SetControlText(page, IDC_UDL_DESCRIPTION, "Neutralise hydrochloric acid with sodium hydroxide.");
        SetControlText(page, IDC_UDL_AUTHOR, "A. Teacher");
        SaveScreenshot(sheet, "wizard-information");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        page = CurrentPage(sheet);
        ASSERT_EQ(KindOf(page), kDocumentationPage);
        SetControlText(page, IDC_DOC_INTRODUCTION, Document("introduction"));
        SetControlText(page, IDC_DOC_PROCEDURE, Document("procedure"));
        SetControlText(page, IDC_DOC_OBSERVATIONS, Document("observations"));
        SaveScreenshot(sheet, "wizard-documentation");
        ASSERT_TRUE(NextUntil(sheet, kFinishPage));  // through the pages between
        PressSheetButton(sheet, PSBTN_FINISH);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    });
    EXPECT_TRUE(IsWindowEnabled(FrameWindow)) << "the frame is enabled again";
    // The host asks the module for the lab's name and takes up its chemicals
    // and its three sheets at once; nothing the student did changed.
    EXPECT_STREQ(CurrentUdlName, kLabName);
    EXPECT_NE(PaneText(kIntroductionPane).find("The lab's introduction text."), std::string::npos)
        << PaneText(kIntroductionPane);
    EXPECT_NE(PaneText(kProcedurePane).find("The lab's procedure text."), std::string::npos)
        << PaneText(kProcedurePane);
    EXPECT_FALSE(DocumentModified) << "no save question for a session nobody changed";
    EXPECT_EQ(UdlInPersonalFolder, 1);
    char caption[512] = {};
    GetWindowTextA(FrameWindow, caption, sizeof caption);
    EXPECT_NE(std::string(caption).find("Wizard Neutralisation"), std::string::npos) << caption;
    EXPECT_NE(PaneText(kObservationsPane).find("The lab's observations text."), std::string::npos)
        << PaneText(kObservationsPane);
    ASSERT_NE(ChemicalBlockHandle(), nullptr);

    // The file as written: what a later run of the program reads.
    UdlIoWin io(nullptr, nullptr);
    UdlLab written;
    ASSERT_EQ(ReadUdlFile(PerUserPath(kLabName), written, io), 1);
    EXPECT_STREQ(written.header.moduleName, kAuthoringModule);
    EXPECT_STREQ(written.header.author, "A. Teacher");
    EXPECT_EQ(written.header.labStyle & 0x8, 0x8);
    ASSERT_EQ(written.chemicals.size(), 1u);
    EXPECT_EQ(written.chemicals[0].cas, kCasWater);

    // Loaded again from its folder, as the lab list runs it.
    ASSERT_EQ(LoadLabModule(BenchWindow, kAuthoringModule, kLabName, 1, 1), 1);
    EXPECT_NE(PaneText(kIntroductionPane).find("The lab's introduction text."), std::string::npos)
        << PaneText(kIntroductionPane);
    EXPECT_NE(PaneText(kProcedurePane).find("The lab's procedure text."), std::string::npos);

    // Edit shows the same values on the wizard's pages.
    RunCommand(kCmdEditUdl, [&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_FILE_NAME), kLabName);
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_TITLE), "Wizard Neutralisation");
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_DESCRIPTION), "Neutralise hydrochloric acid with sodium hydroxide.");
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_AUTHOR), "A. Teacher");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        page = CurrentPage(sheet);
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_INTRODUCTION), Document("introduction"));
        EXPECT_EQ(ControlTextOf(page, IDC_DOC_OBSERVATIONS), Document("observations"));
    });
    EXPECT_STREQ(CurrentUdlName, kLabName) << "Cancel keeps the lab";
}

// F1 on a page and the sheet's Help button, pressed and clicked as the
// teacher does, each open the wizard's help file; a viewer outlives the sheet.
TEST_F(WizardCommands, HelpOnAPageOpensTheWizardsHelpFileEveryTime) {
    std::string firstTitle, secondTitle;
    RunCommand(kCmdCreateNewUdl, [&](HWND sheet) {
        WaitFor([&] { return GetForegroundWindow() == sheet; });
        TapKey(VK_F1);
        HWND viewer = WaitForHelpViewer();
        firstTitle = viewer ? TextOf(viewer) : "(no viewer)";
    });
    EXPECT_TRUE(IsWindowEnabled(FrameWindow)) << "Cancel enables the frame again";
    HWND kept = WaitForHelpViewer(1000);
    EXPECT_NE(kept, nullptr) << "the viewer stays when the wizard closes";
    if (kept) PostMessageA(kept, WM_CLOSE, 0, 0);  // as the teacher closes it
    PumpProgramUntil([&] { return !IsWindow(kept) || !IsWindowVisible(kept); }, 3000);

    RunCommand(kCmdEditUdl, [&](HWND sheet) {
        WaitFor([&] { return GetForegroundWindow() == sheet; });
        ClickScreen(CentreOnScreen(GetDlgItem(sheet, IDHELP)));
        HWND viewer = WaitForHelpViewer();
        secondTitle = viewer ? TextOf(viewer) : "(no viewer)";
        CloseHelpViewer(viewer);
    });
    EXPECT_EQ(firstTitle, "UDL Tavistrel Help");
    EXPECT_EQ(secondTitle, "UDL Tavistrel Help") << "help opens again after a viewer went with its wizard";
}

TEST_F(WizardCommands, TheWizardCancelledAnswersNothingSavedAndTheLoadedLabComesBack) {
    // A lab on the bench, then a new one begun and cancelled.
    UdlLab lab;
    lab.header.labStyle = 0x9;  // the pH meter, and the authoring module's bit every such lab has
    strcpy(lab.header.title, "Kept Lab");
    lab.introduction = "{\\rtf1\\ansi Kept introduction.\\par}";
    UdlIoWin io(nullptr, nullptr);
    ASSERT_TRUE(WriteUdlFile(PerUserPath(kLabName), lab, io));
    lstrcpynA(CurrentUdlName, kLabName, kHostPathLength);
    UdlInPersonalFolder = 1;
    ASSERT_EQ(LoadLabModule(BenchWindow, kAuthoringModule, kLabName, 1, 1), 1);

    RunCommand(kCmdCreateNewUdl, [&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        EXPECT_EQ(ControlTextOf(CurrentPage(sheet), IDC_UDL_TITLE), "") << "a new lab";
        SetControlText(CurrentPage(sheet), IDC_UDL_TITLE, "Never Saved");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    });
    EXPECT_STREQ(CurrentUdlName, kLabName);
    ASSERT_NE(PluginTable.UDL_Tavistrel, nullptr);
    EXPECT_EQ(PluginTable.QueryLabStyle(), 0x9);
    char caption[512] = {};
    GetWindowTextA(FrameWindow, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).find("Never Saved"), std::string::npos) << caption;

    // Straight through the export: Cancel is 0, whatever the sheet did.
    int result = -1;
    DialogDriver driver({[&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kFinishPage));
        PressSheetButton(sheet, PSBTN_CANCEL);
    }});
    result = PluginTable.UDL_Tavistrel(BenchWindow);
    driver.Finish();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(driver.Unexpected(), 0);
}

}  // namespace
