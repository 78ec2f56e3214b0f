// What the wizard's pages and sub-dialogs do the same way: the help topic on
// F1 and on the Help button or the sheet's Help, the colour lists that open
// the chooser, and OK that ends a dialog only once its checks pass.
#pragma once
#include <windows.h>

#include <vector>

// A modal sub-dialog of the wizard; the derived class moves its values.
class WizardDialog {
public:
    WizardDialog(int templateId, int helpKey, int helpButton, std::vector<int> colourCombos = {})
        : templateId_(templateId), helpKey_(helpKey), helpButton_(helpButton), colourCombos_(std::move(colourCombos)) {}
    virtual ~WizardDialog() = default;

    // IDOK or IDCANCEL.
    INT_PTR Run(HWND owner);

protected:
    virtual void Show(HWND dialog) = 0;
    // 0 ends the dialog with IDOK; else the string id of the refusal shown,
    // and the dialog stays open.
    virtual int Accept(HWND) { return 0; }
    // Any other command or notification; true when handled.
    virtual bool OnCommand(HWND, int /*id*/, int /*code*/) { return false; }
    virtual bool OnNotify(HWND, const NMHDR&) { return false; }

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    int templateId_;
    int helpKey_;
    int helpButton_;
    std::vector<int> colourCombos_;
};

// A wizard page's part of the sheet's notifications.
struct WizardPage {
    int number;     // 1..9, for its buttons
    int helpKey;
    void (*enter)(HWND page);  // on PSN_SETACTIVE, before the buttons are set; may be null
    void (*next)(HWND page);   // on PSN_WIZNEXT; may be null
};

// Answers PSN_SETACTIVE, PSN_WIZNEXT, PSN_HELP and WM_HELP for the page; true
// when the message was one of them (the page procedure then returns TRUE).
bool HandleWizardPageMessage(HWND page, UINT message, LPARAM lParam, const WizardPage& spec);
