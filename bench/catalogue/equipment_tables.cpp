// Builds the template tables and the prototypes from the fixed numbers
// (equipment_keys) and the picture geometry (equipment_geometry), once.
#include <cmath>
#include <cstring>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/catalogue/equipment_geometry.h"
#include "bench/catalogue/equipment_keys.h"

namespace {

struct Catalogue {
    LabObject templates[3][kTemplateRowCount];
    LabObject prototypes[2][kLastEquipmentType + 1];
    LabObject none;
};

const PictureSize& SizeIn(const TemplateKeyRow& k, TemplateSet set) {
    switch (set) {
        case TemplateSet::kSmall: return k.small;
        case TemplateSet::kSave: return k.save;
        case TemplateSet::kLarge: break;
    }
    return k.large;
}

// Larger sizes of a kind add and pour in proportion to their capacity and
// weigh as their glass area grows; the prototype's own size keeps its values.
void WriteRowSteps(const TemplateKeyRow& k, LabObject& head) {
    const PrototypeRow& p = kPrototypeRows[k.type];
    const float factor =
        (p.capacityMl > 0 && k.capacityMl > 0) ? static_cast<float>(k.capacityMl) / p.capacityMl : 1.0f;
    head.addWaterStep = p.addWaterStep * factor;
    head.pourStep = p.pourStep * factor;
    head.emptyMass = factor == 1.0f ? p.emptyMass : std::round(p.emptyMass * std::cbrt(factor * factor));
}

void BuildRow(int32_t row, TemplateSet set, LabObject& head) {
    const TemplateKeyRow& k = kTemplateKeys[row];
    const PictureSize& size = SizeIn(k, set);
    head = LabObject{};
    head.type = k.type;
    head.sizeIndex = k.sizeIndex;
    head.kindFlags = set == TemplateSet::kSmall ? k.smallKindFlags : k.kindFlags;
    head.capacityMl = k.capacityMl;
    head.stateBits = static_cast<int16_t>(k.state);
    head.variant = k.variant;
    head.pictureHeight = size.height;
    head.pictureWidth = size.width;
    head.tiltable = k.tiltable;
    head.combineCategory = k.combineCategory;
    const bool small = set == TemplateSet::kSmall;
    head.printPictureId = (small ? kSmallPrintPictureIds : kLargePrintPictureIds) + row;
    head.printMaskId = (small ? kSmallPrintMaskIds : kLargePrintMaskIds) + row;
    WriteRowSteps(k, head);
    WriteRowGeometry(row, head);
}

bool HasWhiteLiquid(int32_t type) {
    switch (type) {
        case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9: case 10:
        case 13: case 22: case 23: case 25: case 27:
            return true;
        default:
            return false;
    }
}

void BuildPrototype(int32_t type, const LabObject (&table)[kTemplateRowCount], LabObject& o) {
    const PrototypeRow& p = kPrototypeRows[type];
    o = LabObject{};
    const int32_t row = FindTemplate(type, p.sizeIndex, 0, p.state);
    if (row >= 0) std::memcpy(&o, &table[row], kLabObjectHeadBytes);
    // The simulation relies on the listed flags in both sets, whatever the
    // row of the prototype's key says.
    o.kindFlags = p.kindFlags;
    o.position = {0, 0, o.pictureWidth, o.pictureHeight};
    if (type == kElectrochemicalCell) o.position = {0, 0, 126, 364};
    o.temperature = p.kelvin;
    o.boilingPoint = p.boilingPoint;
    if (HasWhiteLiquid(type)) {
        std::memset(o.liquidColour, 255, 3);
        std::memset(o.solidColour, 255, 3);
        o.solidFillKind = 2;  // hatched
        o.solidPatternId = 5;
        const int32_t fifty = 50;
        std::memcpy(o.reserved680, &fifty, sizeof fifty);
    } else {
        std::memset(o.solidColour, 255, 3);
    }
    if (HasWhiteLiquid(type) || type == kGasSyringe) o.heatCapacityFactor = 75.3f;
    o.ph = 7.0;
    if (type == kGeigerCounter) o.reading2 = 1.0;
}

const Catalogue& Tables() {
    static const Catalogue* built = [] {
        auto* c = new Catalogue{};
        const TemplateSet sets[3] = {TemplateSet::kLarge, TemplateSet::kSmall, TemplateSet::kSave};
        for (int s = 0; s < 3; ++s)
            for (int32_t r = 0; r < kTemplateRowCount; ++r) BuildRow(r, sets[s], c->templates[s][r]);
        for (int32_t t = kFirstEquipmentType; t <= kLastEquipmentType; ++t) {
            BuildPrototype(t, c->templates[0], c->prototypes[0][t]);
            BuildPrototype(t, c->templates[1], c->prototypes[1][t]);
        }
        return c;
    }();
    return *built;
}

}  // namespace

const char* EquipmentTypeName(int32_t type) {
    return IsEquipmentType(type) ? kEquipmentNames[type] : nullptr;
}

const LabObject& EquipmentPrototype(int32_t type, bool smallSet) {
    const Catalogue& c = Tables();
    return IsEquipmentType(type) ? c.prototypes[smallSet ? 1 : 0][type] : c.none;
}

const LabObject& EquipmentTemplate(TemplateSet set, int32_t row) {
    const Catalogue& c = Tables();
    if (row < 0 || row >= kTemplateRowCount) return c.none;
    return c.templates[static_cast<int>(set)][row];
}

int32_t FindTemplate(int32_t type, int32_t sizeIndex, int32_t variant, int32_t state) {
    const int16_t state16 = static_cast<int16_t>(state);
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const TemplateKeyRow& k = kTemplateKeys[r];
        if (k.type == type && k.sizeIndex == sizeIndex && k.variant == variant &&
            static_cast<int16_t>(k.state) == state16)
            return r;
    }
    return -1;
}

int32_t TemplateCapacity(int32_t type, int32_t sizeIndex, int32_t state) {
    const int32_t row = FindTemplate(type, sizeIndex, 0, state);
    return row < 0 ? 0 : kTemplateKeys[row].capacityMl;
}

PointI32 DefaultBenchPoint(int32_t index) {
    return (index >= 0 && index < 35) ? kDefaultBenchPoints[index] : PointI32{0, 0};
}
