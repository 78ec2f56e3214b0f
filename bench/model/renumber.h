// One renumbering of the bench's records, applied everywhere an object index
// is kept: the link fields of every object, the selection, the buret under
// control, the Titration dialog's buret and the particle owners. Delete,
// Undo, Paste and moving an object to the back all go through it.
#pragma once
#include <cstdint>

#include "bench/window/bench_seams.h"
#include "common/lab_object.h"

// Where index k goes (0 and anything outside the table go to 0).
int32_t RemappedIndex(const IndexRemap& remap, int32_t k);

// The identity on 0..kLabObjectArrayLength - 1.
IndexRemap IdentityRemap();

// Follows the remap in base[1..count] (link fields), the selection (a
// removed selected object or member leaves the selection), BuretUnderControl,
// the Titration dialog's buret and the particle owners. A link whose object
// went (maps to 0, or beyond count) is cleared.
void RenumberBench(LabObject* base, int32_t count, const IndexRemap& remap);
