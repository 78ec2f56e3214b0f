#include "bench/model/lab_objects.h"

#include <cstring>

#include "bench/model/selection.h"

LabObject LabObjects[kLabObjectArrayLength];
int32_t LabObjectCount = 0;

void ResetLabObjects() {
    std::memset(LabObjects, 0, sizeof LabObjects);
    LabObjectCount = 0;
}

// base[1..count] is the run searched; the answer is an index into that run.
int32_t FindIntersectingObject(int32_t count, const LabObject* base, const LabObject& object) {
    if (!base || count <= 0 || !(object.kindFlags & kKindDippable)) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& other = base[i];
        if (&other == &object || !(other.kindFlags & kKindContainer)) continue;
        if (RectsIntersect(other.position, object.position)) return i;
    }
    return 0;
}

namespace {

bool IsCombinableAlone(const LabObject& o) {
    return (o.kindFlags & kKindCombinable) && o.groupMemberCount == 0;
}

// The partner must hold the selected object's bottom edge strictly inside it.
bool HoldsBottomEdge(const RectI32& partner, const RectI32& selected) {
    return partner.left < selected.left && selected.right < partner.right &&
           partner.top < selected.bottom && selected.bottom < partner.bottom;
}

int32_t ObjectCountInRange() {
    if (LabObjectCount < 0) return 0;
    return LabObjectCount > kMaxLabObjects ? kMaxLabObjects : LabObjectCount;
}

}  // namespace

int32_t FindObjectUnderSelection() {
    const int32_t count = ObjectCountInRange();
    if (count < 2 || !ObjectSelected || SelectedObject < 1 || SelectedObject > count) return 0;
    const LabObject& selected = LabObjects[SelectedObject];
    if (!IsCombinableAlone(selected)) return 0;
    for (int32_t i = 1; i <= count; ++i) {
        if (i == SelectedObject) continue;
        const LabObject& other = LabObjects[i];
        if (IsCombinableAlone(other) && HoldsBottomEdge(other.position, selected.position)) return i;
    }
    return 0;
}

int32_t FindCombinedPartnerOfSelection() {
    const int32_t count = ObjectCountInRange();
    const int32_t s = SelectedObject;
    if (!ObjectSelected || s < 1 || s > count) return 0;
    const LabObject& selected = LabObjects[s];
    const auto combinedWith = [&](int32_t other, bool otherIsHost) {
        if (other < 1 || other > count || other == s) return false;
        const LabObject& o = LabObjects[other];
        const int32_t backLink = otherIsHost ? o.hostedItem : o.host;
        return backLink == s && (o.kindFlags & kKindCombinable) && (selected.kindFlags & kKindCombinable);
    };
    if (combinedWith(selected.host, true)) return selected.host;
    if (combinedWith(selected.hostedItem, false)) return selected.hostedItem;
    return 0;
}

bool ObjectsBoundingRect(RectI32* out) {
    RectI32 bounds = {0, 0, 0, 0};
    const int32_t count = ObjectCountInRange();
    for (int32_t i = 1; i <= count; ++i) {
        const RectI32& r = LabObjects[i].position;
        if (RectIsEmpty(r)) continue;
        if (RectIsEmpty(bounds)) {
            bounds = r;
            continue;
        }
        if (r.left < bounds.left) bounds.left = r.left;
        if (r.top < bounds.top) bounds.top = r.top;
        if (r.right > bounds.right) bounds.right = r.right;
        if (r.bottom > bounds.bottom) bounds.bottom = r.bottom;
    }
    if (out) *out = bounds;
    return !RectIsEmpty(bounds);
}
