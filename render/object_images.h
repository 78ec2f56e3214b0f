// Which pictures draw an object: by kind, size index, state bits and image
// set. Ids are PNG resource ids; 0 means the object has no such picture.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct ObjectImages {
    int32_t body;
    int32_t mask;
    int32_t accessory;
    int32_t front;
    int32_t extra;     // the moving part of some kinds
    int32_t stopcock;  // buret, inverted buret, separatory funnel
    int32_t knob;      // hot-plate knob; round-bottom flask: the mantle setting
};

constexpr int32_t kBenchStripImage = 1163;
constexpr int32_t kBubbleImage = 1188;
constexpr int32_t kStirringRodImage = 1162;
constexpr int32_t kLampImage = 2113;

// The pictures of one object. Kinds or combinations without pictures give
// all zeros (and the drawing skips them).
ObjectImages ChooseObjectImages(const LabObject& o, bool largeSet);

// The front glass and accessory drawn again over a hosted object, by its host.
struct HostOverlay {
    int32_t front;
    int32_t accessory;
};
HostOverlay ChooseHostOverlay(const LabObject& host, bool largeSet);

// The chromatogram frame for a reading of the paper-chromatography set.
int32_t ChromatogramFrame(double reading);

// The heating mantle's dial picture for its setting.
int32_t MantleSettingImage(double setting);

// The index of the object's host that drawing may follow: 0 (free-standing)
// when the host index lies outside 1..count or names the object itself.
int32_t DrawingHost(const LabObject* base, int32_t count, int32_t index);

// The label as drawn: at most three characters, ending at the first NUL.
// `out` receives them NUL-terminated; returns their number.
int LabelText(const LabObject& o, char out[kLabelLength + 1]);
