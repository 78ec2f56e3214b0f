#include "bench/sim/sim_thermal.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/sim/sim_support.h"
#include "common/lab_style.h"

namespace {

constexpr double kNothingBoils = 773.0;
constexpr double kHostExchangeStep = 0.5;
constexpr double kHostColdLimit = 267.5;
constexpr double kSolidMeltStep = 0.01;  // g per step, a vessel of solids only
constexpr double kIceMeltStep = 0.2;     // g per step, heated ice
constexpr double kBoilOvershoot = 0.1;
constexpr double kThermalMassFactor = 0.055;
constexpr double kHeatScale = 500;
constexpr double kBoilOffBase = 0.05;
constexpr double kEbullioscopic = 0.513;  // K per mol/kg of water
constexpr double kCryoscopic = 1.86;
constexpr double kWaterSpecificHeat = 4.184;  // J per g and K
constexpr double kIceMeltingHeat = 334;       // J per g
constexpr int16_t kDistillationParts = 0x1C;
constexpr int16_t kRefluxCondenser = 0x40;

bool IsDistillationFlask(const LabObject& o) {
    return o.type == kRoundBottomFlask && (o.stateBits & kDistillationParts);
}

// A point above the temperature ceiling is reached only at the ceiling.
void StoreBoilingPoint(LabObject& o, double b) {
    o.boilingPoint = static_cast<float>(b != 0 ? std::min(b, sim::kMaxKelvinD) : kNothingBoils);
}

// Half the difference to the room per unit of mass, as far as the room at
// most: a trace of mass (or a denormal one) reaches the room at once
// instead of dividing the difference into infinity.
double RoomStep(double difference, double mass) {
    const double step = difference * 0.5 / mass;
    return std::isfinite(step) && std::fabs(step) < std::fabs(difference) ? step : difference;
}

// Every slot that holds something takes the vessel's temperature.
void SlotsToVessel(LabObject& o) {
    for (int32_t i = 1; i < kComponentSlotCount; ++i)
        if (o.slots[i].grams > 0) o.slots[i].kelvin = sim::ClampKelvin(o.temperature);
}

// A vessel of solids only, neither heated nor standing in another one.
void SolidsTowardRoom(LabObject& o, double solidGrams, const PhasePoints& points) {
    const double t = o.temperature;
    if (t > sim::kRoomKelvinD) {
        // Grams stand in for the volume when the solid volume was never set.
        const double volume = o.solidVolume > 0 ? o.solidVolume : solidGrams;
        const double cooled = t - RoomStep(t - sim::kRoomKelvinD, volume * 100);
        sim::SetKelvin(o, cooled > sim::kRoomKelvinD ? cooled : sim::kRoomKelvinD);
        return;
    }
    if (t >= sim::kRoomKelvinD) return;
    if (points.meltingCas != 0 && t >= points.meltingPoint &&
        ChangePhase(o, points.meltingCas, kPhaseSolid, kPhaseLiquid, kSolidMeltStep,
                    points.meltingPoint + 0.01) > 0)
        return;
    // Nothing melts at this temperature (or nothing can): it warms instead.
    const double warmed = t + RoomStep(sim::kRoomKelvinD - t, solidGrams * 100);
    const double next = warmed < sim::kRoomKelvinD ? warmed : sim::kRoomKelvinD;
    sim::SetKelvin(o, next);
    SetPhaseTemperature(o, kPhaseSolid, next);
}

void CoolTowardRoom(LabObject& o, double solidGrams) {
    const double t = o.temperature;
    const double mass = solidGrams * 10 + o.liquidVolume;
    if (!(mass > 0)) return;
    const double d = RoomStep(t - sim::kRoomKelvinD, mass);
    if (!(t - d > sim::kRoomKelvinD)) {
        sim::SetKelvin(o, sim::kRoomKelvinD);
        return;
    }
    sim::SetKelvin(o, t - d);
    for (ComponentSlot& s : o.slots) {
        if (s.grams == 0) continue;
        const double slotKelvin = s.kelvin - d;
        s.kelvin = sim::ClampKelvin(slotKelvin > o.temperature ? slotKelvin : o.temperature);
    }
}

// The same exchange from below: a cold vessel warms toward the room. Ice
// stops it at the ice point, where the heat melts ice instead.
void WarmTowardRoom(LabObject& o, double solidGrams) {
    const double t = o.temperature;
    const double mass = solidGrams * 10 + o.liquidVolume;
    if (!(mass > 0)) return;
    const double d = RoomStep(sim::kRoomKelvinD - t, mass);
    double warmed = t + d < sim::kRoomKelvinD ? t + d : sim::kRoomKelvinD;
    const double ice = IceMass(o);
    if (ice > 0 && warmed > sim::kIcePointKelvin) {
        const double grams = TotalComponentMass(o);
        const double over = warmed - (t > sim::kIcePointKelvin ? t : sim::kIcePointKelvin);
        const double melted = std::min(ice, over * grams * kWaterSpecificHeat / kIceMeltingHeat);
        ChangePhase(o, kCasWater, kPhaseSolid, kPhaseLiquid, melted, sim::kIcePointKelvin);
        o.liquidVolume = sim::NonNegative(o.liquidVolume + melted * 10 - melted / sim::kIceDensity * 10);
        // With ice left the vessel stays at the ice point; with all of it
        // melted, what melting did not take warms the water.
        warmed = melted < ice ? sim::kIcePointKelvin
                              : warmed - melted * kIceMeltingHeat / (grams * kWaterSpecificHeat);
        sim::SetKelvin(o, warmed);
        SetAllTemperatures(o, o.temperature);
        return;
    }
    if (warmed >= sim::kRoomKelvinD) {
        sim::SetKelvin(o, sim::kRoomKelvinD);
        return;
    }
    sim::SetKelvin(o, warmed);
    for (ComponentSlot& s : o.slots) {
        if (s.grams == 0) continue;
        const double slotKelvin = s.kelvin + d;
        s.kelvin = sim::ClampKelvin(slotKelvin < o.temperature ? slotKelvin : o.temperature);
    }
}

void ExchangeWithHost(LabObject& o, LabObject& host) {
    if (!(host.liquidVolume > 0) && !(MassByPhase(host, kPhaseSolid) > 0)) return;
    const double mo = TotalComponentMass(o);
    const double mh = TotalComponentMass(host);
    if (!(mo + mh > 0)) return;
    const double w = mo / (mo + mh);
    const double to = o.temperature;
    const double th = host.temperature;
    double newO;
    double newH;
    if (to - th > kHostExchangeStep && to > kHostColdLimit) {
        newO = to - (1 - w) * kHostExchangeStep;
        newH = th + w * kHostExchangeStep;
    } else if (th - to > kHostExchangeStep) {
        newO = to + (1 - w) * kHostExchangeStep;
        newH = th - w * kHostExchangeStep;
    } else {
        return;
    }
    SetAllTemperatures(o, newO);
    SetAllTemperatures(host, newH);
}

// Heated ice melts first, whatever else the vessel holds. The level counts
// ice at its own volume, so it shrinks as the ice turns to water. The melt
// joins the water at the ice point: nothing after this step is sure to
// overwrite its temperature, and a colder melt would chill the water.
void MeltHeatedIce(LabObject& o) {
    const double grams =
        ChangePhase(o, kCasWater, kPhaseSolid, kPhaseLiquid, kIceMeltStep, sim::kIcePointKelvin);
    sim::SetKelvin(o, sim::kIcePointKelvin);
    o.liquidVolume = sim::NonNegative(o.liquidVolume + grams * 10 - grams / sim::kIceDensity * 10);
}

// False when the receiver has no room for another substance.
bool Distil(LabObject& target, CasNumber cas, double grams, double tenths) {
    if (!AddComponent(target, cas, kPhaseLiquid, grams, sim::kRoomKelvinD)) return false;
    target.liquidVolume += tenths;
    sim::StoreColour(target.liquidColour, ChemicalColour(cas));
    return true;
}

void BoilOff(LabObject& o, LabObject* receiver, CasNumber cas) {
    const double boilOff = o.heatApplied / 50.0 * 0.5 * 0.5 + kBoilOffBase;
    const double available = MassOfComponent(o, cas, kPhaseLiquid);
    const double density = sim::VolumeDensity(Density(cas));
    const double grams = available >= boilOff ? boilOff : available;
    if (grams > 0) {
        const double tenths = grams / density * 10;
        // A receiver that refuses the distillate leaves it in the flask: it
        // condenses back rather than vanishing.
        if (receiver && !Distil(*receiver, cas, grams, tenths)) {
            o.flowSetting = 0;
        } else {
            RemoveComponent(o, cas, kPhaseLiquid, grams);
            o.liquidVolume = sim::NonNegative(o.liquidVolume - tenths);
            if (receiver) o.flowSetting = available >= boilOff ? grams / density : 0;
            if (available >= boilOff && o.liquidVolume == 0) o.flowSetting = 0;
        }
    }
    if (TotalComponentMass(o) == 0) o.liquidVolume = 0;
    SlotsToVessel(o);
}

void Heat(LabObject& o, LabObject* receiver) {
    const PhasePoints points = BoilingAndFreezingPoints(o);
    StoreBoilingPoint(o, points.boilingPoint);
    const double thermalMass = o.liquidVolume * kThermalMassFactor;
    o.thermalMass = std::isfinite(thermalMass) && thermalMass < FLT_MAX ? static_cast<float>(thermalMass) : 0.0f;
    const double x = o.thermalMass * o.heatCapacityFactor;
    if (!(x > 0) || !std::isfinite(x)) return;
    sim::SetKelvin(o, o.temperature + o.heatApplied * kHeatScale / x);
    SetPhaseTemperature(o, kPhaseLiquid, o.temperature);
    if (!(o.temperature >= o.boilingPoint)) return;

    if (points.boilingPoint != 0) sim::SetKelvin(o, points.boilingPoint + kBoilOvershoot);
    SetPhaseTemperature(o, kPhaseLiquid, o.temperature);
    if (o.type == kRoundBottomFlask && (o.stateBits & kRefluxCondenser)) return;
    BoilOff(o, IsDistillationFlask(o) ? receiver : nullptr, points.boilingCas);
}

void ThermalStepOne(int32_t count, LabObject* base, int32_t i, uint32_t labStyle) {
    LabObject& o = base[i];
    if (!(labStyle & kStyleNoObjectUpdate)) {
        const double t = IceWaterEquilibrium(o);
        if (t != 0) SetAllTemperatures(o, t);
    }
    const double solid = MassByPhase(o, kPhaseSolid);
    PhasePoints points = {0, 0, 0, 0};
    if (TotalComponentMass(o) > 0) {
        points = BoilingAndFreezingPoints(o);
        StoreBoilingPoint(o, points.boilingPoint);
    }
    if (!(o.kindFlags & kKindHeatable)) return;

    if (o.liquidVolume == 0 && solid > 0 && o.heatApplied == 0 && o.host == 0)
        SolidsTowardRoom(o, solid, points);
    if (!(o.liquidVolume > 0) && !(solid > 0)) return;

    if (o.heatApplied == 0 && o.host == 0) {
        if (o.temperature > sim::kRoomKelvinD)
            CoolTowardRoom(o, solid);
        else if (o.temperature < sim::kRoomKelvinD)
            WarmTowardRoom(o, solid);
    }
    if (LabObject* host = sim::Linked(count, base, i, o.host)) ExchangeWithHost(o, *host);
    if (o.heatApplied > 0) {
        if (IceMass(o) > 0)
            MeltHeatedIce(o);
        else
            Heat(o, sim::Linked(count, base, i, o.pourTarget));
    } else if (IsDistillationFlask(o) && o.flowSetting > 0) {
        o.flowSetting = 0;
    }
}

}  // namespace

