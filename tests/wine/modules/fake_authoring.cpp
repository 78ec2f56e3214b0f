// An authoring module: style 0x8 with a wizard. It hands over no chemical
// block at all and remembers the lab path it was given.
#include "tests/wine/modules/fake_module.h"

#include <cstdio>

namespace {
CallLog Log;
}

extern "C" {

const char* FakeModuleCalls() { return Log.text; }
int QueryLabStyle() { return kStyleAuthoring; }
HGLOBAL LoadLabChemicals(int32_t* count) {
    Log.Add("LoadLabChemicals");
    *count = 3;
    return nullptr;
}
int LoadUDLSimulation(const char* path, HWND) { return Log.Add("LoadUDLSimulation", path), 1; }
int UDL_Tavistrel(HWND) { return Log.Add("UDL_Tavistrel"), 1; }

}  // extern "C"
