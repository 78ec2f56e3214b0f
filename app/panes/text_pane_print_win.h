// Printing a text pane and the print job's cancel box (dialog 113).
#pragma once
#include <windows.h>

#include "app/panes/print_loop.h"

// Prints the whole pane, one inch margins; the caller opens and closes the
// job. Returns the pages printed.
int PrintTextPane(HDC printerDC, HWND pane);

// The page sink PrintTextPane drives: EM_FORMATRANGE pages on printerDC.
class PaneFormatRangeSink : public PageSink {
public:
    PaneFormatRangeSink(HDC printerDC, HWND pane);
    bool StartPage() override;
    int32_t FormatPage(int32_t first) override;
    bool EndPage() override;
    void ClearFormatCache() override;

private:
    HDC dc_;
    HWND pane_;
    RECT page_;
    RECT area_;
};

int32_t PaneTextLength(HWND pane);

// The cancel box and the job's abort procedure.
extern BOOL PrintContinue;
extern HWND PrintAbortDialog;
INT_PTR CALLBACK PrintAbortDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL CALLBACK PrintAbortProc(HDC dc, int error);
// Shows dialog 113 with the lab title and raises PrintContinue.
HWND CreatePrintAbortDialog(HWND owner, HINSTANCE instance, const char* labTitle);
