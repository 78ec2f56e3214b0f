// New, Open, Save and Save As, over the lab-file reader and writer.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/data/data_window_win.h"
#include "app/data/titration_data.h"
#include "app/documents/lab_file_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "resources/brevane/lab_documents_ids.h"
#include "resources/brevane/shell_ids.h"

void ResetBench();  // bench/window/bench_window_win.h

namespace {

LabFileWin32 SessionFileContext(HWND observations) {
    LabFileWin32 context;
    context.observationsPane = observations;
    context.availableHeight = AvailableBenchHeight(MainToolbar, StatusBar);
    return context;
}

// The program keeps one dataset; it is the session's once it holds points
// or came from the file.
int32_t SessionDatasetCount() {
    const TitrationDataset& record = LabTitrationData.record;
    return record.pointCount > 0 || CurrentLabFileTrailer.datasetCount > 0 ? 1 : 0;
}

bool WriteSession(const char* path) {
    CurrentLabFileTrailer.datasetCount = SessionDatasetCount();
    return WriteLabFile(LabObjectCount, CurrentModuleName, CurrentUdlName, LabObjects, path,
                        &LabTitrationData, &CurrentLabFileTrailer,
                        SessionFileContext(ObservationsPane())) != 0;
}

void ShowSaveFailure(HWND bench, const char* title) {
    char format[256];
    if (!LoadResString(IDS_SAVE_FAILED, format, sizeof format)) lstrcpynA(format, "Could not save file %s", sizeof format);
    ShowFileWarning(bench, format, title);
}

// Save As: the name is the lab's only once the file is written.
bool SaveSessionAs(HWND bench) {
    char path[MAX_PATH], title[512];
    lstrcpynA(path, CurrentLabPath, sizeof path);
    lstrcpynA(title, CurrentLabTitle(), sizeof title);
    if (!ShowSaveLabDialog(bench, path, title)) return false;
    if (!WriteSession(path)) {
        ShowSaveFailure(bench, title);
        return false;
    }
    SetCurrentLab(path, title);
    return true;
}

bool SaveSession(HWND bench) {
    if (!CurrentLabPath[0]) return SaveSessionAs(bench);
    if (WriteSession(CurrentLabPath)) return true;
    ShowSaveFailure(bench, CurrentLabTitle());
    return false;
}

void AfterSave(bool saved) {
    if (!saved) return;  // DocumentModified stays: the save prompt reads it
    DocumentModified = false;
    UpdateWindowTitle(FrameWindow, CurrentLabTitle());
}

void OnNew(const CommandMessage&) {
    INT_PTR result;
    {
        TimerPauseScope pause;
        if (DocumentModified && ConfirmSaveChanges(BenchWindow, CurrentLabTitle()) == IDCANCEL) return;
        result = RunLabList(BenchWindow);
        if (result != 0) ResetLabSession(BenchWindow);
    }
    if (result == 2) SendMessageA(BenchWindow, WM_COMMAND, MAKEWPARAM(kCmdCreateNewUdl, 0), 0);
    if (result == 3) SendMessageA(BenchWindow, WM_COMMAND, MAKEWPARAM(kCmdEditUdl, 0), 0);
}

void OnOpen(const CommandMessage&) {
    TimerPauseScope pause;
    if (DocumentModified && ConfirmSaveChanges(BenchWindow, CurrentLabTitle()) == IDCANCEL) return;
    char path[MAX_PATH], title[512];
    lstrcpynA(path, CurrentLabPath, sizeof path);
    lstrcpynA(title, CurrentLabTitle(), sizeof title);
    if (!ShowOpenLabDialog(BenchWindow, path, title)) return;
    OpenLabFile(BenchWindow, path, title);
}

void OnSave(const CommandMessage&) {
    TimerPauseScope pause;
    AfterSave(SaveSession(BenchWindow));
}

void OnSaveAs(const CommandMessage&) {
    TimerPauseScope pause;
    AfterSave(SaveSessionAs(BenchWindow));
}

void HideDataWindow() {
    if (DataWindow && IsWindowVisible(DataWindow)) ShowWindow(DataWindow, SW_HIDE);
}

}  // namespace

void CloseTitrationDialogForNewObjects() {
    // Its buret index would name another object once the file's objects are in.
    if (CurrentBenchCommandSeams().TitrationDialogOpen()) CurrentBenchCommandSeams().CloseTitrationDialog();
}

int LoadCurrentModule(HWND bench, int recreateObservations) {
    char wanted[kHostPathLength];
    lstrcpynA(wanted, CurrentModuleName, sizeof wanted);
    const int loaded = LoadLabModule(bench, CurrentModuleName, CurrentUdlName, recreateObservations,
                                     UdlInPersonalFolder);
    if (lstrcmpiA(wanted, CurrentModuleName) != 0) {
        CurrentUdlName[0] = 0;
        UdlInPersonalFolder = 0;
    }
    return loaded;
}

void ResetLabSession(HWND bench) {
    CloseTitrationDialogForNewObjects();
    ResetBench();
    UpdateWindowTitle(FrameWindow, "");
    FreeTitrationPoints();
    HideDataWindow();
    if (ObservationsPane() && TabControl) TabCtrl_SetCurSel(TabControl, 0);
    InvalidateRect(bench, nullptr, TRUE);
    LayoutFrame(bench);
}

bool OpenLabFile(HWND bench, const char* path, const char* title) {
    LabDocument doc;
    std::string why;
    if (!LoadLabDocument(path, SessionFileContext(nullptr), 1, &doc, &why)) {
        char format[256];
        if (!LoadResString(IDS_COULD_NOT_READ_FILE, format, sizeof format))
            lstrcpynA(format, "Could not read file %s", sizeof format);
        // The box says why, so a teacher can tell a damaged file from a foreign one.
        const std::string text = std::string(format) + "\n\n" + why;
        ShowFileWarning(bench, text.c_str(), title);
        return false;
    }
    char keptPath[MAX_PATH], keptTitle[512];
    lstrcpynA(keptPath, path, sizeof keptPath);  // path may be the lab's own buffer
    lstrcpynA(keptTitle, title, sizeof keptTitle);

    CloseTitrationDialogForNewObjects();
    ResetBench();
    FreeTitrationPoints();
    if (doc.datasets.empty()) HideDataWindow();
    // The notes go into a fresh pane: the old one's undo and objects are the old lab's.
    HWND observations = ObservationsPane() ? RecreateTextPane(kObservationsPane) : nullptr;
    {
        PaneStreamGuardScope guard;
        CommitLabDocument(doc, &LabObjectCount, CurrentModuleName, CurrentUdlName, LabObjects,
                          &LabTitrationData, &CurrentLabFileTrailer, SessionFileContext(observations));
    }
    LoadCurrentModule(bench, 0);
    if (TabControl) TabCtrl_SetCurSel(TabControl, 0);
    ShowTextPane(0);
    SetCurrentLab(keptPath, keptTitle);
    UpdateWindowTitle(FrameWindow, keptTitle);
    // Streaming the notes in marked the pane changed; the file is the lab.
    DocumentModified = false;
    RefreshDataWindow(DataWindow);  // the file's dataset, in either view
    InvalidateRect(bench, nullptr, TRUE);
    LayoutFrame(bench);
    return true;
}

void RegisterLabSessionCommands() {
    InitLabFileDialog(nullptr);
    static const CommandEntry entries[] = {
        {kCmdNew, OnNew},
        {kCmdOpen, OnOpen},
        {kCmdSave, OnSave},
        {kCmdSaveAs, OnSaveAs},
    };
    RegisterCommands(entries, 4);
}
