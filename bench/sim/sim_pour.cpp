#include "bench/sim/sim_pour.h"

#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_support.h"
#include "bench/sim/sim_transfer.h"

namespace {

constexpr int16_t kDistillationParts = 0x1C;
constexpr int16_t kStopperFitted = 0x2;
constexpr uint32_t kOutletBelowMouth = kKindOutletC;  // 0x8000000
constexpr uint32_t kOutletAtLip = kKindOutletB;       // 0x80000: tipped vessels
constexpr uint32_t kOutletAtCentre = kKindOutletA;    // 0x40000
constexpr uint32_t kLiquidAndDissolved = kPhaseLiquid | kPhaseDissolved;
constexpr uint32_t kEverythingWithVolume =
    kPhaseLiquid | kPhaseSolid | kPhaseDissolved | kPhasePrecipitate;  // 0x4E

bool IsDistillationFlask(const LabObject& o) {
    return o.type == kRoundBottomFlask && (o.stateBits & kDistillationParts);
}

bool IsDispenser(const LabObject& o) {
    return o.type == kBuret || o.type == kEyeDropper || o.type == kPipet || o.type == kSeparatoryFunnel;
}

bool HoldsAnything(const LabObject& o) {
    return o.liquidVolume != 0 || o.solidVolume != 0 || o.indicatorAmount != 0 || o.precipitate > 0 ||
           IceMass(o) > 0;
}

bool CanReceive(const LabObject& s, const LabObject& c) {
    if (IsDistillationFlask(c) || (c.type == kSeparatoryFunnel && (c.stateBits & kStopperFitted)))
        return false;
    if (s.liquidVolume != 0 && !(c.kindFlags & kKindTakesWater)) return false;
    if (IsObjectFull(c) || c.variant != 0) return false;
    return (c.kindFlags & (kKindTakesWater | kKindReceivesPour)) != 0;
}

bool UnderOutlet(const LabObject& s, const LabObject& c) {
    const RectI32& sp = s.position;
    const RectI32& cp = c.position;
    const int32_t h = (c.pictureWidth - c.openingWidth) / 2;
    const int32_t hy = (s.pictureHeight - s.openingWidth) / 2;
    if (IsDistillationFlask(s)) {
        const int32_t ox = sp.left + s.outletX;
        const int32_t oy = sp.top + s.outletY;
        return cp.left + h < ox && ox < cp.right - h && cp.top >= oy;
    }
    if (s.kindFlags & kOutletBelowMouth) {
        const int32_t ox = sp.left + s.openingWidth / 2;
        if (cp.left < ox && ox < cp.right - h && cp.top >= sp.bottom - hy) return true;
    }
    if (s.kindFlags & kOutletAtLip) {
        if (cp.left + c.inletX + h < sp.left && sp.left < cp.right + c.inletX - h &&
            cp.top + c.inletY >= sp.bottom - hy)
            return true;
    }
    if (IsDispenser(s) || (s.kindFlags & kOutletAtCentre)) {
        const int32_t cx = sp.left + (sp.right - sp.left) / 2;
        if (cp.left + c.inletX + h < cx && cx < cp.right + c.inletX - h && cp.top + c.inletY >= sp.bottom)
            return true;
    }
    return false;
}

double LiquidTenths(const LabObject& o) { return VolumeByPhase(o, kLiquidAndDissolved) * 10; }

// What a single pass over the sources decided for the bench as a whole.
struct PourPass {
    SimSeams& seams;
    int32_t selectedObject;
    bool warn = false;
    bool stop = false;
};

// Only a vessel tipped for pouring is set upright: a buret, a dropper or a
// draining funnel keeps its position.
void SetUpright(LabObject& s, int32_t index, PourPass& pass) {
    if (!sim::IsTipped(s)) return;
    pass.seams.TogglePourPosition(s, ObjectSelected && pass.selectedObject == index);
}

// Ice moves while the source holds no liquid. True when the source is done.
bool PourIce(LabObject& s, int32_t index, LabObject& t, double portion, PourPass& pass) {
    const double ice = IceMass(s);
    const double targetVolume = TotalVolume(t);
    const double kelvin = ComponentTemperature(s, kCasWater, kPhaseSolid);
    if (targetVolume >= t.capacityMl) {
        pass.warn = true;
        pass.stop = true;
        SetUpright(s, index, pass);
        return true;
    }
    double grams = portion / 10 + targetVolume > t.capacityMl
                       ? (t.capacityMl - targetVolume) * sim::kIceDensity
                       : portion * sim::kIceDensity / 10;
    const bool allOfIt = ice < grams;
    if (allOfIt) grams = ice;
    if (AddComponent(t, kCasWater, kPhaseSolid, grams, kelvin)) {
        RemoveComponent(s, kCasWater, kPhaseSolid, grams);
        const double tenths = grams / sim::kIceDensity * 10;
        s.liquidVolume = sim::NonNegative(s.liquidVolume - tenths);
        t.liquidVolume += tenths;
    }
    return !allOfIt;
}

// Solids move while the source holds no liquid; every branch ends the pass.
void PourSolids(LabObject& s, int32_t index, LabObject& t, double portion, PourPass& pass) {
    const double ml = portion / 10;
    for (int k = 0; k < 3; ++k) t.solidColour[k] = s.solidColour[k];
    t.solidFillKind = s.solidFillKind;
    t.solidPatternId = s.solidPatternId;
    const double density = AverageDensity(s, kPhaseSolid);
    const bool suspended = t.stateBits == 1;
    const double moved = s.solidVolume >= ml ? ml : s.solidVolume;
    TransferSolids(t, s, density * moved, suspended);
    s.solidVolume = sim::NonNegative(s.solidVolume - moved);
    // Suspended solids have no volume of their own; any other solid has.
    if (!suspended) {
        t.solidVolume += moved;
        if (t.liquidVolume > 0) t.liquidVolume += moved * 10;
    }
    pass.seams.InvalidateLogicalRect(s.position);
    pass.seams.InvalidateLogicalRect(t.position);
    if (s.solidVolume == 0) SetUpright(s, index, pass);
    pass.stop = true;
}

void PourLiquidPortion(LabObject& s, int32_t index, LabObject& t, double portion, PourPass& pass) {
    const double liquid = LiquidTenths(s);
    const double room = t.capacityMl * 10.0;
    const double afterPortion = VolumeByPhase(t, kEverythingWithVolume) * 10 + portion;
    bool overflow = false;
    double ml = 0;
    if (liquid >= portion && afterPortion <= room) {
        ml = portion / 10;
    } else if (afterPortion <= room) {
        ml = VolumeByPhase(s, kLiquidAndDissolved);
    } else {
        ml = t.capacityMl - VolumeByPhase(t, kLiquidAndDissolved);
        overflow = true;
    }
    const bool lastOfIt = !overflow && !(liquid >= portion);
    if (ml > 0) PourLiquid(t, s, &ml);
    if (!(ml > 0)) ml = 0;
    const double tenths = ml * 10;
    if (tenths > 0) {
        MixIncoming(t, s, tenths);
        s.liquidVolume = sim::NonNegative(s.liquidVolume - tenths);
        ReceiveLiquid(t, tenths);
    }
    if (lastOfIt) {
        MoveAllIndicator(t, s);
        if (!(s.solidVolume > 0) && !(IceMass(s) > 0)) SetUpright(s, index, pass);
    } else {
        MoveIndicatorShare(t, s, liquid > 0 ? tenths / liquid : 0);
        if (!overflow && !(s.solidVolume > 0) && !(LiquidTenths(s) > 0)) SetUpright(s, index, pass);
    }
    pass.seams.InvalidateLogicalRect(s.position);
    pass.seams.InvalidateLogicalRect(t.position);
    if ((overflow || IsObjectFull(t)) && LiquidTenths(s) > 0) {
        pass.warn = true;
        SetUpright(s, index, pass);
    }
}

void PourOne(int32_t count, LabObject* base, int32_t index, PourPass& pass) {
    LabObject& s = base[index];
    if (!IsPourSource(s)) return;
    LabObject* target = sim::Linked(count, base, index, s.pourTarget);
    if (!target) return;
    LabObject& t = *target;

    const double ice = IceMass(s);
    // The level counts the liquid and the ice, each at its own volume.
    s.liquidVolume = (VolumeByPhase(s, kLiquidAndDissolved) + ice / sim::kIceDensity) * 10;
    const bool holdsSomething = LiquidTenths(s) > 0 || s.solidVolume > 0 || ice > 0;
    const bool takesPart =
        (!IsDistillationFlask(s) && holdsSomething && !IsObjectFull(t)) || s.indicatorAmount > 0;
    if (!takesPart) return;
    const double portion = PourPortion(s);
    if (!(portion > 0)) return;

    const bool noLiquid = !(LiquidTenths(s) > 0);
    if (noLiquid && ice > 0 && PourIce(s, index, t, portion, pass)) return;
    if (pass.stop) return;
    if (s.solidVolume > 0 && noLiquid) {
        PourSolids(s, index, t, portion, pass);
        return;
    }
    PourLiquidPortion(s, index, t, portion, pass);
}

}  // namespace

