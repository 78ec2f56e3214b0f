// A check on rich text from outside (lab files, dropped files, user-defined
// labs) before it reaches a rich-edit control: some rich-edit versions fault
// on groups nested very deep, or on a group that never ends. What the panes
// themselves write nests a few groups deep.
#pragma once
#include <cstddef>

constexpr int kRtfNestingLimit = 32;

// True when the text's groups nest no deeper than the limit and its first
// group ends (the control stops reading there). Text that opens no group is
// not read as rich text and passes. Escaped braces ("\{", "\}") do not count.
inline bool IsRtfNestingSound(const char* text, size_t length, int limit = kRtfNestingLimit) {
    if (!text) return true;
    int depth = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;  // the escaped character, or the first letter of a control word
        } else if (c == '{') {
            if (++depth > limit) return false;
        } else if (c == '}') {
            if (depth == 0) continue;  // a stray brace before any group
            if (--depth == 0) return true;
        }
    }
    return depth == 0;
}
