// What one lab library tells the shared module frame: its resource ids, its
// LabStyle, its chemicals and its hook. The frame's exports answer from it.
#pragma once
#include <cstdint>

#include "common/chemical_record.h"
#include "common/module_contract.h"

enum LabText : int32_t { kTextIntroduction = 0, kTextProcedure = 1, kTextObservations = 2 };
constexpr int kLabTextCount = 3;

struct LabModuleDefinition {
    int32_t nameStringId;
    int32_t descriptionStringId;
    int32_t smallIconId;
    int32_t textIds[kLabTextCount];  // "TEXT" resources, by LabText
    int32_t reactionTextId;          // 0 = the lab has no reaction text
    uint32_t style;                  // LabStyleBits
    const ChemicalRecord* chemicals;
    int32_t chemicalCount;
    LabSimulationProcEntry* simulationHook;  // null = nothing to do
};

// Defined once per library (in its *_win.cpp): the lab the frame serves.
const LabModuleDefinition& ThisLabModule();
