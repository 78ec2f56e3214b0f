// Files that reach the bench without the Open command: the command line at
// the bench's creation, and one file dropped from the shell.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "app/documents/path_parts.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/settings/folders_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/documents/document_paths.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"

#include "app/shell/splash_win.h"

void ResetBench();  // bench/window/bench_window_win.h (see lab_session_win.cpp)

namespace {

constexpr char kAuthoringModule[] = "Parvell.dll";

void ShowIntroduction() {
    if (TabControl) TabCtrl_SetCurSel(TabControl, 0);
    ShowTextPane(0);
}

// Runs a user-defined lab file of the program folder (or, personal, of the
// per-user folder) under the authoring module; the lab's name is the bare
// file name, so a lab saved later opens again.
void RunUdl(HWND bench, const char* name, int personal) {
    lstrcpynA(CurrentModuleName, kAuthoringModule, kHostPathLength);
    lstrcpynA(CurrentUdlName, name, kHostPathLength);
    UdlInPersonalFolder = personal;
    LoadCurrentModule(bench, 1);
}

bool RunCommandLineUdl(HWND bench, const char* path) {
    char programFolder[MAX_PATH], name[MAX_PATH];
    if (!ProgramFolder(programFolder, sizeof programFolder)) return false;
    int personal = 0;
    if (FileLiesInFolder(path, programFolder)) {
        lstrcpynA(name, FileNamePart(path), sizeof name);
    } else {
        char perUser[MAX_PATH];
        if (!PerUserFolder(perUser) || !ImportUdlFile(path, perUser, name)) return false;
        personal = 1;
    }
    RunUdl(bench, name, personal);
    ShowIntroduction();
    ResetBench();
    UpdateWindowTitle(FrameWindow, "");
    return true;
}

void LoadCurrentLab(HWND bench) {
    LoadLabModule(bench, CurrentModuleName, CurrentUdlName, 1, 0);
    ShowIntroduction();
    UpdateWindowTitle(FrameWindow, CurrentLabTitle());
}

void DropUdl(HWND bench, const char* path) {
    char programFolder[MAX_PATH], name[MAX_PATH];
    if (!ProgramFolder(programFolder, sizeof programFolder)) return;
    if (!ImportUdlFile(path, programFolder, name)) return;
    RunUdl(bench, name, 0);
    ShowIntroduction();
    ResetLabSession(bench);
}

void DropFile(HWND bench, const char* path) {
    const DocumentKind kind = KindOfDocumentPath(path);
    if (kind != DocumentKind::kLabFile && kind != DocumentKind::kUdlFile) return;
    TimerPauseScope pause;
    if (DocumentModified && ConfirmSaveChanges(bench, CurrentLabTitle()) == IDCANCEL) return;
    if (kind == DocumentKind::kUdlFile) DropUdl(bench, path);
    else OpenLabFile(bench, path, FileNamePart(path));
}

}  // namespace

void OpenCommandLineFile(HWND bench, const char* commandLine) {
    char path[MAX_PATH];
    // A line longer than a path names no file we could open: the default lab.
    const DocumentKind kind =
        CommandLinePath(commandLine, path, sizeof path) ? KindOfDocumentPath(path) : DocumentKind::kNone;
    if (kind == DocumentKind::kUdlFile && RunCommandLineUdl(bench, path)) {
        LabFromCommandLine = true;
        return;
    }
    // A lab file brings its module; one that cannot be read leaves the default lab.
    if (kind == DocumentKind::kLabFile && OpenLabFile(bench, path, FileNamePart(path))) {
        LabFromCommandLine = true;
        return;
    }
    LoadCurrentLab(bench);
}

void DropFilesOnBench(HWND bench, HDROP drop) {
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
        const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
        char path[MAX_PATH];
        // A longer path would be cut to another file's name.
        if (length > 0 && length < sizeof path && DragQueryFileA(drop, 0, path, sizeof path) == length)
            DropFile(bench, path);
    }
    DragFinish(drop);
}
