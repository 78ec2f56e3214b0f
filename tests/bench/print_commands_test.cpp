// The print command's portable rules: options, the bench page's scale and
// the order and numbering of what is sent.
#include <gtest/gtest.h>

#include "bench/commands/print/bench_page.h"
#include "bench/commands/print/print_options.h"

namespace {

TEST(PrintOptions, CommandsToggleTheirBitAndTheCheckFollows) {
    int32_t options = kDefaultPrintOptions;
    EXPECT_EQ(options, 12);
    struct Case { int32_t command; int32_t after; };
    const Case steps[] = {{150, 13}, {151, 15}, {152, 11}, {153, 3}, {150, 2}, {151, 0}};
    for (const Case& s : steps) {
        EXPECT_TRUE(TogglePrintOption(options, s.command));
        EXPECT_EQ(options, s.after) << s.command;
        EXPECT_EQ(PrintOptionChecked(options, s.command), (options & PrintOptionBit(s.command)) != 0);
    }
    EXPECT_FALSE(TogglePrintOption(options, 34));
    EXPECT_FALSE(PrintOptionChecked(15, 149));
}

TEST(BenchPage, ScaleFitsTheTighterDimension) {
    struct Case { const char* name; std::vector<PageRect> objects; int32_t cw, ch;
                  int64_t window, viewport; };
    const Case cases[] = {
        {"wider", {{0, 0, 800, 100}}, 4000, 5000, 800, 4000},
        {"taller", {{0, 0, 100, 800}}, 4000, 5000, 800, 5000},
        // Larger than the page both ways: quotients 0 and 0, yet width is tighter.
        {"larger, wide", {{0, 0, 9000, 6000}}, 4000, 5000, 9000, 4000},
        {"larger, tall", {{0, 0, 6000, 9000}}, 4000, 5000, 9000, 5000},
        // Right of and below the origin: the box still starts at 0, 0.
        {"offset", {{300, 200, 500, 400}, {350, 250, 400, 300}}, 1000, 1000, 500, 1000},
        {"left of origin", {{-100, 0, 100, 50}}, 1000, 1000, 200, 1000},
    };
    for (const Case& c : cases) {
        const BenchPageScale s = ScaleBenchPage(c.objects, c.cw, c.ch);
        EXPECT_TRUE(s.printPage) << c.name;
        EXPECT_EQ(s.windowExtent, c.window) << c.name;
        EXPECT_EQ(s.viewportExtent, c.viewport) << c.name;
        EXPECT_LE(s.box.left, 0);
        EXPECT_LE(s.box.top, 0);
    }
    const BenchPageScale offset = ScaleBenchPage({{300, 200, 500, 400}}, 1000, 1000);
    EXPECT_EQ(offset.box.left, 0);
    EXPECT_EQ(offset.box.bottom, 400);
}

TEST(BenchPage, EmptyBoundsPrintNoPage) {
    EXPECT_FALSE(ScaleBenchPage({}, 4000, 5000).printPage);
    EXPECT_FALSE(ScaleBenchPage({{0, 0, 0, 0}}, 4000, 5000).printPage);
    EXPECT_FALSE(ScaleBenchPage({{0, 0, 300, 0}}, 4000, 5000).printPage);
    EXPECT_FALSE(ScaleBenchPage({{0, 0, 300, 300}}, 0, 5000).printPage);
}

TEST(BenchPage, ObjectsGoLastFirstNumberedFromZero) {
    const std::vector<PrintStep> order = BenchPrintOrder(3);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0].index, 3);
    EXPECT_EQ(order[0].number, 0);
    EXPECT_EQ(order[2].index, 1);
    EXPECT_EQ(order[2].number, 2);
    EXPECT_TRUE(BenchPrintOrder(0).empty());
}

TEST(PrintOptions, PanesGoInMenuOrderWithTheirTexts) {
    int32_t previous = 0;
    for (const PanePrintStep& s : kPanePrintOrder) {
        EXPECT_GT(s.bit, previous);
        previous = s.bit;
    }
    EXPECT_EQ(kPanePrintOrder[0].stringId, 595);
    EXPECT_EQ(kPanePrintOrder[2].pane, 2);
}

}  // namespace
