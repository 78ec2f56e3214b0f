// What the Properties dialog lists: one line per substance of a vessel, a
// solid and its precipitate joined, and which reaction lines concern it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/lab_object.h"

struct PropertiesLine {
    CasNumber cas;
    std::string text;
};

// The phase's label string id (first matching bit: gas, liquid, solid, in
// solution, in filter, precipitate, ion, in dropper); 0 for none.
int32_t PhaseLabelId(uint32_t phase);

// loadString answers a string-table text; formatNumber the locale text of a
// number with six decimals.
std::vector<PropertiesLine> PropertiesLines(const LabObject& vessel,
                                            const std::function<std::string(int32_t id)>& loadString,
                                            const std::function<std::string(double value)>& formatNumber);

// The reaction text cut to the lines (1-based, split at line ends) that some
// substance of the vessel names in one of its phases there; kept lines keep
// their order. Returns the kept line numbers.
std::vector<int32_t> KeptReactionLines(const LabObject& vessel, int32_t lineCount);
