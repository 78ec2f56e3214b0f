// The heavier check of a whole bench that tests and fuzzing run: counts,
// types, every link in range and not to itself, combinations mutual and no
// ring of hosts, groups closed rings of their member count.
#pragma once
#include <cstdint>
#include <string>

#include "common/lab_object.h"

// true when base[1..count] holds; otherwise false with the first fault
// described in *fault (when given).
bool CheckBench(const LabObject* base, int32_t count, std::string* fault = nullptr);
