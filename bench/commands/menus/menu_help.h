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

// The id to look up for a WM_MENUSELECT: 0 for a closed menu, the system
// menu's fixed id for its pop-up, a pop-up's fixed id (barPosition -1 when
// the pop-up sits on the menu bar, -2 when its parent is not known), or the
// command id of an ordinary item.
int MenuHelpLookupId(bool closed, bool systemMenu, bool popup, int barPosition, int item);
