// The Demo Message dialog's decisions: which style a recorded message has,
// what its fields show, which controls each style uses, what Add Message
// prefills and what the recorder's countdown becomes.
#pragma once
#include <cstdint>

#include "common/demo_records.h"
#include "common/geometry.h"

enum DemoMessageStyle : int32_t {
    kPlayerComment = 0,
    kBalloonTip = 1,
    kRegularTip = 2,
    kMessageBox = 4,
};

// p5's bits, in the dialog's order: message box, balloon, regular tip.
int32_t MessageStyleOfBits(int32_t p5);

struct DemoMessageFields {
    int32_t x = 0, y = 0;
    int32_t seconds = 5;  // the time field
    int32_t style = kBalloonTip;
};
// Without a record: 0, 0, 5 s, a balloon tip. With one: its point and style,
// and its display time for the tips (0 for a box or a comment).
DemoMessageFields MessageFieldsOf(const DemoEvent* record);

struct DemoMessageControls {
    bool point, time, test;
};
DemoMessageControls ControlsForStyle(int32_t style);

// The recorder's message countdown after OK: the display time of a tip.
int32_t MessageCountdownMs(int32_t style, int32_t seconds);

// Add Message's record: the add-at-cursor point, else the selected object's
// right and bottom, else the multi-selection's, with 5 s and a balloon tip;
// all zero (a player comment) when none applies.
struct DemoMessagePlace {
    bool addAtCursor;
    PointI32 cursor;
    const RectI32* selectedObject;  // null: none selected
    const RectI32* multiSelection;  // null: no members
};
DemoEvent PrefillMessageEvent(const DemoMessagePlace& place);
