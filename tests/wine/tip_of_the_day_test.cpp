// Tip of the Day on the started program: Next Tip writes the next tip over
// the picture, and the check box stores its setting at once.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame/app_windows_win.h"
#include "app/settings/settings.h"
#include "app/settings/settings_win.h"
#include "app/shell/tip_of_the_day_win.h"
#include "app/shell/tips.h"
#include "bench/commands/command_ids.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "resources/brevane/tip_of_the_day_ids.h"

namespace {

uint32_t StoredShowTips() {
    RegistrySettingsStore store;
    uint32_t value = 99;
    store.ReadDword("ShowTipsAtStartUp", &value);
    return value;
}

TEST(TipOfTheDay, NextTipMovesOnAndTheCheckBoxIsStoredAtOnce) {
    ASSERT_TRUE(EnsureProgramWindows());
    const int32_t savedShow = ShowTipsAtStartUp;
    ShowTipsAtStartUp = 0;
    int first = -1, second = -1, picturePixels = 0;
    bool checkedAtStart = true;
    uint32_t storedAfterClick = 99;
    DialogDriver driver({[&](HWND tip) {
        HWND picture = GetDlgItem(tip, IDC_TIP_PICTURE);
        Sleep(300);  // the dialog's own first paint has drawn a tip
        first = CurrentTipIndex();
        SendMessageA(tip, WM_COMMAND, MAKEWPARAM(IDC_TIP_NEXT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(tip, IDC_TIP_NEXT)));
        for (int waited = 0; waited < 2000 && CurrentTipIndex() == first; waited += 10) Sleep(10);
        second = CurrentTipIndex();
        // The picture is drawn: its left strip is not the dialog's grey.
        RECT r;
        GetClientRect(picture, &r);
        HDC dc = GetDC(picture);
        for (int y = 5; y < r.bottom; y += 10)
            if (GetPixel(dc, 31, y) != GetSysColor(COLOR_BTNFACE)) ++picturePixels;
        ReleaseDC(picture, dc);
        checkedAtStart = IsDlgButtonChecked(tip, IDC_TIP_SHOW_AT_STARTUP) == BST_CHECKED;
        SendDlgItemMessageA(tip, IDC_TIP_SHOW_AT_STARTUP, BM_CLICK, 0, 0);
        storedAfterClick = StoredShowTips();
        PostMessageA(tip, WM_COMMAND, IDCANCEL, 0);
    }});
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdTipOfTheDay, 0), 0);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Tip of the Day");
    ASSERT_GE(first, 0);
    EXPECT_EQ(second, NextTipIndex(first));
    EXPECT_GT(picturePixels, 5);
    EXPECT_FALSE(checkedAtStart);
    EXPECT_EQ(storedAfterClick, 1u);
    EXPECT_EQ(ShowTipsAtStartUp, 1);

    ShowTipsAtStartUp = savedShow;
    RegistrySettingsStore store;
    static const SettingId written[] = {kSettingShowTips};
    WriteSettings(store, written, 1);
}

}  // namespace
