#include "bench/commands/instruments/titration_dialog_win.h"

#include <commctrl.h>

#include <cmath>
#include <string>

#include "app/frame/modeless_dialogs.h"
#include "app/settings/help_win.h"
#include "app/settings/settings.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/instruments/titration_stopcock.h"
#include "bench/model/lab_objects.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/instrument_ids.h"

HWND TitrationWindow = nullptr;

namespace {

constexpr int kHelpTitration = 1008;
constexpr int kHelpButton = 3;

struct TitrationState {
    int32_t buret = 0;
    int32_t position = 0;
    double lastShown = NAN;  // NaN: nothing shown yet, so opening always writes
};

TitrationState State;

LabObject* Buret() {
    return IsBuretIndex(State.buret, LabObjectCount, LabObjects) ? &LabObjects[State.buret] : nullptr;
}

std::string ProgramString(UINT id, const char* fallback) {
    char text[256];
    return LoadResString(id, text, sizeof text) ? std::string(text) : std::string(fallback);
}

void ShowTitle(HWND dialog) {
    LabObject* buret = Buret();
    const char empty[kLabelLength] = {};
    const std::string title = TitrationTitle(ProgramString(IDS_TITRATION, "Titration"),
                                             buret ? buret->label : empty,
                                             ProgramString(IDS_UNLABELLED, "unlabelled"));
    SetWindowTextA(dialog, title.c_str());
}

void ShowPosition(HWND dialog, int32_t position) {
    SendDlgItemMessageA(dialog, IDC_STOPCOCK_SLIDER, TBM_SETPOS, TRUE, position);
    SendDlgItemMessageA(dialog, IDC_STOPCOCK_SPIN, UDM_SETPOS32, 0, position);
}

void ShowReadout(HWND dialog, bool always) {
    LabObject* buret = Buret();
    if (!buret) return;
    if (!always && buret->liquidVolume == State.lastShown) return;
    const double v = BuretReadoutTenths(buret->liquidVolume, 0, 1);
    const double shown = BuretReadoutTenths(buret->liquidVolume, buret->capacityMl, BuretVolumeField);
    const std::string plain = BuretReadoutPlainText(shown);
    char text[64];
    if (!FormatLocaleNumber(text, sizeof text, "%.1f", shown / 10.0, 1)) lstrcpynA(text, plain.c_str(), sizeof text);
    SetDlgItemTextA(dialog, IDC_TITRATION_READOUT, text);
    State.lastShown = v;
}

// Every way out of the dialog leaves its buret's stopcock closed.
void CloseAsCancel(HWND dialog) {
    if (LabObject* buret = Buret()) buret->flowSetting = 0.0;
    State.position = 0;
    DestroyWindow(dialog);
}

void TakeBuret(HWND dialog, int32_t buret) {
    if (!IsBuretIndex(buret, LabObjectCount, LabObjects) || buret == State.buret) return;
    if (LabObject* old = Buret()) old->flowSetting = 0.0;
    State.position = 0;
    ShowPosition(dialog, 0);
    State.buret = buret;
    BuretUnderControl = buret;
    State.lastShown = NAN;
    ShowTitle(dialog);
    ShowReadout(dialog, true);
}

void Retarget(HWND dialog, int32_t buret) {
    if (buret == 0) return;
    State.buret = buret;
    BuretUnderControl = buret;
    ShowTitle(dialog);
}

void OnScroll(HWND dialog, WPARAM wParam, LPARAM lParam) {
    LabObject* buret = Buret();
    if (!buret) return;
    const HWND control = reinterpret_cast<HWND>(lParam);
    int32_t controlPosition = State.position;
    if (control == GetDlgItem(dialog, IDC_STOPCOCK_SLIDER))
        controlPosition = static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0));
    else if (control == GetDlgItem(dialog, IDC_STOPCOCK_SPIN))
        controlPosition = static_cast<int32_t>(SendMessageA(control, UDM_GETPOS32, 0, 0));
    else
        return;
    const int32_t code = LOWORD(wParam);
    if (code > kScrollBottom) return;  // end-of-scroll notices change nothing
    const int32_t position = StopcockPositionAfter(code, State.position, controlPosition);
    State.position = position;
    ShowPosition(dialog, position);
    SetStopcock(*buret, position, CurrentBenchSeams());
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_STOPCOCK_CLOSE:
        ShowPosition(dialog, 0);
        if (LabObject* buret = Buret()) CloseStopcock(*buret, CurrentBenchSeams());
        State.position = 0;
        break;
    case IDC_START_VOLUME:
    case IDC_END_VOLUME: {
        char text[11] = {};
        GetDlgItemTextA(dialog, IDC_TITRATION_READOUT, text, sizeof text);
        SetDlgItemTextA(dialog, id == IDC_START_VOLUME ? IDC_START_VOLUME_TEXT : IDC_END_VOLUME_TEXT, text);
        break;
    }
    case IDCANCEL:
        CloseAsCancel(dialog);
        break;
    case kHelpButton:
        ShowContextHelp(dialog, 0, kHelpTitration);
        break;
    }
}

