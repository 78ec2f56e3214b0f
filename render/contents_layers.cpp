#include "render/contents_layers.h"

#include <algorithm>
#include <cmath>

#include "bench/model/contents.h"

namespace {

constexpr float kLiquidShade = 0.9f;
constexpr uint32_t kLiquidAndDissolved = kPhaseLiquid | kPhaseDissolved;

uint8_t Shade(uint8_t value) { return static_cast<uint8_t>(value * kLiquidShade); }

// What each kind's contents layer holds, by EquipmentType.
struct LayerKind {
    bool layer;          // has a mask and so a contents layer
    bool fullRectangle;  // painted by the full-rectangle scheme
    bool bubbles;
    bool precipitate;
};

LayerKind KindOfLayer(int32_t type) {
    switch (type) {
        case kTestTube: case kBeaker: case kFlorenceFlask: case kGraduatedCylinder:
        case kEvaporationDish: case kVolumetricFlask:
            return {true, true, true, true};
        case kSeparatoryFunnel:
            return {true, true, true, false};
        case kErlenmeyerFlask: case kWatchGlass: case kRoundBottomFlask:
            return {true, false, true, true};
        case kDumasBulb: case kInvertedBuret:
            return {true, false, true, false};
        case kBuret: case kEyeDropper: case kElectronicBalance: case kPipet:
            return {true, false, false, false};
        default:
            return {false, false, false, false};
    }
}

// A record may come from a file: no NaN or infinity may turn into a height.
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

struct PlanWriter {
    ContentsPlan& plan;
    void Add(LayerStepKind kind, LayerBrush brush, double height, double below, bool solid) {
        if (plan.stepCount >= kMaxLayerSteps) return;
        plan.steps[plan.stepCount++] = {kind, brush, height, below, solid};
    }
    void Band(LayerBrush brush, double height, double below, bool solid = false) {
        if (height > 0) Add(LayerStepKind::kBand, brush, height, below, solid);
    }
    void Hook() { Add(LayerStepKind::kCustomDraw, LayerBrush::kBlack, 0, 0, false); }
};

LayerBrush SolidBrush(const LabObject& o) {
    return o.solidPatternId == kSolidTexturePattern ? LayerBrush::kSolidTexture
                                                    : LayerBrush::kSolidHatch;
}

void PlanFullRectangle(const LabObject& o, const LayerHeights& h, PlanWriter& w) {
    w.Band(LayerBrush::kSecondLiquid, h.secondLiquid, 0);
    w.Band(LayerBrush::kLiquid, h.firstLiquid, 0);
    if (h.ice > 0) w.plan.usesIce = true;
    w.Band(LayerBrush::kIce, h.ice, h.iceBase);
    w.Hook();
    w.Band(SolidBrush(o), h.solid, 0, true);
}

void PlanErlenmeyer(const LabObject& o, const ContentsVolumes& v, bool smallSet, PlanWriter& w) {
    // What stands on a solid raised to its visible height is raised with it.
    double lift = 0;
    const auto height = [&](double ml) { return LiquidHeight(o.sizeIndex, ml, smallSet) + lift; };
    double volume = 0;
    if (v.sunkSolid > 0) {
        volume = v.sunkSolid;
        lift = std::max(0.0, VisibleSolidHeight(o, v) - height(volume));
        w.plan.solidSurface = height(volume);
        w.Hook();
        w.Band(SolidBrush(o), w.plan.solidSurface, 0, true);
    }
    const auto layer = [&](LayerBrush brush, double ml) {
        const double below = height(volume);
        volume += ml;
        w.Band(brush, height(volume), below);
        w.plan.liquidColumn = height(volume);
    };
    if (v.layers == 2) {
        if (v.firstLiquid > 0) layer(LayerBrush::kLiquid, v.firstLiquid);
        if (v.secondLiquid > 0) layer(LayerBrush::kSecondLiquid, v.secondLiquid);
    } else if (v.layers == 1 && v.liquid > 0) {
        layer(LayerBrush::kLiquid, v.liquid);
    }
    if (v.ice > 0) {
        w.plan.usesIce = true;
        const double below = height(volume);
        w.Band(LayerBrush::kIce, height(volume + v.ice), below);
    }
}

}  // namespace

LayerColour LiquidBrushColour(uint8_t red, uint8_t green, uint8_t blue) {
    return {Shade(red), green, Shade(blue)};
}

LayerColour SecondLiquidBrushColour(const LabObject& o) {
    return LiquidBrushColour(static_cast<uint8_t>(o.secondLayerRed & 0xFF),
                             static_cast<uint8_t>(o.secondLayerGreen & 0xFF),
                             static_cast<uint8_t>(o.secondLayerBlue & 0xFF));
}

