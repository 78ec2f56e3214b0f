#include "wizard/indicators/indicator_edits.h"

#include <vector>

#include "common/component_slot.h"
#include "wizard/database/colour_choices.h"
#include "wizard/lab_options/lab_property_boxes.h"
#include "wizard/reactions/lab_chemical_lookup.h"

namespace parvell {

int32_t NextIndicatorId(const std::vector<IndicatorRecord>& indicators) {
    std::vector<bool> taken(size_t(kLastIndicatorId - kFirstIndicatorId + 1));
    for (const IndicatorRecord& r : indicators)
        if (r.id >= kFirstIndicatorId && r.id <= kLastIndicatorId) taken[size_t(r.id - kFirstIndicatorId)] = true;
    for (size_t i = 0; i < taken.size(); ++i)
        if (!taken[i]) return kFirstIndicatorId + int32_t(i);
    return 0;
}

void SyncIndicatorStyle(UdlLab& lab) {
    lab.header.indicatorCount = int32_t(lab.indicators.size());
    if (lab.indicators.empty()) lab.header.labStyle &= ~kStyleIndicators;
    else lab.header.labStyle |= kStyleIndicators;
}

bool AddIndicator(UdlLab& lab, IndicatorRecord indicator) {
    indicator.id = NextIndicatorId(lab.indicators);
    if (indicator.id == 0) return false;
    lab.indicators.push_back(indicator);
    SyncIndicatorStyle(lab);
    return true;
}

IndicatorRecord NewIndicatorRecord() {
    IndicatorRecord r{};
    StoreColourValue(0xFFFFFF, r.lowColour);
    StoreColourValue(0xFFFFFF, r.highColour);
    StoreColourValue(0xFFFFFF, r.fixedColour);
    return r;
}

bool DeleteIndicator(UdlLab& lab, size_t index) {
    if (index >= lab.indicators.size()) return false;
    lab.indicators.erase(lab.indicators.begin() + std::ptrdiff_t(index));
    SyncIndicatorStyle(lab);
    return true;
}

namespace {

bool IsSolid(const ChemicalRecord* chemical) { return chemical && chemical->state == kKindSolid; }

}  // namespace

IndicatorChoices ChoicesOf(const IndicatorRecord& r, const std::vector<ChemicalRecord>& chemicals) {
    IndicatorChoices c;
    c.name = BoundedText(r.name, sizeof r.name);
    c.description = BoundedText(r.description, sizeof r.description);
    c.cas = r.cas;
    c.inSolution = r.phase == kPhaseDissolved && IsSolid(FindLabChemical(chemicals, r.cas));
    c.measuresPh = r.mode == kIndicatorByPh;
    c.low = r.low;
    c.lowColour = ColourValueOf(r.lowColour);
    c.high = r.high;
    c.highColour = ColourValueOf(r.highColour);
    c.initialColour = r.fixedColourMark == -1;
    c.fixedColour = c.initialColour ? ColourValueOf(r.fixedColour) : 0xFFFFFF;
    return c;
}

int ApplyIndicatorChoices(const IndicatorChoices& c, const std::vector<ChemicalRecord>& chemicals,
                          IndicatorRecord& r) {
    const ChemicalRecord* chemical = c.cas ? FindLabChemical(chemicals, c.cas) : nullptr;
    if (!chemical) return kStringIndicatorNeedsChemical;
    if (!(c.low > 0)) return kStringInvalidLowerValue;
    if (!(c.high > 0)) return kStringInvalidHigherValue;

    StoreBoundedText(c.name.substr(0, kIndicatorNameTyped), r.name, sizeof r.name);
    StoreBoundedText(c.description.substr(0, kIndicatorDescriptionTyped), r.description, sizeof r.description);
    r.cas = chemical->cas;
    r.phase = c.inSolution && IsSolid(chemical) ? uint32_t(kPhaseDissolved) : VesselPhaseOf(chemical->state);
    r.mode = c.measuresPh ? kIndicatorByPh : kIndicatorByConcentration;
    r.low = c.low;
    StoreColourValue(c.lowColour, r.lowColour);
    r.high = c.high;
    StoreColourValue(c.highColour, r.highColour);
    r.fixedColourMark = c.initialColour ? -1 : 0;
    StoreColourValue(c.initialColour ? c.fixedColour : 0xFFFFFF, r.fixedColour);
    return 0;
}

}  // namespace parvell
