// The heavy heat step: cooling toward the room, exchange with a host, heat
// from burners and hot plates, melting, boiling off and distilling.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

struct PhasePoints {
    double boilingPoint;  // 0 when nothing in the vessel boils
    CasNumber boilingCas;
    double meltingPoint;  // 0 when nothing melts
    CasNumber meltingCas;
};

// The lowest boiling and melting points of what the object holds, moved by
// what is dissolved in its water.
PhasePoints BoilingAndFreezingPoints(const LabObject& object);

// With kStyleNoObjectUpdate the module keeps its own ice-water balance.
void ThermalStep(int32_t count, LabObject* base, uint32_t labStyle);
