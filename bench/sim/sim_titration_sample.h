// Titration data taken on every tick while the lab asks for it: one point
// per buret that delivers into a vessel collecting data.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "bench/sim/titration_buffer.h"
#include "common/lab_object.h"

// Which point each buret added last (an index into the buffer, -1 none),
// so a buret whose reading has not changed adds nothing while others still
// do. Keyed by the buret's object index. It is trusted only while that
// point still holds the reading, so a dataset replaced or emptied (New,
// Open, a drop, dropping the data) cannot make it skip a new reading.
struct TitrationSampler {
    int32_t lastPoint[kLabObjectArrayLength];
};

extern TitrationSampler TitrationSampling;

void ResetTitrationSampler(TitrationSampler& sampler);
// Follows a renumbering of the bench (Delete, Undo, Paste, moving an object
// to the back): a buret's memory goes with it, a removed buret's goes.
void RenumberTitrationSampler(TitrationSampler& sampler, const int32_t* newIndex, int32_t length);

// No point is added for a reading the dataset's last point already holds:
// that ends the pass, so opening a lab file with data adds no copy of its
// last point.
void CollectDataSample(int32_t count, LabObject* base, TitrationPointSink& points, TitrationSampler& sampler,
                       SimSeams& seams);
void CollectDataSample(int32_t count, LabObject* base, TitrationBuffer& buffer, TitrationSampler& sampler,
                       SimSeams& seams);
