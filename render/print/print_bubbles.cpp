#include "render/print/print_bubbles.h"

#include <algorithm>
#include <cmath>

int32_t PrintBubbleCount(PrintBubbleInput& in) {
    if (!in.upright) return 0;
    if (!(in.liquidVolume >= 10.0 || in.solidVolume > 0.01)) return 0;
    const bool nearBoiling = in.heatable && in.temperature + 10.0 >= in.boilingPoint;
    if (!nearBoiling && in.afterBoilCounter == 0) return 0;
    if (in.afterBoilCounter != 0) {
        in.afterBoilCounter -= 1;
        return std::clamp(in.afterBoilCounter, 0, kMaxPrintBubbles);
    }
    const double gap = in.boilingPoint - in.temperature;
    const double below = std::isfinite(gap) ? std::clamp(std::trunc(gap), -100.0, 100.0) : 0.0;
    const int32_t n = std::clamp(10 - static_cast<int32_t>(below), 0, kMaxPrintBubbles);
    if (n != kMaxPrintBubbles) return n;
    if (in.liquidVolume < 20.0) return 2;
    if (in.liquidVolume < 50.0) return 3;
    if (in.liquidVolume < 100.0) return 5;
    return 10;
}
