// Strong acids and bases are wholly ions in water, and the pH meter reads
// only ions: when a lab makes a solution of one, the wizard offers its ions
// and the reaction that forms them (and, once the lab holds both hydrogen and
// hydroxide ions, their neutralisation to water).
#pragma once
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "wizard/udl_lab.h"

namespace parvell {

struct DissociationIon {
    CasNumber cas;
    double coefficient;
};

struct Dissociation {
    CasNumber compound;
    DissociationIon ions[2];
};

// The dissociation of a strong acid or base the master database holds; null
// for any other chemical.
const Dissociation* StrongDissociation(CasNumber compound);

// What accepting the offer adds to the lab.
struct DissociationOffer {
    std::vector<ChemicalRecord> ions;       // the ions the lab lacks, as products
    std::vector<ReactionRecord> reactions;  // the dissociation, then perhaps the neutralisation
    bool neutralisation = false;
};

// The offer for the lab's chemical at index: made only for a solution of a
// strong acid or base that no reaction of the lab consumes yet, and only when
// every ion it needs is in the database (or, failing that, the master table).
bool OfferDissociation(const UdlLab& lab, size_t index, const ChemicalRecord* database, int32_t count,
                       DissociationOffer* offer);

// Appends the offer's ions and reactions, keeping the header's counts.
void AcceptDissociation(UdlLab& lab, const DissociationOffer& offer);

// "A and B" of the names of the ions the offered dissociation forms.
std::string DissociationIonNames(const UdlLab& lab, const DissociationOffer& offer);

}  // namespace parvell
