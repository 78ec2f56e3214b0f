// The module's shared state for dialogs opened straight from a test: the
// test program holds Parvell's resources, and the chemicals go to the real
// Zephrane.dll.
#include <windows.h>

#include <cstring>

#include "tests/support/build_folders_win.h"
#include "wizard/runtime/parvell_module_win.h"

extern "C" void InitializeChemicals(HGLOBAL block, int count);  // Zephrane.dll

namespace {
parvell::UdlRuntime Runtime;
char StartFolder[MAX_PATH] = "";
}  // namespace

HINSTANCE ParvellInstance() { return GetModuleHandleA(nullptr); }

const char* ParvellStartFolder() {
    if (!StartFolder[0] && !GetCurrentDirectoryA(MAX_PATH, StartFolder)) StartFolder[0] = '\0';
    return StartFolder;
}

// Where Parvell.dll lies, with its help file and the master chemical database.
std::string ParvellLibraryFolder() { return BuildProgramFolder(); }

parvell::UdlRuntime& ParvellRuntime() { return Runtime; }

void RegisterChemicalsWithLibrary(const ChemicalRecord* records, int32_t count) {
    SIZE_T bytes = SIZE_T(count > 0 ? count : 0) * sizeof(ChemicalRecord);
    HGLOBAL block = bytes ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
    void* p = block ? GlobalLock(block) : nullptr;
    if (!p) {
        if (block) GlobalFree(block);
        InitializeChemicals(nullptr, 0);
        return;
    }
    memcpy(p, records, bytes);
    GlobalUnlock(block);
    InitializeChemicals(block, count);
    GlobalFree(block);
}
