// The PDB Files page: the lab's chemicals with the molecule file each carries,
// chosen from the disk or cleared.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/molecule_files/molecule_attachments.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

constexpr int kPageNumber = 8;
constexpr int kStringChemicalsColumn = 1186;   // "Chemicals"
constexpr int kStringFileNameColumn = 1187;    // "PDB File Name"
constexpr int kStringSelectChemical = 1157;    // "You must first select a Chemical"
constexpr int kStringWizardCaption = 1158;     // "Tavistrel"

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }
HWND List(HWND page) { return GetDlgItem(page, IDC_PDB_LIST); }

void FillList(HWND page, int select) {
    HWND list = List(page);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const UdlLab& lab = Lab();
    for (const ChemicalRecord& chemical : lab.chemicals)
        AddListRow(list, {ChemicalNameOf(chemical), AttachedFileName(lab, chemical.cas)}, LPARAM(chemical.cas));
    SelectListRow(list, select);
}

// The selected chemical's key, or 0 after telling the author to pick one.
bool SelectedChemicalKey(HWND page, CasNumber& cas) {
    const int row = SelectedListRow(List(page));
    if (row < 0 || size_t(row) >= Lab().chemicals.size()) {
        ShowWizardMessage(page, kStringSelectChemical, kStringWizardCaption);
        return false;
    }
    cas = Lab().chemicals[size_t(row)].cas;
    return true;
}

void SelectFile(HWND page) {
    CasNumber cas = 0;
    if (!SelectedChemicalKey(page, cas)) return;
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = page;
    dialog.lpstrFilter = "PDB Files (*.PDB)\0*.pdb\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameA(&dialog)) return;
    if (AttachMoleculeFile(Lab(), cas, path) == AttachResult::kUnsafeName) {
        ShowRefusal(page, IDS_UNSAFE_MOLECULE_NAME);
        return;
    }
    FillList(page, SelectedListRow(List(page)));
}

void ShowFiles(HWND page) { FillList(page, SelectedListRow(List(page))); }

void ClearFile(HWND page) {
    CasNumber cas = 0;
    if (!SelectedChemicalKey(page, cas)) return;
    const int row = SelectedListRow(List(page));
    if (ClearMoleculeFile(Lab(), cas)) FillList(page, row);
}

}  // namespace

INT_PTR CALLBACK PdbFilesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static const WizardPage spec = {kPageNumber, kHelpPdbFiles, ShowFiles, nullptr};
    if (HandleWizardPageMessage(page, message, lParam, spec)) return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        AddListColumns(List(page), {{ModuleText(kStringChemicalsColumn), 110}, {ModuleText(kStringFileNameColumn), 84}});
        FillList(page, -1);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_PDB_SELECT: SelectFile(page); return TRUE;
        case IDC_PDB_CLEAR: ClearFile(page); return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}
