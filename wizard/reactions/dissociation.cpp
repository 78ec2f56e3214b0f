#include "wizard/reactions/dissociation.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "wizard/database/master_chemicals.h"
#include "wizard/meters.h"
#include "wizard/reactions/reaction_edits.h"

namespace parvell {

namespace {

constexpr CasNumber kChlorideIon = 16887006, kNitrateIon = 14797558, kSulfateIon = 14808798;
constexpr CasNumber kSodiumIon = 17341252, kPotassiumIon = 24203369;

const Dissociation kStrongDissociations[] = {
    {7647010, {{kCasHydrogenIon, 1}, {kChlorideIon, 1}}},   // hydrochloric acid
    {7697372, {{kCasHydrogenIon, 1}, {kNitrateIon, 1}}},    // nitric acid
    {7664939, {{kCasHydrogenIon, 2}, {kSulfateIon, 1}}},    // sulfuric acid
    {1310732, {{kSodiumIon, 1}, {kCasHydroxideIon, 1}}},    // sodium hydroxide
    {1310583, {{kPotassiumIon, 1}, {kCasHydroxideIon, 1}}},  // potassium hydroxide
};

const ChemicalRecord* Find(const std::vector<ChemicalRecord>& records, CasNumber cas) {
    for (const ChemicalRecord& r : records)
        if (r.cas == cas) return &r;
    return nullptr;
}

const ChemicalRecord* FindIn(const ChemicalRecord* records, int32_t count, CasNumber cas) {
    for (int32_t i = 0; records && i < count; ++i)
        if (records[i].cas == cas) return &records[i];
    return nullptr;
}

bool Consumes(const ReactionRecord& r, CasNumber cas) {
    const int used = UsedParticipantCount(r);
    for (int i = 0; i < used; ++i)
        if (r.participants[i].cas == cas && !IsProduct(r.participants[i])) return true;
    return false;
}

ReactionParticipant Taking(CasNumber cas, uint32_t phase, double coefficient) {
    ReactionParticipant p{};
    p.cas = cas;
    p.phase = phase;
    p.coefficient = coefficient;
    return p;
}

ReactionRecord Instantaneous(const std::string& name) {
    ReactionRecord r{};
    r.flags = kReactInstantaneous;
    snprintf(r.name, sizeof r.name, "%s", name.c_str());
    return r;
}

std::string Bounded(const char* text, size_t width) { return std::string(text, strnlen(text, width)); }

}  // namespace

const Dissociation* StrongDissociation(CasNumber compound) {
    for (const Dissociation& d : kStrongDissociations)
        if (d.compound == compound) return &d;
    return nullptr;
}

bool OfferDissociation(const UdlLab& lab, size_t index, const ChemicalRecord* database, int32_t count,
                       DissociationOffer* offer) {
    if (index >= lab.chemicals.size()) return false;
    const ChemicalRecord& compound = lab.chemicals[index];
    const Dissociation* d = StrongDissociation(compound.cas);
    if (!d || !IsSolutionState(compound.state)) return false;
    for (const ReactionRecord& r : lab.reactions)
        if (Consumes(r, compound.cas)) return false;

    DissociationOffer made;
    const std::vector<ChemicalRecord> master = MasterChemicals();
    ReactionRecord dissociates = Instantaneous(Bounded(compound.name, sizeof compound.name) + " dissociates");
    AddParticipant(dissociates, Taking(compound.cas, kPhaseDissolved, 1), false);
    for (const DissociationIon& ion : d->ions) {
        AddParticipant(dissociates, Taking(ion.cas, kPhaseSecondLiquid, ion.coefficient), true);
        if (Find(lab.chemicals, ion.cas)) continue;
        const ChemicalRecord* record = FindIn(database, count, ion.cas);
        if (!record) record = Find(master, ion.cas);
        if (!record) return false;
        ChemicalRecord added = *record;
        // Formed in the vessel, never poured from the stock shelf.
        added.flags = (added.flags & ~uint32_t(kChemStock)) | kChemProduct;
        made.ions.push_back(added);
    }
    made.reactions.push_back(dissociates);

    const auto held = [&](CasNumber cas) {
        return Find(lab.chemicals, cas) || std::any_of(made.ions.begin(), made.ions.end(),
                                                       [cas](const ChemicalRecord& c) { return c.cas == cas; });
    };
    const bool neutralised = std::any_of(lab.reactions.begin(), lab.reactions.end(), [](const ReactionRecord& r) {
        return Consumes(r, kCasHydrogenIon) && Consumes(r, kCasHydroxideIon);
    });
    if (held(kCasHydrogenIon) && held(kCasHydroxideIon) && !neutralised && Find(lab.chemicals, kCasWater)) {
        ReactionRecord water = Instantaneous("Neutralisation");
        AddParticipant(water, Taking(kCasHydrogenIon, kPhaseSecondLiquid, 1), false);
        AddParticipant(water, Taking(kCasHydroxideIon, kPhaseSecondLiquid, 1), false);
        AddParticipant(water, Taking(kCasWater, kPhaseLiquid, 1), true);
        made.reactions.push_back(water);
        made.neutralisation = true;
    }
    *offer = std::move(made);
    return true;
}

void AcceptDissociation(UdlLab& lab, const DissociationOffer& offer) {
    lab.chemicals.insert(lab.chemicals.end(), offer.ions.begin(), offer.ions.end());
    lab.header.chemicalCount = int32_t(lab.chemicals.size());
    for (const ReactionRecord& r : offer.reactions) AddReaction(lab, r);
}

std::string DissociationIonNames(const UdlLab& lab, const DissociationOffer& offer) {
    if (offer.reactions.empty()) return "";
    const ReactionRecord& r = offer.reactions.front();
    std::vector<std::string> names;
    for (int i = 0; i < UsedParticipantCount(r); ++i) {
        if (!IsProduct(r.participants[i])) continue;
        const CasNumber cas = r.participants[i].cas;
        const ChemicalRecord* c = Find(lab.chemicals, cas);
        if (!c) c = Find(offer.ions, cas);
        if (c) names.push_back(Bounded(c->name, sizeof c->name));
    }
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace parvell
