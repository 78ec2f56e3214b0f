// The instrument and apparatus commands: read-outs, hot plate and mantle,
// stirrer, meters, balances, stopwatch, the round-bottom flask's parts, the
// vapour-pressure assembly, pipets and droppers, the separatory funnel, the
// spectrophotometer sample, the gas-syringe volume, paper chromatography and
// titration data collection.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

void RegisterInstrumentCommands();

// Heat and stir settings step by whole units within 0..5.
constexpr double kMaxKnobSetting = 5.0;
double KnobUp(double setting);
double KnobDown(double setting);

// The round-bottom flask's state after one of its part commands (138-141,
// 169); *removes is set when the command takes a part away.
int32_t FlaskPartState(int command, int32_t state, bool* removes);

// The separatory funnel's state bits.
constexpr int32_t kFunnelStopcockOpen = 0x1;
constexpr int32_t kFunnelStoppered = 0x2;
constexpr int32_t kFunnelShakeTicks = 25;

// The flask whose held-apart liquid Release Dropper lets go: the selected
// one, or the first of a pair of selected objects; 0 when none qualifies.
// The menu item is enabled by the same answer.
int32_t ReleaseDropperFlask();
bool HoldsReleasableLiquid(const LabObject& flask);
