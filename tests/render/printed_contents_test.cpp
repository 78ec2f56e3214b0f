// Where a printed object's contents go and what is written on it: the
// cavity polygons of every template row, surfaces by volume upright and
// tipped, two liquid layers, the solid, the suspended-solid grid, bubble
// places, and the thermometer, balance and partner choices.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "bench/catalogue/equipment_catalogue.h"
#include "render/contents_layers.h"
#include "render/print/print_parts.h"
#include "render/print/print_texts.h"
#include "render/print/printed_contents.h"

namespace {

PrintPolygon Poly(std::initializer_list<PrintPoint> points) {
    PrintPolygon p;
    p.points = points;
    return p;
}

LabObject Row(int32_t type, int32_t size, int32_t variant, int32_t state) {
    const int32_t row = FindTemplate(type, size, variant, state);
    EXPECT_GE(row, 0);
    return EquipmentTemplate(TemplateSet::kLarge, row);
}

TEST(PrintedContents, EveryOutlinedRowHasACavityInsideItsPicture) {
    for (TemplateSet set : {TemplateSet::kLarge, TemplateSet::kSmall}) {
        for (int32_t row = 0; row < kTemplateRowCount; ++row) {
            const LabObject& o = EquipmentTemplate(set, row);
            SCOPED_TRACE("row " + std::to_string(row));
            const PrintPolygon cavity = CavityPolygon(o);
            if (o.outlineShape == 0) {
                EXPECT_TRUE(cavity.empty());
                continue;
            }
            // The wire's loop outline is a line; every vessel has a real area.
            if (o.type == kMetalWire) continue;
            ASSERT_FALSE(cavity.empty());
            const PrintBox b = BoundsOf(cavity);
            EXPECT_GE(b.left, 0);
            EXPECT_GE(b.top, 0);
            EXPECT_LE(b.right, o.pictureWidth);
            EXPECT_LE(b.bottom, o.pictureHeight);
            EXPECT_GT(PolygonArea(cavity), 20.0);
        }
    }
}

TEST(PrintedContents, RoundBottomsFollowTheirBulb) {
    // Upright and tipped Florence and round-bottom flasks: the traced bulb
    // reaches the template's side and far points, and holds more than the
    // six-point outline (which cuts its curve short).
    const LabObject rows[] = {Row(kFlorenceFlask, 3, 0, 0), Row(kFlorenceFlask, 3, 1, 0),
                              Row(kRoundBottomFlask, 3, 0, 0), Row(kRoundBottomFlask, 3, 1, 0)};
    for (const LabObject& o : rows) {
        SCOPED_TRACE(std::to_string(o.type) + " variant " + std::to_string(o.variant));
        const PrintPolygon bulb = CavityPolygon(o);
        PrintPolygon six;
        for (const PointI32& q : o.liquidOutline) six.points.push_back({q.x, q.y});
        EXPECT_GT(PolygonArea(bulb), PolygonArea(six) * 1.1);
        const PrintBox b = BoundsOf(bulb);
        const PointI32 far = o.liquidOutline[4];
        EXPECT_NEAR(o.variant == 0 ? b.bottom : b.right, o.variant == 0 ? far.y : far.x, 2);
        EXPECT_TRUE(InsidePolygon(bulb, (o.liquidOutline[3].x + o.liquidOutline[5].x) / 2.0,
                                  (o.liquidOutline[3].y + o.liquidOutline[5].y) / 2.0));
    }
}

TEST(PrintedContents, ClippingAtALineKeepsThePartOnItsSide) {
    const PrintPolygon square = Poly({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const PrintPolygon triangle = Poly({{0, 10}, {5, 0}, {10, 10}});
    struct Case {
        const PrintPolygon* p;
        double line;
        double below, above;
    } cases[] = {
        {&square, 5, 50, 50}, {&square, -3, 100, 0}, {&square, 12, 0, 100}, {&square, 10, 0, 100},
        {&triangle, 5, 37.5, 12.5}, {&triangle, 0, 50, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_NEAR(PolygonArea(BelowLine(*c.p, c.line)), c.below, 1e-9);
        EXPECT_NEAR(PolygonArea(AboveLine(*c.p, c.line)), c.above, 1e-9);
    }
}

TEST(PrintedContents, UprightSurfaceRisesWithTheVolumeAndStaysInTheCavity) {
    const LabObject beaker = Row(kBeaker, 3, 0, 0);
    const LabObject cylinder = Row(kGraduatedCylinder, 3, 0, 0);
    const double inf = std::numeric_limits<double>::infinity();
    for (const LabObject* o : {&beaker, &cylinder}) {
        const PrintPolygon cavity = CavityPolygon(*o);
        const CavitySpan span = SpanOf(cavity);
        const double full = o->capacityMl * 10.0;
        const double k = o->liquidHeightScale;
        struct Case {
            double tenths, surface;
        } cases[] = {
            {0, double(span.floor)},
            {full / 2, span.floor - std::trunc(k * full / 2)},
            {full, std::max<double>(span.top, span.floor - std::trunc(k * full))},
            {full * 50, double(span.top)},
            {-40, double(span.floor)},
            {std::nan(""), double(span.floor)},
            {inf, double(span.floor)},
        };
        for (const Case& c : cases) EXPECT_EQ(SurfaceOf(*o, cavity, c.tenths), c.surface) << o->type << " " << c.tenths;
    }
}

TEST(PrintedContents, ErlenmeyerSurfaceFollowsTheScreensCurve) {
    for (TemplateSet set : {TemplateSet::kLarge, TemplateSet::kSmall}) {
        const LabObject& o = EquipmentTemplate(set, FindTemplate(kErlenmeyerFlask, 4, 0, 0));
        const bool small = set == TemplateSet::kSmall;
        EXPECT_EQ(PrintsSmallSet(o), small);
        const PrintPolygon cavity = CavityPolygon(o);
        const CavitySpan span = SpanOf(cavity);
        for (double ml : {0.0, 50.0, 125.0, 250.0}) {
            const double screen = std::trunc(o.pictureHeight - LiquidHeight(o.sizeIndex, ml, small));
            EXPECT_EQ(SurfaceOf(o, cavity, ml * 10.0), std::clamp(screen, double(span.top), double(span.floor)))
                << ml << " ml, small " << small;
        }
        EXPECT_GT(SurfaceOf(o, cavity, 500.0), SurfaceOf(o, cavity, 1500.0));
    }
}

TEST(PrintedContents, TippedSurfaceHoldsTheUprightShareOfTheCavity) {
    const LabObject tipped = Row(kBeaker, 3, 1, 0);
    const PrintPolygon cavity = CavityPolygon(tipped);
    const CavitySpan span = SpanOf(cavity);
    const PrintBox b = BoundsOf(cavity);
    const double length = b.right - b.left;
    const double k = tipped.liquidHeightScale;
    for (double share : {0.25, 0.5, 0.75}) {
        const double tenths = share * length / k;
        const double s = SurfaceOf(tipped, cavity, tenths);
        EXPECT_NEAR(PolygonArea(BelowLine(cavity, s)) / PolygonArea(cavity), share, 0.02) << share;
    }
    EXPECT_EQ(SurfaceOf(tipped, cavity, 0), span.floor);
    EXPECT_EQ(SurfaceOf(tipped, cavity, 1e9), span.top);
}

TEST(PrintedContents, TwoLayersSplitAtTheLowerLayersSurface) {
    const LabObject o = Row(kGraduatedCylinder, 3, 0, 0);
    const PrintPolygon cavity = CavityPolygon(o);
    const PrintedLiquid both = PlanPrintedLiquid(o, 300, 200, true);
    ASSERT_FALSE(both.whole.empty());
    ASSERT_FALSE(both.upper.empty());
    const double boundary = SurfaceOf(o, cavity, 300);
    EXPECT_EQ(SpanOf(both.whole).top, SurfaceOf(o, cavity, 500));
    EXPECT_EQ(SpanOf(both.upper).top, SpanOf(both.whole).top);
    EXPECT_EQ(SpanOf(both.upper).floor, boundary);

    EXPECT_TRUE(PlanPrintedLiquid(o, 300, 0, true).upper.empty());
    EXPECT_TRUE(PlanPrintedLiquid(o, 300, 200, false).upper.empty());
    EXPECT_TRUE(PlanPrintedLiquid(o, 0, 0, false).whole.empty());
}

TEST(PrintedContents, SolidLiesAtTheFloorByItsVolume) {
    LabObject o = Row(kBeaker, 3, 0, 0);
    const CavitySpan span = SpanOf(CavityPolygon(o));
    o.solidVolume = 0;
    EXPECT_TRUE(PlanPrintedSolid(o).empty());
    o.solidVolume = std::nan("");
    EXPECT_TRUE(PlanPrintedSolid(o).empty());
    o.solidVolume = 20;
    const PrintPolygon solid = PlanPrintedSolid(o);
    ASSERT_FALSE(solid.empty());
    EXPECT_EQ(SpanOf(solid).floor, span.floor);
    EXPECT_EQ(SpanOf(solid).top, span.floor - std::trunc(o.liquidHeightScale * 200.0));
}

TEST(PrintedContents, SuspendedSolidIsAThreePixelGridInsideTheLiquid) {
    LabObject o = Row(kBeaker, 3, 0, 0);
    o.liquidVolume = 500;
    const PrintPolygon liquid = PlanPrintedLiquid(o, o.liquidVolume, 0, false).whole;
    const std::vector<PrintPoint> pixels = SuspendedPixels(o, liquid);
    ASSERT_FALSE(pixels.empty());
    for (const PrintPoint& p : pixels) {
        EXPECT_EQ(p.x % 3, 0);
        EXPECT_EQ(p.y % 3, 0);
        EXPECT_TRUE(InsidePolygon(liquid, p.x + 0.5, p.y + 0.5));
    }
    // About one pixel in nine of the liquid's area.
    EXPECT_NEAR(pixels.size(), PolygonArea(liquid) / 9.0, PolygonArea(liquid) / 45.0);

    LabObject none = o;
    none.kindFlags |= kKindNoSuspension;
    EXPECT_TRUE(SuspendedPixels(none, liquid).empty());
    none = o;
    none.liquidVolume = 0;
    EXPECT_TRUE(SuspendedPixels(none, liquid).empty());
}

TEST(PrintedContents, BubblesLieInTheLiquidAndRepeatForTheirSeed) {
    LabObject o = Row(kBeaker, 3, 0, 0);
    const PrintPolygon liquid = PlanPrintedLiquid(o, 500, 0, false).whole;
    const std::vector<PrintPoint> first = PlaceBubbles(liquid, 10, 3);
    ASSERT_EQ(first.size(), 10u);
    for (const PrintPoint& p : first) {
        EXPECT_TRUE(InsidePolygon(liquid, p.x + 0.5, p.y + 0.5));
        EXPECT_TRUE(InsidePolygon(liquid, p.x + 4.5, p.y + 5.5));
    }
    EXPECT_EQ(PlaceBubbles(liquid, 10, 3), first);
    EXPECT_NE(PlaceBubbles(liquid, 10, 4), first);
    EXPECT_EQ(PlaceBubbles(liquid, 3, 3).size(), 3u);
    EXPECT_TRUE(PlaceBubbles(liquid, 0, 3).empty());
    EXPECT_TRUE(PlaceBubbles(PrintPolygon{}, 5, 3).empty());
    // A film too thin for a 5 x 6 bubble holds none.
    EXPECT_TRUE(PlaceBubbles(Poly({{0, 0}, {40, 0}, {40, 4}, {0, 4}}), 5, 3).empty());
}

TEST(PrintTexts, TemperatureFollowsTheScaleAndTheKind) {
    LabObject beaker{};
    beaker.type = kBeaker;
    beaker.temperature = 300.0f;
    LabObject flask = beaker;
    flask.type = kErlenmeyerFlask;
    struct Case {
        const LabObject* o;
        int32_t scale;
        const char* text;
    } cases[] = {
        {&beaker, kTempScaleCelsius, "26.9 \xB0" "C"},    {&flask, kTempScaleCelsius, "26.9 \xB0" "C"},
        {&beaker, kTempScaleFahrenheit, "80.3 \xB0" "F"}, {&flask, kTempScaleFahrenheit, "80 \xB0" "F"},
        {&beaker, kTempScaleKelvin, "300.0 \xB0" "K"},    {&flask, kTempScaleKelvin, "300 \xB0" "K"},
        {&flask, 7, "300 \xB0" "K"},
    };
    for (const Case& c : cases) {
        char out[kPrintTextLength];
        FormatPrintTemperature(out, sizeof out, *c.o, c.scale);
        EXPECT_STREQ(out, c.text) << c.o->type << " scale " << c.scale;
    }
}

TEST(PrintTexts, ThermometerShowsWhenInsertedOrBuiltInUprightAndPlaced) {
    LabObject base{};
    base.type = kBeaker;
    base.thermometerX = 40;
    base.thermometerY = 200;
    base.temperature = 293.0f;
    struct Case {
        const char* name;
        void (*change)(LabObject&);
        bool shown;
    } cases[] = {
        {"none inserted", [](LabObject&) {}, false},
        {"inserted", [](LabObject& o) { o.thermometerInserted = 1; }, true},
        {"built in", [](LabObject& o) { o.kindFlags = kKindBuiltInThermometer; }, true},
        {"tipped", [](LabObject& o) { o.thermometerInserted = 1; o.variant = 1; }, false},
        {"held upright", [](LabObject& o) { o.thermometerInserted = 1; o.variant = 3; }, true},
        {"no place", [](LabObject& o) { o.thermometerInserted = 1; o.thermometerX = o.thermometerY = 0; }, false},
        {"cold calorimeter", [](LabObject& o) { o.thermometerInserted = 1; o.type = kCalorimeter; o.temperature = 249.9f; }, false},
        {"calorimeter at 250 K", [](LabObject& o) { o.thermometerInserted = 1; o.type = kCalorimeter; o.temperature = 250.0f; }, true},
    };
    for (const Case& c : cases) {
        LabObject o = base;
        c.change(o);
        EXPECT_EQ(PrintsThermometer(o), c.shown) << c.name;
    }
}

char* CommaDecimals(char* out, int size, const char* format, double value, int) {
    std::snprintf(out, size, format, value);
    for (char* p = out; *p; ++p)
        if (*p == '.') *p = ',';
    return out;
}

TEST(PrintTexts, BalancesWriteTheirNetWeightInTheUsersFormat) {
    LabObject o{};
    o.reading2 = 12.5;
    char out[kPrintTextLength];
    o.type = kElectronicBalance;
    ASSERT_TRUE(FormatPrintBalance(out, sizeof out, o, CommaDecimals));
    EXPECT_STREQ(out, "12,500 g");
    o.type = kHighSensitivityBalance;
    ASSERT_TRUE(FormatPrintBalance(out, sizeof out, o, CommaDecimals));
    EXPECT_STREQ(out, "12,5000 g");
    ASSERT_TRUE(FormatPrintBalance(out, sizeof out, o, nullptr));
    EXPECT_STREQ(out, "12.5000 g");
    o.reading2 = std::nan("");
    ASSERT_TRUE(FormatPrintBalance(out, sizeof out, o, nullptr));
    EXPECT_STREQ(out, "0.0000 g");
    o.type = kBeaker;
    EXPECT_FALSE(FormatPrintBalance(out, sizeof out, o, CommaDecimals));
}

TEST(PrintTexts, PartnerIsAValidHostOrHostedItemPrintedLater) {
    struct Case {
        int32_t index, host, hosted;
        int32_t partner;
        bool thisIsHosted;
    } cases[] = {
        {3, 0, 0, 0, false},   {3, 1, 0, 1, true},    {3, 0, 2, 2, false},  {3, 1, 2, 1, true},
        {3, 5, 0, 0, false},   // printed before: drawn under it, not over
        {3, 3, 0, 0, false},   // itself
        {3, -1, 0, 0, false},  {3, 99, 1, 1, false},  // out of range, then the hosted item
        {3, 0, 4, 0, false},
    };
    for (const Case& c : cases) {
        LabObject base[5]{};
        base[c.index].host = c.host;
        base[c.index].hostedItem = c.hosted;
        const PrintPartner p = ChoosePrintPartner(base, c.index, 4);
        EXPECT_EQ(p.index, c.partner) << c.host << "/" << c.hosted;
        EXPECT_EQ(p.thisIsHosted, c.thisIsHosted) << c.host << "/" << c.hosted;
    }
    LabObject base[3]{};
    EXPECT_EQ(ChoosePrintPartner(base, 0, 2).index, 0);
    EXPECT_EQ(ChoosePrintPartner(base, 3, 2).index, 0);
    EXPECT_EQ(ChoosePrintPartner(nullptr, 1, 2).index, 0);
}

TEST(PrintParts, EachMovingPartHasItsOwnIdsAndPlace) {
    const std::vector<PrintPart>& parts = PrintParts();
    for (size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].pictureId, kFirstPrintPartPicture + int32_t(i));
        EXPECT_EQ(parts[i].maskId, kFirstPrintPartMask + int32_t(i));
        EXPECT_EQ(PrintPartFor(parts[i].screenId), &parts[i]);
    }
    // The masks' range stays clear of the pictures', and both of the rows' (3000-3381).
    EXPECT_LT(kFirstPrintPartPicture + int32_t(parts.size()), kFirstPrintPartMask);
    EXPECT_GT(kFirstPrintPartPicture, kSmallPrintMaskIds + kTemplateRowCount);
    EXPECT_EQ(PrintPartFor(1155), nullptr);

    LabObject syringe = EquipmentPrototype(kGasSyringe, false);
    LabObject geiger = EquipmentPrototype(kGeigerCounter, false);
    struct Case {
        const char* name;
        LabObject o;
        double reading2, reading3;
        bool large;
        int32_t screenId, x, y;
    } cases[] = {
        {"syringe empty", syringe, 0, 0, true, 2037, 0, 185},
        {"syringe 20 ml", syringe, 20, 0, true, 2037, 0, 100},
        {"small syringe 20 ml", syringe, 20, 0, false, 2185, 0, 68},
        {"geiger no shield", geiger, 1, 0, true, 2088, 258, 50},
        {"geiger lead at 3", geiger, 3, 3, true, 2091, 294, 50},
        {"geiger shield past lead", geiger, 0, 9, true, 2091, 240, 50},
    };
    for (const Case& c : cases) {
        LabObject o = c.o;
        o.reading2 = c.reading2;
        o.reading3 = c.reading3;
        const std::vector<PlacedPrintPart> placed = PlacePrintParts(o, c.large);
        ASSERT_EQ(placed.size(), 1u) << c.name;
        EXPECT_EQ(placed[0].part.screenId, c.screenId) << c.name;
        EXPECT_EQ(placed[0].x, c.x) << c.name;
        EXPECT_EQ(placed[0].y, c.y) << c.name;
    }
    LabObject balance = EquipmentPrototype(kCentigramBalance, false);
    balance.reading2 = 12.34;
    const std::vector<PlacedPrintPart> large = PlacePrintParts(balance, true);
    ASSERT_EQ(large.size(), 5u);
    EXPECT_EQ(large[0].part.screenId, 2100);
    EXPECT_EQ(large[4].part.screenId, 2099);
    const std::vector<PlacedPrintPart> small = PlacePrintParts(balance, false);
    ASSERT_EQ(small.size(), 5u);
    EXPECT_EQ(small[0].part.screenId, 2235);
    EXPECT_EQ(small[2].part.screenId, 2235);
    EXPECT_TRUE(PlacePrintParts(EquipmentPrototype(kBeaker, false), true).empty());
}

TEST(PrintParts, KnobsAndStopcocksTurnWithTheirSettings) {
    LabObject plate = EquipmentPrototype(kHotPlate, false);
    plate.reading1 = 2.0;
    plate.reading2 = 5.0;
    const std::vector<PlacedPrintPart> knobs = PlacePrintParts(plate, true);
    ASSERT_EQ(knobs.size(), 2u);
    EXPECT_EQ(knobs[0].part.screenId, 2051);
    EXPECT_DOUBLE_EQ(knobs[0].degrees, 72.0);
    EXPECT_DOUBLE_EQ(knobs[1].degrees, 180.0);
    EXPECT_LT(knobs[0].x, knobs[1].x);

    LabObject buret = EquipmentPrototype(kBuret, false);
    buret.flowSetting = 4.0;
    std::vector<PlacedPrintPart> stopcock = PlacePrintParts(buret, true);
    ASSERT_EQ(stopcock.size(), 1u);
    EXPECT_EQ(stopcock[0].part.screenId, 1180);
    EXPECT_DOUBLE_EQ(stopcock[0].degrees, 36.0);
    stopcock = PlacePrintParts(buret, false);
    ASSERT_EQ(stopcock.size(), 1u);
    EXPECT_EQ(stopcock[0].part.screenId, 2128);
    // A closed funnel's stopcock stands square; a tipped funnel shows none.
    LabObject funnel = EquipmentTemplate(TemplateSet::kLarge, FindTemplate(kSeparatoryFunnel, 3, 0, 0));
    stopcock = PlacePrintParts(funnel, true);
    ASSERT_EQ(stopcock.size(), 1u);
    EXPECT_DOUBLE_EQ(stopcock[0].degrees, 0.0);
    LabObject tipped = EquipmentTemplate(TemplateSet::kLarge, FindTemplate(kSeparatoryFunnel, 3, 4, 2));
    EXPECT_TRUE(PlacePrintParts(tipped, true).empty());
    buret.flowSetting = std::nan("");
    EXPECT_DOUBLE_EQ(PlacePrintParts(buret, true)[0].degrees, 0.0);
}

TEST(PrintParts, TurningMapsEveryPixelOntoThePart) {
    // A quarter turn of a 4 x 2 part: a 2 x 4 part standing about the same
    // centre, each pixel from the part's row and column turned.
    const std::vector<TurnedPixel> quarter = TurnPartPixels(4, 2, 90.0);
    ASSERT_EQ(quarter.size(), 8u);
    for (const TurnedPixel& t : quarter) {
        EXPECT_GE(t.dx, 1);
        EXPECT_LE(t.dx, 2);
        EXPECT_GE(t.dy, -1);
        EXPECT_LE(t.dy, 2);
        // Clockwise: the part's top row lands in the right-hand column.
        EXPECT_EQ(t.sy, t.dx == 2 ? 0 : 1);
        EXPECT_EQ(t.sx, t.dy + 1);
    }
    const std::vector<TurnedPixel> none = TurnPartPixels(5, 3, 0.0);
    ASSERT_EQ(none.size(), 15u);
    for (const TurnedPixel& t : none) {
        EXPECT_EQ(t.dx, t.sx);
        EXPECT_EQ(t.dy, t.sy);
    }
    for (const TurnedPixel& t : TurnPartPixels(5, 3, 180.0)) {
        EXPECT_EQ(t.sx, 4 - t.dx);
        EXPECT_EQ(t.sy, 2 - t.dy);
    }
    // Any angle keeps about the part's area and never reads outside it.
    const std::vector<TurnedPixel> odd = TurnPartPixels(36, 36, 72.0);
    EXPECT_NEAR(double(odd.size()), 36.0 * 36.0, 36.0 * 36.0 * 0.03);
    for (const TurnedPixel& t : odd) {
        EXPECT_TRUE(t.sx >= 0 && t.sx < 36 && t.sy >= 0 && t.sy < 36);
    }
    EXPECT_TRUE(TurnPartPixels(0, 5, 30.0).empty());
    EXPECT_TRUE(TurnPartPixels(5, 5, std::nan("")).size() == 25u);
}

}  // namespace
