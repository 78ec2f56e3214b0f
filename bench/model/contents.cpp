#include "bench/model/contents.h"

#include <algorithm>
#include <cmath>

#include "bench/model/chemical_table.h"

namespace {

constexpr double kIceDensity = 0.92;
constexpr double kIcePoint = 273.15;
constexpr double kRoomSlotKelvin = 293.0;
constexpr uint32_t kPourablePhases = kPhaseLiquid | kPhaseDissolved | kPhaseSecondLiquid;  // 0x2A
constexpr uint32_t kLayerVolumePhases = kPhaseLiquid | kPhaseDissolved;                    // 0xA
constexpr uint32_t kAnySolid = kPhaseSolid | kPhasePrecipitate;                           // 0x44
constexpr uint32_t kMixingPhases =
    kPhaseLiquid | kPhaseSolid | kPhaseDissolved | kPhaseSecondLiquid;  // 0x2E
// Melting ice against the warmth of the water and its reciprocal.
constexpr double kIceCoolingFactor = 0.5034631000716503;
constexpr double kWaterWarmingFactor = 1.9862428842504745;
constexpr double kWaterSpecificHeat = 4.184;  // J per g and K
constexpr double kIceMeltingHeat = 334;       // J per g

bool Shares(uint32_t phase, uint32_t mask) { return (phase & mask) != 0; }

bool IsLiquidWater(CasNumber cas, uint32_t phase) {
    return cas == kCasWater && phase == kPhaseLiquid;
}

double ClampKelvin(double kelvin) {
    if (std::isnan(kelvin)) return kRoomSlotKelvin;
    if (kelvin < 0) return 0;
    if (kelvin > kMaxKelvin) return kMaxKelvin;
    return kelvin;
}

// A chemical the table does not know (or knows without a density) fills
// one millilitre per gram.
double VolumeDensity(CasNumber cas) {
    const double density = Density(cas);
    return density > 0 ? density : 1.0;
}

double SlotVolume(const ComponentSlot& s) { return s.grams / VolumeDensity(s.cas); }

double SlotMoles(const ComponentSlot& s) {
    const double molarMass = MolarMass(s.cas);
    return molarMass > 0 ? s.grams / molarMass : 0;
}

// The slot a removal of (CAS, mask) takes from: liquid water is always slot
// 0; otherwise the first matching slot that holds something, so an emptied
// slot kept for reuse never hides the substance in a later one.
int32_t RemovalSlot(const LabObject& o, CasNumber cas, uint32_t mask) {
    if (IsLiquidWater(cas, mask)) return 0;
    int32_t firstMatch = -1;
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        const ComponentSlot& s = o.slots[i];
        if (s.cas != cas || !Shares(s.phase, mask)) continue;
        if (s.grams > 0) return i;
        if (firstMatch < 0) firstMatch = i;
    }
    return firstMatch;
}

// The share of a slot's grams that a move takes: all of it when the whole
// amount goes, never more than it holds.
double ShareOf(double grams, double amount, double total) {
    if (amount >= total) return grams;
    const double share = grams * (amount / total);
    return share < grams ? share : grams;
}

void TakeFromSlot(ComponentSlot& s, double grams) {
    s.grams -= grams;
    if (!(s.grams > 0)) s.grams = 0;
}

}  // namespace

