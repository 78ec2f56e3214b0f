#include <gtest/gtest.h>

#include "app/shell/about_text.h"

TEST(AboutText, ProcessorByLevel) {
    const std::pair<int, const char*> cases[] = {
        {3, "Intel 80386"}, {4, "Intel 80486"}, {5, "Intel Pentium"}, {6, "Intel Pentium"}, {0, "Intel Pentium"}};
    for (const auto& [level, name] : cases) EXPECT_STREQ(ProcessorName(level), name) << level;
}

TEST(AboutText, TheBuildFollowsTheVersionOnlyWhenThereIsOne) {
    EXPECT_EQ(VersionLine("Version: ", "1.0.0.1", "Build:", ""), "Version: 1.0.0.1");
    EXPECT_EQ(VersionLine("Version: ", "1.0.0.1", "Build:", "42"), "Version: 1.0.0.1     (Build:42)");
}

TEST(AboutText, TheLinkSaysWhereItWasFollowedFrom) {
    EXPECT_EQ(AboutLinkAddress("http://www.quillmar.example/"),
              "http://www.quillmar.example/?version=3.0&btn=about_box");
    EXPECT_EQ(AboutLinkAddress("http://x.example/p?a=1"), "http://x.example/p?a=1&version=3.0&btn=about_box");
}
