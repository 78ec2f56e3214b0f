// The toolbars as data: image sets per style, version and size; tooltips;
// the object buttons.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "app/frame/toolbar_tables.h"

TEST(ToolbarTables, TheImageSetFollowsStyleVersionAndScreenSize) {
    struct Case {
        int32_t style, version;
        double f;
        bool classic;
        int32_t image, mask, hot, size;
    } cases[] = {
        {1, 600, 1.0, true, 198, 0, 0, 24},
        {2, 600, 1.0, false, 361, 362, 198, 24},
        {3, 600, 1.0, false, 386, 387, 385, 24},
        {3, 600, 1.5, false, 1173, 1174, 1172, 48},
        {3, 600, 1.49, false, 386, 387, 385, 24},
        {2, 600, 2.0, false, 361, 362, 198, 24},
        {3, 400, 1.0, true, 198, 0, 0, 24},   // old common controls: the classic bar
        {3, 469, 1.5, true, 198, 0, 0, 24},
        {0, 600, 1.0, false, 386, 387, 385, 24},  // never stored: the flat 24-bit set
        {7, 600, 1.0, false, 386, 387, 385, 24},
    };
    for (const Case& c : cases) {
        const ToolbarImageSet set = MainToolbarImageSet(c.style, c.version, c.f);
        EXPECT_EQ(set.classic, c.classic) << c.style << " " << c.version << " " << c.f;
        EXPECT_EQ(set.imageBitmap, c.image) << c.style << " " << c.version << " " << c.f;
        EXPECT_EQ(set.maskBitmap, c.mask);
        EXPECT_EQ(set.hotBitmap, c.hot);
        EXPECT_EQ(set.imageWidth, c.size);
        EXPECT_EQ(set.buttonCount, 32);
    }
    struct FormatCase {
        int32_t style, version;
        double f;
        int32_t image, mask, w, h;
    } formats[] = {
        {1, 600, 1.0, 104, 0, 16, 16},
        {2, 600, 1.0, 104, 365, 16, 15},
        {3, 600, 1.0, 104, 365, 16, 15},
        {3, 600, 1.5, 1175, 1176, 32, 30},
        {3, 460, 1.5, 104, 0, 16, 16},
    };
    for (const FormatCase& c : formats) {
        const ToolbarImageSet set = FormatBarImageSet(c.style, c.version, c.f);
        EXPECT_EQ(set.imageBitmap, c.image) << c.style << " " << c.f;
        EXPECT_EQ(set.maskBitmap, c.mask);
        EXPECT_EQ(set.imageWidth, c.w);
        EXPECT_EQ(set.imageHeight, c.h);
        EXPECT_EQ(set.buttonCount, 7);
    }

    EXPECT_EQ(ChooseMenuStyle(0, 32), 1) << "no version reported";
    EXPECT_EQ(ChooseMenuStyle(469, 32), 1);
    EXPECT_EQ(ChooseMenuStyle(470, 32), 3);
    EXPECT_EQ(ChooseMenuStyle(600, 8), 2);
    EXPECT_EQ(ChooseMenuStyle(600, 16), 3);
    EXPECT_FALSE(ToolbarDropDownsAvailable(579));
    EXPECT_TRUE(ToolbarDropDownsAvailable(580));
    EXPECT_EQ(ToolbarDropDownWidth(1.0), 50);
    EXPECT_EQ(ToolbarDropDownWidth(1.5), 90);
}

TEST(ToolbarTables, TheMainTableFitsItsStripAndEveryButtonHasATooltip) {
    std::set<int32_t> images;
    int dropDowns = 0, disabled = 0;
    for (const ToolbarButtonSpec& b : kMainToolbarButtons) {
        if (b.command == 0) {
            EXPECT_EQ(b.image, -1);
            continue;
        }
        EXPECT_GE(b.image, 0);
        EXPECT_LT(b.image, kMainToolbarImageCount) << b.command;
        EXPECT_TRUE(images.insert(b.image).second) << "image " << b.image << " used twice";
        EXPECT_NE(ToolbarTooltipStringId(b.command), 0) << b.command;
        dropDowns += b.kind == ButtonKind::DropDown;
        disabled += b.startsDisabled;
    }
    EXPECT_EQ(dropDowns, 3);
    EXPECT_EQ(disabled, 4);
    EXPECT_EQ(kMainToolbarButtons[31].command, 259);
    EXPECT_EQ(kMainToolbarButtons[31].image, 30);
    EXPECT_TRUE(kMainToolbarButtons[28].startsChecked);
    for (const ToolbarButtonSpec& b : kFormatBarButtons)
        if (b.command) EXPECT_LT(b.image, kFormatBarImageCount);
    EXPECT_EQ(ToolbarTooltipStringId(144), 619);
    EXPECT_EQ(ToolbarTooltipStringId(113), 158);
    EXPECT_EQ(ToolbarTooltipStringId(114), 157);
    EXPECT_EQ(ToolbarTooltipStringId(85), 0);
}

TEST(ToolbarTables, TooltipTextsAreCutToTheirBufferAndTerminated) {
    char buffer[kToolbarTooltipLength];
    std::memset(buffer, 'x', sizeof buffer);
    const std::string longText(200, 'a');
    CopyToolbarTooltip(buffer, sizeof buffer, longText.c_str());
    EXPECT_EQ(std::strlen(buffer), kToolbarTooltipLength - 1);
    CopyToolbarTooltip(buffer, sizeof buffer, "Bold");
    EXPECT_STREQ(buffer, "Bold");
    CopyToolbarTooltip(buffer, sizeof buffer, nullptr);
    EXPECT_STREQ(buffer, "");
    CopyToolbarTooltip(buffer, 1, "Bold");
    EXPECT_STREQ(buffer, "");
}

TEST(ToolbarTables, TheObjectButtonsFollowTheKindFlagsAndTheLabOnlyCheckThePaneWidth) {
    struct Case {
        bool selected;
        uint32_t flags;
        int32_t pane;
        ObjectButtonStates expected;
    } cases[] = {
        {true, 0x800, 375, {true, false, false, false, false}},
        {true, 0x2 | 0x40, 375, {false, true, true, false, false}},
        {true, 0x400 | 0x800 | 0x2 | 0x40, 0, {true, true, true, true, true}},
        {false, 0xFFFFFFFF, 375, {false, false, false, false, false}},
        {false, 0, 0, {false, false, false, false, true}},
        {true, 0x1 | 0x4, 375, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        const ObjectButtonStates s = ComputeObjectButtonStates(c.selected, c.flags, c.pane);
        EXPECT_EQ(s.addWater, c.expected.addWater) << c.flags;
        EXPECT_EQ(s.pour, c.expected.pour) << c.flags;
        EXPECT_EQ(s.stirringRod, c.expected.stirringRod) << c.flags;
        EXPECT_EQ(s.thermometer, c.expected.thermometer) << c.flags;
        EXPECT_EQ(s.labOnlyChecked, c.expected.labOnlyChecked) << c.pane;
    }
}
