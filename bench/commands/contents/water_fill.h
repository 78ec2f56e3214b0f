// Filling a vessel with distilled water: the levels the Water dialog offers,
// the fill it makes, and the colour water brings.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bench/window/bench_seams.h"
#include "common/lab_object.h"

constexpr double kRoomWaterKelvin = 293.0;
constexpr double kIceWaterKelvin = 253.0;

// The level the vessel starts from, in tenths of ml: its liquid, or ten times
// its solid volume when it holds solid and no liquid.
double WaterStartLevel(const LabObject& vessel);

// The offered levels in tenths: each fill step above the start level up to
// the capacity. Empty when the vessel has no fill step or is full.
std::vector<int32_t> WaterLevels(const LabObject& vessel);

// "30.0 ml" with the user's decimal separator.
std::string WaterLevelText(int32_t tenths, const std::string& separator);

// Fills the vessel to level (tenths) with water at kelvin (below 273 K as
// ice, 0.92 g per ml). Returns the tenths added; 0 when the level is not
// above the start level or the vessel took no water, and then nothing
// changes.
double FillWithWater(LabObject& vessel, double level, double kelvin);

// OK in the Water dialog: the level is the capacity for "Maximum volume",
// else the chosen offered level; water at 293 K or ice water at 253 K. A
// level not above the start changes nothing and writes no comment. While
// recording, comment 676 (675 for ice water), category 6.
double ApplyWaterChoice(LabObject& vessel, bool maximum, int32_t levelIndex, bool iceWater, BenchSeams& seams);
