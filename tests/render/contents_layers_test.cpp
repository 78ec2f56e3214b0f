#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"
#include "render/contents_layers.h"
#include "tests/support/chemicals_fixture.h"

using namespace test_chemicals;

namespace {

struct Content {
    CasNumber cas;
    uint32_t phase;
    double grams;
    int32_t layer;
};

LabObject Vessel(int32_t type, float scale, const std::vector<Content>& contents,
                 int32_t capacityMl = 100, int32_t sizeIndex = 3) {
    LabObject o{};
    o.type = type;
    o.sizeIndex = sizeIndex;
    o.capacityMl = capacityMl;
    o.liquidHeightScale = scale;
    for (const Content& c : contents) {
        EXPECT_EQ(AddComponent(o, c.cas, c.phase, c.grams, 293), 1);
        for (ComponentSlot& s : o.slots)
            if (s.cas == c.cas && s.phase == c.phase) s.layer = c.layer;
    }
    return o;
}

// Paints a plan into one column of rows (row 0 at the top) the way the
// drawing code fills rectangles, so tests can ask what shows at a height.
std::vector<char> Rasterise(const ContentsPlan& plan, int32_t height, int hookResult) {
    std::vector<char> rows(height, '.');
    bool hookDrew = false;
    for (int i = 0; i < plan.stepCount; ++i) {
        const LayerStep& s = plan.steps[i];
        if (s.kind == LayerStepKind::kCustomDraw) {
            hookDrew = hookResult != 0;
            continue;
        }
        if (s.solid && hookDrew) continue;
        const LayerBox r = StepRectangle(s, 10, height);
        const char mark = "LSITHB"[static_cast<int>(s.brush)];
        for (int y = 0; y < height; ++y)
            if (y >= r.y && y < r.y + r.height) rows[y] = mark;
    }
    return rows;
}

}  // namespace

TEST(ContentsBrushes, LiquidsArePaintedWithRedAndBlueShadedByANinth) {
    struct Case {
        uint8_t r, g, b, er, eg, eb;
    } cases[] = {
        {200, 100, 50, 180, 100, 45},
        {255, 255, 255, 229, 255, 229},
        {0, 0, 0, 0, 0, 0},
        {10, 20, 30, 9, 20, 27},
    };
    for (const Case& c : cases) {
        const LayerColour k = LiquidBrushColour(c.r, c.g, c.b);
        EXPECT_EQ(k.red, c.er) << int(c.r);
        EXPECT_EQ(k.green, c.eg) << int(c.g);
        EXPECT_EQ(k.blue, c.eb) << int(c.b);
    }
    LabObject o{};
    o.secondLayerRed = 0x1C8;  // only the low byte is a colour
    o.secondLayerGreen = 100;
    o.secondLayerBlue = 50;
    const LayerColour second = SecondLiquidBrushColour(o);
    EXPECT_EQ(second.red, 180);
    EXPECT_EQ(second.green, 100);
    EXPECT_EQ(second.blue, 45);
}

