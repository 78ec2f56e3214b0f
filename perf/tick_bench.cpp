// One simulation tick on a full bench of 50 objects: burners under boiling
// beakers, hot plates with dissolving salt, pours and titrations running.
// The heavy tick (every fifth) carries the physics; the light one the heat
// sources, balances and drawing up.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/model/lab_objects.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"
#include "tests/support/bench_scenario.h"
#include "tests/support/recording_sim_seams.h"

namespace {

// Rebuilds the bench now and then so pours and boiling never run dry.
constexpr int kTicksBeforeRebuild = 40;

void RunTicks(benchmark::State& state, bool heavy) {
    scenario::ScopedSimulationChemicals chemicals;
    RecordingSimSeams seams;
    seams.quiet = true;
    seams.labStyle = 0x1;  // titration samples too
    scenario::BuildFullBench();
    static LabObject fresh[kLabObjectArrayLength];
    std::memcpy(fresh, LabObjects, sizeof fresh);
    const int32_t count = LabObjectCount;

    int ticks = 0;
    for (auto _ : state) {
        if (++ticks == kTicksBeforeRebuild) {
            state.PauseTiming();
            std::memcpy(LabObjects, fresh, sizeof fresh);
            LabObjectCount = count;
            FreeTitrationPoints(TitrationPoints);
            ResetTitrationSampler(TitrationSampling);
            ticks = 0;
            state.ResumeTiming();
        }
        // The tick after a multiple of 5 is light; the one before it heavy.
        LabTickCount = heavy ? 4 : 0;
        SimulationTick(seams, TimerMessage{1, 0});
        benchmark::DoNotOptimize(LabObjects);
    }
    state.counters["objects"] = count;
    FreeTitrationPoints(TitrationPoints);
}

void HeavyTick(benchmark::State& state) { RunTicks(state, true); }
void LightTick(benchmark::State& state) { RunTicks(state, false); }

}  // namespace

BENCHMARK(HeavyTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(LightTick)->Unit(benchmark::kMicrosecond);
