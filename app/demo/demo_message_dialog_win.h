// The Demo Message dialog (template 454): a pop-up message or a player
// comment written while recording, or a message of a played file rewritten
// in place; Test previews it over the bench.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/demo_records.h"

constexpr UINT_PTR kDemoMessageTimer = 6001;  // DemoMessageTimer

struct DemoMessageRecord {
    bool filled = false;  // x, y, time and style come from the header
    DemoEvent header{};   // p2 x, p3 y, p4 display seconds, p5 style
    std::string text;
    bool edit = false;    // rewrite the event at offset in demoPath
    uint64_t offset = 0;
    std::string demoPath;
    HWND playDialog = nullptr;
    int listIndex = -1;
};

// IDOK when a message was written (or rewritten), IDCANCEL otherwise.
INT_PTR RunDemoMessageDialog(HWND owner, DemoMessageRecord& record);

// The dialog while it runs and its preview tip (null otherwise), for tests.
HWND DemoMessageDialogWindow();
HWND DemoMessagePreviewWindow();
