// The Demo Message dialog's rules: styles from a recorded message, its
// fields, the controls each style uses, Add Message's prefill order and the
// recorder's countdown.
#include <gtest/gtest.h>

#include "app/demo/demo_message_rules.h"

TEST(DemoMessageRules, FieldsOfARecordFollowItsStyleBits) {
    struct Case {
        int32_t p5;
        int32_t style;
        int32_t seconds;  // shown in the time field (p4 is 9)
    };
    const Case cases[] = {
        {kMessageBox, kMessageBox, 0}, {kMessageBox | kBalloonTip, kMessageBox, 0},
        {kBalloonTip, kBalloonTip, 9}, {kBalloonTip | kRegularTip, kBalloonTip, 9},
        {kRegularTip, kRegularTip, 9}, {0, kPlayerComment, 0}, {8, kPlayerComment, 0},
    };
    for (const Case& c : cases) {
        DemoEvent e{};
        e.p2 = 11;
        e.p3 = 22;
        e.p4 = 9;
        e.p5 = c.p5;
        const DemoMessageFields f = MessageFieldsOf(&e);
        EXPECT_EQ(f.style, c.style) << c.p5;
        EXPECT_EQ(f.seconds, c.seconds) << c.p5;
        EXPECT_EQ(f.x, 11);
        EXPECT_EQ(f.y, 22);
    }
    const DemoMessageFields none = MessageFieldsOf(nullptr);
    EXPECT_EQ(none.style, kBalloonTip);
    EXPECT_EQ(none.seconds, 5);
    EXPECT_EQ(none.x, 0);
    DemoEvent huge{};
    huge.p4 = -7;
    huge.p5 = kBalloonTip;
    EXPECT_EQ(MessageFieldsOf(&huge).seconds, 0) << "kept where seconds x 1000 fits";
}

TEST(DemoMessageRules, EachStyleEnablesItsControls) {
    struct Case {
        int32_t style;
        bool point, time, test;
    };
    const Case cases[] = {{kBalloonTip, true, true, true},
                          {kRegularTip, true, true, true},
                          {kMessageBox, false, false, true},
                          {kPlayerComment, false, false, false}};
    for (const Case& c : cases) {
        const DemoMessageControls use = ControlsForStyle(c.style);
        EXPECT_EQ(use.point, c.point) << c.style;
        EXPECT_EQ(use.time, c.time) << c.style;
        EXPECT_EQ(use.test, c.test) << c.style;
    }
    EXPECT_EQ(MessageCountdownMs(kBalloonTip, 5), 5000);
    EXPECT_EQ(MessageCountdownMs(kRegularTip, 3), 3000);
    EXPECT_EQ(MessageCountdownMs(kMessageBox, 5), 0);
    EXPECT_EQ(MessageCountdownMs(kPlayerComment, 5), 0);
    EXPECT_EQ(MessageCountdownMs(kBalloonTip, INT32_MAX), 2147483000);
}

TEST(DemoMessageRules, AddMessageTakesTheCursorThenTheSelectionThenTheMultiSelection) {
    const RectI32 selected{10, 20, 110, 220}, multi{5, 6, 300, 400};
    struct Case {
        const char* what;
        DemoMessagePlace place;
        int32_t x, y, seconds, style;
    };
    const Case cases[] = {
        {"cursor first", {true, {7, 8}, &selected, &multi}, 7, 8, 5, kBalloonTip},
        {"selected object", {false, {7, 8}, &selected, &multi}, 110, 220, 5, kBalloonTip},
        {"multi-selection", {false, {7, 8}, nullptr, &multi}, 300, 400, 5, kBalloonTip},
        {"nothing: a player comment", {false, {7, 8}, nullptr, nullptr}, 0, 0, 0, kPlayerComment},
    };
    for (const Case& c : cases) {
        const DemoEvent e = PrefillMessageEvent(c.place);
        EXPECT_EQ(e.p2, c.x) << c.what;
        EXPECT_EQ(e.p3, c.y) << c.what;
        EXPECT_EQ(e.p4, c.seconds) << c.what;
        EXPECT_EQ(e.p5, c.style) << c.what;
    }
}
