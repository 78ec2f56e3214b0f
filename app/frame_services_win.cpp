// Thin calls from the frame and the bench window into the parts that own
// each service.
#include "app/frame_services_win.h"

#include <cstring>

#include "app/app_windows_win.h"
#include "app/demo_commands_win.h"
#include "bench/add_equipment_commands.h"
#include "bench/bench_state.h"
#include "bench/lab_objects.h"

namespace {
HWND panes[3];
char labTitle[MAX_PATH];
char demoMessage[256];
}  // namespace

void StartGraphicsForProgram() {}
void StopGraphicsForProgram() {}
void ClearLiquidStreams() {}

void CreateTextPanesAndTabs(HWND frame) {
    const char* cls = RichEdit20Available ? "RichEdit20A" : "RichEdit";
    for (int i = 0; i < 3; ++i) {
        DWORD style = WS_CHILD | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (i < 2) style |= ES_READONLY;
        panes[i] = CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", style, 0, 0, 0, 0, frame, nullptr, AppInstance,
                                   nullptr);
    }
    TabControl = CreateWindowExA(WS_EX_STATICEDGE, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                 0, 0, 0, 0, frame, nullptr, AppInstance, nullptr);
    const char* names[3] = {"Introduction", "Procedure", "Observations"};
    for (int i = 0; i < 3; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(names[i]);
        TabCtrl_InsertItem(TabControl, i, &item);
    }
    ShowWindow(panes[0], SW_SHOW);
}
void ReadProgramSettings() {}
void CreateToolbars(HWND) {}
bool AcceleratorsApply(const MSG&) { return true; }

const char* CurrentLabTitle() { return labTitle; }
HWND TextPaneWindow(int index) { return index >= 0 && index < 3 ? panes[index] : nullptr; }
HWND ObservationsPane() { return panes[2]; }
void SyncFormatBarWithObservations(HWND) {}
void DropFilesOnObservations(ENDROPFILES*) {}
LRESULT ShowToolbarDropDown(HWND, NMTOOLBARA*) { return 0; }
void FillToolbarTip(NMTTDISPINFOA*) {}
void ShowFrameContextHelp(HWND, HELPINFO*) {}
void ReapplyScreenTemplates() {}
void ReleaseFrameResources() {}
void UnloadLabModuleAtExit() {}
void FreeFormatBarFonts() {}

int BenchFontPoints() { return 12; }
void CreateBenchImageLists() {}
void RegisterBenchCommands() {
    RegisterAddEquipmentCommands();
    RegisterRecordingCommands();
}
void PrepareFormatBar() {}
void ResolvePerUserFolder() {}
void OpenCommandLineOrDefaultLab(HWND, const char*) {}
void RenderBench(HDC) {}
void RedrawSelectionFrames(HWND) {}
void CycleSelection(HWND, int) {}
char* DemoMessageBuffer() { return demoMessage; }
void RunSimulationTick(HWND window, WPARAM, LPARAM) { InvalidateRect(window, nullptr, FALSE); }
void UpdateMenuState(HMENU, int) {}
void ShowMenuHelp(UINT, UINT, HMENU) {}
void ClearCurrentLab() { labTitle[0] = 0; }
void ClearSelection() {}
bool PaneStreamGuard = false;
int ConfirmSaveChanges(HWND owner, const char* title) {
    char text[400];
    wsprintfA(text, "Save current changes in %s?", title && *title ? title : "(untitled)");
    return MessageBoxA(owner, text, "Brevane", MB_ICONQUESTION | MB_YESNOCANCEL);
}
void ShowTextPane(int index) {
    for (int i = 0; i < 3; ++i) ShowWindow(panes[i], i == index ? SW_SHOW : SW_HIDE);
}
