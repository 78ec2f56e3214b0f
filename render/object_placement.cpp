#include "render/object_placement.h"

#include <algorithm>
#include <cmath>

Offset ThermometerOffset(const LabObject& o, int32_t bodyHeight) {
    switch (o.type) {
        case kGasSyringe: return {-35.0, static_cast<double>(bodyHeight / 5)};
        case kTestTube: return {-10.0, 0.0};
        case kErlenmeyerFlask:
        case kFlorenceFlask:
        case kRoundBottomFlask:
            return {static_cast<double>(o.pictureWidth / 2 - o.openingWidth / 2), 0.0};
        default: return {0.0, 0.0};
    }
}

bool DrawsThermometer(const LabObject& o) {
    return o.thermometerInserted != 0 && o.type != kCalorimeter && (o.kindFlags & kKindTakesThermometer);
}

PointD ExtraPosition(const LabObject& o, bool largeSet) {
    const double left = o.position.left, top = o.position.top;
    switch (o.type) {
        case kGeigerCounter: return {left + std::trunc(o.reading2 * 18.0 + 240.0), top + 50};
        case kCentigramBalance:
            if (o.stateBits == 1) return {left, top + 5};
            if (o.stateBits == 3) return {left, top - 5};
            return {left, top};
        case kPaperChromatography: return {left + 49, top + 45};
        case kGasSyringe:
            if (!largeSet) return {left, std::trunc(top + 125 - 2.8475 * o.reading2)};
            return {left, std::trunc(top + 185 - 4.25 * o.reading2)};
        default: return {left, std::trunc(top + 185 - 4.25 * o.reading2)};
    }
}

StopcockPlacement PlaceStopcock(const LabObject& o, bool large, int32_t width, int32_t height) {
    double dx, dy;
    bool fromTop = false;
    switch (o.type) {
        case kBuret: dx = large ? -10 : 0; dy = large ? -72 : -50; break;
        case kSeparatoryFunnel: dx = 25; dy = -55; break;
        case kInvertedBuret: dx = large ? -10 : -7; dy = large ? 124 : 83; fromTop = true; break;
        default: return {};
    }
    StopcockPlacement p{};
    p.drawn = true;
    p.x = o.position.left + dx;
    p.y = (fromTop ? o.position.top : o.position.bottom) + dy;
    // Each stopcock turns about the middle of its own picture where it is drawn.
    p.pivotX = p.x + width / 2;
    p.pivotY = p.y + height / 2;
    const bool turns = o.type != kSeparatoryFunnel || o.flowSetting > 0.0;
    p.degrees = turns ? o.flowSetting * 9.0 : 0.0;
    return p;
}

void PlaceHotPlateKnobs(const LabObject& o, Knob* heat, Knob* stirrer) {
    *heat = {o.position.left + 32.0, o.position.bottom - 50.0, o.reading1 * 36.0};
    *stirrer = {o.position.left + 183.0, o.position.bottom - 50.0, o.reading2 * 36.0};
}

PointD MantleSettingPosition(const LabObject& o, bool largeSet) {
    if (largeSet) return {o.position.left + 111.0, o.position.top - 53.0};
    return {o.position.left + 65.0, o.position.top - 47.0};
}

CentigramBeam CentigramRiders(double netGrams, int32_t state, bool large) {
    const double g = std::max(0.0, netGrams);
    const double hundredths = g * 100.0;
    const double whole = std::floor(hundredths);
    const int64_t n = static_cast<int64_t>(whole) + (hundredths - whole >= 0.5 ? 1 : 0);
    const double small = large ? 1.0 : 0.67;
    CentigramBeam b{};
    b.hundredths = n;
    // All three riders follow the rounded hundredths, so 1.997 g reads
    // 2.00 g rather than 1.00 g; the end stops stay where they were.
    b.fine = g >= 111.0 ? (large ? 238.0 : 159.46) : (n % 100) * 2.38 * small;
    b.unit = g >= 110.0 ? (large ? 238.0 : 159.46) : ((n / 100) % 10) * 23.8 * small;
    b.tens = g >= 110.0 ? (large ? 240.0 : 160.8) : static_cast<double>(std::min<int64_t>(n / 1000, 10)) * 24.0 * small;
    b.fine *= 2.0;
    b.unit *= 2.0;
    b.tens *= 2.0;
    b.beamDegrees = state == 1 ? -1.0 : state == 3 ? 1.0 : 0.0;
    b.scaleLift = state == 1 ? 5.0 : state == 3 ? -5.0 : 0.0;
    return b;
}

CentigramLayout PlaceCentigramParts(const CentigramBeam& b, double ax, double ay, bool large) {
    const double hundredthsDigit = static_cast<double>(b.hundredths % 10) * 11.5;
    CentigramLayout l{};
    if (large) {
        l.fineRider = {ax + 222 + b.fine, ay + 58};
        l.unitRider = {ax + 252 + b.unit, ay + 27};
        l.tensRider = {ax + 284 + b.tens, ay - 5};
        l.fineScale = {ax + 222 + b.fine, ay + b.scaleLift};
        l.pointer = {ax + 234 + b.fine + hundredthsDigit, ay + b.scaleLift + 20};
    } else {
        l.fineRider = {ax + 149 + b.fine, ay + 39};
        l.unitRider = {ax + 169 + b.unit, ay + 18};
        l.tensRider = {ax + 190 + b.tens, ay - 3};
        l.fineScale = {ax + 149 + b.fine, ay + b.scaleLift};
        l.pointer = {ax + 161 + b.fine + hundredthsDigit, ay + b.scaleLift + 20};
    }
    return l;
}

StripRect BenchStripRect(int32_t clientWidth, int32_t clientBottom, int32_t imageHeight) {
    return {clientWidth / 10, clientBottom - imageHeight, (4 * clientWidth) / 5, imageHeight};
}
