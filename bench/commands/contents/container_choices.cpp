#include "bench/commands/contents/container_choices.h"

#include <cstdio>

#include "bench/catalogue/equipment_catalogue.h"
#include "common/equipment_type.h"
#include "common/lab_style.h"

namespace {

constexpr size_t kTypeNameLength = 30;

// Kinds that only some labs offer, with the style bit that offers them.
struct LabKind {
    int32_t type;
    uint32_t styleBit;
};
constexpr LabKind kLabKinds[] = {
    {kCalorimeter, 0x4}, {kMetalWire, 0x40},      {kElectrochemicalCell, 0x80},
    {kCuvette, 0x200},   {kInvertedBuret, 0x1000}, {kGeigerCounter, 0x2000},
};

bool Offered(int32_t type, uint32_t style) {
    for (const LabKind& k : kLabKinds)
        if (k.type == type) return (style & k.styleBit) != 0;
    return true;
}

std::string ShownTypeName(int32_t type) {
    std::string name;
    if (const char* raw = EquipmentTypeName(type)) {
        for (const char* p = raw; *p; ++p) {
            name += *p;
            if (p[0] == '&' && p[1] == '&') ++p;
        }
    }
    return name.substr(0, kTypeNameLength);
}

std::string StringOr(const std::function<std::string(int32_t)>& load, int32_t id) {
    std::string s = load(id);
    return s.empty() ? "Missing Comment" : s;
}

std::string Filled(const std::string& format, const std::string& value) {
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), value.c_str());
    return text;
}

std::string Field(const char* field, size_t width) {
    size_t n = 0;
    while (n < width && field[n]) ++n;
    return std::string(field, n);
}

}  // namespace

std::vector<ListChoice> ContainerTypeChoices(int32_t first, int32_t last, uint32_t kindMask, uint32_t labStyle) {
    std::vector<ListChoice> choices;
    for (int32_t type = first; type <= last; ++type) {
        if (!IsEquipmentType(type) || (PrototypeKindFlags(type) & kindMask) != kindMask) continue;
        if (!Offered(type, labStyle)) continue;
        choices.push_back({type, ShownTypeName(type)});
    }
    return choices;
}

std::vector<ListChoice> SizeChoices(int32_t type, int32_t lastSize, int32_t stateBits) {
    std::vector<ListChoice> choices;
    for (int32_t size = 1; size <= lastSize; ++size) {
        const int32_t capacity = TemplateCapacity(type, size, stateBits);
        if (capacity == 0) continue;
        choices.push_back({size, std::to_string(capacity) + " ml"});
    }
    return choices;
}

int32_t ChoiceIndexOfData(const std::vector<ListChoice>& choices, int32_t value) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].data == value) return static_cast<int32_t>(i);
    return -1;
}

std::string ChemicalInfoText(const ChemicalRecord& c, const std::function<std::string(int32_t)>& load,
                             const std::function<std::string(const char*, double)>& number) {
    const bool unknown = (c.flags & kChemUnknown) != 0;
    std::string text = Filled(StringOr(load, 212), Field(c.description, sizeof c.description));
    const auto line = [&](bool hidden, int32_t hiddenId, int32_t shownId, const char* format, double value) {
        text += hidden ? Filled(StringOr(load, hiddenId), "...") : Filled(StringOr(load, shownId), number(format, value));
    };
    line(c.molarMass == -1 || (c.flags & (kChemUnknown | kChemNoMolarMass)), 204, 205, "%.3f", c.molarMass);
    line(c.density == -1 || unknown, 206, 207, "%.3f", c.density);
    line(c.meltingPoint == -1 || (c.flags & (kChemUnknown | kChemNoMeltingPoint)), 208, 209, "%.1f", c.meltingPoint);
    line(c.boilingPoint == -1 || (c.flags & (kChemUnknown | kChemNoBoilingPoint)), 210, 211, "%.1f", c.boilingPoint);
    return text;
}
