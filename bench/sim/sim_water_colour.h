// Adding a fill step of water or ice to a vessel, and the colour of two
// liquids poured together.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

// Colours are 0x00BBGGRR. Volumes may be in any one unit.
uint32_t MixColour(uint32_t a, double volumeA, uint32_t b, double volumeB);

// The colour of water from the chemical table; white when the lab has none.
uint32_t WaterColour();

// One Add Water step at the given temperature (below 273 K it is ice).
// Ice raises the level and pales the colour as water does.
void AddWaterStep(LabObject& vessel, double kelvin, BenchSeams& seams);
