#include "student_steps.h"

#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>

#include <cctype>
#include <cstring>

#include "app/frame/app_windows_win.h"
#include "bench/window/bench_window_win.h"
#include "program_instance.h"

namespace {

// "&Combine\tCtrl+C" -> "Combine"; "Hot Plate && Mag Stir" -> "Hot Plate & Mag Stir".
std::string Shown(const char* text) {
    std::string out;
    for (const char* p = text; *p && *p != '\t'; ++p) {
        if (*p == '&') {
            if (p[1] != '&') continue;
            ++p;
        }
        out += *p;
    }
    return out;
}

std::string ItemText(HMENU menu, int index) {
    char text[256] = "";
    GetMenuStringA(menu, UINT(index), text, sizeof text, MF_BYPOSITION);
    return Shown(text);
}

// The item's type and state (GetMenuState mixes a sub-menu's item count in).
MENUITEMINFOA ItemInfo(HMENU menu, int index) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoA(menu, UINT(index), TRUE, &info);
    return info;
}

bool IsSeparator(HMENU menu, int index) { return (ItemInfo(menu, index).fType & MFT_SEPARATOR) != 0; }

int IndexOfItem(HMENU menu, const std::string& text) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (IsSeparator(menu, i)) continue;
        if (ItemText(menu, i) == text) return i;
    }
    return -1;
}

// One walk through open menus, done from a timer that runs inside the
// menu's own loop, as keys a student presses.
struct MenuWalk {
    std::vector<std::string> path;
    size_t step = 0;
    bool choose = true;  // false: only look, then close
    bool reached = false;
    std::string problem;
    int waits = 0;
};
MenuWalk* walk = nullptr;

void EndWalk(UINT_PTR timer) {
    KillTimer(nullptr, timer);
    EndMenu();
}

void CALLBACK WalkOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!walk) return EndWalk(timer);
    const std::string& wanted = walk->path[walk->step];
    for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
         popup = FindWindowExA(nullptr, popup, "#32768", nullptr)) {
        if (!IsWindowVisible(popup)) continue;
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        const int index = menu ? IndexOfItem(menu, wanted) : -1;
        if (index < 0) continue;
        const UINT state = ItemInfo(menu, index).fState;
        const bool last = walk->step + 1 == walk->path.size();
        if (state & MFS_DISABLED) {
            walk->problem = "\"" + wanted + "\" is grey";
            return EndWalk(timer);
        }
        if (last && !walk->choose) {
            walk->reached = true;
            return EndWalk(timer);
        }
        // Down from the highlighted item (none: from the top), past the
        // separators the keys skip too.
        int at = -1;
        const int n = GetMenuItemCount(menu);
        for (int i = 0; i < n; ++i)
            if (ItemInfo(menu, i).fState & MFS_HILITE) at = i;
        int downs = 0;
        for (int i = at; i != index;) {
            i = (i + 1) % n;
            if (!IsSeparator(menu, i)) ++downs;
        }
        for (int k = 0; k < downs; ++k) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, last ? VK_RETURN : VK_RIGHT, 0);
        walk->waits = 0;
        if (last) {
            walk->reached = true;
            KillTimer(nullptr, timer);
            return;
        }
        ++walk->step;
        return;
    }
    if (++walk->waits > 60) {
        walk->problem = "no open menu shows \"" + wanted + "\"; open:";
        for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
             popup = FindWindowExA(nullptr, popup, "#32768", nullptr)) {
            if (!IsWindowVisible(popup)) continue;
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            for (int i = 0, n = menu ? GetMenuItemCount(menu) : 0; i < n; ++i) walk->problem += " [" + ItemText(menu, i) + "]";
        }
        EndWalk(timer);
    }
}

bool Walk(MenuWalk& w, const std::function<void()>& open, std::string* problem) {
    walk = &w;
    SetTimer(nullptr, 0, 40, WalkOpenMenu);
    open();
    PumpMessages(100);
    walk = nullptr;
    if (problem) *problem = w.problem;
    return w.reached && w.problem.empty();
}

bool BarWalk(const std::vector<std::string>& path, bool choose, std::string* problem) {
    HMENU bar = GetMenu(FrameWindow);
    const int title = IndexOfItem(bar, path.at(0));
    char text[64] = "";
    GetMenuStringA(bar, UINT(title), text, sizeof text, MF_BYPOSITION);
    const char* mark = strchr(text, '&');
    if (title < 0 || !mark || path.size() < 2) {
        if (problem) *problem = "no menu \"" + path.at(0) + "\"";
        return false;
    }
    MenuWalk w;
    w.path = path;
    w.step = 1;
    w.choose = choose;
    // Alt and the title's letter, as the keyboard opens it.
    const WPARAM letter = WPARAM(std::tolower(static_cast<unsigned char>(mark[1])));
    return Walk(w, [letter] { SendMessageA(FrameWindow, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(letter)); }, problem);
}

bool BenchWalk(POINT benchPoint, const std::vector<std::string>& path, bool choose, std::string* problem) {
    MenuWalk w;
    w.path = path;
    w.choose = choose;
    const POINT p = ClientPoint(benchPoint);
    return Walk(w,
                [p] {
                    SendMessageA(BenchWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
                    SendMessageA(BenchWindow, WM_RBUTTONUP, 0, MAKELPARAM(p.x, p.y));
                },
                problem);
}

LPARAM At(POINT benchPoint) {
    const POINT p = ClientPoint(benchPoint);
    return MAKELPARAM(p.x, p.y);
}

}  // namespace

