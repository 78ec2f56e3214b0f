// Settings in the registry and the two option dialogs, driven by a second
// thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/settings/help_win.h"
#include "app/settings/settings_win.h"
#include "dialog_driver.h"
#include "resources/brevane/shell_ids.h"
#include "test_window.h"

namespace {

void DeleteSettingsKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath); }

bool StoredDword(const char* name, DWORD* value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = sizeof *value;
    bool ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                  ERROR_SUCCESS &&
              type == REG_DWORD;
    RegCloseKey(key);
    return ok;
}

void StoreDword(const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

std::string ItemText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class SettingsDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteSettingsKey();
        ResetSettingGlobals();
    }
    void TearDown() override {
        DeleteSettingsKey();
        ResetSettingGlobals();
        RebuildToolbars = nullptr;
    }
    TestWindow owner;
};

TEST_F(SettingsDialogsTest, StartUpWritesMissingValuesUsesStoredOnesResetsBadOnes) {
    StoreDword("FontSize", 18);
    StoreDword("BunsenBurnerHeat", 0);  // out of range
    StoreDword("menuStyle", 7);         // out of range
    LoadSettings();
    EXPECT_EQ(FontSize, 18);
    EXPECT_EQ(BunsenBurnerHeat, 2);
    EXPECT_EQ(MenuStyle, 3);
    struct Expect {
        const char* name;
        DWORD value;
    };
    const Expect stored[] = {{"menuStyle", 3},        {"BunsenBurnerHeat", 2}, {"HotPlateIncrements", 10},
                             {"FontSize", 18},        {"TempScale", 1},        {"ShowTipsAtStartUp", 0},
                             {"BuretVolumeField", 2}};
    for (const Expect& e : stored) {
        DWORD value = 0xDEAD;
        EXPECT_TRUE(StoredDword(e.name, &value)) << e.name;
        EXPECT_EQ(value, e.value) << e.name;
    }
}

TEST_F(SettingsDialogsTest, EquipmentOptionsKeepsRejectedNumbersAndStoresTheRest) {
    HotPlateIncrements = 10;
    DialogDriver driver({[](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_BUNSEN_HEAT, "0");
        SetDlgItemTextA(dialog, IDC_HOT_PLATE_INCREMENTS, "25");
        SetDlgItemTextA(dialog, IDC_FONT_SIZE, "");
        CheckRadioButton(dialog, IDC_CELSIUS, IDC_FAHRENHEIT, IDC_KELVIN);
        CheckRadioButton(dialog, IDC_SHOW_ACTUAL_VOLUME, IDC_SHOW_SCALE_VOLUME, IDC_SHOW_ACTUAL_VOLUME);
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(ShowEquipmentOptions(owner.handle(), GetModuleHandleA(nullptr)), IDOK);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Equipment Options");
    EXPECT_EQ(BunsenBurnerHeat, 2);
    EXPECT_EQ(HotPlateIncrements, 25);
    EXPECT_EQ(FontSize, 12);
    EXPECT_EQ(TempScale, 0);
    EXPECT_EQ(BuretVolumeField, 1);
    DWORD value = 0;
    ASSERT_TRUE(StoredDword("HotPlateIncrements", &value));
    EXPECT_EQ(value, 25u);
    ASSERT_TRUE(StoredDword("TempScale", &value));
    EXPECT_EQ(value, 0u);
    ASSERT_TRUE(StoredDword("BuretVolumeField", &value));
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(StoredDword("menuStyle", &value));  // only the dialog's values are written
}

TEST_F(SettingsDialogsTest, EquipmentOptionsRefusesOneHundred) {
    BunsenBurnerHeat = 7;
    DialogDriver driver({[](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_BUNSEN_HEAT, "100");  // typed past the limit by a program
        Press(IDOK)(dialog);
    }});
    ShowEquipmentOptions(owner.handle(), GetModuleHandleA(nullptr));
    driver.Finish();
    EXPECT_EQ(BunsenBurnerHeat, 7);
}

TEST_F(SettingsDialogsTest, ResetDefaultsThenCancelChangesNothing) {
    TempScale = 2;
    BunsenBurnerHeat = 50;
    HotPlateIncrements = 60;
    FontSize = 20;
    BuretVolumeField = 1;
    std::string shown[4];
    bool celsius = false, scale = false;
    DialogDriver driver({[&](HWND dialog) {
        shown[0] = ItemText(dialog, IDC_BUNSEN_HEAT);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RESET_DEFAULTS, BN_CLICKED), 0);
        shown[1] = ItemText(dialog, IDC_BUNSEN_HEAT);
        shown[2] = ItemText(dialog, IDC_HOT_PLATE_INCREMENTS);
        shown[3] = ItemText(dialog, IDC_FONT_SIZE);
        celsius = IsDlgButtonChecked(dialog, IDC_CELSIUS) == BST_CHECKED;
        scale = IsDlgButtonChecked(dialog, IDC_SHOW_SCALE_VOLUME) == BST_CHECKED;
        Press(IDCANCEL)(dialog);
    }});
    EXPECT_EQ(ShowEquipmentOptions(owner.handle(), GetModuleHandleA(nullptr)), IDCANCEL);
    driver.Finish();
    EXPECT_EQ(shown[0], "50");
    EXPECT_EQ(shown[1], "2");
    EXPECT_EQ(shown[2], "10");
    EXPECT_EQ(shown[3], "12");
    EXPECT_TRUE(celsius);
    EXPECT_TRUE(scale);
    EXPECT_EQ(TempScale, 2);
    EXPECT_EQ(BunsenBurnerHeat, 50);
    EXPECT_EQ(HotPlateIncrements, 60);
    EXPECT_EQ(FontSize, 20);
    EXPECT_EQ(BuretVolumeField, 1);
    DWORD value;
    EXPECT_FALSE(StoredDword("TempScale", &value));
}

