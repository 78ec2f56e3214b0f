#include "wizard/reactions/reaction_chemical.h"

#include "common/component_slot.h"
#include "wizard/database/colour_choices.h"

namespace parvell {

ParticipantChoices ChoicesOf(const ReactionParticipant& p) {
    ParticipantChoices c;
    c.coefficient = p.coefficient;
    c.inSolution = p.phase & (kPhaseDissolved | kPhaseSecondLiquid);  // an ion is in solution
    c.precipitate = p.phase & kPhasePrecipitate;
    c.fromAtmosphere = p.flags & kPartFromAtmosphere;
    c.alwaysColourTest = p.flags & kPartAlwaysColourTest;
    c.colourChange = p.flags & kPartColourRule;
    c.low = p.low;
    c.colourRange = (p.flags & kPartColourRule) && (p.flags & kPartColourGradient);
    c.high = p.high;
    // A colour never chosen shows the list's default, white.
    if (c.colourChange) c.colourA = ColourValueOf(p.colourA);
    if (c.colourRange) c.colourB = ColourValueOf(p.colourB);
    return c;
}

bool OffersFromAtmosphere(uint32_t phase) { return phase & kPhaseGas; }

int ApplyParticipantChoices(const ParticipantChoices& c, ReactionParticipant& p) {
    if (!(c.coefficient > 0)) return kStringInvalidCoefficient;
    if (c.colourChange && !(c.low >= 0)) return kStringInvalidConcentration;
    const bool range = c.colourChange && c.colourRange;
    if (range && !(c.high > 0)) return kStringInvalidSecondConcentration;

    p.coefficient = c.coefficient;
    p.phase &= ~uint32_t(kPhaseDissolved | kPhasePrecipitate);
    if (c.inSolution && !(p.phase & kPhaseSecondLiquid)) p.phase |= kPhaseDissolved;
    if (c.precipitate) p.phase |= kPhasePrecipitate;

    p.flags &= ~uint32_t(kPartFromAtmosphere | kPartAlwaysColourTest | kPartColourRule | kPartColourGradient);
    if (c.fromAtmosphere && OffersFromAtmosphere(p.phase)) p.flags |= kPartFromAtmosphere;
    if (c.alwaysColourTest) p.flags |= kPartAlwaysColourTest;
    if (c.colourChange) {
        p.flags |= kPartColourRule;
        p.low = c.low;
        StoreColourValue(c.colourA, p.colourA);
    }
    if (range) {
        p.flags |= kPartColourGradient;
        p.high = c.high;
        StoreColourValue(c.colourB, p.colourB);
    }
    return 0;
}

ReactionParticipant DroppedParticipant(const ChemicalRecord& chemical) {
    ReactionParticipant p{};
    p.cas = chemical.cas;
    p.phase = VesselPhaseOf(chemical.state);
    p.coefficient = 1;
    return p;
}

}  // namespace parvell
