// Zephrane.dll: the library entry and the one export that takes a Win32
// handle; every other export is the portable query code itself.
#include <windows.h>

#include "common/runtime_unload_win.h"
#include "zephrane/chemical_database.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    ReleaseRuntimeOnUnload(reason, reserved);
    return TRUE;
}

// The block may be movable: lock it only while the records are copied, and
// never read past the block's own size.
extern "C" void InitializeChemicals(HGLOBAL block, int count) {
    const void* records = block ? GlobalLock(block) : nullptr;
    if (!records || count <= 0) {
        RegisterChemicals(nullptr, 0);
    } else {
        SIZE_T fits = GlobalSize(block) / sizeof(ChemicalRecord);
        if (SIZE_T(count) > fits) count = int(fits);
        RegisterChemicals(static_cast<const ChemicalRecord*>(records), count);
    }
    if (records) GlobalUnlock(block);
}
