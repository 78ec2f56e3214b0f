#include "wizard/builtin_water.h"

#include <cstring>

ChemicalRecord BuiltInWaterRecord() {
    ChemicalRecord r{};
    r.cas = kCasWater;
    const char formula[] = {'H', char(kFormulaSubscript), '2', 'O', '\0'};
    memcpy(r.formula, formula, sizeof formula);
    strcpy(r.name, "Water");
    r.flags = kChemStock;
    r.state = kKindLiquid;
    // White, so a vessel of plain water is drawn clear rather than black.
    r.colour[0] = r.colour[1] = r.colour[2] = 255;
    r.molarMass = 18.0153f;
    r.density = 1.0f;
    r.meltingPoint = 273;
    r.boilingPoint = 373;
    r.solubility273 = -1;
    r.solubility373 = -1;
    return r;
}
