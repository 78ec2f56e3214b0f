#include <windows.h>

#include "resources/parvell/reaction_dialog_ids.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/reactions/reaction_dialogs_win.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

// Each option box and the field it makes count.
constexpr struct {
    int box;
    int field;
} kValueOptions[] = {
    {IDC_RD_MINIMUM, IDC_RD_MINIMUM_VALUE},
    {IDC_RD_MAXIMUM, IDC_RD_MAXIMUM_VALUE},
    {IDC_RD_HEAT_OF_REACTION, IDC_RD_HEAT_OF_REACTION_VALUE},
    {IDC_RD_EQUILIBRIUM, IDC_RD_EQUILIBRIUM_VALUE},
};

void EnableFields(HWND dialog) {
    for (const auto& option : kValueOptions) EnableControl(dialog, option.field, IsBoxChecked(dialog, option.box));
    const bool instantaneous = IsBoxChecked(dialog, IDC_RD_INSTANTANEOUS);
    const bool byConcentration = IsBoxChecked(dialog, IDC_RD_BY_CONCENTRATION);
    EnableControl(dialog, IDC_RD_RATE_CONSTANT, !instantaneous);
    EnableControl(dialog, IDC_RD_ORDER_FIRST, byConcentration);
    EnableControl(dialog, IDC_RD_ORDER_SECOND, byConcentration);
}

void ShowDetails(HWND dialog, const ReactionDetails& d) {
    SendDlgItemMessageA(dialog, IDC_RD_NAME, EM_LIMITTEXT, kReactionNameTyped, 0);
    SetFieldText(dialog, IDC_RD_NAME, d.name);
    CheckBox(dialog, IDC_RD_HEAT, d.needsHeat);
    CheckBox(dialog, IDC_RD_STIRRING, d.needsStirring);
    CheckBox(dialog, IDC_RD_LIGHT, d.needsLight);
    CheckBox(dialog, IDC_RD_MINIMUM, d.useMinimum);
    SetFieldText(dialog, IDC_RD_MINIMUM_VALUE, FormatDetailValue(d.minimumCelsius));
    CheckBox(dialog, IDC_RD_MAXIMUM, d.useMaximum);
    SetFieldText(dialog, IDC_RD_MAXIMUM_VALUE, FormatDetailValue(d.maximumCelsius));
    CheckBox(dialog, IDC_RD_HEAT_OF_REACTION, d.useHeatOfReaction);
    SetFieldText(dialog, IDC_RD_HEAT_OF_REACTION_VALUE, FormatDetailValue(d.heatOfReaction));
    CheckBox(dialog, IDC_RD_EQUILIBRIUM, d.useEquilibrium);
    SetFieldText(dialog, IDC_RD_EQUILIBRIUM_VALUE, FormatEquilibriumConstant(d.equilibriumConstant));
    const int rate = d.rate == ReactionRate::kFixed            ? IDC_RD_FIXED_RATE
                     : d.rate == ReactionRate::kByConcentration ? IDC_RD_BY_CONCENTRATION
                                                                : IDC_RD_INSTANTANEOUS;
    CheckRadioButton(dialog, IDC_RD_INSTANTANEOUS, IDC_RD_BY_CONCENTRATION, rate);
    SetFieldText(dialog, IDC_RD_RATE_CONSTANT, FormatDetailValue(d.rateConstant));
    SetFieldText(dialog, IDC_RD_ORDER_FIRST, FormatDetailValue(d.orderFirst));
    SetFieldText(dialog, IDC_RD_ORDER_SECOND, FormatDetailValue(d.orderSecond));
    EnableFields(dialog);
}

ReactionDetails Read(HWND dialog) {
    ReactionDetails d;
    d.name = FieldText(dialog, IDC_RD_NAME);
    d.needsHeat = IsBoxChecked(dialog, IDC_RD_HEAT);
    d.needsStirring = IsBoxChecked(dialog, IDC_RD_STIRRING);
    d.needsLight = IsBoxChecked(dialog, IDC_RD_LIGHT);
    d.useMinimum = IsBoxChecked(dialog, IDC_RD_MINIMUM);
    d.minimumCelsius = FieldNumber(dialog, IDC_RD_MINIMUM_VALUE);
    d.useMaximum = IsBoxChecked(dialog, IDC_RD_MAXIMUM);
    d.maximumCelsius = FieldNumber(dialog, IDC_RD_MAXIMUM_VALUE);
    d.useHeatOfReaction = IsBoxChecked(dialog, IDC_RD_HEAT_OF_REACTION);
    d.heatOfReaction = FieldNumber(dialog, IDC_RD_HEAT_OF_REACTION_VALUE);
    d.useEquilibrium = IsBoxChecked(dialog, IDC_RD_EQUILIBRIUM);
    d.equilibriumConstant = FieldNumber(dialog, IDC_RD_EQUILIBRIUM_VALUE);
    d.rate = IsBoxChecked(dialog, IDC_RD_FIXED_RATE)         ? ReactionRate::kFixed
             : IsBoxChecked(dialog, IDC_RD_BY_CONCENTRATION) ? ReactionRate::kByConcentration
                                                             : ReactionRate::kInstantaneous;
    d.rateConstant = FieldNumber(dialog, IDC_RD_RATE_CONSTANT);
    d.orderFirst = FieldNumber(dialog, IDC_RD_ORDER_FIRST);
    d.orderSecond = FieldNumber(dialog, IDC_RD_ORDER_SECOND);
    return d;
}

class ReactionDetailsDialog : public WizardDialog {
public:
    explicit ReactionDetailsDialog(ReactionRecord& reaction)
        : WizardDialog(kReactionDetailsDialogTemplate, kHelpDetails, IDC_RD_HELP), reaction_(reaction) {}

private:
    void Show(HWND dialog) override { ShowDetails(dialog, DetailsOf(reaction_)); }
    int Accept(HWND dialog) override {
        ApplyReactionDetails(Read(dialog), reaction_);
        return 0;
    }
    bool OnCommand(HWND dialog, int, int code) override {
        if (code == BN_CLICKED) EnableFields(dialog);
        return false;
    }
    ReactionRecord& reaction_;
};

}  // namespace

bool EditReactionDetails(HWND owner, ReactionRecord& reaction) {
    return ReactionDetailsDialog(reaction).Run(owner) == IDOK;
}
