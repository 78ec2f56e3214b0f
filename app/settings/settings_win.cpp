#include "app/settings/settings_win.h"

#include <cstdio>
#include <cstring>

#include "app/settings/folders_win.h"
#include "app/settings/help_win.h"
#include "app/panes/text_pane_format_win.h"
#include "app/shell/timer_pause.h"
#include "resources/brevane/shell_ids.h"

void (*RebuildToolbars)(HWND owner, int32_t object) = nullptr;

RegistrySettingsStore::RegistrySettingsStore() {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS)
        key_ = nullptr;
}

RegistrySettingsStore::~RegistrySettingsStore() {
    if (key_) RegCloseKey(key_);
}

StoreAnswer RegistrySettingsStore::ReadDword(const char* name, uint32_t* value) {
    if (!key_) return StoreAnswer::Failed;
    DWORD type = 0, data = 0, size = sizeof data;
    LONG result = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (result == ERROR_FILE_NOT_FOUND) return StoreAnswer::Missing;
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) return StoreAnswer::Failed;
    *value = data;
    return StoreAnswer::Found;
}

bool RegistrySettingsStore::WriteDword(const char* name, uint32_t value) {
    if (!key_) return false;
    DWORD data = value;
    return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

StoreAnswer RegistrySettingsStore::ReadString(const char* name, char* out, size_t size) {
    if (!key_) return StoreAnswer::Failed;
    DWORD type = 0, length = static_cast<DWORD>(size);
    LONG result = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(out), &length);
    if (result == ERROR_FILE_NOT_FOUND) return StoreAnswer::Missing;
    if (result != ERROR_SUCCESS || type != REG_SZ || length == 0 || length > size) return StoreAnswer::Failed;
    // A stored value need not end in a NUL.
    if (out[length - 1] != '\0') {
        if (length == size) return StoreAnswer::Failed;
        out[length] = '\0';
    }
    return StoreAnswer::Found;
}

bool RegistrySettingsStore::WriteString(const char* name, const char* text) {
    if (!key_) return false;
    return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

void LoadSettings() {
    RegistrySettingsStore store;
    ReadStartupSettings(store);
}

namespace {

constexpr int kHelpEquipmentOptions = 1037;
constexpr int kHelpToolbarOptions = 1058;

struct NumberField {
    int control;
    int32_t* global;
    SettingId id;
};

const NumberField kNumberFields[] = {
    {IDC_BUNSEN_HEAT, &BunsenBurnerHeat, kSettingBunsenBurnerHeat},
    {IDC_HOT_PLATE_INCREMENTS, &HotPlateIncrements, kSettingHotPlateIncrements},
    {IDC_FONT_SIZE, &FontSize, kSettingFontSize},
};

void ShowEquipmentValues(HWND dialog, int32_t tempScale, int32_t bunsen, int32_t hotPlate,
                         int32_t fontSize, int32_t buretField) {
    int scaleRadio = tempScale == 0 ? IDC_KELVIN : tempScale == 2 ? IDC_FAHRENHEIT : IDC_CELSIUS;
    CheckRadioButton(dialog, IDC_CELSIUS, IDC_FAHRENHEIT, scaleRadio);
    CheckRadioButton(dialog, IDC_SHOW_ACTUAL_VOLUME, IDC_SHOW_SCALE_VOLUME,
                     buretField == 1 ? IDC_SHOW_ACTUAL_VOLUME : IDC_SHOW_SCALE_VOLUME);
    const int32_t values[3] = {bunsen, hotPlate, fontSize};
    for (int i = 0; i < 3; ++i) {
        char text[16];
        snprintf(text, sizeof text, "%d", static_cast<int>(values[i]));
        SetDlgItemTextA(dialog, kNumberFields[i].control, text);
    }
}

void AcceptEquipmentValues(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_KELVIN) == BST_CHECKED) TempScale = 0;
    else if (IsDlgButtonChecked(dialog, IDC_FAHRENHEIT) == BST_CHECKED) TempScale = 2;
    else if (IsDlgButtonChecked(dialog, IDC_CELSIUS) == BST_CHECKED) TempScale = 1;
    for (const NumberField& field : kNumberFields) {
        char text[16];
        GetDlgItemTextA(dialog, field.control, text, sizeof text);
        const SettingRow& row = Setting(field.id);
        int32_t value;
        if (ParseSettingNumber(text, row.minimum, row.maximum, &value)) *field.global = value;
    }
    if (IsDlgButtonChecked(dialog, IDC_SHOW_ACTUAL_VOLUME) == BST_CHECKED) BuretVolumeField = 1;
    else if (IsDlgButtonChecked(dialog, IDC_SHOW_SCALE_VOLUME) == BST_CHECKED) BuretVolumeField = 2;

    RegistrySettingsStore store;
    if (!store.IsOpen()) return;  // the globals hold the new values for this run
    static const SettingId written[] = {kSettingBuretVolumeField, kSettingTempScale,
                                        kSettingBunsenBurnerHeat, kSettingHotPlateIncrements,
                                        kSettingFontSize};
    WriteSettings(store, written, 5);
}

