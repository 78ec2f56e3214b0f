#include "bench/commands/instruments/instrument_command_support.h"

#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"

namespace instruments {

bool IsObjectIndex(int32_t index) { return index >= 1 && index <= LabObjectCount && index <= kMaxLabObjects; }

LabObject* SelectedRecord() {
    if (!ObjectSelected || !IsObjectIndex(SelectedObject)) return nullptr;
    return &LabObjects[SelectedObject];
}

int32_t IndexOf(const LabObject& o) { return static_cast<int32_t>(&o - LabObjects); }

void MarkChanged() {
    DocumentModified = true;
    UndoValid = false;
}

void InvalidateObject(const LabObject& o) { CurrentBenchSeams().InvalidateLogicalRect(o.position); }

Reframe::Reframe(LabObject& o) : object_(o) { CurrentBenchSeams().DrawSelectionFrame(o.position); }
Reframe::~Reframe() { CurrentBenchSeams().DrawSelectionFrame(object_.position); }

}  // namespace instruments
