// What the reaction chemical dialog shows of one participant, its checks on
// OK, and the participant a chemical dropped on a reaction starts as.
#pragma once
#include <cstdint>

#include "common/chemical_record.h"
#include "wizard/udl_records.h"

namespace parvell {

constexpr int kStringInvalidCoefficient = 1176;    // "You must specify a valid mole fraction"
constexpr int kStringInvalidConcentration = 1177;  // "You must specify a valid concentration"
constexpr int kStringInvalidSecondConcentration = 1178;
constexpr int kStringErrorCaption = 1139;          // "Error"

struct ParticipantChoices {
    double coefficient = 1;
    bool inSolution = false;        // phase 0x8
    bool precipitate = false;       // phase 0x40
    bool fromAtmosphere = false;    // flag 0x100, offered for a gas only
    bool alwaysColourTest = false;  // flag 0x10
    bool colourChange = false;      // flag 0x4
    double low = 0;
    uint32_t colourA = 0xFFFFFF;    // 0x00BBGGRR
    bool colourRange = false;       // flag 0x8, only with 0x4
    double high = 0;
    uint32_t colourB = 0xFFFFFF;
};

ParticipantChoices ChoicesOf(const ReactionParticipant& participant);

// Whether "Gas from Atmosphere" is offered for the participant's phase.
bool OffersFromAtmosphere(uint32_t phase);

// 0, and the participant takes the choices; else the refusal's string id
// (1176, 1177 or 1178, checked in that order) and the participant is as it was.
// Its side (0x1 or 0x2) and other flag and phase bits are kept; a colour's
// values are stored while its box is checked.
int ApplyParticipantChoices(const ParticipantChoices& choices, ReactionParticipant& participant);

// A chemical dropped on a reaction: coefficient 1, the chemical's state as
// its phase, nothing else set.
ReactionParticipant DroppedParticipant(const ChemicalRecord& chemical);

}  // namespace parvell
