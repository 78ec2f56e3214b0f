// labsim's tick: the program's own SimulationTick over the lab file's
// objects, with a bench that has no window (no boxes, no redraws).
#include <algorithm>
#include <cstring>

#include "bench/window/bench_seams.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_seams.h"
#include "bench/sim/sim_tick.h"
#include "tools/labsim/labsim_seams.h"

namespace {

class HeadlessSimSeams final : public QuietBench<SimSeams> {
public:
    LabSimulationProcEntry* hook = nullptr;
    uint32_t style = 0;
    LabsimSettings settings;

    int32_t FullScreenHeight() const override { return settings.smallScreen ? 768 : 1024; }
    RectI32 BenchClientRect() const override { return RectI32{0, 0, 905, 940}; }

    void InvalidateBench() override {}
    void EraseWithWindowColour(const RectI32&) override {}
    int32_t BunsenBurnerHeat() const override { return settings.bunsenBurnerHeat; }
    int32_t HotPlateIncrements() const override { return settings.hotPlateIncrements; }
    uint32_t QueryLabStyle() override { return style; }
    bool HasLabSimulationProc() const override { return hook != nullptr; }
    void LabSimulationProc(int32_t count, LabObject* base) override { hook(count, base); }
    int RecordLabState(int32_t, const LabObject*) override { return 0; }
    void RecordTimeMark(int) override {}
    bool TitrationWindowOpen() const override { return false; }
    void ForwardTimerToTitration(const TimerMessage&) override {}
    void InvalidateDataWindow() override {}
};

HeadlessSimSeams seams;

// The tick works on the bench's one array, so the objects visit it for
// the length of each tick.
void RunOneTick(int32_t count, LabObject* base, LabSimulationProcEntry* hook, uint32_t labStyle,
                const LabsimSettings& settings) {
    count = std::clamp(count, 0, kMaxLabObjects);
    seams.hook = hook;
    seams.style = labStyle;
    seams.settings = settings;
    SetBenchSeams(&seams);
    std::memcpy(&LabObjects[0], base, sizeof(LabObject) * static_cast<size_t>(count + 1));
    LabObjectCount = count;
    SimulationTick(seams, TimerMessage{1, 0});
    std::memcpy(base, &LabObjects[0], sizeof(LabObject) * static_cast<size_t>(LabObjectCount + 1));
    SetBenchSeams(nullptr);
}

}  // namespace

LabTickFunction LabsimTick = RunOneTick;
