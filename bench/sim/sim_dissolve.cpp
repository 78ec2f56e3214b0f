#include "bench/sim/sim_dissolve.h"

#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/sim/sim_support.h"

namespace {

constexpr double kHeatedStep = 1.0;  // g per step
constexpr double kStirredStep = 5.0;
constexpr double kStillStep = 0.1;

// Grams per 100 g of water; a chemical the table does not know never dissolves.
double SolubilityOrNone(CasNumber cas, double kelvin) {
    const double s = Solubility(cas, kelvin);
    return s > 0 ? s : 0;
}

// A solubility of -1 (or no record at all) marks a chemical that mixes
// freely with water, as acids and ions do: there is no limit to go over.
bool MixesFreely(CasNumber cas) {
    const ChemicalRecord* record = FindChemicalRecord(cas);
    return !record || record->solubility273 < 0 || record->solubility373 < 0;
}

double SolidDensity(CasNumber cas) { return sim::VolumeDensity(Density(cas)); }

void Dissolve(LabObject& o) {
    const double step = o.heatApplied != 0 ? kHeatedStep : o.stirringState != 0 ? kStirredStep : kStillStep;
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.phase != kPhaseSolid || !(s.grams > 0)) continue;
        const double dissolved = MassOfComponent(o, s.cas, kPhaseDissolved);
        const double water = MassOfComponent(o, kCasWater, kPhaseLiquid);
        if (!(water * SolubilityOrNone(s.cas, o.temperature) / 100 - dissolved > 0)) continue;
        // A whole step goes even past saturation; crystallising takes the excess back.
        const double grams = s.grams > step ? step : s.grams;
        const CasNumber cas = s.cas;
        if (!AddComponent(o, cas, kPhaseDissolved, grams, s.kelvin)) continue;
        s.grams = s.grams > step ? s.grams - step : 0;
        o.solidVolume = sim::NonNegative(o.solidVolume - grams / SolidDensity(cas));
    }
}

void Crystallise(LabObject& o) {
    const double water = MassOfComponent(o, kCasWater, kPhaseLiquid);
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.phase != kPhaseDissolved || !(s.grams > 0) || MixesFreely(s.cas)) continue;
        double excess =
            MassOfComponent(o, s.cas, kPhaseDissolved) - water * SolubilityOrNone(s.cas, o.temperature) / 100;
        if (!(excess > 0)) continue;
        // Only this slot's grams can come out of it.
        if (excess > s.grams) excess = s.grams;
        if (!AddComponent(o, s.cas, kPhaseSolid, excess, s.kelvin)) continue;
        s.grams = sim::NonNegative(s.grams - excess);
        o.solidVolume += excess / SolidDensity(s.cas);
    }
}

void ShowHeaviestSolid(LabObject& o) {
    const ComponentSlot* heaviest = nullptr;
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = o.slots[i];
        if (s.phase == kPhaseSolid && s.grams > 0 && (!heaviest || s.grams > heaviest->grams)) heaviest = &s;
    }
    if (!heaviest) return;
    sim::StoreColour(o.solidColour, ChemicalColour(heaviest->cas));
    o.solidFillKind = BrushStyle(heaviest->cas);
    o.solidPatternId = PatternId(heaviest->cas);
}

}  // namespace

void DissolveStep(LabObject* base, int32_t count) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        if (!(o.kindFlags & kKindContainer) || sim::IsTipped(o)) continue;
        if (MassByPhase(o, kPhaseLiquid) > 0 && MassByPhase(o, kPhaseSolid) > 0) Dissolve(o);
        if (MassByPhase(o, kPhaseDissolved) > 0) Crystallise(o);
        ShowHeaviestSolid(o);
    }
}
