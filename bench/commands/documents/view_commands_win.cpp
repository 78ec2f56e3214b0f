// The views, the Observations format commands, the option dialogs, the lab
// timer, help, and the outside programs and web pages.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/panes/text_pane_format_win.h"
#include "app/settings/folders_win.h"
#include "app/settings/help_win.h"
#include "app/settings/settings.h"
#include "app/settings/settings_win.h"
#include "app/shell/message_boxes_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "app/shell/about_box_win.h"
#include "app/shell/tip_of_the_day_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/documents/view_state.h"
#include "bench/model/bench_state.h"
#include "bench/model/selection.h"
#include "bench/window/bench_window_win.h"
#include "render/object_layers_win.h"
#include "render/render_settings_win.h"
#include "resources/brevane/lab_documents_ids.h"

namespace {

int SavedPaneWidth = 0;

// The last check state each toggle set, by command.
int FormatChecks[5] = {};
int CurrentAlignment = kCmdAlignLeft;
long ChosenSizeIndex = -1;

constexpr char kHomePage[] = "http://www.quillmar.example/";
// The maker's pages; the addresses are placeholders of our own.
struct WebPage {
    int command;
    const char* address;
};
constexpr WebPage kWebPages[] = {
    {kCmdWebPage, kHomePage},
    {kCmdFacebook, "http://www.quillmar.example/social"},
    {kCmdTwitter, "http://www.quillmar.example/messages"},
    {kCmdSocial258, "http://www.quillmar.example/community"},
    {kCmdYouTube, "http://www.quillmar.example/videos"},
};

INT_PTR ShellOpen(HWND owner, const char* target) {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
}

void SetViewChecks(bool labOnly) {
    if (HMENU menu = GetMenu(FrameWindow)) {
        CheckMenuItem(menu, kCmdLabOnly, MF_BYCOMMAND | (labOnly ? MF_CHECKED : MF_UNCHECKED));
        CheckMenuItem(menu, kCmdLabAndText, MF_BYCOMMAND | (labOnly ? MF_UNCHECKED : MF_CHECKED));
    }
    if (!MainToolbar) return;
    SendMessageA(MainToolbar, TB_SETSTATE, kCmdLabOnly, MAKELONG(TBSTATE_ENABLED | (labOnly ? TBSTATE_CHECKED : 0), 0));
    SendMessageA(MainToolbar, TB_SETSTATE, kCmdLabAndText, MAKELONG(TBSTATE_ENABLED | (labOnly ? 0 : TBSTATE_CHECKED), 0));
}

void OnLabOnly(const CommandMessage&) {
    PaneWidth = PaneWidthForLabOnly(PaneWidth, &SavedPaneWidth);
    SetViewChecks(true);
    LayoutFrame(BenchWindow);
}

void OnLabAndText(const CommandMessage&) {
    PaneWidth = PaneWidthForBoth(PaneWidth, &SavedPaneWidth);
    SetViewChecks(false);
    LayoutFrame(BenchWindow);
}

int FormatSlot(int command) {
    switch (command) {
    case kCmdBold: return 0;
    case kCmdItalic: return 1;
    case kCmdUnderline: return 2;
    case kCmdProtected: return 3;
    default: return 4;  // subscripts
    }
}

void OnFormatToggle(const CommandMessage& command) {
    HWND pane = ObservationsPane();
    if (!pane) return;
    switch (command.id) {
    case kCmdBold: ToggleBold(pane); break;
    case kCmdItalic: ToggleItalic(pane); break;
    case kCmdUnderline: ToggleUnderline(pane); break;
    case kCmdProtected: ToggleProtected(pane); break;
    case kCmdSubscripts: ToggleSubscript(pane); break;
    }
    int& check = FormatChecks[FormatSlot(command.id)];
    check = ToggleFormatCheck(FrameWindow, command.id, check);
}

void OnAlignment(const CommandMessage& command) {
    if (HWND pane = ObservationsPane()) SetParagraphAlignment(FrameWindow, pane, command.id);
    CurrentAlignment = command.id;
}

void OnFontFace(const CommandMessage& command) {
    if (command.notifyCode != CBN_SELCHANGE || !FormatFaceCombo()) return;
    const long index = long(SendMessageA(FormatFaceCombo(), CB_GETCURSEL, 0, 0));
    if (!IsFaceIndex(index, FontFaceCount())) return;
    if (HWND pane = ObservationsPane()) SetFontFace(pane, FontFaceAt(int(index))->name);
}

void OnFontSize(const CommandMessage& command) {
    if (command.notifyCode != CBN_SELCHANGE || !FormatSizeCombo()) return;
    const long index = long(SendMessageA(FormatSizeCombo(), CB_GETCURSEL, 0, 0));
    const int points = FormatBarSizeAt(index);
    if (points <= 0) return;
    ChosenSizeIndex = index;
    if (HWND pane = ObservationsPane()) SetFontSize(pane, points);
}

void OnShowLabBench(const CommandMessage&) {
    RenderSettings& settings = BenchRenderSettings();
    settings.showLabBench = !settings.showLabBench;
    // A stopped timer sends no tick to repaint it.
    InvalidateRect(BenchWindow, nullptr, TRUE);
}

void OnEquipmentOptions(const CommandMessage&) {
    if (ShowEquipmentOptions(BenchWindow, AppInstance) != 1) return;
    // The read-out font follows the size just chosen.
    if (LabelFont) DeleteObject(LabelFont);
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(BenchFontPoints(), GetDeviceCaps(BenchDC, LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    LabelFont = CreateFontIndirectA(&font);
    SetBenchTextFont(LabelFont);  // the renderer must never draw with the deleted one
    InvalidateRect(BenchWindow, nullptr, TRUE);
}

void OnToolbarOptions(const CommandMessage&) {
    const int32_t object = ObjectSelected ? SelectedObject : 0;
    if (ShowToolbarOptions(BenchWindow, AppInstance, object) == 1) InvalidateRect(BenchWindow, nullptr, TRUE);
}

// A pause held by a dialog or menu restarts the timer itself when it ends.
void OnStartLabTimer(const CommandMessage&) {
    if (SimulationRunning) return;
    SimulationRunning = true;
    if (TimerPauseDepth() == 0) SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr);
}

// The box pauses the timer; once the simulation has stopped, the pause's end
// leaves it stopped.
void OnStopLabTimer(const CommandMessage&) {
    TimerPauseScope pause;
    if (MessageBoxA(BenchWindow, "Timer is about to stop", "Timer", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    SimulationRunning = false;
}

void OnHelp(const CommandMessage&) { ShowContextHelp(FrameWindow, 0, 0); }

std::string ProgramFile(const char* name) {
    char folder[MAX_PATH];
    std::string path = ProgramFolder(folder, sizeof folder) ? folder : "";
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + name;
}

void OnPeriodicTable(const CommandMessage&) {
    const std::string path = ProgramFile("periodic.exe");
    if (OpenWithShell(BenchWindow, path.c_str()) > 32) return;
    char format[128], caption[128], text[MAX_PATH + 128];
    if (!LoadResString(IDS_LAUNCH_FAILED, format, sizeof format)) lstrcpynA(format, "Unable to launch: %s", sizeof format);
    if (!LoadResString(IDS_PERIODIC_TABLE, caption, sizeof caption)) lstrcpynA(caption, "Periodic Table", sizeof caption);
    snprintf(text, sizeof text, format, path.c_str());
    MessageBoxA(BenchWindow, text, caption, MB_OK);
}

void OnMoleculeViewer(const CommandMessage&) {
    if (OpenWithShell(BenchWindow, ProgramFile("rw32b2a.exe").c_str()) > 32) return;
    MessageBoxA(BenchWindow, "Unable to launch rw32b2a.exe", "RasMol - Molecule Viewer", MB_OK);
}

void OnWebPage(const CommandMessage& command) {
    for (const WebPage& page : kWebPages)
        if (page.command == command.id) {
            if (OpenWithShell(BenchWindow, page.address) <= 32) ShowWebFailure(BenchWindow);
            return;
        }
}

void OnAbout(const CommandMessage&) {
    ShowAboutBox(BenchWindow, kHomePage, [](HWND owner, const char* target) { return OpenWithShell(owner, target); },
                 ShowWebFailure);
}

void OnTipOfTheDay(const CommandMessage&) {
    TimerPauseScope pause;
    if (ShowTipOfTheDay(BenchWindow) == 1) InvalidateRect(BenchWindow, nullptr, TRUE);
}

}  // namespace

INT_PTR (*OpenWithShell)(HWND owner, const char* target) = ShellOpen;

void ShowWebFailure(HWND owner) {
    char text[512], caption[128];
    if (!LoadResString(IDS_WEB_FAILED, text, sizeof text))
        snprintf(text, sizeof text, "You will need internet access and a browser to connect to \n\n%s", kHomePage);
    if (!LoadResString(IDS_WEB_FAILED_CAPTION, caption, sizeof caption))
        lstrcpynA(caption, "Unable to connect to web", sizeof caption);
    MessageBoxA(owner, text, caption, MB_OK);
}

void RegisterViewCommands() {
    static const CommandEntry entries[] = {
        {kCmdLabOnly, OnLabOnly},
        {kCmdLabAndText, OnLabAndText},
        {kCmdBold, OnFormatToggle},
        {kCmdItalic, OnFormatToggle},
        {kCmdUnderline, OnFormatToggle},
        {kCmdProtected, OnFormatToggle},
        {kCmdSubscripts, OnFormatToggle},
        {kCmdAlignLeft, OnAlignment},
        {kCmdAlignCenter, OnAlignment},
        {kCmdAlignRight, OnAlignment},
        {kCmdFontFace, OnFontFace},
        {kCmdFontSize, OnFontSize},
        {kCmdShowLabBench, OnShowLabBench},
        {kCmdEquipmentOptions, OnEquipmentOptions},
        {kCmdToolbarOptions, OnToolbarOptions},
        {kCmdStartLabTimer, OnStartLabTimer},
        {kCmdStopLabTimer, OnStopLabTimer},
        {kCmdHelp, OnHelp},
        {kCmdPeriodicTable, OnPeriodicTable},
        {kCmdMoleculeViewer, OnMoleculeViewer},
        {kCmdWebPage, OnWebPage},
        {kCmdAbout, OnAbout},
        {kCmdTipOfTheDay, OnTipOfTheDay},
        {kCmdFacebook, OnWebPage},
        {kCmdTwitter, OnWebPage},
        {kCmdSocial258, OnWebPage},
        {kCmdYouTube, OnWebPage},
    };
    RegisterCommands(entries, int(sizeof entries / sizeof entries[0]));
}

void RegisterDocumentCommands() {
    RegisterLabSessionCommands();
    RegisterLabCommands();
    RegisterViewCommands();
}
