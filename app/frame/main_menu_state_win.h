// The main menu's pop-ups, set up each time one opens.
#pragma once
#include <windows.h>

#include "bench/commands/menus/menu_state.h"

// The program's facts the rules read: selection, module style, document
// flags, clipboard and text panes.
MenuFacts CurrentMenuFacts();

// Sets the items of a pop-up of the frame's menu bar; any other menu (a
// context menu, a sub-menu opening on its own) is left as it is, since its
// items were set when its parent opened or when it was built.
void UpdateMainMenuPopup(HMENU popup);
