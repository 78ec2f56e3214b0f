#include "bench/commands/instruments/instrument_dialogs_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/modules/module_host.h"
#include "app/settings/help_win.h"
#include "app/shell/message_boxes_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/instruments/instrument_settings.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/window/bench_seams.h"
#include "common/chemical_record.h"
#include "common/module_contract.h"
#include "resources/brevane/instrument_ids.h"

namespace {

enum HelpTopic : int {
    kHelpElectrochemicalCell = 1042,
    kHelpSpectrophotometer = 1056,
    kHelpInitialSyringe = 1062,
    kHelpSetSyringe = 1063,
    kHelpGeiger = 1065,
};

constexpr uint32_t kRadioactive = 0x80;
constexpr uint32_t kUnknown = 0x4;
constexpr int32_t kGasSyringeName = 24;
constexpr int32_t kGeigerName = 26;

std::string ProgramString(UINT id) {
    char text[512];
    return LoadResString(id, text, sizeof text) ? std::string(text) : std::string("Missing Comment");
}

std::string ItemText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void RecordProcedure(const std::string& text) {
    BenchSeams& bench = CurrentBenchSeams();
    if (bench.DemoRecording()) bench.RecordComment(text, 1);
}

// A box over the dialog; the dialog's caller has paused the timer.
void Refuse(HWND dialog, const std::string& text, const std::string& caption) {
    MessageBoxA(dialog, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

LabObject* ObjectOf(HWND dialog) { return reinterpret_cast<LabObject*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

bool ModuleOffers(const void* entry) { return LabModuleHandle && entry; }

// ---- electrochemical cell ----

const ElectrodeRecord* ModuleElectrode(int32_t index, void*) {
    return ModuleOffers(reinterpret_cast<const void*>(PluginTable.ElectrodeProperty))
               ? PluginTable.ElectrodeProperty(index)
               : nullptr;
}

std::vector<ElectrodeEntry> ModuleElectrodes() {
    if (!ModuleOffers(reinterpret_cast<const void*>(PluginTable.ElectrodeAvailable))) return {};
    return ReadElectrodes(PluginTable.ElectrodeAvailable(), ModuleElectrode, nullptr);
}

void FillElectrodeList(HWND list, const std::vector<ElectrodeEntry>& electrodes, int32_t id) {
    for (const ElectrodeEntry& e : electrodes) {
        const LRESULT row = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.name.c_str()));
        SendMessageA(list, LB_SETITEMDATA, row, static_cast<LPARAM>(e.id));
    }
    if (!electrodes.empty()) SendMessageA(list, LB_SETCURSEL, ElectrodeRowFor(electrodes, id), 0);
}

// The chosen row's id and name; false when the list is empty.
bool ChosenElectrode(HWND list, int32_t* id, std::string* name) {
    const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return false;
    *id = static_cast<int32_t>(SendMessageA(list, LB_GETITEMDATA, row, 0));
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, row, 0);
    std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    *name = text.c_str();
    return true;
}

INT_PTR CALLBACK ElectrodeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const LabObject& cell = *reinterpret_cast<LabObject*>(lParam);
        const std::vector<ElectrodeEntry> electrodes = ModuleElectrodes();
        FillElectrodeList(GetDlgItem(dialog, IDC_LEFT_ELECTRODE), electrodes, cell.electrode1);
        FillElectrodeList(GetDlgItem(dialog, IDC_RIGHT_ELECTRODE), electrodes, cell.electrode2);
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpElectrochemicalCell);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            LabObject& cell = *ObjectOf(dialog);
            int32_t left = 0, right = 0;
            std::string leftName, rightName;
            const bool haveLeft = ChosenElectrode(GetDlgItem(dialog, IDC_LEFT_ELECTRODE), &left, &leftName);
            const bool haveRight = ChosenElectrode(GetDlgItem(dialog, IDC_RIGHT_ELECTRODE), &right, &rightName);
            cell.electrode1 = haveLeft ? left : 0;
            cell.electrode2 = haveRight ? right : 0;
            // With no electrodes to choose there is nothing to tell.
            if (haveLeft && haveRight) {
                char text[600];
                std::snprintf(text, sizeof text, ProgramString(IDS_ELECTRODES_COMMENT).c_str(), leftName.c_str(),
                              rightName.c_str());
                RecordProcedure(text);
            }
            EndDialog(dialog, 1);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDHELP: ShowContextHelp(dialog, 0, kHelpElectrochemicalCell); return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- Geiger counter ----

constexpr int32_t kShieldKinds = 4;

int32_t ComboChoice(HWND dialog, int id) {
    const LRESULT row = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return row == CB_ERR ? -1 : static_cast<int32_t>(row);
}

