#include "wizard/reactions/reaction_details.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "wizard/reactions/lab_chemical_lookup.h"

namespace parvell {

ReactionDetails DetailsOf(const ReactionRecord& reaction) {
    ReactionDetails d;
    d.name = BoundedText(reaction.name, sizeof reaction.name);
    const uint32_t f = reaction.flags;
    d.needsHeat = f & kReactNeedsHeat;
    d.needsStirring = f & kReactNeedsStirring;
    d.needsLight = f & kReactNeedsLight;
    d.useMinimum = f & kReactMinTemperature;
    d.minimumCelsius = reaction.minCelsius;
    d.useMaximum = f & kReactMaxTemperature;
    d.maximumCelsius = reaction.maxCelsius;
    d.useHeatOfReaction = f & kReactHeatOfReaction;
    d.heatOfReaction = reaction.heatOfReaction;
    d.useEquilibrium = f & kReactEquilibrium;
    d.equilibriumConstant = reaction.equilibriumConstant;
    d.rate = f & kReactRateLaw ? ReactionRate::kByConcentration
           : f & kReactFixedRate ? ReactionRate::kFixed
                                 : ReactionRate::kInstantaneous;
    d.rateConstant = reaction.rateConstant;
    d.orderFirst = reaction.orderFirst;
    d.orderSecond = reaction.orderSecond;
    return d;
}

void ApplyReactionDetails(const ReactionDetails& d, ReactionRecord& reaction) {
    StoreBoundedText(d.name.substr(0, kReactionNameTyped), reaction.name, sizeof reaction.name);
    switch (d.rate) {
    case ReactionRate::kInstantaneous:
        reaction.flags = kReactInstantaneous;
        reaction.rateConstant = 0;
        break;
    case ReactionRate::kFixed:
        reaction.flags = kReactFixedRate;
        reaction.rateConstant = d.rateConstant;
        break;
    case ReactionRate::kByConcentration:
        reaction.flags = kReactRateLaw;
        reaction.rateConstant = d.rateConstant;
        reaction.orderFirst = d.orderFirst;
        reaction.orderSecond = d.orderSecond;
        break;
    }
    const struct {
        bool set;
        uint32_t bit;
    } options[] = {
        {d.needsHeat, kReactNeedsHeat},         {d.needsStirring, kReactNeedsStirring},
        {d.needsLight, kReactNeedsLight},       {d.useMinimum, kReactMinTemperature},
        {d.useMaximum, kReactMaxTemperature},   {d.useHeatOfReaction, kReactHeatOfReaction},
        {d.useEquilibrium, kReactEquilibrium},
    };
    for (const auto& option : options) {
        if (option.set) reaction.flags |= option.bit;
        else reaction.flags &= ~option.bit;
    }
    if (d.useMinimum) reaction.minCelsius = d.minimumCelsius;
    if (d.useMaximum) reaction.maxCelsius = d.maximumCelsius;
    if (d.useHeatOfReaction) reaction.heatOfReaction = d.heatOfReaction;
    if (d.useEquilibrium) reaction.equilibriumConstant = d.equilibriumConstant;
}

double ParseNumberField(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    double value = strtod(start, &end);
    if (end == start) return 0;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0' && std::isfinite(value) ? value : 0;
}

std::string FormatDetailValue(double value) {
    char text[64];
    if (std::isfinite(value) && std::fabs(value) < 1e15) snprintf(text, sizeof text, "%.8f", value);
    else snprintf(text, sizeof text, "%.16g", value);
    return text;
}

std::string FormatEquilibriumConstant(double value) {
    char text[64];
    snprintf(text, sizeof text, "%.16g", value);
    return text;
}

}  // namespace parvell
