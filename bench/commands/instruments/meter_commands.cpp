// Read-outs and view toggles, the hot plate and heating mantle, the
// stirrer, the conductivity meter, balance tare and the stirring rod.
#include <algorithm>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/instruments/instrument_command_support.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/commands/instruments/instrument_comments.h"
#include "bench/commands/instruments/instrument_seams.h"
#include "bench/model/bench_state.h"
#include "bench/window/bench_seams.h"

using namespace instruments;

namespace {

enum : int32_t {
    kShowWeightString = 651,
    kHideWeightString = 652,
    kShowPhString = 653,
    kHidePhString = 654,
    kRawModeString = 655,
    kAtcModeString = 656,
    kIncreaseHeatString = 657,
    kDecreaseHeatString = 658,
    kHeatOffString = 659,
    kMaxHeatString = 660,
    kIncreaseStirString = 661,
    kDecreaseStirString = 662,
    kStirOffString = 663,
    kZeroBalanceString = 664,
    kAddThermometerString = 681,
    kRemoveThermometerString = 682,
    kStirString = 683,
    kLightOnString = 727,
    kLightOffString = 728,
    kShowMeniscusString = 732,
    kHideMeniscusString = 733,
};

constexpr int32_t kHeatingMantle = 0x20;
constexpr uint32_t kStirrable = 0x40000040;
constexpr int32_t kRodStirTicks = 100;

// A read-out switched off redraws the whole bench and drops the selection;
// switched on, the next tick draws it.
void ToggleReadout(int32_t& shown, int32_t showString, int32_t hideString) {
    BenchSeams& bench = CurrentBenchSeams();
    shown = shown ? 0 : 1;
    if (shown) {
        RecordProcedureString(bench, showString);
        return;
    }
    InstrumentSeams& ui = CurrentInstrumentSeams();
    ui.InvalidateWholeBench();
    ui.SelectNothing();
    RecordProcedureString(bench, hideString);
}

void OnShowWeight(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o || !(o->kindFlags & kKindWeighable)) {
        RouteCommand({kCmdAddCentigramBalance, 0, false});
        return;
    }
    ToggleReadout(o->readoutShown, kShowWeightString, kHideWeightString);
}

void OnPhMeter(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (o && (o->kindFlags & kKindTakesPhMeter)) ToggleReadout(o->phShown, kShowPhString, kHidePhString);
}

void ToggleObjectFlag(uint32_t flag, int32_t onString, int32_t offString) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    o->objectFlags ^= flag;
    InstrumentSeams& ui = CurrentInstrumentSeams();
    ui.InvalidateWholeBench();
    ui.SelectNothing();
    RecordProcedureString(CurrentBenchSeams(), (o->objectFlags & flag) ? onString : offString);
}

void OnLightSource(const CommandMessage&) { ToggleObjectFlag(kObjLightOn, kLightOnString, kLightOffString); }
void OnShowMeniscus(const CommandMessage&) {
    ToggleObjectFlag(kObjShowMeniscus, kShowMeniscusString, kHideMeniscusString);
}

void OnThermometer(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o || !(o->kindFlags & kKindTakesThermometer)) return;
    const bool inserting = o->thermometerInserted == 0;
    o->thermometerInserted = inserting ? 1 : 0;
    if (o->type == kCalorimeter) {
        Reframe frame(*o);
        if (inserting)
            SetTemplateState(*o, 2);
        else
            ToggleTemplateState(*o, 2);
    }
    InvalidateObject(*o);
    DocumentModified = true;
    RecordProcedureWithTypeName(CurrentBenchSeams(), inserting ? kAddThermometerString : kRemoveThermometerString,
                                o->type);
}

void OnStirringRod(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o) return;
    if (!(o->kindFlags & kStirrable)) {
        if (o->stirringState > 0) {
            o->stirringState = 0;
            InvalidateObject(*o);
        }
        return;
    }
    if (o->stirringState > 0) {
        o->stirringState = 0;
        InvalidateObject(*o);
        return;
    }
    o->stirringState = kRodStirTicks;
    InvalidateObject(*o);
    RecordProcedureWithTypeName(CurrentBenchSeams(), kStirString, o->type);
}

