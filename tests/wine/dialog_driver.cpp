#include "dialog_driver.h"

#include <cstring>

namespace {

struct Search {
    HWND found;
    const std::vector<HWND>* done;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    for (HWND d : *search->done)
        if (d == window) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (_stricmp(cls, "Static") != 0) return TRUE;
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (!text[0]) return TRUE;
    auto* all = reinterpret_cast<std::string*>(param);
    if (!all->empty()) *all += '\n';
    *all += text;
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(std::vector<Step> steps) : DialogDriver(std::move(steps), {}) {}

DialogDriver::DialogDriver(std::vector<Step> steps, std::vector<HWND> leaveAlone)
    : uiThread_(GetCurrentThreadId()),
      steps_(std::move(steps)),
      leaveAlone_(std::move(leaveAlone)),
      thread_([this] { Run(); }) {}

DialogDriver::~DialogDriver() { Finish(); }

void DialogDriver::Finish() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void DialogDriver::Run() {
    std::vector<HWND> done = leaveAlone_;
    size_t next = 0;
    while (!stop_) {
        Search search = {nullptr, &done};
        EnumThreadWindows(uiThread_, FindDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(10);
            continue;
        }
        HWND dialog = search.found;
        Sleep(30);  // let it finish its set-up
        SeenDialog seen;
        char caption[256] = {};
        GetWindowTextA(dialog, caption, sizeof caption);
        seen.caption = caption;
        EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&seen.text));
        seen_.push_back(seen);
        done.push_back(dialog);
        if (next < steps_.size()) {
            steps_[next++](dialog);
        } else {
            ++unexpected_;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

DialogDriver::Step Press(int id) {
    return [id](HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
}
