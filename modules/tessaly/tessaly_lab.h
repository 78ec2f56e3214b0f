// The specific-heat lab: what Tessaly.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kTessalyLab;
