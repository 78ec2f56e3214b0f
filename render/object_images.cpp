#include "render/object_images.h"

#include <cmath>

namespace {

struct Set {
    int32_t body, mask, accessory, front;
};

ObjectImages Four(const Set& large, const Set& small, bool largeSet) {
    const Set& s = largeSet ? large : small;
    return {s.body, s.mask, s.accessory, s.front, 0, 0, 0};
}

bool HoldsLiquidApart(const LabObject& o) {
    for (const ComponentSlot& slot : o.slots)
        if ((slot.phase & kPhaseHeldApart) && slot.grams > 0.0) return true;
    return false;
}

ObjectImages Erlenmeyer(const LabObject& o, bool large) {
    const int32_t state = o.stateBits;
    if (o.sizeIndex == 3) {
        if (state == 1) return Four({1168, 1169, 1170, 1171}, {2133, 2134, 2135, 2136}, large);
        if (state == 4) {
            const bool apart = HoldsLiquidApart(o);
            return Four({apart ? 2034 : 2030, 2031, 2032, 2033}, {apart ? 2143 : 2139, 2140, 2141, 2142},
                        large);
        }
        return Four({1151, 1152, 1153, 1154}, {2129, 2130, 2131, 2132}, large);
    }
    if (o.sizeIndex == 4) {
        if (state == 1) return Four({2010, 2011, 2012, 2013}, {2173, 2174, 2175, 2176}, large);
        return Four({1195, 1196, 1197, 1198}, {2169, 2170, 2171, 2172}, large);
    }
    return {};
}

ObjectImages RoundBottomFlask(const LabObject& o, bool large) {
    const int32_t state = o.stateBits;
    ObjectImages images{};
    if (state & 0x20) {
        if (state & 0x40) images = Four({2060, 2061, 2062, 2063}, {2251, 2252, 2253, 2254}, large);
        else if (state & 0x10) images = Four({2079, 2071, 2075, 2073}, {2271, 2261, 2262, 2263}, large);
        else if (state & 0x8) images = Four({2077, 2071, 2075, 2073}, {2270, 2261, 2262, 2263}, large);
        else if (state & 0x4) images = Four({2069, 2071, 2075, 2073}, {2260, 2261, 2262, 2263}, large);
        else images = Four({2056, 2057, 2058, 2059}, {2247, 2248, 2249, 2250}, large);
        images.knob = MantleSettingImage(o.reading1);
    } else {
        if (state & 0x40) images = Four({2064, 2065, 2066, 2067}, {2255, 2256, 2257, 2258}, large);
        else if (state & 0x10) images = Four({2078, 2070, 2074, 2072}, {2269, 2265, 2266, 2267}, large);
        else if (state & 0x8) images = Four({2076, 2070, 2074, 2072}, {2268, 2265, 2266, 2267}, large);
        else if (state & 0x4) images = Four({2068, 2070, 2074, 2072}, {2264, 2265, 2266, 2267}, large);
        else images = Four({2052, 2053, 2054, 2055}, {2243, 2244, 2245, 2246}, large);
    }
    return images;
}

ObjectImages Pipet(const LabObject& o, bool large) {
    const bool long11 = o.sizeIndex == 11;
    int32_t body;
    if (o.stateBits == 0) body = large ? (long11 ? 2042 : 2047) : (long11 ? 2279 : 2284);
    else if (o.stateBits == 0x40) body = large ? (long11 ? 2041 : 2046) : (long11 ? 2278 : 2283);
    else body = large ? (long11 ? 2038 : 2043) : (long11 ? 2275 : 2280);
    const Set shared = long11 ? (large ? Set{0, 2039, 2040, 0} : Set{0, 2276, 2277, 0})
                              : (large ? Set{0, 2044, 2045, 0} : Set{0, 2281, 2282, 0});
    return {body, shared.mask, shared.accessory, 0, 0, 0, 0};
}

// Gas syringe: state 2 is the syringe joined to a flask; the plunger is the
// moving part (2037 on the large set, 2185 on the small one).
ObjectImages GasSyringe(const LabObject& o, bool large) {
    ObjectImages images = (o.stateBits & 2) ? Four({2181, 2182, 2183, 0}, {2272, 2273, 2274, 0}, large)
                                            : Four({2018, 2020, 2021, 2019}, {2184, 2186, 2187, 0}, large);
    images.extra = large ? 2037 : 2185;
    return images;
}

// The triple-beam balance: the mask and (small set) the pan assembly swing
// with the beam; the riders and scales are drawn by the beam step.
ObjectImages CentigramBalance(const LabObject& o, bool large) {
    const bool level = o.stateBits == 0;
    if (large) return {2092, level ? 2093 : 2096, 2097, 0, 2094, 0, 0};
    return {2228, level ? 2229 : 2232, 2233, 0, level ? 2230 : 2231, 0, 0};
}

// Geiger counter: the carriage shows the shield kind (offset 4960) 0..3.
int32_t GeigerCarriage(const LabObject& o) {
    double kind = o.reading3;
    if (!(kind >= 0.0)) kind = 0.0;
    if (kind > 3.0) kind = 3.0;
    return 2088 + static_cast<int32_t>(kind);
}

ObjectImages PaperChromatography(const LabObject& o) {
    const bool placed = (o.objectFlags & kObjSolutePlaced) != 0;
    switch (o.stateBits) {
        case 0x1: return {2202, 0, 0, 0, placed ? 2206 : 0, 0, 0};
        case 0xB: return {2204, 0, 0, 0, placed ? ChromatogramFrame(o.reading1) : 0, 0, 0};
        // The other states show the tank so the apparatus never vanishes.
        case 0x0: return {2200, 0, 0, 0, 0, 0, 0};
        case 0x3: return {2201, 0, 0, 0, 0, 0, 0};
        case 0x1B: return {2203, 0, 0, 0, 0, 0, 0};
        default: return {};
    }
}

}  // namespace

