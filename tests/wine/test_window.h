// A plain top-level window standing in for the frame or the bench in tests.
#pragma once
#include <windows.h>

#include <vector>

class TestWindow {
public:
    explicit TestWindow(int width = 400, int height = 300, bool visible = true);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND handle() const { return window_; }

    // Whether command 32 (Save) succeeds (clears DocumentModified); the
    // commands received.
    bool saveSucceeds = false;
    std::vector<int> commands;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
};

// Runs the window messages already queued.
void PumpMessages();
