// The gravimetric chloride lab: what Dunmere.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kDunmereLab;

int LAB_MODULE_CALL DunmereSimulationProc(int count, LabObject* base);
