#include "bench/commands/edit/delete_undo.h"

#include <algorithm>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/renumber.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"

int32_t UndoObjectCount = 0;

namespace {

constexpr int32_t kStringCannotDeleteGroupMember = 121;

bool IsBalance(int32_t type) {
    return type == kCentigramBalance || type == kElectronicBalance || type == kHighSensitivityBalance;
}

RectI32 Union(const RectI32& a, const RectI32& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void ClearGroup(LabObject& o) {
    o.groupMemberCount = 0;
    o.nextGroupMember = 0;
    o.groupRect = {};
}

void ClearCombination(LabObject& o) {
    o.host = 0;
    o.hostedItem = 0;
}

// The indices Delete removes, in selection order; empty when none.
std::vector<int32_t> IndicesToRemove(int32_t count) {
    std::vector<int32_t> order;
    if (ObjectSelected && SelectedObject >= 1 && SelectedObject <= count) {
        order.push_back(SelectedObject);
        return order;
    }
    const int32_t members = std::min(MultiSelection.memberCount, int32_t{kMaxLabObjects});
    for (int32_t m = 0; m < members; ++m) {
        const int32_t d = MultiSelection.members[m];
        if (d >= 1 && d <= count && std::find(order.begin(), order.end(), d) == order.end())
            order.push_back(d);
    }
    return order;
}

// Kept members of a group that lost members link past the removed ones; the
// ring is recounted, and a ring left with one member is no group.
void CloseGroupRings(int32_t count, const std::vector<bool>& removed) {
    std::vector<int32_t> next(size_t(count) + 1, 0);
    std::vector<bool> touched(size_t(count) + 1, false);
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = LabObjects[i];
        if (removed[size_t(i)] || o.groupMemberCount <= 0) continue;
        int32_t at = o.nextGroupMember;
        for (int32_t guard = 0; at >= 1 && at <= count && removed[size_t(at)] && guard <= count; ++guard) {
            touched[size_t(i)] = true;
            at = LabObjects[at].nextGroupMember;
        }
        next[size_t(i)] = (at >= 1 && at <= count && !removed[size_t(at)]) ? at : 0;
        if (next[size_t(i)] != o.nextGroupMember) touched[size_t(i)] = true;
    }
    // A ring is touched when any of its kept members is.
    for (int32_t i = 1; i <= count; ++i) {
        if (!touched[size_t(i)]) continue;
        int32_t at = next[size_t(i)];
        for (int32_t guard = 0; at && at != i && guard <= count; ++guard) {
            touched[size_t(at)] = true;
            at = next[size_t(at)];
        }
    }
    for (int32_t i = 1; i <= count; ++i) {
        if (!touched[size_t(i)]) continue;
        int32_t size = 1, at = next[size_t(i)];
        RectI32 bounds = LabObjects[i].position;
        while (at && at != i && size <= count) {
            bounds = Union(bounds, LabObjects[at].position);
            at = next[size_t(at)];
            ++size;
        }
        LabObject& o = LabObjects[i];
        if (at == i && size >= 2) {
            o.nextGroupMember = next[size_t(i)];
            o.groupMemberCount = size;
            o.groupRect = bounds;
        } else {
            ClearGroup(o);
        }
    }
}

// A combination is kept only when both sides still name each other.
void DropOneSidedCombinations(LabObject* records, int32_t first, int32_t last) {
    for (int32_t i = first; i <= last; ++i) {
        LabObject& o = records[i];
        if (o.host && (o.host < first || o.host > last || records[o.host].hostedItem != i)) o.host = 0;
        if (o.hostedItem && (o.hostedItem < first || o.hostedItem > last || records[o.hostedItem].host != i))
            o.hostedItem = 0;
    }
}

void InvalidateWholeBench() {
    BenchSeams& seams = CurrentBenchSeams();
    seams.InvalidateLogicalRect(seams.BenchClientRect());
}

void ClearBothSelections() {
    ObjectSelected = false;
    SelectedObject = 0;
    MultiSelection = MultiSelectionState{};
}

}  // namespace

