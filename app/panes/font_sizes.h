// The point sizes offered in the format bar's size box.
#pragma once

constexpr int kFormatBarSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kFormatBarSizeCount = static_cast<int>(sizeof kFormatBarSizes / sizeof kFormatBarSizes[0]);
static_assert(kFormatBarSizeCount == 16);

// The index of points in the list, or -1.
constexpr int FormatBarSizeIndex(int points) {
    for (int i = 0; i < kFormatBarSizeCount; ++i)
        if (kFormatBarSizes[i] == points) return i;
    return -1;
}
