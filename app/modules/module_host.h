// The lab-module host's state and the decisions it makes that need no
// windows: which names may be loaded, how paths are built, how many records a
// chemical block really holds, who releases it, and where a user-defined lab
// file is looked for. The loading itself is module_host_win.cpp.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "common/chemical_record.h"
#include "common/module_contract.h"

constexpr int kHostPathLength = 260;
constexpr const char kDefaultModuleName[] = "OLVARIS.DLL";

extern HMODULE LabModuleHandle;              // null = no module loaded
extern char CurrentModuleName[kHostPathLength];  // bare file name; "OLVARIS.DLL" at start
extern char CurrentUdlName[kHostPathLength];     // bare file name; empty = none
extern int32_t UdlInPersonalFolder;          // the lab file lies in the per-user folder
extern int32_t LabStyleCache;                // style read at the last load
extern PluginTableSlots PluginTable;         // entries of the loaded module

// The loaded module's LabStyle, asked afresh; 0 without a module or entry.
int32_t QueryCurrentLabStyle();

// A name that can only mean a file in one folder: not empty, shorter than a
// path, no "\", "/", ":" and no "..".
bool IsBareFileName(const char* name);
// A bare file name that ends in ".DLL" (any case).
bool IsBareModuleName(const char* name);

// folder, a backslash unless the folder ends in one, name; false (and out
// empty) when the result does not fit in outSize bytes.
bool JoinFolderAndName(char* out, size_t outSize, const char* folder, const char* name);

// What a module's block really holds: the reported count, never below 0 and
// never more records than blockBytes has room for.
int32_t ClampChemicalCount(int32_t reportedCount, uint64_t blockBytes);

// Binding: lookup answers an export's address or null.
using ExportLookup = std::function<void*(const char* name)>;
// Every slot but the wizard's, by its export name.
void BindPluginTable(PluginTableSlots& table, const ExportLookup& lookup);
// The wizard slot: bound only for a module whose style has kStyleAuthoring.
void BindWizardSlot(PluginTableSlots& table, int32_t style, const ExportLookup& lookup);
void ClearPluginTable(PluginTableSlots& table);
bool PluginSlotBound(const PluginTableSlots& table, int slot);  // slot 0..17
int PluginSlotsBound(const PluginTableSlots& table);

// The chemical block the host holds. A module that exports
// UnLoadUDLSimulation frees its own block there, so the host never frees it.
struct HeldChemicalBlock {
    HGLOBAL handle;       // null = none
    bool ownedByModule;
};
// Whether taking `incoming` means the host frees the block it held: only its
// own block, and never the very block it is given back.
bool HostReleasesOnReplace(const HeldChemicalBlock& held, HGLOBAL incoming);

// Where a user-defined lab file is looked for, and what the user is asked.
enum class UdlPrompt {
    OfferPersonalCopy,  // missing in the program folder; (program path, per-user path)
    OfferProgramCopy,   // missing in the per-user folder; (program path)
    NotFound,           // (the path that was looked for)
};
struct UdlLookupSeams {
    std::function<bool(const std::string& path)> fileExists;
    // Answers Yes (true) or No for the offers; NotFound is only shown.
    std::function<bool(UdlPrompt prompt, const std::string& first, const std::string& second)> ask;
};
struct UdlLookupResult {
    std::string labPath;          // what LoadUDLSimulation is given; may be empty
    int32_t udlInPersonalFolder;  // -1 unchanged, else the new value
};
// perUserFolder empty = it could not be resolved.
UdlLookupResult FindUdlFile(const std::string& programFolder, const std::string& perUserFolder,
                            const char* udlFileName, bool preferPersonalFolder,
                            const UdlLookupSeams& seams);
