#include <windows.h>

#include <cstdio>

#include "resources/parvell/reaction_dialog_ids.h"
#include "wizard/database/colour_combo_win.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/reaction_chemical.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/reactions/reaction_dialogs_win.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

// Coefficients and concentrations as typed: "2", "0.05", "1.5e-06".
std::string NumberText(double value) {
    char text[64];
    snprintf(text, sizeof text, "%.10g", value);
    return text;
}

void EnableFields(HWND dialog) {
    const bool change = IsBoxChecked(dialog, IDC_RC_COLOUR_CHANGE);
    if (!change) CheckBox(dialog, IDC_RC_COLOUR_RANGE, false);
    const bool range = change && IsBoxChecked(dialog, IDC_RC_COLOUR_RANGE);
    EnableControl(dialog, IDC_RC_LOW, change);
    EnableControl(dialog, IDC_RC_COLOUR_A, change);
    EnableControl(dialog, IDC_RC_COLOUR_RANGE, change);
    EnableControl(dialog, IDC_RC_HIGH, range);
    EnableControl(dialog, IDC_RC_COLOUR_B, range);
}

void ShowChoices(HWND dialog, const ReactionParticipant& p, const std::string& chemicalName) {
    const ParticipantChoices c = ChoicesOf(p);
    SetFieldText(dialog, IDC_RC_CHEMICAL, chemicalName);
    SetFieldText(dialog, IDC_RC_COEFFICIENT, NumberText(c.coefficient));
    CheckBox(dialog, IDC_RC_IN_SOLUTION, c.inSolution);
    CheckBox(dialog, IDC_RC_PRECIPITATE, c.precipitate);
    CheckBox(dialog, IDC_RC_FROM_ATMOSPHERE, c.fromAtmosphere && OffersFromAtmosphere(p.phase));
    EnableControl(dialog, IDC_RC_FROM_ATMOSPHERE, OffersFromAtmosphere(p.phase));
    CheckBox(dialog, IDC_RC_ALWAYS_TEST, c.alwaysColourTest);
    CheckBox(dialog, IDC_RC_COLOUR_CHANGE, c.colourChange);
    SetFieldText(dialog, IDC_RC_LOW, NumberText(c.low));
    FillColourCombo(GetDlgItem(dialog, IDC_RC_COLOUR_A), c.colourA);
    CheckBox(dialog, IDC_RC_COLOUR_RANGE, c.colourRange);
    SetFieldText(dialog, IDC_RC_HIGH, NumberText(c.high));
    FillColourCombo(GetDlgItem(dialog, IDC_RC_COLOUR_B), c.colourB);
    EnableFields(dialog);
}

ParticipantChoices Read(HWND dialog) {
    ParticipantChoices c;
    c.coefficient = FieldNumber(dialog, IDC_RC_COEFFICIENT);
    c.inSolution = IsBoxChecked(dialog, IDC_RC_IN_SOLUTION);
    c.precipitate = IsBoxChecked(dialog, IDC_RC_PRECIPITATE);
    c.fromAtmosphere = IsBoxChecked(dialog, IDC_RC_FROM_ATMOSPHERE);
    c.alwaysColourTest = IsBoxChecked(dialog, IDC_RC_ALWAYS_TEST);
    c.colourChange = IsBoxChecked(dialog, IDC_RC_COLOUR_CHANGE);
    // An empty or unreadable concentration is no concentration at all.
    c.low = FieldText(dialog, IDC_RC_LOW).empty() ? -1 : FieldNumber(dialog, IDC_RC_LOW);
    c.colourA = SelectedColour(GetDlgItem(dialog, IDC_RC_COLOUR_A));
    c.colourRange = IsBoxChecked(dialog, IDC_RC_COLOUR_RANGE);
    c.high = FieldNumber(dialog, IDC_RC_HIGH);
    c.colourB = SelectedColour(GetDlgItem(dialog, IDC_RC_COLOUR_B));
    return c;
}

class ReactionChemicalDialog : public WizardDialog {
public:
    ReactionChemicalDialog(ReactionParticipant& participant, const std::string& chemicalName)
        : WizardDialog(kReactionChemicalDialogTemplate, kHelpReactionChemical, IDC_RC_HELP,
                       {IDC_RC_COLOUR_A, IDC_RC_COLOUR_B}),
          participant_(participant),
          chemicalName_(chemicalName) {}

private:
    void Show(HWND dialog) override { ShowChoices(dialog, participant_, chemicalName_); }
    int Accept(HWND dialog) override { return ApplyParticipantChoices(Read(dialog), participant_); }
    bool OnCommand(HWND dialog, int id, int) override {
        if (id != IDC_RC_COLOUR_CHANGE && id != IDC_RC_COLOUR_RANGE) return false;
        EnableFields(dialog);
        return true;
    }
    ReactionParticipant& participant_;
    const std::string& chemicalName_;
};

}  // namespace

bool EditReactionChemical(HWND owner, ReactionParticipant& participant, const std::string& chemicalName) {
    return ReactionChemicalDialog(participant, chemicalName).Run(owner) == IDOK;
}
