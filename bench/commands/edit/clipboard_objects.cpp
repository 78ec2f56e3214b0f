#include "bench/commands/edit/clipboard_objects.h"

#include <algorithm>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/edit/lab_object_block.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"

bool SelectionToCopy(CopySource* out) {
    out->indices.clear();
    const int32_t count = LabObjectCount;
    if (ObjectSelected && SelectedObject >= 1 && SelectedObject <= count) {
        const LabObject& o = LabObjects[SelectedObject];
        out->indices.push_back(SelectedObject);
        out->picture = {o.position.left, o.position.top, o.position.left + o.pictureWidth,
                        o.position.top + o.pictureHeight};
        return true;
    }
    const int32_t members = std::min(MultiSelection.memberCount, int32_t{kMaxLabObjects});
    for (int32_t m = 0; m < members; ++m) {
        const int32_t i = MultiSelection.members[m];
        if (i >= 1 && i <= count) out->indices.push_back(i);
    }
    out->picture = MultiSelection.bounds;
    return !out->indices.empty();
}

int32_t PasteLabObjects(const std::vector<LabObject>& records) {
    BenchSeams& seams = CurrentBenchSeams();
    int32_t added = 0;
    for (const LabObject& record : records) {
        const int32_t n = LabObjectCount + 1;
        if (n > kPasteLimit || n < 1) break;
        // The record beyond the count may be one a Delete parked for Undo.
        UndoValid = false;
        LabObject& o = LabObjects[n];
        o = record;
        MakePastedRecordSafe(o);
        LabObjectCount = n;
        const bool balance = o.type == kCentigramBalance || o.type == kElectronicBalance ||
                             o.type == kHighSensitivityBalance;
        const LabObject* placed = balance ? MoveObjectToBack(LabObjects, n, n) : &o;
        seams.InvalidateLogicalRect(placed ? placed->position : o.position);
        DocumentModified = true;
        ++added;
    }
    return added;
}
