// The bench's one array of lab objects. Record 0 is never an object; its
// address is the base handed to steps and modules, so object i is base[i].
#pragma once
#include <cstdint>

#include "common/lab_object.h"

extern LabObject LabObjects[kLabObjectArrayLength];
extern int32_t LabObjectCount;

// Clears every record and the count.
void ResetLabObjects();

// The first container in base[1..count], other than the object, whose
// rectangle meets the dippable object's; an index into that run, 0 = none.
int32_t FindIntersectingObject(int32_t count, const LabObject* base, const LabObject& object);
// The combinable partner whose rectangle holds the selected object's bottom edge.
int32_t FindObjectUnderSelection();
// The object the selected one is combined with (its host, or the item it
// hosts, the link named on both sides and both combinable); 0 for none.
int32_t FindCombinedPartnerOfSelection();
bool ObjectsBoundingRect(RectI32* out);

inline bool IsObjectFull(const LabObject& o) { return o.liquidVolume >= o.capacityMl * 10.0; }
