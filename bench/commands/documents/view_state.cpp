#include "bench/commands/documents/view_state.h"

#include "app/panes/font_sizes.h"

int PaneWidthForLabOnly(int paneWidth, int* savedWidth) {
    if (paneWidth == 0) return 0;
    *savedWidth = paneWidth;
    return 0;
}

int PaneWidthForBoth(int paneWidth, int* savedWidth) {
    if (paneWidth != 0) return paneWidth;
    if (*savedWidth <= 0) *savedWidth = 10;
    return *savedWidth;
}

int FormatBarSizeAt(long index) {
    if (index < 0 || index >= kFormatBarSizeCount) return 0;
    return kFormatBarSizes[index];
}

bool IsFaceIndex(long index, int count) { return index >= 0 && index < count; }
