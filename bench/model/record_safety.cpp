#include "bench/model/record_safety.h"

#include <algorithm>
#include <cmath>

namespace {

double FiniteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

}  // namespace

int32_t ClampBenchCoordinate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kBenchCoordinateLimit, kBenchCoordinateLimit));
}

void MakeRecordContentsSafe(LabObject& o) {
    o.note[sizeof o.note - 1] = '\0';
    o.liquidVolume = std::max(0.0, FiniteOr(o.liquidVolume, 0));
    o.solidVolume = std::max(0.0, FiniteOr(o.solidVolume, 0));
    const double kelvin = FiniteOr(o.temperature, kRoomKelvin);
    o.temperature = static_cast<float>(std::clamp(kelvin, 0.0, double{kMaxKelvin}));
    for (ComponentSlot& slot : o.slots) {
        slot.grams = std::max(0.0, FiniteOr(slot.grams, 0));
        slot.kelvin = std::clamp(FiniteOr(slot.kelvin, kRoomKelvin), 0.0, double{kMaxKelvin});
    }
}
