#include "modules/olvaris/olvaris_lab.h"

#include "modules/frame/lab_chemicals.h"
#include "resources/olvaris/olvaris_resources.h"

namespace {

// Line 1 of the reaction text: water as a liquid.
constexpr ChemicalRecord OlvarisChemicals[] = {
    WithReactionLine(MakeLabChemical(kDistilledWaterRow), 1, kPhaseLiquid)};

// The generic lab adds no chemistry of its own: the built-in steps do it all.
int LAB_MODULE_CALL OlvarisSimulationProc(int, LabObject*) { return 0; }

}  // namespace

const LabModuleDefinition kOlvarisLab = {
    OLVARIS_NAME_STRING,
    OLVARIS_DESCRIPTION_STRING,
    OLVARIS_SMALL_ICON,
    {OLVARIS_TEXT_INTRODUCTION, OLVARIS_TEXT_PROCEDURE, OLVARIS_TEXT_OBSERVATIONS},
    OLVARIS_TEXT_REACTIONS,
    0,
    OlvarisChemicals,
    1,
    OlvarisSimulationProc,
};
