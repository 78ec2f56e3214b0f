// What labsim needs from the simulation tick, reached through a pointer that
// stays null until the tick is linked in (ticks then change nothing). The
// catalogue's re-templating and the shipped labs' definitions are linked.
#pragma once
#include <cstdint>

#include "app/documents/lab_file.h"
#include "modules/frame/lab_module.h"

struct LabsimSettings {
    int32_t bunsenBurnerHeat = 2;
    int32_t hotPlateIncrements = 10;
    bool smallScreen = false;  // labsim runs as on a 1280 x 1024 screen
};

// One 100 ms tick over objects 1..count of `base` (the array base); the
// module's hook, when there is one, runs on heavy ticks.
using LabTickFunction = void (*)(int32_t count, LabObject* base, LabSimulationProcEntry* hook,
                                 uint32_t labStyle, const LabsimSettings& settings);

struct ShippedModule {
    const char* fileName;  // as lab files name it
    const LabModuleDefinition* lab;
};

extern LabTickFunction LabsimTick;
extern LabFileTemplates LabsimTemplates;
extern const ShippedModule LabsimModules[];
extern const int32_t LabsimModuleCount;
