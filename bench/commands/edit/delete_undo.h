// Delete of the selected objects and its one Undo. The removed records are
// parked beyond LabObjectCount until Undo counts them again.
#pragma once
#include <cstdint>

// LabObjectCount just before the last Delete.
extern int32_t UndoObjectCount;

enum class DeleteOutcome {
    kNothingSelected,
    kRefusedGroupMember,  // warning 121 shown, nothing changed
    kDeleted,
};

// Removes the single selection, else every member of the multi-selection.
// Links to a removed object are cleared everywhere, the rest follow their
// objects; a group that loses members closes its ring over the rest. The
// removed records are parked at new count + 1 .. UndoObjectCount in
// selection order, their links among themselves kept in parked indices and
// every other link cleared (a grouped member comes back ungrouped and
// uncombined).
DeleteOutcome DeleteSelectedObjects();

// Brings the parked records back at the end of the bench (balances to the
// back); false when there is nothing to undo.
bool UndoDelete();
