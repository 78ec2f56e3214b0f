#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "render/readouts.h"

namespace {

// A locale with a comma for the point that, like the program's, rewrites
// only a text that is a plain number.
char* CommaLocale(char* out, int size, const char* format, double value, int digits) {
    if (!out || size <= 0) return nullptr;
    std::snprintf(out, size, format, value);
    for (const char* p = out; *p; ++p)
        if (!(*p == '-' || *p == '.' || (*p >= '0' && *p <= '9'))) return out;
    for (char* p = out; *p; ++p)
        if (*p == '.') *p = ',';
    return out;
}

bool SampleStrings(int32_t id, char* out, int32_t size) {
    const char* text = nullptr;
    switch (id) {
        case 214: text = "Sample Weight: %s g, pH: %s"; break;
        case 215: text = "Sample Weight:  %s g"; break;
        case 216: text = "pH: %s"; break;
        case 709: text = "%s Time: %.0f secs "; break;
        default: return false;
    }
    std::snprintf(out, size, "%s", text);
    return true;
}

bool NoStrings(int32_t, char*, int32_t) { return false; }

LabObject Object(int32_t type, float kelvin = 293) {
    LabObject o{};
    o.type = type;
    o.kindFlags = kKindContainer;
    o.temperature = kelvin;
    o.position = {100, 200, 201, 400};
    o.labelArea = {10, 20, 130, 80};  // a display of 120 x 60
    return o;
}

std::string Sample(const LabObject& o, LoadStringFn strings = SampleStrings) {
    char text[kSampleTimedTextLength];
    if (!ComposeSampleReadout(o, CommaLocale, strings, text, sizeof text)) return "(none)";
    return text;
}

}  // namespace

TEST(Thermometer, TextByScaleAndKind) {
    struct Case {
        int32_t scale;
        int32_t type;
        float kelvin;
        const char* text;
    } cases[] = {
        {1, kBeaker, 373, "100.0 \xB0" "C"},
        {1, kFlorenceFlask, 373, " 100.0 \xB0" "C"},  // the blank flag of "% .01f"
        {1, kFlorenceFlask, 263, "-10.0 \xB0" "C"},
        {2, kBeaker, 373, "212.0 \xB0" "F"},
        {2, kFlorenceFlask, 373, "212 \xB0" "F"},
        {0, kBeaker, 373, "373.0 \xB0" "K"},
        {0, kTestTube, 373, "373 \xB0" "K"},
        {7, kTestTube, 300, "300 \xB0" "K"},
    };
    for (const Case& c : cases) {
        char text[kReadoutTextLength];
        FormatThermometerText(text, sizeof text, Object(c.type, c.kelvin), c.scale);
        EXPECT_STREQ(text, c.text) << c.scale << " " << c.type;
    }
}

TEST(Thermometer, MercuryColumnStaysInsideTheTube) {
    struct Case {
        float kelvin;
        bool small;
        double length;
    } cases[] = {
        {293, false, 180},
        {293, true, 120.6},
        {248, false, 0},          // the foot of the scale
        {200, false, 0},          // colder: no column below the bulb
        {200, true, 0},
        {773.15f, false, 509},    // capped 5 px under the top of the 514 px tube
        {773.15f, true, 340},
        {NAN, false, 0},
    };
    for (const Case& c : cases) {
        const int32_t h = c.small ? kSmallThermometerHeight : kThermometerHeight;
        EXPECT_NEAR(MercuryColumnLength(c.kelvin, c.small, h), c.length, 1e-4)
            << c.kelvin << " " << c.small;
    }
}

TEST(Thermometer, LayoutStandsOnTheBodyWithTheColumnInWholePixels) {
    LabObject o = Object(kBeaker, 293.3f);
    const ThermometerLayout t = LayOutThermometer(o, 1, false, 150, -10, 0);
    EXPECT_EQ(t.imageX, 100 - 10 + 20);
    EXPECT_EQ(t.imageY, 200 + 150 - 514 - 20);
    EXPECT_EQ(t.columnX, 120);
    EXPECT_EQ(t.columnBottom, 330);
    EXPECT_EQ(t.columnTop, 148);  // 330 - 181.2, truncated
    EXPECT_EQ(t.penWidth, 4.0f);
    EXPECT_EQ(t.textX, 0);
    EXPECT_STREQ(t.text, "20.3 \xB0" "C");
    const ThermometerLayout s = LayOutThermometer(o, 1, true, 150, 0, 0);
    EXPECT_EQ(s.columnX, 127);
    EXPECT_EQ(s.penWidth, 3.0f);
    EXPECT_EQ(s.imageY, 200 + 150 - 345 - 20);
}

