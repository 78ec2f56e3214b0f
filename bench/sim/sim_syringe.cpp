#include "bench/sim/sim_syringe.h"

#include <cmath>

namespace {

bool UsableKelvin(double k) { return std::isfinite(k) && k > 0; }

// The temperature the syringe's gas moves towards: its host's, or the room's.
double TargetKelvin(const LabObject* base, int32_t count, int32_t index) {
    const int32_t host = base[index].host;
    if (host >= 1 && host <= count && host != index) return base[host].temperature;
    return kRoomKelvin;
}

}  // namespace

int32_t SyringePlungerPosition(double volumeMl) {
    if (!std::isfinite(volumeMl)) volumeMl = 0;
    if (volumeMl > 1e6) volumeMl = 1e6;
    if (volumeMl < -1e6) volumeMl = -1e6;
    return static_cast<int32_t>(kSyringePlungerTop - 2 * volumeMl);
}

void SyringeStep(LabObject* base, int32_t count, SimSeams& seams) {
    if (!base || count < 1) return;
    if (count > kMaxLabObjects) count = kMaxLabObjects;
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& syringe = base[i];
        if (syringe.type != kGasSyringe) continue;
        const double oldKelvin = syringe.temperature;
        const double target = TargetKelvin(base, count, i);
        if (!UsableKelvin(oldKelvin) || !UsableKelvin(target)) continue;
        const int32_t oldPlunger = SyringePlungerPosition(syringe.reading2);

        // The last step lands on the target, so a settled syringe stops changing.
        double kelvin = oldKelvin;
        if (std::fabs(target - oldKelvin) <= kSyringeStepKelvin)
            kelvin = target;
        else
            kelvin += target > oldKelvin ? kSyringeStepKelvin : -kSyringeStepKelvin;
        if (kelvin > kMaxKelvin) kelvin = kMaxKelvin;
        syringe.temperature = static_cast<float>(kelvin);
        const double newKelvin = syringe.temperature;
        if (newKelvin == oldKelvin) continue;

        if (std::isfinite(syringe.reading2)) syringe.reading2 = syringe.reading2 * newKelvin / oldKelvin;
        syringe.plungerPosition = SyringePlungerPosition(syringe.reading2);
        if (syringe.plungerPosition != oldPlunger) {
            const RectI32& at = syringe.position;
            seams.InvalidateLogicalRect(
                {at.left, at.top + oldPlunger - 20, at.right, at.top + oldPlunger + 20});
        }
    }
}
