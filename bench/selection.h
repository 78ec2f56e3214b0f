// What is selected on the bench: one object, or a multi-selection (a rubber
// band or a group). Indices are 1-based into the object array.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct MultiSelection {
    int32_t active;
    int32_t memberCount;
    int32_t members[kMaxLabObjects];
    RectI32 bounds;
};

struct BenchSelection {
    int32_t objectSelected;  // a single object is selected
    int32_t selectedObject;  // its index, 0 = none
    MultiSelection multi;
};

extern BenchSelection Selection;

inline void ClearSelection(BenchSelection& s) { s = BenchSelection{}; }
