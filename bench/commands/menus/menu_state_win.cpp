#include "bench/commands/menus/menu_state_win.h"

#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"

namespace {

UINT EnableFlag(ItemEnable enable) {
    switch (enable) {
    case ItemEnable::Enabled: return MF_ENABLED;
    case ItemEnable::Disabled: return MF_DISABLED;
    default: return MF_GRAYED;
    }
}

void ApplyToItems(HMENU menu, const MenuStateDecision& decision) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            ApplyToItems(sub, decision);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator
        const int command = static_cast<int>(id);
        const bool handled = command == kCmdExit || HasCommandHandler(command);
        const ItemEnable enable = ResolveItemEnable(decision, command, handled);
        if (enable != ItemEnable::Keep) EnableMenuItem(menu, i, MF_BYPOSITION | EnableFlag(enable));
    }
}

}  // namespace

MenuPopup MenuBarPopupOf(HMENU menuBar, HMENU popup, bool* isMenuBarPopup) {
    *isMenuBarPopup = false;
    if (!menuBar || !popup) return MenuPopup::None;
    const int count = GetMenuItemCount(menuBar);
    for (int i = 0; i < count; ++i) {
        if (GetSubMenu(menuBar, i) != popup) continue;
        *isMenuBarPopup = true;
        return MenuPopupAtPosition(i);
    }
    return MenuPopup::None;
}

void ApplyMenuState(HMENU popup, const MenuStateDecision& decision) {
    for (const MenuItemRule& rule : decision.items) {
        if (rule.check == ItemCheck::Keep) continue;
        CheckMenuItem(popup, static_cast<UINT>(rule.id),
                      MF_BYCOMMAND | (rule.check == ItemCheck::Checked ? MF_CHECKED : MF_UNCHECKED));
    }
    for (const SubmenuRule& rule : decision.submenus)
        if (rule.enable != ItemEnable::Keep)
            EnableMenuItem(popup, static_cast<UINT>(rule.position), MF_BYPOSITION | EnableFlag(rule.enable));
    ApplyToItems(popup, decision);
}
