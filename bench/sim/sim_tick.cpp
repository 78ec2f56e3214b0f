#include "bench/sim/sim_tick.h"

#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_dissolve.h"
#include "bench/sim/sim_heat_sources.h"
#include "bench/sim/sim_pour.h"
#include "bench/sim/sim_syringe.h"
#include "bench/sim/sim_thermal.h"
#include "bench/sim/sim_titration_sample.h"
#include "common/lab_style.h"

uint32_t LabTickCount = 0;

int64_t LabClockSeconds() { return static_cast<int64_t>(LabTickCount / 10); }

namespace {

// Pictures of the animated kinds.
constexpr int32_t kFlaskStill = 183;
constexpr int32_t kFlaskBubbling = 186;
constexpr int32_t kFlaskSettling = 188;
constexpr int32_t kFlaskSettled = 173;
constexpr double kFlaskFrameThreshold = 0.25;
constexpr int32_t kDropperStill = 206;
constexpr int32_t kDropperDripping = 246;
constexpr int32_t kDropperDripStrip = 10;
constexpr int32_t kFunnelTippedWhileAtLeast = 3;

void AnimateRoundFlask(LabObject& o) {
    int32_t& picture = o.currentPictureId;
    const double rate = o.flowSetting;
    if (rate == 0) {
        if (picture == kFlaskBubbling) picture = kFlaskStill;
        if (picture == kFlaskSettling) picture = kFlaskSettled;
        return;
    }
    o.reading2 += rate;
    if (o.reading2 < kFlaskFrameThreshold) {
        if (picture == kFlaskBubbling) picture = kFlaskStill;
        return;
    }
    o.reading2 = 0;
    picture = picture == kFlaskStill ? kFlaskBubbling : kFlaskStill;
}

void AnimateEyeDropper(LabObject& o, SimSeams& seams) {
    const double rate = o.liquidVolume > 0 ? o.flowSetting : 0;
    if (rate > 0 && o.pourTarget != 0 && o.currentPictureId == kDropperStill) {
        o.currentPictureId = kDropperDripping;
    } else if (o.currentPictureId == kDropperDripping) {
        o.currentPictureId = kDropperStill;
        const RectI32& p = o.position;
        seams.EraseWithWindowColour({p.left, p.bottom - kDropperDripStrip, p.right, p.bottom});
    }
}

void CountDownShake(LabObject& funnel, SimSeams& seams) {
    const int32_t before = funnel.stirringState;
    funnel.stirringState = before - 1;
    seams.SetDrainVariant(funnel, 0, before >= kFunnelTippedWhileAtLeast ? 1 : 0);
}

// ---- the phases ----

void RedrawBench(TickContext& tick, int32_t, LabObject*) { tick.seams.InvalidateBench(); }

void HeatSources(TickContext& tick, int32_t count, LabObject* base) {
    HeatSourceStep(count, base, tick.seams);
}

void Balances(TickContext& tick, int32_t count, LabObject* base) { BalanceStep(count, base, tick.seams); }

void DrawUp(TickContext& tick, int32_t count, LabObject* base) { DrawUpStep(count, base, tick.seams); }

void MetalWires(TickContext& tick, int32_t count, LabObject* base) {
    UpdateMetalWires(count, base, tick.seams);
}

void ReadLabStyle(TickContext& tick, int32_t, LabObject*) { tick.labStyle = tick.seams.QueryLabStyle(); }

void Thermal(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.heavy && !(tick.labStyle & kStyleNoThermalStep)) ThermalStep(count, base, tick.labStyle);
}

void OutletTargets(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.heavy) FindOutletTargets(count, base);
}

void Dissolving(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.heavy && !(tick.labStyle & kStyleNoDissolvingStep)) DissolveStep(base, count);
}

void Pouring(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.heavy) PourStep(count, base, SelectedObject, tick.seams);
}

void Animation(TickContext& tick, int32_t count, LabObject* base) { AnimationStep(count, base, tick.seams); }

void ModuleHook(TickContext& tick, int32_t count, LabObject* base) {
    if (!tick.heavy || !tick.seams.HasLabSimulationProc()) return;
    tick.seams.LabSimulationProc(count, base);
    if (tick.labStyle & kStyleNoObjectUpdate) return;
    // The hook may have changed the count.
    const int32_t now = TickObjectCount();
    for (int32_t i = 1; i <= now; ++i) SetAllTemperatures(base[i], base[i].temperature);
}

void TitrationSamples(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.labStyle & kStylePhMeter)
        CollectDataSample(count, base, tick.seams.TitrationSink(), TitrationSampling, tick.seams);
}

void GasSyringes(TickContext& tick, int32_t count, LabObject* base) {
    if (tick.heavy) SyringeStep(base, count, tick.seams);
}

void DemonstrationFrame(TickContext& tick, int32_t count, LabObject* base) {
    if (!tick.heavy || !tick.seams.DemoRecording()) return;
    const int written = tick.seams.RecordLabState(count, base + 1);
    tick.seams.RecordTimeMark(written);
}

void TitrationDialog(TickContext& tick, int32_t count, LabObject*) {
    if (count >= 1 && tick.seams.TitrationWindowOpen()) tick.seams.ForwardTimerToTitration(tick.message);
}

constexpr TickPhase kTickPhases[] = {
    {"redraw bench", RedrawBench},
    {"heat sources", HeatSources},
    {"balances", Balances},
    {"draw up", DrawUp},
    {"metal wires", MetalWires},
    {"lab style", ReadLabStyle},
    {"thermal", Thermal},
    {"outlet targets", OutletTargets},
    {"dissolving", Dissolving},
    {"pouring", Pouring},
    {"animation and counters", Animation},
    {"module hook", ModuleHook},
    {"titration samples", TitrationSamples},
    {"gas syringes", GasSyringes},
    {"demonstration frame", DemonstrationFrame},
    {"titration dialog", TitrationDialog},
};

}  // namespace

std::span<const TickPhase> TickPhases() { return kTickPhases; }

int32_t TickObjectCount() {
    if (LabObjectCount < 0) return 0;
    return LabObjectCount > kMaxLabObjects ? kMaxLabObjects : LabObjectCount;
}

TickContext BeginTick(SimSeams& seams, const TimerMessage& message) {
    ++LabTickCount;
    return TickContext{seams, message, LabTickCount % kHeavyTickPeriod == 0, 0};
}

void SimulationTick(SimSeams& seams, const TimerMessage& message) {
    TickContext tick = BeginTick(seams, message);
    for (const TickPhase& phase : kTickPhases) phase.run(tick, TickObjectCount(), LabObjects);
}

void UpdateMetalWires(int32_t count, LabObject* base, SimSeams& seams) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        if (o.type != kMetalWire) continue;
        const bool dipped = (o.objectFlags & kObjDipped) != 0;
        if ((o.kindFlags & kKindDippable) && dipped && o.host != 0)
            seams.SetDippedState(o, 1, 0);
        else if (!dipped)
            seams.SetDippedState(o, 0, 0);
    }
}

void AnimationStep(int32_t count, LabObject* base, SimSeams& seams) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        if (o.type == kRoundBottomFlask) AnimateRoundFlask(o);
        if (o.type == kEyeDropper) AnimateEyeDropper(o, seams);
        // The count stops at its largest value rather than wrapping.
        if ((o.objectFlags & kObjStopwatchMask) == kObjStopwatchRunning && o.stopwatchCount < INT32_MAX)
            ++o.stopwatchCount;
        if (o.type == kSeparatoryFunnel && o.stirringState > 0) CountDownShake(o, seams);
    }
}
