// Drives a modal property sheet, and the boxes it opens, from the dialog
// driver's thread while the test's thread sits in the sheet's own loop.
// Everything that can open a box is posted, so the script never waits on
// its own step; everything else is sent and answered at once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>

namespace sheet_script {

// Polls condition every 10 ms for up to ms milliseconds.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
    for (int waited = 0; waited <= ms; waited += 10) {
        if (condition()) return true;
        Sleep(10);
    }
    return false;
}

inline std::string TextOf(HWND window) {
    char text[1024] = {};
    if (window) SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline std::string ControlTextOf(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

inline void SetControlText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Every static text of a dialog, joined by '\n' (the text of a message box).
inline std::string StaticTexts(HWND dialog) {
    std::string all;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (_stricmp(cls, "Static") != 0) continue;
        const std::string text = TextOf(child);
        if (text.empty()) continue;
        if (!all.empty()) all += '\n';
        all += text;
    }
    return all;
}

struct DialogSearch {
    const char* caption;
    HWND except;
    HWND found;
};

inline BOOL CALLBACK FindDialogOfThread(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (strcmp(cls, "#32770") != 0 || !IsWindowVisible(window) || window == search->except) return TRUE;
    if (search->caption && TextOf(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

// A visible dialog or box of thread captioned caption (any caption when null)
// other than except; null when none came within ms.
inline HWND WaitForDialog(DWORD thread, const char* caption, HWND except = nullptr, int ms = 5000) {
    DialogSearch search{caption, except, nullptr};
    WaitFor([&] {
        search.found = nullptr;
        EnumThreadWindows(thread, FindDialogOfThread, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, ms);
    if (search.found) Sleep(30);  // let it finish setting itself up
    return search.found;
}

// Returns once window's thread has finished what it was doing and come back
// to its message loop (a sent message is taken there, or in a box's loop).
inline void Sync(HWND window) { SendMessageA(window, WM_NULL, 0, 0); }

inline DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

// Clicks a button of a dialog, as its notification reaches the dialog.
inline void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Answers a box or dialog with a button and waits until it has gone.
inline bool Answer(HWND dialog, int id) {
    Click(dialog, id);
    return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

inline HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// Presses Back, Next, Finish, Cancel or Help (PSBTN_*).
inline void PressSheetButton(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, WPARAM(button), 0); }

// Presses a button and waits for another page; false when the page stayed.
inline bool Turn(HWND sheet, int button, int ms = 3000) {
    HWND before = CurrentPage(sheet);
    PressSheetButton(sheet, button);
    const bool turned = WaitFor([&] { return !IsWindow(sheet) || CurrentPage(sheet) != before; }, ms);
    // The new page is current before its activation has set the buttons.
    if (turned && IsWindow(sheet)) Sync(sheet);
    return turned;
}

// Moves the focus of a dialog to one of its controls, as a click would.
inline void FocusControl(HWND dialog, int id) {
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
    WaitFor([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(ThreadOf(dialog), &info) && info.hwndFocus == GetDlgItem(dialog, id);
    }, 2000);
}

// F1 on the control that has the focus in window's thread: for the F1 key
// the system posts WM_KEYF1 to the focused window, whose default procedure
// sends WM_HELP up its parents.
inline void PressF1(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND focus = GetGUIThreadInfo(ThreadOf(window), &info) && info.hwndFocus ? info.hwndFocus : window;
    PostMessageA(focus, 0x004D /* WM_KEYF1 */, 0, 0);
}

inline bool IsVisibleAndEnabled(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

}  // namespace sheet_script

namespace sheet_script {

struct ViewerSearch {
    HWND found;
};

inline BOOL CALLBACK FindHelpViewerWindow(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || strcmp(cls, "HH Parent") != 0 || !IsWindowVisible(window)) return TRUE;
    reinterpret_cast<ViewerSearch*>(param)->found = window;
    return FALSE;
}

// The help viewer's window once it has opened; null when none came.
inline HWND WaitForHelpViewer(int ms = 5000) {
    ViewerSearch search{nullptr};
    WaitFor([&] {
        EnumWindows(FindHelpViewerWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, ms);
    return search.found;
}

struct ClassSearch {
    const char* cls;
    HWND found;
};

inline BOOL CALLBACK FindChildOfClass(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (strcmp(cls, search->cls) != 0) return TRUE;
    search->found = child;
    return FALSE;
}

// A window of that class anywhere below parent; null when none.
inline HWND FindDescendant(HWND parent, const char* cls) {
    ClassSearch search{cls, nullptr};
    if (parent) EnumChildWindows(parent, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Closes the help viewer and waits until it has gone.
inline void CloseHelpViewer(HWND viewer) {
    if (!viewer) return;
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(viewer) || !IsWindowVisible(viewer); });
}

// Writes a bottom-up 24-bit DIB section's header and bits as a BMP file.
inline bool WriteBitmapFile(const std::string& path, const BITMAPINFOHEADER& header, const void* bits) {
    const DWORD rowBytes = DWORD((header.biWidth * 3 + 3) & ~3), imageBytes = rowBytes * DWORD(header.biHeight);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageBytes;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD wrote;
    const bool ok = WriteFile(out, &file, sizeof file, &wrote, nullptr) &&
                    WriteFile(out, &header, sizeof header, &wrote, nullptr) &&
                    WriteFile(out, bits, imageBytes, &wrote, nullptr);
    CloseHandle(out);
    return ok;
}

// The folder named by BREVANE_SCREENSHOTS, or empty when it is not set.
inline std::string ScreenshotFolder() {
    char folder[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("BREVANE_SCREENSHOTS", folder, sizeof folder);
    return length == 0 || length >= sizeof folder ? std::string() : std::string(folder);
}

// Copies w x h pixels of source from (x, y) into a 24-bit BMP named name.
inline void SavePictureOf(HDC source, int x, int y, int w, int h, const std::string& folder, const std::string& name) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    WriteBitmapFile(folder + "\\" + name + ".bmp", info.bmiHeader, bits);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
}

// Saves what window shows on the screen as a 24-bit BMP in the folder named
// by BREVANE_SCREENSHOTS, when that is set: for looking at the windows.
inline void SaveScreenshot(HWND window, const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty() || !window) return;
    // Painted first: a page just turned to may not have been yet.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sync(window);
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    SavePictureOf(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, folder, name);
    ReleaseDC(nullptr, screen);
}

// The same from the window's own pixels rather than the screen's, for a
// window of the calling thread: the screen may not show its last paint yet
// (Wine hands a window's pixels to the X server only when its thread idles),
// and windows over it are left out.
inline void SaveWindowPicture(HWND window, const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty() || !window) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(window, &r);
    HDC dc = GetWindowDC(window);
    SavePictureOf(dc, 0, 0, r.right - r.left, r.bottom - r.top, folder, name);
    ReleaseDC(window, dc);
}

}  // namespace sheet_script
