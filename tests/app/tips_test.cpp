#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/shell/tips.h"

TEST(Tips, NineteenDistinctTipsInTheirOrder) {
    std::set<std::string> seen;
    for (int i = 0; i < kTipCount; ++i) seen.insert(TipText(i));
    EXPECT_EQ(seen.size(), size_t(kTipCount));
    EXPECT_EQ(std::string(TipText(0)).rfind("Pressing the right mouse key", 0), 0u);
    EXPECT_EQ(std::string(TipText(18)), "Example Lab demonstrations are available in the Demo Files directory");
}

TEST(Tips, TheNextAfterTheLastIsTheFirstAndAnyIndexIsSafe) {
    const std::pair<int, int> cases[] = {{0, 1}, {17, 18}, {18, 0}, {19, 1}, {-1, 0}, {-20, 0}};
    for (const auto& [from, next] : cases) EXPECT_EQ(NextTipIndex(from), next) << from;
    EXPECT_STREQ(TipText(-1), TipText(18));
    EXPECT_STREQ(TipText(19), TipText(0));
}
