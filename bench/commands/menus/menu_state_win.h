// Applies the menu-state decision to a real pop-up menu.
#pragma once
#include <windows.h>

#include "bench/commands/menus/menu_state.h"

// Which rules a pop-up gets: decided by its handle, so a sub-menu that
// merely sits at position 4 or 6 of its parent never runs the Procedures or
// Options rules. *isMenuBarPopup is false for every other menu.
MenuPopup MenuBarPopupOf(HMENU menuBar, HMENU popup, bool* isMenuBarPopup);

// Sets checks and sub-menus as decided, then every command item of the
// pop-up and its sub-menus: its rule, enabled when no rule names it, grey
// when no handler would act on it.
void ApplyMenuState(HMENU popup, const MenuStateDecision& decision);
