// The authoring module's own contents operations. They differ from the
// bench's: an addition overwrites the slot temperature instead of mixing, a
// matching slot must have exactly the same phase, and volumes leave out gases
// and dissolved solids.
#pragma once
#include <cstdint>

#include "bench/model/contents.h"
#include "common/lab_object.h"

namespace parvell {

// 1 added, 0 when no slot had room (the amount is lost): every slot taken,
// or the slot would hold more than a bench holds (kMostSlotGrams); 0 too for
// an amount that is negative or not finite. The temperature is kept to
// 0..773.15 K.
int AddReactionComponent(LabObject& o, CasNumber cas, uint32_t phase, double grams, double kelvin);
// 1 taken, 0 when no slot matched or the amount is negative or not finite;
// a slot never goes below 0 grams.
int RemoveReactionComponent(LabObject& o, CasNumber cas, uint32_t phaseMask, double grams);
// Millilitres of the matching slots that are neither gas nor dissolved.
double ReactionPhaseVolume(const LabObject& o, uint32_t phaseMask);

// The sums and the clearing are the bench's own.
using ::ClearComponents;
using ::MassByPhase;
using ::MassOfComponent;
using ::TotalComponentMass;

// Grams / molar mass, 0 when the library has no molar mass for it.
double Moles(CasNumber cas, double grams);

}  // namespace parvell
