#include "bench/sim/sim_water_colour.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_support.h"

namespace {

constexpr double kFreezingKelvin = 273.0;
constexpr double kIceWaterKelvin = 253.0;
constexpr int32_t kAddIceWaterComment = 675;
constexpr int32_t kAddWaterComment = 676;
constexpr int32_t kContentsCategory = 6;

uint32_t Channel(uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

// Weighed by volume and divided once: two equal channels give that channel
// back, so pouring one colour into itself never darkens it.
uint32_t MixChannel(double a, double volumeA, double b, double volumeB, double total) {
    const double mixed = std::trunc((b * volumeB + a * volumeA) / total);
    if (!(mixed > 0)) return 0;
    return mixed >= 255 ? 255 : static_cast<uint32_t>(mixed);
}

void RecordAddWater(const LabObject& vessel, double kelvin, double tenths, BenchSeams& seams) {
    std::string name;
    if (!seams.LoadResString(vessel.type, &name)) return;
    std::string format;
    const int32_t id = kelvin == kIceWaterKelvin ? kAddIceWaterComment : kAddWaterComment;
    if (!seams.LoadResString(id, &format)) {
        seams.RecordComment("Missing Comment", kContentsCategory);
        return;
    }
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), tenths / 10.0, name.c_str());
    seams.RecordComment(text, kContentsCategory);
}

}  // namespace

uint32_t MixColour(uint32_t a, double volumeA, uint32_t b, double volumeB) {
    if (a == b) return a;
    const double total = volumeA + volumeB;
    // Nothing to weigh by: what is poured in shows.
    if (!(total > 0) || !std::isfinite(total)) return b;
    uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        mixed |= MixChannel(Channel(a, shift), volumeA, Channel(b, shift), volumeB, total) << shift;
    return mixed;
}

uint32_t WaterColour() {
    // A lab without water in its table would otherwise pour black water.
    return FindChemicalRecord(kCasWater) ? ChemicalColour(kCasWater) : 0xFFFFFFu;
}

void AddWaterStep(LabObject& vessel, double kelvin, BenchSeams& seams) {
    const double step = vessel.addWaterStep;
    const double full = vessel.capacityMl * 10.0;
    if (!ObjectSelected || !(step > 0) || !(vessel.liquidVolume < full)) return;

    double volume = sim::NonNegative(vessel.liquidVolume);
    if (volume == 0 && vessel.solidVolume > 0) {
        volume = vessel.solidVolume * 10.0;
        vessel.liquidVolume = volume;
    }
    const double remainder = std::fmod(volume, step);
    double tenths = remainder != 0 ? step - remainder : step;
    // Solids counted in the level can already fill the vessel past a step.
    if (volume + tenths > full) tenths = full - volume;
    if (!(tenths > 0)) return;

    const bool ice = kelvin < kFreezingKelvin;
    const uint32_t phase = ice ? kPhaseSolid : kPhaseLiquid;
    const double grams = ice ? tenths * sim::kIceDensity / 10.0 : tenths / 10.0;
    // The level rises only by water the vessel really took.
    if (!AddComponent(vessel, kCasWater, phase, grams, kelvin)) return;

    sim::SetKelvin(vessel, (vessel.temperature * volume + tenths * kelvin) / (volume + tenths));
    const uint32_t colour = MixColour(sim::ColourOf(vessel.liquidColour), volume, WaterColour(), tenths);
    sim::StoreColour(vessel.liquidColour, colour);
    vessel.liquidVolume = volume + tenths;

    if (seams.DemoRecording()) RecordAddWater(vessel, kelvin, tenths, seams);
    seams.InvalidateLogicalRect(vessel.position);
    DocumentModified = true;
}
