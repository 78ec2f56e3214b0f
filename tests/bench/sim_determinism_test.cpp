// A scripted bench run for a while must end in exactly the same records in
// every build: the native and the i686 build compute the same doubles.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

// FNV-1a over the fields the simulation writes (not the picture geometry,
// which belongs to the catalogue).
class RecordHash {
public:
    template <typename T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 1099511628211ull;
    }
    uint64_t value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

uint64_t HashBench() {
    RecordHash h;
    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        const LabObject& o = LabObjects[i];
        h.Add(o.variant);
        h.Add(o.stateBits);
        h.Add(o.position);
        h.Add(o.liquidVolume);
        h.Add(o.solidVolume);
        h.Add(o.liquidColour);
        h.Add(o.solidColour);
        h.Add(o.stirringState);
        h.Add(o.pourTarget);
        h.Add(o.flowSetting);
        h.Add(o.heatApplied);
        h.Add(o.thermalMass);
        h.Add(o.temperature);
        h.Add(o.boilingPoint);
        h.Add(o.indicatorAmount);
        h.Add(o.reading1);
        h.Add(o.reading2);
        h.Add(o.reading3);
        h.Add(o.stopwatchCount);
        for (const ComponentSlot& s : o.slots) {
            h.Add(s.cas);
            h.Add(s.phase);
            h.Add(s.grams);
            h.Add(s.kelvin);
        }
    }
    return h.value();
}

class DeterminismTest : public SimTest {};

TEST_F(DeterminismTest, AFullBenchAfterFiveMinutes) {
    BuildFullBench();
    seams_.quiet = true;
    seams_.labStyle = 0x1;
    for (int tick = 0; tick < 3000; ++tick) SimulationTick(seams_, TimerMessage{1, 0});
    // Changes whenever the simulation's arithmetic changes on purpose; a
    // difference between the native and the Wine run is a fault.
    EXPECT_EQ(HashBench(), 0x7df2545d5d118644ull) << std::hex << HashBench();
}

}  // namespace
