#include "wizard/examples/acid_base_titration.h"

#include <cstdio>
#include <cstring>

#include "wizard/database/master_chemicals.h"
#include "wizard/reactions/dissociation.h"

namespace parvell {

namespace {

constexpr CasNumber kHydrochloricAcid = 7647010, kSodiumHydroxide = 1310732, kPhenolphthalein = 77098;
constexpr double kStockMolarity = 0.1;
constexpr int32_t kStyle = 0x1 | 0x2 | 0x8;  // pH meter, indicators, the authoring module's lab
constexpr uint8_t kColourless[3] = {255, 255, 255};
constexpr uint8_t kPink[3] = {255, 0, 255};

template <size_t N>
void Put(char (&field)[N], const char* text) {
    snprintf(field, N, "%s", text);
}

ChemicalRecord FromMaster(const std::vector<ChemicalRecord>& master, CasNumber cas) {
    for (const ChemicalRecord& r : master)
        if (r.cas == cas) return r;
    return ChemicalRecord{};
}

// What the lab chemical dialog makes of a stock ticked "solution".
ChemicalRecord Stock(const std::vector<ChemicalRecord>& master, CasNumber cas) {
    ChemicalRecord r = FromMaster(master, cas);
    r.state = kKindSolution | (r.state & kKindIon);
    r.molarity = kStockMolarity;
    r.solventCas = kCasWater;
    return r;
}

void AcceptIons(UdlLab& lab, size_t index, const std::vector<ChemicalRecord>& master) {
    DissociationOffer offer;
    if (OfferDissociation(lab, index, master.data(), int32_t(master.size()), &offer)) AcceptDissociation(lab, offer);
}

IndicatorRecord Phenolphthalein() {
    IndicatorRecord r{};
    r.id = kFirstIndicatorId;
    Put(r.name, "Phenolphthalein");
    Put(r.description, "Colourless in acid, pink from pH 8.2, deep pink above 10");
    r.mode = kIndicatorByPh;
    r.low = 8.2;
    memcpy(r.lowColour, kColourless, 3);
    r.high = 10;
    memcpy(r.highColour, kPink, 3);
    memcpy(r.fixedColour, kColourless, 3);
    r.cas = kPhenolphthalein;
    r.phase = kPhaseSolid;
    return r;
}

}  // namespace

UdlLab AcidBaseTitrationLab(const std::string& introduction, const std::string& procedure,
                            const std::string& observations) {
    const std::vector<ChemicalRecord> master = MasterChemicals();
    UdlLab lab;
    memcpy(lab.header.signature, kUdlSignature, sizeof kUdlSignature);
    Put(lab.header.moduleName, "Parvell.dll");
    Put(lab.header.title, kAcidBaseTitrationTitle);
    Put(lab.header.description,
        "Titrate 0.1 M hydrochloric acid with 0.1 M sodium hydroxide: find the end point with "
        "phenolphthalein and plot the pH curve.");
    Put(lab.header.author, "Brevane");
    lab.header.labStyle = kStyle;
    lab.introduction = introduction;
    lab.procedure = procedure;
    lab.observations = observations;

    ChemicalRecord indicator = FromMaster(master, kPhenolphthalein);
    indicator.flags &= ~uint32_t(kChemStock);  // it reaches the flask as the indicator, in drops
    lab.chemicals = {FromMaster(master, kCasWater), Stock(master, kHydrochloricAcid),
                     Stock(master, kSodiumHydroxide), indicator};
    lab.header.chemicalCount = int32_t(lab.chemicals.size());
    AcceptIons(lab, 1, master);
    AcceptIons(lab, 2, master);
    lab.indicators = {Phenolphthalein()};
    lab.header.indicatorCount = 1;
    return lab;
}

}  // namespace parvell
