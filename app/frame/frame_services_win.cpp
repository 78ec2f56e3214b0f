// Thin calls from the frame and the bench window into the parts that own
// each service.
#include "app/frame/frame_services_win.h"
#include "bench/commands/menus/menu_help.h"

#include <shellapi.h>

#include <cstring>

#include "app/frame/app_windows_win.h"
#include "app/frame/main_menu_state_win.h"
#include "app/frame/toolbars_win.h"
#include "app/settings/help_win.h"
#include "app/shell/select_object.h"
#include "app/settings/settings.h"
#include "app/settings/settings_win.h"
#include "app/panes/text_pane_format_win.h"
#include "app/panes/text_panes_win.h"
#include "app/panes/rtf_file_win.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/arrange/selection_drag.h"
#include "bench/window/bench_seams.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "render/graphics_win.h"
#include "render/render3d_win.h"

namespace {
char labTitle[MAX_PATH];
char demoMessage[512];  // a pop-up message of up to 511 characters
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
void CreateToolbars(HWND frame) { CreateProgramToolbars(frame); }
// The edit keys belong to a focused text pane or edit box (so Ctrl+C there
// copies its text), not to the bench.
bool AcceleratorsApply(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return true;
    // The frame's keys: a top window of its own (the titration data window,
    // the help viewer) keeps its keys, F1 with its own topic included.
    if (msg.hwnd && FrameWindow && GetAncestor(msg.hwnd, GA_ROOT) != FrameWindow) return false;
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

char CurrentLabPath[MAX_PATH];
const char* CurrentLabTitle() { return labTitle; }
void SetCurrentLab(const char* path, const char* title) {
    lstrcpynA(CurrentLabPath, path ? path : "", MAX_PATH);
    lstrcpynA(labTitle, title ? title : "", MAX_PATH);
}
HWND ObservationsPane() { return TextPaneWindow(kObservationsPane); }
// The format bar and the menu follow the Observations selection.
void SyncFormatBarWithObservations(HWND frame) {
    HWND pane = ObservationsPane();
    if (!pane) return;
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_PROTECTED | CFM_OFFSET | CFM_SIZE | CFM_FACE;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    auto show = [frame](int command, bool checked) { ToggleFormatCheck(frame, command, checked ? 0 : 1); };
    show(kCmdBold, format.dwEffects & CFE_BOLD);
    show(kCmdItalic, format.dwEffects & CFE_ITALIC);
    show(kCmdUnderline, format.dwEffects & CFE_UNDERLINE);
    show(kCmdProtected, format.dwEffects & CFE_PROTECTED);
    show(kCmdSubscripts, format.yOffset != 0);
    format.szFaceName[LF_FACESIZE - 1] = 0;
    SelectFontInCombos(format.szFaceName, format.yHeight / 20);
    PARAFORMAT paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_ALIGNMENT;
    SendMessageA(pane, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    const int aligned = paragraph.wAlignment == PFA_CENTER ? kCmdAlignCenter
                        : paragraph.wAlignment == PFA_RIGHT ? kCmdAlignRight
                                                             : kCmdAlignLeft;
    for (int command : {kCmdAlignLeft, kCmdAlignCenter, kCmdAlignRight}) show(command, command == aligned);
}
void DropFilesOnObservations(ENDROPFILES* drop) {
    HDROP files = static_cast<HDROP>(drop->hDrop);
    if (DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0) != 1) return;
    char path[MAX_PATH] = {};
    if (!DragQueryFileA(files, 0, path, MAX_PATH)) return;
    if (std::strstr(path, "txt") || std::strstr(path, "TXT"))
        StreamFileIntoPane(ObservationsPane(), SF_TEXT, path);
    else if (std::strstr(path, "rtf") || std::strstr(path, "RTF"))
        StreamRtfFileIntoPane(ObservationsPane(), path);
}
LRESULT ShowToolbarDropDown(HWND frame, NMTOOLBARA* toolbar) { return ShowMainToolbarDropDown(frame, toolbar); }
void FillToolbarTip(NMTTDISPINFOA* tip) {
    if (tip) ToolbarTooltipText(tip, static_cast<int>(tip->hdr.idFrom));
}
void ShowFrameContextHelp(HWND frame, HELPINFO* help) {
    if (help) ShowContextHelp(frame, help->iCtrlId, 0);
}
void ReapplyScreenTemplates() {
    for (int32_t i = 1; i <= LabObjectCount && i <= kMaxLabObjects; ++i) ApplyScreenTemplate(LabObjects[i]);
}
void ReleaseFrameResources() {
    ReleaseBenchCanvas();
    DestroyToolbarImageLists();
}
void FreeFormatBarFonts() { FreeFontTable(); }

int BenchFontPoints() { return FontSize > 0 ? FontSize : 12; }
void PrepareFormatBar() {
    EnumerateFonts();
    FillFormatCombos();
    if (const FontFace* first = FontFaceAt(0)) SelectFontInCombos(first->name, 12);
}
void RenderBench(HDC dc) { Render3D(dc, LabObjects, LabObjectCount); }
// The frames are XOR: an erase wipes them, so they are drawn again after it.
void RedrawSelectionFrames(HWND) {
    if (ObjectSelected && SelectedObject >= 1 && SelectedObject <= LabObjectCount)
        CurrentBenchSeams().DrawSelectionFrame(LabObjects[SelectedObject].position);
    else if (MultiSelection.memberCount > 1)
        CurrentBenchSeams().DrawSelectionFrame(MultiSelection.bounds);
    else if (MultiSelection.memberCount == 1)
        CurrentBenchSeams().DrawSelectionFrame(LabObjects[MultiSelection.members[0]].position);
}
void CycleSelection(HWND, int step) {
    if (LabObjectCount <= 0) return;
    ClearPendingClick();
    BenchSeams& seams = CurrentBenchSeams();
    if (MultiSelection.memberCount > 1) {
        seams.DrawSelectionFrame(MultiSelection.bounds);
        MultiSelection.memberCount = 0;
        MultiSelection.active = false;  // ended, not left as a band
    }
    int32_t next = SelectedObject + step;
    if (next > LabObjectCount) next = 1;
    if (next < 1) next = LabObjectCount;
    if (ObjectSelected && SelectedObject >= 1 && SelectedObject <= LabObjectCount)
        seams.DrawSelectionFrame(LabObjects[SelectedObject].position);
    SelectLabObject(next, next);
    ObjectSelected = true;
    seams.DrawSelectionFrame(LabObjects[next].position);
}
char* DemoMessageBuffer() { return demoMessage; }
void UpdateMenuState(HMENU popup, int) { UpdateMainMenuPopup(popup); }
void ShowMenuHelp(UINT item, UINT flags, HMENU menu) {
    const bool closed = flags == 0xFFFF && !menu;
    int barPosition = -2;
    if (!closed && (flags & MF_POPUP)) {
        const HMENU bar = GetMenu(FrameWindow);
        if (menu == bar) barPosition = -1;
        for (int i = 0, n = bar ? GetMenuItemCount(bar) : 0; i < n && barPosition == -2; ++i)
            if (GetSubMenu(bar, i) == menu) barPosition = i;
    }
    const int lookup = MenuHelpLookupId(closed, (flags & MF_SYSMENU) != 0, (flags & MF_POPUP) != 0, barPosition,
                                        static_cast<int>(item));
    char text[101] = "";
    if (const int id = MenuHelpStringId(lookup)) LoadStringA(GetModuleHandleA(nullptr), UINT(id), text, sizeof text);
    if (StatusBar) SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}
void ClearCurrentLab() {
    CurrentLabPath[0] = 0;
    labTitle[0] = 0;
}
void ClearSelection() {
    SelectLabObject(0, 0);
    ObjectSelected = false;
    MultiSelection = MultiSelectionState{};
}
