#include "bench/model/bench_validate.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "bench/model/bench_check.h"
#include "common/equipment_type.h"

namespace {

constexpr double kMaxKelvinD = kMaxKelvin;

// Subnormal values are kept apart: divided by, they overflow.
template <typename T>
bool IsNormalOrZero(T v) {
    const int kind = std::fpclassify(v);
    return kind == FP_NORMAL || kind == FP_ZERO;
}

template <typename T>
void KeepKelvin(T& v) {
    if (std::isnan(v) || std::isinf(v)) v = static_cast<T>(kRoomKelvin);
    else if (!IsNormalOrZero(v) || v < 0) v = 0;
    else if (v > static_cast<T>(kMaxKelvinD)) v = static_cast<T>(kMaxKelvinD);
}

template <typename T>
void KeepBetween(T& v, double low, double high) {
    if (!IsNormalOrZero(v)) v = 0;
    else if (v < low) v = static_cast<T>(low);
    else if (v > high) v = static_cast<T>(high);
}

template <typename T>
void KeepAmount(T& v, double most) { KeepBetween(v, 0, most); }

void KeepReading(double& v) { KeepBetween(v, -kMostReading, kMostReading); }

void KeepInt(int32_t& v, int64_t low, int64_t high) { v = static_cast<int32_t>(std::clamp<int64_t>(v, low, high)); }

void KeepOffset(int32_t& v) { KeepInt(v, -kMostHeadOffset, kMostHeadOffset); }

void KeepCoordinates(RectI32& r) {
    for (int32_t* c : {&r.left, &r.top, &r.right, &r.bottom})
        KeepInt(*c, -kBenchCoordinateLimit, kBenchCoordinateLimit);
}

void KeepHeadGeometry(LabObject& o) {
    KeepInt(o.pictureHeight, 0, kMostHeadOffset);
    KeepInt(o.pictureWidth, 0, kMostHeadOffset);
    KeepInt(o.capacityMl, 0, kMostCapacityMl);
    for (int32_t* v : {&o.openingWidth, &o.combineOffsetX, &o.accessoryOffsetX, &o.accessoryOffsetY,
                       &o.thermometerX, &o.thermometerY, &o.outletX, &o.outletY, &o.inletX, &o.inletY,
                       &o.labelArea.left, &o.labelArea.top, &o.labelArea.right, &o.labelArea.bottom,
                       &o.balancePan.left, &o.balancePan.top, &o.balancePan.right, &o.balancePan.bottom})
        KeepOffset(*v);
    for (PointI32& p : o.liquidOutline) {
        KeepOffset(p.x);
        KeepOffset(p.y);
    }
}

bool IsKelvin(double v) { return std::isfinite(v) && v >= 0 && v <= kMaxKelvinD; }
bool IsAmount(double v) { return std::isfinite(v) && v >= 0; }

std::string Fault(int32_t index, const char* what) {
    return "object " + std::to_string(index) + ": " + what;
}

std::string ValueFault(const LabObject& o, int32_t i) {
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

bool LinkInRange(int32_t link, int32_t self, int32_t count) {
    return link >= 1 && link <= count && link != self;
}

// True when following hosts from i comes back to i.
bool InRingOfHosts(const LabObject* base, int32_t count, int32_t i) {
    int32_t at = i;
    for (int32_t step = 0; step < count; ++step) {
        at = base[at].host;
        if (at == 0) return false;
        if (at == i) return true;
    }
    return false;
}

// The ring from i closes after exactly its member count of steps through
// members that all carry that count.
bool InSoundGroup(const LabObject* base, int32_t i) {
    const int32_t members = base[i].groupMemberCount;
    if (members < 2) return false;
    int32_t at = i;
    for (int32_t step = 1; step <= members; ++step) {
        at = base[at].nextGroupMember;
        if (at == 0 || base[at].groupMemberCount != members) return false;
        if (at == i) return step == members;
    }
    return false;
}

}  // namespace

void SanitiseObjectValues(LabObject& o) {
    KeepKelvin(o.temperature);
    KeepKelvin(o.boilingPoint);
    for (ComponentSlot& s : o.slots) {
        KeepKelvin(s.kelvin);
        KeepAmount(s.grams, kMostSlotGrams);
    }
    KeepAmount(o.liquidVolume, kMostLiquidTenths);
    KeepAmount(o.solidVolume, kMostSolidMl);
    KeepAmount(o.precipitate, kMostSlotGrams);
    KeepAmount(o.titrantDelivered, kMostSolidMl);
    KeepAmount(o.flowSetting, kMostLiquidTenths);
    KeepAmount(o.tare, kMostSlotGrams);
    KeepAmount(o.heatCapacityFactor, kMostSlotGrams);
    KeepAmount(o.thermalMass, kMostSlotGrams);
    KeepAmount(o.indicatorAmount, kMostSlotGrams);
    KeepAmount(o.addWaterStep, kMostLiquidTenths);
    KeepAmount(o.pourStep, kMostLiquidTenths);
    KeepAmount(o.liquidHeightScale, kMostLiquidTenths);
    KeepAmount(o.liquidWidthScale, kMostLiquidTenths);
    KeepAmount(o.emptyMass, kMostSlotGrams);
    for (double* v : {&o.ph, &o.reading1, &o.reading2, &o.reading3, &o.reading4}) KeepReading(*v);
    KeepHeadGeometry(o);
    KeepCoordinates(o.position);
    KeepCoordinates(o.groupRect);
    KeepInt(o.stopwatchCount, 0, INT32_MAX);
}

int32_t MendBenchLinks(LabObject* base, int32_t count) {
    if (!base || count < 1) return 0;
    count = std::min<int32_t>(count, kMaxLabObjects);
    std::array<bool, kLabObjectArrayLength> changed{};
    auto clear = [&](int32_t i, int32_t& link) {
        if (link == 0) return;
        link = 0;
        changed[size_t(i)] = true;
    };
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        for (int32_t* link : {&o.host, &o.hostedItem, &o.nextGroupMember, &o.pourTarget})
            if (!LinkInRange(*link, i, count)) clear(i, *link);
        if (o.groupMemberCount < 0 || o.groupMemberCount > count) {
            o.groupMemberCount = 0;
            changed[size_t(i)] = true;
        }
    }
    // Each pair is judged on the links as read, so the order of the objects
    // does not decide which side survives.
    std::array<bool, kLabObjectArrayLength> hostAnswered{}, hostedAnswered{};
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = base[i];
        hostAnswered[size_t(i)] = o.host && base[o.host].hostedItem == i;
        hostedAnswered[size_t(i)] = o.hostedItem && base[o.hostedItem].host == i;
    }
    for (int32_t i = 1; i <= count; ++i) {
        if (!hostAnswered[size_t(i)]) clear(i, base[i].host);
        if (!hostedAnswered[size_t(i)]) clear(i, base[i].hostedItem);
    }
    for (int32_t i = 1; i <= count; ++i) {
        if (!InRingOfHosts(base, count, i)) continue;
        // Cutting one pair of the ring opens it; the rest stay seated.
        clear(base[i].host, base[base[i].host].hostedItem);
        clear(i, base[i].host);
    }
    std::array<bool, kLabObjectArrayLength> grouped{};
    for (int32_t i = 1; i <= count; ++i) grouped[size_t(i)] = InSoundGroup(base, i);
    for (int32_t i = 1; i <= count; ++i) {
        LabObject& o = base[i];
        if (grouped[size_t(i)] || (o.groupMemberCount == 0 && o.nextGroupMember == 0)) continue;
        o.groupMemberCount = 0;
        o.nextGroupMember = 0;
        o.groupRect = {};
        changed[size_t(i)] = true;
    }
    return int32_t(std::count(changed.begin(), changed.end(), true));
}

std::string ValidateBench(const LabObject* base, int32_t count) {
    if (count < 0 || count > kMaxLabObjects) return "object count outside 0..50";
    if (count > 0 && !base) return "no objects";
    std::string fault;
    if (count > 0 && !CheckBench(base, count, &fault)) return fault;
    for (int32_t i = 1; i <= count; ++i) {
        fault = ValueFault(base[i], i);
        if (!fault.empty()) return fault;
    }
    return "";
}
