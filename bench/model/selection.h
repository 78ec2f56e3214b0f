// What the user has selected on the bench: one object, or several framed
// together (a rubber band while the member count is still 0).
#pragma once
#include <cstdint>

#include "common/geometry.h"
#include "common/lab_object.h"

struct MultiSelectionState {
    bool active;                      // a band or a multi-selection is in progress
    int32_t memberCount;
    int32_t members[kMaxLabObjects];  // object indices, in the order they were taken
    RectI32 bounds;                   // union of the members' rectangles
    PointI32 dragOrigin;              // top-left of bounds when a drag began
};

extern int32_t SelectedObject;  // index of the singly selected object, 0 = none
extern bool ObjectSelected;
extern MultiSelectionState MultiSelection;
