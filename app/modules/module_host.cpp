#include "app/modules/module_host.h"

#include <cstring>

HMODULE LabModuleHandle = nullptr;
char CurrentModuleName[kHostPathLength] = "OLVARIS.DLL";
char CurrentUdlName[kHostPathLength] = "";
int32_t UdlInPersonalFolder = 0;
int32_t LabStyleCache = 0;
PluginTableSlots PluginTable = {};

int32_t QueryCurrentLabStyle() {
    if (!LabModuleHandle || !PluginTable.QueryLabStyle) return 0;
    return PluginTable.QueryLabStyle();
}

bool IsBareFileName(const char* name) {
    if (!name || !*name) return false;
    size_t length = strnlen(name, kHostPathLength);
    if (length >= static_cast<size_t>(kHostPathLength)) return false;
    if (strpbrk(name, "\\/:")) return false;
    return strstr(name, "..") == nullptr;
}

bool IsBareModuleName(const char* name) {
    if (!IsBareFileName(name)) return false;
    size_t length = strlen(name);
    if (length < 5) return false;  // at least one letter before ".DLL"
    const char* tail = name + length - 4;
    const char* dll = ".dll";
    for (int i = 0; i < 4; ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != dll[i]) return false;
    }
    return true;
}

bool JoinFolderAndName(char* out, size_t outSize, const char* folder, const char* name) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!folder || !name) return false;
    size_t folderLength = strlen(folder);
    size_t nameLength = strlen(name);
    bool needsSeparator = folderLength == 0 || folder[folderLength - 1] != '\\';
    uint64_t total = uint64_t{folderLength} + (needsSeparator ? 1 : 0) + nameLength;
    if (total + 1 > outSize) return false;
    memcpy(out, folder, folderLength);
    size_t at = folderLength;
    if (needsSeparator) out[at++] = '\\';
    memcpy(out + at, name, nameLength);
    out[at + nameLength] = '\0';
    return true;
}

int32_t ClampChemicalCount(int32_t reportedCount, uint64_t blockBytes) {
    if (reportedCount <= 0) return 0;
    uint64_t room = blockBytes / sizeof(ChemicalRecord);
    return static_cast<uint64_t>(reportedCount) < room ? reportedCount : static_cast<int32_t>(room);
}

namespace {

template <class Entry>
void Bind(Entry*& slot, int index, const ExportLookup& lookup) {
    slot = reinterpret_cast<Entry*>(lookup(kPluginExportNames[index]));
}

void SlotAddresses(const PluginTableSlots& table, void* (&out)[kPluginSlotCount]) {
    memcpy(out, &table, sizeof table);
}

}  // namespace

void BindPluginTable(PluginTableSlots& table, const ExportLookup& lookup) {
    Bind(table.QueryLabName, 0, lookup);
    Bind(table.QueryUDLFileName, 1, lookup);
    Bind(table.LoadLabChemicals, 2, lookup);
    Bind(table.IndicatorAvailable, 3, lookup);
    Bind(table.IndicatorProperty, 4, lookup);
    Bind(table.LabSimulationProc, 5, lookup);
    Bind(table.SetChemTextPane, 6, lookup);
    Bind(table.QueryLabStyle, 7, lookup);
    Bind(table.SetReactionText, 8, lookup);
    table.UDL_Tavistrel = nullptr;
    Bind(table.LoadUDLSimulation, 10, lookup);
    Bind(table.UnLoadUDLSimulation, 11, lookup);
    Bind(table.ElectrodeAvailable, 12, lookup);
    Bind(table.ElectrodeProperty, 13, lookup);
    Bind(table.PDBFileAvailable, 14, lookup);
    Bind(table.CustomDraw, 15, lookup);
    Bind(table.NewEquipmentAddition, 16, lookup);
    Bind(table.NewChemicalAddition, 17, lookup);
}

void BindWizardSlot(PluginTableSlots& table, int32_t style, const ExportLookup& lookup) {
    if (static_cast<uint32_t>(style) & kStyleAuthoring)
        Bind(table.UDL_Tavistrel, kWizardSlot, lookup);
    else
        table.UDL_Tavistrel = nullptr;
}

void ClearPluginTable(PluginTableSlots& table) { table = PluginTableSlots{}; }

bool PluginSlotBound(const PluginTableSlots& table, int slot) {
    if (slot < 0 || slot >= kPluginSlotCount) return false;
    void* addresses[kPluginSlotCount];
    SlotAddresses(table, addresses);
    return addresses[slot] != nullptr;
}

int PluginSlotsBound(const PluginTableSlots& table) {
    int bound = 0;
    for (int slot = 0; slot < kPluginSlotCount; ++slot) bound += PluginSlotBound(table, slot);
    return bound;
}

bool HostReleasesOnReplace(const HeldChemicalBlock& held, HGLOBAL incoming) {
    return held.handle && !held.ownedByModule && held.handle != incoming;
}

namespace {

std::string Joined(const std::string& folder, const char* name) {
    char path[kHostPathLength];
    return JoinFolderAndName(path, sizeof path, folder.c_str(), name) ? std::string(path)
                                                                       : std::string();
}

bool Exists(const UdlLookupSeams& seams, const std::string& path) {
    return !path.empty() && seams.fileExists && seams.fileExists(path);
}

bool Ask(const UdlLookupSeams& seams, UdlPrompt prompt, const std::string& first,
         const std::string& second = std::string()) {
    return seams.ask && seams.ask(prompt, first, second);
}

}  // namespace

UdlLookupResult FindUdlFile(const std::string& programFolder, const std::string& perUserFolder,
                            const char* udlFileName, bool preferPersonalFolder,
                            const UdlLookupSeams& seams) {
    UdlLookupResult result{std::string(), -1};
    if (!udlFileName || !*udlFileName) return result;
    if (!IsBareFileName(udlFileName)) {
        // Never looked up: a name with a folder in it could reach any file.
        Ask(seams, UdlPrompt::NotFound, udlFileName);
        return result;
    }
    std::string programPath = Joined(programFolder, udlFileName);
    std::string personalPath =
        perUserFolder.empty() ? std::string() : Joined(perUserFolder, udlFileName);

    if (!preferPersonalFolder) {
        result.labPath = programPath;
        if (Exists(seams, programPath) || perUserFolder.empty()) return result;
        if (Exists(seams, personalPath) &&
            Ask(seams, UdlPrompt::OfferPersonalCopy, programPath, personalPath)) {
            result.labPath = personalPath;
            result.udlInPersonalFolder = 1;
            return result;
        }
        Ask(seams, UdlPrompt::NotFound, programPath.empty() ? udlFileName : programPath);
        return result;
    }

    if (perUserFolder.empty()) return result;
    result.labPath = personalPath;
    if (Exists(seams, personalPath)) return result;
    if (Exists(seams, programPath)) {
        if (Ask(seams, UdlPrompt::OfferProgramCopy, programPath)) {
            result.labPath = programPath;
            result.udlInPersonalFolder = 0;
        }
        return result;
    }
    Ask(seams, UdlPrompt::NotFound, personalPath.empty() ? udlFileName : personalPath);
    return result;
}
