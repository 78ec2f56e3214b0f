#include "test_window.h"

#include <richedit.h>

#include "app/panes/text_panes_win.h"
#include "bench/model/bench_state.h"

namespace {
const char* kClass = "BrevaneTestWindow";
}

TestWindow::TestWindow(int width, int height, bool visible) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        registered = true;
    }
    window_ = CreateWindowExA(0, kClass, "Test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width,
                              height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (visible) {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
    }
    PumpMessages();
}

TestWindow::~TestWindow() {
    if (window_) DestroyWindow(window_);
    PumpMessages();
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_COMMAND:
        if (self) {
            self->commands.push_back(LOWORD(wParam));
            if (LOWORD(wParam) == 32 && self->saveSucceeds) DocumentModified = false;
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == EN_PROTECTED) return AnswerProtectedChange();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
