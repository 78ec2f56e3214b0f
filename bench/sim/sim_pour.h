// Pouring: each heavy tick every source (a tipped vessel, a buret, dropper,
// pipet, separatory funnel or a distillation flask) finds the vessel under
// its outlet and hands it one portion.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

constexpr int32_t kOverflowWarning = 520;

bool IsPourSource(const LabObject& s);
// Tenths of ml per heavy tick; 0 or less pours nothing.
double PourPortion(const LabObject& s);

void FindOutletTargets(int32_t count, LabObject* base);
void PourStep(int32_t count, LabObject* base, int32_t selectedObject, SimSeams& seams);
