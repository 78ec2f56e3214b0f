#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_heat_sources.h"
#include "bench/sim/sim_support.h"
#include "bench/sim/sim_transfer.h"

namespace {

constexpr double kDrawUpTenths = 10;  // 1 ml per tick
constexpr int32_t kPipetFilling = 128;
constexpr uint32_t kLiquidAndDissolved = kPhaseLiquid | kPhaseDissolved;
constexpr uint32_t kEverythingWithVolume =
    kPhaseLiquid | kPhaseSolid | kPhaseDissolved | kPhasePrecipitate;  // 0x4E

void LowerLevel(LabObject& h, double tenths) { h.liquidVolume = sim::NonNegative(h.liquidVolume - tenths); }

}  // namespace

void DrawFromHost(LabObject& p, LabObject& h, double tenths, SimSeams& seams) {
    const double hostLiquid = VolumeByPhase(h, kLiquidAndDissolved);  // ml
    const double room = p.capacityMl * 10.0 - VolumeByPhase(p, kEverythingWithVolume) * 10;
    // An empty host gives nothing, and nothing about P changes.
    if (!(hostLiquid > 0)) return;

    // What P asks for: 1 ml, the rest of the host, or what fills P.
    double moved = tenths / 10;
    bool restOfHost = false;
    if (!(tenths <= room)) {
        moved = p.capacityMl - VolumeByPhase(p, kLiquidAndDissolved);
    } else if (hostLiquid * 10 < tenths) {
        moved = hostLiquid;
        restOfHost = true;
    }
    const double hostTenths = h.liquidVolume;
    PourLiquid(p, h, &moved);  // now what really moved
    if (moved > 0) MixIncoming(p, h, moved * 10);
    if (restOfHost)
        MoveAllIndicator(p, h);
    else
        MoveIndicatorShare(p, h, hostTenths > 0 ? moved * 10 / hostTenths : 0);
    if (moved > 0) {
        LowerLevel(h, moved * 10);
        ReceiveLiquid(p, moved * 10);
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
            const int32_t wanted = IsObjectFull(p) ? 0 : kPipetFilling;
            if (p.stateBits != wanted) seams.SetTemplateState(p, wanted);
            seams.InvalidateLogicalRect(p.position);
        }
        const bool lift = (p.type == kEyeDropper && IsObjectFull(p)) ||
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
