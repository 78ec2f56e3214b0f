#include "modules/tessaly/tessaly_lab.h"

#include "resources/tessaly/tessaly_resources.h"

// The lab's chemicals and hook are still to come: no table, no hook yet.
const LabModuleDefinition kTessalyLab = {
    TESSALY_NAME_STRING,
    TESSALY_DESCRIPTION_STRING,
    TESSALY_SMALL_ICON,
    {TESSALY_TEXT_INTRODUCTION, TESSALY_TEXT_PROCEDURE, TESSALY_TEXT_OBSERVATIONS},
    0,
    kStyleCalorimeter | kStyleNoObjectUpdate,
    nullptr,
    0,
    nullptr,
};
