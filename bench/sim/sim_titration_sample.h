// Titration data taken on every tick while the lab asks for it: one point
// per buret that delivers into a vessel collecting data.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "bench/sim/titration_buffer.h"
#include "common/lab_object.h"

// Which point each buret added last (an index into the buffer, -1 none),
// so a buret whose reading has not changed adds nothing while others still
// do. Keyed by the buret's object index.
struct TitrationSampler {
    int32_t lastPoint[kLabObjectArrayLength];
};

extern TitrationSampler TitrationSampling;

void ResetTitrationSampler(TitrationSampler& sampler);

void CollectDataSample(int32_t count, LabObject* base, TitrationPointSink& points, TitrationSampler& sampler,
                       SimSeams& seams);
void CollectDataSample(int32_t count, LabObject* base, TitrationBuffer& buffer, TitrationSampler& sampler,
                       SimSeams& seams);
