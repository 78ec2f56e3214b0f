#include "render/print/print_parts.h"

#include <cmath>

#include "render/object_images.h"
#include "render/object_placement.h"

namespace {

constexpr int32_t kScreenIds[] = {2037, 2185,                     // plungers
                                  2088, 2089, 2090, 2091,         // Geiger carriages
                                  2098, 2099, 2100, 2101, 2102,   // large fine scale, pointer, riders
                                  2234, 2235, 2236};              // small pointer, rider, fine scale

int32_t Whole(double v) { return std::isfinite(v) ? static_cast<int32_t>(std::trunc(v)) : 0; }

}  // namespace

const std::vector<PrintPart>& PrintParts() {
    static const std::vector<PrintPart> parts = [] {
        std::vector<PrintPart> out;
        int32_t i = 0;
        for (int32_t id : kScreenIds) {
            out.push_back({id, kFirstPrintPartPicture + i, kFirstPrintPartMask + i});
            ++i;
        }
        return out;
    }();
    return parts;
}

const PrintPart* PrintPartFor(int32_t screenId) {
    for (const PrintPart& p : PrintParts())
        if (p.screenId == screenId) return &p;
    return nullptr;
}

std::vector<PlacedPrintPart> PlacePrintParts(const LabObject& o, bool large) {
    std::vector<PlacedPrintPart> out;
    LabObject at = o;
    at.position = {0, 0, o.pictureWidth, o.pictureHeight};
    const auto add = [&out](int32_t screenId, double x, double y) {
        if (const PrintPart* p = PrintPartFor(screenId)) out.push_back({*p, Whole(x), Whole(y)});
    };
    if (o.type == kGasSyringe || o.type == kGeigerCounter) {
        const ObjectImages images = ChooseObjectImages(at, large);
        const PointD where = ExtraPosition(at, large);
        add(images.extra, where.x, where.y);
    } else if (o.type == kCentigramBalance) {
        const CentigramBeam beam = CentigramRiders(o.reading2, o.stateBits, large);
        const CentigramLayout l = PlaceCentigramParts(beam, o.accessoryOffsetX, o.accessoryOffsetY, large);
        add(large ? 2100 : 2235, l.fineRider.x, l.fineRider.y);
        add(large ? 2101 : 2235, l.unitRider.x, l.unitRider.y);
        add(large ? 2102 : 2235, l.tensRider.x, l.tensRider.y);
        add(large ? 2098 : 2236, l.fineScale.x, l.fineScale.y);
        add(large ? 2099 : 2234, l.pointer.x, l.pointer.y);
    }
    return out;
}
