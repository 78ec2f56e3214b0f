#include "app/shell/message_boxes_win.h"

#include "app/shell/message_text.h"
#include "app/shell/timer_pause.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"
#include "resources/brevane/shell_ids.h"

namespace {
HWND OwnerWindow = nullptr;
}

void SetBoxOwnerWindow(HWND owner) { OwnerWindow = owner; }
HWND BoxOwnerWindow() { return OwnerWindow; }

char* LoadResString(UINT id, char* buffer, int size) {
    if (!buffer || size <= 0) return nullptr;
    buffer[0] = '\0';
    if (LoadStringA(GetModuleHandleA(nullptr), id, buffer, size) <= 0) return nullptr;
    return buffer;
}

int ConfirmSaveChanges(HWND owner, const char* labTitle) {
    char format[256];
    if (!LoadResString(IDS_SAVE_CHANGES, format, sizeof format))
        lstrcpynA(format, "Save current changes in %s?", sizeof format);
    char text[600];
    FillTitle(format, labTitle, text, sizeof text);
    TimerPauseScope pause;
    int answer = MessageBoxA(owner, text, "Brevane", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES) return answer == IDNO ? IDNO : IDCANCEL;
    SendMessageA(owner, WM_COMMAND, MAKEWPARAM(kCmdSave, 0), 0);
    return DocumentModified ? IDCANCEL : IDYES;
}

void WarnPausingTimer(HWND owner, HINSTANCE instance, UINT stringId, const char* caption) {
    TimerPauseScope pause;
    // The whole string: the equipment-limit warning alone is longer than
    // 128 characters, and a cut warning reads as nonsense.
    char text[1024];
    if (LoadStringA(instance, stringId, text, sizeof text) > 0)
        MessageBoxA(owner, text, caption, MB_OK | MB_ICONWARNING);
}

void ShowFileWarning(HWND owner, const char* format, const char* fileTitle) {
    char text[600];
    FillTitle(format, fileTitle, text, sizeof text);
    TimerPauseScope pause;
    MessageBoxA(owner, text, "Brevane", MB_OK | MB_ICONWARNING);
}
