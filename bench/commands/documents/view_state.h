// The two views (bench only, bench with text panes) and the format bar's
// size box, as plain arithmetic.
#pragma once

// Lab Only: the panes' width goes into savedWidth and becomes 0 (already 0:
// nothing changes). Answers the new width.
int PaneWidthForLabOnly(int paneWidth, int* savedWidth);
// Both Lab and Text: a hidden pane comes back at savedWidth, or 10 when that
// is not above 0 (saved then takes it too); a shown pane keeps its width.
int PaneWidthForBoth(int paneWidth, int* savedWidth);

// The points of the size box's entry index; 0 for -1 (no selection) or an
// index past the list.
int FormatBarSizeAt(long index);
// Whether index picks one of count faces.
bool IsFaceIndex(long index, int count);
