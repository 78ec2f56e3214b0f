#include "bench/commands/arrange/selection_drag.h"

#include <algorithm>

#include "bench/commands/arrange/arrange_seams.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"

BenchMouseState BenchMouse = {};

namespace {

int32_t ObjectCount() { return std::clamp(LabObjectCount, 0, kMaxLabObjects); }

bool IsObject(int32_t index) { return index >= 1 && index <= ObjectCount(); }

bool SingleSelection() { return ObjectSelected && IsObject(SelectedObject); }

RectI32 Offset(const RectI32& r, PointI32 d) {
    return {r.left + d.x, r.top + d.y, r.right + d.x, r.bottom + d.y};
}

RectI32 Union(const RectI32& a, const RectI32& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void Frame(const RectI32& r) { CurrentBenchSeams().DrawSelectionFrame(r); }

void ClearSingleSelection() {
    ObjectSelected = false;
    CurrentArrangeSeams().SelectObject(0);
}

// Draws the shown single frame off and forgets the selection.
void DropSingleSelection() {
    if (SingleSelection()) Frame(LabObjects[SelectedObject].position);
    ClearSingleSelection();
}

void EndMultiSelection() {
    MultiSelection.active = false;
    MultiSelection.memberCount = 0;
}

bool BandInProgress() { return MultiSelection.active && MultiSelection.memberCount == 0; }

void GiveBackPause() {
    if (!BenchMouse.pauseHeld) return;
    BenchMouse.pauseHeld = false;
    CurrentArrangeSeams().ResumeTimer();
}

// The move since the grab point, cut so that rect stays on the bench; the
// grab point follows only what was applied, so the thing meets the cursor
// again when the cursor comes back.
PointI32 TakeDragDelta(const RectI32& rect, PointI32 point) {
    const PointI32 wanted{point.x - BenchMouse.grabPoint.x, point.y - BenchMouse.grabPoint.y};
    const PointI32 d = ClampDragDelta(rect, wanted, CurrentBenchSeams().BenchClientRect());
    BenchMouse.grabPoint.x += d.x;
    BenchMouse.grabPoint.y += d.y;
    return d;
}

void StartGroupDrag(int32_t object, PointI32 point) {
    const LabObject& o = LabObjects[object];
    MultiSelection.memberCount = WalkGroup(object, MultiSelection.members);
    MultiSelection.bounds = o.groupRect;
    MultiSelection.active = true;
    MultiSelection.dragOrigin = {o.groupRect.left, o.groupRect.top};
    BenchMouse.grabPoint = point;
    DropSingleSelection();
    Frame(MultiSelection.bounds);
}

void PendObject(int32_t object, PointI32 point) {
    BenchMouse.grabPoint = point;
    BenchMouse.pendingClick = true;
    BenchMouse.pendingObject = object;
    BenchMouse.startRect = LabObjects[object].position;
    const bool alreadySelected = SingleSelection() && SelectedObject == object;
    if (!alreadySelected) {
        DropSingleSelection();
        Frame(LabObjects[object].position);
    }
}

void MoveSplitter() {
    ArrangeSeams& ui = CurrentArrangeSeams();
    const int32_t setting = ClampSplitterSetting(ui.SplitterPointerX(), ui.SplitterLimit());
    if (setting == BenchMouse.splitterLine) return;
    ui.DrawSplitterLine(BenchMouse.splitterLine);
    BenchMouse.splitterLine = setting;
    ui.DrawSplitterLine(setting);
}

void MoveMultiSelection(PointI32 point) {
    const PointI32 d = TakeDragDelta(MultiSelection.bounds, point);
    if (d.x == 0 && d.y == 0) return;
    Frame(MultiSelection.bounds);
    MultiSelection.bounds = Offset(MultiSelection.bounds, d);
    Frame(MultiSelection.bounds);
}

void MovePickedObject(PointI32 point) {
    LabObject& o = LabObjects[BenchMouse.pendingObject];
    // The moving frame belongs to the drag now, not to a selection.
    if (ObjectSelected) ClearSingleSelection();
    const PointI32 d = TakeDragDelta(o.position, point);
    if (d.x == 0 && d.y == 0) return;
    Frame(o.position);
    o.position = Offset(o.position, d);
    Frame(o.position);
}

void ToggleBand() {
    Frame(BandFrameRect(BenchMouse.bandAnchor, BenchMouse.bandCorner));
    BenchMouse.bandShown = !BenchMouse.bandShown;
}

void HideBand() {
    if (BenchMouse.bandShown) ToggleBand();
}

void MoveBand(PointI32 point) {
    HideBand();
    BenchMouse.bandCorner = point;
    ToggleBand();
    MultiSelection.active = true;
}

void ReleaseMultiSelection() {
    const PointI32 d{MultiSelection.bounds.left - MultiSelection.dragOrigin.x,
                     MultiSelection.bounds.top - MultiSelection.dragOrigin.y};
    if (d.x == 0 && d.y == 0) return;
    Frame(MultiSelection.bounds);
    for (int32_t k = 0; k < MultiSelection.memberCount; ++k) {
        const int32_t m = MultiSelection.members[k];
        if (!IsObject(m)) continue;
        LabObject& o = LabObjects[m];
        o.position = Offset(o.position, d);
        if (o.groupMemberCount != 0) o.groupRect = Offset(o.groupRect, d);
    }
    EndMultiSelection();
    CurrentArrangeSeams().InvalidateWholeBench();
}

void ReleaseMovedObject() {
    const LabObject& o = LabObjects[BenchMouse.pendingObject];
    Frame(o.position);
    BenchMouse.objectMoved = false;
    CurrentArrangeSeams().InvalidateErasing(BenchMouse.startRect);
    CurrentBenchSeams().InvalidateLogicalRect(o.position);
    BenchMouse.pendingObject = 0;
}

void ReleaseBand() {
    const int32_t count = ObjectCount();
    const PointI32 a = BenchMouse.bandAnchor, c = BenchMouse.bandCorner;
    const RectI32 band{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
    MultiSelection.memberCount = 0;
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = LabObjects[i];
        if (o.objectFlags & kObjHidden) continue;
        const RectI32 test = BandTestRect(o);
        if (!RectHolds(band, {test.left, test.top}) || !RectHolds(band, {test.right, test.bottom})) continue;
        RectI32 shown = test;
        if (o.groupMemberCount == 0) shown.top = o.position.top;
        MultiSelection.bounds = MultiSelection.memberCount == 0 ? shown : Union(MultiSelection.bounds, shown);
        MultiSelection.members[MultiSelection.memberCount++] = i;
    }
    HideBand();
    if (MultiSelection.memberCount <= 1) {
        const int32_t only = MultiSelection.memberCount == 1 ? MultiSelection.members[0] : 0;
        EndMultiSelection();
        if (only) {
            ObjectSelected = true;
            CurrentArrangeSeams().SelectObject(only);
            Frame(LabObjects[only].position);
        }
        return;
    }
    Frame(MultiSelection.bounds);
    MultiSelection.dragOrigin = {MultiSelection.bounds.left, MultiSelection.bounds.top};
}

}  // namespace

int32_t GroupAtPoint(PointI32 point) {
    for (int32_t i = ObjectCount(); i >= 1; --i) {
        const LabObject& o = LabObjects[i];
        if (o.groupMemberCount != 0 && RectHolds(o.groupRect, point)) return i;
    }
    return 0;
}

int32_t ObjectAtPoint(PointI32 point) {
    for (int32_t i = ObjectCount(); i >= 1; --i) {
        const LabObject& o = LabObjects[i];
        if (!(o.objectFlags & kObjHidden) && RectHolds(o.position, point)) return i;
    }
    return 0;
}

int32_t WalkGroup(int32_t object, int32_t members[kMaxLabObjects]) {
    const int32_t count = ObjectCount();
    if (!IsObject(object)) return 0;
    const int32_t steps = std::min(LabObjects[object].groupMemberCount, count);
    bool taken[kLabObjectArrayLength] = {};
    int32_t n = 0;
    int32_t at = object;
    for (int32_t step = 0; step < steps; ++step) {
        const int32_t next = LabObjects[at].nextGroupMember;
        if (next < 1 || next > count || taken[next]) break;
        taken[next] = true;
        members[n++] = next;
        at = next;
    }
    if (n == 0) members[n++] = object;
    return n;
}

RectI32 BandTestRect(const LabObject& o) {
    if (o.groupMemberCount != 0) return o.groupRect;
    RectI32 r = o.position;
    if (o.type == kGasSyringe) r.top += o.plungerPosition;
    return r;
}

RectI32 BandFrameRect(PointI32 anchor, PointI32 corner) {
    // Ordered first, so a band dragged up or left shows its frame too.
    return {std::min(anchor.x, corner.x) + 1, std::min(anchor.y, corner.y) + 1,
            std::max(anchor.x, corner.x) - 2, std::max(anchor.y, corner.y) - 2};
}

namespace {

int32_t ClampAxis(int32_t low, int32_t high, int32_t d, int32_t clientLow, int32_t clientHigh) {
    const int64_t keep = std::min<int64_t>(kDragKeepVisible, std::max<int64_t>(int64_t{high} - low, 1));
    const int64_t least = clientLow + keep - high;   // high + d >= clientLow + keep
    const int64_t most = clientHigh - keep - low;    // low + d <= clientHigh - keep
    int64_t moved = d;
    if (moved < 0 && moved < least) moved = std::min<int64_t>(least, 0);
    if (moved > 0 && moved > most) moved = std::max<int64_t>(most, 0);
    return static_cast<int32_t>(moved);
}

}  // namespace

PointI32 ClampDragDelta(const RectI32& rect, PointI32 delta, const RectI32& client) {
    return {ClampAxis(rect.left, rect.right, delta.x, client.left, client.right),
            ClampAxis(rect.top, rect.bottom, delta.y, client.top, client.bottom)};
}

int32_t ClampSplitterSetting(int32_t setting, int32_t limit) {
    if (limit < 0) limit = 0;
    return std::clamp(setting, 0, limit);
}

void BenchMousePress(PointI32 point) {
    ArrangeSeams& ui = CurrentArrangeSeams();
    if (!BenchMouse.pauseHeld) {
        ui.PauseTimer();
        BenchMouse.pauseHeld = true;
    }
    BenchMouse.captured = true;
    BenchMouse.bandAnchor = BenchMouse.bandCorner = point;
    BenchMouse.lastPoint = point;

    if (MultiSelection.active && MultiSelection.memberCount > 0) {
        if (RectHolds(MultiSelection.bounds, point)) {
            BenchMouse.grabPoint = point;
            return;
        }
        Frame(MultiSelection.bounds);
        EndMultiSelection();
    }
    if (const int32_t group = GroupAtPoint(point)) {
        StartGroupDrag(group, point);
        return;
    }
    if (const int32_t object = ObjectAtPoint(point)) PendObject(object, point);
    if (SingleSelection() && !BenchMouse.pendingClick) DropSingleSelection();

    if (point.x > -kSplitterReach && point.x < kSplitterReach) {
        BenchMouse.splitterDrag = true;
        ui.ShowSplitCursor();
        BenchMouse.splitterLine = ClampSplitterSetting(ui.SplitterSetting(), ui.SplitterLimit());
        ui.DrawSplitterLine(BenchMouse.splitterLine);
    }
}

void BenchMouseMove(PointI32 point, PointI32 clientPoint) {
    if (!BenchMouse.captured) {
        if (clientPoint.x > -kSplitterReach && clientPoint.x < kSplitterReach)
            CurrentArrangeSeams().ShowSplitCursor();
        return;
    }
    BenchMouse.lastPoint = point;
    if (BenchMouse.splitterDrag) {
        MoveSplitter();
        return;
    }
    if (MultiSelection.active && MultiSelection.memberCount > 0) {
        MoveMultiSelection(point);
        return;
    }
    if (BenchMouse.pendingClick) {
        if (point.x == BenchMouse.grabPoint.x && point.y == BenchMouse.grabPoint.y) return;
        BenchMouse.pendingClick = false;
        BenchMouse.objectMoved = true;
    }
    if (BenchMouse.objectMoved && IsObject(BenchMouse.pendingObject)) {
        MovePickedObject(point);
        return;
    }
    if (!SingleSelection()) MoveBand(point);
}

void BenchMouseRelease(PointI32 point) {
    GiveBackPause();
    if (!BenchMouse.captured) return;
    BenchMouse.captured = false;
    BenchMouse.lastPoint = point;

    if (BenchMouse.splitterDrag) {
        ArrangeSeams& ui = CurrentArrangeSeams();
        BenchMouse.splitterDrag = false;
        // The line goes before the layout moves the windows under it.
        ui.DrawSplitterLine(BenchMouse.splitterLine);
        ui.ApplySplitter(ClampSplitterSetting(ui.SplitterPointerX(), ui.SplitterLimit()));
    }
    if (ObjectCount() == 0 && BandInProgress()) {
        HideBand();
        EndMultiSelection();
    }
    if (MultiSelection.active && MultiSelection.memberCount > 0) {
        ReleaseMultiSelection();
    } else if (BenchMouse.objectMoved && IsObject(BenchMouse.pendingObject)) {
        ReleaseMovedObject();
    } else if (BenchMouse.pendingClick && IsObject(BenchMouse.pendingObject)) {
        ObjectSelected = true;
        CurrentArrangeSeams().SelectObject(BenchMouse.pendingObject);
    } else if (ObjectCount() > 0 && BandInProgress()) {
        ReleaseBand();
    }
    BenchMouse.pendingClick = false;
    BenchMouse.objectMoved = false;
    BenchMouse.pendingObject = 0;
}

void BenchMouseDoubleClick(PointI32 point) {
    if (!SingleSelection()) return;
    const LabObject& o = LabObjects[SelectedObject];
    const RectI32 label = Offset(o.labelArea, {o.position.left, o.position.top});
    ArrangeSeams& ui = CurrentArrangeSeams();
    if (!RectIsEmpty(o.labelArea) && RectHolds(label, point)) {
        ui.SendLabelCommand();
    } else if (RectHolds(o.position, point)) {
        ui.PauseTimer();
        ui.OpenPropertiesDialog(SelectedObject);
        ui.ResumeTimer();
    }
}

void BenchMouseCaptureLost() {
    if (BenchMouse.captured) BenchMouseRelease(BenchMouse.lastPoint);
    GiveBackPause();
}

void ClearPendingClick() {
    // A frame shown for the press alone goes with it.
    if (!BenchMouse.pendingClick) return;
    const int32_t pending = BenchMouse.pendingObject;
    if (IsObject(pending) && !(SingleSelection() && SelectedObject == pending))
        Frame(LabObjects[pending].position);
    BenchMouse.pendingClick = false;
    BenchMouse.pendingObject = 0;
}

void ResetBenchMouse() {
    GiveBackPause();
    BenchMouse = BenchMouseState{};
}
