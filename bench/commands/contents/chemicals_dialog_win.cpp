// The Chemicals dialog: a chemical of the lab's table, an amount and the
// vessel it goes into (the picked one, or a new one of a chosen type and size).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/modules/module_host.h"
#include "app/settings/help_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/contents/chemical_addition.h"
#include "bench/commands/contents/container_choices.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/dialog_helpers_win.h"
#include "bench/model/chemical_table.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/contents_ids.h"

namespace {

constexpr int kHelpChemicals = 1026;
constexpr int32_t kLastListedType = 27;
constexpr int32_t kLastSize = 11;
constexpr int kUpDownMaximum = 32766;

struct ChemicalsDialog {
    LabObject* picked;
    LabObject* spare;  // null when there is none
    LabObject* target;
    uint32_t style;
    std::string separator;
};

std::string LoadText(int32_t id) {
    char buffer[1024];
    return LoadResString(static_cast<UINT>(id), buffer, sizeof buffer) ? buffer : "";
}

const ChemicalRecord* SelectedChemical(HWND dialog) {
    const int index = ComboSelectedData(dialog, IDC_CHEM_LIST);
    if (index < 0 || index >= ChemicalCount()) return nullptr;
    return &ChemicalTable.records[index];
}

void FillSizes(HWND dialog, const ChemicalsDialog& d, int32_t type) {
    FillCombo(dialog, IDC_CHEM_SIZE, SizeChoices(type, kLastSize, d.target->stateBits), d.target->sizeIndex);
}

// The label and units follow the chemical's state.
void ShowUnitsFor(HWND dialog, const ChemicalRecord* c) {
    if (!c) return;
    std::vector<ListChoice> units;
    const char* label = nullptr;
    if (c->state == kKindSolid && (c->flags & kChemCountedInUnits)) {
        label = "Quantity:";
        units = {{static_cast<int32_t>(AmountUnit::kUnits), "-"}};
    } else if (c->state == kKindSolid) {
        label = "Mass:";
        units = {{static_cast<int32_t>(AmountUnit::kGram), "g"}, {static_cast<int32_t>(AmountUnit::kMilligram), "mg"}};
    } else if (c->state == kKindLiquid) {
        label = "Volume:";
        units = {{static_cast<int32_t>(AmountUnit::kMillilitre), "ml"}};
    }
    if (!label) return;
    SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT_LABEL, label);
    FillCombo(dialog, IDC_CHEM_UNITS, units, units.front().data);
}

void OnInit(HWND dialog, ChemicalsDialog& d) {
    d.style = static_cast<uint32_t>(QueryCurrentLabStyle());
    d.separator = UserDecimalSeparator();
    d.target = d.picked;
    if (ObjectSelected) {
        CheckDlgButton(dialog, IDC_CHEM_PICKED, BST_CHECKED);
    } else {
        if (d.spare) d.target = d.spare;
        CheckDlgButton(dialog, IDC_CHEM_ADD_NEW, BST_CHECKED);
        EnableWindow(GetDlgItem(dialog, IDC_CHEM_PICKED), FALSE);
    }
    if (!d.spare) EnableWindow(GetDlgItem(dialog, IDC_CHEM_ADD_NEW), FALSE);

    SendDlgItemMessageA(dialog, IDC_CHEM_UPDOWN, UDM_SETRANGE32, 0, kUpDownMaximum);
    SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, ("0" + d.separator + "000").c_str());

    std::vector<ListChoice> chemicals;
    // "%g" keeps the digits it needs; the locale text keeps as many.
    const auto molarity = [](double m) {
        char plain[64], text[64];
        std::snprintf(plain, sizeof plain, "%g", m);
        const char* point = std::strchr(plain, '.');
        const int digits = point && !std::strchr(plain, 'e') ? static_cast<int>(std::strlen(point + 1)) : 0;
        return std::string(FormatLocaleNumber(text, sizeof text, "%g", m, digits) ? text : plain);
    };
    for (int32_t i = 0; i < ChemicalCount(); ++i) {
        const ChemicalRecord& c = ChemicalTable.records[i];
        if (c.flags & kChemStock) chemicals.push_back({i, ChemicalListText(c, molarity)});
    }
    FillCombo(dialog, IDC_CHEM_LIST, chemicals, chemicals.empty() ? -1 : chemicals.front().data);
    FillCombo(dialog, IDC_CHEM_UNITS, {{static_cast<int32_t>(AmountUnit::kMillilitre), "ml"}}, 0);
    ShowUnitsFor(dialog, SelectedChemical(dialog));
    FillCombo(dialog, IDC_CHEM_TYPE, ContainerTypeChoices(2, kLastListedType, kKindContainer, d.style), d.target->type);
    FillSizes(dialog, d, d.target->type);
}

