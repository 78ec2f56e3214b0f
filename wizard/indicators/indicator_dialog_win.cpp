#include "wizard/indicators/indicator_dialog_win.h"

#include <cstdio>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/database/colour_combo_win.h"
#include "wizard/indicators/indicator_edits.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

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

void ShowChoices(HWND dialog, const IndicatorChoices& c, const std::vector<ChemicalRecord>& chemicals) {
    SendDlgItemMessageA(dialog, IDC_ID_NAME, EM_LIMITTEXT, kIndicatorNameTyped, 0);
    SendDlgItemMessageA(dialog, IDC_ID_DESCRIPTION, EM_LIMITTEXT, kIndicatorDescriptionTyped, 0);
    SetFieldText(dialog, IDC_ID_NAME, c.name);
    SetFieldText(dialog, IDC_ID_DESCRIPTION, c.description);
    FillChemicalCombo(Combo(dialog, IDC_ID_CHEMICAL), chemicals, c.cas);
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

class IndicatorDialog : public WizardDialog {
public:
    IndicatorDialog(IndicatorRecord& indicator, const std::vector<ChemicalRecord>& chemicals)
        : WizardDialog(kIndicatorDialogTemplate, kHelpIndicators, IDC_ID_HELP,
                       {IDC_ID_LOW_COLOUR, IDC_ID_HIGH_COLOUR, IDC_ID_INITIAL_COLOUR}),
          indicator_(indicator),
          chemicals_(chemicals) {}

private:
    void Show(HWND dialog) override { ShowChoices(dialog, ChoicesOf(indicator_, chemicals_), chemicals_); }
    int Accept(HWND dialog) override { return ApplyIndicatorChoices(Read(dialog), chemicals_, indicator_); }
    bool OnCommand(HWND dialog, int id, int) override {
        if (id != IDC_ID_MEASURES_PH && id != IDC_ID_INITIAL) return false;
        ShowRangeLabels(dialog);
        return true;
    }
    IndicatorRecord& indicator_;
    const std::vector<ChemicalRecord>& chemicals_;
};

}  // namespace

bool EditIndicator(HWND owner, IndicatorRecord& indicator, const std::vector<ChemicalRecord>& chemicals) {
    return IndicatorDialog(indicator, chemicals).Run(owner) == IDOK;
}