int AddComponent(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin) {
    // Negative or non-finite amounts would take mass away or poison the sums.
    if (cas == 0 || !std::isfinite(grams) || grams <= 0) return 0;
    const double t = ClampKelvin(kelvin);
    if (IsLiquidWater(cas, phase)) {
        ComponentSlot& water = o.slots[0];
        const double m = water.grams > 0 ? water.grams : 0;
        const double total = m + grams;
        if (!std::isfinite(total)) return 0;
        water.cas = kCasWater;
        water.phase = kPhaseLiquid;
        water.kelvin = ClampKelvin((m * water.kelvin + grams * t) / total);
        water.grams = total;
        return 1;
    }
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.cas != cas || !Shares(s.phase, phase)) continue;
        const double total = (s.grams > 0 ? s.grams : 0) + grams;
        if (!std::isfinite(total)) return 0;
        s.grams = total;
        s.kelvin = t;
        return 1;
    }
    for (int32_t i = 1; i < kComponentSlotCount; ++i) {
        ComponentSlot& s = o.slots[i];
        if (s.grams != 0) continue;
        s.cas = cas;
        s.phase = phase;
        s.grams = grams;
        s.kelvin = t;
        s.layer = 0;  // a reused slot must not keep the layer of what it held
        return 1;
    }
    return 0;
}

int RemoveComponent(LabObject& o, CasNumber cas, uint32_t phaseMask, double grams) {
    if (std::isnan(grams) || grams < 0) return 0;
    const int32_t slot = RemovalSlot(o, cas, phaseMask);
    if (slot < 0) return 0;
    TakeFromSlot(o.slots[slot], grams);
    return 1;
}

double ChangePhase(LabObject& o, CasNumber cas, uint32_t fromMask, uint32_t toPhase, double grams,
                   double kelvin) {
    if (cas == 0 || !(grams > 0)) return 0;
    const int32_t slot = RemovalSlot(o, cas, fromMask);
    if (slot < 0) return 0;
    ComponentSlot& from = o.slots[slot];
    const double amount = grams < from.grams ? grams : from.grams;
    if (!(amount > 0)) return 0;
    TakeFromSlot(from, amount);
    if (AddComponent(o, cas, toPhase, amount, kelvin)) return amount;
    // No room for the new phase: the substance stays where it was.
    from.grams += amount;
    return 0;
}

int SetComponentSlot(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin,
                     int32_t slot) {
    if (slot < 0 || slot >= kComponentSlotCount || std::isnan(grams) || std::isinf(grams)) return 0;
    ComponentSlot& s = o.slots[slot];
    s.cas = cas;
    s.phase = phase;
    s.grams = grams > 0 ? grams : 0;
    s.kelvin = ClampKelvin(kelvin);
    return 1;
}

CasNumber ComponentAt(const LabObject& o, int32_t slot, double* grams) {
    if (slot < 0 || slot >= kComponentSlotCount) {
        if (grams) *grams = 0;
        return 0;
    }
    if (grams) *grams = o.slots[slot].grams;
    return o.slots[slot].cas;
}

void ClearComponents(LabObject& o) {
    for (ComponentSlot& s : o.slots) {
        s.cas = 0;
        s.phase = 0;
        s.grams = 0;
    }
}

double MassOfComponent(const LabObject& o, CasNumber cas, uint32_t phaseMask) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.cas == cas && Shares(s.phase, phaseMask)) sum += s.grams;
    return sum;
}

double MassByPhase(const LabObject& o, uint32_t phaseMask) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (Shares(s.phase, phaseMask)) sum += s.grams;
    return sum;
}

double TotalComponentMass(const LabObject& o) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots) sum += s.grams;
    return sum;
}

double IceMass(const LabObject& o) { return MassOfComponent(o, kCasWater, kPhaseSolid); }

double IceVolume(const LabObject& o) { return IceMass(o) / kIceDensity; }

double MolesByPhase(const LabObject& o, uint32_t phaseMask) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (Shares(s.phase, phaseMask)) sum += SlotMoles(s);
    return sum;
}

double VolumeByPhase(const LabObject& o, uint32_t phaseMask) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (Shares(s.phase, phaseMask) && !Shares(s.phase, kPhaseDissolved)) sum += SlotVolume(s);
    return sum;
}

double TotalVolume(const LabObject& o) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots) {
        if (Shares(s.phase, kPhaseDissolved)) continue;
        if (s.cas == kCasWater && s.phase == kPhaseSolid)
            sum += s.grams / kIceDensity;
        else
            sum += SlotVolume(s);
    }
    return sum;
}

