#include "tools/labsim/labsim_seams.h"

#include "app/lab_file_templates.h"

LabTickFunction LabsimTick = nullptr;
LabFileTemplates LabsimTemplates = CatalogueLabFileTemplates();

ShippedModule LabsimModules[] = {
    {"OLVARIS.DLL", nullptr, 0},
    {"TESSALY.DLL", nullptr, 0},
    {"MORVENA.DLL", nullptr, 0},
    {"DUNMERE.DLL", nullptr, 0},
};
const int32_t LabsimModuleCount = int32_t(sizeof LabsimModules / sizeof LabsimModules[0]);
