// The Distilled Water dialog: fill the vessel to a chosen level or to the
// brim, with water at room temperature or ice water.
#include <windows.h>

#include "app/settings/help_win.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/dialog_helpers_win.h"
#include "bench/commands/contents/water_fill.h"
#include "bench/window/bench_seams.h"
#include "resources/brevane/contents_ids.h"

namespace {

constexpr int kHelpWater = 1028;

void OnInit(HWND dialog, LabObject& vessel) {
    const std::string separator = UserDecimalSeparator();
    std::vector<ListChoice> levels;
    for (int32_t level : WaterLevels(vessel))
        levels.push_back({static_cast<int32_t>(levels.size()), WaterLevelText(level, separator)});
    FillCombo(dialog, IDC_WATER_LEVELS, levels, 0);
    CheckRadioButton(dialog, IDC_WATER_MAXIMUM, IDC_WATER_LEVEL, IDC_WATER_LEVEL);
    CheckRadioButton(dialog, IDC_WATER_ROOM, IDC_WATER_ICE, IDC_WATER_ROOM);
}

void SelectLevel(HWND dialog, bool last) {
    HWND list = GetDlgItem(dialog, IDC_WATER_LEVELS);
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    if (count > 0) SendMessageA(list, CB_SETCURSEL, last ? count - 1 : 0, 0);
}

INT_PTR CALLBACK WaterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* vessel = reinterpret_cast<LabObject*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        OnInit(dialog, *reinterpret_cast<LabObject*>(lParam));
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpWater);
        return TRUE;
    case WM_COMMAND:
        if (!vessel) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: {
            const bool maximum = IsDlgButtonChecked(dialog, IDC_WATER_MAXIMUM) == BST_CHECKED;
            const bool ice = IsDlgButtonChecked(dialog, IDC_WATER_ICE) == BST_CHECKED;
            const int index = static_cast<int>(SendDlgItemMessageA(dialog, IDC_WATER_LEVELS, CB_GETCURSEL, 0, 0));
            ApplyWaterChoice(*vessel, maximum, index, ice, CurrentBenchSeams());
            EndDialog(dialog, 1);
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_CONTENTS_HELP: ShowContextHelp(dialog, 0, kHelpWater); return TRUE;
        case IDC_WATER_MAXIMUM: SelectLevel(dialog, true); return TRUE;
        case IDC_WATER_LEVEL: SelectLevel(dialog, false); return TRUE;
        case IDC_WATER_LEVELS:
            if (HIWORD(wParam) == CBN_SELCHANGE) CheckRadioButton(dialog, IDC_WATER_MAXIMUM, IDC_WATER_LEVEL, IDC_WATER_LEVEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

int RunWaterDialog(HWND owner, LabObject& vessel) {
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WATER), owner, WaterProc,
                                            reinterpret_cast<LPARAM>(&vessel)));
}
