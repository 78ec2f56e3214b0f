// The left mouse button on the bench: picking one object, a group or a
// rubber-band set, dragging what was picked, moving the splitter, and the
// double click. Every frame is an XOR frame drawn through the bench seams,
// shown once and hidden once. The bench window feeds it its messages.
#pragma once
#include <cstdint>

#include "common/geometry.h"
#include "common/lab_object.h"

// The bench window's mouse state (in memory only).
struct BenchMouseState {
    bool captured;         // a press is being tracked
    bool splitterDrag;
    bool pendingClick;     // pressed on an object that has not moved yet
    int32_t pendingObject;
    bool objectMoved;      // the pending object is being dragged
    RectI32 startRect;     // the pressed object's rectangle at the press
    PointI32 grabPoint;    // last point of a drag, logical units
    PointI32 bandAnchor;   // rubber band: the press point
    PointI32 bandCorner;   //   and the current point
    bool bandShown;        // the band's frame is on the bench
    int32_t splitterLine;  // where the splitter's focus line is shown
    bool pauseHeld;        // the press holds one timer pause
    PointI32 lastPoint;    // where a lost capture ends the press
};

extern BenchMouseState BenchMouse;

// Points are logical units of the bench; the hover test of the splitter
// uses the client point.
void BenchMousePress(PointI32 point);
void BenchMouseMove(PointI32 point, PointI32 clientPoint);
void BenchMouseRelease(PointI32 point);
void BenchMouseDoubleClick(PointI32 point);
// The capture went elsewhere mid-press: end it as a release at the last
// point would.
void BenchMouseCaptureLost();
// The keyboard took over the selection: a pending click is forgotten.
void ClearPendingClick();
// Forgets the whole mouse state (a new bench); gives back a held pause.
void ResetBenchMouse();

// --- the decisions, one by one ---

// PtInRect: left and top inclusive, right and bottom exclusive.
inline bool RectHolds(const RectI32& r, PointI32 p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
// The last object (from count down) in a group whose group rectangle holds
// the point; 0 when none.
int32_t GroupAtPoint(PointI32 point);
// The last object, hidden ones skipped, whose rectangle holds the point.
int32_t ObjectAtPoint(PointI32 point);
// The group's members from the object's next-member link, at most its
// member count and never more than the objects on the bench; the walk stops
// at a link outside 1..count or at a member already taken. The object alone
// when its first link is bad. Returns how many were written.
int32_t WalkGroup(int32_t object, int32_t members[kMaxLabObjects]);
// The rectangle a rubber band tests an object by: its group rectangle in a
// group, else its own with a gas syringe's top lowered to its plunger.
RectI32 BandTestRect(const LabObject& object);
// The band between two corners, ordered, inset as its frame is drawn.
RectI32 BandFrameRect(PointI32 anchor, PointI32 corner);
// The part of a move (dx, dy) that keeps at least a little of rect inside
// the client area, never pushing it further out than it already is.
PointI32 ClampDragDelta(const RectI32& rect, PointI32 delta, const RectI32& client);
// The splitter setting kept within 0 .. limit (0 shows the lab only).
int32_t ClampSplitterSetting(int32_t setting, int32_t limit);

constexpr int32_t kSplitterReach = 5;       // units either side of the bench's left edge
constexpr int32_t kDragKeepVisible = 16;    // units a dragged thing keeps on the bench
