// The small object dialogs: Lab Equipment Label, Indicators, Transfer
// Contents and the filter's question.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/modules/module_host.h"
#include "app/settings/help_win.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/contents/container_choices.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/dialog_helpers_win.h"
#include "bench/commands/contents/indicator_choice.h"
#include "bench/commands/contents/label_text.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/contents_ids.h"

namespace {

constexpr int kHelpLabel = 1029;
constexpr int kHelpIndicators = 1031;
constexpr int kHelpTransfer = 1051;
constexpr int32_t kLastSize = 5;

LabObject* DialogObject(HWND dialog) { return reinterpret_cast<LabObject*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

int RunDialog(int id, HWND owner, DLGPROC proc, void* parameter) {
    return static_cast<int>(
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), owner, proc, reinterpret_cast<LPARAM>(parameter)));
}

// ---- Label ----

INT_PTR CALLBACK LabelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LabObject* o = DialogObject(dialog);
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        o = reinterpret_cast<LabObject*>(lParam);
        SendDlgItemMessageA(dialog, IDC_LABEL_TEXT, EM_LIMITTEXT, kLabelLength, 0);
        SendDlgItemMessageA(dialog, IDC_LABEL_NOTE, EM_LIMITTEXT, kNoteLength - 1, 0);
        SetDlgItemTextA(dialog, IDC_LABEL_TEXT, LabelOf(*o).c_str());
        char note[kNoteLength + 1] = {};
        for (int i = 0; i < kNoteLength - 1 && o->note[i]; ++i) note[i] = o->note[i];
        SetDlgItemTextA(dialog, IDC_LABEL_NOTE, note);
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpLabel);
        return TRUE;
    case WM_COMMAND:
        if (!o) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: {
            char label[kLabelLength + 1] = {}, note[kNoteLength] = {};
            GetDlgItemTextA(dialog, IDC_LABEL_TEXT, label, sizeof label);
            GetDlgItemTextA(dialog, IDC_LABEL_NOTE, note, sizeof note);
            StoreLabelAndNote(*o, label, note);
            EndDialog(dialog, 1);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_CONTENTS_HELP: ShowContextHelp(dialog, 0, kHelpLabel); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

// ---- Indicators ----

struct IndicatorsDialog {
    LabObject* vessel;
    std::vector<IndicatorEntry> entries;
};

void ShowDescription(HWND dialog, const IndicatorsDialog& d) {
    const LRESULT at = SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_GETCURSEL, 0, 0);
    const bool valid = at >= 0 && at < static_cast<LRESULT>(d.entries.size());
    SetDlgItemTextA(dialog, IDC_INDICATOR_DESCRIPTION, valid ? d.entries[at].description.c_str() : "");
}

INT_PTR CALLBACK IndicatorsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* d = reinterpret_cast<IndicatorsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        d = reinterpret_cast<IndicatorsDialog*>(lParam);
        if (LabModuleHandle && PluginTable.IndicatorAvailable && PluginTable.IndicatorProperty) {
            d->entries = ReadIndicators(PluginTable.IndicatorAvailable(),
                                        [](int32_t i) -> const IndicatorRecord* { return PluginTable.IndicatorProperty(i); });
        }
        for (const IndicatorEntry& e : d->entries) {
            const LRESULT at = SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_ADDSTRING, 0,
                                                   reinterpret_cast<LPARAM>(e.name.c_str()));
            SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_SETITEMDATA, at, e.id);
        }
        int32_t drops = 0;
        const int32_t selected = InitialIndicator(*d->vessel, d->entries, &drops);
        SendDlgItemMessageA(dialog, IDC_INDICATOR_UPDOWN, UDM_SETRANGE32, 0, 1000);
        SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_SETCURSEL, selected, 0);
        SetDlgItemInt(dialog, IDC_INDICATOR_DROPS, static_cast<UINT>(drops), FALSE);
        ShowDescription(dialog, *d);
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpIndicators);
        return TRUE;
    case WM_COMMAND:
        if (!d) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: {
            const LRESULT at = SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_GETCURSEL, 0, 0);
            // Nothing to choose from: nothing changes.
            if (at < 0 || at >= static_cast<LRESULT>(d->entries.size())) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            char drops[32] = {};
            GetDlgItemTextA(dialog, IDC_INDICATOR_DROPS, drops, sizeof drops);
            ApplyIndicatorDrops(*d->vessel, d->entries[at], drops, CurrentBenchSeams());
            EndDialog(dialog, 1);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_CONTENTS_HELP: ShowContextHelp(dialog, 0, kHelpIndicators); return TRUE;
        case IDC_INDICATOR_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) ShowDescription(dialog, *d);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

