// What drawing up and pouring both do to the two vessels besides moving the
// slots: mix temperature and colour, raise the level, share the indicator.
#pragma once
#include "common/lab_object.h"

// The destination's temperature and colour after `tenths` of the source's
// liquid join its own liquid volume.
void MixIncoming(LabObject& destination, const LabObject& source, double tenths);
// Liquid arriving: solids already there count in the level from now on.
void ReceiveLiquid(LabObject& destination, double tenths);
// The share (0..1) of the source's indicator moves with its id.
void MoveIndicatorShare(LabObject& destination, LabObject& source, double share);
void MoveAllIndicator(LabObject& destination, LabObject& source);