// The calorimeter's picture carries its thermometer (state 2): its
// temperature stands left of that stem, above the lid.
TEST(Thermometer, TheCalorimeterShowsItsTemperatureWhileItsThermometerIsIn) {
    LabObject c = Object(kCalorimeter, 296.56f);
    c.accessoryOffsetX = 73;  // the stem in the picture
    TemperatureText t{};
    EXPECT_FALSE(CalorimeterTemperature(c, 1, &t)) << "no thermometer, no temperature";
    c.stateBits = 0x2;
    ASSERT_TRUE(CalorimeterTemperature(c, 1, &t));
    EXPECT_STREQ(t.text, " 23.6 \xB0" "C");
    EXPECT_EQ(t.x, 100 + 73 - 110);
    EXPECT_EQ(t.y, 200 + 60);
    EXPECT_EQ(t.fontPixels, 24);
    ASSERT_TRUE(CalorimeterTemperature(c, 0, &t));
    EXPECT_STREQ(t.text, "297 \xB0" "K");
    LabObject beaker = Object(kBeaker);
    beaker.stateBits = 0x2;
    EXPECT_FALSE(CalorimeterTemperature(beaker, 1, &t));
}

// A text near an edge is moved just far enough to stay on the bench.
TEST(Thermometer, AReadoutStaysOnTheBench) {
    const RectI32 bench{0, 0, 800, 600};
    struct Case {
        const char* what;
        float x, y, keptX, keptY;
    } cases[] = {
        {"inside", 100, 100, 100, 100},
        {"above the top", 100, -205, 100, 3},
        {"left of the bench", -37, 50, 3, 50},
        {"past the right edge", 760, 50, 800 - 3 - 80, 50},
        {"below the bottom", 100, 590, 100, 600 - 3 - 20},
        {"beyond a corner", -500, -500, 3, 3},
    };
    for (const Case& c : cases) {
        float x = c.x, y = c.y;
        KeepTextOnBench(&x, &y, 80, 20, bench);
        EXPECT_EQ(x, c.keptX) << c.what;
        EXPECT_EQ(y, c.keptY) << c.what;
    }
    float x = 500, y = 10;
    KeepTextOnBench(&x, &y, 900, 20, bench);
    EXPECT_EQ(x, 3) << "a text wider than the bench keeps its start";
}

TEST(InstrumentReadouts, TextFontAndPlacementPerKind) {
    struct Case {
        int32_t type;
        int16_t state;
        bool small;
        const char* text;
        ReadoutPlacement placement;
        float x, y, width, height, font;
    } cases[] = {
        {kElectrochemicalCell, 0, false, "1.23 V", ReadoutPlacement::kAtPoint, 110, 220, 0, 0, 24},
        // Centred read-outs fill the display over the label area.
        {kConductivityMeter, 0, false, " 1.23 \xB5S  ATC 25\xB0" "C", ReadoutPlacement::kCentredBox,
         110, 220, 120, 60, 18},
        {kGasSyringe, 1, false, "101 kPa", ReadoutPlacement::kCentredBox, 110, 220, 85, 85, 22},
        {kGasSyringe, 1, true, "101 kPa", ReadoutPlacement::kCentredBox, 110, 220, 50, 50, 14},
        {kCuvette, 1, false, "----- \n (450nm) ", ReadoutPlacement::kCentredBox, 110, 220, 120, 60, 24},
        {kCuvette, 0, true, "1.23 % \n (450nm) ", ReadoutPlacement::kCentredBox, 110, 220, 120, 60, 16},
        {kErlenmeyerFlask, 4, false, "101.325 kPa", ReadoutPlacement::kCentredBox, 225, 210, 100, 50, 20},
        {kErlenmeyerFlask, 4, true, "101.325 kPa", ReadoutPlacement::kCentredBox, 183.75f, 206.7f, 67,
         33.5f, 13.4f},
        {kGeigerCounter, 0, false, "1 cpm ", ReadoutPlacement::kCentredBox, 110, 220, 120, 60, 24},
        {kElectronicBalance, 0, false, "12.500 g", ReadoutPlacement::kAtPoint, 110, 220, 0, 0, 22},
        {kHighSensitivityBalance, 0, false, "12.5000 g", ReadoutPlacement::kAtPoint, 110, 220, 0, 0, 22},
    };
    for (const Case& c : cases) {
        LabObject o = Object(c.type);
        o.stateBits = c.state;
        o.reading1 = 1.234;
        o.reading2 = 12.5;
        o.reading3 = 101.3;
        o.reading4 = 101.325;
        o.wavelength = 450;
        Readout r;
        ASSERT_TRUE(InstrumentReadout(o, c.small, CommaLocale, &r)) << c.type;
        EXPECT_STREQ(r.text, c.text) << c.type;
        EXPECT_EQ(r.placement, c.placement) << c.type;
        EXPECT_NEAR(r.x, c.x, 1e-3) << c.type;
        EXPECT_NEAR(r.y, c.y, 1e-3) << c.type;
        EXPECT_NEAR(r.width, c.width, 1e-3) << c.type;
        EXPECT_NEAR(r.height, c.height, 1e-3) << c.type;
        EXPECT_NEAR(r.fontPixels, c.font, 1e-3) << c.type;
    }
}

