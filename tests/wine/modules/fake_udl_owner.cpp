// A module that frees its own chemical block in UnLoadUDLSimulation, as the
// authoring module does; it hands the same block out until then.
#include "tests/wine/modules/fake_module.h"

namespace {
CallLog Log;
HGLOBAL OwnBlock = nullptr;
}  // namespace

extern "C" {

const char* FakeModuleCalls() { return Log.text; }
HGLOBAL FakeOwnedBlock() { return OwnBlock; }
HGLOBAL LoadLabChemicals(int32_t* count) {
    Log.Add("LoadLabChemicals");
    if (!OwnBlock) OwnBlock = NewChemicalBlock(1, 7000001);
    *count = 1;
    return OwnBlock;
}
int LoadUDLSimulation(const char* path, HWND) { return Log.Add("LoadUDLSimulation", path), 1; }
void UnLoadUDLSimulation() {
    // A second free of this block would fail here, not pass silently.
    Log.Add("UnLoadUDLSimulation", OwnBlock && GlobalFree(OwnBlock) == nullptr ? "freed" : "none");
    OwnBlock = nullptr;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    // Unloaded without UnLoadUDLSimulation: the block is still ours to free.
    if (reason == DLL_PROCESS_DETACH && OwnBlock) GlobalFree(OwnBlock);
    return TRUE;
}