bool IsPourSource(const LabObject& s) {
    if (sim::IsTipped(s) || IsDispenser(s)) return true;
    return IsDistillationFlask(s) && HoldsAnything(s);
}

double PourPortion(const LabObject& s) {
    if (IsDispenser(s) && (s.type != kSeparatoryFunnel || s.variant == 0)) return s.flowSetting;
    return s.pourStep;
}

void FindOutletTargets(int32_t count, LabObject* base) {
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& s = base[i];
        if (!IsPourSource(s)) continue;
        s.pourTarget = 0;
        int32_t highestTop = 0;
        for (int32_t j = 1; j <= count; ++j) {
            const LabObject& c = base[j];
            if (j == i || !CanReceive(s, c) || !UnderOutlet(s, c)) continue;
            // The highest mouth catches the stream; of equal ones the later.
            if (s.pourTarget == 0 || c.position.top <= highestTop) {
                s.pourTarget = j;
                highestTop = c.position.top;
            }
        }
    }
}

void PourStep(int32_t count, LabObject* base, int32_t selectedObject, SimSeams& seams) {
    PourPass pass{seams, selectedObject};
    for (int32_t i = 1; i <= count && !pass.stop; ++i) PourOne(count, base, i, pass);
    // One box after the pass, so no source is left half-poured behind it.
    if (pass.warn) seams.WarnPausingTimer(kOverflowWarning);
}
