// Page 3: the paths of the three documents, plain text or RTF, choosing a
// file for the field last clicked in, and opening it in the word processor.
#include "wizard/sheet/wizard_pages_win.h"

#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>

#include "resources/parvell/wizard_sheet_ids.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/lab_information.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/sheet/wizard_sheet_win.h"

namespace {

constexpr int32_t kStylePlainText = 0x4000;

struct DocumentField {
    int control;
    char (UdlHeader::*path)[kUdlPathLength];
};
constexpr DocumentField kFields[] = {
    {IDC_DOC_INTRODUCTION, &UdlHeader::introductionPath},
    {IDC_DOC_PROCEDURE, &UdlHeader::procedurePath},
    {IDC_DOC_OBSERVATIONS, &UdlHeader::observationsPath},
};

UdlHeader& Header() { return ParvellRuntime().EditableLab().header; }

// The path field that last had the focus, kept on the page.
int FocusedField(HWND page) {
    const LONG_PTR id = GetWindowLongPtrA(page, DWLP_USER);
    return id ? int(id) : IDC_DOC_INTRODUCTION;
}

void ShowPaths(HWND page) {
    UdlHeader& header = Header();
    for (const DocumentField& field : kFields)
        SetDlgItemTextA(page, field.control, parvell::FieldText(header.*field.path).c_str());
    CheckDlgButton(page, IDC_DOC_PLAIN_TEXT, (header.labStyle & kStylePlainText) ? BST_CHECKED : BST_UNCHECKED);
}

void StorePaths(HWND page) {
    UdlHeader& header = Header();
    for (const DocumentField& field : kFields) parvell::CopyToField(parvell::FieldText(page, field.control), header.*field.path);
}

void OnBrowse(HWND page) {
    static const char filter[] = "RTF Files (*.RTF)\0*.rtf\0TXT Files (*.TXT)\0*.txt\0All Files (*.*)\0*.*\0";
    const int target = FocusedField(page);
    char path[MAX_PATH] = "";
    lstrcpynA(path, parvell::FieldText(page, target).c_str(), sizeof path);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = page;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) {
        // A field the dialog cannot start from must not keep it from opening.
        if (CommDlgExtendedError() != FNERR_INVALIDFILENAME) return;
        path[0] = '\0';
        if (!GetOpenFileNameA(&dialog)) return;
    }
    SetDlgItemTextA(page, target, path);
    SetFocus(GetDlgItem(page, target));
}

// The word processor gets the document's short path, which needs no quotes;
// a document not yet written opens it on an empty page.
void OnStartWord(HWND page) {
    const std::string path = parvell::FieldText(page, FocusedField(page));
    char shortPath[MAX_PATH] = "";
    const DWORD length = path.empty() ? 0 : GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    const char* argument = length > 0 && length < sizeof shortPath ? shortPath : nullptr;
    HINSTANCE started = ShellExecuteA(page, "open", "WinWord.exe", argument, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32)
        MessageBoxA(page, "Unable to launch WinWord.exe", "Start Word", MB_OK | MB_ICONEXCLAMATION);
}

void OnCommand(HWND page, int id, int code) {
    if (code == EN_SETFOCUS) {
        for (const DocumentField& field : kFields)
            if (field.control == id) SetWindowLongPtrA(page, DWLP_USER, id);
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_DOC_PLAIN_TEXT: {
        int32_t& style = Header().labStyle;
        style = IsDlgButtonChecked(page, id) == BST_CHECKED ? (style | kStylePlainText) : (style & ~kStylePlainText);
        break;
    }
    case IDC_DOC_BROWSE: OnBrowse(page); break;
    case IDC_DOC_START_WORD: OnStartWord(page); break;
    }
}

INT_PTR OnNotify(HWND page, const NMHDR& notice) {
    switch (notice.code) {
    case PSN_SETACTIVE:
        ShowPaths(page);
        SetWizardPageButtons(page, 3);
        break;
    case PSN_WIZNEXT:
    case PSN_WIZBACK: StorePaths(page); break;
    default: return FALSE;
    }
    SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK DocumentationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (AnswerWizardHelp(page, message, lParam, kHelpDocumentation)) return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        for (const DocumentField& field : kFields)
            SendDlgItemMessageA(page, field.control, EM_LIMITTEXT, kUdlPathLength - 1, 0);
        return TRUE;
    case WM_NOTIFY: return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND: OnCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}