TEST(ContentsBrushes, TheSmallRedTextureIsOnlyForExactlyThatRed) {
    struct Case {
        uint8_t r, g, b;
        int32_t png;
    } cases[] = {
        {255, 64, 64, kRedSolidTexturePng},
        {255, 64, 65, kSolidTexturePng},
        {254, 64, 64, kSolidTexturePng},
        {255, 63, 64, kSolidTexturePng},
        {0, 0, 0, kSolidTexturePng},
    };
    for (const Case& c : cases) {
        LabObject o{};
        o.solidColour[0] = c.r;
        o.solidColour[1] = c.g;
        o.solidColour[2] = c.b;
        EXPECT_EQ(SolidTexturePng(o), c.png) << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(ContentsBrushes, HatchStyleFollowsTheFillKind) {
    struct Case {
        int32_t fill, pattern, style;
    } cases[] = {
        {0, 0, 17}, {0, 287, 17}, {2, 0, 12}, {3, 287, 47}, {3, 286, 35},
        {1, 287, 17}, {4, 0, 17}, {-1, 0, 17},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SolidHatchStyle(c.fill, c.pattern), c.style) << c.fill << " " << c.pattern;
    EXPECT_EQ(OutlinePenWidth(true), 1.0f);
    EXPECT_EQ(OutlinePenWidth(false), 2.0f);
}

TEST(ContentsHeights, ErlenmeyerCurveBySizeAndImageSet) {
    struct Case {
        int32_t size;
        bool small;
        double ml, px;
    } cases[] = {
        {3, false, 50, 69.5},
        {3, true, 50, 46.5},
        {4, false, 50, 37.0},
        {4, true, 50, 24.79},
        {3, false, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(LiquidHeight(c.size, c.ml, c.small), c.px, 1e-9) << c.size << " " << c.small;
}

TEST(ContentsHeights, SinkingSolidLiftsTheLiquidButNotInTheDish) {
    ScopedChemicals table;
    // 25 ml of water over 10 ml of a denser solid.
    const std::vector<Content> contents = {{kWater, kPhaseLiquid, 25, 0},
                                           {kSodiumChloride, kPhaseSolid, 21.65, 0}};
    const LabObject beaker = Vessel(kBeaker, 0.5f, contents);
    const LayerHeights b = ComputeLayerHeights(beaker, MeasureContents(beaker));
    EXPECT_NEAR(b.firstLiquid, 10 * 35 * 0.5, 1e-3);
    EXPECT_NEAR(b.solid, 10 * 10 * 0.5, 1e-3);

    const LabObject dish = Vessel(kEvaporationDish, 0.5f, contents);
    EXPECT_NEAR(ComputeLayerHeights(dish, MeasureContents(dish)).firstLiquid, 250 * 0.5, 1e-9);

    // A solid lighter than the liquid does not lift it.
    const LabObject floating =
        Vessel(kBeaker, 0.5f, {{kWater, kPhaseLiquid, 25, 0}, {kEthanol, kPhaseSolid, 7.89, 0}});
    EXPECT_NEAR(ComputeLayerHeights(floating, MeasureContents(floating)).firstLiquid, 125, 1e-3);
}

TEST(ContentsHeights, SeparatoryFunnelRisesBySquareRootForm) {
    ScopedChemicals table;
    const float scale = 0.25f;
    struct Case {
        int32_t capacity;
        double water;
        double expected;
    } cases[] = {
        {100, 25, 2.0 * 10 * 25 * scale + 5},  // sqrt(100 / 25) = 2: 500 x scale + 5
        {0, 25, 10 * 25 * scale + 5},          // capacity under 1 ml: linear
        {100, 0, 0},
    };
    for (const Case& c : cases) {
        std::vector<Content> contents;
        if (c.water > 0) contents.push_back({kWater, kPhaseLiquid, c.water, 0});
        const LabObject f = Vessel(kSeparatoryFunnel, scale, contents, c.capacity);
        EXPECT_NEAR(ComputeLayerHeights(f, MeasureContents(f)).firstLiquid, c.expected, 1e-9)
            << c.capacity << " " << c.water;
    }
    // A second layer of 16 ml sits over the first: sqrt(100 / 16) x 0.75.
    const LabObject two = Vessel(kSeparatoryFunnel, scale,
                                 {{kWater, kPhaseLiquid, 25, 0}, {kEthanol, kPhaseLiquid, 16 * 0.789, 1}});
    const LayerHeights h = ComputeLayerHeights(two, MeasureContents(two));
    EXPECT_NEAR(h.firstLiquid, 500 * scale + 5, 1e-6);
    EXPECT_NEAR(h.secondLiquid, 2.5 * 0.75 * 10 * 16 * scale + h.firstLiquid, 1e-3);
}

TEST(ContentsHeights, IceFloatsOnTheTopLiquidAndEmptyVesselsPaintNothing) {
    ScopedChemicals table;
    const LabObject iced =
        Vessel(kBeaker, 1.0f, {{kWater, kPhaseLiquid, 20, 0}, {kWater, kPhaseSolid, 9.2, 0}});
    const LayerHeights h = ComputeLayerHeights(iced, MeasureContents(iced));
    EXPECT_NEAR(h.firstLiquid, 200, 1e-6);  // ice is lighter: no lift
    EXPECT_NEAR(h.ice, 10 * 10 + 200, 1e-6);
    EXPECT_NEAR(h.iceBase, 200, 1e-6);
    EXPECT_NEAR(h.solid, 0, 1e-9);

    const LabObject empty = Vessel(kBeaker, 1.0f, {});
    const ContentsPlan plan = PlanContentsLayer(empty, false);
    EXPECT_TRUE(plan.hasLayer);  // the white layer still lightens the glass
    ASSERT_EQ(plan.stepCount, 1);
    EXPECT_EQ(plan.steps[0].kind, LayerStepKind::kCustomDraw);
}

TEST(ContentsPlan, HookSkipsOnlyTheSolidBand) {
    ScopedChemicals table;
    const LabObject beaker = Vessel(
        kBeaker, 1.0f, {{kWater, kPhaseLiquid, 3, 0}, {kSodiumChloride, kPhaseSolid, 2.165, 0}});
    const ContentsPlan plan = PlanContentsLayer(beaker, false);
    const std::vector<char> built = Rasterise(plan, 100, 0);
    const std::vector<char> hooked = Rasterise(plan, 100, 1);
    EXPECT_EQ(std::string(built.begin(), built.end()), std::string(60, '.') + std::string(30, 'L') +
                                                           std::string(10, 'H'));
    EXPECT_EQ(std::string(hooked.begin(), hooked.end()), std::string(60, '.') + std::string(40, 'L'));
    EXPECT_TRUE(plan.bubbles);
    EXPECT_TRUE(plan.precipitate);
    EXPECT_NEAR(plan.liquidColumn, 40, 1e-3);

    LabObject textured = beaker;
    textured.solidPatternId = kSolidTexturePattern;
    EXPECT_EQ(PlanContentsLayer(textured, false).steps[2].brush, LayerBrush::kSolidTexture);
}

TEST(ContentsPlan, ErlenmeyerPaintsBandsFromTheBottomUp) {
    ScopedChemicals table;
    // Enough solid to stand above its visible minimum: the bands are the curve's own.
    const LabObject flask = Vessel(kErlenmeyerFlask, 1.0f,
                                   {{kSodiumChloride, kPhaseSolid, 2.165 * 10, 0},
                                    {kWater, kPhaseLiquid, 40, 0},
                                    {kWater, kPhaseSolid, 0.92 * 5, 0}},
                                   250, 3);
    const ContentsPlan plan = PlanContentsLayer(flask, false);
    const auto lh = [](double ml) { return LiquidHeight(3, ml, false); };
    const double d = VolumeByPhase(flask, kPhaseSolid) - IceVolume(flask);  // the sunk solid
    ASSERT_EQ(plan.stepCount, 4);
    EXPECT_EQ(plan.steps[0].kind, LayerStepKind::kCustomDraw);
    struct Band {
        LayerBrush brush;
        double height, below;
    } bands[] = {
        {LayerBrush::kSolidHatch, lh(d), 0},
        {LayerBrush::kLiquid, lh(d + 40), lh(d)},
        {LayerBrush::kIce, lh(d + 45), lh(d + 40)},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(plan.steps[i + 1].brush, bands[i].brush) << i;
        EXPECT_NEAR(plan.steps[i + 1].height, bands[i].height, 1e-3) << i;
        EXPECT_NEAR(plan.steps[i + 1].below, bands[i].below, 1e-3) << i;
    }
    EXPECT_TRUE(plan.usesIce);
}

// A gram of crystals takes half a millilitre, less than a pixel in most
// vessels: it must still show as a layer standing on the cavity's floor, with
// the liquid keeping its own depth above it; less than a gram keeps its true
// height. Each kind with a solid layer, in the real pictures' geometry.
TEST(ContentsPlan, AGramOfSolidShowsAsALayerOnTheCavityFloorInEveryVessel) {
    ScopedChemicals table;
    struct Case {
        int32_t type, sizeIndex, state;
    } cases[] = {
        {kTestTube, 2, 0},        {kBeaker, 3, 0},           {kBeaker, 4, 0},
        {kBeaker, 5, 0},          {kErlenmeyerFlask, 4, 0},  {kErlenmeyerFlask, 4, 1},
        {kFlorenceFlask, 3, 0},   {kGraduatedCylinder, 3, 0}, {kWatchGlass, 2, 0},
        {kEvaporationDish, 3, 0}, {kVolumetricFlask, 3, 0},
    };
    for (bool small : {false, true}) {
        for (const Case& c : cases) {
            const int32_t row = FindTemplate(c.type, c.sizeIndex, 0, c.state);
            ASSERT_GE(row, 0) << c.type;
            const LabObject& head = EquipmentTemplate(small ? TemplateSet::kSmall : TemplateSet::kLarge, row);
            int32_t lowest = 0;
            for (const PointI32& p : head.liquidOutline) lowest = std::max(lowest, p.y);
            const double floorDepth = head.pictureHeight - lowest;
            SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.sizeIndex << " state "
                                            << c.state << (small ? " small" : " large"));
            for (double water : {0.0, 5.0}) {
                LabObject o = head;
                if (water > 0) EXPECT_EQ(AddComponent(o, kWater, kPhaseLiquid, water, 293), 1);
                EXPECT_EQ(AddComponent(o, kSodiumChloride, kPhaseSolid, 1.0, 293), 1);
                const ContentsPlan plan = PlanContentsLayer(o, small);
                const LayerStep* solid = nullptr;
                const LayerStep* liquid = nullptr;
                for (int i = 0; i < plan.stepCount; ++i) {
                    if (plan.steps[i].solid) solid = &plan.steps[i];
                    if (plan.steps[i].brush == LayerBrush::kLiquid) liquid = &plan.steps[i];
                }
                ASSERT_NE(solid, nullptr);
                // The whole surface line stands above the floor.
                EXPECT_GE(solid->height - floorDepth, kSurfaceEllipseHeight / 2);
                if (c.type != kWatchGlass) EXPECT_GE(solid->height - floorDepth, kSurfaceEllipseHeight / 2 + 3);
                if (water > 0 && c.type != kEvaporationDish) {
                    ASSERT_NE(liquid, nullptr);
                    const double depth = c.type == kErlenmeyerFlask
                                             ? LiquidHeight(c.sizeIndex, VolumeByPhase(o, kPhaseSolid) + water, small) -
                                                   LiquidHeight(c.sizeIndex, VolumeByPhase(o, kPhaseSolid), small)
                                             : 10 * water * head.liquidHeightScale;
                    EXPECT_NEAR(liquid->height - solid->height, depth, 1e-3) << "the liquid keeps its depth";
                }
            }
            LabObject less = head;
            EXPECT_EQ(AddComponent(less, kSodiumChloride, kPhaseSolid, 0.9, 293), 1);
            const ContentsVolumes v = MeasureContents(less);
            EXPECT_EQ(VisibleSolidHeight(less, v), 0.0);
            if (c.type != kErlenmeyerFlask)
                EXPECT_NEAR(ComputeLayerHeights(less, v).solid, 10 * v.sunkSolid * head.liquidHeightScale, 1e-9);
        }
    }
}

TEST(ContentsPlan, KindsWithoutAMaskHaveNoLayerAndDamagedScalesGiveNoHeight) {
    const int32_t kinds[] = {kBunsenBurner, kHotPlate, kCalorimeter, kGeigerCounter, 0, 99};
    for (int32_t type : kinds) {
        LabObject o{};
        o.type = type;
        EXPECT_FALSE(PlanContentsLayer(o, false).hasLayer) << type;
    }
    ScopedChemicals table;
    LabObject o = Vessel(kBeaker, NAN, {{kWater, kPhaseLiquid, 10, 0}});
    const ContentsPlan plan = PlanContentsLayer(o, false);
    for (int i = 0; i < plan.stepCount; ++i) EXPECT_TRUE(std::isfinite(plan.steps[i].height));
}

// A buret is read from the top: full, its liquid stands at the tube's top
// mark (0); nearly empty, at the tube's floor (the capacity); half full, half
// way between. Its liquid stands on the floor, not on the picture's bottom,
// whose tip and stopcock hold no scale. The inverted buret likewise.
TEST(ContentsPlan, ABuretsLiquidSpansItsTubeFromFloorToTopMark) {
    ScopedChemicals table;
    for (int32_t type : {kBuret, kInvertedBuret}) {
        for (bool small : {false, true}) {
            const LabObject& prototype = EquipmentPrototype(type, small);
            ASSERT_EQ(prototype.outlineShape, 3);
            const int32_t top = prototype.liquidOutline[0].y, floor = prototype.liquidOutline[2].y;
            const double height = prototype.pictureHeight;
            const auto surface = [&](double ml) {
                LabObject o = prototype;
                EXPECT_EQ(AddComponent(o, kWater, kPhaseLiquid, ml, 293), 1);
                const ContentsPlan plan = PlanContentsLayer(o, small);
                return height - plan.liquidColumn;
            };
            const double capacity = prototype.capacityMl;
            const double topMark = floor - 10 * capacity * prototype.liquidHeightScale;
            EXPECT_GE(topMark, top - 1) << type << " " << small;  // on the tube, to the pixel
            EXPECT_NEAR(surface(capacity), topMark, 0.5) << type << " " << small;
            EXPECT_NEAR(surface(capacity / 2), (topMark + floor) / 2.0, 0.5) << type << " " << small;
            EXPECT_NEAR(surface(0.01), floor, 1.5) << type << " " << small;
            EXPECT_EQ(GraduatedTubeLift(prototype), height - floor);
        }
    }
    // Other kinds keep their liquid on the picture's bottom.
    EXPECT_EQ(GraduatedTubeLift(EquipmentPrototype(kPipet, false)), 0);
    EXPECT_EQ(GraduatedTubeLift(EquipmentPrototype(kBeaker, false)), 0);
}

TEST(ApplyMaskAlpha, KeepsColourAndTakesTheMaskAlphaWithOpaqueAsAQuarter) {
    // 3 x 3 layer of distinct colours, mask rows alpha 0, 128 and 255.
    uint32_t layer[9];
    for (int i = 0; i < 9; ++i) layer[i] = 0xFF000000u | (0x102030u * (i + 1));
    const uint32_t mask[9] = {0x00FFFFFF, 0x00000000, 0x00123456, 0x80000000, 0x80FFFFFF,
                              0x80ABCDEF, 0xFF000000, 0xFFFFFFFF, 0xFF777777};
    ApplyMaskAlpha(layer, 3, 3, 3, mask, 3, 3, 3);
    const uint32_t alphas[3] = {0, 128, 64};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(layer[i] >> 24, alphas[i / 3]) << i;
        EXPECT_EQ(layer[i] & 0xFFFFFF, (0x102030u * (i + 1)) & 0xFFFFFF) << i;
    }
}

TEST(ApplyMaskAlpha, TouchesOnlyTheAreaBothCover) {
    // A 4-wide layer with a 2 x 2 mask: the rest stays as painted.
    uint32_t layer[8] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                         0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    const uint32_t mask[4] = {0xFF000000, 0x00000000, 0x80000000, 0xFF000000};
    ApplyMaskAlpha(layer, 4, 4, 2, mask, 2, 2, 2);
    const uint32_t expected[8] = {0x40FFFFFF, 0x00FFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                                  0x80FFFFFF, 0x40FFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(layer[i], expected[i]) << i;
    ApplyMaskAlpha(nullptr, 4, 4, 2, mask, 2, 2, 2);  // no buffer: nothing happens
}
