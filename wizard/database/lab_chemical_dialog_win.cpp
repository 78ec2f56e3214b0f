// The lab chemical properties dialog: what one lab makes of a chemical
// (solution, unknown, stock or product, colours, conductivity).
#include <cstring>

#include "resources/parvell/chemical_dialog_ids.h"
#include "wizard/database/chemical_dialogs_win.h"
#include "wizard/database/chemical_form.h"
#include "wizard/database/colour_choices.h"
#include "wizard/database/colour_combo_win.h"
#include "wizard/database/formula_draw_win.h"
#include "wizard/database/lab_chemical_list.h"
#include "wizard/database/user_database.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

struct LabChemicalDialog {
    ChemicalRecord* record;
    ChemicalRecord earlier;
    bool productBeforeSolution;  // the product box as it was when "solution" was checked
};

void SetCheck(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void Enable(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled); }

// A coefficient or molarity as text; nothing for 0, so an empty field reads
// as "not given".
std::string NumberText(double value) { return value == 0 ? std::string() : parvell::DoubleText(value); }

double NumberOf(HWND dialog, int id) {
    double value = 0;
    return parvell::ParseDecimalField(parvell::FieldText(dialog, id), &value) ? value : 0;
}

void EnableDependents(HWND dialog) {
    Enable(dialog, IDC_LABCHEM_MOLARITY, parvell::IsBoxChecked(dialog, IDC_LABCHEM_SOLUTION));
    Enable(dialog, IDC_LABCHEM_UNKNOWN_NAME, parvell::IsBoxChecked(dialog, IDC_LABCHEM_UNKNOWN));
    Enable(dialog, IDC_LABCHEM_FLAME_COLOUR, parvell::IsBoxChecked(dialog, IDC_LABCHEM_FLAME));
    const bool conductor = parvell::IsBoxChecked(dialog, IDC_LABCHEM_CONDUCTOR);
    for (int id : {IDC_LABCHEM_COEFFICIENT_A, IDC_LABCHEM_COEFFICIENT_B, IDC_LABCHEM_DEFAULTS})
        Enable(dialog, id, conductor);
    // A solution is never a reaction product.
    Enable(dialog, IDC_LABCHEM_PRODUCT, !parvell::IsBoxChecked(dialog, IDC_LABCHEM_SOLUTION));
}

void ShowProperties(HWND dialog, const ChemicalRecord& record) {
    const parvell::LabChemicalProperties p = parvell::PropertiesOf(record);
    SetCheck(dialog, IDC_LABCHEM_SOLUTION, p.solution);
    SetDlgItemTextA(dialog, IDC_LABCHEM_MOLARITY, NumberText(p.molarity).c_str());
    SetCheck(dialog, IDC_LABCHEM_UNKNOWN, p.unknown);
    SendDlgItemMessageA(dialog, IDC_LABCHEM_UNKNOWN_NAME, EM_LIMITTEXT, kUnknownNameLength - 1, 0);
    SetDlgItemTextA(dialog, IDC_LABCHEM_UNKNOWN_NAME, p.unknownName.c_str());
    SetCheck(dialog, IDC_LABCHEM_STOCK, p.stock);
    SetCheck(dialog, IDC_LABCHEM_PRODUCT, p.product);
    FillColourCombo(GetDlgItem(dialog, IDC_LABCHEM_COLOUR), parvell::ColourValueOf(p.colour));
    SetCheck(dialog, IDC_LABCHEM_FLAME, p.flameTest);
    FillColourCombo(GetDlgItem(dialog, IDC_LABCHEM_FLAME_COLOUR), parvell::ColourValueOf(p.flameColour));
    SetCheck(dialog, IDC_LABCHEM_CONDUCTOR, p.conductor);
    SetDlgItemTextA(dialog, IDC_LABCHEM_COEFFICIENT_A, NumberText(p.conductivityA).c_str());
    SetDlgItemTextA(dialog, IDC_LABCHEM_COEFFICIENT_B, NumberText(p.conductivityB).c_str());
    EnableDependents(dialog);
}

