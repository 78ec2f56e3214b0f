// The lists of vessel types and sizes that the Chemicals, Transfer and
// Filter dialogs offer, and the Info text of a chemical.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/chemical_record.h"

struct ListChoice {
    int32_t data;  // the type or the size index
    std::string text;
};

// Types first..last whose prototypes have all of kindMask, the lab-dependent
// kinds only with their LabStyle bit; text = the type's name (30 at most).
std::vector<ListChoice> ContainerTypeChoices(int32_t first, int32_t last, uint32_t kindMask, uint32_t labStyle);

// Size indexes 1..lastSize of the type with a capacity in the state's
// template, as "%d ml".
std::vector<ListChoice> SizeChoices(int32_t type, int32_t lastSize, int32_t stateBits);

// The position of the first choice whose data is value, or -1.
int32_t ChoiceIndexOfData(const std::vector<ListChoice>& choices, int32_t value);

// The Info box's text: description, then molar mass, density, melting and
// boiling points, each hidden ("...") when unknown or flagged hidden.
// loadString answers a string-table text; formatNumber the locale text of a
// number with its printf format.
std::string ChemicalInfoText(const ChemicalRecord& chemical,
                             const std::function<std::string(int32_t id)>& loadString,
                             const std::function<std::string(const char* format, double value)>& formatNumber);
