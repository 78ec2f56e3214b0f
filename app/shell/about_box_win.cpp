#include "app/shell/about_box_win.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/shell/about_text.h"
#include "resources/brevane/about_box_ids.h"

namespace {

struct AboutContext {
    const char* homePage;
    INT_PTR (*open)(HWND, const char*);
    void (*failed)(HWND);
    HFONT linkFont = nullptr;
};

std::string LoadText(int id) {
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), UINT(id), text, sizeof text);
    return text;
}

// One value of the program file's version block (language 040904b0).
std::string VersionValue(const std::vector<char>& block, const char* name) {
    if (block.empty()) return "";
    char path[96];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\040904b0\\%s", name);
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length) || !value || length == 0)
        return "";
    return std::string(value, strnlen(value, length));
}

std::vector<char> VersionBlock() {
    char file[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, file, MAX_PATH)) return {};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    std::vector<char> block(size);
    if (!size || !GetFileVersionInfoA(file, 0, size, block.data())) block.clear();
    return block;
}

void FillTexts(HWND dialog) {
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    char line[256];
    std::snprintf(line, sizeof line, LoadText(IDS_ABOUT_PROCESSOR).c_str(), ProcessorName(system.wProcessorLevel));
    SetDlgItemTextA(dialog, IDC_ABOUT_PROCESSOR, line);

    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    // The lines take whole kilobytes as int; larger machines show the largest.
    const auto kilobytes = [](DWORDLONG bytes) {
        const DWORDLONG kb = bytes / 1024;
        return int(kb > 0x7FFFFFFF ? 0x7FFFFFFF : kb);
    };
    std::snprintf(line, sizeof line, LoadText(IDS_ABOUT_MEMORY).c_str(), kilobytes(memory.ullTotalPhys));
    SetDlgItemTextA(dialog, IDC_ABOUT_MEMORY, line);
    std::snprintf(line, sizeof line, LoadText(IDS_ABOUT_PAGING).c_str(), kilobytes(memory.ullAvailPageFile));
    SetDlgItemTextA(dialog, IDC_ABOUT_PAGING, line);

    const std::vector<char> block = VersionBlock();
    SetDlgItemTextA(dialog, IDC_ABOUT_VERSION,
                    VersionLine(LoadText(IDS_ABOUT_VERSION), VersionValue(block, "FileVersion"),
                                LoadText(IDS_ABOUT_BUILD), VersionValue(block, "PrivateBuild"))
                        .c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, VersionValue(block, "ProductName").c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_COPYRIGHT, VersionValue(block, "LegalCopyright").c_str());
}

bool OverLink(HWND dialog) {
    POINT p;
    GetCursorPos(&p);
    RECT r;
    GetWindowRect(GetDlgItem(dialog, IDC_ABOUT_LINK), &r);
    return PtInRect(&r, p) != 0;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* context = reinterpret_cast<AboutContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        context = reinterpret_cast<AboutContext*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
        FillTexts(dialog);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
        font.lfUnderline = TRUE;
        context->linkFont = CreateFontIndirectA(&font);
        SendDlgItemMessageA(dialog, IDC_ABOUT_LINK, WM_SETFONT, reinterpret_cast<WPARAM>(context->linkFont), FALSE);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_ABOUT_LINK)) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog, IDC_ABOUT_LINK) || OverLink(dialog)) {
            HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND));
            SetCursor(hand ? hand : LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ABOUT_LINK:
            if (HIWORD(wParam) == STN_CLICKED && context) {
                const std::string address = AboutLinkAddress(context->homePage);
                if (context->open(dialog, address.c_str()) <= 32) context->failed(dialog);
            }
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (context && context->linkFont) {
            DeleteObject(context->linkFont);
            context->linkFont = nullptr;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner, const char* homePage, INT_PTR (*open)(HWND, const char*), void (*failed)(HWND)) {
    AboutContext context{homePage, open, failed};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&context));
}
