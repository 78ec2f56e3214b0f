#include "bench/model/bench_validate.h"

#include <cmath>

#include "common/equipment_type.h"

namespace {

constexpr double kMaxKelvinD = kMaxKelvin;

double Kelvin(double v) {
    if (!std::isfinite(v)) return kRoomKelvin;
    return v < 0 ? 0 : (v > kMaxKelvinD ? kMaxKelvinD : v);
}

double Finite(double v) { return std::isfinite(v) ? v : 0; }
double Amount(double v) { return std::isfinite(v) && v > 0 ? v : 0; }

template <typename T>
void KeepKelvin(T& v) { v = static_cast<T>(Kelvin(v)); }
template <typename T>
void KeepFinite(T& v) { v = static_cast<T>(Finite(v)); }
template <typename T>
void KeepAmount(T& v) { v = static_cast<T>(Amount(v)); }

bool IsKelvin(double v) { return std::isfinite(v) && v >= 0 && v <= kMaxKelvinD; }
bool IsAmount(double v) { return std::isfinite(v) && v >= 0; }

std::string Fault(int32_t index, const char* what) {
    return "object " + std::to_string(index) + ": " + what;
}

std::string ObjectFault(const LabObject& o, int32_t i, int32_t count) {
    if (!IsEquipmentType(o.type)) return Fault(i, "type outside 1..28");
    for (int32_t link : {o.host, o.hostedItem, o.nextGroupMember, o.pourTarget})
        if (link < 0 || link > count || link == i) return Fault(i, "link outside 1..count or to itself");
    if (o.groupMemberCount < 0 || o.groupMemberCount > count) return Fault(i, "group member count");
    if (!IsKelvin(o.temperature) || !IsKelvin(o.boilingPoint)) return Fault(i, "temperature");
    for (const ComponentSlot& s : o.slots) {
        if (!IsKelvin(s.kelvin)) return Fault(i, "slot temperature");
        if (!IsAmount(s.grams)) return Fault(i, "slot grams");
    }
    for (double v : {o.liquidVolume, o.solidVolume, o.precipitate, o.titrantDelivered, o.flowSetting,
                     double{o.tare}, double{o.heatCapacityFactor}, double{o.thermalMass},
                     double{o.indicatorAmount}, double{o.addWaterStep}, double{o.pourStep},
                     double{o.liquidHeightScale}, double{o.liquidWidthScale}, double{o.emptyMass}})
        if (!IsAmount(v)) return Fault(i, "negative or non-finite amount");
    for (double v : {o.ph, o.reading1, o.reading2, o.reading3, o.reading4})
        if (!std::isfinite(v)) return Fault(i, "non-finite reading or pH");
    return "";
}

}  // namespace

void SanitiseObjectValues(LabObject& o) {
    KeepKelvin(o.temperature);
    KeepKelvin(o.boilingPoint);
    for (ComponentSlot& s : o.slots) {
        KeepKelvin(s.kelvin);
        KeepAmount(s.grams);
    }
    KeepAmount(o.liquidVolume);
    KeepAmount(o.solidVolume);
    KeepAmount(o.precipitate);
    KeepAmount(o.titrantDelivered);
    KeepAmount(o.flowSetting);
    KeepAmount(o.tare);
    KeepAmount(o.heatCapacityFactor);
    KeepAmount(o.thermalMass);
    KeepAmount(o.indicatorAmount);
    KeepAmount(o.addWaterStep);
    KeepAmount(o.pourStep);
    KeepAmount(o.liquidHeightScale);
    KeepAmount(o.liquidWidthScale);
    KeepAmount(o.emptyMass);
    KeepFinite(o.ph);
    KeepFinite(o.reading1);
    KeepFinite(o.reading2);
    KeepFinite(o.reading3);
    KeepFinite(o.reading4);
}

std::string ValidateBench(const LabObject* base, int32_t count) {
    if (count < 0 || count > kMaxLabObjects) return "object count outside 0..50";
    if (count > 0 && !base) return "no objects";
    for (int32_t i = 1; i <= count; ++i) {
        std::string fault = ObjectFault(base[i], i, count);
        if (!fault.empty()) return fault;
    }
    return "";
}
