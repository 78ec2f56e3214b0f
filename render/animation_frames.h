// Pictures that change while equipment works (the distilling round-bottom
// flask, the dripping eye dropper) and the magnified meniscus beside a
// buret, an inverted gas buret or a graduated cylinder: which picture,
// which image-list entry and which window of the scale strip to show.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

enum AnimationPicture : int32_t {
    kFlaskPicture = 173,
    kFlaskBoilingPicture = 183,
    kFlaskBubblingPicture = 186,
    kFlaskHeatedPicture = 188,
    kDropperPicture = 206,
    kDropperDrippingPicture = 246,
};

// One tick of the distilling flask's picture (type 13 only).
void AnimateRoundFlask(LabObject& o);
// One tick of the eye dropper's picture (type 16 only). True when the drip
// picture ended: the strip under the dropper must be erased to the window
// colour; *strip then holds it.
bool AnimateEyeDropper(LabObject& o, RectI32* strip);

enum class MeniscusList : int32_t { kBuret, kCylinder };
enum class ScaleList : int32_t { kBuret, kInvertedBuret, kCylinder };

constexpr int32_t kMeniscusPictureWidth = 62, kMeniscusPictureHeight = 95;
constexpr int32_t kScaleStripWidth = 37;
constexpr int32_t kBuretScaleHeight = 2081, kCylinderScaleHeight = 626;
constexpr int32_t kScaleWindowHeight = 80;
constexpr int32_t kBuretPixelsPerMl = 40;  // scale offset per whole millilitre read
constexpr int32_t kCylinderScaleStep = 60; // scale offset per tens (100 ml) or unit (10 ml)

struct MeniscusCloseUp {
    MeniscusList pictureList;
    int32_t pictureIndex;
    PointI32 picturePoint;
    ScaleList scaleList;
    int32_t scaleIndex;
    PointI32 scalePoint;
    int32_t scaleOffset;  // top of the 80-pixel window in the strip
};

// False when the object shows no close-up (not upright, Show Meniscus off,
// another kind or size).
bool PlanMeniscusCloseUp(const LabObject& o, MeniscusCloseUp* out);