double AverageDensity(const LabObject& o, uint32_t phaseMask) {
    double grams = 0;
    double volume = 0;
    for (const ComponentSlot& s : o.slots) {
        if (!Shares(s.phase, phaseMask)) continue;
        grams += s.grams;
        if (phaseMask == kPhaseSolid && s.cas == kCasWater)
            volume += s.grams / kIceDensity;
        else
            volume += SlotVolume(s);
    }
    return volume > 0 ? grams / volume : 1.0;
}

double LayerMass(const LabObject& o, int32_t layer) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.layer == layer && s.grams > 0) sum += s.grams;
    return sum;
}

double LayerVolume(const LabObject& o, int32_t layer) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.layer == layer && s.grams > 0 && !Shares(s.phase, kPhaseDissolved)) sum += SlotVolume(s);
    return sum;
}

double LayerVolumeByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.layer == layer && Shares(s.phase, phaseMask) && !Shares(s.phase, kPhaseDissolved))
            sum += SlotVolume(s);
    return sum;
}

double LayerDensity(const LabObject& o, uint32_t phaseMask, int32_t layer) {
    double grams = 0;
    double volume = 0;
    for (const ComponentSlot& s : o.slots) {
        if (s.layer != layer || !Shares(s.phase, phaseMask)) continue;
        grams += s.grams;
        volume += SlotVolume(s);
    }
    return volume > 0 ? grams / volume : 1.0;
}

double LayerMassByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.layer == layer && Shares(s.phase, phaseMask)) sum += s.grams;
    return sum;
}

double LayerMolesByPhase(const LabObject& o, uint32_t phaseMask, int32_t layer) {
    double sum = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.layer == layer && Shares(s.phase, phaseMask)) sum += SlotMoles(s);
    return sum;
}

int32_t LayerCount(const LabObject& o) {
    int32_t highest = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.grams > 0 && s.layer > highest) highest = s.layer;
    return highest == INT32_MAX ? highest : highest + 1;
}

double ComponentTemperature(const LabObject& o, CasNumber cas, uint32_t phaseMask) {
    for (const ComponentSlot& s : o.slots)
        if (s.cas == cas && Shares(s.phase, phaseMask)) return s.kelvin;
    return kRoomSlotKelvin;
}

void SetComponentTemperature(LabObject& o, CasNumber cas, uint32_t exactPhase, double kelvin) {
    for (ComponentSlot& s : o.slots) {
        if (s.grams != 0 && s.cas == cas && s.phase == exactPhase) {
            s.kelvin = ClampKelvin(kelvin);
            return;
        }
    }
}

void SetPhaseTemperature(LabObject& o, uint32_t exactPhase, double kelvin) {
    for (ComponentSlot& s : o.slots) {
        if (s.grams != 0 && s.phase == exactPhase) {
            s.kelvin = ClampKelvin(kelvin);
            return;
        }
    }
}

void SetAllTemperatures(LabObject& o, double kelvin) {
    const double t = ClampKelvin(kelvin);
    for (ComponentSlot& s : o.slots)
        if (s.grams != 0) s.kelvin = t;
    o.temperature = static_cast<float>(t);
}

int HasReactionLine(const LabObject& o, int32_t line) {
    for (const ComponentSlot& s : o.slots) {
        if (!(s.grams > 0)) continue;
        const ChemicalRecord* record = FindChemicalRecord(s.cas);
        if (!record) continue;
        for (const ReactionTextRef& ref : record->reactionRefs)
            if (ref.line == line && Shares(ref.phaseMask, s.phase)) return 1;
    }
    return 0;
}

// Every move below adds to the destination first and takes from the source
// only what the destination accepted, so a full destination loses nothing.