// "%.1f mm" with the number in the user's locale format.
std::string LocaleThickness(int32_t shield, int32_t sheets) {
    char number[32];
    if (!FormatLocaleNumber(number, sizeof number, "%.1f", sheets * ShieldSheetMillimetres(shield), 1))
        return ShieldThicknessText(shield, sheets);
    return std::string(number) + " mm";
}

void ShowThickness(HWND dialog) {
    const int32_t shield = ComboChoice(dialog, IDC_SHIELDS);
    const bool shielded = shield >= 1 && shield <= 3;
    const bool source = SendDlgItemMessageA(dialog, IDC_SOURCE, CB_GETITEMDATA,
                                            SendDlgItemMessageA(dialog, IDC_SOURCE, CB_GETCURSEL, 0, 0), 0) > 0;
    EnableWindow(GetDlgItem(dialog, IDC_SHIELDS), source);
    EnableWindow(GetDlgItem(dialog, IDC_SHEETS), source && shielded);
    EnableWindow(GetDlgItem(dialog, IDC_INSTRUMENT_SECOND), source && shielded);
    if (!shielded) return;
    const int32_t sheets = ComboChoice(dialog, IDC_SHEETS) + 1;
    SetDlgItemTextA(dialog, IDC_INSTRUMENT_SECOND, LocaleThickness(shield, sheets).c_str());
}

void FillSources(HWND dialog, const LabObject& counter) {
    HWND list = GetDlgItem(dialog, IDC_SOURCE);
    LRESULT row = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ProgramString(IDS_SHIELD_NONE).c_str()));
    SendMessageA(list, CB_SETITEMDATA, row, kNoSourceItem);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    double grams = 0;
    const CasNumber held = ComponentAt(counter, 0, &grams);
    for (int32_t i = 0; i < ChemicalCount(); ++i) {
        const ChemicalRecord& chemical = ChemicalTable.records[i];
        if (!(chemical.flags & kRadioactive)) continue;
        const char* name = (chemical.flags & kUnknown) ? UnknownNameAt(i) : ChemicalNameAt(i);
        row = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name ? name : ""));
        SendMessageA(list, CB_SETITEMDATA, row, SourceItemFor(i));
        if (held != 0 && ChemicalIdAt(i) == held) SendMessageA(list, CB_SETCURSEL, row, 0);
    }
}

void InitGeiger(HWND dialog, const LabObject& counter) {
    for (int32_t kind = 0; kind < kShieldKinds; ++kind)
        SendDlgItemMessageA(dialog, IDC_SHIELDS, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(ProgramString(ShieldNameString(kind)).c_str()));
    for (int32_t n = 1; n <= kGeigerMaxSheets; ++n) {
        const std::string text = std::to_string(n);
        SendDlgItemMessageA(dialog, IDC_SHEETS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendDlgItemMessageA(dialog, IDC_SHEETS, CB_SETCURSEL, 0, 0);
    int32_t shield = 0;
    if (counter.type == kGeigerCounter && counter.reading3 >= 0 && counter.reading3 < kShieldKinds)
        shield = static_cast<int32_t>(counter.reading3);
    SendDlgItemMessageA(dialog, IDC_SHIELDS, CB_SETCURSEL, shield, 0);
    if (shield != 0 && counter.reading4 >= 1 && counter.reading4 <= kGeigerMaxSheets)
        SendDlgItemMessageA(dialog, IDC_SHEETS, CB_SETCURSEL, static_cast<WPARAM>(counter.reading4) - 1, 0);
    FillSources(dialog, counter);

    SendDlgItemMessageA(dialog, IDC_SOURCE_SPIN, UDM_SETRANGE32, 1, kGeigerMaxDistance);
    const double d = counter.reading2;
    const int32_t distance = d >= 0 && d <= kGeigerMaxDistance ? static_cast<int32_t>(d) : kGeigerMaxDistance;
    SendDlgItemMessageA(dialog, IDC_SOURCE_SPIN, UDM_SETPOS32, 0, distance);
    char text[16];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(distance));
    SetDlgItemTextA(dialog, IDC_INSTRUMENT_VALUE, text);
    ShowThickness(dialog);
}

// OK: the distance is checked first, so a refused OK changes nothing.
bool AcceptGeiger(HWND dialog, LabObject& counter) {
    double value = 0;
    const bool isNumber = ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_VALUE), &value);
    int32_t distance = 0;
    if (!AcceptGeigerDistance(isNumber, value, &distance)) {
        Refuse(dialog, ProgramString(IDS_SOURCE_TOO_FAR), ProgramString(kGeigerName));
        return false;
    }

    const LRESULT sourceRow = SendDlgItemMessageA(dialog, IDC_SOURCE, CB_GETCURSEL, 0, 0);
    const intptr_t item = sourceRow == CB_ERR ? kNoSourceItem
                                              : SendDlgItemMessageA(dialog, IDC_SOURCE, CB_GETITEMDATA, sourceRow, 0);
    const int32_t tableIndex = TableIndexOfSourceItem(item);
    std::string sourceName = ProgramString(IDS_SHIELD_NONE);
    if (item != kNoSourceItem && tableIndex >= 0 && tableIndex < ChemicalCount()) {
        const CasNumber cas = ChemicalIdAt(tableIndex);
        double grams = 1.0;
        if (ModuleOffers(reinterpret_cast<const void*>(PluginTable.NewChemicalAddition)))
            PluginTable.NewChemicalAddition(dialog, &counter, cas, kPhaseSolid, &grams, nullptr, nullptr, 0, 0);
        StoreGeigerSource(counter, cas, grams);
        char name[128] = {};
        SendDlgItemMessageA(dialog, IDC_SOURCE, CB_GETLBTEXT, sourceRow, reinterpret_cast<LPARAM>(name));
        sourceName = name;
    } else {
        StoreGeigerSource(counter, 0, 0);
    }
    const int32_t shield = std::max(ComboChoice(dialog, IDC_SHIELDS), 0);
    counter.reading3 = shield;
    counter.reading2 = distance;
    const int32_t sheets = ComboChoice(dialog, IDC_SHEETS) + 1;
    counter.reading4 = sheets;

    if (CurrentBenchSeams().DemoRecording()) {
        std::string thickness = "N/A";
        if (shield != 0) thickness = LocaleThickness(shield, sheets);
        char text[700];
        std::snprintf(text, sizeof text, ProgramString(IDS_GEIGER_COMMENT).c_str(), sourceName.c_str(),
                      static_cast<int>(distance), ProgramString(ShieldNameString(shield)).c_str(), thickness.c_str());
        RecordProcedure(text);
    }
    return true;
}