INT_PTR CALLBACK TitrationProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_STOPCOCK_SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
        SendDlgItemMessageA(dialog, IDC_STOPCOCK_SPIN, UDM_SETRANGE32, 0, 10);
        ShowPosition(dialog, State.position);
        ShowTitle(dialog);
        ShowReadout(dialog, true);
        return TRUE;
    case WM_TIMER:
        if (!Buret()) {
            CloseAsCancel(dialog);
            return TRUE;
        }
        ShowReadout(dialog, false);
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(dialog, wParam, lParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpTitration);
        return TRUE;
    case WM_CLOSE:
        CloseAsCancel(dialog);
        return TRUE;
    case WM_DESTROY:
        RemoveModelessDialog(dialog);
        TitrationWindow = nullptr;
        State = TitrationState{};
        return TRUE;
    case kTitrationTakeBuret:
        TakeBuret(dialog, static_cast<int32_t>(wParam));
        return TRUE;
    case kTitrationBuretGone:
        if (static_cast<int32_t>(wParam) == State.buret) CloseAsCancel(dialog);
        return TRUE;
    case kTitrationLabelChanged:
        if (static_cast<int32_t>(wParam) == State.buret) ShowTitle(dialog);
        return TRUE;
    case kTitrationBuretDown:
        if (static_cast<int32_t>(wParam) == State.buret) Retarget(dialog, BuretIndexBefore(State.buret, LabObjectCount));
        return TRUE;
    case kTitrationBuretUp:
        if (static_cast<int32_t>(wParam) == State.buret) Retarget(dialog, BuretIndexAfter(State.buret, LabObjectCount));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool OpenTitrationDialog(HWND owner, int32_t buret) {
    if (!IsBuretIndex(buret, LabObjectCount, LabObjects)) return false;
    if (TitrationWindow) {
        SendMessageA(TitrationWindow, kTitrationTakeBuret, static_cast<WPARAM>(buret), 0);
        return true;
    }
    State = TitrationState{};
    State.buret = buret;
    State.position = 0;
    BuretUnderControl = buret;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TITRATION), owner,
                                     TitrationProc, 0);
    if (!dialog) {
        State = TitrationState{};
        return false;
    }
    TitrationWindow = dialog;
    if (!AddModelessDialog(reinterpret_cast<void**>(&TitrationWindow))) {
        DestroyWindow(dialog);
        return false;
    }
    // At the bench's far right, out of the way of the pane and the menus.
    RECT frame{}, self{};
    if (owner && GetWindowRect(owner, &frame) && GetWindowRect(dialog, &self))
        SetWindowPos(dialog, nullptr, frame.right - (self.right - self.left) - 24, frame.top + 96, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    return true;
}

int32_t TitrationDialogBuret() { return TitrationWindow ? State.buret : 0; }

void MoveTitrationBuret(int32_t oldIndex, int32_t newIndex) {
    if (!TitrationWindow || oldIndex == 0 || oldIndex != State.buret) return;
    if (newIndex == 0) {
        // The record at the old place is another object now: leave it be.
        State.buret = 0;
        BuretUnderControl = 0;
        DestroyWindow(TitrationWindow);
        return;
    }
    Retarget(TitrationWindow, newIndex);
}

void CloseTitrationDialog() {
    if (TitrationWindow) CloseAsCancel(TitrationWindow);
}
