#include "app/modules/module_host_win.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/demo/demo_recorder.h"
#include "app/settings/folders_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"

namespace {

constexpr int kStringLoadFailed = 116;     // "Unable to load Simulation Library: %s..."
constexpr int kStringLoadComment = 692;    // "Load Simulation: %s"
constexpr int kStringOfferProgramCopy = 739;
constexpr int kStringUdlCaption = 740;     // "Simulation File Load Error"
constexpr int kStringUdlNotFound = 741;
constexpr int32_t kCommentCategoryModuleLoad = 5;
constexpr char kLoadFailedCaption[] = "Err! - LOADTEST";
constexpr char kOfferPersonalCopyText[] =
    "Unable to locate the simulation file:\n\n%s\n\nDo you wish to instead open the simulation "
    "file in your Personal Brevane AppData directory (%s) with the same name?";

ModuleHostServices Services = DefaultModuleHostServices();
ModuleHostPanes Panes = {};
HeldChemicalBlock HeldBlock = {nullptr, false};

std::string ProgramString(int id, const char* fallback = "") {
    char text[1024];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return length > 0 ? std::string(text, length) : std::string(fallback);
}

// Our own string resources are the formats; arguments are paths and names.
std::string Format(const std::string& format, const char* first, const char* second = "") {
    char text[2048];
    snprintf(text, sizeof text, format.c_str(), first, second);
    return text;
}

int ShowBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (Services.pauseTimer) Services.pauseTimer();
    int answer = Services.showBox ? Services.showBox(owner, text.c_str(), caption.c_str(), type)
                                  : MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    if (Services.resumeTimer) Services.resumeTimer();
    return answer;
}

std::string FolderFrom(bool (*query)(char*, size_t)) {
    char folder[kHostPathLength] = "";
    if (!query || !query(folder, sizeof folder)) return std::string();
    return folder;
}

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool ProgramFolderOfExe(char* out, size_t size) {
    return ProgramFolder(out, size > MAX_PATH ? MAX_PATH : static_cast<int>(size));
}

bool AppDataBrevaneFolder(char* out, size_t size) {
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder)))
        return false;
    return JoinFolderAndName(out, size, folder, "Brevane");
}

// A library that is a lab at all: it must hand over chemicals.
HMODULE LoadLabLibrary(const char* path) {
    HMODULE library = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (library && !GetProcAddress(library, "LoadLabChemicals")) {
        FreeLibrary(library);
        library = nullptr;
    }
    return library;
}

void ReleaseHeldBlock(HGLOBAL incoming) {
    if (HostReleasesOnReplace(HeldBlock, incoming)) {
        if (Services.releaseChemicalBlock) Services.releaseChemicalBlock(HeldBlock.handle);
        else ReleaseChemicalBlock(HeldBlock.handle);
    }
    // A block the module owns is only forgotten: the module frees it.
    HeldBlock = {nullptr, false};
}

void DropChemicalTable() {
    SetChemicalTable(nullptr, 0);
    ReleaseHeldBlock(nullptr);
}

void TakeChemicalTable() {
    int32_t reported = 0;
    HGLOBAL incoming = PluginTable.LoadLabChemicals(&reported);
    const ChemicalRecord* records = nullptr;
    int32_t count = 0;
    if (incoming) {
        records = static_cast<const ChemicalRecord*>(GlobalLock(incoming));
        // The same block again is already locked once; keep one lock on it.
        if (incoming == HeldBlock.handle) GlobalUnlock(incoming);
        count = records ? ClampChemicalCount(reported, GlobalSize(incoming)) : 0;
    }
    SetChemicalTable(count > 0 ? records : nullptr, count);
    ReleaseHeldBlock(incoming);
    HeldBlock = {incoming, PluginTable.UnLoadUDLSimulation != nullptr};
}

void FreeModuleLibrary() {
    // A block the module owns may go with its library: the bench must not
    // read it while the next module loads (its boxes let the timer run).
    if (HeldBlock.ownedByModule) {
        SetChemicalTable(nullptr, 0);
        HeldBlock = {nullptr, false};
    }
    if (LabModuleHandle) FreeLibrary(LabModuleHandle);
    LabModuleHandle = nullptr;
    ClearPluginTable(PluginTable);
}

void RecordLoadComment(const char* moduleName, const char* udlName) {
    if (!Services.recordingDemonstration || !Services.recordingDemonstration()) return;
    if (!Services.recordComment) return;
    std::string format = ProgramString(kStringLoadComment);
    std::string text = format.empty() ? std::string("Missing Comment")
                                      : Format(format, *udlName ? udlName : moduleName);
    Services.recordComment(kCommentCategoryModuleLoad, text.c_str());
    // The player loads the same module at this point of the recording.
    if (Services.recordModuleLoad) Services.recordModuleLoad(moduleName, udlName);
}

