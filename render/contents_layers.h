// What a vessel's contents layer paints: brush colours, layer heights and
// the ordered bands of each painting scheme, worked out from the record
// alone so the drawing code only has to fill what it is told. Heights are
// pixels above the layer's bottom edge; the layer is cleared to white and
// later laid over the body through the mask (ApplyMaskAlpha).
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct LayerColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr int32_t kSolidTexturePattern = 287;  // pattern id drawn with a texture
constexpr int32_t kSolidTexturePng = 2103;     // 11 x 11
constexpr int32_t kRedSolidTexturePng = 2104;  // 8 x 8, for (255, 64, 64) only
constexpr int32_t kIceTexturePng = 2105;       // 44 x 35
constexpr float kLayerTextureScale = 2.0f;
constexpr uint32_t kSolidHatchForeground = 0xFF404040u;
constexpr double kSurfaceEllipseHeight = 10.0;

// Liquids are painted a little darker than their colour so a pale liquid
// still shows at a quarter opacity: red and blue scaled by 0.9.
LayerColour LiquidBrushColour(uint8_t red, uint8_t green, uint8_t blue);
LayerColour SecondLiquidBrushColour(const LabObject& o);  // from the three 32-bit fields
// GDI+ hatch style of the solid by its fill kind and pattern id.
int32_t SolidHatchStyle(int32_t solidFillKind, int32_t solidPatternId);
int32_t SolidTexturePng(const LabObject& o);
float OutlinePenWidth(bool smallSet);

// The Erlenmeyer flask's volume curve: pixels for ml millilitres.
double LiquidHeight(int32_t sizeIndex, double ml, bool smallSet);

// The volumes (ml) and densities the heights are made of.
struct ContentsVolumes {
    int32_t layers;        // 2 when a second, immiscible liquid is present
    double firstLiquid;    // L1 (two layers only)
    double secondLiquid;   // L2 (two layers only)
    double liquid;         // L, all liquid
    double solid;          // S, every solid including ice
    double ice;            // I
    double sunkSolid;      // D = S - I
    double sunkSolidGrams; // the grams of D
    double liquidDensity;  // RL
    double solidDensity;   // RS
};

ContentsVolumes MeasureContents(const LabObject& o);

// Layer heights of the full-rectangle kinds (every vessel but the Erlenmeyer
// flask): first liquid H1, second liquid H2 (over H1), ice top and solid.
struct LayerHeights {
    double firstLiquid;
    double secondLiquid;
    double ice;
    double iceBase;
    double solid;
};

LayerHeights ComputeLayerHeights(const LabObject& o, const ContentsVolumes& v);

// A solid of a gram or more always shows as a layer, however little room it
// takes: its surface stands at least this high above the layer's bottom edge,
// clear of the glass under the vessel's cavity. 0 for less solid.
constexpr double kVisibleSolidGrams = 1.0;
double VisibleSolidHeight(const LabObject& o, const ContentsVolumes& v);

enum class LayerBrush : int32_t { kLiquid, kSecondLiquid, kIce, kSolidTexture, kSolidHatch, kBlack };

enum class LayerStepKind : int32_t {
    kBand,        // rectangle from `below` to `height`, then the surface ellipse and outline
    kPlainBand,   // rectangle only (pipet, inverted buret)
    kEllipse,     // the surface ellipse and outline only (watch-glass solid)
    kCustomDraw,  // the module's hook; a non-zero answer skips the steps marked `solid`
};

struct LayerStep {
    LayerStepKind kind;
    LayerBrush brush;
    double height;  // surface, pixels above the layer's bottom
    double below;   // the band's bottom
    bool solid;     // the built-in bottom contents the hook may replace
};

constexpr int kMaxLayerSteps = 8;

struct ContentsPlan {
    bool hasLayer;        // the kind has a contents layer at all
    bool bubbles;         // boiling bubbles are updated on the layer
    bool precipitate;     // settling precipitate is updated on the layer
    bool usesIce;         // an ice brush is needed
    double liquidColumn;  // height of the highest liquid surface
    double solidSurface;  // height of the solid's surface
    int32_t stepCount;
    LayerStep steps[kMaxLayerSteps];
};

// A buret's liquid stands on the floor of its graduated tube, not on the
// picture's bottom edge: a full buret then reads 0 at its top mark and an
// empty one 50 at its bottom mark. 0 for every other kind.
double GraduatedTubeLift(const LabObject& o);

// The ordered steps of one object's layer (kinds without a layer get an
// empty plan with hasLayer false).
ContentsPlan PlanContentsLayer(const LabObject& o, bool smallSet);

// A rectangle and ellipse of one step inside a layer of width x height,
// as the drawing code fills them.
struct LayerBox {
    double x;
    double y;
    double width;
    double height;
};
LayerBox StepRectangle(const LayerStep& step, double layerWidth, double layerHeight);
LayerBox StepEllipse(const LayerStep& step, double layerWidth, double layerHeight);

// Clips a contents layer by a mask: each layer pixel keeps its colour and
// takes the mask pixel's alpha, where a fully opaque mask pixel gives 64.
// Pixels are 0xAARRGGBB words; strides are in pixels. Only the area both
// buffers cover is touched.
void ApplyMaskAlpha(uint32_t* layer, int32_t layerStride, int32_t layerWidth, int32_t layerHeight,
                    const uint32_t* mask, int32_t maskStride, int32_t maskWidth, int32_t maskHeight);
