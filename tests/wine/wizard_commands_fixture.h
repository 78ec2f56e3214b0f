// The authoring module loaded as the host loads it, three RTF documents in
// the temporary folder and no lab of the tests' name in the per-user folder:
// what the wizard's command tests start from.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/panes/text_panes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/model/bench_state.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "wizard/udl_io_win.h"
#include "wizard_script.h"

namespace wizard_commands {

using namespace sheet_script;

constexpr char kAuthoringModule[] = "Parvell.dll";
constexpr char kLabName[] = "brevane_wizard_commands.UDL-BREVANE";

inline std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

inline std::string PerUserPath(const std::string& name) { return UdlIoWin(nullptr, nullptr).PerUserFolder() + "\\" + name; }

inline void WriteText(const std::string& path, const std::string& text) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
}

inline std::string PaneText(int which) {
    HWND pane = TextPaneWindow(which);
    char text[4096] = {};
    if (pane) GetWindowTextA(pane, text, sizeof text);
    return text;
}

inline void Send(int command) { SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

// Runs command with script walking the sheet; nothing else may open.
inline void RunCommand(int command, const std::function<void(HWND sheet)>& script) {
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

// The program as the next suite expects it: the generic lab loaded, no lab
// file, an unchanged session.
inline void BackToTheGenericLab() {
    LoadLabModule(BenchWindow, kDefaultModuleName, "", 1, 0);
    lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
    CurrentUdlName[0] = 0;
    UdlInPersonalFolder = 0;
    UpdateWindowTitle(FrameWindow, "");
    DocumentModified = false;
}

// While it lives, the lab's chemicals come from the master database: the
// per-user copy is set aside (the wizard copies the master afresh) and put
// back afterwards.
class MasterDatabaseInUse {
public:
    MasterDatabaseInUse() : database_(PerUserPath("chemical.cdb")), aside_(database_ + ".set-aside") {
        hadDatabase_ = MoveFileExA(database_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    ~MasterDatabaseInUse() {
        if (hadDatabase_)
            MoveFileExA(aside_.c_str(), database_.c_str(), MOVEFILE_REPLACE_EXISTING);
        else
            DeleteFileA(database_.c_str());
    }
    MasterDatabaseInUse(const MasterDatabaseInUse&) = delete;
    MasterDatabaseInUse& operator=(const MasterDatabaseInUse&) = delete;

private:
    std::string database_, aside_;
    bool hadDatabase_ = false;
};

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
        BackToTheGenericLab();
        for (const char* part : {"introduction", "procedure", "observations"}) DeleteFileA(Document(part).c_str());
        DeleteFileA(PerUserPath(kLabName).c_str());
    }
    static std::string Document(const char* part) { return TempPath(std::string("brevane wizard ") + part + ".rtf"); }
};

}  // namespace wizard_commands
