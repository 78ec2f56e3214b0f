// The lab commands: the lab list, the authoring wizard on a new or the
// loaded user-defined lab, and adding a user-defined lab file.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/settings/folders_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"
#include "resources/brevane/lab_documents_ids.h"

namespace {

void SendToBench(int command) { SendMessageA(BenchWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

void OnLabs(const CommandMessage&) {
    INT_PTR result;
    {
        TimerPauseScope pause;
        result = RunLabList(BenchWindow);
    }
    if (result == 2) SendToBench(kCmdCreateNewUdl);
    if (result == 3) SendToBench(kCmdEditUdl);
}

// All three sheets of the lab the wizard wrote, at once: its Introduction and
// Procedure too, not only Observations. The lab's own texts mark nothing
// changed.
void ShowWrittenLabsTexts() {
    ReloadLabPanes(true);
    if (TabControl) TabCtrl_SetCurSel(TabControl, 0);
    ShowTextPane(0);
}

// Create New UDL (newLab) or Edit UDL file: the wizard runs modally over
// the bench. Without the wizard nothing happens.
void RunWizard(bool newLab) {
    TimerPauseScope pause;
    if (!LabModuleHandle || !PluginTable.UDL_Tavistrel) return;
    // The session's objects and notes are replaced by the wizard's lab.
    if (DocumentModified && ConfirmSaveChanges(BenchWindow, CurrentLabTitle()) == IDCANCEL) return;
    char previousLab[kHostPathLength];
    lstrcpynA(previousLab, CurrentUdlName, sizeof previousLab);
    const int32_t previousPersonal = UdlInPersonalFolder;
    if (newLab) {
        CurrentUdlName[0] = 0;
        UnloadUserDefinedLab();
    }
    if (PluginTable.UDL_Tavistrel(BenchWindow) == 0) {
        if (newLab) {
            // The lab unloaded for the wizard comes back, so the bench's
            // chemicals stay known.
            lstrcpynA(CurrentUdlName, previousLab, kHostPathLength);
            UdlInPersonalFolder = previousPersonal;
            LoadLabModule(BenchWindow, CurrentModuleName, CurrentUdlName, 0, previousPersonal);
        } else {
            ReloadChemicalTable();
        }
        return;
    }
    UdlInPersonalFolder = 1;
    if (PluginTable.QueryUDLFileName) {
        PluginTable.QueryUDLFileName(CurrentUdlName, kHostPathLength);
        CurrentUdlName[kHostPathLength - 1] = 0;
    }
    // The lab is the wizard's file now, not the lab file: Save must not
    // write over that under "(untitled)".
    SetCurrentLab("", "");
    UpdateWindowTitle(FrameWindow, "");
    ReloadChemicalTable();
    ShowWrittenLabsTexts();
}

void OnCreateNewUdl(const CommandMessage&) { RunWizard(true); }
void OnEditUdl(const CommandMessage&) { RunWizard(false); }

// Copies a chosen user-defined lab into the per-user folder, where the lab
// list finds it. A library chosen under the second filter is refused by the
// import without a word.
void OnAddUdlLab(const CommandMessage&) {
    static const char filter[] = "UDL Files (*.UDL)\0*.udl*\0DLL Files (*.DLL)\0*.dll*\0";
    char path[MAX_PATH] = "", title[512] = "", caption[256];
    if (!LoadResString(IDS_ADD_UDL_TITLE, caption, sizeof caption))
        lstrcpynA(caption, "Select UDL File to Add to Brevane", sizeof caption);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = BenchWindow;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = sizeof title;
    dialog.lpstrTitle = caption;
    dialog.Flags = OFN_PATHMUSTEXIST;
    if (GetOpenFileNameA(&dialog) != 1) return;
    char folder[MAX_PATH], name[MAX_PATH];
    if (PerUserFolder(folder)) ImportUdlFile(path, folder, name);
}

}  // namespace

void RegisterLabCommands() {
    InstallUdlTitleReader();
    static const CommandEntry entries[] = {
        {kCmdLabs, OnLabs},
        {kCmdCreateNewUdl, OnCreateNewUdl},
        {kCmdEditUdl, OnEditUdl},
        {kCmdAddUdlLab, OnAddUdlLab},
    };
    RegisterCommands(entries, 4);
}
