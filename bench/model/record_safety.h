// What every reader of outside records (lab files, the clipboard) does to a
// record before the simulation sees it.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

// Bench coordinates far beyond any screen; keeps the position arithmetic in range.
constexpr int64_t kBenchCoordinateLimit = int64_t{1} << 24;
int32_t ClampBenchCoordinate(int64_t v);

// The note terminated and every value made sound (SanitiseObjectValues).
void MakeRecordContentsSafe(LabObject& o);
