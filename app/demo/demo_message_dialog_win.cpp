#include "app/demo/demo_message_dialog_win.h"

#include <commctrl.h>

#include <vector>

#include "app/demo/demo_file_walk.h"
#include "app/demo/demo_message_rules.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/play_demo_dialog_win.h"
#include "app/frame/app_windows_win.h"
#include "app/settings/help_win.h"
#include "resources/brevane/demo_playback_ids.h"

namespace {

constexpr int32_t kDefaultSeconds = 5;
HWND RunningDialog = nullptr;
HWND PreviewTip = nullptr;
char PreviewText[kDemoMessageLength + 1];

int32_t ChosenStyle(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_MESSAGE_BOX) == BST_CHECKED) return kMessageBox;
    if (IsDlgButtonChecked(dialog, IDC_MESSAGE_REGULAR) == BST_CHECKED) return kRegularTip;
    if (IsDlgButtonChecked(dialog, IDC_MESSAGE_BALLOON) == BST_CHECKED) return kBalloonTip;
    return kPlayerComment;
}

void EnableForStyle(HWND dialog, int32_t style) {
    const DemoMessageControls use = ControlsForStyle(style);
    EnableWindow(GetDlgItem(dialog, IDC_MESSAGE_X), use.point);
    EnableWindow(GetDlgItem(dialog, IDC_MESSAGE_Y), use.point);
    EnableWindow(GetDlgItem(dialog, IDC_MESSAGE_TIME), use.time);
    EnableWindow(GetDlgItem(dialog, IDC_MESSAGE_TEST), use.test);
}

int32_t NumberOr(HWND dialog, int id, int32_t fallback) {
    BOOL ok = FALSE;
    const int value = int(GetDlgItemInt(dialog, id, &ok, TRUE));
    return ok ? value : fallback;
}

std::string MessageText(HWND dialog) {
    char text[kDemoMessageLength + 1] = "";
    GetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, text, sizeof text);
    return text;
}

void RemovePreview(HWND dialog) {
    KillTimer(dialog, kDemoMessageTimer);
    if (PreviewTip) DestroyWindow(PreviewTip);
    PreviewTip = nullptr;
}

void InitDialog(HWND dialog, const DemoMessageRecord& record) {
    SendDlgItemMessageA(dialog, IDC_MESSAGE_TEXT, EM_LIMITTEXT, kDemoMessageLength, 0);
    const DemoMessageFields fields = MessageFieldsOf(record.filled ? &record.header : nullptr);
    if (record.filled) {
        char stamp[32];
        wsprintfA(stamp, "%d", int(record.header.seconds));
        SetDlgItemTextA(dialog, IDC_MESSAGE_STAMP, stamp);
        if (!record.text.empty()) SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, record.text.c_str());
    }
    SetDlgItemInt(dialog, IDC_MESSAGE_X, UINT(fields.x), TRUE);
    SetDlgItemInt(dialog, IDC_MESSAGE_Y, UINT(fields.y), TRUE);
    SetDlgItemInt(dialog, IDC_MESSAGE_TIME, UINT(fields.seconds), TRUE);
    const int radio = fields.style == kMessageBox ? IDC_MESSAGE_BOX : fields.style == kRegularTip ? IDC_MESSAGE_REGULAR
                    : fields.style == kBalloonTip ? IDC_MESSAGE_BALLOON : IDC_MESSAGE_COMMENT;
    CheckDlgButton(dialog, radio, BST_CHECKED);
    EnableForStyle(dialog, fields.style);
}

