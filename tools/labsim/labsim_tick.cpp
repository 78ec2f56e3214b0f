// labsim's tick: the program's own SimulationTick over the lab file's
// objects, with a bench that has no window (no boxes, no redraws).
#include <algorithm>
#include <cstring>

#include "bench/window/bench_seams.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_seams.h"
#include "bench/sim/sim_tick.h"
#include "tools/labsim/headless_sim_seams.h"
#include "tools/labsim/labsim_seams.h"

namespace {

HeadlessSimSeams seams;

// The tick works on the bench's one array, so the objects visit it for
// the length of each tick.
void RunOneTick(int32_t count, LabObject* base, LabSimulationProcEntry* hook, uint32_t labStyle,
                const LabsimSettings& settings) {
    count = std::clamp(count, 0, kMaxLabObjects);
    seams.hook = hook;
    seams.style = labStyle;
    seams.bunsenBurnerHeat = settings.bunsenBurnerHeat;
    seams.hotPlateIncrements = settings.hotPlateIncrements;
    seams.smallScreen = settings.smallScreen;
    SetBenchSeams(&seams);
    std::memcpy(&LabObjects[0], base, sizeof(LabObject) * static_cast<size_t>(count + 1));
    LabObjectCount = count;
    SimulationTick(seams, TimerMessage{1, 0});
    std::memcpy(base, &LabObjects[0], sizeof(LabObject) * static_cast<size_t>(LabObjectCount + 1));
    SetBenchSeams(nullptr);
}

}  // namespace

LabTickFunction LabsimTick = RunOneTick;
