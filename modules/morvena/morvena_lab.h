// The fractional-crystallisation lab: what Morvena.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kMorvenaLab;

int LAB_MODULE_CALL MorvenaSimulationProc(int count, LabObject* base);
