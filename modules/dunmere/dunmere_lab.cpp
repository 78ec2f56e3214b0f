#include "modules/dunmere/dunmere_lab.h"

#include "resources/dunmere/dunmere_resources.h"

// The lab's chemicals and hook are still to come: no table, no hook yet.
const LabModuleDefinition kDunmereLab = {
    DUNMERE_NAME_STRING,
    DUNMERE_DESCRIPTION_STRING,
    DUNMERE_SMALL_ICON,
    {DUNMERE_TEXT_INTRODUCTION, DUNMERE_TEXT_PROCEDURE, DUNMERE_TEXT_OBSERVATIONS},
    DUNMERE_TEXT_REACTIONS,
    0,
    nullptr,
    0,
    nullptr,
};
