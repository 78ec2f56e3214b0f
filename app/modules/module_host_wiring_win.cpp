// Ties the lab-module host to the frame: its panes are the frame's text
// panes, its boxes pause the lab timer, and its folders are the program's.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/settings/folders_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/panes/text_panes_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/documents/documents_win.h"
#include "render/particles.h"

namespace {

char perUserFolder[MAX_PATH] = {};  // with its trailing backslash; empty = unresolved
HWND loadingBench = nullptr;        // the bench before its handle is stored

// The host wants the folder without its trailing backslash.
bool HostPerUserFolder(char* out, size_t size) {
    size_t length = std::strlen(perUserFolder);
    if (length > 0 && perUserFolder[length - 1] == '\\') --length;
    if (length == 0 || length + 1 > size) return false;
    std::memcpy(out, perUserFolder, length);
    out[length] = 0;
    return true;
}

void HostStreamGuard(bool raised) { PaneStreamGuard = raised; }

void HostPanesReloaded() {
    ClearParticles();  // a new lab starts with no bubbles or precipitate in flight
    for (int which : {kObservationsPane, kProcedurePane, kIntroductionPane})
        if (HWND pane = TextPaneWindow(which)) SetWindowPos(pane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Fresh panes are hidden: show the one whose tab is chosen.
    const int tab = TabControl ? TabCtrl_GetCurSel(TabControl) : 0;
    ShowTextPane(tab >= 0 ? tab : kIntroductionPane);
    LayoutFrame(BenchWindow ? BenchWindow : loadingBench);
}

void InstallModuleHostSeams() {
    ModuleHostPanes panes = {};
    panes.recreatePane = RecreateTextPane;
    panes.setStreamGuard = HostStreamGuard;
    panes.panesReloaded = HostPanesReloaded;
    SetModuleHostPanes(panes);

    ModuleHostServices services = DefaultModuleHostServices();
    services.pauseTimer = BeginTimerPause;
    services.resumeTimer = EndTimerPause;
    services.perUserFolder = HostPerUserFolder;
    services.recordingDemonstration = DemoRecordingActive;
    SetModuleHostServices(services);
}

}  // namespace

void ResolvePerUserFolder() {
    if (!PerUserFolder(perUserFolder)) perUserFolder[0] = 0;
}

void OpenCommandLineOrDefaultLab(HWND bench, const char* commandLine) {
    loadingBench = bench;
    InstallModuleHostSeams();
    OpenCommandLineFile(bench, commandLine ? commandLine : "");
    loadingBench = nullptr;
}

void UnloadLabModuleAtExit() { UnloadLabModule(); }