void OnInfo(HWND dialog) {
    const ChemicalRecord* c = SelectedChemical(dialog);
    if (!c) return;
    const std::string text = ChemicalInfoText(*c, LoadText, [](const char* format, double value) {
        char out[64];
        return std::string(FormatLocaleNumber(out, sizeof out, format, value, format[2] == '3' ? 3 : 1) ? out : "");
    });
    std::string caption = ChemicalCommentName(*c);
    if (!(c->flags & kChemUnknown) && c->molarity > 0) {
        size_t n = 0;
        while (n < sizeof c->name && c->name[n]) ++n;
        caption.assign(c->name, n);
    }
    MessageBoxA(dialog, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

AmountUnit SelectedUnit(HWND dialog) {
    const int unit = ComboSelectedData(dialog, IDC_CHEM_UNITS);
    return unit < 0 ? AmountUnit::kMillilitre : static_cast<AmountUnit>(unit);
}

void OnOk(HWND dialog, ChemicalsDialog& d) {
    char amount[64] = {};
    GetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, amount, sizeof amount);
    const ChemicalAddition addition{SelectedChemical(dialog), ComboSelectedData(dialog, IDC_CHEM_TYPE),
                                    ComboSelectedData(dialog, IDC_CHEM_SIZE), amount, SelectedUnit(dialog)};
    const NewChemicalHook hook = [dialog](LabObject& target, CasNumber cas, double* grams, int32_t* whole,
                                          int32_t* fraction, int32_t digits, float factor) {
        if (LabModuleHandle && PluginTable.NewChemicalAddition)
            PluginTable.NewChemicalAddition(dialog, &target, cas, kKindSolid, grams, reinterpret_cast<int*>(whole),
                                            reinterpret_cast<int*>(fraction), digits, factor);
    };
    const AdditionResult result = AddChemical(*d.target, addition, hook);
    switch (result.outcome) {
    case AdditionOutcome::kTakesNoLiquid:
        MessageBoxA(dialog, LoadText(608).c_str(), LoadText(609).c_str(), MB_OK | MB_ICONWARNING);
        return;
    case AdditionOutcome::kOverCapacity:
        // OK on the box ends the dialog as Cancel does: nothing was added.
        if (MessageBoxA(dialog, LoadText(520).c_str(), LoadText(610).c_str(), MB_OKCANCEL | MB_ICONWARNING) == IDOK)
            EndDialog(dialog, 0);
        return;
    case AdditionOutcome::kAdded: {
        const bool addedNew = IsDlgButtonChecked(dialog, IDC_CHEM_ADD_NEW) == BST_CHECKED;
        RecordChemicalAddition(CurrentBenchSeams(), *addition.chemical, result, d.target->type, addedNew,
                               ObjectSelected, addition.type);
        EndDialog(dialog, addedNew ? 2 : 1);
        return;
    }
    default:
        MessageBeep(MB_OK);
        return;
    }
}

INT_PTR CALLBACK ChemicalsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* d = reinterpret_cast<ChemicalsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        OnInit(dialog, *reinterpret_cast<ChemicalsDialog*>(lParam));
        return TRUE;
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_CHEM_LIST) return FALSE;
        item->itemHeight = static_cast<UINT>(ChemicalItemHeight(dialog, 1.333, 4));
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_DRAWITEM:
        if (wParam != IDC_CHEM_LIST) return FALSE;
        DrawChemicalItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
        if (!d || change->hdr.idFrom != IDC_CHEM_UPDOWN || change->hdr.code != UDN_DELTAPOS) return FALSE;
        char text[64] = {};
        GetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, StepAmountText(text, change->iDelta, d->separator).c_str());
        SendDlgItemMessageA(dialog, IDC_CHEM_AMOUNT, EM_SETSEL, 0, -1);
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpChemicals);
        return TRUE;
    case WM_COMMAND:
        if (!d) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog, *d); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_CONTENTS_HELP: ShowContextHelp(dialog, 0, kHelpChemicals); return TRUE;
        case IDC_CHEM_INFO: OnInfo(dialog); return TRUE;
        case IDC_CHEM_ADD_NEW:
            if (d->spare) d->target = d->spare;
            return TRUE;
        case IDC_CHEM_PICKED: d->target = d->picked; return TRUE;
        case IDC_CHEM_LIST:
            if (HIWORD(wParam) == CBN_SELCHANGE) ShowUnitsFor(dialog, SelectedChemical(dialog));
            return TRUE;
        case IDC_CHEM_TYPE:
            if (HIWORD(wParam) == CBN_SELCHANGE) FillSizes(dialog, *d, ComboSelectedData(dialog, IDC_CHEM_TYPE));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

int RunChemicalsDialog(HWND owner, int32_t picked, int32_t spareOffset) {
    if (picked < 0 || picked > LabObjectCount) return 0;
    const int32_t spare = spareOffset != 0 ? picked + spareOffset : 0;
    ChemicalsDialog d{&LabObjects[picked], spare >= 1 && spare <= kMaxLabObjects ? &LabObjects[spare] : nullptr,
                      nullptr, 0, "."};
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CHEMICALS), owner,
                                            ChemicalsProc, reinterpret_cast<LPARAM>(&d)));
}
