// The contents procedures that move substances between objects: transfer to
// a new container, the Buchner funnel, extracting with a pipet, eye dropper
// or metal wire, and filling an inverted gas buret.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

void RegisterTransferCommands();

// The demonstration comment of a contents command, category 1: the string's
// format filled with the object's type name and, when given, one more text.
void RecordTypeComment(int32_t stringId, const LabObject& o, const char* more);
