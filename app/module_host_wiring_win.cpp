// Ties the lab-module host to the frame: its panes are the frame's text
// panes, its boxes pause the lab timer, and its folders are the program's.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "app/app_windows_win.h"
#include "app/frame_services_win.h"
#include "app/module_host_win.h"
#include "bench/bench_seams_win.h"
#include "bench/bench_window_win.h"

namespace {

char perUserFolder[MAX_PATH] = {};  // with its trailing backslash; empty = unresolved
HWND loadingBench = nullptr;        // the bench before its handle is stored

// Copies folder without its trailing backslash, as the host wants it.
bool CopyFolder(const char* folder, char* out, size_t size) {
    size_t length = std::strlen(folder);
    if (length > 0 && folder[length - 1] == '\\') --length;
    if (length == 0 || length + 1 > size) return false;
    std::memcpy(out, folder, length);
    out[length] = 0;
    return true;
}

bool HostProgramFolder(char* out, size_t size) { return CopyFolder(ProgramFolder, out, size); }
bool HostPerUserFolder(char* out, size_t size) { return CopyFolder(perUserFolder, out, size); }

HWND HostRecreatePane(int which) { return RecreateTextPane(which); }
void HostStreamGuard(bool raised) { PaneStreamGuard = raised; }

void HostPanesReloaded() {
    for (int which : {2, 1, 0})
        if (HWND pane = TextPaneWindow(which)) SetWindowPos(pane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Fresh panes are hidden: show the one whose tab is chosen.
    const int tab = TabControl ? TabCtrl_GetCurSel(TabControl) : 0;
    ShowTextPane(tab >= 0 ? tab : 0);
    LayoutFrame(BenchWindow ? BenchWindow : loadingBench);
}

void InstallModuleHostSeams() {
    ModuleHostPanes panes = {};
    panes.recreatePane = HostRecreatePane;
    panes.setStreamGuard = HostStreamGuard;
    panes.panesReloaded = HostPanesReloaded;
    SetModuleHostPanes(panes);

    ModuleHostServices services = DefaultModuleHostServices();
    services.pauseTimer = BeginLabTimerPause;
    services.resumeTimer = EndLabTimerPause;
    services.programFolder = HostProgramFolder;
    services.perUserFolder = HostPerUserFolder;
    services.recordingDemonstration = DemoRecordingActive;
    SetModuleHostServices(services);
}

}  // namespace

void ResolvePerUserFolder() {
    perUserFolder[0] = 0;
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder))) return;
    const size_t length = std::strlen(folder);
    const char* suffix = length > 0 && folder[length - 1] == '\\' ? "Brevane\\" : "\\Brevane\\";
    if (length + std::strlen(suffix) + 1 > sizeof perUserFolder) return;
    std::strcpy(perUserFolder, folder);
    std::strcat(perUserFolder, suffix);
    CreateDirectoryA(perUserFolder, nullptr);
}

// Lab files cannot be opened yet, so a named file also gets the default lab.
void OpenCommandLineOrDefaultLab(HWND bench, const char*) {
    loadingBench = bench;
    InstallModuleHostSeams();
    LoadLabModule(bench, kDefaultModuleName, "", 1, 0);
    if (TabControl) TabCtrl_SetCurSel(TabControl, 0);
    ShowTextPane(0);
    loadingBench = nullptr;
}

void UnloadLabModuleAtExit() { UnloadLabModule(); }
