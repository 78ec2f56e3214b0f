// Morvena.dll: the shared module frame serving this lab.
#include "modules/frame/lab_module.h"
#include "modules/morvena/morvena_lab.h"

const LabModuleDefinition& ThisLabModule() { return kMorvenaLab; }
