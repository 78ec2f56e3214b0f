#include "render/print/print_parts.h"

#include <cmath>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/catalogue/equipment_geometry.h"
#include "render/object_images.h"
#include "render/object_placement.h"

namespace {

constexpr int32_t kScreenIds[] = {2037, 2185,                     // plungers
                                  2088, 2089, 2090, 2091,         // Geiger carriages
                                  2098, 2099, 2100, 2101, 2102,   // large fine scale, pointer, riders
                                  2234, 2235, 2236,               // small pointer, rider, fine scale
                                  2051,                           // hot-plate knob
                                  1180, 2128};                    // stopcocks, large and small

int32_t Whole(double v) { return std::isfinite(v) ? static_cast<int32_t>(std::trunc(v)) : 0; }
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

bool PrintsTurned(const LabObject& o) {
    const int32_t row = FindTemplate(o.type, o.sizeIndex, o.variant, o.stateBits);
    return row >= 0 && TemplateRowLayout(row).turn != BodyTurn::kUpright;
}

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
    const auto add = [&out](int32_t screenId, double x, double y, double degrees = 0.0) {
        if (const PrintPart* p = PrintPartFor(screenId)) out.push_back({*p, Whole(x), Whole(y), Finite(degrees)});
    };
    const ObjectImages images = ChooseObjectImages(at, large);
    // The stopcock of an upright buret or funnel, turned by the flow; a
    // tipped row turns the whole picture and leaves its stopcock out.
    if (images.stopcock && !PrintsTurned(o)) {
        const StopcockPlacement s = PlaceStopcock(at, large, 0, 0);
        if (s.drawn) add(images.stopcock, s.x, s.y, s.degrees);
    }
    if (o.type == kGasSyringe || o.type == kGeigerCounter) {
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
    } else if (o.type == kHotPlate && images.knob) {
        Knob heat, stirrer;
        PlaceHotPlateKnobs(at, &heat, &stirrer);
        add(images.knob, heat.x, heat.y, heat.degrees);
        add(images.knob, stirrer.x, stirrer.y, stirrer.degrees);
    }
    return out;
}

std::vector<TurnedPixel> TurnPartPixels(int32_t w, int32_t h, double degrees) {
    std::vector<TurnedPixel> out;
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096) return out;
    const double a = Finite(degrees) * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const double cx = w / 2.0, cy = h / 2.0;
    const double reach = std::sqrt(cx * cx + cy * cy) + 1.0;
    for (int32_t dy = static_cast<int32_t>(std::floor(cy - reach)); dy <= std::ceil(cy + reach); ++dy)
        for (int32_t dx = static_cast<int32_t>(std::floor(cx - reach)); dx <= std::ceil(cx + reach); ++dx) {
            // Back from the turned pixel's centre to the part's.
            const double u = dx + 0.5 - cx, v = dy + 0.5 - cy;
            const double su = u * c + v * s, sv = -u * s + v * c;
            const int32_t sx = static_cast<int32_t>(std::floor(su + cx));
            const int32_t sy = static_cast<int32_t>(std::floor(sv + cy));
            if (sx >= 0 && sy >= 0 && sx < w && sy < h) out.push_back({dx, dy, sx, sy});
        }
    return out;
}
