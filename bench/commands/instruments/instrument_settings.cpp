#include "bench/commands/instruments/instrument_settings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/model/contents.h"
#include "bench/sim/sim_syringe.h"
#include "common/component_slot.h"
#include "common/module_contract.h"

bool ParseNumberField(const std::string& text, double* value) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (!*begin) return false;
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

double SyringeFittingsFor(const LabObject& syringe) {
    return syringe.stateBits == kSyringeWithGauge ? kGaugeFittingsMl : 0.0;
}

double SyringeGaugePressure(double initialMl, double fittingsMl, double volumeMl) {
    return (initialMl + fittingsMl) * kBarometricKpa / (volumeMl + fittingsMl) - kBarometricKpa;
}

SyringeAnswer ApplyInitialSyringeVolume(LabObject& syringe, bool volumeIsNumber, double volume,
                                        bool fittingsIsNumber, double fittings) {
    if (!volumeIsNumber || !fittingsIsNumber) {
        syringe.reading1 = syringe.reading2 = syringe.reading3 = syringe.reading4 = 0.0;
        volume = 0;
    } else {
        if (volume > syringe.capacityMl || volume < 0 || fittings < 0) return SyringeAnswer::kRefused;
        syringe.reading1 = syringe.reading2 = volume;
        syringe.reading3 = 0.0;
        syringe.reading4 = fittings;
    }
    syringe.plungerPosition = SyringePlungerPosition(volume);
    return SyringeAnswer::kStored;
}

SyringeAnswer ApplySyringeVolume(LabObject& syringe, double volume) {
    const double fittings = std::isfinite(syringe.reading4) && syringe.reading4 > 0 ? syringe.reading4 : 0.0;
    if (volume > syringe.capacityMl || volume < 0 || volume + fittings <= 0) return SyringeAnswer::kRefused;
    const double initial = std::isfinite(syringe.reading1) ? syringe.reading1 : 0.0;
    syringe.reading2 = volume;
    syringe.reading3 = SyringeGaugePressure(initial, fittings, volume);
    syringe.plungerPosition = SyringePlungerPosition(volume);
    return SyringeAnswer::kStored;
}

int32_t ShieldNameString(int32_t kind) {
    switch (kind) {
    case 0: return 707;
    case 1: return 704;
    case 2: return 706;
    case 3: return 705;
    default: return 708;
    }
}

double ShieldSheetMillimetres(int32_t kind) {
    switch (kind) {
    case 1: return 0.1;
    case 2:
    case 3: return 1.0;
    default: return 0.0;
    }
}

std::string ShieldThicknessText(int32_t kind, int32_t sheets) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f mm", sheets * ShieldSheetMillimetres(kind));
    return text;
}

bool AcceptGeigerDistance(bool isNumber, double value, int32_t* distance) {
    if (!isNumber) value = 0;
    if (value > kGeigerMaxDistance || value < 0) return false;
    *distance = static_cast<int32_t>(value);
    return true;
}

void StoreGeigerSource(LabObject& counter, CasNumber cas, double grams) {
    ClearComponents(counter);
    if (cas == 0 || !std::isfinite(grams) || grams <= 0) return;
    SetComponentSlot(counter, cas, kPhaseSolid, grams, 293.0, 0);
}

std::vector<ElectrodeEntry> ReadElectrodes(int32_t count,
                                           const ElectrodeRecord* (*property)(int32_t index, void* context),
                                           void* context) {
    std::vector<ElectrodeEntry> electrodes;
    if (!property) return electrodes;
    for (int32_t i = 0; i < count && i < 1000; ++i) {
        const ElectrodeRecord* record = property(i, context);
        if (!record) continue;
        const char* name = ElectrodeName(record);
        electrodes.push_back({record->id, std::string(name, strnlen(name, 256))});
    }
    return electrodes;
}

int32_t ElectrodeRowFor(const std::vector<ElectrodeEntry>& electrodes, int32_t id) {
    for (size_t i = 0; i < electrodes.size(); ++i)
        if (electrodes[i].id == id) return static_cast<int32_t>(i);
    return 0;
}
