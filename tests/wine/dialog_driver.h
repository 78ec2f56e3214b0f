// Answers the dialogs and message boxes a test opens, from a second thread,
// so no dialog ever waits for a click. Each step waits for the next dialog
// of the test's thread and acts on it; dialogs beyond the steps are
// cancelled and counted as unexpected.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

struct SeenDialog {
    std::string caption;
    std::string text;  // the texts of its static controls, joined by '\n'
};

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;
    explicit DialogDriver(std::vector<Step> steps);
    // The modeless dialogs left alone (the Titration dialog beside the bench).
    DialogDriver(std::vector<Step> steps, std::vector<HWND> leaveAlone);
    ~DialogDriver();  // Finish()
    void Finish();    // stops watching; joins the thread
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Read after Finish().
    const std::vector<SeenDialog>& Seen() const { return seen_; }
    int Unexpected() const { return unexpected_; }

private:
    void Run();
    DWORD uiThread_;
    std::vector<Step> steps_;
    std::vector<HWND> leaveAlone_;
    std::vector<SeenDialog> seen_;
    std::atomic<bool> stop_{false};
    int unexpected_ = 0;
    std::thread thread_;
};

// Presses a button (message boxes end with their button's id).
DialogDriver::Step Press(int id);
