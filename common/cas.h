// CAS registry numbers as the program stores them: the digits without hyphens
// in one unsigned 32-bit word (water 7732-18-5 is 7732185).
#pragma once
#include <cstdint>

using CasNumber = uint32_t;

constexpr CasNumber kCasWater = 7732185;
