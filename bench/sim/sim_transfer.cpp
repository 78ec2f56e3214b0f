#include "bench/sim/sim_transfer.h"

#include "bench/sim/sim_support.h"
#include "bench/sim/sim_water_colour.h"

void MixIncoming(LabObject& destination, const LabObject& source, double tenths) {
    const double v = destination.liquidVolume;
    if (v + tenths != 0)
        sim::SetKelvin(destination,
                       (source.temperature * tenths + destination.temperature * v) / (v + tenths));
    const uint32_t colour =
        MixColour(sim::ColourOf(destination.liquidColour), v, sim::ColourOf(source.liquidColour), tenths);
    sim::StoreColour(destination.liquidColour, colour);
}

void ReceiveLiquid(LabObject& destination, double tenths) {
    if (destination.solidVolume > 0 && destination.liquidVolume == 0)
        destination.liquidVolume = destination.solidVolume * 10;
    destination.liquidVolume += tenths;
}

void MoveIndicatorShare(LabObject& destination, LabObject& source, double share) {
    if (source.indicatorAmount == 0 || !(share > 0)) return;
    if (share > 1) share = 1;
    const float amount = static_cast<float>(source.indicatorAmount * share);
    destination.indicatorId = source.indicatorId;
    destination.indicatorAmount += amount;
    source.indicatorAmount -= amount;
}

void MoveAllIndicator(LabObject& destination, LabObject& source) {
    if (source.indicatorAmount == 0) return;
    destination.indicatorId = source.indicatorId;
    destination.indicatorAmount += source.indicatorAmount;
    source.indicatorAmount = 0;
    source.indicatorId = 0;
}
