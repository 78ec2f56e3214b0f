// Reads what list views and tree views show, from any thread of the process:
// a cell's text, an item's text, and the item a path of texts leads to.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

inline std::string ListCellText(HWND list, int row, int column) {
    char text[260] = "";
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&cell));
    return text;
}

inline std::string TreeItemText(HWND tree, HTREEITEM item) {
    char text[256] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

// The item reached by a path of texts from the root; null when none.
inline HTREEITEM TreeItemAt(HWND tree, const std::vector<std::string>& path) {
    HTREEITEM item = TreeView_GetRoot(tree);
    for (size_t level = 0; item; ++level) {
        while (item && TreeItemText(tree, item) != path[level]) item = TreeView_GetNextSibling(tree, item);
        if (!item || level + 1 == path.size()) return item;
        item = TreeView_GetChild(tree, item);
    }
    return nullptr;
}
