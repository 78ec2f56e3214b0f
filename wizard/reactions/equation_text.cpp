#include "wizard/reactions/equation_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "wizard/reactions/lab_chemical_lookup.h"
#include "wizard/reactions/reaction_edits.h"

namespace parvell {

std::string FormatThreeDecimals(double value) {
    char text[64];
    // "%.3f" of a huge value would run to hundreds of digits.
    if (std::isfinite(value) && std::fabs(value) < 1e15) snprintf(text, sizeof text, "%.3f", value);
    else snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string EquationLine(const ReactionRecord& reaction, const std::vector<ChemicalRecord>& chemicals) {
    std::string line;
    auto append = [&line](const std::string& text) {
        line.append(text, 0, kEquationLineLength - std::min(line.size(), kEquationLineLength));
    };
    auto appendSide = [&](bool products) {
        int written = 0;
        for (int i = 0, used = UsedParticipantCount(reaction); i < used; ++i) {
            const ReactionParticipant& p = reaction.participants[i];
            if (IsProduct(p) != products || !(p.flags & (kPartReactant | kPartProduct))) continue;
            if (written++) append(products ? "+ " : " + ");
            const ChemicalRecord* chemical = FindLabChemical(chemicals, p.cas);
            append(FormatThreeDecimals(p.coefficient) + " (" + (chemical ? StoredFormulaOf(*chemical) : "?") + ") ");
        }
    };
    appendSide(false);
    append("->");
    appendSide(true);
    return line;
}

std::string BalanceLine(const ReactionRecord& reaction, const std::vector<ChemicalRecord>& chemicals) {
    double sides[2] = {0, 0};
    for (int i = 0, used = UsedParticipantCount(reaction); i < used; ++i) {
        const ReactionParticipant& p = reaction.participants[i];
        if (!(p.flags & (kPartReactant | kPartProduct))) continue;
        const ChemicalRecord* chemical = FindLabChemical(chemicals, p.cas);
        if (chemical) sides[IsProduct(p) ? 1 : 0] += p.coefficient * double(chemical->molarMass);
    }
    return "(LHS = " + FormatThreeDecimals(sides[0]) + ", RHS = " + FormatThreeDecimals(sides[1]) + ")";
}

std::string ChemicalTypeText(uint32_t flags, const std::string& stock, const std::string& product,
                             const std::string& unknown) {
    std::string text;
    const std::pair<uint32_t, const std::string*> kinds[] = {
        {kChemStock, &stock}, {kChemProduct, &product}, {kChemUnknown, &unknown}};
    for (const auto& [bit, name] : kinds) {
        if (!(flags & bit)) continue;
        if (!text.empty()) text += ", ";
        text += *name;
    }
    return text;
}

}  // namespace parvell
