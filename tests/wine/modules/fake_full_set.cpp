// A style-0 module that exports every entry point, UDL_Tavistrel included,
// and logs each call. Exporting UnLoadUDLSimulation makes it the owner of its
// one chemical block, which it hands out again on every call.
#include "tests/wine/modules/fake_module.h"

#include <cstdio>

namespace {
CallLog Log;
HGLOBAL OwnBlock = nullptr;
char Detail[300];
}  // namespace

extern "C" {

const char* FakeModuleCalls() { return Log.text; }
HGLOBAL FakeOwnedBlock() { return OwnBlock; }

int QueryLabName(char* buffer, int size) { return snprintf(buffer, size, "Full Set"); }
int QueryLabDescription(char* buffer, int size) { return snprintf(buffer, size, "Every entry"); }
HICON QueryLabSmallIcon() { return nullptr; }
int QueryUDLFileName(char* buffer, int size) { return snprintf(buffer, size, "full.udl"); }
HGLOBAL LoadLabChemicals(int32_t* count) {
    Log.Add("LoadLabChemicals");
    if (!OwnBlock) OwnBlock = NewChemicalBlock(2, 6000001);
    *count = 2;
    return OwnBlock;
}
int IndicatorAvailable() { return Log.Add("IndicatorAvailable"), 0; }
IndicatorRecord* IndicatorProperty(int) { return nullptr; }
int LabSimulationProc(int, LabObject*) { return Log.Add("LabSimulationProc"), 0; }
int SetChemTextPane(HWND pane, int which) {
    snprintf(Detail, sizeof Detail, "%d", which);
    Log.Add("SetChemTextPane", Detail);
    snprintf(Detail, sizeof Detail, "full set pane %d", which);
    SetWindowTextA(pane, Detail);
    return 1;
}
int QueryLabStyle() { return Log.Add("QueryLabStyle"), 0; }
int SetReactionText(HWND) { return 0; }
int UDL_Tavistrel(HWND) { return Log.Add("UDL_Tavistrel"), 0; }
int LoadUDLSimulation(const char* path, HWND) { return Log.Add("LoadUDLSimulation", path), 1; }
void UnLoadUDLSimulation() {
    Log.Add("UnLoadUDLSimulation");
    if (OwnBlock) GlobalFree(OwnBlock);
    OwnBlock = nullptr;
}
int ElectrodeAvailable() { return 0; }
ElectrodeRecord* ElectrodeProperty(int) { return nullptr; }
int PDBFileAvailable(CasNumber, char*) { return 0; }
int CustomDraw(HDC, LabObject*) { return 0; }
void NewEquipmentAddition(LabObject*) {}
void NewChemicalAddition(HWND, LabObject*, CasNumber, int, double*, int*, int*, int, float) {}

}  // extern "C"
