// What OK in the Chemicals dialog does to the vessel: every check first
// (kind of vessel, amount, capacity, a slot for every component), then the
// change of container and the addition, all or nothing.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "bench/commands/contents/chemical_amount.h"
#include "bench/window/bench_seams.h"
#include "common/chemical_record.h"
#include "common/lab_object.h"

constexpr double kAddedChemicalKelvin = 293.0;

struct ChemicalAddition {
    const ChemicalRecord* chemical;
    int32_t type;       // the container type chosen
    int32_t sizeIndex;  // and its size
    std::string amountText;
    AmountUnit unit;
};

enum class AdditionOutcome {
    kNotChosen,      // no chemical, type or size: nothing happens
    kTakesNoLiquid,  // box 608: the chosen kind of vessel takes no liquid
    kNothingToAdd,   // the amount is 0 or less, or the module left no grams
    kOverCapacity,   // box 520
    kNoRoom,         // a component found no free slot
    kAdded,
};

// The module's NewChemicalAddition for a solid: may change the grams.
using NewChemicalHook = std::function<void(LabObject& target, CasNumber cas, double* grams, int32_t* whole,
                                           int32_t* fraction, int32_t fractionDigits, float unitFactor)>;

struct AdditionResult {
    AdditionOutcome outcome;
    double amount;      // as typed, in the chosen unit
    double unitFactor;  // grams per typed unit of a solid; 1 otherwise
};

// Changes target only when the outcome is kAdded.
AdditionResult AddChemical(LabObject& target, const ChemicalAddition& addition, const NewChemicalHook& hook);

// How the dialog and its comments name a chemical: the display name of an
// unknown ("Unknown" when empty), "(0.100 M) name" for a solution, else the name.
std::string ChemicalCommentName(const ChemicalRecord& chemical);
// The chemical list's text; formatNumber gives the molarity in the locale.
std::string ChemicalListText(const ChemicalRecord& chemical,
                             const std::function<std::string(double)>& formatMolarity);

// The demonstration comments of an addition (category 7): 688 for a new
// vessel when one was selected, then 689 (solids) or 690 for the target.
void RecordChemicalAddition(BenchSeams& seams, const ChemicalRecord& chemical, const AdditionResult& result,
                            int32_t targetType, bool addedNew, bool objectSelected, int32_t newType);
