#include "bench/commands/menus/context_menu_win.h"

#include "app/frame/main_menu_state_win.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/command_router.h"
#include "bench/commands/menus/context_menu.h"

namespace {

bool Handled(int command) { return HasCommandHandler(command); }

// Appends the items; one whose text cannot be loaded is left out.
void Append(HMENU menu, const std::vector<ContextMenuItem>& items) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const ContextMenuItem& item : items) {
        if (item.separator) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        char text[256] = "";
        if (item.literal)
            lstrcpynA(text, item.literal, sizeof text);
        else if (LoadStringA(instance, static_cast<UINT>(item.stringId), text, sizeof text) <= 0)
            continue;
        if (item.popup) {
            HMENU sub = CreatePopupMenu();
            Append(sub, item.children);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), text);
            continue;
        }
        UINT flags = MF_STRING;
        if (item.checked) flags |= MF_CHECKED;
        if (item.grayed) flags |= MF_GRAYED;
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(item.command), text);
    }
}

bool commandFromMenuRunning = false;
POINT menuOpenedAt{};

}  // namespace

bool ContextMenuOpenPoint(POINT* screen) {
    if (!commandFromMenuRunning) return false;
    *screen = menuOpenedAt;
    return true;
}

void ShowBenchContextMenu(HWND bench, WPARAM wParam, LPARAM lParam) {
    SetFocus(bench);
    if (wParam & MK_LBUTTON) return;
    TimerPauseScope pause;
    // The right click first selects exactly as a left click would.
    SendMessageA(bench, WM_LBUTTONDOWN, wParam, lParam);
    SendMessageA(bench, WM_LBUTTONUP, wParam, lParam);

    ContextMenuFacts facts;
    GatherContextMenuFacts(&facts);
    facts.menu = CurrentMenuFacts();  // style, recording and clipboard as the menu bar sees them
    const ContextMenuKind kind = ChooseContextMenu(facts.menu);
    if (kind == ContextMenuKind::None) return;
    const std::vector<ContextMenuItem> items = BuildContextMenu(kind, facts, Handled);
    HMENU menu = CreatePopupMenu();
    Append(menu, items);
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(bench, &at);
    OpenedContextMenu(kind);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, at.x, at.y, 0, bench, nullptr));
    DestroyMenu(menu);  // destroys the sub-menus with it
    const int command = FinishContextMenu(kind, chosen);
    if (!command) return;
    menuOpenedAt = at;
    commandFromMenuRunning = true;
    SendMessageA(bench, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    commandFromMenuRunning = false;
}
