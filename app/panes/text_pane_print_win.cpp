#include "app/panes/text_pane_print_win.h"

#include <richedit.h>

#include "app/panes/text_panes_win.h"
#include "resources/brevane/shell_ids.h"

BOOL PrintContinue = TRUE;
HWND PrintAbortDialog = nullptr;

PaneFormatRangeSink::PaneFormatRangeSink(HDC printerDC, HWND pane) : dc_(printerDC), pane_(pane) {
    SetMapMode(dc_, MM_TEXT);
    int dpiX = GetDeviceCaps(dc_, LOGPIXELSX), dpiY = GetDeviceCaps(dc_, LOGPIXELSY);
    // Whole inches, as the page is laid out in inch steps.
    int width = dpiX > 0 ? GetDeviceCaps(dc_, HORZRES) / dpiX * 1440 : 0;
    int height = dpiY > 0 ? GetDeviceCaps(dc_, VERTRES) / dpiY * 1440 : 0;
    SetRect(&page_, 0, 0, width, height);
    SetRect(&area_, 1440, 1440, width - 1440, height - 1440);
}

bool PaneFormatRangeSink::StartPage() { return ::StartPage(dc_) > 0; }

int32_t PaneFormatRangeSink::FormatPage(int32_t first) {
    FORMATRANGE range = {};
    range.hdc = dc_;
    range.hdcTarget = dc_;
    range.rc = area_;
    range.rcPage = page_;
    range.chrg.cpMin = first;
    range.chrg.cpMax = -1;
    return static_cast<int32_t>(SendMessageA(pane_, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
}

bool PaneFormatRangeSink::EndPage() { return ::EndPage(dc_) > 0; }

void PaneFormatRangeSink::ClearFormatCache() { SendMessageA(pane_, EM_FORMATRANGE, FALSE, 0); }

int32_t PaneTextLength(HWND pane) {
    if (UsingRichEdit20()) {
        GETTEXTLENGTHEX how = {GTL_PRECISE, CP_ACP};
        return static_cast<int32_t>(SendMessageA(pane, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
    }
    return static_cast<int32_t>(SendMessageA(pane, WM_GETTEXTLENGTH, 0, 0));
}

int PrintTextPane(HDC printerDC, HWND pane) {
    if (!printerDC || !pane) return 0;
    PaneFormatRangeSink sink(printerDC, pane);
    return RunPrintLoop(PaneTextLength(pane), sink);
}

INT_PTR CALLBACK PrintAbortDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_PRINT_LAB_TITLE, lParam ? reinterpret_cast<const char*>(lParam) : "");
        return TRUE;
    case WM_COMMAND:
        PrintContinue = FALSE;
        return TRUE;
    }
    return FALSE;
}

BOOL CALLBACK PrintAbortProc(HDC, int) {
    MSG message;
    while (PrintContinue && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!PrintAbortDialog || !IsDialogMessageA(PrintAbortDialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return PrintContinue;
}

HWND CreatePrintAbortDialog(HWND owner, HINSTANCE instance, const char* labTitle) {
    PrintContinue = TRUE;
    PrintAbortDialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PRINT_ABORT), owner,
                                          PrintAbortDialogProc, reinterpret_cast<LPARAM>(labTitle));
    return PrintAbortDialog;
}
