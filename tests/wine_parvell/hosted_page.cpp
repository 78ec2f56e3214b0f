#include "hosted_page.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {
constexpr char kHostedSheetCaption[] = "Hosted wizard page";
}  // namespace

HostedPage::HostedPage(int templateId, DLGPROC proc, const char* title) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | PSP_HASHELP;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(templateId);
    page.pfnDlgProc = proc;
    page.pszTitle = title;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD | PSH_MODELESS | PSH_HASHELP;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = kHostedSheetCaption;
    header.nPages = 1;
    header.ppsp = &page;
    sheet_ = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (sheet_) {
        ShowWindow(sheet_, SW_SHOW);
        page_ = PropSheet_GetCurrentPageHwnd(sheet_);
    }
    PumpPageMessages();
}

HostedPage::~HostedPage() {
    if (sheet_) DestroyWindow(sheet_);
    PumpPageMessages();
}

LONG_PTR HostedPage::Notify(UINT code) const {
    PSHNOTIFY notify = {};
    notify.hdr.hwndFrom = sheet_;
    notify.hdr.code = code;
    SendMessageA(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    return GetWindowLongPtrA(page_, DWLP_MSGRESULT);
}

std::vector<DialogDriver::Step> PastTheSheet(HWND sheet, std::vector<DialogDriver::Step> steps) {
    struct Queue {
        std::vector<DialogDriver::Step> steps;
        size_t next = 0;
    };
    auto queue = std::make_shared<Queue>();
    queue->steps = std::move(steps);
    std::vector<DialogDriver::Step> out(queue->steps.size() + 1, [queue, sheet](HWND dialog) {
        if (dialog == sheet) return;
        if (queue->next < queue->steps.size()) queue->steps[queue->next++](dialog);
        else PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    return out;
}

std::vector<SeenDialog> OpenedDialogs(const DialogDriver& driver, const HostedPage& host) {
    char caption[256] = "";
    GetWindowTextA(host.sheet(), caption, sizeof caption);
    std::vector<SeenDialog> opened;
    for (const SeenDialog& seen : driver.Seen())
        if (seen.caption != caption) opened.push_back(seen);
    return opened;
}

void FinishDriver(DialogDriver& driver) {
    std::atomic<bool> finished{false};
    std::thread finisher([&] {
        driver.Finish();
        finished = true;
    });
    while (!finished) PumpPageMessages();
    finisher.join();
}

void PumpPageMessages() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

void SaveScreenshot(HWND window, const std::string& name) {
    const char* folder = getenv("BREVANE_SCREENSHOTS");
    if (!folder || !*folder || !window) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // The display shows a window once its thread has run the paints queued.
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) PumpPageMessages();
    else Sleep(100);
    RECT box;
    GetWindowRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file holds it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = DWORD((width * 3 + 3) & ~3);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * DWORD(height);
    std::string path = std::string(folder) + "\\" + name + ".bmp";
    if (FILE* out = fopen(path.c_str(), "wb")) {
        fwrite(&file, sizeof file, 1, out);
        fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        fwrite(bits, rowBytes, size_t(height), out);
        fclose(out);
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
}

void SetBox(HWND dialog, int id, bool checked) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

