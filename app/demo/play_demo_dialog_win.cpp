#include "app/demo/play_demo_dialog_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/data/data_window_win.h"
#include "app/data/titration_data.h"
#include "app/demo/demo_file_dialog_win.h"
#include "app/demo/demo_message_dialog_win.h"
#include "app/demo/demo_player.h"
#include "app/demo/demo_recorder.h"
#include "app/documents/lab_file_win.h"
#include "app/documents/path_parts.h"
#include "app/documents/safe_save.h"
#include "app/documents/win32_save_target_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host.h"
#include "app/modules/module_host_win.h"
#include "app/panes/text_panes_win.h"
#include "app/settings/help_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_seams_win.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/demo_playback_ids.h"

PlayDemoSeams PlayDemoHooks;

namespace {

constexpr char kDemoCaption[] = "Brevane Demo";
HWND RunningDialog = nullptr;

bool ChooseDemoToPlay(HWND owner, char* path, int length) {
    const std::string title = DemoString(IDS_OPEN_DEMO_PROMPT, "Select a Brevane Demo File to Open");
    return ChooseDemoFile(owner, DemoFileDialogKind::kOpen, title.c_str(), path, length);
}

// The player's hands on the program's windows.
class PlayDialogSeams final : public DemoPlayerSeams {
public:
    explicit PlayDialogSeams(HWND dialog) : dialog_(dialog), list_(GetDlgItem(dialog, IDC_DEMO_COMMENTS)) {}
    ~PlayDialogSeams() override { RemovePopup(); }

