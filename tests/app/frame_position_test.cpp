#include "app/frame/frame_position.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(FramePosition, StoredRectangleIsUsedOnlyWhenInsideTheDesktop) {
    const RectI32 desktop{0, 0, 1280, 1024};
    const RectI32 work{0, 0, 1280, 994};
    const struct {
        const char* text;
        RectI32 expected;
    } cases[] = {
        {"10,20,700,900", {20, 10, 900, 700}},
        {"0,0,1024,1280", {0, 0, 1280, 1024}},
        {"-5,20,700,900", {0, 0, 1280, 994}},    // above the screen
        {"10,20,700,1300", {0, 0, 1280, 994}},   // past the right edge
        {"10,20,10,900", {0, 0, 1280, 994}},     // empty
        {"10,20,700", {0, 0, 1280, 994}},        // three numbers
        {"garbage", {0, 0, 1280, 994}},
    };
    for (const auto& c : cases) {
        RectI32 stored{};
        bool parsed = ParseFramePosition(c.text, &stored);
        RectI32 got = ChooseFramePlacement(parsed ? &stored : nullptr, desktop, work);
        EXPECT_EQ(std::memcmp(&got, &c.expected, sizeof got), 0) << c.text;
    }
}

TEST(FramePosition, StoredTextClampsTopAndLeftAtZero) {
    char text[kFramePositionLength];
    FormatFramePosition(RectI32{-8, -30, 1000, 700}, text);
    EXPECT_STREQ(text, "0,0,700,1000");
    FormatFramePosition(RectI32{-2147483647, -2147483647, 2147483647, 2147483647}, text);
    EXPECT_STREQ(text, "0,0,2147483647,2147483647");  // the worst value still fits
    RectI32 back{};
    ASSERT_TRUE(ParseFramePosition("0,0,700,1000", &back));
    EXPECT_EQ(back.right, 1000);
    EXPECT_EQ(back.bottom, 700);
}
