// The lab list's rows: what a user-defined lab file's header says about it,
// and what running, locating or describing a row means. The dialog itself is
// lab_list_dialog_win.cpp.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

constexpr size_t kUdlListHeaderLength = 2488;

// Exactly ".UDL-BREVANE", ".udl-brevane", ".UDL" or ".udl" (so "x.Udl" is
// not listed).
bool HasListedUdlExtension(const char* fileName);

struct UdlListHeader {
    std::string module;       // offset 8, 260 bytes
    std::string title;        // offset 268, 128 bytes
    std::string description;  // offset 396, 256 bytes
};

// The file's first bytes: at least 2488 of them, starting with "UDL_100"
// and its NUL. Each field is read within its own width and ends there when
// it holds no NUL.
bool ReadUdlListHeader(const uint8_t* bytes, size_t length, UdlListHeader* out);

// A header's module is listed only as a bare ".DLL" name (no folder, no
// "..") of a library that lies in the program folder.
bool IsListableModule(const std::string& module,
                      const std::function<bool(const std::string& name)>& existsInProgramFolder);

struct LabListRow {
    std::string title;
    std::string udlFile;   // empty for a library row
    std::string module;
    std::string description;
    bool personal = false;  // the lab file lies in the per-user folder ("Y")
};

// Dialog results.
enum LabListResult : int {
    kLabListCancelled = 0,
    kLabListRanLab = 1,
    kLabListRanWizard = 2,
    kLabListEditLab = 3,
};

struct LabListRun {
    std::string module;
    std::string udl;
    bool personal = false;
    int result = kLabListRanLab;
};
LabListRun RunLabListRow(const LabListRow& row, bool wizardsTab, bool editRequested);

// Where the row's file lies: a "Y" row in the per-user folder, every other
// in the program folder; the lab file's name, or the library's.
std::string LabListRowFolder(const LabListRow& row, const std::string& programFolder,
                             const std::string& perUserFolder);
std::string LabListRowPath(const LabListRow& row, const std::string& programFolder,
                           const std::string& perUserFolder);

// The "Show File Details" box: its text and caption.
std::string LabListDetailsText(const LabListRow& row, const std::string& programFolder,
                               const std::string& perUserFolder, std::string* caption);
