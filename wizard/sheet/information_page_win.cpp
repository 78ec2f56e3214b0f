// Page 2: the lab file's name, title, description and author, its edit
// password, and the two read-only facts (the module that runs the lab and
// the folder the lab is written to).
#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>

#include "resources/parvell/wizard_sheet_ids.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/lab_information.h"
#include "wizard/sheet/wizard_session.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/sheet/wizard_sheet_win.h"
#include "wizard/udl_io_win.h"

namespace {

UdlHeader& Header() { return ParvellRuntime().EditableLab().header; }

std::string ModuleFileName() {
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(ParvellInstance(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    return parvell::FileNameOf(path);
}

bool IsChecked(HWND page) { return IsDlgButtonChecked(page, IDC_UDL_PASSWORD) == BST_CHECKED; }
void SetChecked(HWND page, bool checked) {
    CheckDlgButton(page, IDC_UDL_PASSWORD, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The box's own click: checking it sets a password (or asks for the stored
// one), unchecking it asks for the stored password before clearing it.
void OnPasswordBox(HWND page) {
    UdlHeader& header = Header();
    parvell::WizardSession& session = parvell::CurrentWizardSession();
    if (!IsChecked(page)) {
        const auto mode = header.hasPassword ? PasswordDialogMode::kCheck : PasswordDialogMode::kSet;
        if (RunPasswordDialog(page, mode, header) != IDOK) return;
        session.passwordEntered = true;
        SetChecked(page, true);
        return;
    }
    if (header.hasPassword && RunPasswordDialog(page, PasswordDialogMode::kCheck, header) != IDOK) return;
    parvell::ClearLabPassword(header);
    SetChecked(page, false);
}

void ShowFields(HWND page) {
    const UdlHeader& header = Header();
    const parvell::LabInformationFields fields = parvell::LabInformationOf(header);
    SetDlgItemTextA(page, IDC_UDL_FILE_NAME, parvell::CurrentWizardSession().fileName.c_str());
    SetDlgItemTextA(page, IDC_UDL_TITLE, fields.title.c_str());
    SetDlgItemTextA(page, IDC_UDL_DESCRIPTION, fields.description.c_str());
    SetDlgItemTextA(page, IDC_UDL_AUTHOR, fields.author.c_str());
    SetChecked(page, header.hasPassword != 0);
}

void StoreFields(HWND page) {
    parvell::LabInformationFields fields;
    fields.title = parvell::FieldText(page, IDC_UDL_TITLE);
    fields.description = parvell::FieldText(page, IDC_UDL_DESCRIPTION);
    fields.author = parvell::FieldText(page, IDC_UDL_AUTHOR);
    fields.moduleName = parvell::FieldText(page, IDC_UDL_MODULE_NAME);
    parvell::StoreLabInformation(fields, Header());
    std::string& fileName = parvell::CurrentWizardSession().fileName;
    fileName = parvell::UdlFileNameFromTyped(parvell::FieldText(page, IDC_UDL_FILE_NAME));
    SetDlgItemTextA(page, IDC_UDL_FILE_NAME, fileName.c_str());
}

// Next: a lab with a password goes on only once it was given in this run.
bool PasswordLetsThrough(HWND page) {
    parvell::WizardSession& session = parvell::CurrentWizardSession();
    if (!IsChecked(page) || session.passwordEntered) return true;
    UdlHeader& header = Header();
    const auto mode = header.hasPassword ? PasswordDialogMode::kCheck : PasswordDialogMode::kSet;
    if (RunPasswordDialog(page, mode, header) != IDOK) return false;
    session.passwordEntered = true;
    return true;
}

void OnInit(HWND page) {
    SendDlgItemMessageA(page, IDC_UDL_FILE_NAME, EM_LIMITTEXT, MAX_PATH - 1, 0);
    SendDlgItemMessageA(page, IDC_UDL_TITLE, EM_LIMITTEXT, kUdlTitleLength, 0);
    SendDlgItemMessageA(page, IDC_UDL_DESCRIPTION, EM_LIMITTEXT, kUdlDescriptionLength, 0);
    SendDlgItemMessageA(page, IDC_UDL_AUTHOR, EM_LIMITTEXT, kUdlAuthorLength, 0);
    SetDlgItemTextA(page, IDC_UDL_MODULE_NAME, ModuleFileName().c_str());
    UdlIoWin io(ParvellInstance(), page);
    const std::string folder = io.PerUserFolder();  // made when missing
    SetDlgItemTextA(page, IDC_UDL_WORKING_FOLDER, folder.empty() ? "" : (folder + "\\").c_str());
}

INT_PTR OnNotify(HWND page, const NMHDR& notice) {
    LONG_PTR result = 0;
    switch (notice.code) {
    case PSN_SETACTIVE:
        parvell::SetUdlSignature(Header());
        ShowFields(page);
        SetWizardPageButtons(page, 2);
        break;
    case PSN_WIZNEXT:
        if (!PasswordLetsThrough(page)) result = -1;  // stay on the page
        else StoreFields(page);
        break;
    case PSN_WIZBACK: StoreFields(page); break;
    default: return FALSE;
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK InformationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerWizardHelp(page, message, lParam, kHelpInformation)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: OnInit(page); return TRUE;
    case WM_NOTIFY: return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_UDL_PASSWORD && HIWORD(wParam) == BN_CLICKED) OnPasswordBox(page);
        return TRUE;
    default: return FALSE;
    }
}
