// The catalogue's fixed numbers: template keys with their flags, capacities
// and picture sizes per set, and the per-type prototype values. The geometry
// inside each picture comes from equipment_geometry.
#pragma once
#include <cstdint>

#include "common/geometry.h"

struct PictureSize {
    int32_t height;
    int32_t width;
};

struct TemplateKeyRow {
    int32_t type;
    int32_t sizeIndex;
    int32_t variant;
    int32_t state;
    uint32_t kindFlags;       // large and save tables
    uint32_t smallKindFlags;  // small table
    int32_t capacityMl;
    int32_t tiltable;
    int32_t combineCategory;
    PictureSize large, small, save;
};

struct PrototypeRow {
    int32_t sizeIndex;
    int32_t state;
    uint32_t kindFlags;
    int32_t capacityMl;
    PictureSize large, small;
    float kelvin;
    float boilingPoint;
    float addWaterStep;
    float pourStep;
    float emptyMass;
};

extern const TemplateKeyRow kTemplateKeys[82];
extern const PrototypeRow kPrototypeRows[29];  // index 0 unused
extern const char* const kEquipmentNames[29];  // index 0 unused
extern const PointI32 kDefaultBenchPoints[35];
