// A long run of a busy random bench through the seams: an hour of lab time
// must keep every record sane, and pouring must move mass, never make or
// lose it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "bench/sim/sim_water_colour.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

constexpr int kSoakTicks = 36000;  // one hour at 100 ms

// Empty text when the object is sane, else what is wrong with it. The
// ceiling is 773.15 K as a float holds it.
std::string Insanity(const LabObject& o) {
    auto finiteNonNegative = [](double v) { return std::isfinite(v) && v >= 0; };
    if (!(o.temperature >= 0 && o.temperature <= kMaxKelvin))
        return "temperature " + std::to_string(o.temperature);
    if (!finiteNonNegative(o.liquidVolume)) return "liquid volume " + std::to_string(o.liquidVolume);
    if (!finiteNonNegative(o.solidVolume)) return "solid volume " + std::to_string(o.solidVolume);
    if (!std::isfinite(o.indicatorAmount)) return "indicator";
    if (!std::isfinite(o.boilingPoint) || !std::isfinite(o.thermalMass)) return "boiling point";
    for (const ComponentSlot& s : o.slots) {
        if (!finiteNonNegative(s.grams)) return "grams " + std::to_string(s.grams);
        if (!(s.kelvin >= 0 && s.kelvin <= kMaxKelvin)) return "slot kelvin " + std::to_string(s.kelvin);
    }
    return "";
}

class SoakTest : public SimTest {
protected:
    std::mt19937 random_{20261210};
    int32_t Pick(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random_);
    }

    // Keeps the bench busy: more water, a fresh tip, another heat setting.
    void Stir() {
        const int32_t i = Pick(1, LabObjectCount);
        LabObject& o = LabObjects[i];
        SelectedObject = i;
        ObjectSelected = true;
        AddWaterStep(o, Pick(0, 3) == 0 ? 253 : 273 + Pick(0, 80), seams_);
        if ((o.kindFlags & kKindPourable) && o.variant == 0) o.variant = 1;
        if (o.type == kHotPlate) o.reading1 = Pick(0, 9);
        if (o.type == kSeparatoryFunnel) o.stirringState = Pick(0, 5);
    }
};

TEST_F(SoakTest, AnHourOfABusyBench) {
    BuildRandomBench(7);
    ASSERT_GE(LabObjectCount, kMaxLabObjects - 2);
    ASSERT_LE(LabObjectCount, kMaxLabObjects);
    seams_.hasHook = true;
    seams_.hook = [](int32_t, LabObject*) {};
    seams_.labStyle = 0x1;
    seams_.titrationOpen = true;
    const auto phases = TickPhases();
    int32_t pours = 0;

    for (int tick = 1; tick <= kSoakTicks; ++tick) {
        if (tick % 600 == 0) Stir();
        TickContext context = BeginTick(seams_, TimerMessage{1, 0});
        for (const TickPhase& phase : phases) {
            const bool pouring = std::strcmp(phase.name, "pouring") == 0 && context.heavy;
            const double before = pouring ? BenchMass(LabObjectCount, LabObjects) : 0;
            phase.run(context, TickObjectCount(), LabObjects);
            if (pouring) {
                const double after = BenchMass(LabObjectCount, LabObjects);
                ASSERT_NEAR(after, before, 1e-9 * (1 + before)) << "tick " << tick;
                ++pours;
            }
        }
        for (int32_t i = 1; i <= LabObjectCount; ++i) {
            const std::string wrong = Insanity(LabObjects[i]);
            ASSERT_EQ(wrong, "") << "object " << i << " type " << LabObjects[i].type << " tick " << tick;
        }
    }
    EXPECT_EQ(pours, kSoakTicks / 5);
    EXPECT_EQ(seams_.forwarded.size(), static_cast<size_t>(kSoakTicks));
}

}  // namespace
