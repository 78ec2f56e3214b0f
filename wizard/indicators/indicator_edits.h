// The Add Indicators page's edits of the lab's indicators, the ids new ones
// get, and what the indicator properties dialog checks and stores.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/chemical_record.h"
#include "common/indicator_record.h"
#include "wizard/udl_lab.h"

namespace parvell {

constexpr int kStringIndicatorNeedsChemical = 1140;  // "You must specify a valid chemical"
constexpr int kStringInvalidLowerValue = 1141;       // "...valid lower concentration"
constexpr int kStringInvalidHigherValue = 1142;      // "...valid higher concentration"
constexpr int kIndicatorNameTyped = kIndicatorNameLength - 1;                // 34
constexpr int kIndicatorDescriptionTyped = kIndicatorDescriptionLength - 1;  // 99

// The first id from 10100 up that no indicator has; 0 when every id up to
// 25000 is taken.
int32_t NextIndicatorId(const std::vector<IndicatorRecord>& indicators);

// Appends the indicator under the next free id and sets LabStyle 0x2; false,
// and nothing changes, when no id is free.
bool AddIndicator(UdlLab& lab, IndicatorRecord indicator);
// What Add Indicator opens with: every colour white, the colour lists' own
// default, so a colour left as it shows is no black liquid.
IndicatorRecord NewIndicatorRecord();
// Removes the indicator at index; the last one going clears LabStyle 0x2.
bool DeleteIndicator(UdlLab& lab, size_t index);
// LabStyle 0x2 set exactly while the lab has indicators.
void SyncIndicatorStyle(UdlLab& lab);

struct IndicatorChoices {
    std::string name;
    std::string description;
    CasNumber cas = 0;         // the chemical it follows
    bool inSolution = false;   // a solid followed dissolved
    bool measuresPh = false;   // mode 1
    double low = 0;
    uint32_t lowColour = 0xFFFFFF;  // 0x00BBGGRR
    double high = 0;
    uint32_t highColour = 0xFFFFFF;
    bool initialColour = false;  // a fixed colour
    uint32_t fixedColour = 0xFFFFFF;
};

IndicatorChoices ChoicesOf(const IndicatorRecord& indicator, const std::vector<ChemicalRecord>& chemicals);

// 0, and the record takes the choices (its id kept); else the refusal's
// string id (1140, 1141 or 1142, checked in that order) and the record is as
// it was. The phase stored is the chemical's state, 0x8 for a solid in solution.
int ApplyIndicatorChoices(const IndicatorChoices& choices, const std::vector<ChemicalRecord>& chemicals,
                          IndicatorRecord& indicator);

}  // namespace parvell