DeleteOutcome DeleteSelectedObjects() {
    const int32_t count = LabObjectCount;
    if (count < 1 || count > kMaxLabObjects) return DeleteOutcome::kNothingSelected;
    const bool single = ObjectSelected && SelectedObject >= 1 && SelectedObject <= count;
    const std::vector<int32_t> order = IndicesToRemove(count);
    if (order.empty()) return DeleteOutcome::kNothingSelected;
    BenchSeams& seams = CurrentBenchSeams();
    // Refused before anything is touched.
    if (single && LabObjects[order[0]].groupMemberCount != 0) {
        seams.WarnPausingTimer(kStringCannotDeleteGroupMember);
        return DeleteOutcome::kRefusedGroupMember;
    }

    std::vector<bool> removed(size_t(count) + 1, false);
    for (int32_t d : order) {
        removed[size_t(d)] = true;
        seams.RemoveObjectParticles(LabObjects[d]);
        LabObjects[d].collectTitration = 0;
    }
    const int32_t newCount = count - int32_t(order.size());

    // Kept objects close up in their order; removed ones park behind them.
    IndexRemap remap{};
    IndexRemap parkedAt{};
    for (int32_t i = 1, next = 1; i <= count; ++i)
        if (!removed[size_t(i)]) remap.newIndex[i] = next++;
    for (size_t k = 0; k < order.size(); ++k) parkedAt.newIndex[order[k]] = newCount + 1 + int32_t(k);

    std::vector<LabObject> parked;
    parked.reserve(order.size());
    for (int32_t d : order) {
        LabObject record = LabObjects[d];
        if (record.groupMemberCount != 0) {
            ClearGroup(record);
            ClearCombination(record);
        }
        const int32_t self = parkedAt.newIndex[d];
        for (int32_t* link : {&record.host, &record.hostedItem, &record.nextGroupMember, &record.pourTarget}) {
            const int32_t to = RemappedIndex(parkedAt, *link);
            *link = to != self ? to : 0;
        }
        parked.push_back(record);
    }

    CloseGroupRings(count, removed);
    for (int32_t i = 1; i <= count; ++i)
        if (!removed[size_t(i)] && remap.newIndex[i] != i) LabObjects[remap.newIndex[i]] = LabObjects[i];
    for (size_t k = 0; k < parked.size(); ++k) LabObjects[newCount + 1 + int32_t(k)] = parked[k];
    DropOneSidedCombinations(LabObjects, newCount + 1, count);

    RenumberBench(LabObjects, newCount, remap);
    UndoObjectCount = count;
    LabObjectCount = newCount;
    ClearBothSelections();
    UndoValid = true;
    InvalidateWholeBench();
    DocumentModified = true;
    return DeleteOutcome::kDeleted;
}

bool UndoDelete() {
    if (!UndoValid) return false;
    UndoValid = false;
    const int32_t first = LabObjectCount + 1;
    const int32_t last = UndoObjectCount;
    if (first < 1 || last < first || last > kMaxLabObjects) return false;
    for (int32_t i = first; i <= last; ++i)
        if (!IsEquipmentType(LabObjects[i].type)) return false;

    // Parked links already name parked indices; anything else goes.
    for (int32_t i = first; i <= last; ++i) {
        LabObject& o = LabObjects[i];
        for (int32_t* link : {&o.host, &o.hostedItem, &o.nextGroupMember, &o.pourTarget})
            if (*link < first || *link > last || *link == i) *link = 0;
        if (!o.nextGroupMember) ClearGroup(o);
    }
    DropOneSidedCombinations(LabObjects, first, last);

    LabObjectCount = last;
    for (int32_t i = first; i <= last; ++i)
        if (IsBalance(LabObjects[i].type)) MoveObjectToBack(LabObjects, i, last);
    ClearBothSelections();
    InvalidateWholeBench();
    DocumentModified = true;
    return true;
}
