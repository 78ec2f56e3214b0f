#include "wizard/indicators/indicator_dialog_win.h"

#include <cstdio>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/database/colour_combo_win.h"
#include "wizard/indicators/indicator_edits.h"
#include "wizard/reactions/dialog_fields_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

struct Editing {
    IndicatorRecord* indicator;
    const std::vector<ChemicalRecord>* chemicals;
};

Editing& EditingOf(HWND dialog) { return *reinterpret_cast<Editing*>(GetWindowLongPtrA(dialog, DWLP_USER)); }
HWND Combo(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string NumberText(double value) {
    char text[64];
    snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// The range's labels follow what the indicator measures.
void ShowRangeLabels(HWND dialog) {
    const bool ph = IsBoxChecked(dialog, IDC_ID_MEASURES_PH);
    SetFieldText(dialog, IDC_ID_LOW_LABEL, ph ? "&Low pH:" : "&Low concentration (M):");
    SetFieldText(dialog, IDC_ID_HIGH_LABEL, ph ? "&High pH:" : "&High concentration (M):");
    EnableControl(dialog, IDC_ID_INITIAL_COLOUR, IsBoxChecked(dialog, IDC_ID_INITIAL));
}

void Show(HWND dialog) {
    const Editing& editing = EditingOf(dialog);
    const IndicatorChoices c = ChoicesOf(*editing.indicator, *editing.chemicals);
    SendDlgItemMessageA(dialog, IDC_ID_NAME, EM_LIMITTEXT, kIndicatorNameTyped, 0);
    SendDlgItemMessageA(dialog, IDC_ID_DESCRIPTION, EM_LIMITTEXT, kIndicatorDescriptionTyped, 0);
    SetFieldText(dialog, IDC_ID_NAME, c.name);
    SetFieldText(dialog, IDC_ID_DESCRIPTION, c.description);
    FillChemicalCombo(Combo(dialog, IDC_ID_CHEMICAL), *editing.chemicals, c.cas);
    CheckBox(dialog, IDC_ID_IN_SOLUTION, c.inSolution);
    CheckBox(dialog, IDC_ID_MEASURES_PH, c.measuresPh);
    SetFieldText(dialog, IDC_ID_LOW, NumberText(c.low));
    FillColourCombo(Combo(dialog, IDC_ID_LOW_COLOUR), c.lowColour);
    SetFieldText(dialog, IDC_ID_HIGH, NumberText(c.high));
    FillColourCombo(Combo(dialog, IDC_ID_HIGH_COLOUR), c.highColour);
    CheckBox(dialog, IDC_ID_INITIAL, c.initialColour);
    FillColourCombo(Combo(dialog, IDC_ID_INITIAL_COLOUR), c.fixedColour);
    ShowRangeLabels(dialog);
}

IndicatorChoices Read(HWND dialog) {
    IndicatorChoices c;
    c.name = FieldText(dialog, IDC_ID_NAME);
    c.description = FieldText(dialog, IDC_ID_DESCRIPTION);
    c.cas = SelectedChemical(Combo(dialog, IDC_ID_CHEMICAL));
    c.inSolution = IsBoxChecked(dialog, IDC_ID_IN_SOLUTION);
    c.measuresPh = IsBoxChecked(dialog, IDC_ID_MEASURES_PH);
    c.low = FieldNumber(dialog, IDC_ID_LOW);
    c.lowColour = SelectedColour(Combo(dialog, IDC_ID_LOW_COLOUR));
    c.high = FieldNumber(dialog, IDC_ID_HIGH);
    c.highColour = SelectedColour(Combo(dialog, IDC_ID_HIGH_COLOUR));
    c.initialColour = IsBoxChecked(dialog, IDC_ID_INITIAL);
    c.fixedColour = SelectedColour(Combo(dialog, IDC_ID_INITIAL_COLOUR));
    return c;
}

INT_PTR CALLBACK IndicatorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Show(dialog);
        return TRUE;
    case WM_HELP:
        OpenWizardHelp(dialog, kHelpIndicators);
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == CBN_SELCHANGE &&
            (id == IDC_ID_LOW_COLOUR || id == IDC_ID_HIGH_COLOUR || id == IDC_ID_INITIAL_COLOUR)) {
            OnColourComboChanged(dialog, Combo(dialog, id));
            return TRUE;
        }
        switch (id) {
        case IDOK: {
            Editing& editing = EditingOf(dialog);
            if (int refusal = ApplyIndicatorChoices(Read(dialog), *editing.chemicals, *editing.indicator)) {
                ShowRefusal(dialog, refusal);
                return TRUE;
            }
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_ID_HELP:
            OpenWizardHelp(dialog, kHelpIndicators);
            return TRUE;
        case IDC_ID_MEASURES_PH:
        case IDC_ID_INITIAL:
            ShowRangeLabels(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

}  // namespace

bool EditIndicator(HWND owner, IndicatorRecord& indicator, const std::vector<ChemicalRecord>& chemicals) {
    Editing editing = {&indicator, &chemicals};
    return DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(kIndicatorDialogTemplate), owner, IndicatorProc,
                           reinterpret_cast<LPARAM>(&editing)) == IDOK;
}
