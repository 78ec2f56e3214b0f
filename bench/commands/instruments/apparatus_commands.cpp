// Apparatus: the round-bottom flask's distillation parts, the vapour-pressure
// assembly, pipets and droppers, the separatory funnel, the
// spectrophotometer sample, the gas-syringe volume and paper chromatography.
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/instruments/instrument_command_support.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/commands/instruments/instrument_comments.h"
#include "bench/commands/instruments/instrument_seams.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"
#include "common/component_slot.h"

using namespace instruments;

namespace {

enum FlaskPart : int32_t {
    kHead = 0x4,
    kCondenser = 0x8,
    kTakeOff = 0x10,
    kMantle = 0x20,
    kReflux = 0x40,
};

constexpr int32_t kVaporPressureAssembly = 0x4;
constexpr int32_t kPipetReleasing = 0x40;
constexpr int32_t kVaporFlaskSize = 3;

enum : int32_t {
    kReleaseLiquidString = 644,
    kStopReleaseString = 645,
    kInsertSampleString = 665,
    kRemoveSampleString = 666,
};

LabObject* SelectedOfType(int32_t type) {
    LabObject* o = SelectedRecord();
    return o && o->type == type ? o : nullptr;
}

void OnFlaskPart(const CommandMessage& command) {
    LabObject* flask = SelectedOfType(kRoundBottomFlask);
    if (!flask) return;
    bool removes = false;
    const int32_t state = FlaskPartState(command.id, flask->stateBits, &removes);
    {
        Reframe frame(*flask);
        if (removes) InvalidateObject(*flask);
        SetTemplateState(*flask, state);
    }
    InvalidateObject(*flask);
    DocumentModified = true;
}

void OnVaporPressureAssembly(const CommandMessage&) {
    LabObject* flask = SelectedOfType(kErlenmeyerFlask);
    if (!flask) return;
    Reframe frame(*flask);
    if (flask->stateBits == kVaporPressureAssembly) {
        InvalidateObject(*flask);
        ToggleTemplateState(*flask, kVaporPressureAssembly);
    } else {
        SetTemplateState(*flask, kVaporPressureAssembly);
        InvalidateObject(*flask);
    }
}

void OnReleaseDropper(const CommandMessage&) {
    const int32_t flask = ReleaseDropperFlask();
    if (!flask) return;
    ReleaseHeldLiquid(LabObjects[flask]);
    InvalidateObject(LabObjects[flask]);
}

void OnReleaseLiquid(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o || (o->type != kPipet && o->type != kEyeDropper)) return;
    o->objectFlags ^= kObjDipped;
    if (o->host != 0) {
        // The host lets go only of what it holds from this object.
        const int32_t host = o->host;
        if (IsObjectIndex(host) && LabObjects[host].hostedItem == IndexOf(*o)) LabObjects[host].hostedItem = 0;
        o->host = 0;
    }
    if (o->type == kPipet) {
        SetTemplateState(*o, kPipetReleasing);
        InvalidateObject(*o);
        o->flowSetting = 10.0;
    } else {
        o->flowSetting = 0.5;
    }
    RecordProcedureString(CurrentBenchSeams(), kReleaseLiquidString);
}

void OnStopRelease(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o || (o->type != kPipet && o->type != kEyeDropper)) return;
    if (o->type == kPipet) {
        if (o->stateBits != 0) {
            SetTemplateState(*o, 0);
            InvalidateObject(*o);
        }
        o->objectFlags ^= kObjDipped;
    }
    o->flowSetting = 0.0;
    RecordProcedureString(CurrentBenchSeams(), kStopReleaseString);
}

void RecordLiteral(const char* text) {
    BenchSeams& bench = CurrentBenchSeams();
    if (bench.DemoRecording()) bench.RecordComment(text, kCommentProcedureCategory);
}

void OnFunnel(const CommandMessage& command) {
    LabObject* funnel = SelectedOfType(kSeparatoryFunnel);
    if (!funnel) return;
    CurrentInstrumentSeams().InvalidateWholeBench();
    // The state is set whole: opening the stopcock takes the stopper out,
    // fitting the stopper closes the stopcock.
    switch (command.id) {
    case kCmdStopcock:
        if (funnel->stateBits & kFunnelStopcockOpen) {
            SetTemplateState(*funnel, 0);
            funnel->flowSetting = 0.0;
            RecordLiteral("Close separatory funnel valve");
        } else {
            SetTemplateState(*funnel, kFunnelStopcockOpen);
            funnel->flowSetting = 10.0;
            RecordLiteral("Open separatory funnel valve");
        }
        break;
    case kCmdStopper:
        SetTemplateState(*funnel, (funnel->stateBits & kFunnelStoppered) ? 0 : kFunnelStoppered);
        funnel->flowSetting = 0.0;
        RecordLiteral("Add/Remove Stopper");
        break;
    case kCmdShakeFunnel:
        SetTemplateState(*funnel, kFunnelStoppered);
        funnel->stirringState = kFunnelShakeTicks;
        funnel->flowSetting = 0.0;
        break;
    default: return;
    }
    InvalidateObject(*funnel);
}

