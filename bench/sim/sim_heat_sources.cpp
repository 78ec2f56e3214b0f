#include "bench/sim/sim_heat_sources.h"

#include <cmath>

#include "bench/sim/sim_support.h"

namespace {

constexpr int16_t kHeatingMantle = 0x20;
constexpr int32_t kHotPlateStirred = 1000;
// How far the vessel's bottom may stand from the source's top.
constexpr int32_t kBurnerReach = 59;
constexpr int32_t kHotPlateReach = 59;

// Heat settings come from files and dialogs: keep the product in 16 bits
// without wrapping a large or negative setting round to a small one.
uint16_t HeatFrom(double value) {
    const double truncated = std::trunc(value);
    if (!(truncated > 0)) return 0;
    return truncated >= 65535 ? 65535 : static_cast<uint16_t>(truncated);
}

bool IsHeatedVessel(const LabObject& v) {
    return (v.kindFlags & kKindHeatable) && (v.liquidVolume != 0 || v.solidVolume != 0);
}

bool Serves(const LabObject& source, const LabObject& v) {
    const int32_t cx = source.position.left + (source.position.right - source.position.left) / 2;
    if (!(v.position.left < cx && cx < v.position.right)) return false;
    if (v.host != 0 || (v.stateBits & kHeatingMantle)) return false;
    const int32_t d = v.position.bottom - source.position.top;
    if (source.type == kBunsenBurner) return d >= -kBurnerReach && d <= 0;
    return d >= 0 && d <= kHotPlateReach;
}

}  // namespace

void HeatSourceStep(int32_t count, LabObject* base, SimSeams& seams) {
    const int32_t burnerHeat = seams.BunsenBurnerHeat();
    const int32_t increments = seams.HotPlateIncrements() == 0 ? 1 : seams.HotPlateIncrements();
    int32_t stirring = 0;  // the last hot-plate stirring value seen in this step
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& v = base[i];
        if (!IsHeatedVessel(v)) continue;
        v.heatApplied = 0;
        if (v.stirringState >= kHotPlateStirred) {
            stirring = v.stirringState;
            v.stirringState = 0;
        }
        if (v.type == kRoundBottomFlask && (v.stateBits & kHeatingMantle))
            v.heatApplied = HeatFrom(v.reading1 * 10);
        // Every source is tested; the last one serving the vessel decides.
        for (int32_t j = 1; j <= count; ++j) {
            const LabObject& h = base[j];
            if (h.type != kBunsenBurner && h.type != kHotPlate) continue;
            if (!Serves(h, v)) continue;
            if (h.type == kBunsenBurner) {
                v.heatApplied = HeatFrom(burnerHeat);
                continue;
            }
            v.heatApplied = HeatFrom(static_cast<double>(increments) * h.reading1);
            if (h.reading2 > 0) v.stirringState = stirring < kHotPlateStirred ? kHotPlateStirred : stirring;
        }
    }
}
