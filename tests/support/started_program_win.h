// The windows of Brevane.exe started as a process of its own, seen from the
// test's process: finding them, clicking them, and reading the lab list.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "resources/brevane/lab_documents_ids.h"

// The last window of class cls that process pid owns, waiting up to ms.
inline HWND WaitForWindow(const char* cls, DWORD pid, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        HWND found = nullptr;
        for (HWND w = FindWindowA(cls, nullptr); w; w = FindWindowExA(nullptr, w, cls, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid) found = w;
        }
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

// A visible dialog of process pid, with that caption when one is given.
inline HWND VisibleDialogOf(DWORD pid, const char* caption) {
    for (HWND w = FindWindowA("#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        char text[128] = {};
        GetWindowTextA(w, text, sizeof text);
        if (owner == pid && IsWindowVisible(w) && (!caption || std::string(text) == caption)) return w;
    }
    return nullptr;
}

// A cell of a list view in another process: the item and its text buffer
// live in that process, since the message carries pointers.
inline std::string RemoteListCell(HANDLE process, HWND list, int row, int column) {
    const SIZE_T bytes = sizeof(LVITEMA) + 260;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
    if (!remote) return "(no memory)";
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = remote + sizeof(LVITEMA);
    cell.cchTextMax = 260;
    char text[261] = {};
    if (WriteProcessMemory(process, remote, &cell, sizeof cell, nullptr)) {
        SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote + sizeof(LVITEMA), text, 260, nullptr);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return text;
}

struct LabRow {
    std::string title, udlFile, module;
    bool operator<(const LabRow& o) const {
        return title + '|' + udlFile + '|' + module < o.title + '|' + o.udlFile + '|' + o.module;
    }
};

// The rows of the program folder (the user's own labs, marked "Y", left out).
// A column of -1 is not read.
inline std::set<LabRow> ProgramFolderRows(HANDLE process, HWND list, int titleColumn, int udlColumn,
                                          int moduleColumn, int personalColumn) {
    std::set<LabRow> rows;
    const int count = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (personalColumn >= 0 && RemoteListCell(process, list, row, personalColumn) == "Y") continue;
        rows.insert({RemoteListCell(process, list, row, titleColumn),
                     udlColumn >= 0 ? RemoteListCell(process, list, row, udlColumn) : "",
                     RemoteListCell(process, list, row, moduleColumn)});
    }
    return rows;
}

// What a lab list of another process offers from the program folder, by file
// name: the lab libraries, the user-defined labs and the authoring libraries.
struct LabListOffer {
    std::set<std::string> modules, udlFiles, wizards;
    int untitledRows = 0;
};
inline LabListOffer ReadLabListOffer(HANDLE process, HWND labList) {
    LabListOffer offer;
    for (const LabRow& row : ProgramFolderRows(process, GetDlgItem(labList, IDC_LAB_LIST_LABS), 0, 1, 2, 4)) {
        if (row.title.empty()) ++offer.untitledRows;
        if (row.udlFile.empty()) offer.modules.insert(row.module);
        else offer.udlFiles.insert(row.udlFile);
    }
    for (const LabRow& row : ProgramFolderRows(process, GetDlgItem(labList, IDC_LAB_LIST_WIZARDS), 0, -1, 1, -1))
        offer.wizards.insert(row.module);
    return offer;
}

// A real click, through the input queue, at the middle of the window.
inline void ClickAtCentreOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
}
