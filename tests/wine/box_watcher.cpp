#include "box_watcher.h"

#include <algorithm>

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
    DWORD process;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (owner == search->process && IsWindowVisible(window) && std::string(cls) == "#32770")
        search->boxes.push_back(window);
    return TRUE;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

BoxWatcher::BoxWatcher(int answer) : answer_(answer), thread_([this] { Watch(); }) {}

BoxWatcher::~BoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenBox> BoxWatcher::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void BoxWatcher::Watch() {
    while (!stop_) {
        Search search{GetCurrentProcessId(), {}};
        EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.boxes) {
            if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) continue;
            HWND textControl = GetDlgItem(box, kMessageBoxTextId);
            SeenBox seen{TextOf(box), textControl ? TextOf(textControl) : std::string()};
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(seen);
            }
            answered_.push_back(box);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, answer_)));
        }
        Sleep(20);
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms, bool* quit) {
    for (int waited = 0;; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT && quit) *quit = true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
