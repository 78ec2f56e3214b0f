// Which status-line help string belongs to the highlighted menu item. Items
// are looked up by command id; pop-ups, which have none, under fixed ids.
#pragma once

constexpr int kMenuHelpRows = 107;          // row 0, the fallback, and 106 more
constexpr int kSystemMenuHelpId = 1001;

// The fixed id of a pop-up: barPosition is the menu-bar pop-up it sits in
// (-1 when the pop-up itself is on the menu bar), position its place there.
// 0 when the table has no row for it.
int PopupHelpId(int barPosition, int position);

// The string id of the row for a command or fixed pop-up id; 0 (row 0, no
// text) when none matches, which also serves a closed menu.
int MenuHelpStringId(int lookupId);
