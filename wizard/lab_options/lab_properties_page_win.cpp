// The Lab Properties page: the instruments and switches of the lab as eight
// LabStyle boxes, and the spectrophotometer's data.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/lab_options/lab_property_boxes.h"
#include "wizard/lab_options/spectro_data_dialog_win.h"
#include "wizard/lab_options/spectro_points.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

constexpr int kPageNumber = 6;

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }

int BoxId(int i) { return IDC_LP_FIRST_BOX + i; }

void EnableSpectroButton(HWND page) {
    for (int i = 0; i < kLabPropertyBoxCount; ++i)
        if (LabPropertyBoxes()[i].styleBit == kStyleSpectrophotometer)
            EnableControl(page, IDC_LP_SPECTRO, IsBoxChecked(page, BoxId(i)));
}

void ShowStyle(HWND page) {
    const int32_t style = Lab().header.labStyle;
    for (int i = 0; i < kLabPropertyBoxCount; ++i) CheckBox(page, BoxId(i), style & LabPropertyBoxes()[i].styleBit);
    EnableSpectroButton(page);
}

void StoreStyle(HWND page) {
    int32_t checked = 0;
    for (int i = 0; i < kLabPropertyBoxCount; ++i)
        if (IsBoxChecked(page, BoxId(i))) checked |= LabPropertyBoxes()[i].styleBit;
    Lab().header.labStyle = ApplyLabPropertyBoxes(Lab().header.labStyle, checked);
}

void EditSpectroPoints(HWND page) {
    UdlLab& lab = Lab();
    const std::vector<SpectroPoint> copy = lab.spectroPoints;
    if (EditSpectroData(page, lab) != IDOK) RestoreSpectroPoints(lab, copy);
}

}  // namespace

INT_PTR CALLBACK LabPropertiesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static const WizardPage spec = {kPageNumber, kHelpLabOptions, ShowStyle, StoreStyle};
    if (HandleWizardPageMessage(page, message, lParam, spec)) return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        ShowStyle(page);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (LOWORD(wParam) == IDC_LP_SPECTRO) {
            EditSpectroPoints(page);
            return TRUE;
        }
        EnableSpectroButton(page);
        return FALSE;
    default:
        return FALSE;
    }
}
