#include "wizard/sheet/dialog_fields_win.h"

#include <commctrl.h>

#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/reaction_chemical.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace parvell {

std::string FieldText(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    int length = field ? GetWindowTextLengthA(field) : 0;
    std::string text(size_t(length) + 1, '\0');
    if (length > 0) text.resize(size_t(GetWindowTextA(field, text.data(), length + 1)));
    else text.clear();
    return text;
}

void SetFieldText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

double FieldNumber(HWND dialog, int id) { return ParseNumberField(FieldText(dialog, id)); }

bool IsBoxChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void CheckBox(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void EnableControl(HWND dialog, int id, bool enabled) {
    if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, enabled);
}

std::string ModuleText(int id) {
    char text[512] = "";
    LoadStringA(ParvellInstance(), UINT(id), text, sizeof text);
    return text;
}

void ShowRefusal(HWND owner, int textId) { ShowWizardMessage(owner, textId, kStringErrorCaption); }

void FillChemicalCombo(HWND combo, const std::vector<ChemicalRecord>& chemicals, CasNumber cas) {
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int selected = -1;
    for (const ChemicalRecord& chemical : chemicals) {
        int at = int(SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(ChemicalNameOf(chemical).c_str())));
        if (at < 0) continue;
        SendMessageA(combo, CB_SETITEMDATA, WPARAM(at), LPARAM(chemical.cas));
        if (selected < 0 && cas != 0 && chemical.cas == cas) selected = at;
    }
    SendMessageA(combo, CB_SETCURSEL, WPARAM(selected), 0);
}

CasNumber SelectedChemical(HWND combo) {
    LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (at == CB_ERR) return 0;
    LRESULT data = SendMessageA(combo, CB_GETITEMDATA, WPARAM(at), 0);
    return data == CB_ERR ? 0 : CasNumber(data);
}

void AddListColumns(HWND list, const std::vector<ListColumn>& columns) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    HWND dialog = GetParent(list);
    for (size_t i = 0; i < columns.size(); ++i) {
        RECT units = {0, 0, columns[i].width, 0};
        MapDialogRect(dialog, &units);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = units.right;
        column.pszText = const_cast<char*>(columns[i].text.c_str());
        column.iSubItem = int(i);
        SendMessageA(list, LVM_INSERTCOLUMNA, WPARAM(i), LPARAM(&column));
    }
}

int AddListRow(HWND list, const std::vector<std::string>& cells, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
    item.lParam = data;
    int row = int(SendMessageA(list, LVM_INSERTITEMA, 0, LPARAM(&item)));
    for (size_t i = 1; row >= 0 && i < cells.size(); ++i) {
        LVITEMA cell = {};
        cell.iSubItem = int(i);
        cell.pszText = const_cast<char*>(cells[i].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, WPARAM(row), LPARAM(&cell));
    }
    return row;
}

int SelectedListRow(HWND list) {
    return int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void SelectListRow(HWND list, int row) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&state));  // clears every row
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
}

}  // namespace parvell