BOOL CALLBACK FindHelpViewer(HWND window, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || strcmp(cls, "HH Parent") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

TEST_F(SettingsDialogsTest, F1InEitherDialogOpensTheHelpViewer) {
    // The viewer belongs to the dialog and closes with it: look while it is up.
    static bool sawViewer = false;
    auto pressF1 = [](HWND dialog) {
        HELPINFO help = {sizeof help};
        help.iContextType = HELPINFO_WINDOW;
        help.hItemHandle = dialog;
        SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        HWND viewer = nullptr;
        for (int i = 0; i < 100 && !viewer; ++i) {
            EnumWindows(FindHelpViewer, reinterpret_cast<LPARAM>(&viewer));
            if (!viewer) Sleep(20);
        }
        sawViewer = viewer != nullptr;
        Press(IDCANCEL)(dialog);
    };
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "Equipment Options" : "Toolbar Options");
        sawViewer = false;
        DialogDriver driver({pressF1});
        if (which == 0) ShowEquipmentOptions(owner.handle(), GetModuleHandleA(nullptr));
        else ShowToolbarOptions(owner.handle(), GetModuleHandleA(nullptr), 0);
        driver.Finish();
        EXPECT_TRUE(sawViewer);
        LoadHtmlHelp()(nullptr, nullptr, 0x12 /* HH_CLOSE_ALL */, 0);
        PumpMessages();
    }
}

int Rebuilds = 0;

TEST_F(SettingsDialogsTest, ToolbarOptionsStoresTheStyleAndRebuildsOnlyOnChange) {
    ASSERT_TRUE(CommonControlsHaveFlatToolbars());
    RebuildToolbars = [](HWND, int32_t object) {
        ++Rebuilds;
        EXPECT_EQ(object, 4);
    };
    Rebuilds = 0;
    MenuStyle = 3;
    bool flatChecked = false;
    DialogDriver driver({[&](HWND dialog) {
                             flatChecked = IsDlgButtonChecked(dialog, IDC_STYLE_FLAT_24) == BST_CHECKED;
                             CheckRadioButton(dialog, IDC_STYLE_FLAT_24, IDC_STYLE_OLD, IDC_STYLE_OLD);
                             Press(IDOK)(dialog);
                         },
                         Press(IDOK)});
    EXPECT_EQ(ShowToolbarOptions(owner.handle(), GetModuleHandleA(nullptr), 4), IDOK);
    EXPECT_TRUE(flatChecked);
    EXPECT_EQ(MenuStyle, 1);
    EXPECT_EQ(Rebuilds, 1);
    DWORD value = 0;
    ASSERT_TRUE(StoredDword("menuStyle", &value));
    EXPECT_EQ(value, 1u);

    // OK without a change writes the style again but rebuilds nothing.
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    ShowToolbarOptions(owner.handle(), GetModuleHandleA(nullptr), 4);
    driver.Finish();
    EXPECT_EQ(Rebuilds, 1);
    ASSERT_TRUE(StoredDword("menuStyle", &value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(driver.Seen().size(), 2u);
    EXPECT_EQ(driver.Seen()[0].caption, "Toolbar Options");
}

}  // namespace

namespace {

TEST(RegistryStore, TextValuesRoundTripAndStayBounded) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    RegistrySettingsStore store;
    ASSERT_TRUE(store.IsOpen());
    char pos[64];
    EXPECT_FALSE(ReadTextSetting(store, kSettingPos, pos, sizeof pos));
    ASSERT_TRUE(WriteTextSetting(store, kSettingPos, "12 34 640 480"));
    EXPECT_TRUE(ReadTextSetting(store, kSettingPos, pos, sizeof pos));
    EXPECT_STREQ(pos, "12 34 640 480");
    char small[5];
    EXPECT_FALSE(ReadTextSetting(store, kSettingPos, small, sizeof small));
    EXPECT_STREQ(small, "");
    // A value written without its NUL still reads as text.
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_WRITE, &key);
    RegSetValueExA(key, "Pos", 0, REG_SZ, reinterpret_cast<const BYTE*>("1 2 3 4"), 7);
    RegCloseKey(key);
    EXPECT_TRUE(ReadTextSetting(store, kSettingPos, pos, sizeof pos));
    EXPECT_STREQ(pos, "1 2 3 4");
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

}  // namespace
