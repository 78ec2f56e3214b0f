// What every reader of outside data (lab files, demonstrations, the
// clipboard) leaves on the bench: values the simulation can work with, and
// a check that tests and fuzz targets run after each reader.
#pragma once
#include <cstdint>
#include <string>

#include "common/lab_object.h"

// The most a bench can hold: far beyond any vessel, yet small enough that
// no sum, product or division of the steps leaves the finite numbers.
constexpr double kMostSlotGrams = 1e5;        // any amount in grams
constexpr double kMostLiquidTenths = 1e5;     // 10 litres, in tenths of ml
constexpr double kMostSolidMl = 1e4;          // the same 10 litres in ml
constexpr double kMostReading = 1e9;          // readings and pH, either sign
constexpr int32_t kMostCapacityMl = 10000;
// Bench coordinates far beyond any screen; keeps the position arithmetic in range.
constexpr int64_t kBenchCoordinateLimit = int64_t{1} << 24;
// Offsets and sizes inside a picture (the head's geometry).
constexpr int32_t kMostHeadOffset = 1 << 16;

// Makes the numbers of a record read from outside finite and in range:
// temperatures (object, boiling point, slots) in 0..773.15 K; amounts that
// cannot be negative (volumes, grams, precipitate, titrant delivered, flow,
// tare, heat-capacity factor, thermal mass, indicator amount, the head's
// steps, scales and empty mass) in 0..the most a bench holds; readings and
// pH within +-kMostReading; anything NaN or infinite 0 (temperatures: room
// temperature) and denormals 0. Integers that steps do arithmetic on are
// bounded too: positions and group rectangles within +-2^24, the head's
// geometry within +-2^16 (sizes not negative), the capacity within
// 0..kMostCapacityMl and the stopwatch count not negative.
void SanitiseObjectValues(LabObject& object);

// Makes the links of base[1..count] answer each other: a link outside
// 1..count or to the object itself is cleared; a host that does not hold the
// object naming it, or a hosted item that names another host, loses that
// link (each side is judged by what its partner says, so a broken pair loses
// both); a ring of hosts is cut; a group whose ring does not close through
// members of its own count is dissolved (count, next member and group
// rectangle cleared on every object not in a sound ring). Afterwards the
// bench passes CheckBench's link checks. Returns how many objects changed.
int32_t MendBenchLinks(LabObject* base, int32_t count);

// The heavier check: count 0..50, types 1..28, links that CheckBench accepts
// (in range, answered by their partners, no ring of hosts, closed groups),
// and every value finite and in the range SanitiseObjectValues keeps
// (temperatures 0..773.15 K, amounts not negative). Empty when the bench is
// sound, else the first fault found.
std::string ValidateBench(const LabObject* base, int32_t count);
