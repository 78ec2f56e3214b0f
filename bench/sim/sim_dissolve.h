// The heavy step that dissolves solids below saturation, crystallises the
// excess above it, and gives the solid layer the look of its heaviest solid.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

void DissolveStep(LabObject* base, int32_t count);