INT_PTR CALLBACK EquipmentOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        for (const NumberField& field : kNumberFields)
            SendDlgItemMessageA(dialog, field.control, EM_LIMITTEXT, 2, 0);
        ShowEquipmentValues(dialog, TempScale, BunsenBurnerHeat, HotPlateIncrements, FontSize,
                            BuretVolumeField);
        return TRUE;
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpEquipmentOptions);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RESET_DEFAULTS:
            ShowEquipmentValues(dialog, Setting(kSettingTempScale).defaultValue,
                                Setting(kSettingBunsenBurnerHeat).defaultValue,
                                Setting(kSettingHotPlateIncrements).defaultValue,
                                Setting(kSettingFontSize).defaultValue,
                                Setting(kSettingBuretVolumeField).defaultValue);
            return TRUE;
        case IDOK:
            AcceptEquipmentValues(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

struct ToolbarDialogState {
    HWND owner;
    int32_t object;
};

const int kStyleRadios[3] = {IDC_STYLE_OLD, IDC_STYLE_FLAT_8, IDC_STYLE_FLAT_24};  // styles 1, 2, 3

INT_PTR CALLBACK ToolbarOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        if (CommonControlsHaveFlatToolbars()) {
            int style = MenuStyle >= 1 && MenuStyle <= 3 ? MenuStyle : 3;
            CheckRadioButton(dialog, IDC_STYLE_FLAT_24, IDC_STYLE_OLD, kStyleRadios[style - 1]);
        } else {
            CheckRadioButton(dialog, IDC_STYLE_FLAT_24, IDC_STYLE_OLD, IDC_STYLE_OLD);
            for (int radio : kStyleRadios) EnableWindow(GetDlgItem(dialog, radio), FALSE);
        }
        return TRUE;
    }
    case WM_HELP:
        ShowContextHelp(dialog, 0, kHelpToolbarOptions);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            auto* state = reinterpret_cast<ToolbarDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            int32_t chosen = MenuStyle;
            for (int i = 0; i < 3; ++i)
                if (IsDlgButtonChecked(dialog, kStyleRadios[i]) == BST_CHECKED) chosen = i + 1;
            bool changed = chosen != MenuStyle;
            MenuStyle = chosen;
            {
                RegistrySettingsStore store;
                static const SettingId written[] = {kSettingMenuStyle};
                WriteSettings(store, written, 1);
            }
            EndDialog(dialog, IDOK);
            if (changed) {
                FreeFontTable();
                if (RebuildToolbars) RebuildToolbars(state->owner, state->object);
                EnumerateFonts();
                FillFormatCombos();
                ReapplyObservationsFormat(GetAncestor(state->owner, GA_ROOT));
            }
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

INT_PTR ShowEquipmentOptions(HWND owner, HINSTANCE instance) {
    TimerPauseScope pause;
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_EQUIPMENT_OPTIONS), owner,
                           EquipmentOptionsProc, 0);
}

INT_PTR ShowToolbarOptions(HWND owner, HINSTANCE instance, int32_t object) {
    TimerPauseScope pause;
    ToolbarDialogState state = {owner, object};
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TOOLBAR_OPTIONS), owner, ToolbarOptionsProc,
                           reinterpret_cast<LPARAM>(&state));
}

bool CommonControlsHaveFlatToolbars() {
    return GetDllVersion("comctl32.dll") >= static_cast<DWORD>((4 << 16) | 70);
}
