#include "tools/labsim/labsim_seams.h"

#include "app/documents/lab_file_templates.h"
#include "modules/dunmere/dunmere_lab.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/olvaris/olvaris_lab.h"
#include "modules/tessaly/tessaly_lab.h"

LabFileTemplates LabsimTemplates = CatalogueLabFileTemplates();

const ShippedModule LabsimModules[] = {
    {"OLVARIS.DLL", &kOlvarisLab},
    {"TESSALY.DLL", &kTessalyLab},
    {"MORVENA.DLL", &kMorvenaLab},
    {"DUNMERE.DLL", &kDunmereLab},
};
const int32_t LabsimModuleCount = int32_t(sizeof LabsimModules / sizeof LabsimModules[0]);
