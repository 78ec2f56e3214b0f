// The Add Indicators page: the lab's indicators by name, added, edited and
// deleted through the indicator properties dialog.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "resources/parvell/lab_option_dialog_ids.h"
#include "wizard/indicators/indicator_dialog_win.h"
#include "wizard/indicators/indicator_edits.h"
#include "wizard/sheet/dialog_fields_win.h"
#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/wizard_dialog_win.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

constexpr int kPageNumber = 7;

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }

int SelectedIndicator(HWND page) {
    LRESULT at = SendDlgItemMessageA(page, IDC_IN_LIST, LB_GETCURSEL, 0, 0);
    return at == LB_ERR ? -1 : int(at);
}

void FillList(HWND page, int select) {
    HWND list = GetDlgItem(page, IDC_IN_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const IndicatorRecord& indicator : Lab().indicators)
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(BoundedText(indicator.name, sizeof indicator.name).c_str()));
    SendMessageA(list, LB_SETCURSEL, WPARAM(select), 0);
}

void ShowIndicators(HWND page) { FillList(page, Lab().indicators.empty() ? -1 : 0); }
void CheckIndicatorStyle(HWND) { SyncIndicatorStyle(Lab()); }

void AddNewIndicator(HWND page) {
    if (NextIndicatorId(Lab().indicators) == 0) {
        ShowRefusal(page, IDS_INDICATOR_IDS_TAKEN);
        return;
    }
    IndicatorRecord indicator = NewIndicatorRecord();
    if (!EditIndicator(page, indicator, Lab().chemicals) || !AddIndicator(Lab(), indicator)) return;
    FillList(page, int(Lab().indicators.size()) - 1);
}

void EditSelectedIndicator(HWND page) {
    const int at = SelectedIndicator(page);
    if (at < 0 || size_t(at) >= Lab().indicators.size()) return;
    IndicatorRecord edited = Lab().indicators[size_t(at)];
    if (!EditIndicator(page, edited, Lab().chemicals)) return;
    Lab().indicators[size_t(at)] = edited;
    FillList(page, at);
}

void DeleteSelectedIndicator(HWND page) {
    const int at = SelectedIndicator(page);
    if (at < 0 || !DeleteIndicator(Lab(), size_t(at))) return;
    FillList(page, std::min(at, int(Lab().indicators.size()) - 1));
}

}  // namespace

INT_PTR CALLBACK IndicatorsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static const WizardPage spec = {kPageNumber, kHelpIndicators, ShowIndicators, CheckIndicatorStyle};
    if (HandleWizardPageMessage(page, message, lParam, spec)) return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        ShowIndicators(page);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_IN_ADD: AddNewIndicator(page); return TRUE;
        case IDC_IN_EDIT: EditSelectedIndicator(page); return TRUE;
        case IDC_IN_DELETE: DeleteSelectedIndicator(page); return TRUE;
        case IDC_IN_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) EditSelectedIndicator(page);
            return TRUE;
        default: return FALSE;
        }
    default:
        return FALSE;
    }
}