TEST(InstrumentReadouts, NoneForOtherKindsAndStates) {
    struct Case {
        int32_t type;
        int16_t state;
    } cases[] = {{kBeaker, 0}, {kGasSyringe, 0}, {kGasSyringe, 2}, {kErlenmeyerFlask, 1}, {kBunsenBurner, 0}};
    for (const Case& c : cases) {
        LabObject o = Object(c.type);
        o.stateBits = c.state;
        Readout r;
        EXPECT_FALSE(InstrumentReadout(o, false, CommaLocale, &r)) << c.type << " " << c.state;
    }
}

TEST(InstrumentReadouts, HugeValuesAreNeverCut) {
    LabObject o = Object(kHighSensitivityBalance);
    o.reading2 = -1.7976931348623157e308;
    Readout r;
    ASSERT_TRUE(InstrumentReadout(o, false, CommaLocale, &r));
    EXPECT_EQ(std::strlen(r.text), 1 + 309 + 1 + 4 + 2u);
    EXPECT_STREQ(r.text + std::strlen(r.text) - 7, ".0000 g");
    o = Object(kConductivityMeter);
    o.reading1 = 1e308;
    ASSERT_TRUE(InstrumentReadout(o, false, nullptr, &r));
    const char* unit = ".00 \xB5S  ATC 25\xB0" "C";
    EXPECT_STREQ(r.text + std::strlen(r.text) - std::strlen(unit), unit);
    EXPECT_EQ(std::strlen(r.text), 1 + 309 + std::strlen(unit));
}

TEST(SampleReadout, TextByWhatIsShownWithTheLocaleSeparator) {
    LabObject o = Object(kBeaker);
    o.slots[0].grams = 10.25;
    o.slots[3].grams = 2.25;
    o.ph = 7.0;
    o.stopwatchCount = 125;  // 12.5 s

    struct Case {
        int32_t weight, ph;
        bool stopwatch;
        const char* text;
    } cases[] = {
        {1, 1, false, "Sample Weight: 12,500 g, pH: 7,00"},
        {1, 0, false, "Sample Weight:  12,500 g"},
        {0, 1, false, "pH: 7,00"},
        {0, 0, true, " Time: 12 secs "},
        {1, 0, true, "Sample Weight:  12,500 g Time: 12 secs "},
        {0, 0, false, "(none)"},
    };
    for (const Case& c : cases) {
        o.readoutShown = c.weight;
        o.phShown = c.ph;
        o.objectFlags = c.stopwatch ? uint32_t{kObjStopwatchRunning} : 0u;
        EXPECT_EQ(Sample(o), c.text) << c.weight << c.ph << c.stopwatch;
    }
}

TEST(SampleReadout, NotForPouredObjectsOrBurnersAndMissingStringsStandIn) {
    LabObject o = Object(kBeaker);
    o.readoutShown = 1;
    o.variant = 1;
    EXPECT_EQ(Sample(o), "(none)");
    o.variant = 0;
    o.type = kBunsenBurner;
    EXPECT_EQ(Sample(o), "(none)");
    o.type = kBeaker;
    EXPECT_EQ(Sample(o, NoStrings), "Missing Comment");
}

TEST(SampleReadout, TheWorstWeightFitsWithTheTimeAfterIt) {
    LabObject o = Object(kBeaker);
    for (ComponentSlot& s : o.slots) s.grams = 5e306;  // 1e308 in all
    o.readoutShown = 1;
    o.phShown = 1;
    o.ph = -1e308;
    o.objectFlags = kObjStopwatchRunning;
    o.stopwatchCount = INT32_MAX;
    const std::string text = Sample(o);
    EXPECT_EQ(text.rfind("Sample Weight: ", 0), 0u);
    EXPECT_NE(text.find(" g, pH: -1"), std::string::npos);
    EXPECT_NE(text.find(" Time: 214748365 secs "), std::string::npos);
    EXPECT_GT(text.size(), 2 * 309u);
}

TEST(SampleReadout, BoxIsCentredUnderTheObjectAndGrownForInvalidation) {
    const LabObject o = Object(kBeaker);  // left 100, right 201, bottom 400
    const RectI32 box = SampleReadoutBox(o, 51, 20);
    EXPECT_EQ(box.right, 100 + 50 + 25);
    EXPECT_EQ(box.left, 175 - 51);
    EXPECT_EQ(box.top, 400);
    EXPECT_EQ(box.bottom, 420);
    const RectI32 area = SampleReadoutArea(box);
    EXPECT_EQ(area.left, 123);
    EXPECT_EQ(area.top, 399);
    EXPECT_EQ(area.right, 176);
    EXPECT_EQ(area.bottom, 421);
}
