// The gravimetric analysis of chloride: what Dunmere.dll serves through the module frame.
#pragma once
#include "modules/frame/lab_module.h"

extern const LabModuleDefinition kDunmereLab;
