#include "render/animation_frames.h"

#include <cmath>

namespace {

constexpr double kFlaskFlipAt = 0.25;

// A reading outside the vessel's range (a damaged record, an overfull
// vessel) shows the nearest end of the scale.
double ClampVolume(double tenths, double full) {
    if (!(tenths > 0)) return 0;
    return tenths > full ? full : tenths;
}

int32_t Digit(double value) { return static_cast<int32_t>(std::fmod(value, 10)); }

bool PlanBuret(const LabObject& o, MeniscusCloseUp* c) {
    double full;
    int32_t lastWhole;
    if (o.sizeIndex == 2)
        full = 500, lastWhole = 49;
    else if (o.sizeIndex == 1)
        full = 100, lastWhole = 9;
    else
        return false;
    const double v = ClampVolume(o.liquidVolume, full);
    const double rounded = std::floor(v + 0.5);
    // The 50 ml buret reads to the nearest tenth; the 10 ml one as it stands.
    const double read = o.sizeIndex == 2 ? full - rounded : full - v;
    const int32_t digit = Digit(read);
    int32_t whole = static_cast<int32_t>(read) / 10;
    if (whole > lastWhole) whole = lastWhole;

    c->pictureList = MeniscusList::kBuret;
    if (v == full)
        c->pictureIndex = 0;  // full
    else if (rounded == 0)
        c->pictureIndex = 1;  // empty
    else
        c->pictureIndex = digit + 2;
    c->picturePoint = {o.position.right + 10, o.position.top + 50};
    c->scaleList = o.type == kInvertedBuret ? ScaleList::kInvertedBuret : ScaleList::kBuret;
    c->scaleIndex = 0;
    c->scalePoint = {o.position.right + 13, o.position.top + 58};
    c->scaleOffset = kBuretPixelsPerMl * whole;
    return true;
}

bool PlanCylinder(const LabObject& o, MeniscusCloseUp* c) {
    double millilitres, read;
    int32_t digit, whole, scaleIndex;
    // The 10 ml cylinder stands in the 100 ml one's picture (no row of its
    // own) and reads on its own scale.
    const bool tenMl = o.sizeIndex == 1 || o.capacityMl == 10;
    if (o.sizeIndex == 3 && !tenMl) {
        const double v = ClampVolume(o.liquidVolume, 1000);
        millilitres = std::floor(v / 10 + 0.5);
        read = 1000 - 10 * millilitres;
        digit = Digit(read / 10);
        whole = static_cast<int32_t>(read) / 100;
        scaleIndex = 0;
    } else if (tenMl) {
        const double v = ClampVolume(o.liquidVolume, 100);
        millilitres = std::floor(v + 0.5);  // tenths here
        read = 100 - millilitres;
        digit = Digit(read);
        whole = static_cast<int32_t>(read) / 10;  // the same rounded reading as the digit
        scaleIndex = 1;
    } else {
        return false;
    }
    if (whole > 9) whole = 9;

    c->pictureList = MeniscusList::kCylinder;
    c->pictureIndex = millilitres == 0 ? 0 : digit + 1;
    c->picturePoint = {o.position.right + 10, o.position.top + 20};
    c->scaleList = ScaleList::kCylinder;
    c->scaleIndex = scaleIndex;
    c->scalePoint = {o.position.right + 13, o.position.top + 25};
    c->scaleOffset = kCylinderScaleStep * whole;
    return true;
}

}  // namespace

void AnimateRoundFlask(LabObject& o) {
    if (o.type != kRoundBottomFlask) return;
    int32_t& picture = o.currentPictureId;
    const double rate = o.flowSetting;
    if (rate == 0) {
        // Distilling stopped: settle back on the still picture.
        if (picture == kFlaskBubblingPicture) picture = kFlaskBoilingPicture;
        else if (picture == kFlaskHeatedPicture) picture = kFlaskPicture;
        if (picture == kFlaskPicture || picture == kFlaskBoilingPicture) return;
    }
    double& accumulator = o.reading2;
    accumulator += rate;
    if (accumulator < kFlaskFlipAt) {
        if (picture == kFlaskBubblingPicture) picture = kFlaskBoilingPicture;
        return;
    }
    accumulator = 0;
    picture = picture == kFlaskBoilingPicture ? kFlaskBubblingPicture : kFlaskBoilingPicture;
}

bool AnimateEyeDropper(LabObject& o, RectI32* strip) {
    if (o.type != kEyeDropper) return false;
    const double rate = o.liquidVolume > 0 ? o.flowSetting : 0;
    int32_t& picture = o.currentPictureId;
    if (rate > 0 && o.pourTarget != 0 && picture == kDropperPicture) {
        picture = kDropperDrippingPicture;
        return false;
    }
    if (picture != kDropperDrippingPicture) return false;
    picture = kDropperPicture;
    if (strip) *strip = {o.position.left, o.position.bottom - 10, o.position.right, o.position.bottom};
    return true;
}

bool PlanMeniscusCloseUp(const LabObject& o, MeniscusCloseUp* out) {
    if (!out || !(o.objectFlags & kObjShowMeniscus) || o.variant != 0) return false;
    if (o.type == kBuret || o.type == kInvertedBuret) return PlanBuret(o, out);
    if (o.type == kGraduatedCylinder) return PlanCylinder(o, out);
    return false;
}