// ---- Transfer and Filter: a type and a size for the new vessel ----

struct VesselChoice {
    LabObject* vessel;
    int typeList, sizeList;
    bool receiverGiven;
};

void FillVesselSizes(HWND dialog, const VesselChoice& c) {
    const int32_t type = ComboSelectedData(dialog, c.typeList);
    FillCombo(dialog, c.sizeList, SizeChoices(type, kLastSize, 0), -1);
}

// The new vessel takes the chosen type and size; false when none is chosen.
bool TakeChosenVessel(HWND dialog, const VesselChoice& c) {
    const int32_t type = ComboSelectedData(dialog, c.typeList), size = ComboSelectedData(dialog, c.sizeList);
    if (type < 0 || size < 0) return false;
    if (type != c.vessel->type || size != c.vessel->sizeIndex) ChangeContainer(*c.vessel, type, size);
    return true;
}

INT_PTR CALLBACK TransferProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* c = reinterpret_cast<VesselChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        c = reinterpret_cast<VesselChoice*>(lParam);
        FillCombo(dialog, c->typeList,
                  // The cuvette is offered here whatever the lab.
                  ContainerTypeChoices(2, 24, kKindContainer, static_cast<uint32_t>(QueryCurrentLabStyle()) | 0x200), -1);
        FillVesselSizes(dialog, *c);
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpTransfer);
        return TRUE;
    case WM_COMMAND:
        if (!c) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            if (TakeChosenVessel(dialog, *c)) EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_CONTENTS_HELP: ShowContextHelp(dialog, 0, kHelpTransfer); return TRUE;
        case IDC_TRANSFER_TYPE:
            if (HIWORD(wParam) == CBN_SELCHANGE) FillVesselSizes(dialog, *c);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void EnableNewVesselLists(HWND dialog) {
    const BOOL on = IsDlgButtonChecked(dialog, IDC_FILTER_NEW) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_FILTER_TYPE), on);
    EnableWindow(GetDlgItem(dialog, IDC_FILTER_SIZE), on);
}

INT_PTR CALLBACK FilterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* c = reinterpret_cast<VesselChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        c = reinterpret_cast<VesselChoice*>(lParam);
        CheckRadioButton(dialog, IDC_FILTER_DELETE, IDC_FILTER_NEW,
                         c->receiverGiven ? IDC_FILTER_SELECTED : IDC_FILTER_NEW);
        EnableWindow(GetDlgItem(dialog, IDC_FILTER_SELECTED), c->receiverGiven);
        FillCombo(dialog, c->typeList, ContainerTypeChoices(2, 9, kKindReceivesPour, 0), -1);
        FillVesselSizes(dialog, *c);
        EnableNewVesselLists(dialog);
        return TRUE;
    case WM_COMMAND:
        if (!c) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: {
            if (!TakeChosenVessel(dialog, *c)) return TRUE;
            int result = 2;
            if (IsDlgButtonChecked(dialog, IDC_FILTER_NEW) == BST_CHECKED) result = 1;
            if (IsDlgButtonChecked(dialog, IDC_FILTER_SELECTED) == BST_CHECKED) result = 3;
            EndDialog(dialog, result);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_FILTER_DELETE:
        case IDC_FILTER_SELECTED:
        case IDC_FILTER_NEW: EnableNewVesselLists(dialog); return TRUE;
        case IDC_FILTER_TYPE:
            if (HIWORD(wParam) == CBN_SELCHANGE) FillVesselSizes(dialog, *c);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

int RunLabelDialog(HWND owner, LabObject& object) { return RunDialog(IDD_LABEL, owner, LabelProc, &object); }

int RunIndicatorsDialog(HWND owner, LabObject& vessel) {
    IndicatorsDialog d{&vessel, {}};
    return RunDialog(IDD_INDICATORS, owner, IndicatorsProc, &d);
}

int RunTransferDialog(HWND owner, LabObject& newVessel) {
    VesselChoice c{&newVessel, IDC_TRANSFER_TYPE, IDC_TRANSFER_SIZE, false};
    return RunDialog(IDD_TRANSFER, owner, TransferProc, &c);
}

int RunFilterDialog(HWND owner, LabObject& newVessel, bool receiverGiven) {
    VesselChoice c{&newVessel, IDC_FILTER_TYPE, IDC_FILTER_SIZE, receiverGiven};
    return RunDialog(IDD_FILTER, owner, FilterProc, &c);
}
