// The light steps of every tick: heat from burners and hot plates, balance
// readings, and liquid drawn up by pipets, droppers and wires.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

void HeatSourceStep(int32_t count, LabObject* base, SimSeams& seams);
void BalanceStep(int32_t count, LabObject* base, SimSeams& seams);
void DrawUpStep(int32_t count, LabObject* base, SimSeams& seams);
// P takes `tenths` of liquid from its host H.
void DrawFromHost(LabObject& p, LabObject& h, double tenths, SimSeams& seams);
