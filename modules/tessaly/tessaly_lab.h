// The specific-heat lab: what Tessaly.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kTessalyLab;

// Relative to water; 1 for anything the lab does not name.
double TessalySpecificHeat(CasNumber cas);
int LAB_MODULE_CALL TessalySimulationProc(int count, LabObject* base);
