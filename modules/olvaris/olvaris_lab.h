// The generic lab: what Olvaris.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kOlvarisLab;
