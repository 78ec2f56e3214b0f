// The contract between the program and a lab module: the plain cdecl entry
// points a module library exports under fixed, undecorated names (through its
// .def file), and the table the host binds them into. Every entry but
// LoadLabChemicals is optional; callers test the entry and the module handle
// before each call.
#pragma once
#include <cstdint>

#include "cas.h"
#include "indicator_record.h"
#include "lab_object.h"
#include "lab_style.h"
#include "win32_handles.h"

#if defined(_WIN32)
#define LAB_MODULE_CALL __cdecl
#else
#define LAB_MODULE_CALL
#endif

// What ElectrodeProperty points at: the id, then a NUL-terminated name that
// starts at byte 4 and belongs to the module.
struct ElectrodeRecord {
    int32_t id;  // 0 4
};
static_assert(sizeof(ElectrodeRecord) == 4);

inline const char* ElectrodeName(const ElectrodeRecord* record) {
    return reinterpret_cast<const char*>(record) + sizeof(int32_t);
}

// ---- entry point types, in PluginTable slot order ----
// 1  writes the lab's display name; non-zero = a lab module
typedef int LAB_MODULE_CALL QueryLabNameEntry(char* buffer, int size);
// 2  the file name of the user-defined lab the wizard last saved (size 260)
typedef int LAB_MODULE_CALL QueryUDLFileNameEntry(char* buffer, int size);
// 3  a movable global block of *count ChemicalRecords; required of every module
typedef HGLOBAL LAB_MODULE_CALL LoadLabChemicalsEntry(int32_t* count);
// 4  how many indicators the lab offers
typedef int LAB_MODULE_CALL IndicatorAvailableEntry();
// 5  indicator i (0-based) or null; owned by the module until it is unloaded
typedef IndicatorRecord* LAB_MODULE_CALL IndicatorPropertyEntry(int index);
// 6  the lab's hook over objects 1..count (base = address of record 0)
typedef int LAB_MODULE_CALL LabSimulationProcEntry(int count, LabObject* base);
// 7  streams RTF into a rich-edit pane: 0 Introduction, 1 Procedure, 2 Observations
typedef int LAB_MODULE_CALL SetChemTextPaneEntry(HWND pane, int which);
// 8  the LabStyle mask
typedef int LAB_MODULE_CALL QueryLabStyleEntry();
// 9  streams the reaction text (RTF) into a rich edit
typedef int LAB_MODULE_CALL SetReactionTextEntry(HWND richEdit);
// 10 runs the authoring wizard modally; non-zero = a lab was finished and saved
typedef int LAB_MODULE_CALL UDL_TavistrelEntry(HWND owner);
// 11 reads the user-defined lab at path (empty = none); reports its own errors
typedef int LAB_MODULE_CALL LoadUDLSimulationEntry(const char* path, HWND owner);
// 12 frees everything held for the user-defined lab, its chemical block too
typedef void LAB_MODULE_CALL UnLoadUDLSimulationEntry();
// 13 how many electrodes the lab offers
typedef int LAB_MODULE_CALL ElectrodeAvailableEntry();
// 14 electrode i, owned by the module until it is unloaded
typedef ElectrodeRecord* LAB_MODULE_CALL ElectrodePropertyEntry(int index);
// 15 non-zero when a molecule file exists for the chemical; full path (260) out
typedef int LAB_MODULE_CALL PDBFileAvailableEntry(CasNumber cas, char* pathOut);
// 16 non-zero = the module drew the object's contents itself
typedef int LAB_MODULE_CALL CustomDrawEntry(HDC dc, LabObject* object);
// 17 notice after an object is added or re-typed
typedef void LAB_MODULE_CALL NewEquipmentAdditionEntry(LabObject* object);
// 18 may change *grams before a substance is added; the caller re-reads it
typedef void LAB_MODULE_CALL NewChemicalAdditionEntry(HWND dialog, LabObject* target, CasNumber cas,
                                                      int phase, double* grams, int* wholePart,
                                                      int* fractionPart, int fractionDigits,
                                                      float unitFactor);

// Looked up by the module list only.
typedef int LAB_MODULE_CALL QueryLabDescriptionEntry(char* buffer, int size);
typedef HICON LAB_MODULE_CALL QueryLabSmallIconEntry();  // 16 x 16; the caller destroys it

// The host's table of the loaded module's entry points; null = not exported.
struct PluginTableSlots {
    QueryLabNameEntry* QueryLabName;
    QueryUDLFileNameEntry* QueryUDLFileName;
    LoadLabChemicalsEntry* LoadLabChemicals;
    IndicatorAvailableEntry* IndicatorAvailable;
    IndicatorPropertyEntry* IndicatorProperty;
    LabSimulationProcEntry* LabSimulationProc;
    SetChemTextPaneEntry* SetChemTextPane;
    QueryLabStyleEntry* QueryLabStyle;
    SetReactionTextEntry* SetReactionText;
    UDL_TavistrelEntry* UDL_Tavistrel;
    LoadUDLSimulationEntry* LoadUDLSimulation;
    UnLoadUDLSimulationEntry* UnLoadUDLSimulation;
    ElectrodeAvailableEntry* ElectrodeAvailable;
    ElectrodePropertyEntry* ElectrodeProperty;
    PDBFileAvailableEntry* PDBFileAvailable;
    CustomDrawEntry* CustomDraw;
    NewEquipmentAdditionEntry* NewEquipmentAddition;
    NewChemicalAdditionEntry* NewChemicalAddition;
};

constexpr int kPluginSlotCount = 18;
constexpr int kWizardSlot = 9;  // UDL_Tavistrel, bound only for kStyleAuthoring

// Export names in slot order.
inline constexpr const char* kPluginExportNames[kPluginSlotCount] = {
    "QueryLabName",       "QueryUDLFileName",     "LoadLabChemicals",   "IndicatorAvailable",
    "IndicatorProperty",  "LabSimulationProc",    "SetChemTextPane",    "QueryLabStyle",
    "SetReactionText",    "UDL_Tavistrel",        "LoadUDLSimulation",  "UnLoadUDLSimulation",
    "ElectrodeAvailable", "ElectrodeProperty",    "PDBFileAvailable",   "CustomDraw",
    "NewEquipmentAddition", "NewChemicalAddition",
};

// The module library exports (declared here so that every definition is
// checked against the contract).
extern "C" {
QueryLabNameEntry QueryLabName;
QueryUDLFileNameEntry QueryUDLFileName;
LoadLabChemicalsEntry LoadLabChemicals;
IndicatorAvailableEntry IndicatorAvailable;
IndicatorPropertyEntry IndicatorProperty;
LabSimulationProcEntry LabSimulationProc;
SetChemTextPaneEntry SetChemTextPane;
QueryLabStyleEntry QueryLabStyle;
SetReactionTextEntry SetReactionText;
UDL_TavistrelEntry UDL_Tavistrel;
LoadUDLSimulationEntry LoadUDLSimulation;
UnLoadUDLSimulationEntry UnLoadUDLSimulation;
ElectrodeAvailableEntry ElectrodeAvailable;
ElectrodePropertyEntry ElectrodeProperty;
PDBFileAvailableEntry PDBFileAvailable;
CustomDrawEntry CustomDraw;
NewEquipmentAdditionEntry NewEquipmentAddition;
NewChemicalAdditionEntry NewChemicalAddition;
QueryLabDescriptionEntry QueryLabDescription;
QueryLabSmallIconEntry QueryLabSmallIcon;
}

static_assert(sizeof(PluginTableSlots) == kPluginSlotCount * sizeof(void*),
              "PluginTable holds exactly the 18 slots");
