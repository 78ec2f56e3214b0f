// One substance held by a lab object. Part of the lab-object file format.
#pragma once
#include <cstddef>
#include <cstdint>

#include "cas.h"

// Phase bits of a component slot.
enum PhaseFlags : uint32_t {
    kPhaseGas = 0x1,
    kPhaseLiquid = 0x2,
    kPhaseSolid = 0x4,  // for water: ice, density 0.92 g/ml
    kPhaseDissolved = 0x8,  // has mass but no volume of its own
    kPhaseSuspended = 0x10,
    kPhaseSecondLiquid = 0x20,
    kPhasePrecipitate = 0x40,
    kPhaseHeldApart = 0x100,  // not yet part of the vessel's liquid volume
};

constexpr int kComponentSlotCount = 20;

struct ComponentSlot {
    CasNumber cas;             //   0 4  0 = never used
    uint32_t phase;            //   4 4  PhaseFlags
    double grams;              //   8 8  0 = empty slot
    double kelvin;             //  16 8
    uint8_t reserved24[44];    //  24 44 carried, not read by the bench
    int32_t layer;             //  68 4  0 first liquid layer, 1 second
    uint8_t reserved72[128];   //  72 128
};

static_assert(sizeof(ComponentSlot) == 200);
static_assert(offsetof(ComponentSlot, cas) == 0);
static_assert(offsetof(ComponentSlot, phase) == 4);
static_assert(offsetof(ComponentSlot, grams) == 8);
static_assert(offsetof(ComponentSlot, kelvin) == 16);
static_assert(offsetof(ComponentSlot, reserved24) == 24);
static_assert(offsetof(ComponentSlot, layer) == 68);
static_assert(offsetof(ComponentSlot, reserved72) == 72);
