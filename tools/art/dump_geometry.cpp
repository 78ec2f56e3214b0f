// Prints the catalogue's picture geometry as JSON for the art generator, so
// the pictures are drawn from the very numbers the program reads. Built and
// run on the build machine while the Win32 program is cross-compiled.
#include <cstdio>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/catalogue/equipment_geometry.h"
#include "bench/catalogue/equipment_keys.h"
#include "render/object_images.h"
#include "render/object_placement.h"
#include "render/print/print_parts.h"

namespace {

void Rect(const char* name, const RectI32& r) {
    std::printf("\"%s\": [%d, %d, %d, %d]", name, r.left, r.top, r.right, r.bottom);
}

void Unit(const UnitRect& r) { std::printf("[%.5f, %.5f, %.5f, %.5f]", r.left, r.top, r.right, r.bottom); }

void Parts(const ShapePart* parts) {
    std::printf("{");
    for (int i = 0; i < kMaxShapeParts && parts[i].name; ++i) {
        std::printf("%s\"%s\": ", i ? ", " : "", parts[i].name);
        Unit(parts[i].box);
    }
    std::printf("}");
}

void Head(const LabObject& h, bool largeSet) {
    std::printf("{\"width\": %d, \"height\": %d, \"opening\": %d, \"combine_x\": %d, ", h.pictureWidth,
                h.pictureHeight, h.openingWidth, h.combineOffsetX);
    std::printf("\"accessory\": [%d, %d], \"thermometer\": [%d, %d], ", h.accessoryOffsetX,
                h.accessoryOffsetY, h.thermometerX, h.thermometerY);
    Rect("label", h.labelArea);
    std::printf(", \"outline\": [");
    for (int i = 0; i < 6; ++i)
        std::printf("%s[%d, %d]", i ? ", " : "", h.liquidOutline[i].x, h.liquidOutline[i].y);
    std::printf("], \"outline_shape\": %d, \"scale\": %.6f, ", h.outlineShape, h.liquidHeightScale);
    Rect("pan", h.balancePan);
    std::printf(", \"outlet\": [%d, %d], ", h.outletX, h.outletY);
    // The screen pictures the renderer picks for this row: the print picture
    // is composed from them.
    const ObjectImages images = ChooseObjectImages(h, largeSet);
    LabObject placed = h;
    placed.position = {0, 0, h.pictureWidth, h.pictureHeight};
    const PointD extra = ExtraPosition(placed, largeSet);
    std::printf("\"print\": [%d, %d], ", h.printPictureId, h.printMaskId);
    std::printf("\"images\": {\"body\": %d, \"mask\": %d, \"accessory\": %d, \"front\": %d, "
                "\"extra\": [%d, %d, %d]",
                images.body, images.mask, images.accessory, images.front, images.extra,
                static_cast<int>(extra.x), static_cast<int>(extra.y));
    std::printf("}}");
}

}  // namespace

int main() {
    std::printf("{\"rows\": [\n");
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const TemplateKeyRow& k = kTemplateKeys[r];
        const RowLayout layout = TemplateRowLayout(r);
        std::printf(" {\"row\": %d, \"type\": %d, \"size\": %d, \"variant\": %d, \"state\": %d, "
                    "\"capacity\": %d, \"turn\": %d, \"body_box\": ",
                    r, k.type, k.sizeIndex, k.variant, k.state, k.capacityMl, static_cast<int>(layout.turn));
        Unit(layout.bodyBox);
        std::printf(", \"parts\": ");
        Parts(layout.parts);
        std::printf(",\n  \"large\": ");
        Head(EquipmentTemplate(TemplateSet::kLarge, r), true);
        std::printf(",\n  \"small\": ");
        Head(EquipmentTemplate(TemplateSet::kSmall, r), false);
        std::printf("}%s\n", r + 1 < kTemplateRowCount ? "," : "");
    }
    std::printf("], \"print_parts\": [");
    const char* comma = "";
    for (const PrintPart& p : PrintParts()) {
        std::printf("%s[%d, %d, %d]", comma, p.screenId, p.pictureId, p.maskId);
        comma = ", ";
    }
    std::printf("], \"shapes\": {\n");
    for (int32_t t = kFirstEquipmentType; t <= kLastEquipmentType; ++t) {
        const BodyShape& s = EquipmentBodyShape(t);
        std::printf(" \"%d\": {\"name\": \"%s\", \"outline\": [", t, s.artName);
        for (int i = 0; i < s.outlinePointCount; ++i)
            std::printf("%s[%.5f, %.5f]", i ? ", " : "", s.outline[i].x, s.outline[i].y);
        std::printf("], \"floor\": %.5f, \"full\": %.5f, \"graduations\": %d, \"parts\": ", s.liquidFloor,
                    s.fullLevel, s.graduationCount);
        Parts(s.parts);
        std::printf("}%s\n", t < kLastEquipmentType ? "," : "");
    }
    std::printf("}}\n");
    return 0;
}