// The hot plate, or a round-bottom flask in its heating mantle.
LabObject* HeatedRecord() {
    LabObject* o = SelectedRecord();
    if (!o) return nullptr;
    if (o->type == kHotPlate || (o->type == kRoundBottomFlask && (o->stateBits & kHeatingMantle))) return o;
    return nullptr;
}

LabObject* RecordOfType(int32_t type) {
    LabObject* o = SelectedRecord();
    return o && o->type == type ? o : nullptr;
}

void Finish(LabObject& o, int32_t commentString) {
    DocumentModified = true;
    InvalidateObject(o);
    RecordProcedureString(CurrentBenchSeams(), commentString);
}

void OnHeat(const CommandMessage& command) {
    LabObject* o = HeatedRecord();
    if (!o) return;
    double& heat = o->reading1;
    int32_t comment = 0;
    switch (command.id) {
    case kCmdIncreaseHeat: heat = KnobUp(heat), comment = kIncreaseHeatString; break;
    case kCmdDecreaseHeat: heat = KnobDown(heat), comment = kDecreaseHeatString; break;
    case kCmdHeatOff: heat = 0.0, comment = kHeatOffString; break;
    case kCmdMaxHeat: heat = kMaxKnobSetting, comment = kMaxHeatString; break;
    default: return;
    }
    Finish(*o, comment);
}

void OnStir(const CommandMessage& command) {
    LabObject* o = RecordOfType(kHotPlate);
    if (!o) return;
    double& stir = o->reading2;
    int32_t comment = 0;
    switch (command.id) {
    case kCmdIncreaseStir: stir = KnobUp(stir), comment = kIncreaseStirString; break;
    case kCmdDecreaseStir: stir = KnobDown(stir), comment = kDecreaseStirString; break;
    case kCmdStirOff: stir = 0.0, comment = kStirOffString; break;
    default: return;
    }
    Finish(*o, comment);
}

void OnConductivityMode(const CommandMessage& command) {
    LabObject* o = RecordOfType(kConductivityMeter);
    if (!o) return;
    const bool raw = command.id == kCmdRawMode;
    o->reading2 = raw ? 0.0 : 1.0;
    Finish(*o, raw ? kRawModeString : kAtcModeString);
}

void OnZeroBalance(const CommandMessage&) {
    LabObject* o = SelectedRecord();
    if (!o || (o->type != kCentigramBalance && o->type != kElectronicBalance && o->type != kHighSensitivityBalance))
        return;
    o->tare = static_cast<float>(o->reading1);
    Finish(*o, kZeroBalanceString);
}

}  // namespace

double KnobUp(double setting) {
    if (!(setting < kMaxKnobSetting)) return kMaxKnobSetting;
    return std::min(std::max(setting, -1.0) + 1.0, kMaxKnobSetting);
}

double KnobDown(double setting) {
    if (!(setting > 0.0)) return 0.0;
    return std::max(std::min(setting, kMaxKnobSetting + 1.0) - 1.0, 0.0);
}

void RegisterMeterCommands() {
    const CommandEntry entries[] = {
        {kCmdShowWeight, OnShowWeight},   {kCmdPhMeter, OnPhMeter},         {kCmdLightSource, OnLightSource},
        {kCmdShowMeniscus, OnShowMeniscus}, {kCmdThermometer, OnThermometer}, {kCmdStirringRod, OnStirringRod},
        {kCmdIncreaseHeat, OnHeat},       {kCmdDecreaseHeat, OnHeat},       {kCmdHeatOff, OnHeat},
        {kCmdMaxHeat, OnHeat},            {kCmdIncreaseStir, OnStir},       {kCmdDecreaseStir, OnStir},
        {kCmdStirOff, OnStir},            {kCmdRawMode, OnConductivityMode}, {kCmdAtcMode, OnConductivityMode},
        {kCmdZeroBalance, OnZeroBalance},
    };
    RegisterCommands(entries, static_cast<int>(sizeof entries / sizeof entries[0]));
}
