// What the reaction details dialog shows of one reaction, and the record's
// flag word and values rebuilt from it on OK.
#pragma once
#include <string>

#include "wizard/udl_records.h"

namespace parvell {

constexpr int kReactionNameTyped = kReactionNameLength - 1;  // 124 characters

enum class ReactionRate { kInstantaneous, kFixed, kByConcentration };

struct ReactionDetails {
    std::string name;
    bool needsHeat = false;
    bool needsStirring = false;
    bool needsLight = false;
    bool useMinimum = false;
    double minimumCelsius = 0;
    bool useMaximum = false;
    double maximumCelsius = 0;
    bool useHeatOfReaction = false;
    double heatOfReaction = 0;  // kJ
    bool useEquilibrium = false;
    double equilibriumConstant = 0;
    ReactionRate rate = ReactionRate::kInstantaneous;
    double rateConstant = 0;  // k
    double orderFirst = 0;    // m
    double orderSecond = 0;   // n
};

ReactionDetails DetailsOf(const ReactionRecord& reaction);

// The flag word is rebuilt: the rate's word first (4, 8 or 16), then each
// option's bit. An instantaneous reaction gets rate constant 0; the orders are
// stored with a rate by concentration; a value is stored while its option is
// set. The name is stored bounded.
void ApplyReactionDetails(const ReactionDetails& details, ReactionRecord& reaction);

// A field's number: 0 for anything that is not a finite number.
double ParseNumberField(const std::string& text);
// "%.8f", or the "%.16g" form for a value too large for it.
std::string FormatDetailValue(double value);
// K keeps its digits whatever its size: "%.16g".
std::string FormatEquilibriumConstant(double value);

}  // namespace parvell
