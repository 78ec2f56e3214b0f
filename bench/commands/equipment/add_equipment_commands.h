// The commands that put a new piece of equipment on the bench.
#pragma once
#include <cstdint>

#include "bench/commands/command_router.h"

struct AddEquipmentRow {
    int32_t command;
    int32_t type;
    int32_t positionType;  // whose default bench point the new object takes
    int32_t sizeIndex;     // 0 = keep the prototype's size
    int32_t capacityMl;    // written after the resize
    int32_t state;         // -1 = keep
    bool zeroFlow;         // flow setting set to 0.0
    uint32_t objectFlags;  // 0 = keep; else the flag word becomes this
};

// Every plain add row (the buret, burner, cell, spectrophotometer, syringes
// and Geiger counter have handlers of their own).
const AddEquipmentRow* FindAddEquipmentRow(int32_t command);

void RegisterAddEquipmentCommands();

// The Bunsen burner heat a new burner gives the vessel above it; the setting
// clamped to its range 1..99.
int32_t BunsenHeatForVessel(int32_t setting);