bool ChooseFromMenuBar(const std::vector<std::string>& path, std::string* problem) {
    return BarWalk(path, true, problem);
}

bool ChooseFromBenchMenu(POINT benchPoint, const std::vector<std::string>& path, std::string* problem) {
    return BenchWalk(benchPoint, path, true, problem);
}

bool MenuBarOffers(const std::vector<std::string>& path) { return BarWalk(path, false, nullptr); }

bool BenchMenuOffers(POINT benchPoint, const std::vector<std::string>& path) {
    return BenchWalk(benchPoint, path, false, nullptr);
}

POINT ClientPoint(POINT benchPoint) {
    POINT p = benchPoint;
    LPtoDP(BenchDC, &p, 1);
    return p;
}

POINT CentreOf(const LabObject& o) {
    return {(o.position.left + o.position.right) / 2, (o.position.top + o.position.bottom) / 2};
}

void ClickBench(POINT benchPoint) {
    SendMessageA(BenchWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(benchPoint));
    SendMessageA(BenchWindow, WM_LBUTTONUP, 0, At(benchPoint));
    PumpMessages(20);
}

void DoubleClickBench(POINT benchPoint) {
    ClickBench(benchPoint);
    SendMessageA(BenchWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, At(benchPoint));
    SendMessageA(BenchWindow, WM_LBUTTONUP, 0, At(benchPoint));
    PumpMessages(20);
}

void DragOnBench(POINT from, POINT to) {
    SendMessageA(BenchWindow, WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    constexpr int kMoves = 8;
    for (int k = 1; k <= kMoves; ++k) {
        const POINT p{from.x + (to.x - from.x) * k / kMoves, from.y + (to.y - from.y) * k / kMoves};
        SendMessageA(BenchWindow, WM_MOUSEMOVE, MK_LBUTTON, At(p));
    }
    SendMessageA(BenchWindow, WM_LBUTTONUP, 0, At(to));
    PumpMessages(20);
}

void PassLabTime(int ticks) {
    for (int t = 1; t <= ticks; ++t) {
        SendMessageA(BenchWindow, WM_TIMER, 1, 0);
        if (t % 25 == 0) PumpMessages(10);  // the bench paints as it would
    }
    PumpMessages(20);
}

DialogDriver::Step AfterControlFilled(int controlId, DialogDriver::Step then) {
    return [controlId, then](HWND dialog) {
        for (int i = 0; i < 200; ++i) {
            HWND control = GetDlgItem(dialog, controlId);
            char cls[32] = "";
            GetClassNameA(control, cls, sizeof cls);
            LRESULT count = 1;
            if (_stricmp(cls, "ComboBox") == 0) count = SendMessageA(control, CB_GETCOUNT, 0, 0);
            else if (_stricmp(cls, "ListBox") == 0) count = SendMessageA(control, LB_GETCOUNT, 0, 0);
            if (control && count > 0) break;
            Sleep(10);
        }
        then(dialog);
    };
}

std::vector<std::string> ListBoxRows(HWND dialog, int listId) {
    std::vector<std::string> rows;
    HWND list = GetDlgItem(dialog, listId);
    for (int i = 0, n = int(SendMessageA(list, LB_GETCOUNT, 0, 0)); i < n; ++i) {
        char text[512] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0) < LRESULT(sizeof text))
            SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

bool ChooseComboRow(HWND dialog, int comboId, const std::string& startsWith) {
    HWND combo = GetDlgItem(dialog, comboId);
    for (int i = 0, n = int(SendMessageA(combo, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        char text[512] = "";
        if (SendMessageA(combo, CB_GETLBTEXTLEN, WPARAM(i), 0) >= LRESULT(sizeof text)) continue;
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        if (std::string(text).rfind(startsWith, 0) != 0) continue;
        SendMessageA(combo, CB_SETCURSEL, WPARAM(i), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return true;
    }
    return false;
}

void ClickTextTab(int index) {
    RECT tab{};
    SendMessageA(TabControl, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&tab));
    const LPARAM onTab = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageA(TabControl, WM_LBUTTONDOWN, MK_LBUTTON, onTab);
    SendMessageA(TabControl, WM_LBUTTONUP, 0, onTab);
}

void SaveWindowPicture(HWND window, const char* name) {
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("BREVANE_SCREENSHOTS", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return;
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    Gdiplus::GpBitmap* bitmap = nullptr;
    Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(picture, nullptr, &bitmap);
    if (bitmap) {
        const std::string path = std::string(folder) + "\\" + name + ".png";
        const std::wstring wide(path.begin(), path.end());
        CLSID png{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &png, nullptr);
        Gdiplus::DllExports::GdipDisposeImage(bitmap);
    }
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void SaveFramePicture(const char* name) {
    if (!GetEnvironmentVariableA("BREVANE_SCREENSHOTS", nullptr, 0)) return;
    RedrawWindow(FrameWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(100);
    SaveWindowPicture(FrameWindow, name);
}