void TestMessage(HWND dialog) {
    const int32_t x = NumberOr(dialog, IDC_MESSAGE_X, 0), y = NumberOr(dialog, IDC_MESSAGE_Y, 0);
    const int32_t seconds = ClampMessageSeconds(NumberOr(dialog, IDC_MESSAGE_TIME, kDefaultSeconds));
    const std::string text = MessageText(dialog);
    if (text.empty()) {
        DemoBox(dialog, IDS_NEED_MESSAGE_TEXT, "You must include a text message.", MB_OK | MB_ICONWARNING);
        return;
    }
    const int32_t style = ChosenStyle(dialog);
    if (style == kMessageBox) {
        MessageBoxA(dialog, text.c_str(), "Brevane Demo", MB_OK | MB_ICONINFORMATION);
        return;
    }
    lstrcpynA(PreviewText, text.c_str(), sizeof PreviewText);
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = BenchWindow;
    tool.uId = 2;
    tool.lpszText = PreviewText;
    if (PreviewTip) {
        SendMessageA(PreviewTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        KillTimer(dialog, kDemoMessageTimer);
        PreviewTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                     WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | (style == kRegularTip ? 0 : TTS_BALLOON),
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, BenchWindow,
                                     nullptr, AppInstance, nullptr);
        SendMessageA(PreviewTip, TTM_SETMAXTIPWIDTH, 0, 300);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        SendMessageA(PreviewTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    POINT point{x, y};
    ClientToScreen(BenchWindow, &point);
    SendMessageA(PreviewTip, TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
    SendMessageA(PreviewTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    if (seconds > 0) SetTimer(dialog, kDemoMessageTimer, UINT(seconds) * 1000u, nullptr);
}

// Rewrites the played file's event; false (file unchanged) on any failure.
bool RewriteInPlace(const DemoMessageRecord& record, const DemoMessage& message) {
    if (LabDemoRecorder.recording) return false;
    std::vector<uint8_t> bytes;
    if (!ReadDemoFile(record.demoPath.c_str(), &bytes)) return false;
    return RewriteDemoComment(bytes, record.offset, message) && WriteDemoFile(record.demoPath.c_str(), bytes);
}

bool AcceptMessage(HWND dialog, const DemoMessageRecord& record) {
    LabDemoRecorder.messageCountdownMs = 0;
    DemoMessage message;
    message.text = MessageText(dialog);
    if (message.text.empty()) {
        DemoBox(dialog, IDS_NEED_MESSAGE_TEXT, "You must include a text message.", MB_OK | MB_ICONWARNING);
        return false;
    }
    message.x = NumberOr(dialog, IDC_MESSAGE_X, 0);
    message.y = NumberOr(dialog, IDC_MESSAGE_Y, 0);
    message.seconds = ClampMessageSeconds(NumberOr(dialog, IDC_MESSAGE_TIME, kDefaultSeconds));
    message.style = ChosenStyle(dialog);
    LabDemoRecorder.messageCountdownMs = MessageCountdownMs(message.style, message.seconds);
    if (record.edit) {
        if (!RewriteInPlace(record, message)) {
            DemoBox(dialog, IDS_DEMO_OPEN_FAILED, "Failed to open Demo file", MB_OK | MB_ICONWARNING);
            return false;
        }
        return true;
    }
    if (message.style == kPlayerComment)
        RecordComment(message.text.c_str(), kCommentProcedure);
    else if (LabDemoRecorder.recording)
        RecordEvent(message.text.c_str(), kDemoComment, kDemoPopupMessage, message.x, message.y,
                    message.seconds, message.style);
    return true;
}

INT_PTR CALLBACK DemoMessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* record = reinterpret_cast<DemoMessageRecord*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        RunningDialog = dialog;
        InitDialog(dialog, *reinterpret_cast<DemoMessageRecord*>(lParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == kDemoMessageTimer) RemovePreview(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_MESSAGE_BALLOON:
        case IDC_MESSAGE_REGULAR:
        case IDC_MESSAGE_BOX:
        case IDC_MESSAGE_COMMENT:
            EnableForStyle(dialog, ChosenStyle(dialog));
            return TRUE;
        case IDC_MESSAGE_TEST: TestMessage(dialog); return TRUE;
        case IDC_MESSAGE_HELP: ShowContextHelp(dialog, 0, HELP_KEY_DEMO_MESSAGE); return TRUE;
        case IDOK:
            if (record && !AcceptMessage(dialog, *record)) return TRUE;
            RemovePreview(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            RemovePreview(dialog);
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        RemovePreview(dialog);
        if (RunningDialog == dialog) RunningDialog = nullptr;
        return FALSE;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunDemoMessageDialog(HWND owner, DemoMessageRecord& record) {
    return DialogBoxParamA(AppInstance ? AppInstance : GetModuleHandleA(nullptr),
                           MAKEINTRESOURCEA(IDD_DEMO_MESSAGE), owner, DemoMessageDialogProc,
                           reinterpret_cast<LPARAM>(&record));
}

HWND DemoMessageDialogWindow() { return RunningDialog; }
HWND DemoMessagePreviewWindow() { return PreviewTip; }
