// The gas-syringe step of the heavy tick: each gas syringe's gas warms or
// cools 0.1 K towards its host (or the room), and its volume and plunger
// follow in proportion.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

constexpr double kSyringeStepKelvin = 0.1;
constexpr int32_t kSyringePlungerTop = 122;  // plunger pixels at 0 ml

// 122 - 2 x volume, truncated toward zero (volumes beyond any syringe are
// held to a range the pixels can take).
int32_t SyringePlungerPosition(double volumeMl);

void SyringeStep(LabObject* base, int32_t count, SimSeams& seams);
