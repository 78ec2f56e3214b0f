#include "wizard/reactions/wizard_dialog_win.h"

#include <commctrl.h>

#include <algorithm>

#include "wizard/database/colour_combo_win.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

INT_PTR WizardDialog::Run(HWND owner) {
    INT_PTR result = DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(templateId_), owner, Proc,
                                     reinterpret_cast<LPARAM>(this));
    return result == IDOK ? IDOK : IDCANCEL;
}

INT_PTR CALLBACK WizardDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<WizardDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return self ? self->Handle(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR WizardDialog::Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Show(dialog);
        return TRUE;
    case WM_HELP:
        OpenWizardHelp(dialog, helpKey_);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(dialog, *reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        if (code == CBN_SELCHANGE && std::find(colourCombos_.begin(), colourCombos_.end(), id) != colourCombos_.end()) {
            OnColourComboChanged(dialog, GetDlgItem(dialog, id));
            return TRUE;
        }
        if (id == IDOK) {
            if (int refusal = Accept(dialog)) parvell::ShowRefusal(dialog, refusal);
            else EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        if (id == helpButton_) {
            OpenWizardHelp(dialog, helpKey_);
            return TRUE;
        }
        return OnCommand(dialog, id, code);
    }
    default:
        return FALSE;
    }
}

bool HandleWizardPageMessage(HWND page, UINT message, LPARAM lParam, const WizardPage& spec) {
    if (message == WM_HELP) {
        OpenWizardHelp(page, spec.helpKey);
        return true;
    }
    if (message != WM_NOTIFY) return false;
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        if (spec.enter) spec.enter(page);
        SetWizardPageButtons(page, spec.number);
        break;
    case PSN_WIZNEXT:
        if (spec.next) spec.next(page);
        break;
    case PSN_HELP:
        OpenWizardHelp(page, spec.helpKey);
        break;
    default:
        return false;
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
    return true;
}
