#include "modules/olvaris/olvaris_lab.h"

#include "common/component_slot.h"
#include "resources/olvaris/olvaris_resources.h"

namespace {

constexpr void CopyText(char* field, const char* text) {
    while (*text) *field++ = *text++;
}

constexpr ChemicalRecord DistilledWater() {
    ChemicalRecord water{};
    water.cas = kCasWater;
    const char formula[] = {'H', static_cast<char>(kFormulaSubscript), '2', 'O', '\0'};
    CopyText(water.formula, formula);
    CopyText(water.name, "Distilled Water");
    CopyText(water.description, "Colorless Liq");
    water.flags = kChemStock;
    water.state = kKindLiquid;
    water.colour[0] = water.colour[1] = water.colour[2] = 255;
    water.molarMass = 18.0153f;
    water.density = 1.0f;
    water.meltingPoint = 273.0f;
    water.boilingPoint = 373.0f;
    water.solubility273 = -1.0f;
    water.solubility373 = -1.0f;
    water.reactionRefs[0].line = 1;  // line 1 of the reaction text: water as a liquid
    water.reactionRefs[0].phaseMask = kPhaseLiquid;
    return water;
}

constexpr ChemicalRecord OlvarisChemicals[] = {DistilledWater()};

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