int32_t SolidHatchStyle(int32_t solidFillKind, int32_t solidPatternId) {
    constexpr int32_t k90Percent = 17, k50Percent = 12, kSphere = 47, kLargeConfetti = 35;
    switch (solidFillKind) {
        case 2:
            return k50Percent;
        case 3:
            return solidPatternId == kSolidTexturePattern ? kSphere : kLargeConfetti;
        default:
            return k90Percent;
    }
}

int32_t SolidTexturePng(const LabObject& o) {
    const uint8_t* c = o.solidColour;
    return c[0] == 255 && c[1] == 64 && c[2] == 64 ? kRedSolidTexturePng : kSolidTexturePng;
}

float OutlinePenWidth(bool smallSet) { return smallSet ? 1.0f : 2.0f; }

double LiquidHeight(int32_t sizeIndex, double ml, bool smallSet) {
    double a, b;
    if (sizeIndex == 4) {
        a = smallSet ? 0.000268 : 0.0004;
        b = smallSet ? 0.2345 : 0.35;
    } else {
        a = smallSet ? 0.0026 : 0.0039;
        b = smallSet ? 0.335 : 0.5;
    }
    return 2 * (a * ml * ml + b * ml);
}

ContentsVolumes MeasureContents(const LabObject& o) {
    ContentsVolumes v{};
    v.layers = LayerCount(o);
    if (v.layers == 2) {
        v.firstLiquid = Finite(LayerVolumeByPhase(o, kLiquidAndDissolved, 0));
        v.secondLiquid = Finite(LayerVolumeByPhase(o, kLiquidAndDissolved, 1));
    }
    v.liquid = Finite(VolumeByPhase(o, kLiquidAndDissolved));
    v.solid = Finite(VolumeByPhase(o, kPhaseSolid));
    v.ice = Finite(IceVolume(o));
    // Ice is counted at its own density by IceVolume but at water's among
    // the solids, so the difference can dip below zero: no negative volume.
    v.sunkSolid = v.solid > v.ice ? v.solid - v.ice : 0.0;
    const double sunkGrams = Finite(MassByPhase(o, kPhaseSolid) - IceMass(o));
    v.sunkSolidGrams = sunkGrams > 0 ? sunkGrams : 0.0;
    v.liquidDensity = Finite(AverageDensity(o, kPhaseLiquid));
    v.solidDensity = Finite(AverageDensity(o, kPhaseSolid));
    return v;
}

double GraduatedTubeLift(const LabObject& o) {
    if (o.type != kBuret && o.type != kInvertedBuret) return 0;
    if (o.outlineShape != 3 || o.variant != 0) return 0;
    // The rectangle's bottom corners hold the tube's floor.
    const int32_t floor = o.liquidOutline[2].y > o.liquidOutline[3].y ? o.liquidOutline[2].y : o.liquidOutline[3].y;
    return floor > 0 && floor < o.pictureHeight ? o.pictureHeight - floor : 0;
}

LayerHeights ComputeLayerHeights(const LabObject& o, const ContentsVolumes& v) {
    const double scale = Finite(o.liquidHeightScale);
    LayerHeights h{};
    double x = v.layers == 2 ? v.firstLiquid : v.liquid;
    if (v.solidDensity > v.liquidDensity) x += v.sunkSolid;
    h.firstLiquid = 10 * x * scale;
    h.solid = 10 * v.sunkSolid * scale;
    const double raised = v.sunkSolid > 0 ? VisibleSolidHeight(o, v) - h.solid : 0.0;

    const double capacity = o.capacityMl;
    if (o.type == kSeparatoryFunnel) {
        // The funnel narrows towards its stopcock: the level rises faster
        // while it is nearly empty.
        if (x <= 0)
            h.firstLiquid = 0;
        else if (capacity >= 1)
            h.firstLiquid = std::sqrt(capacity / x) * 10 * x * scale + 5.0;
        else
            h.firstLiquid = 10 * x * scale + 5.0;
    } else if (o.type == kEvaporationDish) {
        h.firstLiquid = 10 * v.liquid * scale;
    }

    if (v.layers == 2) {
        if (o.type == kSeparatoryFunnel && v.secondLiquid > 0 && capacity >= 1)
            h.secondLiquid =
                std::sqrt(capacity / v.secondLiquid) * 0.75 * 10 * v.secondLiquid * scale +
                h.firstLiquid;
        else
            h.secondLiquid = 10 * v.secondLiquid * scale + h.firstLiquid;
    }
    const double liquid = v.layers == 2 ? v.firstLiquid + v.secondLiquid : v.liquid;
    if (liquid <= 0) h.firstLiquid = 0;
    if (raised > 0) {
        h.solid += raised;
        // A sinking solid carries the liquid up with it, by the same amount.
        if (h.firstLiquid > 0 && v.solidDensity > v.liquidDensity && o.type != kEvaporationDish) {
            h.firstLiquid += raised;
            if (h.secondLiquid > 0) h.secondLiquid += raised;
        }
    }

    // Ice floats on whichever liquid is on top.
    h.iceBase = v.layers == 2 && h.secondLiquid > h.firstLiquid ? h.secondLiquid : h.firstLiquid;
    h.ice = v.ice > 0 ? 10 * v.ice * scale + h.iceBase : 0;
    return h;
}

