#include "render/object_motion.h"

#include <cmath>

namespace {

constexpr int32_t kTiltStep = 15;
constexpr int32_t kFullTilt = -90;
constexpr uint32_t kKindTakesStirBar = 0x1000000;
constexpr int32_t kStirBarFirst = 1000;

}  // namespace

Tilt StepTilt(LabObject& o, int32_t bodyWidth, int32_t bodyHeight) {
    if (o.type == kCentigramBalance) return {};
    int32_t& angle = o.kindStateWord;
    const double left = o.position.left, top = o.position.top, bottom = o.position.bottom;
    if (o.variant == 1) {
        if (o.type == kSeparatoryFunnel && o.stirringState > 0) {
            angle = angle == -kTiltStep ? kTiltStep : -kTiltStep;  // shaken
        } else if (angle > kFullTilt) {
            angle -= kTiltStep;
        }
        return {true, static_cast<double>(angle), left + bodyWidth * 0.5,
                top + bodyHeight * 0.5 - (bodyHeight - bodyWidth) * 0.5};
    }
    if (o.variant == 0 && angle < 0) {
        angle += kTiltStep;
        return {true, static_cast<double>(angle), left + bodyHeight * 0.5, bottom - bodyWidth * 0.5};
    }
    return {};
}

StirringRod StepStirringRod(LabObject& o, bool largeSet, int32_t bodyWidth, int32_t bodyHeight,
                            int32_t rodHeight) {
    int32_t& s = o.stirringState;
    if (s < 1 || s > 999) return {};
    StirringRod rod{};
    if (o.type != kSeparatoryFunnel) {
        const double swing = std::sin(s / 3.0);
        rod.shown = true;
        if (largeSet) {
            rod.x = o.position.left + bodyWidth * 0.5 + swing * 25.0;
            rod.y = o.position.top + bodyHeight - rodHeight - 5;
        } else {
            rod.x = o.position.left + bodyWidth / 3 + swing * 16.0;
            rod.y = o.position.top + bodyHeight - rodHeight - 3;
        }
    }
    --s;
    return rod;
}

int32_t StepStirBar(LabObject& o) {
    int32_t& s = o.stirringState;
    if (s < kStirBarFirst || !(o.kindFlags & kKindTakesStirBar)) return 0;
    if (s >= kStirBarFirst + 4) {
        s = kStirBarFirst;
        return 2190;
    }
    ++s;
    switch (s) {
        case 1001: return 2188;
        case 1002: return 2191;
        case 1003: return 2189;
        default: return 2190;
    }
}
