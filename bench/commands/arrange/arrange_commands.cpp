#include "bench/commands/arrange/arrange_commands.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "bench/commands/arrange/arrange_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/seating.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"

namespace {

bool IsObject(int32_t index) { return index >= 1 && index <= std::min(LabObjectCount, kMaxLabObjects); }

RectI32 Union(const RectI32& a, const RectI32& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RectI32 Grown(const RectI32& r, int32_t by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// Members 1 and 2 of an active two-member multi-selection, both objects.
bool SelectedPair(int32_t* a, int32_t* b) {
    if (!MultiSelection.active || MultiSelection.memberCount != 2) return false;
    *a = MultiSelection.members[0];
    *b = MultiSelection.members[1];
    return IsObject(*a) && IsObject(*b) && *a != *b;
}

void Comment(int32_t stringId, const char* fallback) {
    BenchSeams& seams = CurrentBenchSeams();
    if (!seams.DemoRecording()) return;
    std::string text;
    if (!seams.LoadResString(stringId, &text)) text = fallback;
    seams.RecordComment(text, 1);
}

// Frames the two members afresh: the old frame off, the new one on.
void ReframePair(int32_t a, int32_t b) {
    BenchSeams& seams = CurrentBenchSeams();
    seams.DrawSelectionFrame(MultiSelection.bounds);
    MultiSelection.bounds = Union(LabObjects[a].position, LabObjects[b].position);
    seams.InvalidateLogicalRect(MultiSelection.bounds);
    seams.DrawSelectionFrame(MultiSelection.bounds);
    MultiSelection.dragOrigin = {MultiSelection.bounds.left, MultiSelection.bounds.top};
}

// The selected object and the one under it become a two-member selection.
void TakeObjectUnderSelection() {
    if (!ObjectSelected || !IsObject(SelectedObject)) return;
    const int32_t partner = FindObjectUnderSelection();
    if (!partner) return;
    BenchSeams& seams = CurrentBenchSeams();
    const int32_t selected = SelectedObject;
    MultiSelection.members[0] = partner;
    MultiSelection.members[1] = selected;
    MultiSelection.memberCount = 2;
    seams.DrawSelectionFrame(LabObjects[selected].position);
    MultiSelection.bounds = Union(LabObjects[partner].position, LabObjects[selected].position);
    seams.DrawSelectionFrame(MultiSelection.bounds);
    ObjectSelected = false;
    CurrentArrangeSeams().SelectObject(0);
    MultiSelection.active = true;
}

int64_t WideEnoughFor(const LabObject& item) { return int64_t{item.pictureWidth} * 11 / 10; }

// A host takes an item through its opening when it is free (no accessory,
// nothing seated in it yet) and the item stands on its own.
bool CanHost(const LabObject& host, const LabObject& item) {
    return host.stateBits == 0 && host.hostedItem == 0 && item.host == 0;
}

void OnCombine(const CommandMessage&) { CombineSelection(); }
void OnRemove(const CommandMessage&) { RemoveFromHost(); }
void OnGroup(const CommandMessage&) { GroupSelection(); }
void OnUngroup(const CommandMessage&) { UngroupSelection(); }

}  // namespace

void CombineSelection() {
    BenchSeams& seams = CurrentBenchSeams();
    TakeObjectUnderSelection();
    int32_t ia = 0, ib = 0;
    if (!SelectedPair(&ia, &ib)) {
        seams.WarnPausingTimer(kIdsCombineTwoOnly);
        return;
    }
    LabObject& a = LabObjects[ia];
    LabObject& b = LabObjects[ib];
    if (a.combineCategory != 1 || b.combineCategory != 1) {
        seams.WarnPausingTimer(kIdsCannotCombine);
        return;
    }
    int32_t host = 0, item = 0;
    bool seat = true;
    if (a.openingWidth > WideEnoughFor(b) && CanHost(a, b)) {
        host = ia, item = ib;
    } else if (b.openingWidth > WideEnoughFor(a) && CanHost(b, a)) {
        host = ib, item = ia;
    } else if (b.type == kConductivityMeter && a.openingWidth > 20 && CanHost(a, b)) {
        host = ia, item = ib, seat = false;
    } else if (a.type == kConductivityMeter && b.openingWidth > 20 && CanHost(b, a)) {
        host = ib, item = ia, seat = false;
    } else {
        seams.WarnPausingTimer(kIdsCannotCombine);
        return;
    }
    LabObject& h = LabObjects[host];
    LabObject& it = LabObjects[item];
    it.host = host;
    h.hostedItem = item;
    const int32_t oldLeft = it.position.left, oldTop = it.position.top;
    if (seat) SeatHostedItem(it, h, kCombineLift);
    Comment(kIdsCombineComment, "Combine Lab Equipment");

    ArrangeSeams& ui = CurrentArrangeSeams();
    if (seat)
        ui.InvalidateObjectOverlays(it, oldLeft, oldTop);
    else
        ui.InvalidateObjectOverlays(h, 0, 0);
    seams.DrawSelectionFrame(MultiSelection.bounds);
    seams.InvalidateLogicalRect(Grown(MultiSelection.bounds, 5));
    MultiSelection.bounds = Union(a.position, b.position);
    seams.InvalidateLogicalRect(MultiSelection.bounds);
    seams.DrawSelectionFrame(MultiSelection.bounds);
    MultiSelection.dragOrigin = {MultiSelection.bounds.left, MultiSelection.bounds.top};
    DocumentModified = true;
}

namespace {

// The item leaves its host, lifted by the host's height.
void LiftOut(LabObject& item, LabObject& host) {
    item.host = 0;
    host.hostedItem = 0;
    const int32_t lift = host.pictureHeight;
    item.position.top -= lift;
    item.position.bottom -= lift;
    Comment(kIdsRemoveComment, "Remove Lab Equipment");
    DocumentModified = true;
}

// One selected object comes apart from the object it is combined with and
// stays selected where it now stands.
void RemoveSelectedFromPartner() {
    const int32_t selected = SelectedObject;
    const int32_t partner = FindCombinedPartnerOfSelection();
    if (!partner) return;
    const bool selectedIsItem = LabObjects[selected].host == partner;
    LabObject& item = LabObjects[selectedIsItem ? selected : partner];
    LabObject& host = LabObjects[selectedIsItem ? partner : selected];
    BenchSeams& seams = CurrentBenchSeams();
    const RectI32 before = Union(item.position, host.position);
    if (selectedIsItem) seams.DrawSelectionFrame(item.position);
    LiftOut(item, host);
    if (selectedIsItem) seams.DrawSelectionFrame(item.position);
    seams.InvalidateLogicalRect(Grown(before, 5));
    seams.InvalidateLogicalRect(Grown(item.position, 5));
}

}  // namespace

void RemoveFromHost() {
    int32_t ia = 0, ib = 0;
    if (!SelectedPair(&ia, &ib)) {
        RemoveSelectedFromPartner();
        return;
    }
    LabObject& a = LabObjects[ia];
    LabObject& b = LabObjects[ib];
    // Only a pair linked to each other comes apart; the item is the one
    // that names the other as its host.
    int32_t item = 0, host = 0;
    if (a.host == ib && b.hostedItem == ia)
        item = ia, host = ib;
    else if (b.host == ia && a.hostedItem == ib)
        item = ib, host = ia;
    else
        return;
    BenchSeams& seams = CurrentBenchSeams();
    seams.InvalidateLogicalRect(MultiSelection.bounds);
    LiftOut(LabObjects[item], LabObjects[host]);
    // The lifted item leaves the old frame: the pair is framed where it now stands.
    ReframePair(ia, ib);
    UngroupSelection();
}

void GroupSelection() {
    if (!MultiSelection.active || MultiSelection.memberCount < 2) return;
    const int32_t n = std::min(MultiSelection.memberCount, kMaxLabObjects);
    for (int32_t k = 0; k < n; ++k)
        if (!IsObject(MultiSelection.members[k])) return;
    for (int32_t k = 0; k < n; ++k) {
        LabObject& o = LabObjects[MultiSelection.members[k]];
        o.groupMemberCount = n;
        o.groupRect = MultiSelection.bounds;
        o.nextGroupMember = MultiSelection.members[(k + 1) % n];
    }
    DocumentModified = true;
}

void UngroupSelection() {
    if (!MultiSelection.active || MultiSelection.memberCount < 2) return;
    const int32_t n = std::min(MultiSelection.memberCount, kMaxLabObjects);
    for (int32_t k = 0; k < n; ++k)
        if (!IsObject(MultiSelection.members[k])) return;
    const LabObject& first = LabObjects[MultiSelection.members[0]];
    if (n == 2 && (first.host != 0 || first.hostedItem != 0)) return;
    if (first.groupMemberCount == 0) return;

    BenchSeams& seams = CurrentBenchSeams();
    seams.DrawSelectionFrame(MultiSelection.bounds);
    seams.InvalidateLogicalRect(Grown(MultiSelection.bounds, 5));
    for (int32_t k = 0; k < n; ++k) {
        LabObject& o = LabObjects[MultiSelection.members[k]];
        o.groupMemberCount = 0;
        o.groupRect = {};
        o.nextGroupMember = 0;
    }
    // A combined pair stays together as a group of two.
    for (int32_t k = 0; k < n; ++k) {
        const int32_t m = MultiSelection.members[k];
        LabObject& o = LabObjects[m];
        if (!IsObject(o.host) || o.host == m) continue;
        LabObject& h = LabObjects[o.host];
        o.groupMemberCount = h.groupMemberCount = 2;
        o.nextGroupMember = o.host;
        h.nextGroupMember = m;
        o.groupRect = h.groupRect = Union(o.position, h.position);
    }
    MultiSelection.active = false;
    MultiSelection.memberCount = 0;
    ObjectSelected = false;
    CurrentArrangeSeams().SelectObject(0);
    DocumentModified = true;
}

void RegisterArrangeCommands() {
    static const CommandEntry entries[] = {
        {kCmdCombine, OnCombine},
        {kCmdRemove, OnRemove},
        {kCmdGroup, OnGroup},
        {kCmdUngroup, OnUngroup},
    };
    RegisterCommands(entries, static_cast<int>(std::size(entries)));
}
