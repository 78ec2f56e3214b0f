#include "wizard/reaction_slots.h"

#include <algorithm>
#include <cmath>

#include "bench/model/bench_validate.h"
#include "zephrane/chemical_database.h"

namespace parvell {

int AddReactionComponent(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin) {
    // As the bench's own additions: a negative or non-finite amount is
    // refused, and so is one that would take a slot beyond what a bench
    // holds (no room for it, as when every slot is taken).
    if (!std::isfinite(grams) || grams < 0) return 0;
    kelvin = std::isfinite(kelvin) ? std::clamp(kelvin, 0.0, double(kMaxKelvin)) : double(kRoomKelvin);
    // Only liquid water lives in slot 0; ice and vapour take ordinary slots,
    // or they would turn the vessel's liquid into something else.
    if (cas == kCasWater && phase == kPhaseLiquid) {
        ComponentSlot& s = o.slots[0];
        if (!(s.grams + grams <= kMostSlotGrams)) return 0;
        s.cas = kCasWater;
        s.phase = kPhaseLiquid;
        s.grams += grams;
        s.kelvin = kelvin;
        return 1;
    }
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.cas != cas || s.phase != phase) continue;
        if (!(s.grams + grams <= kMostSlotGrams)) return 0;
        s.grams += grams;
        s.kelvin = kelvin;
        if (s.phase & kPhaseSolid) {
            double density = Chemical_Density(cas);
            const double solidVolume = o.solidVolume + (density > 0 ? grams / density : 0.0);
            if (std::isfinite(solidVolume)) o.solidVolume = solidVolume;
        }
        return 1;
    }
    for (int i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.grams != 0) continue;
        if (!(grams <= kMostSlotGrams)) return 0;
        s.cas = cas;
        s.phase = phase;
        s.grams += grams;
        s.kelvin = kelvin;
        return 1;
    }
    return 0;
}

int RemoveReactionComponent(LabObject& o, CasNumber cas, uint32_t phaseMask, double grams) {
    if (!std::isfinite(grams) || grams < 0) return 0;
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
