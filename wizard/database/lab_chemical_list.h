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
constexpr int kStringSelectChemical = 1157;   // "You must first select a Chemical"
constexpr int kStringSelectChemicalCaption = 1158;  // "Tavistrel"
constexpr int kStringOfferIons = 1189;                // "In water, %s is wholly ions: %s. ..."
constexpr int kStringOfferIonsAndNeutralisation = 1190;

// Where an added chemical goes: after the lab list's selected item, at the
// end when none is selected.
size_t AddPosition(int selected, size_t count);

// The position of the lab's first chemical with key; -1 when it has none.
int LabChemicalIndex(const UdlLab& lab, CasNumber key);

// A lab needs water: when it has none, the database's water (the built-in
// record when the database lacks it) goes first. True when it was added.
bool EnsureLabWater(UdlLab& lab, const ChemicalRecord* database, int32_t count);

// The wizard's list texts: "%s  -  %s" (name, formula), and in the lab list
// "(%.3f M) %s  -  %s" for a solution. The prefix is all before the formula,
// which is drawn with its characters lowered and raised.
std::string ChemicalListPrefix(const ChemicalRecord& record, bool labList);
std::string ChemicalListText(const ChemicalRecord& record, bool labList);

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

// The record the lab chemical dialog goes back to when "solution" is
// unchecked: record itself, unless it is a solution already, when its state,
// solvent and molarity come from the database's record of its key (if that
// one is no solution).
ChemicalRecord EarlierStateOf(const ChemicalRecord& record, const ChemicalRecord* database, int32_t count);

// Applies the dialog to record; before is the record as it was when the
// dialog opened, whose solvent, state and molarity come back when "solution"
// is unchecked. 0, or 1138 for a solution without a molarity above 0 (record
// untouched then).
int ApplyLabChemicalProperties(const LabChemicalProperties& properties, const ChemicalRecord& before,
                               ChemicalRecord& record);

}  // namespace parvell