INT_PTR CALLBACK GeigerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitGeiger(dialog, *reinterpret_cast<LabObject*>(lParam));
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpGeiger);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SHIELDS:
        case IDC_SHEETS:
        case IDC_SOURCE:
            if (HIWORD(wParam) == CBN_SELCHANGE) ShowThickness(dialog);
            return TRUE;
        case IDOK:
            if (AcceptGeiger(dialog, *ObjectOf(dialog))) EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDHELP: ShowContextHelp(dialog, 0, kHelpGeiger); return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- spectrophotometer ----

INT_PTR CALLBACK WavelengthProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const LabObject& meter = *reinterpret_cast<LabObject*>(lParam);
        SendDlgItemMessageA(dialog, IDC_WAVELENGTH_SPIN, UDM_SETRANGE32, 300, 950);
        SendDlgItemMessageA(dialog, IDC_WAVELENGTH_SPIN, UDM_SETPOS32, 0,
                            meter.wavelength == 0 ? 300 : meter.wavelength);
        char text[16];
        std::snprintf(text, sizeof text, "%i", static_cast<int>(meter.wavelength == 0 ? 300 : meter.wavelength));
        SetDlgItemTextA(dialog, IDC_INSTRUMENT_VALUE, text);
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpSpectrophotometer);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            double value = 0;
            // Stored as typed: the instrument reads what it can.
            if (ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_VALUE), &value) && value >= -2e9 && value <= 2e9) {
                LabObject& meter = *ObjectOf(dialog);
                meter.wavelength = static_cast<int32_t>(value);
                if (CurrentBenchSeams().DemoRecording()) {
                    char text[256];
                    std::snprintf(text, sizeof text, ProgramString(IDS_WAVELENGTH_COMMENT).c_str(),
                                  static_cast<int>(meter.wavelength));
                    RecordProcedure(text);
                }
            }
            EndDialog(dialog, 1);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDHELP: ShowContextHelp(dialog, 0, kHelpSpectrophotometer); return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- gas syringe ----

struct SyringeDialog {
    LabObject* syringe;
    bool initial;  // template 1001, else 418
};

SyringeDialog* SyringeOf(HWND dialog) {
    return reinterpret_cast<SyringeDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void ShowTotal(HWND dialog) {
    const SyringeDialog& d = *SyringeOf(dialog);
    double volume = 0, fittings = 0;
    if (!ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_VALUE), &volume) || volume > d.syringe->capacityMl ||
        volume < 0)
        return;
    if (!ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_SECOND), &fittings)) return;
    char text[32];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(volume + static_cast<int>(fittings)));
    SetDlgItemTextA(dialog, IDC_SYRINGE_TOTAL, text);
}

