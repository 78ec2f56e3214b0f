// What Copy takes from the bench and what Paste adds to it.
#pragma once
#include <cstdint>
#include <vector>

#include "common/geometry.h"
#include "common/lab_object.h"

struct CopySource {
    std::vector<int32_t> indices;  // the single selection, else the members in their order
    RectI32 picture;               // logical: the object's left/top and template size, or the bounds
};

// false when nothing is selected.
bool SelectionToCopy(CopySource* out);

// The objects must be pasted no further: the bench then holds 49.
constexpr int32_t kPasteLimit = kMaxLabObjects - 1;

// Appends the block's records (already read and checked) while the bench has
// fewer than 49 objects: each made safe, balances moved to the back. Marks
// the document modified and forgets the undo record when anything is added.
// Returns how many were added; the selection is left as it was.
int32_t PasteLabObjects(const std::vector<LabObject>& records);
