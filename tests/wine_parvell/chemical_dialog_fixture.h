// What the chemical dialog and page tests share: a database file in a
// folder of the test's own, records made readable, and reading controls and
// the chemical library from the answering thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/database/master_chemicals.h"

extern "C" int Number_Chem_Available();  // Zephrane.dll: the registered count

namespace chemical_test {

inline std::vector<uint8_t> Bytes(const std::vector<ChemicalRecord>& records) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(records.data());
    return std::vector<uint8_t>(p, p + records.size() * sizeof(ChemicalRecord));
}

inline std::vector<uint8_t> FileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(file, nullptr), got = 0;
    bytes.resize(size);
    if (size && !ReadFile(file, bytes.data(), size, &got, nullptr)) got = 0;
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

inline bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD wrote = 0;
    bool ok = bytes.empty() || WriteFile(file, bytes.data(), DWORD(bytes.size()), &wrote, nullptr);
    CloseHandle(file);
    return ok && wrote == bytes.size();
}

// The first few chemicals of the master: water, the two ions, then acids.
inline std::vector<ChemicalRecord> SmallDatabase(size_t count) {
    std::vector<ChemicalRecord> records = parvell::MasterChemicals();
    if (records.size() > count) records.resize(count);
    return records;
}

inline int IndexOf(const std::vector<ChemicalRecord>& records, CasNumber key) {
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].cas == key) return int(i);
    return -1;
}

inline std::string Text(HWND dialog, int id) {
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

// Checks or clears a box as a click does, its command included.
inline void SetBox(HWND dialog, int id, bool checked) {
    if ((IsDlgButtonChecked(dialog, id) == BST_CHECKED) == checked) return;
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
    Click(dialog, id);
}

inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Chooses the entry of a drop-down list with that text, as the user does.
inline void ChooseText(HWND dialog, int id, const char* text) {
    HWND combo = GetDlgItem(dialog, id);
    LRESULT at = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text));
    SendMessageA(combo, CB_SETCURSEL, WPARAM(at), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(combo));
}

inline std::string SelectedText(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    char text[128] = "";
    if (at != CB_ERR) SendMessageA(combo, CB_GETLBTEXT, WPARAM(at), LPARAM(text));
    return text;
}

// A folder of the test's own under %TEMP%, emptied of the database.
inline std::string TestFolder(const char* name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string database = folder + "\\chemical.cdb";
    SetFileAttributesA(database.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(database.c_str());
    return folder;
}

}  // namespace chemical_test
