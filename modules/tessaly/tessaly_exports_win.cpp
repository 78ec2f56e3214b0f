// Tessaly.dll: the shared module frame serving this lab.
#include "modules/frame/lab_module.h"
#include "modules/tessaly/tessaly_lab.h"

const LabModuleDefinition& ThisLabModule() { return kTessalyLab; }