ObjectImages ChooseObjectImages(const LabObject& o, bool large) {
    const int32_t stopcock = large ? 1180 : 2128;
    switch (o.type) {
        case kBunsenBurner: return {large ? 1150 : 2124, 0, 0, 0, 0, 0, 0};
        case kTestTube: return Four({1164, 1165, 1166, 1167}, {2157, 2158, 2159, 0}, large);
        case kBeaker:
            if (o.sizeIndex == 4) return Four({1191, 1192, 1193, 1194}, {2161, 2162, 2163, 2164}, large);
            if (o.sizeIndex == 5) return Four({1184, 1185, 1186, 1187}, {2165, 2166, 2167, 2168}, large);
            return Four({1155, 1156, 1157, 1158}, {2120, 2121, 2122, 2123}, large);
        case kErlenmeyerFlask: return Erlenmeyer(o, large);
        case kFlorenceFlask: return Four({2116, 2119, 2117, 2118}, {2177, 2180, 2178, 2179}, large);
        case kGraduatedCylinder: return Four({1159, 1160, 1161, 0}, {2144, 2145, 0, 0}, large);
        case kBuret: {
            ObjectImages images = Four({1177, 1178, 1179, 0}, {2125, 2126, 2127, 0}, large);
            images.stopcock = stopcock;
            return images;
        }
        case kWatchGlass: return {2014, 2015, 0, 0, 0, 0, 0};
        case kEvaporationDish: return Four({2111, 2112, 0, 0}, {2239, 2240, 0, 0}, large);
        case kCalorimeter: return {(o.stateBits & 2) ? 2017 : 2016, 0, 0, 0, 0, 0, 0};
        case kConductivityMeter: return {2086, 0, 0, 0, 0, 0, 0};
        case kHotPlate: return {2050, 0, 0, 0, 0, 0, 2051};
        case kRoundBottomFlask: return RoundBottomFlask(o, large);
        case kMetalWire: return {2147, 2148, 0, 0, 0, 0, 0};
        case kElectrochemicalCell: return {1189, 1190, 0, 0, 0, 0, 0};
        case kEyeDropper: return {2114, 2115, 0, 0, 0, 0, 0};
        case kCentigramBalance: return CentigramBalance(o, large);
        case kElectronicBalance: return Four({2048, 2049, 0, 0}, {2241, 2242, 0, 0}, large);
        // The small set's own picture follows its smaller template row.
        case kHighSensitivityBalance: return {large ? 2199 : 2288, 0, 0, 0, 0, 0, 0};
        case kPipet: return Pipet(o, large);
        case kCuvette:
            if (large) return {2035, 2036, 0, 0, 0, 0, 0};
            return {(o.stateBits & 1) ? 2285 : 2287, 2286, 0, 0, 0, 0, 0};
        case kDumasBulb: return {2109, 2110, 0, 0, 0, 0, 0};
        case kVolumetricFlask:
            if (o.sizeIndex == 4) return Four({2026, 2027, 2029, 2028}, {2153, 2154, 2156, 2155}, large);
            return Four({2022, 2023, 2025, 2024}, {2149, 2150, 2152, 2151}, large);
        case kGasSyringe: return GasSyringe(o, large);
        case kInvertedBuret: {
            ObjectImages images = Four({2193, 2195, 2194, 0}, {2196, 2198, 2197, 0}, large);
            images.stopcock = stopcock;
            return images;
        }
        case kGeigerCounter: return {2087, 0, 0, 0, GeigerCarriage(o), 0, 0};
        case kSeparatoryFunnel: return {(o.stateBits & 2) ? 2107 : 2106, 2108, 0, 0, 0, 1180, 0};
        case kPaperChromatography: return PaperChromatography(o);
        default: return {};
    }
}

HostOverlay ChooseHostOverlay(const LabObject& host, bool large) {
    if (host.type == kErlenmeyerFlask) {
        const int32_t state = host.stateBits;
        if (host.sizeIndex == 3) {
            if (state == 1) return {large ? 1171 : 2136, 0};
            if (state == 4) return {large ? 2033 : 2142, 0};
            return {large ? 1154 : 2132, 0};
        }
        if (host.sizeIndex == 4) {
            if (state == 1) return {large ? 2013 : 2176, 0};
            return {large ? 1198 : 2172, 0};
        }
        return {0, 0};
    }
    if (host.type == kBeaker) {
        if (host.sizeIndex == 4) return {large ? 1194 : 2164, large ? 1193 : 2163};
        if (host.sizeIndex == 5) return {large ? 1187 : 2168, large ? 1186 : 2167};
        return {large ? 1158 : 2123, large ? 1157 : 2122};
    }
    return {0, 0};
}

int32_t ChromatogramFrame(double r) {
    if (r > 20.0) return 2227;
    // r > 19 -> 2225, r > 18 -> 2224, ... r > 1 -> 2207.
    for (int32_t whole = 19; whole >= 1; --whole)
        if (r > whole) return 2206 + whole;
    return 2205;
}

int32_t MantleSettingImage(double setting) {
    for (int32_t level = 1; level <= 5; ++level)
        if (setting == level) return 2080 + level;
    return 2080;
}

int32_t DrawingHost(const LabObject* base, int32_t count, int32_t index) {
    const int32_t host = base[index].host;
    if (host < 1 || host > count || host == index) return 0;
    return host;
}

int LabelText(const LabObject& o, char out[kLabelLength + 1]) {
    int n = 0;
    while (n < kLabelLength && o.label[n] != '\0') {
        out[n] = o.label[n];
        ++n;
    }
    out[n] = '\0';
    return n;
}
