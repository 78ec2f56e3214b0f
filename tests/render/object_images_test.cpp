// Picture choice for every kind, size, state and image set a template row allows.
#include <gtest/gtest.h>

#include <cstring>

#include "render/object_images.h"

namespace {

LabObject Object(int32_t type, int32_t size = 0, int32_t state = 0) {
    LabObject o{};
    o.type = type;
    o.sizeIndex = size;
    o.stateBits = static_cast<int16_t>(state);
    return o;
}

struct ImageCase {
    int32_t type, size, state;
    bool large;
    ObjectImages expected;
};

TEST(ObjectImages, EveryTemplateShapeGetsItsPictures) {
    const ImageCase cases[] = {
        {1, 0, 0, true, {1150, 0, 0, 0, 0, 0, 0}},
        {1, 0, 0, false, {2124, 0, 0, 0, 0, 0, 0}},
        {2, 2, 0, true, {1164, 1165, 1166, 1167, 0, 0, 0}},
        {2, 2, 0, false, {2157, 2158, 2159, 0, 0, 0, 0}},
        {3, 3, 0, true, {1155, 1156, 1157, 1158, 0, 0, 0}},
        {3, 4, 0, false, {2161, 2162, 2163, 2164, 0, 0, 0}},
        {3, 5, 0, true, {1184, 1185, 1186, 1187, 0, 0, 0}},
        {4, 3, 0, true, {1151, 1152, 1153, 1154, 0, 0, 0}},
        {4, 3, 1, false, {2133, 2134, 2135, 2136, 0, 0, 0}},
        {4, 3, 4, true, {2030, 2031, 2032, 2033, 0, 0, 0}},
        {4, 4, 0, false, {2169, 2170, 2171, 2172, 0, 0, 0}},
        {4, 4, 1, true, {2010, 2011, 2012, 2013, 0, 0, 0}},
        {4, 2, 0, true, {}},  // no pictures for other flask sizes
        {5, 3, 0, true, {2116, 2119, 2117, 2118, 0, 0, 0}},
        {5, 3, 0, false, {2177, 2180, 2178, 2179, 0, 0, 0}},
        {6, 3, 0, false, {2144, 2145, 0, 0, 0, 0, 0}},
        {7, 2, 0, true, {1177, 1178, 1179, 0, 0, 1180, 0}},
        {7, 2, 0, false, {2125, 2126, 2127, 0, 0, 2128, 0}},
        {8, 2, 0, false, {2014, 2015, 0, 0, 0, 0, 0}},
        {9, 3, 0, false, {2239, 2240, 0, 0, 0, 0, 0}},
        {10, 4, 0, true, {2016, 0, 0, 0, 0, 0, 0}},
        {10, 4, 2, true, {2017, 0, 0, 0, 0, 0, 0}},
        {12, 0, 0, true, {2050, 0, 0, 0, 0, 0, 2051}},
        {13, 3, 0, true, {2052, 2053, 2054, 2055, 0, 0, 0}},
        {13, 3, 0x4, false, {2264, 2265, 2266, 2267, 0, 0, 0}},
        {13, 3, 0xC, true, {2076, 2070, 2074, 2072, 0, 0, 0}},
        {13, 3, 0x1C, true, {2078, 2070, 2074, 2072, 0, 0, 0}},
        {13, 3, 0x40, false, {2255, 2256, 2257, 2258, 0, 0, 0}},
        {13, 3, 0x3C, false, {2271, 2261, 2262, 2263, 0, 0, 2080}},
        {13, 3, 0x60, true, {2060, 2061, 2062, 2063, 0, 0, 2080}},
        {17, 3, 0, true, {2092, 2093, 2097, 0, 2094, 0, 0}},
        {17, 3, 1, false, {2228, 2232, 2233, 0, 2231, 0, 0}},
        {20, 1, 0, true, {2047, 2044, 2045, 0, 0, 0, 0}},
        {20, 11, 0x40, false, {2278, 2276, 2277, 0, 0, 0, 0}},
        {20, 11, 0x80, true, {2038, 2039, 2040, 0, 0, 0, 0}},
        {21, 1, 0, false, {2287, 2286, 0, 0, 0, 0, 0}},
        {21, 1, 1, false, {2285, 2286, 0, 0, 0, 0, 0}},
        {23, 4, 0, false, {2153, 2154, 2156, 2155, 0, 0, 0}},
        {24, 9, 1, true, {2018, 2020, 2021, 2019, 2037, 0, 0}},
        {24, 9, 2, false, {2272, 2273, 2274, 0, 2185, 0, 0}},
        {25, 2, 0, false, {2196, 2198, 2197, 0, 0, 2128, 0}},
        {26, 1, 0, true, {2087, 0, 0, 0, 2088, 0, 0}},
        {27, 3, 2, true, {2107, 2108, 0, 0, 0, 1180, 0}},
        {27, 3, 0, false, {2106, 2108, 0, 0, 0, 1180, 0}},
        {28, 0, 0x1, true, {2202, 0, 0, 0, 0, 0, 0}},
        {0, 0, 0, true, {}},
    };
    for (const ImageCase& c : cases) {
        const ObjectImages got = ChooseObjectImages(Object(c.type, c.size, c.state), c.large);
        SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.size << " state " << c.state
                                        << (c.large ? " large" : " small"));
        EXPECT_EQ(got.body, c.expected.body);
        EXPECT_EQ(got.mask, c.expected.mask);
        EXPECT_EQ(got.accessory, c.expected.accessory);
        EXPECT_EQ(got.front, c.expected.front);
        EXPECT_EQ(got.extra, c.expected.extra);
        EXPECT_EQ(got.stopcock, c.expected.stopcock);
        EXPECT_EQ(got.knob, c.expected.knob);
    }
}

