#include "bench/commands/contents/properties_lines.h"

#include <cstdio>

#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"

namespace {

constexpr size_t kPhaseLabelLength = 15;

struct PhaseLabel {
    uint32_t bit;
    int32_t stringId;
};
constexpr PhaseLabel kPhaseLabels[] = {
    {kPhaseGas, 525},       {kPhaseLiquid, 526},        {kPhaseSolid, 527}, {kPhaseDissolved, 528},
    {kPhaseSuspended, 530}, {kPhasePrecipitate, 529},   {0x20, 531},        {kPhaseHeldApart, 1123},
};

std::string Format(const char* format, std::initializer_list<std::string> values) {
    std::string out;
    auto value = values.begin();
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && value != values.end()) {
            out += *value++;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace

int32_t PhaseLabelId(uint32_t phase) {
    for (const PhaseLabel& label : kPhaseLabels)
        if (phase & label.bit) return label.stringId;
    return 0;
}

std::vector<PropertiesLine> PropertiesLines(const LabObject& o, const std::function<std::string(int32_t)>& load,
                                            const std::function<std::string(double)>& number) {
    int32_t topLayer = 0;
    for (const ComponentSlot& s : o.slots)
        if (s.grams > 0 && s.layer > topLayer) topLayer = s.layer;

    std::vector<PropertiesLine> lines;
    for (const ComponentSlot& s : o.slots) {
        if (!(s.grams > 0)) continue;
        double grams = s.grams;
        uint32_t phase = s.phase;
        if (s.phase & kPhasePrecipitate) {
            // Shown with the solid of the same substance, or as a solid.
            if (MassOfComponent(o, s.cas, kPhaseSolid) > 0) continue;
            phase = kPhaseSolid;
        } else if (s.phase == kPhaseSolid) {
            grams += MassOfComponent(o, s.cas, kPhasePrecipitate);
        }
        const int32_t labelId = PhaseLabelId(phase);
        const std::string label = labelId ? load(labelId).substr(0, kPhaseLabelLength) : std::string();
        const uint32_t flags = ChemicalFlags(s.cas);
        const std::string gramsText = number(grams);
        std::string text;
        if (flags & kChemUnknown) {
            text = Format("%s (%s)  (%s g)", {UnknownName(s.cas), label, gramsText});
        } else if (flags & kChemNoMolarMass) {
            text = Format("%s (%s)  (%s g)", {ChemicalName(s.cas), label, gramsText});
        } else {
            const std::string name = ChemicalName(s.cas), formula = ChemicalFormula(s.cas);
            const std::string moles = number(MolesOf(s.cas, grams));
            text = Format("%s  %s (%s)  (%s g) (%s moles)", {name, formula, label, gramsText, moles});
            if (topLayer != 0) text += " (Layer = " + std::to_string(s.layer) + ")";
        }
        lines.push_back({s.cas, text});
    }
    return lines;
}

std::vector<int32_t> KeptReactionLines(const LabObject& o, int32_t lineCount) {
    std::vector<int32_t> kept;
    for (int32_t line = 1; line <= lineCount; ++line)
        if (HasReactionLine(o, line)) kept.push_back(line);
    return kept;
}
