// The colour lists of the chemical, reaction and indicator dialogs: ten fixed
// colours, any "custom" ones the author chose, then "Other...".
#pragma once
#include <cstdint>

namespace parvell {

constexpr int kStringOtherColour = 7;  // "Other..."

struct ColourChoice {
    const char* name;
    uint32_t value;  // 0x00BBGGRR
};

// The fixed entries, in the list's order ("white" first, the default).
const ColourChoice* FixedColourChoices();
int FixedColourChoiceCount();

uint32_t ColourValueOf(const uint8_t rgb[3]);
void StoreColourValue(uint32_t value, uint8_t rgb[3]);

}  // namespace parvell
