// The password dialog: up to 7 characters typed, 6 of them kept.
#include "resources/parvell/wizard_sheet_ids.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/lab_information.h"
#include "wizard/sheet/wizard_pages_win.h"
#include "wizard/sheet/wizard_sheet_win.h"

namespace {

struct PasswordDialogState {
    PasswordDialogMode mode;
    UdlHeader* header;
};

void OnOk(HWND dialog, const PasswordDialogState& state) {
    // Zero-filled before the read: the masked bytes never hold leftovers,
    // so the same password always masks the same.
    char typed[kUdlPasswordLength] = {};
    GetDlgItemTextA(dialog, IDC_PASSWORD_TEXT, typed, sizeof typed);
    bool accepted = true;
    if (state.mode == PasswordDialogMode::kSet) parvell::SetLabPassword(*state.header, typed);
    else accepted = parvell::LabPasswordMatches(*state.header, typed);
    SecureZeroMemory(typed, sizeof typed);
    if (accepted) {
        EndDialog(dialog, IDOK);
        return;
    }
    ShowWizardMessage(dialog, parvell::kStringPasswordIncorrect, parvell::kStringPasswordCaption);
    HWND edit = GetDlgItem(dialog, IDC_PASSWORD_TEXT);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK PasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SendDlgItemMessageA(dialog, IDC_PASSWORD_TEXT, EM_LIMITTEXT, kUdlPasswordLength, 0);
        return TRUE;
    case WM_HELP: OpenWizardHelp(dialog, kHelpPassword); return TRUE;
    case WM_COMMAND: {
        auto* state = reinterpret_cast<PasswordDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog, *state); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDHELP: OpenWizardHelp(dialog, kHelpPassword); return TRUE;
        default: return FALSE;
        }
    }
    default: return FALSE;
    }
}

}  // namespace

INT_PTR RunPasswordDialog(HWND owner, PasswordDialogMode mode, UdlHeader& header) {
    PasswordDialogState state{mode, &header};
    return DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(kPasswordDialogTemplate), owner, PasswordDialogProc,
                           reinterpret_cast<LPARAM>(&state));
}
