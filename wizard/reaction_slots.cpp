#include "wizard/reaction_slots.h"

#include "zephrane/chemical_database.h"

namespace parvell {

int AddReactionComponent(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin) {
    // Only liquid water lives in slot 0; ice and vapour take ordinary slots,
    // or they would turn the vessel's liquid into something else.
    if (cas == kCasWater && phase == kPhaseLiquid) {
        ComponentSlot& s = o.slots[0];
        s.cas = kCasWater;
        s.phase = kPhaseLiquid;
        s.grams += grams;
        s.kelvin = kelvin;
        return 1;
    }
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.cas != cas || s.phase != phase) continue;
        s.grams += grams;
        s.kelvin = kelvin;
        if (s.phase & kPhaseSolid) {
            double density = Chemical_Density(cas);
            if (density > 0) o.solidVolume += grams / density;
        }
        return 1;
    }
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.grams != 0) continue;
        s.cas = cas;
        s.phase = phase;
        s.grams += grams;
        s.kelvin = kelvin;
        return 1;
    }
    return 0;
}

int RemoveReactionComponent(LabObject& o, CasNumber cas, uint32_t phaseMask, double grams) {
    ComponentSlot* slot = nullptr;
    if (cas == kCasWater && (phaseMask & kPhaseLiquid)) {
        slot = &o.slots[0];
    } else {
        for (int i = 1; i < kComponentSlotCount && !slot; ++i)
            if (o.slots[i].cas == cas && (o.slots[i].phase & phaseMask)) slot = &o.slots[i];
    }
    if (!slot) return 0;
    slot->grams = grams >= slot->grams ? 0.0 : slot->grams - grams;
    return 1;
}

double ReactionPhaseVolume(const LabObject& o, uint32_t phaseMask) {
    double ml = 0;
    for (const ComponentSlot& s : o.slots) {
        if (!(s.phase & phaseMask) || (s.phase & (kPhaseGas | kPhaseDissolved))) continue;
        double density = Chemical_Density(s.cas);
        ml += s.grams / (density > 0 ? density : 1.0);
    }
    return ml;
}

double Moles(CasNumber cas, double grams) {
    double molarMass = Chemical_GMW(cas);
    return molarMass > 0 ? grams / molarMass : 0.0;
}

}  // namespace parvell
