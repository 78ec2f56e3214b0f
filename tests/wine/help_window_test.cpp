// F1 opens the help viewer on the program's manual. Wine draws no page
// without its HTML engine (the test prefix has none), so the page itself is
// checked through HelpTopicPath; here the viewer must open our compiled file
// with its contents.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>

#include "app/settings/help_win.h"
#include "test_window.h"

namespace {

BOOL CALLBACK FindHelpViewer(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && strcmp(cls, "HH Parent") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTree(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "SysTreeView32") != 0) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

TEST(HelpWindow, F1OpensTheManualWithItsContents) {
    TestWindow frame;
    ShowContextHelp(frame.handle(), 30, 0);  // New
    HWND viewer = nullptr;
    for (int i = 0; i < 250 && !viewer; ++i) {
        PumpMessages();
        EnumWindows(FindHelpViewer, reinterpret_cast<LPARAM>(&viewer));
        if (!viewer) Sleep(20);
    }
    ASSERT_NE(viewer, nullptr);
    char title[128] = {};
    GetWindowTextA(viewer, title, sizeof title);
    EXPECT_STREQ(title, "Brevane Help");
    HWND tree = nullptr;
    EnumChildWindows(viewer, FindTree, reinterpret_cast<LPARAM>(&tree));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), 19);  // one entry per page
    LoadHtmlHelp()(nullptr, nullptr, 0x12 /* HH_CLOSE_ALL */, 0);
    PumpMessages();
}

}  // namespace
