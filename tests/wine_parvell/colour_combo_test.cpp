#include <windows.h>

#include <gtest/gtest.h>

#include "wizard/database/colour_choices.h"
#include "wizard/database/colour_combo_win.h"

namespace {

HWND MakeCombo() {
    HWND combo = CreateWindowA("COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 120, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    return combo;
}

std::string ItemText(HWND combo, int index) {
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, WPARAM(index), LPARAM(text));
    return text;
}

}  // namespace

TEST(ColourCombo, FixedColoursThenOtherWithAnUnlistedColourAsCustom) {
    HWND combo = MakeCombo();
    ASSERT_TRUE(combo);
    FillColourCombo(combo, 0xFFFF00);
    int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(count, parvell::FixedColourChoiceCount() + 1);
    EXPECT_EQ(ItemText(combo, 0), "white");
    EXPECT_EQ(ItemText(combo, count - 1), "Other...");
    EXPECT_EQ(SelectedColour(combo), 0xFFFF00u);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 4);  // the second "green"

    FillColourCombo(combo, 0x123456);
    count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(ItemText(combo, count - 2), "custom");
    EXPECT_EQ(ItemText(combo, count - 1), "Other...");
    EXPECT_EQ(SelectedColour(combo), 0x123456u);
    DestroyWindow(combo);
}