parvell::LabChemicalProperties ReadProperties(HWND dialog) {
    parvell::LabChemicalProperties p;
    p.solution = parvell::IsBoxChecked(dialog, IDC_LABCHEM_SOLUTION);
    p.molarity = NumberOf(dialog, IDC_LABCHEM_MOLARITY);
    p.unknown = parvell::IsBoxChecked(dialog, IDC_LABCHEM_UNKNOWN);
    p.unknownName = parvell::FieldText(dialog, IDC_LABCHEM_UNKNOWN_NAME).substr(0, kUnknownNameLength - 1);
    p.stock = parvell::IsBoxChecked(dialog, IDC_LABCHEM_STOCK);
    p.product = parvell::IsBoxChecked(dialog, IDC_LABCHEM_PRODUCT);
    parvell::StoreColourValue(SelectedColour(GetDlgItem(dialog, IDC_LABCHEM_COLOUR)), p.colour);
    p.flameTest = parvell::IsBoxChecked(dialog, IDC_LABCHEM_FLAME);
    parvell::StoreColourValue(SelectedColour(GetDlgItem(dialog, IDC_LABCHEM_FLAME_COLOUR)), p.flameColour);
    p.conductor = parvell::IsBoxChecked(dialog, IDC_LABCHEM_CONDUCTOR);
    p.conductivityA = NumberOf(dialog, IDC_LABCHEM_COEFFICIENT_A);
    p.conductivityB = NumberOf(dialog, IDC_LABCHEM_COEFFICIENT_B);
    return p;
}

void OnSolutionClicked(HWND dialog, LabChemicalDialog& state) {
    if (parvell::IsBoxChecked(dialog, IDC_LABCHEM_SOLUTION)) {
        state.productBeforeSolution = parvell::IsBoxChecked(dialog, IDC_LABCHEM_PRODUCT);
        SetCheck(dialog, IDC_LABCHEM_PRODUCT, false);
    } else {
        SetCheck(dialog, IDC_LABCHEM_PRODUCT, state.productBeforeSolution);
    }
    EnableDependents(dialog);
}

void Apply(HWND dialog, LabChemicalDialog& state) {
    ChemicalRecord changed = *state.record;
    int refused = parvell::ApplyLabChemicalProperties(ReadProperties(dialog), state.earlier, changed);
    if (refused) {
        ShowWizardMessage(dialog, refused, parvell::kStringError);
        SetFocus(GetDlgItem(dialog, IDC_LABCHEM_MOLARITY));
        return;
    }
    *state.record = changed;
    EndDialog(dialog, 1);
}

void DrawHeading(HWND dialog, const DRAWITEMSTRUCT& item, const ChemicalRecord& record) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - metrics.tmHeight) / 2;
    DrawPlainThenFormula(dc, item.rcItem.left, top, parvell::ChemicalListPrefix(record, false), record.formula,
                         sizeof record.formula);
    SetTextColor(dc, oldText);
    SelectObject(dc, old);
}

void OnCommand(HWND dialog, LabChemicalDialog& state, int id) {
    switch (id) {
    case IDC_LABCHEM_SOLUTION: OnSolutionClicked(dialog, state); break;
    case IDC_LABCHEM_UNKNOWN:
    case IDC_LABCHEM_FLAME:
    case IDC_LABCHEM_CONDUCTOR: EnableDependents(dialog); break;
    case IDC_LABCHEM_DEFAULTS:
        SetDlgItemTextA(dialog, IDC_LABCHEM_COEFFICIENT_A, "141.3");
        SetDlgItemTextA(dialog, IDC_LABCHEM_COEFFICIENT_B, "29.5");
        break;
    case IDOK: Apply(dialog, state); break;
    default: OnCancelOrHelp(dialog, id, kHelpProperties);
    }
}

INT_PTR CALLBACK LabChemicalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: ShowProperties(dialog, *KeepDialogState<LabChemicalDialog>(dialog, lParam).record); return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        if (auto* state = DialogStateOf<LabChemicalDialog>(dialog)) {
            if (id == IDC_LABCHEM_COLOUR || id == IDC_LABCHEM_FLAME_COLOUR) {
                if (code == CBN_SELCHANGE) OnColourComboChanged(dialog, GetDlgItem(dialog, id));
            } else {
                OnCommand(dialog, *state, id);
            }
        }
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        auto* state = DialogStateOf<LabChemicalDialog>(dialog);
        if (!state || item->CtlID != IDC_LABCHEM_HEADING) return FALSE;
        DrawHeading(dialog, *item, *state->record);
        return TRUE;
    }
    case WM_HELP: OpenWizardHelp(dialog, kHelpProperties); return TRUE;
    }
    return FALSE;
}

}  // namespace

int RunLabChemicalDialog(HWND owner, ChemicalRecord& record, const ChemicalRecord& earlier) {
    LabChemicalDialog state{&record, earlier, (record.flags & kChemProduct) != 0};
    return int(DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(kLabChemicalDialogTemplate), owner,
                               LabChemicalDialogProc, LPARAM(&state)));
}
