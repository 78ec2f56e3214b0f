// The nesting check on rich text from outside.
#include <gtest/gtest.h>

#include <string>

#include "common/rtf_nesting.h"

namespace {

std::string Nested(int depth, const std::string& inside = "x") {
    return std::string(size_t(depth), '{') + inside + std::string(size_t(depth), '}');
}

TEST(RtfNesting, Cases) {
    struct Case {
        const char* name;
        std::string text;
        bool sound;
    };
    const Case cases[] = {
        {"empty", "", true},
        {"plain text opens no group", "just notes } and more", true},
        {"what the panes write", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}x\\par}", true},
        {"32 deep", "{\\rtf1" + Nested(31) + "}", true},
        {"33 deep", "{\\rtf1" + Nested(32) + "}", false},
        {"56 deep", "{\\rtf1" + Nested(56) + "}", false},
        {"a group that never ends", "{\\rtf1 {\\b bold", false},
        {"escaped braces", "{\\rtf1 " + std::string(40, '\\') + "\\{\\{\\{\\}}", true},
        {"an escaped backslash before a brace", "{\\rtf1 \\\\{x}}", true},
        {"whatever follows the document", "{\\rtf1 x}" + std::string(60, '{'), true},
        {"a deep group after a stray brace", "}" + Nested(40), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsRtfNestingSound(c.text.data(), c.text.size()), c.sound) << c.name;
    EXPECT_TRUE(IsRtfNestingSound(nullptr, 5));
}

}  // namespace
