// What every reader of outside data (lab files, demonstrations, the
// clipboard) leaves on the bench: values the simulation can work with, and
// a check that tests and fuzz targets run after each reader.
#pragma once
#include <cstdint>
#include <string>

#include "common/lab_object.h"

// Makes the numbers of a record read from outside finite and in range:
// temperatures (object, boiling point, slots) in 0..773.15 K; amounts that
// cannot be negative (volumes, grams, precipitate, titrant delivered, flow,
// tare, heat-capacity factor, thermal mass, indicator amount, the head's
// steps, scales and empty mass) 0 when negative; anything NaN or infinite 0
// (temperatures: room temperature).
void SanitiseObjectValues(LabObject& object);

// The heavier check: count 0..50, types 1..28, links (host, hosted item,
// next member, pour target) in 0..count and not the object itself, group
// member counts in 0..count, and every value SanitiseObjectValues keeps in
// range. Empty when the bench is sound, else the first fault found.
std::string ValidateBench(const LabObject* base, int32_t count);
