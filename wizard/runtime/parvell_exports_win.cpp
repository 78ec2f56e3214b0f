// Parvell.dll: the authoring module's exports over the portable runtime. The
// chemical queries live in Zephrane.dll; this library only registers blocks
// with it.
#include <windows.h>
#include <richedit.h>

#include <cstring>

#include "common/lab_object.h"
#include "common/runtime_unload_win.h"
#include "modules/frame/text_stream.h"
#include "resources/parvell/parvell_resources.h"
#include "wizard/database/user_database.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/runtime/udl_runtime.h"
#include "wizard/sheet/wizard_sheet_win.h"
#include "wizard/udl_io_win.h"

extern "C" void InitializeChemicals(HGLOBAL block, int count);  // Zephrane.dll

namespace {

HINSTANCE ModuleInstance = nullptr;
char StartFolder[MAX_PATH] = "";
parvell::UdlRuntime Runtime;
// The block last handed to the host. It stays as it is until the host asks
// again: the host keeps it locked and never frees it.
HGLOBAL LabChemicals = nullptr;

struct TextCookie {
    const std::string* text;
    uint32_t offset;
};

// A fresh movable block per registration, registered with Zephrane.
class HandedBlockRegistry : public parvell::ChemicalRegistry {
public:
    HGLOBAL block = nullptr;
    int32_t count = 0;
    void Register(const ChemicalRecord* records, int32_t n) override {
        SIZE_T bytes = SIZE_T(n) * sizeof(ChemicalRecord);
        block = n > 0 ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
        void* p = block ? GlobalLock(block) : nullptr;
        if (!p) {
            if (block) GlobalFree(block);
            block = nullptr;
            InitializeChemicals(nullptr, 0);
            return;
        }
        memcpy(p, records, bytes);
        GlobalUnlock(block);
        count = n;
        InitializeChemicals(block, n);
    }
};

void FreeHandedBlock() {
    if (LabChemicals) GlobalFree(LabChemicals);
    LabChemicals = nullptr;
}

DWORD CALLBACK TextStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* count) {
    TextCookie* c = reinterpret_cast<TextCookie*>(cookie);
    *count = c->text ? NextTextChunk(reinterpret_cast<const uint8_t*>(c->text->data()),
                                     uint32_t(c->text->size()), c->offset, buffer, size)
                     : 0;
    return 0;
}

int LoadModuleString(int id, char* buffer, int size) {
    // A size of 0 would make LoadString write a pointer into the buffer.
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    return LoadStringA(ModuleInstance, UINT(id), buffer, size);
}

}  // namespace

HINSTANCE ParvellInstance() { return ModuleInstance; }

const char* ParvellStartFolder() { return StartFolder; }

std::string ParvellLibraryFolder() {
    char path[MAX_PATH] = "";
    DWORD length = GetModuleFileNameA(ModuleInstance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string folder(path, length);
    size_t cut = folder.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : folder.substr(0, cut);
}

parvell::UdlRuntime& ParvellRuntime() { return Runtime; }

void RegisterChemicalsWithLibrary(const ChemicalRecord* records, int32_t count) {
    HandedBlockRegistry registry;
    registry.Register(records, count);
    if (registry.block) GlobalFree(registry.block);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleInstance = instance;
        if (!GetCurrentDirectoryA(MAX_PATH, StartFolder)) StartFolder[0] = '\0';
    } else if (reason == DLL_PROCESS_DETACH) {
        // The host neither frees the handed block nor unloads the lab when it
        // switches modules: everything goes here.
        Runtime.UnloadUdlSimulation();
        FreeHandedBlock();
        ReleaseRuntimeOnUnload(reason, reserved);
    }
    return TRUE;
}

extern "C" {

int QueryLabName(char* buffer, int size) { return LoadModuleString(PARVELL_NAME_STRING, buffer, size); }

int QueryLabDescription(char* buffer, int size) {
    return LoadModuleString(PARVELL_DESCRIPTION_STRING, buffer, size);
}

HICON QueryLabSmallIcon() {
    return static_cast<HICON>(LoadImageA(ModuleInstance, MAKEINTRESOURCEA(PARVELL_SMALL_ICON), IMAGE_ICON, 16,
                                         16, LR_DEFAULTCOLOR));
}

int QueryLabStyle() { return Runtime.QueryLabStyle(); }

int QueryUDLFileName(char* buffer, int size) { return Runtime.QueryUdlFileName(buffer, size); }

HGLOBAL LoadLabChemicals(int32_t* count) {
    UdlIoWin io(ModuleInstance, nullptr);
    std::string database;
    parvell::LocateUserChemicalDatabase(io, ParvellLibraryFolder(), database);
    HandedBlockRegistry registry;
    Runtime.LoadLabChemicals(io, database, registry);
    FreeHandedBlock();
    LabChemicals = registry.block;
    if (count) *count = registry.block ? registry.count : 0;
    return LabChemicals;
}

int IndicatorAvailable() { return Runtime.IndicatorAvailable(); }

const IndicatorRecord* IndicatorProperty(int i) { return Runtime.IndicatorProperty(i); }

int LabSimulationProc(int count, LabObject* base) { return Runtime.LabSimulationProc(count, base); }

int SetChemTextPane(HWND pane, int which) {
    TextCookie cookie{Runtime.Text(which), 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = TextStreamCallback;
    return int(SendMessageA(pane, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream)));
}

int LoadUDLSimulation(const char* path, HWND owner) {
    UdlIoWin io(ModuleInstance, owner);
    return Runtime.LoadUdlSimulation(path ? path : "", io);
}

void UnLoadUDLSimulation() {
    Runtime.UnloadUdlSimulation();
    FreeHandedBlock();
}

int PDBFileAvailable(int casKey, char* pathOut) {
    UdlIoWin io(ModuleInstance, nullptr);
    return Runtime.PdbFileAvailable(CasNumber(casKey), pathOut, io);
}

// Non-zero only when Finish wrote the lab file: Cancel, and a sheet that
// could not be shown, are 0.
int UDL_Tavistrel(HWND owner) { return RunWizardSheet(owner); }

}  // extern "C"