std::string FindLabFile(HWND owner, const std::string& programFolder, const char* udlName,
                        bool preferPersonalFolder) {
    UdlLookupSeams seams;
    seams.fileExists = FileExists;
    const std::string caption = ProgramString(kStringUdlCaption);
    seams.ask = [&](UdlPrompt prompt, const std::string& first, const std::string& second) {
        switch (prompt) {
        case UdlPrompt::OfferPersonalCopy:
            return ShowBox(owner, Format(kOfferPersonalCopyText, first.c_str(), second.c_str()),
                           caption, MB_YESNO | MB_ICONWARNING) == IDYES;
        case UdlPrompt::OfferProgramCopy:
            return ShowBox(owner, Format(ProgramString(kStringOfferProgramCopy), first.c_str()),
                           caption, MB_YESNO | MB_ICONWARNING) == IDYES;
        case UdlPrompt::NotFound:
            ShowBox(owner, Format(ProgramString(kStringUdlNotFound), first.c_str()), caption,
                    MB_OK | MB_ICONWARNING);
            return false;
        }
        return false;
    };
    UdlLookupResult found = FindUdlFile(programFolder, FolderFrom(Services.perUserFolder), udlName,
                                        preferPersonalFolder, seams);
    if (found.udlInPersonalFolder >= 0) UdlInPersonalFolder = found.udlInPersonalFolder;
    return found.labPath;
}

void StreamPane(int which) {
    HWND pane = Panes.recreatePane(which);
    if (pane && PluginTable.SetChemTextPane) PluginTable.SetChemTextPane(pane, which);
}

void ReloadPanes(bool recreateObservations) {
    if (!Panes.recreatePane) return;
    if (recreateObservations) {
        // The lab's own notes are no change of the student's: the pane's
        // change notice must not leave the session marked modified.
        const bool modified = DocumentModified;
        if (Panes.setStreamGuard) Panes.setStreamGuard(true);
        StreamPane(2);
        if (Panes.setStreamGuard) Panes.setStreamGuard(false);
        DocumentModified = modified;
    }
    StreamPane(1);
    StreamPane(0);
    if (Panes.panesReloaded) Panes.panesReloaded();
}

}  // namespace

ModuleHostServices DefaultModuleHostServices() {
    ModuleHostServices services = {};
    services.programFolder = ProgramFolderOfExe;
    services.perUserFolder = AppDataBrevaneFolder;
    services.releaseChemicalBlock = ReleaseChemicalBlock;
    services.recordingDemonstration = [] { return LabDemoRecorder.recording; };
    services.recordComment = [](int32_t category, const char* text) { RecordComment(text, category); };
    services.recordModuleLoad = RecordModuleLoad;
    return services;
}

void SetModuleHostServices(const ModuleHostServices& services) { Services = services; }
void SetModuleHostPanes(const ModuleHostPanes& panes) { Panes = panes; }

void ReleaseChemicalBlock(HGLOBAL block) {
    GlobalUnlock(block);
    GlobalFree(block);
}

HGLOBAL ChemicalBlockHandle() { return HeldBlock.handle; }

int LoadLabModule(HWND owner, const char* moduleFileName, const char* udlFileName,
                  int recreateObservations, int preferPersonalFolder) {
    const char* moduleName = moduleFileName ? moduleFileName : "";
    const char* udlName = udlFileName ? udlFileName : "";
    RecordLoadComment(moduleName, udlName);

    // The library goes first; UnLoadUDLSimulation is not called here.
    FreeModuleLibrary();

    std::string programFolder = FolderFrom(Services.programFolder);
    char modulePath[kHostPathLength] = "";
    bool pathBuilt = IsBareModuleName(moduleName) &&
                     JoinFolderAndName(modulePath, sizeof modulePath, programFolder.c_str(),
                                       moduleName);

    std::string labPath = FindLabFile(owner, programFolder, udlName, preferPersonalFolder != 0);

    HMODULE library = pathBuilt ? LoadLabLibrary(modulePath) : nullptr;
    if (!library) {
        ShowBox(owner, Format(ProgramString(kStringLoadFailed), pathBuilt ? modulePath : moduleName),
                kLoadFailedCaption, MB_OK | MB_ICONWARNING);
        char fallbackPath[kHostPathLength];
        if (JoinFolderAndName(fallbackPath, sizeof fallbackPath, programFolder.c_str(),
                              kDefaultModuleName))
            library = LoadLabLibrary(fallbackPath);
        if (!library) {
            // No module: no chemicals and no style of a module that is gone.
            DropChemicalTable();
            LabStyleCache = 0;
            return 0;
        }
        strcpy(CurrentModuleName, kDefaultModuleName);
    }
    LabModuleHandle = library;

    ExportLookup lookup = [library](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(library, name));
    };
    BindPluginTable(PluginTable, lookup);
    if (PluginTable.LoadUDLSimulation) PluginTable.LoadUDLSimulation(labPath.c_str(), owner);
    LabStyleCache = PluginTable.QueryLabStyle ? PluginTable.QueryLabStyle() : 0;
    BindWizardSlot(PluginTable, LabStyleCache, lookup);

    TakeChemicalTable();
    if (PluginTable.SetChemTextPane) ReloadPanes(recreateObservations != 0);
    return 1;
}

void ReloadLabPanes(bool recreateObservations) {
    if (LabModuleHandle && PluginTable.SetChemTextPane) ReloadPanes(recreateObservations);
}

void ReloadChemicalTable() {
    if (LabModuleHandle && PluginTable.LoadLabChemicals) TakeChemicalTable();
}

void UnloadUserDefinedLab() {
    if (!LabModuleHandle || !PluginTable.UnLoadUDLSimulation) return;
    PluginTable.UnLoadUDLSimulation();
    // Its block went with the lab: forget it without touching it.
    SetChemicalTable(nullptr, 0);
    HeldBlock = {nullptr, false};
}

void UnloadLabModule() {
    if (CurrentUdlName[0]) UnloadUserDefinedLab();
    DropChemicalTable();
    FreeModuleLibrary();
    LabStyleCache = 0;
}
