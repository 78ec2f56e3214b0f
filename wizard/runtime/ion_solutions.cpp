#include "wizard/runtime/ion_solutions.h"

#include <algorithm>

#include "common/component_slot.h"

namespace parvell {

namespace {

bool IsIon(const UdlLab& lab, CasNumber cas) {
    return std::any_of(lab.chemicals.begin(), lab.chemicals.end(),
                       [cas](const ChemicalRecord& c) { return c.cas == cas && (c.state & kKindIon); });
}

uint32_t AsIons(uint32_t phase) {
    return (phase & kPhaseDissolved) ? (phase & ~uint32_t(kPhaseDissolved)) | kPhaseSecondLiquid : phase;
}

}  // namespace

void UpgradeIonSolutions(UdlLab& lab) {
    for (ChemicalRecord& c : lab.chemicals)
        if (c.state == kKindSolution && c.ionCharge != 0) c.state |= kKindIon;
    for (ReactionRecord& r : lab.reactions)
        for (ReactionParticipant& p : r.participants)
            if (p.cas != 0 && IsIon(lab, p.cas)) p.phase = AsIons(p.phase);
    for (IndicatorRecord& i : lab.indicators)
        if (i.cas != 0 && IsIon(lab, i.cas)) i.phase = AsIons(i.phase);
}

}  // namespace parvell