TEST(ObjectImages, StateAndContentsPickBetweenPictures) {
    LabObject flask = Object(kErlenmeyerFlask, 3, 4);
    flask.slots[2].phase = kPhaseLiquid | kPhaseHeldApart;
    flask.slots[2].grams = 1.5;
    EXPECT_EQ(ChooseObjectImages(flask, true).body, 2034);
    EXPECT_EQ(ChooseObjectImages(flask, false).body, 2143);

    LabObject mantle = Object(kRoundBottomFlask, 3, 0x20);
    const struct { double setting; int32_t image; } settings[] = {
        {0.0, 2080}, {1.0, 2081}, {2.0, 2082}, {3.0, 2083}, {4.0, 2084}, {5.0, 2085}, {2.5, 2080}, {6.0, 2080}};
    for (const auto& s : settings) {
        mantle.reading1 = s.setting;
        EXPECT_EQ(ChooseObjectImages(mantle, true).knob, s.image) << s.setting;
    }

    LabObject geiger = Object(kGeigerCounter, 1);
    const struct { double shield; int32_t image; } shields[] = {{0, 2088}, {2.0, 2090}, {3.0, 2091}, {9, 2091}, {-1, 2088}};
    for (const auto& s : shields) {
        geiger.reading3 = s.shield;
        EXPECT_EQ(ChooseObjectImages(geiger, true).extra, s.image) << s.shield;
    }

    LabObject paper = Object(kPaperChromatography, 0, 0xB);
    paper.reading1 = 12.5;
    EXPECT_EQ(ChooseObjectImages(paper, true).extra, 0) << "nothing in the tank before the solute";
    paper.objectFlags = kObjSolutePlaced;
    EXPECT_EQ(ChooseObjectImages(paper, true).extra, 2218);
}

TEST(ObjectImages, ChromatogramFramesStepByWholeUnits) {
    const struct { double reading; int32_t frame; } cases[] = {
        {0.0, 2205}, {1.0, 2205}, {1.01, 2207}, {2.0, 2207}, {2.5, 2208}, {18.5, 2224},
        {19.0, 2224}, {19.5, 2225}, {20.0, 2225}, {20.1, 2227}};
    for (const auto& c : cases) EXPECT_EQ(ChromatogramFrame(c.reading), c.frame) << c.reading;
}

TEST(HostOverlay, BeakersAndErlenmeyerFlasksRedrawTheirFrontGlass) {
    const struct { int32_t type, size, state; bool large; HostOverlay expected; } cases[] = {
        {kBeaker, 4, 0, true, {1194, 1193}},
        {kBeaker, 4, 0, false, {2164, 2163}},
        {kBeaker, 5, 0, false, {2168, 2167}},
        {kBeaker, 3, 0, true, {1158, 1157}},
        {kErlenmeyerFlask, 3, 4, true, {2033, 0}},
        {kErlenmeyerFlask, 3, 4, false, {2142, 0}},
        {kErlenmeyerFlask, 3, 1, true, {1171, 0}},
        {kErlenmeyerFlask, 4, 1, false, {2176, 0}},
        {kErlenmeyerFlask, 4, 0, true, {1198, 0}},
        {kErlenmeyerFlask, 2, 0, true, {0, 0}},
        {kFlorenceFlask, 3, 0, true, {0, 0}},
        {kTestTube, 2, 0, true, {0, 0}},
    };
    for (const auto& c : cases) {
        const HostOverlay got = ChooseHostOverlay(Object(c.type, c.size, c.state), c.large);
        EXPECT_EQ(got.front, c.expected.front) << c.type << "/" << c.size << "/" << c.state;
        EXPECT_EQ(got.accessory, c.expected.accessory) << c.type << "/" << c.size << "/" << c.state;
    }
}

TEST(DrawingHost, AStaleOrSelfHostDrawsTheObjectFreeStanding) {
    LabObject base[4]{};
    const struct { int32_t host; int32_t expected; } cases[] = {{0, 0}, {1, 1}, {3, 3}, {2, 0}, {4, 0}, {-1, 0}, {60, 0}};
    for (const auto& c : cases) {
        base[2].host = c.host;
        EXPECT_EQ(DrawingHost(base, 3, 2), c.expected) << c.host;
    }
}

TEST(LabelText, TakesAtMostThreeCharactersAndStopsAtNul) {
    LabObject o{};
    char out[kLabelLength + 1];
    std::memcpy(o.label, "ABC", 3);
    std::memcpy(o.note, "note text", 9);
    EXPECT_EQ(LabelText(o, out), 3);
    EXPECT_STREQ(out, "ABC");
    std::memcpy(o.label, "X\0Z", 3);
    EXPECT_EQ(LabelText(o, out), 1);
    EXPECT_STREQ(out, "X");
    std::memset(o.label, 0, 3);
    EXPECT_EQ(LabelText(o, out), 0);
}

}  // namespace
