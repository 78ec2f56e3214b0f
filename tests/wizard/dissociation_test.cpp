// The wizard's offer of a strong acid's or base's ions and of their reactions.
#include "wizard/reactions/dissociation.h"

#include <gtest/gtest.h>

#include <cstring>

#include "wizard/database/master_chemicals.h"
#include "wizard/meters.h"
#include "wizard/reactions/reaction_edits.h"

namespace {

using namespace parvell;

constexpr CasNumber kHydrochloricAcid = 7647010, kSodiumHydroxide = 1310732, kSodiumChloride = 7647145;
constexpr CasNumber kChlorideIon = 16887006, kSodiumIon = 17341252;

const ChemicalRecord* Master(CasNumber cas) {
    static const std::vector<ChemicalRecord> master = MasterChemicals();
    for (const ChemicalRecord& r : master)
        if (r.cas == cas) return &r;
    return nullptr;
}

// The master record as the lab chemical dialog leaves it: a 0.1 M solution.
ChemicalRecord Solution(CasNumber cas) {
    ChemicalRecord r = *Master(cas);
    r.state = kKindSolution;
    r.molarity = 0.1;
    r.solventCas = kCasWater;
    return r;
}

UdlLab LabOf(std::vector<ChemicalRecord> chemicals) {
    UdlLab lab;
    lab.chemicals = std::move(chemicals);
    lab.header.chemicalCount = int32_t(lab.chemicals.size());
    return lab;
}

size_t IndexOf(const UdlLab& lab, CasNumber cas) {
    for (size_t i = 0; i < lab.chemicals.size(); ++i)
        if (lab.chemicals[i].cas == cas) return i;
    return lab.chemicals.size();
}

struct Taking {
    CasNumber cas;
    uint32_t phase;
    double coefficient;
    bool product;
};

void ExpectReaction(const ReactionRecord& r, const char* name, std::vector<Taking> parts) {
    EXPECT_STREQ(r.name, name);
    EXPECT_EQ(r.flags, uint32_t(kReactInstantaneous)) << name;
    ASSERT_EQ(UsedParticipantCount(r), int(parts.size())) << name;
    for (size_t i = 0; i < parts.size(); ++i) {
        const ReactionParticipant& p = r.participants[i];
        EXPECT_EQ(p.cas, parts[i].cas) << name << " " << i;
        EXPECT_EQ(p.phase, parts[i].phase) << name << " " << i;
        EXPECT_EQ(p.coefficient, parts[i].coefficient) << name << " " << i;
        EXPECT_EQ(IsProduct(p), parts[i].product) << name << " " << i;
    }
}

TEST(Dissociation, AnAcidThenABaseBringTheirIonsAndTheNeutralisation) {
    const std::vector<ChemicalRecord> database = MasterChemicals();
    UdlLab lab = LabOf({*Master(kCasWater), Solution(kHydrochloricAcid)});

    DissociationOffer offer;
    ASSERT_TRUE(OfferDissociation(lab, 1, database.data(), int32_t(database.size()), &offer));
    EXPECT_FALSE(offer.neutralisation);
    ASSERT_EQ(offer.ions.size(), 2u);
    for (const ChemicalRecord& ion : offer.ions) {
        EXPECT_EQ(ion.state, kKindIon) << ion.name;
        EXPECT_EQ(ion.flags & (kChemStock | kChemProduct), uint32_t(kChemProduct)) << "not on the stock shelf";
    }
    EXPECT_EQ(DissociationIonNames(lab, offer), "Hydrogen ion and Chloride ion");
    AcceptDissociation(lab, offer);
    EXPECT_EQ(lab.header.chemicalCount, 4);
    EXPECT_EQ(lab.header.reactionCount, 1);
    ExpectReaction(lab.reactions[0], "Hydrochloric acid dissociates",
                   {{kHydrochloricAcid, kPhaseDissolved, 1, false},
                    {kCasHydrogenIon, kPhaseSecondLiquid, 1, true},
                    {kChlorideIon, kPhaseSecondLiquid, 1, true}});
    EXPECT_FALSE(OfferDissociation(lab, 1, database.data(), int32_t(database.size()), &offer))
        << "offered once: a reaction consumes it now";

    lab.chemicals.push_back(Solution(kSodiumHydroxide));
    ASSERT_TRUE(OfferDissociation(lab, 4, database.data(), int32_t(database.size()), &offer));
    EXPECT_TRUE(offer.neutralisation);
    EXPECT_EQ(DissociationIonNames(lab, offer), "Sodium ion and Hydroxide ion");
    AcceptDissociation(lab, offer);
    ASSERT_EQ(lab.reactions.size(), 3u);
    ExpectReaction(lab.reactions[1], "Sodium hydroxide dissociates",
                   {{kSodiumHydroxide, kPhaseDissolved, 1, false},
                    {kSodiumIon, kPhaseSecondLiquid, 1, true},
                    {kCasHydroxideIon, kPhaseSecondLiquid, 1, true}});
    ExpectReaction(lab.reactions[2], "Neutralisation",
                   {{kCasHydrogenIon, kPhaseSecondLiquid, 1, false},
                    {kCasHydroxideIon, kPhaseSecondLiquid, 1, false},
                    {kCasWater, kPhaseLiquid, 1, true}});
    EXPECT_EQ(lab.header.chemicalCount, 7);
}

TEST(Dissociation, NoOfferForWhatNeedsNone) {
    const std::vector<ChemicalRecord> database = MasterChemicals();
    ChemicalRecord gas = *Master(kHydrochloricAcid);
    ChemicalRecord salt = *Master(kSodiumChloride);
    salt.state = kKindSolution;
    struct Case {
        const char* what;
        UdlLab lab;
        size_t index;
    } cases[] = {
        {"not a solution", LabOf({gas}), 0},
        {"no strong acid or base", LabOf({salt}), 0},
        {"past the list", LabOf({Solution(kHydrochloricAcid)}), 1},
    };
    for (Case& c : cases) {
        DissociationOffer offer;
        EXPECT_FALSE(OfferDissociation(c.lab, c.index, database.data(), int32_t(database.size()), &offer)) << c.what;
    }
    // A reaction the author wrote already consumes it.
    UdlLab written = LabOf({Solution(kHydrochloricAcid)});
    ReactionRecord own{};
    AddParticipant(own, {kHydrochloricAcid, kPhaseDissolved, 1}, false);
    AddReaction(written, own);
    DissociationOffer offer;
    EXPECT_FALSE(OfferDissociation(written, 0, database.data(), int32_t(database.size()), &offer));
}

TEST(Dissociation, IonsComeFromTheDatabaseElseTheMasterTable) {
    // A per-user database made before the ions were shipped lacks them; one
    // edited by the teacher holds them as edited.
    ChemicalRecord edited = *Master(kChlorideIon);
    strcpy(edited.name, "Chloride (edited)");
    struct Case {
        const char* what;
        std::vector<ChemicalRecord> database;
        const char* chlorideName;
    } cases[] = {
        {"no ions in the database", {*Master(kCasWater), *Master(kHydrochloricAcid)}, "Chloride ion"},
        {"an edited ion", {*Master(kCasWater), edited}, "Chloride (edited)"},
        {"no database", {}, "Chloride ion"},
    };
    for (const Case& c : cases) {
        UdlLab lab = LabOf({*Master(kCasWater), Solution(kHydrochloricAcid)});
        DissociationOffer offer;
        ASSERT_TRUE(OfferDissociation(lab, 1, c.database.data(), int32_t(c.database.size()), &offer)) << c.what;
        AcceptDissociation(lab, offer);
        EXPECT_STREQ(lab.chemicals[IndexOf(lab, kChlorideIon)].name, c.chlorideName) << c.what;
    }
}

TEST(Dissociation, SulfuricAcidGivesTwoHydrogenIons) {
    UdlLab lab = LabOf({*Master(kCasWater), Solution(7664939)});
    DissociationOffer offer;
    ASSERT_TRUE(OfferDissociation(lab, 1, nullptr, 0, &offer));
    ExpectReaction(offer.reactions[0], "Sulfuric acid dissociates",
                   {{7664939, kPhaseDissolved, 1, false},
                    {kCasHydrogenIon, kPhaseSecondLiquid, 2, true},
                    {14808798, kPhaseSecondLiquid, 1, true}});
}

}  // namespace
