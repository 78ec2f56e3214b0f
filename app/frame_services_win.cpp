// Thin calls from the frame and the bench window into the parts that own
// each service.
#include "app/frame_services_win.h"

#include <cstring>

#include "app/app_windows_win.h"
#include "app/help_win.h"
#include "app/settings_win.h"
#include "app/text_pane_format_win.h"
#include "app/text_panes_win.h"
#include "bench/bench_state.h"
#include "bench/command_ids.h"
#include "bench/command_router.h"
#include "bench/lab_objects.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"

namespace {
char labTitle[MAX_PATH];
char demoMessage[256];
}  // namespace

void StartGraphicsForProgram() { StartGraphics(); }
void StopGraphicsForProgram() {}
void ClearLiquidStreams() {}

void CreateTextPanesAndTabs(HWND frame) {
    CreateTextPanes(frame, AppInstance);
    TabControl = CreateTabControl(frame);
    if (HWND introduction = TextPaneWindow(kIntroductionPane)) ShowWindow(introduction, SW_SHOW);
}
void ReadProgramSettings() { LoadSettings(); }
void CreateToolbars(HWND) {}
// The edit keys belong to a focused text pane or edit box (so Ctrl+C there
// copies its text), not to the bench.
bool AcceleratorsApply(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return true;
    char cls[32] = {};
    HWND focus = GetFocus();
    if (!focus || !GetClassNameA(focus, cls, sizeof cls)) return true;
    if (lstrcmpiA(cls, "Edit") != 0 && lstrcmpiA(cls, "RichEdit20A") != 0 && lstrcmpiA(cls, "RichEdit") != 0)
        return true;
    const bool ctrl = GetKeyState(VK_CONTROL) & 0x8000, shift = GetKeyState(VK_SHIFT) & 0x8000;
    const bool alt = GetKeyState(VK_MENU) & 0x8000;
    switch (msg.wParam) {
    case 'Z': case 'X': case 'C': case 'V': return !ctrl;
    case VK_INSERT: return !(ctrl || shift);
    case VK_DELETE: return false;
    case VK_BACK: return !alt;
    }
    return true;
}

const char* CurrentLabTitle() { return labTitle; }
HWND ObservationsPane() { return TextPaneWindow(kObservationsPane); }
void SyncFormatBarWithObservations(HWND) {}
void DropFilesOnObservations(ENDROPFILES*) {}
LRESULT ShowToolbarDropDown(HWND, NMTOOLBARA*) { return 0; }
void FillToolbarTip(NMTTDISPINFOA*) {}
void ShowFrameContextHelp(HWND frame, HELPINFO* help) {
    if (help) ShowContextHelp(frame, help->iCtrlId, 0);
}
void ReapplyScreenTemplates() {}
void ReleaseFrameResources() {}
void FreeFormatBarFonts() { FreeFontTable(); }

int BenchFontPoints() { return 12; }
void PrepareFormatBar() {}
void RenderBench(HDC dc) { Render3D(dc, LabObjects, LabObjectCount); }
void RedrawSelectionFrames(HWND) {}
void CycleSelection(HWND, int) {}
char* DemoMessageBuffer() { return demoMessage; }
// Until the menu-state rules exist, an item is offered exactly when some
// handler will act on it, so a student never picks a command that does nothing.
void UpdateMenuState(HMENU popup, int) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        if (GetSubMenu(popup, i)) continue;
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator
        const bool offered = id == kCmdExit || HasCommandHandler(static_cast<int>(id));
        EnableMenuItem(popup, i, MF_BYPOSITION | (offered ? MF_ENABLED : MF_GRAYED));
    }
}
void ShowMenuHelp(UINT, UINT, HMENU) {}
void ClearCurrentLab() { labTitle[0] = 0; }
void ClearSelection() {}