    void RepaintBench(bool erase) override {
        InvalidateRect(BenchWindow, nullptr, erase);
        UpdateWindow(BenchWindow);
    }
    void EraseStrip(const RectI32& strip) override { BenchWindowSimSeams().EraseWithWindowColour(strip); }
    // Named as a load from the lab list names it, so Save, a new recording
    // and the frame title speak of the demonstration's lab, not the old one.
    void LoadModule(const char* moduleName, const char* udlName) override {
        lstrcpynA(CurrentModuleName, moduleName, kHostPathLength);
        lstrcpynA(CurrentUdlName, udlName, kHostPathLength);
        UdlInPersonalFolder = 0;
        LoadCurrentModule(BenchWindow, 1);
    }
    void ResetShell() override {
        // The Titration dialog works on objects the demonstration replaces.
        CurrentBenchCommandSeams().CloseTitrationDialog();
        for (int which : {kObservationsPane, kProcedurePane, kIntroductionPane})
            if (HWND pane = TextPaneWindow(which))
                SetWindowPos(pane, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (TabControl) TabCtrl_SetCurSel(TabControl, kIntroductionPane);
        ShowTextPane(kIntroductionPane);
        // Save must not write the demonstration's bench over the lab file.
        ClearCurrentLab();
        if (FrameWindow) UpdateWindowTitle(FrameWindow, "");
        DocumentModified = false;
        ClearSelection();
        FreeTitrationPoints();
        if (DataWindow) ShowWindow(DataWindow, SW_HIDE);
        InvalidateRect(BenchWindow, nullptr, TRUE);
        UpdateWindow(BenchWindow);
        LayoutFrame(BenchWindow);
    }
    uint32_t LabStyle() override { return uint32_t(QueryCurrentLabStyle()); }
    void CollectDataSample() override {
        SimSeams& seams = BenchWindowSimSeams();
        ::CollectDataSample(LabObjectCount, LabObjects, seams.TitrationSink(), TitrationSampling, seams);
    }
    void AddComment(const std::string& text, uint64_t offset) override {
        SendMessageA(list_, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(list_, LB_SETITEMDATA, 0, LPARAM(offset));
        SendMessageA(list_, LB_SETCURSEL, 0, 0);
        HDC dc = GetDC(list_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(std::min<size_t>(text.size(), 32767)), &size);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(list_, dc);
        const int width = size.cx + metrics.tmAveCharWidth;
        if (width > widest_) {
            widest_ = width;
            SendMessageA(list_, LB_SETHORIZONTALEXTENT, WPARAM(width), 0);
        }
    }
    void ClearComments() override {
        SendMessageA(list_, LB_RESETCONTENT, 0, 0);
        widest_ = 0;
        SendMessageA(list_, LB_SETHORIZONTALEXTENT, 0, 0);
    }
    void ShowPopup(const std::string& text, PointI32 at, bool balloon) override {
        char* buffer = DemoMessageBuffer();
        lstrcpynA(buffer, text.c_str(), kDemoMessageLength + 1);
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = BenchWindow;
        tool.uId = 1;
        tool.lpszText = buffer;
        if (!tip_) {
            tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0),
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, BenchWindow,
                                   nullptr, AppInstance, nullptr);
            SetWindowPos(tip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 300);
            tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
            SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        } else {
            SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
        }
        POINT point{at.x, at.y};
        ClientToScreen(BenchWindow, &point);
        SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
        SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    }
    void RemovePopup() override {
        if (tip_) DestroyWindow(tip_);
        tip_ = nullptr;
    }
    void ShowMessageBox(const std::string& text) override {
        // Owned by the dialog: its buttons wait until the box is closed.
        MessageBoxA(dialog_, text.c_str(), kDemoCaption, MB_OK | MB_ICONINFORMATION);
    }
    void ShowDataWindow(bool show) override {
        if (DataWindow) ShowWindow(DataWindow, show ? SW_SHOW : SW_HIDE);
    }
    int32_t DatasetCount() override { return CurrentLabFileTrailer.datasetCount; }
    void SetDatasetCount(int32_t count) override { CurrentLabFileTrailer.datasetCount = count; }
    void FreeDatasetPoints() override {
        ClearTitrationPoints(LabTitrationData);
        FreeTitrationPoints(TitrationPoints);
        RefreshDataWindow(DataWindow);
    }
    void StartTimer(int32_t ms) override { SetTimer(dialog_, kDemoPlaybackTimer, UINT(ms), nullptr); }
    void StopTimer() override { KillTimer(dialog_, kDemoPlaybackTimer); }
    void SetProgress(int32_t percent) override {
        SendDlgItemMessageA(dialog_, IDC_DEMO_PROGRESS, TBM_SETPOS, TRUE, percent);
    }
    void SetButtons(const DemoButtons& b) override {
        EnableWindow(GetDlgItem(dialog_, IDC_DEMO_PLAY), b.play);
        EnableWindow(GetDlgItem(dialog_, IDC_DEMO_PAUSE), b.pause);
        EnableWindow(GetDlgItem(dialog_, IDC_DEMO_REWIND), b.rewind);
        EnableWindow(GetDlgItem(dialog_, IDC_DEMO_EDIT), b.edit);
        EnableWindow(GetDlgItem(dialog_, IDC_DEMO_DELETE), b.remove);
    }

private:
    HWND dialog_;
    HWND list_;
    HWND tip_ = nullptr;
    int widest_ = 0;
};

struct PlayDialog {
    LabObject* base = nullptr;
    char path[MAX_PATH] = "";
    bool opened = false;  // a file replaced the objects
    std::unique_ptr<PlayDialogSeams> seams;
    std::unique_ptr<DemoPlayer> player;
};

PlayDialog* Of(HWND dialog) { return reinterpret_cast<PlayDialog*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

DemoListFormats LoadFormats() {
    DemoListFormats formats;
    formats.displayMessage = DemoString(IDS_DISPLAY_MESSAGE, "Display Message: %s");
    formats.displayMessageCut = DemoString(IDS_DISPLAY_MESSAGE_CUT, "Display Message: %s...");
    return formats;
}

int32_t OpenChosenFile(PlayDialog& d) {
    std::vector<uint8_t> bytes;
    bool tooLarge = false;
    if (!ReadDemoFile(d.path, &bytes, &tooLarge)) return tooLarge ? kDemoNotValidString : kDemoOpenFailedString;
    const int32_t result = d.player->Open(std::move(bytes));
    if (result == 0) d.opened = true;
    return result;
}

bool InitDialog(HWND dialog, LabObject* base) {
    auto* d = new PlayDialog;
    d->base = base;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(d));
    auto choose = PlayDemoHooks.chooseFile ? PlayDemoHooks.chooseFile : ChooseDemoToPlay;
    if (!choose(dialog, d->path, sizeof d->path)) return false;
    d->seams = std::make_unique<PlayDialogSeams>(dialog);
    d->player = std::make_unique<DemoPlayer>(*d->seams, &LabObjectCount, base);
    d->player->formats = LoadFormats();
    SendDlgItemMessageA(dialog, IDC_DEMO_PROGRESS, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendDlgItemMessageA(dialog, IDC_DEMO_PROGRESS, TBM_SETTICFREQ, 10, 0);
    SendDlgItemMessageA(dialog, IDC_DEMO_PROGRESS, TBM_SETPOS, TRUE, 0);
    d->seams->SetButtons({true, false, false, false, false});
    CheckRadioButton(dialog, IDC_DEMO_REAL_TIME, IDC_DEMO_ACCELERATED, IDC_DEMO_ACCELERATED);
    char caption[2 * MAX_PATH + 64];
    const std::string format = DemoString(IDS_PLAY_CAPTION, "Play Demonstration - %s%s");
    const char* name = FileNamePart(d->path);
    const char* extension = ExtensionPart(d->path);
    const std::string baseName(name, size_t(extension - name));
    std::snprintf(caption, sizeof caption, format.c_str(), baseName.c_str(), extension);
    SetWindowTextA(dialog, caption);
    return true;
}

int SelectedItem(HWND dialog, uint64_t* offset) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_DEMO_COMMENTS, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return -1;
    *offset = uint64_t(uint32_t(SendDlgItemMessageA(dialog, IDC_DEMO_COMMENTS, LB_GETITEMDATA, WPARAM(index), 0)));
    return int(index);
}

void ReloadList(HWND dialog, PlayDialog& d, int select) {
    std::vector<uint8_t> bytes;
    if (!ReadDemoFile(d.path, &bytes)) return;
    d.player->Reload(std::move(bytes));
    SendDlgItemMessageA(dialog, IDC_DEMO_COMMENTS, LB_SETCURSEL, WPARAM(select), 0);
}

void DeleteSelectedComment(HWND dialog, PlayDialog& d) {
    if (DemoBox(dialog, IDS_DELETE_COMMENT, "Are you sure you wish to delete this comment?",
                MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    uint64_t offset = 0;
    if (SelectedItem(dialog, &offset) < 0 || LabDemoRecorder.recording) return;
    std::vector<uint8_t> bytes;
    // The file is read again: only a comment still at that offset goes.
    if (!ReadDemoFile(d.path, &bytes) || !DeleteDemoComment(bytes, offset) || !WriteDemoFile(d.path, bytes)) {
        DemoBox(dialog, IDS_DEMO_OPEN_FAILED, "Failed to open Demo file", MB_OK | MB_ICONWARNING);
        return;
    }
    d.player->Reload(std::move(bytes));
}

void EditSelectedComment(HWND dialog, PlayDialog& d) {
    uint64_t offset = 0;
    const int index = SelectedItem(dialog, &offset);
    if (index < 0) return;
    const std::vector<uint8_t>& file = d.player->File();
    DemoEventAt e;
    if (!PeekDemoEvent(file.data(), file.size(), offset, &e) || e.header.type != kDemoComment) return;
    DemoMessageRecord record;
    record.filled = true;
    record.header = e.header;
    record.text = std::string(DemoCommentText(e).substr(0, kDemoMessageLength));
    record.edit = true;
    record.offset = offset;
    record.demoPath = d.path;
    record.playDialog = dialog;
    record.listIndex = index;
    if (RunDemoMessageDialog(dialog, record) == IDOK) ReloadList(dialog, d, index);
}

void EndPlayDialog(HWND dialog, PlayDialog& d) {
    if (d.player) d.player->Close();
    EndDialog(dialog, d.opened ? 1 : 0);
}

INT_PTR CALLBACK PlayDemoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        RunningDialog = dialog;
        if (!InitDialog(dialog, reinterpret_cast<LabObject*>(lParam))) EndDialog(dialog, 0);
        return TRUE;
    case WM_TIMER:
        if (wParam == kDemoPlaybackTimer)
            if (PlayDialog* d = Of(dialog); d && d->player) d->player->Tick();
        return TRUE;
    case WM_COMMAND: {
        PlayDialog* d = Of(dialog);
        if (!d || !d->player) {
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
            return TRUE;
        }
        switch (LOWORD(wParam)) {
        case IDC_DEMO_PLAY: {
            const int32_t refused = d->player->Play([d] { return OpenChosenFile(*d); });
            if (refused) {
                DemoBox(dialog, refused, refused == kDemoOpenFailedString ? "Failed to open Demo file"
                                                                          : "This is not a valid demo file.",
                        MB_OK | MB_ICONWARNING);
                EndPlayDialog(dialog, *d);
            }
            return TRUE;
        }
        case IDC_DEMO_PAUSE: d->player->Pause(); return TRUE;
        case IDC_DEMO_REWIND: d->player->Rewind(); return TRUE;
        case IDC_DEMO_REAL_TIME:
        case IDC_DEMO_ACCELERATED:
            d->player->SetAccelerated(IsDlgButtonChecked(dialog, IDC_DEMO_ACCELERATED) == BST_CHECKED);
            return TRUE;
        case IDC_DEMO_EDIT: EditSelectedComment(dialog, *d); return TRUE;
        case IDC_DEMO_DELETE: DeleteSelectedComment(dialog, *d); return TRUE;
        case IDC_DEMO_HELP: ShowContextHelp(dialog, 0, HELP_KEY_PLAY_DEMONSTRATION); return TRUE;
        case IDCANCEL: EndPlayDialog(dialog, *d); return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        if (PlayDialog* d = Of(dialog)) {
            KillTimer(dialog, kDemoPlaybackTimer);
            delete d;
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
        }
        if (RunningDialog == dialog) RunningDialog = nullptr;
        return FALSE;
    }
    return FALSE;
}

}  // namespace

std::string DemoString(int32_t id, const char* fallback) {
    char text[1024];
    const int n = LoadStringA(AppInstance ? AppInstance : GetModuleHandleA(nullptr), UINT(id), text, sizeof text);
    return n > 0 ? std::string(text, size_t(n)) : std::string(fallback);
}

int DemoBox(HWND owner, int32_t stringId, const char* fallback, UINT type) {
    return MessageBoxA(owner, DemoString(stringId, fallback).c_str(), kDemoCaption, type);
}

bool ReadDemoFile(const char* path, std::vector<uint8_t>* bytes, bool* tooLarge) {
    if (tooLarge) *tooLarge = false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok && uint64_t(size.QuadPart) > kMaxDemoFileBytes) {
        // Beyond what the list's offsets can name.
        if (tooLarge) *tooLarge = true;
        ok = false;
    }
    DWORD read = 0;
    if (ok) {
        bytes->assign(size_t(size.QuadPart), 0);
        if (!bytes->empty())
            ok = ReadFile(file, bytes->data(), DWORD(bytes->size()), &read, nullptr) && read == bytes->size();
    }
    CloseHandle(file);
    return ok;
}

bool WriteDemoFile(const char* path, const std::vector<uint8_t>& bytes) {
    Win32SaveTarget target;
    return SaveFileReplacing(path, bytes.data(), bytes.size(), target);
}

bool RunPlayDemoDialog(HWND owner, LabObject* base) {
    return DialogBoxParamA(AppInstance ? AppInstance : GetModuleHandleA(nullptr),
                           MAKEINTRESOURCEA(IDD_PLAY_DEMONSTRATION), owner, PlayDemoDialogProc,
                           reinterpret_cast<LPARAM>(base)) == 1;
}

HWND PlayDemoDialogWindow() { return RunningDialog; }
