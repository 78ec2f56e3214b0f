#include "bench/model/record_safety.h"

#include "bench/model/bench_validate.h"

#include <algorithm>

int32_t ClampBenchCoordinate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kBenchCoordinateLimit, kBenchCoordinateLimit));
}

void MakeRecordContentsSafe(LabObject& o) {
    o.note[sizeof o.note - 1] = '\0';
    SanitiseObjectValues(o);
}

bool MakeReadBenchSafe(LabObject* base, int32_t count) {
    if (count < 0 || count > kMaxLabObjects || (count > 0 && !base)) return false;
    for (int32_t i = 1; i <= count; ++i) {
        if (!IsEquipmentType(base[i].type)) return false;
        MakeRecordContentsSafe(base[i]);
    }
    MendBenchLinks(base, count);
    return true;
}
