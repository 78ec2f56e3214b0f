// What the mouse on the bench and the arrange commands (combine, remove,
// group, ungroup) need from the windows beyond the bench seams. The bench
// window installs the real one; native tests a recording fake.
#pragma once
#include <cstdint>

#include "common/geometry.h"
#include "common/lab_object.h"

class ArrangeSeams {
public:
    virtual ~ArrangeSeams() = default;

    // Makes index the selected object (0 = none) and updates the toolbar's
    // object buttons for it.
    virtual void SelectObject(int32_t index) = 0;
    // The counted pause of the simulation timer.
    virtual void PauseTimer() = 0;
    virtual void ResumeTimer() = 0;
    // Invalidation beyond the bench seams' plain one.
    virtual void InvalidateErasing(const RectI32& rect) = 0;
    virtual void InvalidateWholeBench() = 0;
    virtual void InvalidateObjectOverlays(const LabObject& object, int32_t x, int32_t y) = 0;

    // The splitter between the text-pane column and the bench.
    virtual void ShowSplitCursor() = 0;
    virtual int32_t SplitterSetting() const = 0;
    // The cursor's x in the Observations pane's client coordinates.
    virtual int32_t SplitterPointerX() const = 0;
    // The widest the text-pane column may be, keeping a usable bench.
    virtual int32_t SplitterLimit() const = 0;
    virtual void DrawSplitterLine(int32_t setting) = 0;  // XOR: again removes it
    virtual void ApplySplitter(int32_t setting) = 0;     // store it, lay the frame out

    // Double click: the Label command (87) and the Properties dialog.
    virtual void SendLabelCommand() = 0;
    virtual void OpenPropertiesDialog(int32_t object) = 0;
};

ArrangeSeams& CurrentArrangeSeams();
void SetArrangeSeams(ArrangeSeams* seams);  // nullptr: a quiet stand-in
