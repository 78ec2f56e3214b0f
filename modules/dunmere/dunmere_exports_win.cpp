// Dunmere.dll: the shared module frame serving this lab.
#include "modules/frame/lab_module.h"
#include "modules/dunmere/dunmere_lab.h"

const LabModuleDefinition& ThisLabModule() { return kDunmereLab; }
