// The 100 ms simulation tick: a fixed list of named phases over the object
// array. Light phases run on every tick, heavy ones on every fifth.
#pragma once
#include <cstdint>
#include <span>

#include "bench/sim/sim_seams.h"
#include "common/lab_object.h"

constexpr uint32_t kHeavyTickPeriod = 5;

extern uint32_t LabTickCount;

// Whole seconds of lab time; time-stamps demonstration events.
int64_t LabClockSeconds();

struct TickContext {
    SimSeams& seams;
    TimerMessage message;
    bool heavy;
    uint32_t labStyle;  // read afresh on every tick
};

struct TickPhase {
    const char* name;
    void (*run)(TickContext& tick, int32_t count, LabObject* base);
};

// The phases in the order they run.
std::span<const TickPhase> TickPhases();

// Counts the tick and runs every phase over LabObjects.
void SimulationTick(SimSeams& seams, const TimerMessage& message);
// The count handed to a phase: LabObjectCount as it is now, kept to 0..50.
int32_t TickObjectCount();
TickContext BeginTick(SimSeams& seams, const TimerMessage& message);

// The tick's passes that are not steps of their own Part.
void UpdateMetalWires(int32_t count, LabObject* base, SimSeams& seams);
void AnimationStep(int32_t count, LabObject* base, SimSeams& seams);
