// Answers every message box this process shows, from a thread of its own, so
// no test ever waits for a click; remembers what each box said.
#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenBox {
    std::string caption, text;
};

class BoxWatcher {
public:
    // answer: the button pressed on every box (IDOK, IDNO, ...).
    explicit BoxWatcher(int answer);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    std::vector<SeenBox> Seen();

private:
    void Watch();
    int answer_;
    volatile bool stop_ = false;
    std::mutex mutex_;
    std::vector<SeenBox> seen_;
    std::vector<HWND> answered_;
    std::thread thread_;
};

// Dispatches this thread's messages until done() holds (true) or about ms
// milliseconds have passed (false); a WM_QUIT taken sets *quit.
bool PumpUntil(const std::function<bool()>& done, int ms, bool* quit = nullptr);
