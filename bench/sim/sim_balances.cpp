#include <cmath>

#include "bench/model/contents.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_heat_sources.h"
#include "bench/sim/sim_support.h"

namespace {

constexpr int32_t kElectronicPanLift = 2;    // the line objects stand on, above the pan bottom
constexpr int32_t kElectronicPanReach = 25;  // how far above the pan an object still counts
constexpr double kCentigramRange = 111.0;
constexpr int32_t kBalanceNegative = 3;
constexpr int32_t kBalanceOverRange = 1;

RectI32 PanOf(const LabObject& b) {
    return {b.position.left + b.balancePan.left, b.position.top + b.balancePan.top,
            b.position.left + b.balancePan.right, b.position.top + b.balancePan.bottom};
}

bool IsWeighable(const LabObject& o) { return (o.kindFlags & kKindWeighable) && o.host == 0; }

// What a balance weighs of an object: the piece itself, its contents and
// whatever hangs in it.
double WeightOf(int32_t count, LabObject* base, int32_t index) {
    const LabObject& o = base[index];
    double grams = o.emptyMass + TotalComponentMass(o);
    if (const LabObject* item = sim::Linked(count, base, index, o.hostedItem))
        grams += item->emptyMass + TotalComponentMass(*item);
    return grams;
}

// Only a lone object, or one carrying its hosted item as a pair, settles.
bool CanSettle(const LabObject& o) {
    return o.groupMemberCount == 0 || (o.groupMemberCount == 2 && o.hostedItem != 0);
}

void ShiftVertically(RectI32& r, int32_t dy) {
    r.top += dy;
    r.bottom += dy;
}

// Moves an object (with its hosted item and group rectangle) so that its
// bottom stands on `line`, and redraws what moved.
void SettleOnto(int32_t count, LabObject* base, int32_t index, int32_t line, SimSeams& seams) {
    LabObject& o = base[index];
    const RectI32 before = o.position;
    const int32_t dy = line - o.position.bottom;
    const bool selected = ObjectSelected && SelectedObject == index;
    if (selected) seams.DrawSelectionFrame(before);
    ShiftVertically(o.position, dy);
    if (o.groupMemberCount != 0) ShiftVertically(o.groupRect, dy);
    RectI32 moved = sim::UnionRect(before, o.position);
    if (LabObject* item = sim::Linked(count, base, index, o.hostedItem)) {
        const RectI32 itemBefore = item->position;
        ShiftVertically(item->position, dy);
        if (item->groupMemberCount != 0) ShiftVertically(item->groupRect, dy);
        moved = sim::UnionRect(moved, sim::UnionRect(itemBefore, item->position));
    }
    if (selected) seams.DrawSelectionFrame(o.position);
    seams.InvalidateLogicalRect(moved);
}

void CentigramBalance(int32_t count, LabObject* base, int32_t bi, SimSeams& seams) {
    LabObject& b = base[bi];
    const RectI32 pan = PanOf(b);
    const bool wasLoaded = b.reading1 > 0;
    const double own = TotalComponentMass(b);
    b.reading1 = own;
    b.reading2 = own - b.tare;
    bool netChanged = false;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = base[i];
        if (i == bi || !IsWeighable(o)) continue;
        if (!(pan.left <= o.position.left && o.position.right <= pan.right && pan.top <= o.position.top &&
              o.position.bottom <= pan.bottom))
            continue;
        const double gross = WeightOf(count, base, i) + own;
        b.reading1 = gross;
        b.reading2 = gross - b.tare;
        if (b.reading2 != b.reading3) netChanged = true;
        b.reading3 = b.reading2;
        // Settled objects stand on the pan's bottom and stay put from then on.
        if (o.position.bottom != pan.bottom && CanSettle(o)) SettleOnto(count, base, i, pan.bottom, seams);
    }
    if ((wasLoaded && b.reading1 == 0) || netChanged) seams.InvalidateLogicalRect(b.position);
    const int32_t state = b.reading2 < 0                 ? kBalanceNegative
                          : b.reading2 > kCentigramRange ? kBalanceOverRange
                                                         : 0;
    if (state != b.stateBits) {
        seams.SetBalanceState(b, state);
        seams.InvalidateLogicalRect(b.position);
    }
}

void ElectronicBalance(int32_t count, LabObject* base, int32_t bi, SimSeams& seams) {
    LabObject& b = base[bi];
    const RectI32 pan = PanOf(b);
    const int32_t line = pan.bottom - kElectronicPanLift;
    b.reading1 = TotalComponentMass(b);
    b.reading2 = b.reading1 - b.tare;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = base[i];
        if (i == bi || !IsWeighable(o)) continue;
        if (o.position.left < pan.left || o.position.right > pan.right) continue;
        if (o.position.bottom < pan.top - kElectronicPanReach || o.position.bottom > line) continue;
        b.reading1 = WeightOf(count, base, i);
        b.reading2 = b.reading1 - b.tare;
        if (o.position.bottom != b.position.top && CanSettle(o) && o.position.bottom != line)
            SettleOnto(count, base, i, line, seams);
    }
    if (b.reading2 != b.reading3) {
        b.reading3 = b.reading2;
        seams.InvalidateLogicalRect(b.position);
    }
}

}  // namespace

void BalanceStep(int32_t count, LabObject* base, SimSeams& seams) {
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t type = base[i].type;
        if (type == kCentigramBalance)
            CentigramBalance(count, base, i, seams);
        else if (type == kElectronicBalance || type == kHighSensitivityBalance)
            ElectronicBalance(count, base, i, seams);
    }
}
