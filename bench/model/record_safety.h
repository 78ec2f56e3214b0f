// What every reader of outside records (lab files, the clipboard,
// demonstrations) does to a record before the simulation sees it.
#pragma once
#include <cstdint>

#include "bench/model/bench_validate.h"
#include "common/lab_object.h"

int32_t ClampBenchCoordinate(int64_t v);

// The note terminated and every value made sound (SanitiseObjectValues).
void MakeRecordContentsSafe(LabObject& o);

// A whole bench read from outside (a lab file's objects, a demonstration
// frame): every record's contents made safe and the links mended
// (MendBenchLinks). false when a record's type is outside 1..28; the records
// are then only partly made safe and must not be used.
bool MakeReadBenchSafe(LabObject* base, int32_t count);