void OnSample(const CommandMessage& command) {
    LabObject* meter = SelectedOfType(kCuvette);
    if (!meter) return;
    const bool inserting = command.id == kCmdInsertSample;
    {
        Reframe frame(*meter);
        if (inserting) {
            InvalidateObject(*meter);
            SetTemplateState(*meter, 0);
        } else {
            SetTemplateState(*meter, 1);
            InvalidateObject(*meter);
        }
    }
    DocumentModified = true;
    RecordProcedureString(CurrentBenchSeams(), inserting ? kInsertSampleString : kRemoveSampleString);
}

void OnSetSyringeVolume(const CommandMessage&) {
    BenchCommandSeams& ui = CurrentBenchCommandSeams();
    ui.PauseTimer();
    if (LabObject* syringe = SelectedOfType(kGasSyringe)) {
        if (CurrentInstrumentSeams().SetSyringeVolumeDialog(*syringe) == 1) {
            InvalidateObject(*syringe);
            MarkChanged();
        }
    }
    ui.ResumeTimer();
}

void OnChromatography(const CommandMessage& command) {
    LabObject* setup = SelectedOfType(kPaperChromatography);
    if (!setup) return;
    Reframe frame(*setup);
    switch (command.id) {
    case kCmdMarkPaper: SetTemplateState(*setup, 0x1); break;
    case kCmdPlaceSolute: setup->objectFlags |= kObjSolutePlaced; break;
    case kCmdAddSolventToTank:
    case kCmdRemovePaper: SetTemplateState(*setup, 0xB); break;
    case kCmdImmersePaper:
        InvalidateObject(*setup);
        SetTemplateState(*setup, 0x1B);
        break;
    default: return;
    }
    InvalidateObject(*setup);
}

}  // namespace

int32_t FlaskPartState(int command, int32_t state, bool* removes) {
    int32_t next = state;
    switch (command) {
    case kCmdDistillationHead:
        next = state == 0 ? kHead : state == kMantle ? (kMantle | kHead) : (state ^ kHead);
        break;
    case kCmdRefluxCondenser:
        next = state == 0 ? kReflux : state == kMantle ? (kMantle | kReflux) : (state ^ kReflux);
        break;
    case kCmdHeatingMantle: next = state ^ kMantle; break;
    case kCmdCondenser:
        next = (state & (kHead | kCondenser)) == kHead ? ((state & kMantle) | kHead | kCondenser) : (state ^ kCondenser);
        break;
    case kCmdDistillationTakeOff:
        next = !(state & kTakeOff) ? ((state & kMantle) | kHead | kCondenser | kTakeOff) : (state ^ kTakeOff);
        break;
    }
    if (removes) *removes = (state & ~next) != 0;
    return next;
}

bool HoldsReleasableLiquid(const LabObject& flask) {
    return flask.type == kErlenmeyerFlask && flask.sizeIndex == kVaporFlaskSize &&
           flask.stateBits == kVaporPressureAssembly && MassByPhase(flask, kPhaseHeldApart) > 0;
}

int32_t ReleaseDropperFlask() {
    if (LabObject* o = SelectedRecord()) return HoldsReleasableLiquid(*o) ? IndexOf(*o) : 0;
    if (MultiSelection.memberCount != 2) return 0;
    const int32_t first = MultiSelection.members[0];
    return IsObjectIndex(first) && HoldsReleasableLiquid(LabObjects[first]) ? first : 0;
}

void RegisterApparatusCommands() {
    const CommandEntry entries[] = {
        {kCmdDistillationHead, OnFlaskPart},
        {kCmdRefluxCondenser, OnFlaskPart},
        {kCmdHeatingMantle, OnFlaskPart},
        {kCmdCondenser, OnFlaskPart},
        {kCmdDistillationTakeOff, OnFlaskPart},
        {kCmdVaporPressureAssembly, OnVaporPressureAssembly},
        {kCmdReleaseDropper, OnReleaseDropper},
        {kCmdReleaseLiquid, OnReleaseLiquid},
        {kCmdStopRelease, OnStopRelease},
        {kCmdStopcock, OnFunnel},
        {kCmdStopper, OnFunnel},
        {kCmdShakeFunnel, OnFunnel},
        {kCmdInsertSample, OnSample},
        {kCmdRemoveSample, OnSample},
        {kCmdSetSyringeVolume, OnSetSyringeVolume},
        {kCmdMarkPaper, OnChromatography},
        {kCmdPlaceSolute, OnChromatography},
        {kCmdAddSolventToTank, OnChromatography},
        {kCmdRemovePaper, OnChromatography},
        {kCmdImmersePaper, OnChromatography},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}
