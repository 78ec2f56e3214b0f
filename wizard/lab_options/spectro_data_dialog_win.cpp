#include "wizard/lab_options/spectro_data_dialog_win.h"

#include <commctrl.h>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/lab_options/spectro_points.h"
#include "wizard/reactions/dialog_fields_win.h"
#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/reaction_details.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

UdlLab& LabOf(HWND dialog) { return *reinterpret_cast<UdlLab*>(GetWindowLongPtrA(dialog, DWLP_USER)); }
HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SD_LIST); }

void FillList(HWND dialog, int select) {
    HWND list = List(dialog);
    const UdlLab& lab = LabOf(dialog);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (const SpectroPoint& point : lab.spectroPoints)
        AddListRow(list, {LabChemicalName(lab.chemicals, point.cas), WavelengthText(point), AbsorptivityText(point)});
    SelectListRow(list, select);
}

void ShowPoint(HWND dialog, int index) {
    const UdlLab& lab = LabOf(dialog);
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

void OnButton(HWND dialog, int id) {
    UdlLab& lab = LabOf(dialog);
    const SpectroPoint point = ReadPoint(dialog);
    const int selected = SelectedListRow(List(dialog));
    if (id != IDC_SD_REMOVE && CheckSpectroPoint(point)) {
        ShowRefusal(dialog, CheckSpectroPoint(point));
        return;
    }
    switch (id) {
    case IDC_SD_ADD:
        FillList(dialog, AddSpectroPoint(lab, point));
        break;
    case IDC_SD_UPDATE:
        if (UpdateSpectroPoint(lab, selected, point)) FillList(dialog, selected);
        break;
    case IDC_SD_REMOVE:
        if (selected >= 0) FillList(dialog, RemoveSpectroPoint(lab, selected));
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK SpectroDataProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        AddListColumns(List(dialog), {{ModuleText(kStringChemicalColumn), 110},
                                      {ModuleText(kStringWavelengthColumn), 60},
                                      {ModuleText(kStringKValueColumn), 70}});
        const UdlLab& lab = LabOf(dialog);
        FillChemicalCombo(GetDlgItem(dialog, IDC_SD_CHEMICAL), lab.chemicals, 0);
        FillList(dialog, lab.spectroPoints.empty() ? -1 : 0);
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom == IDC_SD_LIST && header.code == LVN_ITEMCHANGED) {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) ShowPoint(dialog, change.iItem);
        }
        return FALSE;
    }
    case WM_HELP:
        OpenWizardHelp(dialog, kHelpSpectrophotometer);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        case IDC_SD_HELP:
            OpenWizardHelp(dialog, kHelpSpectrophotometer);
            return TRUE;
        case IDC_SD_ADD:
        case IDC_SD_UPDATE:
        case IDC_SD_REMOVE:
            if (HIWORD(wParam) == BN_CLICKED) OnButton(dialog, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR EditSpectroData(HWND owner, UdlLab& lab) {
    INT_PTR result = DialogBoxParamA(ParvellInstance(), MAKEINTRESOURCEA(kSpectroDataDialogTemplate), owner,
                                     SpectroDataProc, reinterpret_cast<LPARAM>(&lab));
    return result == IDOK ? IDOK : IDCANCEL;
}
