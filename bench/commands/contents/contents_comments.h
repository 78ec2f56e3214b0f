// The demonstration comments of the contents commands (category 1).
#pragma once
#include <cstdint>

#include "common/lab_object.h"

// The string's format filled with the object's type name and, when given,
// one more text; "Missing Comment" when either string is missing.
void RecordTypeComment(int32_t stringId, const LabObject& o, const char* more);

// The string as it stands.
void RecordFixedComment(int32_t stringId);
