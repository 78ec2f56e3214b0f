// The gas-syringe step of the heavy tick: temperature, volume and plunger of
// every gas syringe. Does nothing yet; the syringe dialog's work fills it in.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

void SyringeStep(LabObject* base, int32_t count, SimSeams& seams);
