#include "wizard/database/lab_chemical_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "wizard/builtin_water.h"
#include "wizard/reaction_engine.h"

namespace parvell {

size_t AddPosition(int selected, size_t count) {
    return selected >= 0 && size_t(selected) < count ? size_t(selected) + 1 : count;
}

int LabChemicalIndex(const UdlLab& lab, CasNumber key) {
    for (size_t i = 0; i < lab.chemicals.size(); ++i)
        if (lab.chemicals[i].cas == key) return int(i);
    return -1;
}

bool EnsureLabWater(UdlLab& lab, const ChemicalRecord* database, int32_t count) {
    if (LabChemicalIndex(lab, kCasWater) >= 0) return false;
    ChemicalRecord water = BuiltInWaterRecord();
    for (int32_t i = 0; i < count; ++i)
        if (database[i].cas == kCasWater) {
            water = database[i];
            break;
        }
    InsertLabChemical(lab, 0, water);
    return true;
}

std::string ChemicalListPrefix(const ChemicalRecord& r, bool labList) {
    std::string name(r.name, strnlen(r.name, sizeof r.name));
    char molarity[48] = "";
    if (labList && (r.state & kKindSolution)) snprintf(molarity, sizeof molarity, "(%.3f M) ", r.molarity);
    return molarity + name + "  -  ";
}

std::string ChemicalListText(const ChemicalRecord& r, bool labList) {
    return ChemicalListPrefix(r, labList) + std::string(r.formula, strnlen(r.formula, sizeof r.formula));
}

ChemicalRecord EarlierStateOf(const ChemicalRecord& record, const ChemicalRecord* database, int32_t count) {
    ChemicalRecord earlier = record;
    if (!(record.state & kKindSolution)) return earlier;
    for (int32_t i = 0; i < count; ++i) {
        const ChemicalRecord& stored = database[i];
        if (stored.cas != record.cas) continue;
        if (stored.state & kKindSolution) break;
        earlier.state = stored.state;
        earlier.solventCas = stored.solventCas;
        earlier.molarity = stored.molarity;
        break;
    }
    return earlier;
}

void InsertLabChemical(UdlLab& lab, size_t position, const ChemicalRecord& record) {
    position = std::min(position, lab.chemicals.size());
    lab.chemicals.insert(lab.chemicals.begin() + std::ptrdiff_t(position), record);
    lab.header.chemicalCount = int32_t(lab.chemicals.size());
}

int LabChemicalRemovalRefusal(const UdlLab& lab, size_t index, std::string* reactionName) {
    if (index >= lab.chemicals.size()) return 0;
    CasNumber key = lab.chemicals[index].cas;
    if (key == kCasWater) return kStringCannotRemoveWater;
    for (const ReactionRecord& reaction : lab.reactions) {
        int used = UsedParticipantCount(reaction);
        for (int p = 0; p < used; ++p) {
            if (reaction.participants[p].cas != key) continue;
            if (reactionName) reactionName->assign(reaction.name, strnlen(reaction.name, sizeof reaction.name));
            return kStringChemicalInReaction;
        }
    }
    return 0;
}

int RemoveLabChemical(UdlLab& lab, size_t index, std::string* reactionName) {
    if (index >= lab.chemicals.size()) return 0;
    int refusal = LabChemicalRemovalRefusal(lab, index, reactionName);
    if (refusal) return refusal;
    lab.chemicals.erase(lab.chemicals.begin() + std::ptrdiff_t(index));
    lab.header.chemicalCount = int32_t(lab.chemicals.size());
    return 0;
}

LabChemicalProperties PropertiesOf(const ChemicalRecord& r) {
    LabChemicalProperties p;
    p.solution = (r.state & kKindSolution) != 0;
    p.molarity = r.molarity;
    p.unknown = (r.flags & kChemUnknown) != 0;
    p.unknownName.assign(r.unknownName, strnlen(r.unknownName, sizeof r.unknownName));
    p.stock = (r.flags & kChemStock) != 0;
    p.product = !p.solution && (r.flags & kChemProduct) != 0;
    memcpy(p.colour, r.colour, 3);
    p.flameTest = (r.flags & 0x200) != 0;
    memcpy(p.flameColour, r.flameColour, 3);
    p.conductor = (r.flags & 0x400) != 0;
    p.conductivityA = r.conductivityA;
    p.conductivityB = r.conductivityB;
    return p;
}

int ApplyLabChemicalProperties(const LabChemicalProperties& p, const ChemicalRecord& before, ChemicalRecord& r) {
    if (p.solution && !(p.molarity > 0)) return kStringInvalidMolarity;
    if (p.solution) {
        r.solventCas = kCasWater;
        r.state = kKindSolution | (before.state & kKindIon);
        r.molarity = p.molarity;
    } else if (before.state & kKindSolution) {
        // It opened as a solution: what it was before that is not known, so
        // it becomes what the database dialog starts a chemical as.
        r.solventCas = 0;
        r.molarity = 0;
        r.state = before.state & ~kKindSolution;
        if (r.state == 0) r.state = kKindSolid;
    } else {
        r.solventCas = before.solventCas;
        r.state = before.state;
        r.molarity = before.molarity;
    }

    uint32_t flags = r.flags & ~(kChemStock | kChemProduct | kChemUnknown | 0x200u | 0x400u);
    if (p.stock) flags |= kChemStock;
    if (p.product && !p.solution) flags |= kChemProduct;
    if (p.unknown) flags |= kChemUnknown;
    memset(r.unknownName, 0, sizeof r.unknownName);
    if (p.unknown) memcpy(r.unknownName, p.unknownName.data(), std::min(p.unknownName.size(), size_t(30)));
    memcpy(r.colour, p.colour, 3);
    if (p.flameTest) {
        flags |= 0x200;
        memcpy(r.flameColour, p.flameColour, 3);
    }
    if (p.conductor) {
        flags |= 0x400;
        r.conductivityA = p.conductivityA;
        r.conductivityB = p.conductivityB;
    }
    r.flags = flags;
    return 0;
}

}  // namespace parvell
