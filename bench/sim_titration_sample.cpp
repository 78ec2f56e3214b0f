#include "bench/sim_titration_sample.h"

#include "bench/sim_support.h"

TitrationSampler TitrationSampling = [] {
    TitrationSampler sampler;
    ResetTitrationSampler(sampler);
    return sampler;
}();

void ResetTitrationSampler(TitrationSampler& sampler) {
    for (int32_t& point : sampler.lastPoint) point = -1;
}

namespace {

bool SameReading(const DataPoint& point, const LabObject& receiver) {
    return point.volumeMl == receiver.titrantDelivered && point.ph == receiver.ph;
}

}  // namespace

void CollectDataSample(int32_t count, LabObject* base, TitrationBuffer& buffer, TitrationSampler& sampler,
                       SimSeams& seams) {
    if (count > kMaxLabObjects) count = kMaxLabObjects;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& buret = base[i];
        if (buret.type != kBuret) continue;
        const LabObject* receiver = sim::Linked(count, base, i, buret.pourTarget);
        if (!receiver || !receiver->collectTitration) continue;
        if (!buffer.points && !ReserveTitrationPoint(buffer)) return;
        if (!(receiver->titrantDelivered > 0)) continue;

        const int32_t last = sampler.lastPoint[i];
        if (last >= 0 && last < buffer.count && SameReading(buffer.points[last], *receiver)) continue;
        if (!ReserveTitrationPoint(buffer)) continue;

        DataPoint& point = buffer.points[buffer.count];
        point.volumeMl = receiver->titrantDelivered;
        point.ph = receiver->ph;
        point.kelvin = receiver->temperature;
        sampler.lastPoint[i] = buffer.count;
        ++buffer.count;
        seams.InvalidateDataWindow();
    }
}
