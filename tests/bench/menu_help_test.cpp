#include "bench/commands/menus/menu_help.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MenuHelp, ItemsPopupsAndTheSystemMenuFindTheirRows) {
    struct Case {
        int lookup, stringId;
    } cases[] = {
        {30, 35},     // New
        {115, 119},   // Labs
        {106, 83},    // Lab Only
        {161, 554},   // Zero Balance
        {196, 622},   // the last item row
        {kSystemMenuHelpId, 30},
        {61536, 72},  // the system menu's Close
        {61744, 74},
        {999, 0},     // no row: row 0
        {0, 0},       // a closed menu
        {0xFFFF, 0},  // row 0's own id never matches
        {-5, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuHelpStringId(c.lookup), c.stringId) << c.lookup;
}

TEST(MenuHelp, PopupsAreLookedUpUnderFixedIds) {
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(-1, 0)), 31);   // File
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(-1, 3)), 234);  // Chemicals
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(2, 0)), 34);    // Beakers
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(2, 1)), 123);   // Flasks
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(1, 7)), 85);    // Text Window
    EXPECT_EQ(PopupHelpId(-1, 4), 0);                      // Procedures has no row
    EXPECT_EQ(PopupHelpId(4, 5), 0);
    EXPECT_EQ(MenuHelpStringId(PopupHelpId(6, 4)), 0);
}

TEST(MenuHelp, EveryRowHasItsOwnStringAndId) {
    std::set<int> strings;
    int found = 0;
    for (int id = 1; id < 0xFFFF; ++id) {
        const int s = MenuHelpStringId(id);
        if (!s) continue;
        ++found;
        EXPECT_TRUE(strings.insert(s).second) << "string " << s << " twice";
    }
    EXPECT_EQ(found, kMenuHelpRows - 1);
}

}  // namespace

TEST(MenuHelp, WhatAMenuSelectionLooksUp) {
    struct Case {
        const char* name;
        bool closed, system, popup;
        int bar, item, lookup;
    } cases[] = {
        {"a closed menu", true, false, false, -2, 0, 0},
        {"the system menu's pop-up", false, true, true, -2, 0, kSystemMenuHelpId},
        {"a system-menu command", false, true, false, -2, 61536, 61536},
        {"File on the menu bar", false, false, true, -1, 0, 1002},
        {"Beakers under Equipment", false, false, true, 2, 0, 1005},
        {"a pop-up whose parent is not known", false, false, true, -2, 0, 0},
        {"a pop-up the table has no row for", false, false, true, 2, 3, 0},
        {"New", false, false, false, -2, 30, 30},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuHelpLookupId(c.closed, c.system, c.popup, c.bar, c.item), c.lookup) << c.name;
    }
    EXPECT_EQ(MenuHelpStringId(MenuHelpLookupId(false, false, false, -2, 161)), 554) << "Zero Balance";
}