PhasePoints BoilingAndFreezingPoints(const LabObject& object) {
    float boiling = 0;
    float melting = 0;
    PhasePoints points = {0, 0, 0, 0};
    for (const ComponentSlot& s : object.slots) {
        if (s.cas == 0 || !(s.grams > 0)) continue;
        const bool liquid = (s.phase & kPhaseLiquid) != 0;
        const bool ice = s.cas == kCasWater && (s.phase & kPhaseSolid);
        if (!liquid && !ice) continue;
        // A point the table does not know (0 or below) is no point at all.
        const double b = BoilingPoint(s.cas);
        if (b > 0 && (points.boilingCas == 0 || b < boiling)) {
            boiling = static_cast<float>(b);
            points.boilingCas = s.cas;
        }
        const double f = MeltingPoint(s.cas);
        if (f > 0 && (points.meltingCas == 0 || f < melting)) {
            melting = static_cast<float>(f);
            points.meltingCas = s.cas;
        }
    }
    points.boilingPoint = boiling;
    points.meltingPoint = melting;

    // Dissolved substances move both points once, however many slots the
    // water fills (liquid and ice).
    const double kilograms = MassOfComponent(object, kCasWater, kPhaseLiquid) / 1000;
    const double molality = kilograms > 0 ? MolesByPhase(object, kPhaseDissolved) / kilograms : 0;
    // A trace of water under much solute would move the points without end.
    if (std::isfinite(molality) && molality > 0) {
        if (points.boilingCas != 0)
            points.boilingPoint = std::min(points.boilingPoint + kEbullioscopic * molality, sim::kMaxKelvinD);
        if (points.meltingCas != 0)
            points.meltingPoint = std::max(points.meltingPoint - kCryoscopic * molality, 0.0);
    }
    return points;
}

void ThermalStep(int32_t count, LabObject* base, uint32_t labStyle) {
    for (int32_t i = 1; i <= count; ++i)
        if (base[i].type != kGasSyringe) ThermalStepOne(count, base, i, labStyle);
}
