// The program's own tick over a bench, without a window, for the fuzz
// targets that run the simulation: each tick is followed by the bench
// soundness check.
#pragma once
#include <cstdint>
#include <cstring>

#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_seams.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"
#include "common/module_contract.h"
#include "fuzz/bench_soundness.h"
#include "tools/labsim/headless_sim_seams.h"

namespace fuzz {

using SimulationHook = LabSimulationProcEntry*;

// Puts base[0..count] on the bench and runs `ticks` ticks with the hook and
// style; the bench must be sound after every one. `what` names the run in
// the report of a fault.
inline void RunTicks(const LabObject* base, int32_t count, SimulationHook hook, uint32_t style, int ticks,
                     const char* what) {
    static HeadlessSimSeams seams;
    seams.hook = hook;
    seams.style = style;
    SetBenchSeams(&seams);
    ResetLabObjects();
    std::memcpy(static_cast<void*>(LabObjects), base, sizeof(LabObject) * size_t(count + 1));
    LabObjectCount = count;
    SelectedObject = 0;
    ObjectSelected = false;
    LabTickCount = 0;
    for (int t = 0; t < ticks; ++t) {
        SimulationTick(seams, TimerMessage{1, 0});
        CheckBenchSound(LabObjects, LabObjectCount, what);
    }
    FreeTitrationPoints(TitrationPoints);
    ResetTitrationSampler(TitrationSampling);
    SetBenchSeams(nullptr);
}

}  // namespace fuzz