void MoveAllComponents(LabObject& destination, LabObject& source) {
    if (&destination == &source) return;
    for (ComponentSlot& s : source.slots) {
        if (s.grams > 0 && !AddComponent(destination, s.cas, s.phase, s.grams, s.kelvin)) continue;
        s.cas = 0;
        s.phase = 0;
        s.grams = 0;
    }
}

void ReleaseHeldLiquid(LabObject& o) {
    if (!(MassByPhase(o, kPhaseHeldApart) > 0)) return;
    for (ComponentSlot& s : o.slots) {
        if (!Shares(s.phase, kPhaseHeldApart) || !(s.grams > 0)) continue;
        // Free the slot, then add the substance again as liquid so it joins
        // liquid water in slot 0 or its own liquid slot instead of forming a
        // second slot of the same kind.
        const ComponentSlot held = s;
        s.cas = 0;
        s.phase = 0;
        s.grams = 0;
        if (!AddComponent(o, held.cas, kPhaseLiquid, held.grams, held.kelvin)) s = held;
    }
    const double heldVolume = o.reading2;
    if (std::isfinite(heldVolume) && heldVolume > 0) o.liquidVolume += heldVolume;
    o.reading2 = 0;
}

void FilterSuspendedSolids(LabObject& destination, LabObject& source, double grams) {
    if (&destination == &source || !(grams > 0)) return;
    const double suspended = MassByPhase(source, kPhaseSuspended);
    if (!(suspended > 0)) return;
    for (ComponentSlot& s : source.slots) {
        if (s.phase != kPhaseSuspended || !(s.grams > 0)) continue;
        const double moved = ShareOf(s.grams, grams, suspended);
        if (moved > 0 && AddComponent(destination, s.cas, kPhaseSolid, moved, s.kelvin))
            TakeFromSlot(s, moved);
    }
}

void TransferSolids(LabObject& destination, LabObject& source, double grams, bool asSuspended) {
    if (&destination == &source || !(grams > 0)) return;
    // Precipitate moves with the solid, so both count in the share.
    const double solids = MassByPhase(source, kAnySolid);
    if (!(solids > 0)) return;
    const double amount = grams < solids ? grams : solids;
    for (ComponentSlot& s : source.slots) {
        if (!Shares(s.phase, kAnySolid) || !(s.grams > 0)) continue;
        const double moved = ShareOf(s.grams, amount, solids);
        const uint32_t phase = asSuspended ? kPhaseSuspended : s.phase;
        if (moved > 0 && AddComponent(destination, s.cas, phase, moved, s.kelvin))
            TakeFromSlot(s, moved);
    }
}

void PourLiquid(LabObject& destination, LabObject& source, double* volumeMl) {
    if (!volumeMl) return;
    double wanted = *volumeMl;
    *volumeMl = 0;
    if (&destination == &source || !(wanted > 0)) return;

    int32_t layer = 1;
    for (const ComponentSlot& s : source.slots)
        if (s.layer == 0 && s.grams > 0) layer = 0;

    const double pourable = MassByPhase(source, kPourablePhases);
    const double layerVolume = LayerVolumeByPhase(source, kLayerVolumePhases, layer);
    if (!(pourable > 0) || !(layerVolume > 0)) return;
    if (wanted > layerVolume) wanted = layerVolume;

    // Each slot of the layer gives the same fraction of itself; the volume
    // reported is what really left, which is less when the destination
    // refused a substance.
    bool everythingAccepted = true;
    double volumeMoved = 0;
    for (ComponentSlot& s : source.slots) {
        if (s.layer != layer || !Shares(s.phase, kPourablePhases) || !(s.grams > 0)) continue;
        const double moved = ShareOf(s.grams, wanted, layerVolume);
        if (!(moved > 0)) continue;
        if (!AddComponent(destination, s.cas, s.phase, moved, s.kelvin)) {
            everythingAccepted = false;
            continue;
        }
        if (Shares(s.phase, kLayerVolumePhases) && !Shares(s.phase, kPhaseDissolved))
            volumeMoved += moved / VolumeDensity(s.cas);
        TakeFromSlot(s, moved);
    }
    const double poured = everythingAccepted ? wanted : volumeMoved;
    if (destination.collectTitration && source.type == kBuret) destination.titrantDelivered += poured;
    *volumeMl = poured;
}

