// One wizard page hosted alone in a modeless wizard-mode property sheet, the
// notifications the sheet sends it, and screenshots of what a test opened.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/control_texts.h"
#include "tests/wine/dialog_driver.h"
#include "wizard/sheet/dialog_fields_win.h"

class HostedPage {
public:
    HostedPage(int templateId, DLGPROC proc, const char* title);
    ~HostedPage();
    HostedPage(const HostedPage&) = delete;
    HostedPage& operator=(const HostedPage&) = delete;

    HWND sheet() const { return sheet_; }
    HWND page() const { return page_; }
    HWND item(int id) const { return GetDlgItem(page_, id); }
    // Sends the sheet's notification (PSN_SETACTIVE, PSN_WIZNEXT, ...) to the
    // page; the page's DWLP_MSGRESULT answer.
    LONG_PTR Notify(UINT code) const;

private:
    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
};

// The driver's steps for the dialogs a hosted page opens: the sheet is a
// dialog too, and whenever the driver meets it, it is left alone and no step
// is spent on it.
std::vector<DialogDriver::Step> PastTheSheet(HWND sheet, std::vector<DialogDriver::Step> steps);

// What the driver saw but the hosted sheet, in order.
std::vector<SeenDialog> OpenedDialogs(const DialogDriver& driver, const HostedPage& host);

// Ends the driver while this thread keeps answering the messages it sends
// (it reads the texts of every dialog it meets, the sheet's too).
void FinishDriver(DialogDriver& driver);

// Runs the messages already queued for this thread.
void PumpPageMessages();

// Saves the window as it shows on screen to $BREVANE_SCREENSHOTS/name.bmp when that
// variable names a folder; does nothing otherwise.
void SaveScreenshot(HWND window, const std::string& name);

// Checks or clears a dialog's box and tells the dialog, as a click does; from any thread.
void SetBox(HWND dialog, int id, bool checked);


