// Where riders, stopcocks, knobs, thermometers and moving parts are drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "render/object_placement.h"

namespace {

TEST(CentigramRiders, FollowTheRoundedHundredthsAndStopAtTheEnds) {
    const struct { double grams; bool large; double fine, unit, tens; int64_t n; } cases[] = {
        {12.34, true, 34 * 2.38 * 2, 2 * 23.8 * 2, 1 * 24.0 * 2, 1234},
        {12.34, false, 34 * 2.38 * 0.67 * 2, 2 * 23.8 * 0.67 * 2, 1 * 24.0 * 0.67 * 2, 1234},
        {110.5, true, 50 * 2.38 * 2, 238.0 * 2, 240.0 * 2, 11050},
        {111.0, true, 238.0 * 2, 238.0 * 2, 240.0 * 2, 11100},
        {111.0, false, 159.46 * 2, 159.46 * 2, 160.8 * 2, 11100},
        {1.997, true, 0.0, 2 * 23.8 * 2, 0.0, 200},      // reads 2.00 g
        {19.996, true, 0.0, 0.0, 2 * 24.0 * 2, 2000},     // reads 20.00 g
        {0.999, true, 0.0, 23.8 * 2, 0.0, 100},
        {109.996, true, 0.0, 0.0, 240.0 * 2, 11000},      // the tens rider's end stop
        {-3.0, true, 0.0, 0.0, 0.0, 0},
    };
    for (const auto& c : cases) {
        const CentigramBeam b = CentigramRiders(c.grams, 0, c.large);
        SCOPED_TRACE(testing::Message() << c.grams << (c.large ? " large" : " small"));
        EXPECT_EQ(b.hundredths, c.n);
        EXPECT_NEAR(b.fine, c.fine, 1e-9);
        EXPECT_NEAR(b.unit, c.unit, 1e-9);
        EXPECT_NEAR(b.tens, c.tens, 1e-9);
    }
}

TEST(CentigramRiders, TheBeamSwingsWithTheStateAndThePartsFollowIt) {
    EXPECT_DOUBLE_EQ(CentigramRiders(5, 1, true).beamDegrees, -1.0);
    EXPECT_DOUBLE_EQ(CentigramRiders(5, 3, true).beamDegrees, 1.0);
    EXPECT_DOUBLE_EQ(CentigramRiders(5, 0, true).beamDegrees, 0.0);

    const CentigramBeam b = CentigramRiders(12.34, 1, true);
    const CentigramLayout l = PlaceCentigramParts(b, 1000, 100, true);
    EXPECT_NEAR(l.fineRider.x, 1000 + 222 + 161.84, 1e-9);
    EXPECT_DOUBLE_EQ(l.fineRider.y, 158);
    EXPECT_NEAR(l.unitRider.x, 1000 + 252 + 95.2, 1e-9);
    EXPECT_DOUBLE_EQ(l.tensRider.y, 95);
    EXPECT_DOUBLE_EQ(l.fineScale.y, 105);
    EXPECT_NEAR(l.pointer.x, 1000 + 234 + 161.84 + 4 * 11.5, 1e-9);
    EXPECT_DOUBLE_EQ(l.pointer.y, 125);
}

LabObject At(int32_t type, RectI32 position) {
    LabObject o{};
    o.type = type;
    o.position = position;
    return o;
}

TEST(Stopcock, EachKindPivotsAboutItsOwnDrawingPosition) {
    LabObject buret = At(kBuret, {100, 50, 142, 590});
    buret.flowSetting = 10.0;
    StopcockPlacement p = PlaceStopcock(buret, true, 81, 11);
    EXPECT_DOUBLE_EQ(p.x, 90);
    EXPECT_DOUBLE_EQ(p.y, 590 - 72);
    EXPECT_DOUBLE_EQ(p.pivotX, 90 + 40);
    EXPECT_DOUBLE_EQ(p.pivotY, 518 + 5);
    EXPECT_DOUBLE_EQ(p.degrees, 90.0);

    LabObject inverted = At(kInvertedBuret, {100, 50, 143, 649});
    inverted.flowSetting = 2.0;
    p = PlaceStopcock(inverted, true, 81, 11);
    EXPECT_DOUBLE_EQ(p.y, 50 + 124);
    EXPECT_DOUBLE_EQ(p.pivotY, 174 + 5) << "about its own place, not the bottom";
    p = PlaceStopcock(inverted, false, 55, 9);
    EXPECT_DOUBLE_EQ(p.x, 93);
    EXPECT_DOUBLE_EQ(p.pivotX, 93 + 27);
    EXPECT_DOUBLE_EQ(p.pivotY, 50 + 83 + 4);

    LabObject funnel = At(kSeparatoryFunnel, {0, 0, 130, 383});
    funnel.flowSetting = 0.0;
    p = PlaceStopcock(funnel, true, 81, 11);
    EXPECT_DOUBLE_EQ(p.x, 25);
    EXPECT_DOUBLE_EQ(p.y, 383 - 55);
    EXPECT_DOUBLE_EQ(p.degrees, 0.0);
    funnel.flowSetting = -3.0;
    EXPECT_DOUBLE_EQ(PlaceStopcock(funnel, true, 81, 11).degrees, 0.0) << "turns only when open";

    EXPECT_FALSE(PlaceStopcock(At(kBeaker, {}), true, 81, 11).drawn);
}

TEST(HotPlateKnobs, HeatOnTheLeftStirrerOnTheRight) {
    LabObject plate = At(kHotPlate, {10, 20, 276, 134});
    plate.reading1 = 3.0;
    plate.reading2 = 7.0;
    Knob heat, stirrer;
    PlaceHotPlateKnobs(plate, &heat, &stirrer);
    EXPECT_DOUBLE_EQ(heat.x, 42);
    EXPECT_DOUBLE_EQ(heat.y, 84);
    EXPECT_DOUBLE_EQ(heat.degrees, 108);
    EXPECT_DOUBLE_EQ(stirrer.x, 193);
    EXPECT_DOUBLE_EQ(stirrer.degrees, 252);
}

TEST(Thermometer, StandsWhereTheKindPutsIt) {
    LabObject tube = At(kTestTube, {});
    LabObject beaker = At(kBeaker, {});
    EXPECT_DOUBLE_EQ(ThermometerOffset(tube, 223).dx, ThermometerOffset(beaker, 269).dx - 10);
    LabObject syringe = At(kGasSyringe, {});
    EXPECT_DOUBLE_EQ(ThermometerOffset(syringe, 721).dx, -35);
    EXPECT_DOUBLE_EQ(ThermometerOffset(syringe, 721).dy, 144);
    LabObject flask = At(kErlenmeyerFlask, {});
    flask.pictureWidth = 226;
    flask.openingWidth = 54;
    EXPECT_DOUBLE_EQ(ThermometerOffset(flask, 295).dx, 113 - 27);

    beaker.thermometerInserted = 1;
    beaker.kindFlags = kKindTakesThermometer;
    EXPECT_TRUE(DrawsThermometer(beaker));
    LabObject calorimeter = beaker;
    calorimeter.type = kCalorimeter;
    EXPECT_FALSE(DrawsThermometer(calorimeter));
    beaker.kindFlags = 0;
    EXPECT_FALSE(DrawsThermometer(beaker));
}

TEST(ExtraPart, MovesWithItsReading) {
    LabObject syringe = At(kGasSyringe, {10, 100, 143, 821});
    syringe.reading2 = 20.0;
    EXPECT_DOUBLE_EQ(ExtraPosition(syringe, true).y, 100 + 185 - 85);
    EXPECT_DOUBLE_EQ(ExtraPosition(syringe, false).y, std::trunc(100 + 125 - 2.8475 * 20));
    LabObject geiger = At(kGeigerCounter, {0, 0, 871, 215});
    geiger.reading2 = 2.5;
    EXPECT_DOUBLE_EQ(ExtraPosition(geiger, true).x, 285);
    EXPECT_DOUBLE_EQ(ExtraPosition(geiger, true).y, 50);
    LabObject balance = At(kCentigramBalance, {0, 40, 1000, 462});
    balance.stateBits = 1;
    EXPECT_DOUBLE_EQ(ExtraPosition(balance, true).y, 45);
    balance.stateBits = 3;
    EXPECT_DOUBLE_EQ(ExtraPosition(balance, true).y, 35);
}

TEST(BenchStrip, TenPercentInAndEightyPercentWide) {
    const StripRect r = BenchStripRect(1000, 700, 93);
    EXPECT_EQ(r.x, 100);
    EXPECT_EQ(r.y, 607);
    EXPECT_EQ(r.width, 800);
    EXPECT_EQ(r.height, 93);
    EXPECT_EQ(BenchStripRect(1279, 1000, 93).width, 1023);
}

}  // namespace
