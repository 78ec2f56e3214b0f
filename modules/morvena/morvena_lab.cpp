#include "modules/morvena/morvena_lab.h"

#include "resources/morvena/morvena_resources.h"

// The lab's chemicals and hook are still to come: no table, no hook yet.
const LabModuleDefinition kMorvenaLab = {
    MORVENA_NAME_STRING,
    MORVENA_DESCRIPTION_STRING,
    MORVENA_SMALL_ICON,
    {MORVENA_TEXT_INTRODUCTION, MORVENA_TEXT_PROCEDURE, MORVENA_TEXT_OBSERVATIONS},
    0,
    0,
    nullptr,
    0,
    nullptr,
};
