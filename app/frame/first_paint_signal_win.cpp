#include "app/frame/first_paint_signal_win.h"

#include <windows.h>

void SignalFirstPaintWhenAsked() {
    static bool signalled = false;
    if (signalled) return;
    signalled = true;
    char name[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BREVANE_FIRST_PAINT_EVENT", name, sizeof name);
    if (length == 0 || length >= sizeof name) return;
    if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(event);
        CloseHandle(event);
    }
}
