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
