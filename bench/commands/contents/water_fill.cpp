#include "bench/commands/contents/water_fill.h"

#include <cmath>
#include <cstdio>

#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/sim/sim_support.h"
#include "bench/sim/sim_water_colour.h"

namespace {
constexpr double kFreezingKelvin = 273.0;
}

double WaterStartLevel(const LabObject& vessel) {
    const double liquid = sim::NonNegative(vessel.liquidVolume);
    if (liquid == 0 && vessel.solidVolume > 0) return sim::NonNegative(vessel.solidVolume * 10.0);
    return liquid;
}

std::vector<int32_t> WaterLevels(const LabObject& vessel) {
    std::vector<int32_t> levels;
    const double step = vessel.addWaterStep;
    if (!(step > 0) || !std::isfinite(step)) return levels;
    const double full = vessel.capacityMl * 10.0;
    const double start = WaterStartLevel(vessel);
    for (double k = std::floor(start / step) + 1;; ++k) {
        const double level = k * step;
        if (level > full || levels.size() >= 100000) break;
        levels.push_back(static_cast<int32_t>(level));
    }
    return levels;
}

std::string WaterLevelText(int32_t tenths, const std::string& separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%d%s%d ml", tenths / 10, separator.c_str(), tenths % 10);
    return text;
}

double FillWithWater(LabObject& vessel, double level, double kelvin) {
    const double start = WaterStartLevel(vessel);
    const double tenths = level - start;
    if (!(tenths > 0) || !std::isfinite(tenths)) return 0;
    const bool ice = kelvin < kFreezingKelvin;
    const double grams = ice ? sim::kIceDensity * tenths / 10.0 : tenths / 10.0;
    if (!AddComponent(vessel, kCasWater, ice ? kPhaseSolid : kPhaseLiquid, grams, kelvin)) return 0;
    sim::SetKelvin(vessel, (tenths * kelvin + start * vessel.temperature) / level);
    sim::StoreColour(vessel.liquidColour, MixColour(sim::ColourOf(vessel.liquidColour), start, WaterColour(), tenths));
    vessel.liquidVolume = level;
    return tenths;
}

double ApplyWaterChoice(LabObject& vessel, bool maximum, int32_t levelIndex, bool iceWater, BenchSeams& seams) {
    double level = 0;
    if (maximum) {
        level = vessel.capacityMl * 10.0;
    } else {
        const std::vector<int32_t> levels = WaterLevels(vessel);
        if (levelIndex < 0 || levelIndex >= static_cast<int32_t>(levels.size())) return 0;
        level = levels[levelIndex];
    }
    const double kelvin = iceWater ? kIceWaterKelvin : kRoomWaterKelvin;
    const double tenths = FillWithWater(vessel, level, kelvin);
    if (tenths > 0 && seams.DemoRecording()) {
        constexpr int32_t kWaterCategory = 6;
        std::string format, name;
        if (seams.LoadResString(iceWater ? 675 : 676, &format) && seams.LoadResString(vessel.type, &name)) {
            char text[512];
            std::snprintf(text, sizeof text, format.c_str(), tenths / 10.0, name.c_str());
            seams.RecordComment(text, kWaterCategory);
        } else {
            seams.RecordComment("Missing Comment", kWaterCategory);
        }
    }
    return tenths;
}
