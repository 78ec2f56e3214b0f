#include "wizard/database/colour_choices.h"

namespace parvell {

namespace {

// Two greens, two blues and two greys by name, as authors have always seen them.
constexpr ColourChoice kChoices[] = {
    {"white", 0xFFFFFF}, {"red", 0x0000FF},  {"green", 0x00FF00}, {"blue", 0xFF0000}, {"green", 0xFFFF00},
    {"yellow", 0x00FFFF}, {"blue", 0xFF00FF}, {"grey", 0xC0C0C0},  {"grey", 0x808080}, {"black", 0x000000},
};

}  // namespace

const ColourChoice* FixedColourChoices() { return kChoices; }
int FixedColourChoiceCount() { return int(sizeof kChoices / sizeof kChoices[0]); }

uint32_t ColourValueOf(const uint8_t rgb[3]) { return uint32_t(rgb[0]) | uint32_t(rgb[1]) << 8 | uint32_t(rgb[2]) << 16; }

void StoreColourValue(uint32_t value, uint8_t rgb[3]) {
    rgb[0] = uint8_t(value & 0xFF);
    rgb[1] = uint8_t(value >> 8 & 0xFF);
    rgb[2] = uint8_t(value >> 16 & 0xFF);
}

}  // namespace parvell
