// How many boiling bubbles a printed object shows.
#pragma once
#include <cstdint>

struct PrintBubbleInput {
    bool upright = false;
    bool heatable = false;        // kind flag 0x4
    double liquidVolume = 0.0;    // tenths of a millilitre
    double solidVolume = 0.0;
    double temperature = 0.0;     // kelvin
    double boilingPoint = 0.0;    // kelvin
    int32_t afterBoilCounter = 0; // lowered by one each time it is used
};

// Number of bubbles (0..10); lowers the after-boil counter when it is used.
int32_t PrintBubbleCount(PrintBubbleInput& in);

constexpr int32_t kMaxPrintBubbles = 10;
