#include "bench/commands/documents/lab_list_rows.h"

#include <cstring>

namespace {

constexpr char kSignature[8] = "UDL_100";

std::string BoundedText(const uint8_t* bytes, size_t offset, size_t width) {
    const char* field = reinterpret_cast<const char*>(bytes + offset);
    return std::string(field, strnlen(field, width));
}

bool EndsWithDll(const std::string& name) {
    if (name.size() < 5) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return tail == ".DLL";
}

std::string Joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

}  // namespace

bool HasListedUdlExtension(const char* fileName) {
    if (!fileName) return false;
    const char* dot = strrchr(fileName, '.');
    if (!dot || strpbrk(dot, "\\/:")) return false;
    for (const char* listed : {".UDL-BREVANE", ".udl-brevane", ".UDL", ".udl"})
        if (strcmp(dot, listed) == 0) return true;
    return false;
}

bool ReadUdlListHeader(const uint8_t* bytes, size_t length, UdlListHeader* out) {
    if (!bytes || length < kUdlListHeaderLength) return false;
    if (memcmp(bytes, kSignature, sizeof kSignature) != 0) return false;
    if (out) {
        out->module = BoundedText(bytes, 8, 260);
        out->title = BoundedText(bytes, 268, 128);
        out->description = BoundedText(bytes, 396, 256);
    }
    return true;
}

bool IsListableModule(const std::string& module,
                      const std::function<bool(const std::string& name)>& existsInProgramFolder) {
    if (module.empty() || module.size() >= 260) return false;
    if (module.find_first_of("\\/:") != std::string::npos) return false;
    if (module.find("..") != std::string::npos) return false;
    if (!EndsWithDll(module)) return false;
    return existsInProgramFolder && existsInProgramFolder(module);
}

LabListRun RunLabListRow(const LabListRow& row, bool wizardsTab, bool editRequested) {
    LabListRun run;
    run.module = row.module;
    if (wizardsTab) {
        run.result = kLabListRanWizard;
        return run;
    }
    run.udl = row.udlFile;
    run.personal = row.personal;
    run.result = editRequested ? kLabListEditLab : kLabListRanLab;
    return run;
}

std::string LabListRowFolder(const LabListRow& row, const std::string& programFolder,
                             const std::string& perUserFolder) {
    return row.personal && !row.udlFile.empty() ? perUserFolder : programFolder;
}

std::string LabListRowPath(const LabListRow& row, const std::string& programFolder,
                           const std::string& perUserFolder) {
    const std::string& name = row.udlFile.empty() ? row.module : row.udlFile;
    return Joined(LabListRowFolder(row, programFolder, perUserFolder), name);
}

std::string LabListDetailsText(const LabListRow& row, const std::string& programFolder,
                               const std::string& perUserFolder, std::string* caption) {
    const bool library = row.udlFile.empty();
    if (caption) *caption = library ? "PlugIn File Details" : "UDL File Details";
    return "File Name: " + (library ? row.module : row.udlFile) + " \n\nFile Location: " +
           LabListRowFolder(row, programFolder, perUserFolder) + "\n\nFile Type: " +
           (library ? "PlugIn Type(.dll)" : "UDL file type");
}
