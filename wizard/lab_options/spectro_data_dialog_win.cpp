#include "wizard/lab_options/spectro_data_dialog_win.h"

#include <commctrl.h>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/lab_options/spectro_points.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SD_LIST); }

void FillList(HWND dialog, const UdlLab& lab, int select) {
    HWND list = List(dialog);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const SpectroPoint& point : lab.spectroPoints)
        AddListRow(list, {LabChemicalName(lab.chemicals, point.cas), WavelengthText(point), AbsorptivityText(point)});
    SelectListRow(list, select);
}

void ShowPoint(HWND dialog, const UdlLab& lab, int index) {
    if (index < 0 || size_t(index) >= lab.spectroPoints.size()) return;
    const SpectroPoint& point = lab.spectroPoints[size_t(index)];
    FillChemicalCombo(GetDlgItem(dialog, IDC_SD_CHEMICAL), lab.chemicals, point.cas);
    SetFieldText(dialog, IDC_SD_WAVELENGTH, std::to_string(point.wavelength));
    SetFieldText(dialog, IDC_SD_K_VALUE, AbsorptivityText(point));
}

SpectroPoint ReadPoint(HWND dialog) {
    SpectroPoint point{};
    point.cas = SelectedChemical(GetDlgItem(dialog, IDC_SD_CHEMICAL));
    point.wavelength = ParseWavelength(FieldText(dialog, IDC_SD_WAVELENGTH));
    point.absorptivity = FieldNumber(dialog, IDC_SD_K_VALUE);
    return point;
}

void OnButton(HWND dialog, UdlLab& lab, int id) {
    const SpectroPoint point = ReadPoint(dialog);
    const int selected = SelectedListRow(List(dialog));
    if (id != IDC_SD_REMOVE && CheckSpectroPoint(point)) {
        ShowRefusal(dialog, CheckSpectroPoint(point));
        return;
    }
    switch (id) {
    case IDC_SD_ADD:
        FillList(dialog, lab, AddSpectroPoint(lab, point));
        break;
    case IDC_SD_UPDATE:
        if (UpdateSpectroPoint(lab, selected, point)) FillList(dialog, lab, selected);
        break;
    case IDC_SD_REMOVE:
        if (selected >= 0) FillList(dialog, lab, RemoveSpectroPoint(lab, selected));
        break;
    default:
        break;
    }
}

class SpectroDataDialog : public WizardDialog {
public:
    explicit SpectroDataDialog(UdlLab& lab)
        : WizardDialog(kSpectroDataDialogTemplate, kHelpSpectrophotometer, IDC_SD_HELP), lab_(lab) {}

private:
    void Show(HWND dialog) override {
        AddListColumns(List(dialog), {{ModuleText(kStringChemicalColumn), 110},
                                      {ModuleText(kStringWavelengthColumn), 60},
                                      {ModuleText(kStringKValueColumn), 70}});
        FillChemicalCombo(GetDlgItem(dialog, IDC_SD_CHEMICAL), lab_.chemicals, 0);
        FillList(dialog, lab_, lab_.spectroPoints.empty() ? -1 : 0);
    }
    bool OnCommand(HWND dialog, int id, int code) override {
        if (id != IDC_SD_ADD && id != IDC_SD_UPDATE && id != IDC_SD_REMOVE) return false;
        if (code == BN_CLICKED) OnButton(dialog, lab_, id);
        return true;
    }
    bool OnNotify(HWND dialog, const NMHDR& header) override {
        if (header.idFrom != IDC_SD_LIST || header.code != LVN_ITEMCHANGED) return false;
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
            ShowPoint(dialog, lab_, change.iItem);
        return false;
    }
    UdlLab& lab_;
};

}  // namespace

INT_PTR EditSpectroData(HWND owner, UdlLab& lab) { return SpectroDataDialog(lab).Run(owner); }
