// Olvaris.dll: the shared module frame serving this lab.
#include "modules/frame/lab_module.h"
#include "modules/olvaris/olvaris_lab.h"

const LabModuleDefinition& ThisLabModule() { return kOlvarisLab; }