namespace {

// Ice turns to water at the water's temperature (slot 0 holds liquid water).
// The level counts ice at its own volume, so it shrinks as the ice melts.
void MeltIce(LabObject& o, double grams, double kelvin) {
    double left = grams;
    for (ComponentSlot& s : o.slots) {
        if (!(left > 0)) break;
        if (s.cas != kCasWater || !Shares(s.phase, kPhaseSolid) || !(s.grams > 0)) continue;
        const double taken = std::min(s.grams, left);
        s.grams -= taken;
        if (s.grams < 0) s.grams = 0;
        left -= taken;
    }
    const double moved = grams - left;
    o.slots[0].kelvin = kelvin;
    AddComponent(o, kCasWater, kPhaseLiquid, moved, kelvin);
    const double volume = o.liquidVolume + moved * 10 - moved / kIceDensity * 10;
    o.liquidVolume = std::isfinite(volume) && volume > 0 ? volume : 0;
}

}  // namespace

double IceWaterEquilibrium(LabObject& o) {
    const double ice = IceMass(o);
    const double all = TotalComponentMass(o);

    double iceKelvin = 0;
    double fallback = 0;
    if (ice == all && ice != 0) {
        iceKelvin = kRoomSlotKelvin;
        for (const ComponentSlot& s : o.slots) {
            if (s.cas == kCasWater && Shares(s.phase, kPhaseSolid) && s.grams > 0) {
                iceKelvin = s.kelvin;
                break;
            }
        }
        fallback = ClampKelvin(iceKelvin);
    }

    if (ice > 0) {
        ComponentSlot& water = o.slots[0];
        const bool hasWater = IsLiquidWater(water.cas, water.phase) && water.grams > 0;
        const double w = hasWater ? water.grams : 0;
        const double tw = hasWater ? water.kelvin : 0;
        if (w == 0) return fallback;
        const double t1 = tw - (ice / w) * (kIcePoint - iceKelvin) * kIceCoolingFactor;
        // The heat the water gives up as it cools melts ice, so ice in warm
        // water melts instead of chilling it to the ice point for ever.
        const double drop = tw - (t1 > kIcePoint ? t1 : kIcePoint);
        if (t1 != kIcePoint && drop > 0) {
            const double melted = std::min(drop * w * kWaterSpecificHeat / kIceMeltingHeat, ice);
            // Less ice than the drop would melt: the water cools only by what
            // melting it takes.
            const double cooled = melted < ice ? drop : melted * kIceMeltingHeat / (w * kWaterSpecificHeat);
            const double t = ClampKelvin(tw - cooled);
            MeltIce(o, melted, t);
            o.temperature = static_cast<float>(t);
            return t;
        }
        if (t1 > kIcePoint) {
            const double t = ClampKelvin(t1);
            water.kelvin = kIcePoint;
            o.temperature = static_cast<float>(t);
            return t;
        }
        if (t1 < kIcePoint) {
            o.temperature = static_cast<float>(kIcePoint);
            water.kelvin = ClampKelvin(iceKelvin - (w / ice) * (kIcePoint - tw) * kWaterWarmingFactor);
            return kIcePoint;
        }
        return o.temperature;
    }

    double grams = 0;
    double heat = 0;
    for (const ComponentSlot& s : o.slots) {
        if (s.grams == 0 || !Shares(s.phase, kMixingPhases)) continue;
        grams += s.grams;
        heat += s.grams * s.kelvin;
    }
    if (grams > 0 && heat > 0) return ClampKelvin(heat / grams);
    return o.temperature;
}