void InitSyringe(HWND dialog, const SyringeDialog& d) {
    const LabObject& s = *d.syringe;
    double fittings = SyringeFittingsFor(s);
    int32_t volume = 60;
    if (!d.initial) {
        if (s.reading4 >= 0 && s.reading4 <= 1000) fittings = s.reading4;
        volume = s.reading2 < 0 || !(s.reading2 <= 1000) ? 60 : static_cast<int32_t>(s.reading2);
    }
    SendDlgItemMessageA(dialog, IDC_SYRINGE_SPIN, UDM_SETRANGE32, 0, 60);
    SendDlgItemMessageA(dialog, IDC_SYRINGE_SPIN, UDM_SETPOS32, 0, volume);
    char text[32];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(volume));
    SetDlgItemTextA(dialog, IDC_INSTRUMENT_VALUE, text);
    std::snprintf(text, sizeof text, "%i", static_cast<int>(fittings));
    SetDlgItemTextA(dialog, IDC_INSTRUMENT_SECOND, text);
    std::snprintf(text, sizeof text, "%i", static_cast<int>(volume + static_cast<int>(fittings)));
    SetDlgItemTextA(dialog, IDC_SYRINGE_TOTAL, text);
}

void RecordSyringe(double volume) {
    if (!CurrentBenchSeams().DemoRecording()) return;
    char text[256];
    std::snprintf(text, sizeof text, ProgramString(IDS_SYRINGE_COMMENT).c_str(), static_cast<int>(volume));
    RecordProcedure(text);
}

// 1 closes with OK, 0 with Cancel, -1 keeps the dialog open.
int AcceptSyringe(HWND dialog, const SyringeDialog& d) {
    LabObject& s = *d.syringe;
    double volume = 0, fittings = 0;
    const bool volumeIsNumber = ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_VALUE), &volume);
    if (d.initial) {
        const bool fittingsIsNumber = ParseNumberField(ItemText(dialog, IDC_INSTRUMENT_SECOND), &fittings);
        if (ApplyInitialSyringeVolume(s, volumeIsNumber, volume, fittingsIsNumber, fittings) ==
            SyringeAnswer::kRefused) {
            Refuse(dialog, "Entered Volume must be less than or equal to 60 ml", "Syringe");
            return -1;
        }
        RecordSyringe(volumeIsNumber && fittingsIsNumber ? volume : 0);
        return 1;
    }
    if (!volumeIsNumber) return 0;
    if (ApplySyringeVolume(s, volume) == SyringeAnswer::kRefused) {
        Refuse(dialog, ProgramString(IDS_SYRINGE_TOO_FULL), ProgramString(kGasSyringeName));
        return -1;
    }
    RecordSyringe(volume);
    return 1;
}

INT_PTR CALLBACK SyringeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitSyringe(dialog, *reinterpret_cast<SyringeDialog*>(lParam));
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, SyringeOf(dialog)->initial ? kHelpInitialSyringe : kHelpSetSyringe);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_INSTRUMENT_VALUE:
        case IDC_INSTRUMENT_SECOND:
            if (HIWORD(wParam) == EN_CHANGE && GetWindowLongPtrA(dialog, DWLP_USER)) ShowTotal(dialog);
            return TRUE;
        case IDOK: {
            const int result = AcceptSyringe(dialog, *SyringeOf(dialog));
            if (result >= 0) EndDialog(dialog, result);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDHELP:
            ShowContextHelp(dialog, 0, SyringeOf(dialog)->initial ? kHelpInitialSyringe : kHelpSetSyringe);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

int Run(HWND owner, int templateId, DLGPROC proc, LPARAM parameter) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, proc, parameter);
    return result == 1 ? 1 : 0;
}

}  // namespace

int ShowElectrodeDialog(HWND owner, LabObject& cell) {
    return Run(owner, IDD_ELECTROCHEMICAL_CELL, ElectrodeProc, reinterpret_cast<LPARAM>(&cell));
}

int ShowGeigerDialog(HWND owner, LabObject& counter) {
    return Run(owner, IDD_GEIGER_COUNTER, GeigerProc, reinterpret_cast<LPARAM>(&counter));
}

int ShowWavelengthDialog(HWND owner, LabObject& spectrophotometer) {
    return Run(owner, IDD_SPECTROPHOTOMETER, WavelengthProc, reinterpret_cast<LPARAM>(&spectrophotometer));
}

int ShowInitialSyringeDialog(HWND owner, LabObject& syringe) {
    SyringeDialog d{&syringe, true};
    return Run(owner, IDD_INITIAL_SYRINGE_VOLUME, SyringeProc, reinterpret_cast<LPARAM>(&d));
}

int ShowSetSyringeDialog(HWND owner, LabObject& syringe) {
    SyringeDialog d{&syringe, false};
    return Run(owner, IDD_SET_SYRINGE_VOLUME, SyringeProc, reinterpret_cast<LPARAM>(&d));
}
