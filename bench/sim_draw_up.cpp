#include "bench/contents.h"
#include "bench/lab_objects.h"
#include "bench/sim_heat_sources.h"
#include "bench/sim_support.h"
#include "bench/sim_water_colour.h"

namespace {

constexpr double kDrawUpTenths = 10;  // 1 ml per tick
constexpr int32_t kPipetFilling = 128;
constexpr uint32_t kLiquidAndDissolved = kPhaseLiquid | kPhaseDissolved;
constexpr uint32_t kEverythingWithVolume =
    kPhaseLiquid | kPhaseSolid | kPhaseDissolved | kPhasePrecipitate;  // 0x4E

void MixInto(LabObject& p, const LabObject& h, double tenths) {
    const double v = p.liquidVolume;
    if (v + tenths != 0) sim::SetKelvin(p, (h.temperature * tenths + p.temperature * v) / (v + tenths));
    sim::StoreColour(p.liquidColour,
                     MixColour(sim::ColourOf(p.liquidColour), v, sim::ColourOf(h.liquidColour), tenths));
}

void TakeIndicatorShare(LabObject& p, LabObject& h, double tenths, double hostTenths) {
    if (h.indicatorAmount == 0 || !(hostTenths > 0)) return;
    double share = tenths / hostTenths * h.indicatorAmount;
    if (share > h.indicatorAmount) share = h.indicatorAmount;
    p.indicatorId = h.indicatorId;
    p.indicatorAmount += static_cast<float>(share);
    h.indicatorAmount -= static_cast<float>(share);
}

void TakeAllIndicator(LabObject& p, LabObject& h) {
    if (h.indicatorAmount == 0) return;
    p.indicatorId = h.indicatorId;
    p.indicatorAmount += h.indicatorAmount;
    h.indicatorAmount = 0;
    h.indicatorId = 0;
}

// Liquid arriving in P: solids already there count in the level from now on.
void RaiseLevel(LabObject& p, double tenths) {
    if (p.solidVolume > 0 && p.liquidVolume == 0) p.liquidVolume = p.solidVolume * 10;
    p.liquidVolume += tenths;
}

void LowerLevel(LabObject& h, double tenths) { h.liquidVolume = sim::NonNegative(h.liquidVolume - tenths); }

bool IsFull(const LabObject& o) { return o.liquidVolume >= o.capacityMl * 10.0; }

}  // namespace

void DrawFromHost(LabObject& p, LabObject& h, double tenths, SimSeams& seams) {
    const double hostLiquid = VolumeByPhase(h, kLiquidAndDissolved);  // ml
    const double room = p.capacityMl * 10.0 - VolumeByPhase(p, kEverythingWithVolume) * 10;
    // An empty host gives nothing, and nothing about P changes.
    if (!(hostLiquid > 0)) return;

    double moved = 0;  // ml really taken
    if (hostLiquid * 10 >= tenths && tenths <= room) {
        moved = tenths / 10;
        const double hostTenths = h.liquidVolume;
        PourLiquid(p, h, &moved);
        if (moved > 0) {
            MixInto(p, h, moved * 10);
            TakeIndicatorShare(p, h, moved * 10, hostTenths);
        }
    } else if (tenths <= room) {
        moved = hostLiquid;
        PourLiquid(p, h, &moved);
        if (moved > 0) MixInto(p, h, moved * 10);
        TakeAllIndicator(p, h);
    } else {
        moved = p.capacityMl - VolumeByPhase(p, kLiquidAndDissolved);
        const double hostTenths = h.liquidVolume;
        PourLiquid(p, h, &moved);
        if (moved > 0) {
            MixInto(p, h, moved * 10);
            TakeIndicatorShare(p, h, moved * 10, hostTenths);
        }
    }
    if (moved > 0) {
        LowerLevel(h, moved * 10);
        RaiseLevel(p, moved * 10);
        if (p.liquidVolume > p.capacityMl * 10.0) p.liquidVolume = p.capacityMl * 10.0;
    }
    seams.InvalidateLogicalRect(p.position);
    seams.InvalidateLogicalRect(h.position);
}

void DrawUpStep(int32_t count, LabObject* base, SimSeams& seams) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& p = base[i];
        if (!(p.kindFlags & kKindDippable) || !(p.objectFlags & kObjDipped)) continue;
        LabObject* host = sim::Linked(count, base, i, p.host);
        if (!host) continue;
        LabObject& h = *host;

        p.pourTarget = p.host;
        DrawFromHost(p, h, kDrawUpTenths, seams);

        if (p.type == kPipet) {
            const int32_t wanted = IsFull(p) ? 0 : kPipetFilling;
            if (p.stateBits != wanted) seams.SetTemplateState(p, wanted);
            seams.InvalidateLogicalRect(p.position);
        }
        const bool lift = (p.type == kEyeDropper && IsFull(p)) ||
                          (p.type == kMetalWire && p.liquidVolume >= p.capacityMl * 0.5 * 10);
        if (lift) {
            p.position.top += h.position.top - p.position.bottom;
            p.position.bottom = h.position.top;
            seams.InvalidateLogicalRect(p.position);
            seams.InvalidateLogicalRect(h.position);
        }
        // Out of the host: it no longer hangs in it.
        if (FindIntersectingObject(1, &h - 1, p) == 0) {
            p.pourTarget = 0;
            h.hostedItem = 0;
            p.objectFlags &= ~static_cast<uint32_t>(kObjDipped);
            p.host = 0;
            p.flowSetting = 0;
            if (p.type == kPipet && p.stateBits != 0) {
                seams.SetTemplateState(p, 0);
                seams.InvalidateLogicalRect(p.position);
            }
        }
    }
}
