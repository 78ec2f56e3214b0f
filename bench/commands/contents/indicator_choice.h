// The Indicators dialog's decisions: the lab's indicators as the module hands
// them over, the drops shown for a vessel, and what OK stores.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bench/window/bench_seams.h"
#include "common/indicator_record.h"
#include "common/lab_object.h"

struct IndicatorEntry {
    int32_t id;
    std::string name;         // read within its 35 bytes
    std::string description;  // read within its 100 bytes
};

// Indicators 0..count-1 from the module; a null record is skipped.
std::vector<IndicatorEntry> ReadIndicators(int32_t count, const std::function<const IndicatorRecord*(int32_t)>& property);

// The entry to select (the vessel's indicator, else the first; -1 when the
// list is empty) and the drops to show: the vessel's amount truncated, 1
// for an amount strictly between 0 and 1, 0 when its indicator is not listed.
int32_t InitialIndicator(const LabObject& vessel, const std::vector<IndicatorEntry>& entries, int32_t* drops);

// OK: a number above 0 in dropsText makes the chosen indicator the vessel's
// with that amount (comment 695, category 8, while recording); 0 or no
// number removes the indicator.
void ApplyIndicatorDrops(LabObject& vessel, const IndicatorEntry& chosen, const std::string& dropsText,
                         BenchSeams& seams);
