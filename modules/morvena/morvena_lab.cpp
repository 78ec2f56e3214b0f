#include "modules/morvena/morvena_lab.h"

#include "common/lab_object.h"
#include "modules/frame/lab_chemicals.h"
#include "resources/morvena/morvena_resources.h"

namespace {

constexpr LabChemicalRow kMorvenaRows[] = {
    {kCasWater, "Distilled Water", "Colorless Liquid", "H2O", kKindLiquid, kChemStock,
     255, 255, 255, 0, 0, 18.0153f, 1.0f, 273.0f, 373.0f, -1.0f, -1.0f},
    {10031433, "Copper(II) Nitrate trihydrate", "Bluish Crystals", "Cu(NO3)2\xB7" "3H2O", kKindSolid,
     kChemStock, 0, 0, 255, 3, 285, 241.6f, 2.32f, 387.5f, 443.0f, 137.8f, 1270.0f},
    {7757791, "Potassium Nitrate", "Colorless Crystals", "KNO3", kKindSolid, kChemStock,
     255, 255, 255, 3, 286, 101.11f, 2.109f, 607.0f, 673.0f, 13.3f, 247.0f},
    {7778509, "Potassium dichromate", "Red Crystals", "K2Cr2O7", kKindSolid, kChemStock,
     255, 0, 0, 3, 285, 294.19f, 2.676f, 671.0f, 773.0f, 4.9f, 102.0f},
    {7647145, "Sodium chloride", "Colorless Crystals", "NaCl", kKindSolid, kChemStock,
     255, 255, 255, 3, 285, 58.44f, 2.165f, 1074.0f, 1686.0f, 35.7f, 39.12f},
};

constexpr ChemicalRecord kMorvenaChemicals[] = {
    MakeLabChemical(kMorvenaRows[0]), MakeLabChemical(kMorvenaRows[1]),
    MakeLabChemical(kMorvenaRows[2]), MakeLabChemical(kMorvenaRows[3]),
    MakeLabChemical(kMorvenaRows[4]),
};
constexpr int32_t kMorvenaChemicalCount = sizeof kMorvenaChemicals / sizeof kMorvenaChemicals[0];

// The slot of crystals with the most grams; the first of equal maxima wins.
int HeaviestSolidSlot(const LabObject& object) {
    int heaviest = 0;
    double most = 0.0;
    for (int slot = 1; slot < kComponentSlotCount; ++slot) {
        const ComponentSlot& s = object.slots[slot];
        if (s.phase == kPhaseSolid && s.grams > most) {
            most = s.grams;
            heaviest = slot;
        }
    }
    return heaviest;
}

}  // namespace

// Every object but the burner shows its solid layer as the crystals that
// dominate it, tipped or not, container or not.
int LAB_MODULE_CALL MorvenaSimulationProc(int count, LabObject* base) {
    if (!base || count < 1 || count > kMaxLabObjects) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& object = base[i];
        if (object.type <= kBunsenBurner) continue;
        const int slot = HeaviestSolidSlot(object);
        if (slot == 0) continue;
        const ChemicalRecord* record =
            FindLabChemical(kMorvenaChemicals, kMorvenaChemicalCount, object.slots[slot].cas);
        object.solidColour[0] = record ? record->colour[0] : 0;
        object.solidColour[1] = record ? record->colour[1] : 0;
        object.solidColour[2] = record ? record->colour[2] : 0;
        object.solidFillKind = record ? record->brushStyle : -1;
        object.solidPatternId = record ? record->patternId : -1;
    }
    return 0;
}

const LabModuleDefinition kMorvenaLab = {
    MORVENA_NAME_STRING,
    MORVENA_DESCRIPTION_STRING,
    MORVENA_SMALL_ICON,
    {MORVENA_TEXT_INTRODUCTION, MORVENA_TEXT_PROCEDURE, MORVENA_TEXT_OBSERVATIONS},
    0,
    0,
    kMorvenaChemicals,
    kMorvenaChemicalCount,
    MorvenaSimulationProc,
};
