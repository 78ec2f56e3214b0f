#include "bench/commands/contents/indicator_choice.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Bounded(const char* field, size_t width) {
    size_t n = 0;
    while (n < width && field[n]) ++n;
    return std::string(field, n);
}

// The whole text as a number; false for anything else.
bool ReadNumber(const std::string& text, double* value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin) return false;
    while (*end == ' ') ++end;
    if (*end || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

}  // namespace

std::vector<IndicatorEntry> ReadIndicators(int32_t count,
                                           const std::function<const IndicatorRecord*(int32_t)>& property) {
    std::vector<IndicatorEntry> entries;
    for (int32_t i = 0; i < count && property; ++i) {
        const IndicatorRecord* r = property(i);
        if (!r) continue;
        entries.push_back({r->id, Bounded(r->name, sizeof r->name), Bounded(r->description, sizeof r->description)});
    }
    return entries;
}

int32_t InitialIndicator(const LabObject& vessel, const std::vector<IndicatorEntry>& entries, int32_t* drops) {
    *drops = 0;
    if (entries.empty()) return -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].id != vessel.indicatorId) continue;
        const float amount = vessel.indicatorAmount;
        if (amount > 0 && amount < 1)
            *drops = 1;
        else if (amount >= 1 && amount < 2e9f)
            *drops = static_cast<int32_t>(amount);
        return static_cast<int32_t>(i);
    }
    return 0;
}

void ApplyIndicatorDrops(LabObject& vessel, const IndicatorEntry& chosen, const std::string& dropsText,
                         BenchSeams& seams) {
    double drops = 0;
    if (!ReadNumber(dropsText, &drops) || !(drops > 0)) {
        vessel.indicatorId = 0;
        vessel.indicatorAmount = 0;
        return;
    }
    vessel.indicatorId = chosen.id;
    vessel.indicatorAmount = static_cast<float>(drops);
    if (!seams.DemoRecording()) return;
    constexpr int32_t kIndicatorCategory = 8;
    std::string format, typeName;
    if (!seams.LoadResString(695, &format) || !seams.LoadResString(vessel.type, &typeName)) {
        seams.RecordComment("Missing Comment", kIndicatorCategory);
        return;
    }
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), static_cast<int>(drops), chosen.name.c_str(), typeName.c_str());
    seams.RecordComment(text, kIndicatorCategory);
}
