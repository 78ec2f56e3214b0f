// What every fuzz target that runs the simulation asks of the bench after
// each tick: ValidateBench (counts, types, links answered by their
// partners, values in range) and, field by field, every float and double of
// every object finite. Any fault stops the run.
#pragma once
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/model/bench_validate.h"
#include "common/lab_object.h"

namespace fuzz {

inline void Fail(const char* what, int32_t index, const std::string& detail) {
    std::fprintf(stderr, "unsound bench after %s: object %d: %s\n", what, int(index), detail.c_str());
    std::abort();
}

inline void CheckObjectFinite(const LabObject& o, int32_t i, const char* what) {
    const struct {
        const char* name;
        double value;
    } values[] = {
        {"liquid height scale", o.liquidHeightScale}, {"liquid width scale", o.liquidWidthScale},
        {"add-water step", o.addWaterStep},           {"pour step", o.pourStep},
        {"empty mass", o.emptyMass},                  {"liquid volume", o.liquidVolume},
        {"solid volume", o.solidVolume},              {"precipitate", o.precipitate},
        {"flow", o.flowSetting},                      {"heat-capacity factor", o.heatCapacityFactor},
        {"thermal mass", o.thermalMass},              {"temperature", o.temperature},
        {"boiling point", o.boilingPoint},            {"pH", o.ph},
        {"indicator amount", o.indicatorAmount},      {"reading 4944", o.reading1},
        {"reading 4952", o.reading2},                 {"reading 4960", o.reading3},
        {"reading 4968", o.reading4},                 {"titrant delivered", o.titrantDelivered},
        {"tare", o.tare},
    };
    for (const auto& v : values)
        if (!std::isfinite(v.value)) Fail(what, i, v.name);
    for (int k = 0; k < kComponentSlotCount; ++k)
        if (!std::isfinite(o.slots[k].grams) || !std::isfinite(o.slots[k].kelvin))
            Fail(what, i, "slot " + std::to_string(k));
}

inline void CheckBenchSound(const LabObject* base, int32_t count, const char* what) {
    const std::string fault = ValidateBench(base, count);
    if (!fault.empty()) Fail(what, 0, fault);
    for (int32_t i = 1; i <= count; ++i) CheckObjectFinite(base[i], i, what);
}

}  // namespace fuzz
