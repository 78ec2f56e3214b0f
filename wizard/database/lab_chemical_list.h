// The lab's own chemical list as the wizard edits it, and the lab-specific
// properties of one of its chemicals (the lab chemical properties dialog).
#pragma once
#include <cstdint>
#include <string>

#include "common/chemical_record.h"
#include "wizard/udl_lab.h"

namespace parvell {

constexpr int kStringCannotRemoveWater = 5;   // "Cannot remove water, required chemical for all labs"
constexpr int kStringWizardCaption = 6;       // "Tavistrel"
constexpr int kStringChemicalInReaction = 1188;  // "...still being used in reaction: %s"
constexpr int kStringInvalidMolarity = 1138;  // "You must specify a valid Molarity"

// Inserts a copy of record at position (clamped to the list) and keeps the
// header's count in step.
void InsertLabChemical(UdlLab& lab, size_t position, const ChemicalRecord& record);

// 0 when the chemical at index may go; else the string id of the refusal, with
// the first reaction that uses it in reactionName for 1188 (read bounded).
int LabChemicalRemovalRefusal(const UdlLab& lab, size_t index, std::string* reactionName);

// Removes the chemical at index when it may go; the refusal's string id or 0.
int RemoveLabChemical(UdlLab& lab, size_t index, std::string* reactionName);

// What the lab chemical properties dialog holds for one chemical.
struct LabChemicalProperties {
    bool solution = false;
    double molarity = 0;
    bool unknown = false;
    std::string unknownName;  // up to 30 characters
    bool stock = true;
    bool product = false;     // cleared while solution is checked
    uint8_t colour[3] = {255, 255, 255};
    bool flameTest = false;
    uint8_t flameColour[3] = {0, 0, 0};
    bool conductor = false;
    double conductivityA = 0;
    double conductivityB = 0;
};

constexpr double kDefaultConductivityA = 141.3;
constexpr double kDefaultConductivityB = 29.5;

LabChemicalProperties PropertiesOf(const ChemicalRecord& record);

// Applies the dialog to record; before is the record as it was when the
// dialog opened, whose solvent, state and molarity come back when "solution"
// is unchecked. 0, or 1138 for a solution without a molarity above 0 (record
// untouched then).
int ApplyLabChemicalProperties(const LabChemicalProperties& properties, const ChemicalRecord& before,
                               ChemicalRecord& record);

}  // namespace parvell