double VisibleSolidHeight(const LabObject& o, const ContentsVolumes& v) {
    if (!(v.sunkSolidGrams >= kVisibleSolidGrams)) return 0;
    // The cavity's lowest point; a tipped vessel's points are turned, so
    // there the layer's own bottom edge stands in.
    double floorDepth = 0;
    if (o.outlineShape != 0 && o.variant == 0) {
        int32_t lowest = 0;
        for (const PointI32& p : o.liquidOutline) lowest = std::max(lowest, p.y);
        if (lowest > 0 && lowest < o.pictureHeight) floorDepth = o.pictureHeight - lowest;
    }
    // The surface line's lower half sits on the floor; a band under it shows
    // the solid itself, except in the watch glass, whose solid is the line alone.
    constexpr double kBandAboveFloor = 3.0;
    return floorDepth + kSurfaceEllipseHeight / 2 + (o.type == kWatchGlass ? 0.0 : kBandAboveFloor);
}

ContentsPlan PlanContentsLayer(const LabObject& o, bool smallSet) {
    ContentsPlan plan{};
    const LayerKind kind = KindOfLayer(o.type);
    if (!kind.layer) return plan;
    plan.hasLayer = true;
    plan.bubbles = kind.bubbles;
    plan.precipitate = kind.precipitate;
    PlanWriter w{plan};

    const ContentsVolumes v = MeasureContents(o);
    if (o.type == kErlenmeyerFlask) {
        PlanErlenmeyer(o, v, smallSet, w);
        return plan;
    }
    const LayerHeights h = ComputeLayerHeights(o, v);
    const double scale = Finite(o.liquidHeightScale);
    const double plainLiquid = 10 * v.liquid * scale;
    plan.liquidColumn = h.secondLiquid > h.firstLiquid ? h.secondLiquid : h.firstLiquid;
    plan.solidSurface = h.solid;

    if (kind.fullRectangle) {
        PlanFullRectangle(o, h, w);
    } else if (o.type == kWatchGlass) {
        w.Band(LayerBrush::kLiquid, h.firstLiquid, 0);
        w.Hook();
        if (h.solid > 0) w.Add(LayerStepKind::kEllipse, LayerBrush::kSolidHatch, h.solid, 0, true);
    } else if (o.type == kEyeDropper || o.type == kDumasBulb) {
        w.Band(LayerBrush::kLiquid, h.firstLiquid, 0);
    } else if (o.type == kPipet || o.type == kInvertedBuret) {
        const double surface = plainLiquid > 0 ? plainLiquid + GraduatedTubeLift(o) : 0;
        plan.liquidColumn = surface;
        plan.solidSurface = 0;
        if (surface > 0) w.Add(LayerStepKind::kPlainBand, LayerBrush::kLiquid, surface, 0, false);
        // The inverted buret marks its water line so the gas above reads clearly.
        if (o.type == kInvertedBuret && surface > 0)
            w.Add(LayerStepKind::kPlainBand, LayerBrush::kBlack, surface, surface - 2, false);
    } else {  // round-bottom flask, buret, balance pan
        const double surface = plainLiquid > 0 ? plainLiquid + GraduatedTubeLift(o) : 0;
        plan.liquidColumn = surface;
        plan.solidSurface = 0;
        w.Band(LayerBrush::kLiquid, surface, 0);
    }
    return plan;
}

LayerBox StepRectangle(const LayerStep& step, double layerWidth, double layerHeight) {
    return {0, layerHeight - step.height, layerWidth, step.height - step.below};
}

LayerBox StepEllipse(const LayerStep& step, double layerWidth, double layerHeight) {
    return {0, layerHeight - step.height - kSurfaceEllipseHeight / 2, layerWidth,
            kSurfaceEllipseHeight};
}

void ApplyMaskAlpha(uint32_t* layer, int32_t layerStride, int32_t layerWidth, int32_t layerHeight,
                    const uint32_t* mask, int32_t maskStride, int32_t maskWidth, int32_t maskHeight) {
    if (!layer || !mask) return;
    const int32_t width = layerWidth < maskWidth ? layerWidth : maskWidth;
    const int32_t height = layerHeight < maskHeight ? layerHeight : maskHeight;
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* out = layer + static_cast<int64_t>(y) * layerStride;
        const uint32_t* in = mask + static_cast<int64_t>(y) * maskStride;
        for (int32_t x = 0; x < width; ++x) {
            uint32_t alpha = in[x] >> 24;
            if (alpha == 255) alpha = 64;  // the contents show at a quarter opacity
            out[x] = (out[x] & 0x00FFFFFFu) | (alpha << 24);
        }
    }
}
