#include "bench/sim/sim_titration_sample.h"

#include "bench/sim/sim_support.h"

TitrationSampler TitrationSampling = [] {
    TitrationSampler sampler;
    ResetTitrationSampler(sampler);
    return sampler;
}();

void ResetTitrationSampler(TitrationSampler& sampler) {
    for (int32_t& point : sampler.lastPoint) point = -1;
}

void RenumberTitrationSampler(TitrationSampler& sampler, const int32_t* newIndex, int32_t length) {
    TitrationSampler moved;
    ResetTitrationSampler(moved);
    for (int32_t k = 1; k < kLabObjectArrayLength && k < length; ++k) {
        const int32_t to = newIndex[k];
        if (to >= 1 && to < kLabObjectArrayLength) moved.lastPoint[to] = sampler.lastPoint[k];
    }
    sampler = moved;
}

namespace {

bool SameReading(const DataPoint& point, const LabObject& receiver) {
    return point.volumeMl == receiver.titrantDelivered && point.ph == receiver.ph;
}

}  // namespace

void CollectDataSample(int32_t count, LabObject* base, TitrationPointSink& points, TitrationSampler& sampler,
                       SimSeams& seams) {
    if (count > kMaxLabObjects) count = kMaxLabObjects;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& buret = base[i];
        if (buret.type != kBuret) continue;
        const LabObject* receiver = sim::Linked(count, base, i, buret.pourTarget);
        if (!receiver || !receiver->collectTitration) continue;
        if (!(receiver->titrantDelivered > 0)) continue;

        const int32_t held = points.PointCount();
        if (held > 0 && SameReading(points.PointAt(held - 1), *receiver)) break;
        const int32_t last = sampler.lastPoint[i];
        if (last >= 0 && last < held && SameReading(points.PointAt(last), *receiver)) continue;
        DataPoint point{};
        point.volumeMl = receiver->titrantDelivered;
        point.ph = receiver->ph;
        point.kelvin = receiver->temperature;
        if (!points.AppendPoint(point)) continue;
        sampler.lastPoint[i] = held;
        seams.InvalidateDataWindow();
    }
}

void CollectDataSample(int32_t count, LabObject* base, TitrationBuffer& buffer, TitrationSampler& sampler,
                       SimSeams& seams) {
    // A collecting vessel makes the buffer exist even before its first point.
    for (int32_t i = 1; i <= count && i <= kMaxLabObjects; ++i) {
        const LabObject* receiver = base[i].type == kBuret ? sim::Linked(count, base, i, base[i].pourTarget) : nullptr;
        if (receiver && receiver->collectTitration) {
            if (!buffer.points && !ReserveTitrationPoint(buffer)) return;
            break;
        }
    }
    TitrationBufferSink sink(buffer);
    CollectDataSample(count, base, sink, sampler, seams);
}
