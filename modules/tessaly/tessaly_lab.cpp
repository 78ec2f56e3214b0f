#include "modules/tessaly/tessaly_lab.h"

#include "common/lab_object.h"
#include "modules/frame/lab_chemicals.h"
#include "resources/tessaly/tessaly_resources.h"

namespace {

constexpr CasNumber kCasIron = 7439896;
constexpr CasNumber kCasCopper = 7440508;
constexpr CasNumber kCasAluminium = 7429905;

// The lab keeps each metal's specific heat, relative to water, where the
// table has room for it: the first conductivity coefficient.
constexpr ChemicalRecord WithSpecificHeat(ChemicalRecord record, double specificHeat) {
    record.conductivityA = specificHeat;
    return record;
}

constexpr LabChemicalRow kIronRow = {kCasIron, "Iron Shot", "Silvery white or gray metal", "Fe",
                                     kKindSolid, kChemStock, 192, 192, 192, 3, 287,
                                     55.845f, 7.87f, 1538.0f, 2588.0f, -1.0f, -1.0f};
constexpr LabChemicalRow kCopperRow = {kCasCopper, "Copper Shot", "red metal", "Cu",
                                       kKindSolid, kChemStock, 255, 64, 64, 3, 287,
                                       63.546f, 8.96f, 811.26f, 2289.0f, -1.0f, -1.0f};
constexpr LabChemicalRow kAluminiumRow = {kCasAluminium, "Aluminum Shot", "Silvery white metal", "Al",
                                          kKindSolid, kChemStock, 224, 224, 224, 3, 287,
                                          26.982f, 2.7f, 933.0f, 2792.0f, -1.0f, -1.0f};

constexpr ChemicalRecord kTessalyChemicals[] = {
    WithSpecificHeat(MakeLabChemical(kDistilledWaterRow), 1.0),
    WithSpecificHeat(MakeLabChemical(kIronRow), 0.115),
    WithSpecificHeat(MakeLabChemical(kCopperRow), 0.093),
    WithSpecificHeat(MakeLabChemical(kAluminiumRow), 0.22),
};
constexpr int32_t kTessalyChemicalCount = sizeof kTessalyChemicals / sizeof kTessalyChemicals[0];

}  // namespace

double TessalySpecificHeat(CasNumber cas) {
    if (cas == kCasWater) return 1.0;
    const ChemicalRecord* record = FindLabChemical(kTessalyChemicals, kTessalyChemicalCount, cas);
    return record ? record->conductivityA : 1.0;
}

// Shot in a warmer bath takes heat from it, half a kelvin a call, and so
// does each piece of metal in it.
static void WarmFromHost(int32_t count, LabObject* base, int32_t index) {
    LabObject& object = base[index];
    const int32_t host = object.host;
    if (host < 1 || host > count || host == index) return;
    LabObject& bath = base[host];
    if (!(bath.liquidVolume > 0.0) || !(bath.temperature - object.temperature > 0.5f)) return;
    object.temperature += 0.5f;
    bath.temperature -= 0.5f;
    if (!(object.solidVolume > 0.0)) return;
    for (int slot = 1; slot < kComponentSlotCount; ++slot)
        if (object.slots[slot].grams > 0.0) object.slots[slot].kelvin = object.temperature;
}

// The calorimeter settles where the heat the metal gives up equals the heat
// the water takes: each slot weighed by grams x specific heat.
static void MixCalorimeter(LabObject& calorimeter) {
    if (calorimeter.type != kCalorimeter) return;
    if (!(calorimeter.liquidVolume > 0.0) && !(calorimeter.solidVolume > 0.0)) return;
    const ComponentSlot& water = calorimeter.slots[0];
    if (water.cas != kCasWater || !(water.grams > 0.0)) return;
    double heatCapacity = 0.0;  // of the other contents, in grams of water
    double heatContent = 0.0;
    for (int slot = 1; slot < kComponentSlotCount; ++slot) {
        const ComponentSlot& s = calorimeter.slots[slot];
        if (!(s.grams > 0.0)) continue;
        const double capacity = s.grams * TessalySpecificHeat(s.cas);
        heatCapacity += capacity;
        heatContent += capacity * s.kelvin;
    }
    const double ratio = heatCapacity / water.grams;
    if (ratio == 0.0) return;
    const double mixed = (heatContent / water.grams + water.kelvin) / (ratio + 1.0);
    if (mixed > 0.0 && mixed <= kMaxKelvin) calorimeter.temperature = static_cast<float>(mixed);
}

int LAB_MODULE_CALL TessalySimulationProc(int count, LabObject* base) {
    if (!base || count < 1 || count > kMaxLabObjects) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        WarmFromHost(count, base, i);
        MixCalorimeter(base[i]);
    }
    return 0;
}

const LabModuleDefinition kTessalyLab = {
    TESSALY_NAME_STRING,
    TESSALY_DESCRIPTION_STRING,
    TESSALY_SMALL_ICON,
    {TESSALY_TEXT_INTRODUCTION, TESSALY_TEXT_PROCEDURE, TESSALY_TEXT_OBSERVATIONS},
    0,
    kStyleCalorimeter | kStyleNoObjectUpdate,
    kTessalyChemicals,
    kTessalyChemicalCount,
    TessalySimulationProc,
};
