// Create New UDL and Edit UDL file on the program's real windows with the
// authoring module loaded as the host loads it: the wizard's sheet walked
// page by page writes a lab from RTF documents into the per-user folder,
// the host takes it up and runs it, Edit shows it again, and Cancel keeps
// what was loaded.
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
#include "wizard/udl_file.h"
#include "wizard/udl_io_win.h"
#include "wizard_script.h"

using namespace sheet_script;

namespace {

constexpr char kAuthoringModule[] = "Parvell.dll";
constexpr char kLabName[] = "brevane_wizard_commands.UDL-BREVANE";

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string PerUserPath(const std::string& name) { return UdlIoWin(nullptr, nullptr).PerUserFolder() + "\\" + name; }

void WriteText(const std::string& path, const std::string& text) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
}

std::string PaneText(int which) {
    HWND pane = TextPaneWindow(which);
    char text[4096] = {};
    if (pane) GetWindowTextA(pane, text, sizeof text);
    return text;
}

void Send(int command) { SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

// Runs command with script walking the sheet; nothing else may open.
void RunCommand(int command, const std::function<void(HWND sheet)>& script) {
    DialogDriver driver({[&](HWND sheet) {
        if (!CurrentPage(sheet)) {  // some box came first: say so, answer it
            ADD_FAILURE() << "not the wizard: " << TextOf(sheet) << ": " << StaticTexts(sheet);
            PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        script(sheet);
        if (IsWindow(sheet)) PressSheetButton(sheet, PSBTN_CANCEL);
    }});
    DocumentModified = false;  // no save prompt before the wizard
    Send(command);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    ASSERT_EQ(driver.Seen().size(), 1u);
}

class WizardCommands : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureProgramWindows());
        DocumentModified = false;
        lstrcpynA(CurrentModuleName, kAuthoringModule, kHostPathLength);
        CurrentUdlName[0] = 0;
        ASSERT_EQ(LoadLabModule(BenchWindow, kAuthoringModule, "", 1, 0), 1);
        ASSERT_NE(PluginTable.UDL_Tavistrel, nullptr);
        for (const char* part : {"introduction", "procedure", "observations"})
            WriteText(Document(part), std::string("{\\rtf1\\ansi The lab's ") + part + " text.\\par}");
        SetFileAttributesA(PerUserPath(kLabName).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(PerUserPath(kLabName).c_str());
    }
    void TearDown() override {
        LoadLabModule(BenchWindow, kDefaultModuleName, "", 1, 0);
        lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
        CurrentUdlName[0] = 0;
        UdlInPersonalFolder = 0;
        UpdateWindowTitle(FrameWindow, "");
        DocumentModified = false;
        for (const char* part : {"introduction", "procedure", "observations"}) DeleteFileA(Document(part).c_str());
        DeleteFileA(PerUserPath(kLabName).c_str());
    }
    static std::string Document(const char* part) { return TempPath(std::string("brevane wizard ") + part + ".rtf"); }
};

TEST_F(WizardCommands, CreateNewUdlWritesTheLabThatTheHostThenRunsAndEditShowsItAgain) {
    RunCommand(kCmdCreateNewUdl, [&](HWND sheet) {
        ASSERT_EQ(Showing(sheet), kWelcomePage);
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
    // The host asks the module for the lab's name and takes up its chemicals
    // and its Observations sheet.
    EXPECT_STREQ(CurrentUdlName, kLabName);
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
