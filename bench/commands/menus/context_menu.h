// The bench's right-click menus: which items, in which order, checked or grey,
// for what the click picked. Each item only sends an ordinary command, so the
// menus add no behaviour of their own; the Win32 layer builds and tracks them.
#pragma once
#include <vector>

#include "bench/commands/menus/menu_state.h"

enum class ContextMenuKind { None, Object, AddEquipment, Pair, Multi };

struct ContextMenuItem {
    int stringId = 0;              // text from the string table, 0 for a literal
    const char* literal = nullptr; // text of an item that has no string id
    int command = 0;               // 0 for a separator or a sub-menu
    bool checked = false;
    bool grayed = false;
    bool separator = false;
    bool popup = false;
    std::vector<ContextMenuItem> children;  // a sub-menu's items
};

struct ContextMenuFacts {
    MenuFacts menu;                 // selection, style, recording, clipboard
    bool firstLinked = false;       // the pair's first member has a host or hosted item on the bench
    bool firstGrouped = false;      // the first member belongs to a group
};

// Which menu a right click opens, from the selection it left behind.
ContextMenuKind ChooseContextMenu(const MenuFacts& facts);

// Fills the facts from the bench's globals; every index is range-checked.
void GatherContextMenuFacts(ContextMenuFacts* facts);

using HandlerQuery = bool (*)(int command);

// The items of the chosen menu. An item whose command no handler takes is grey;
// no separator begins or ends a menu or follows another.
std::vector<ContextMenuItem> BuildContextMenu(ContextMenuKind kind, const ContextMenuFacts& facts,
                                              HandlerQuery hasHandler);

// AddAtCursor (bench_state.h) lives only for the command chosen from the
// add-equipment menu: opening that menu sets it, and a menu dismissed without
// a choice clears it. Returns the command to send, 0 for none.
void OpenedContextMenu(ContextMenuKind kind);
int FinishContextMenu(ContextMenuKind kind, int chosenCommand);
