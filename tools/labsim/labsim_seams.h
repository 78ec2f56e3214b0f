// What labsim needs from the simulation and the modules, reached through
// pointers that stay null until those parts are linked in (the tick then
// runs nothing). The catalogue's re-templating is linked.
#pragma once
#include <cstdint>

#include "app/lab_file.h"

// A shipped module's simulation hook: LabSimulationProc (count, base).
using LabSimulationHook = int (*)(int32_t count, LabObject* base);

struct LabsimSettings {
    int32_t bunsenBurnerHeat = 2;
    int32_t hotPlateIncrements = 10;
    bool smallScreen = false;  // labsim runs as on a 1280 x 1024 screen
};

// One 100 ms tick over objects 1..count of `base`; the hook runs on heavy ticks.
using LabTickFunction = void (*)(int32_t count, LabObject* base, LabSimulationHook hook,
                                 uint32_t labStyle, const LabsimSettings& settings);

struct ShippedModule {
    const char* fileName;        // as lab files name it
    LabSimulationHook hook;      // null until the module's logic is linked
    uint32_t labStyle;
};

extern LabTickFunction LabsimTick;
extern LabFileTemplates LabsimTemplates;
// The shipped modules labsim knows; `count` entries.
extern ShippedModule LabsimModules[];
extern const int32_t LabsimModuleCount;
