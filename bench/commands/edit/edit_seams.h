// What the Edit commands need beyond the bench: the text panes and the
// clipboard. The Win32 bench window installs the real one; native tests a
// recording fake.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/geometry.h"

enum class FocusedPane { kNone, kIntroduction, kProcedure, kObservations };
enum class PaneEdit { kCopy, kCut, kPaste, kClear };

class EditSeams {
public:
    virtual ~EditSeams() = default;

    virtual FocusedPane PaneWithFocus() const = 0;
    // The edit message to the focused pane; a copy may take protected text.
    virtual void SendToFocusedPane(PaneEdit edit) = 0;

    // Empties the clipboard and puts the "LABOBJECT10" block and a picture
    // of the logical rectangle of the bench on it. true only when the block
    // is on the clipboard; whatever was not handed over is freed.
    virtual bool PutLabObjects(const std::vector<uint8_t>& block, const RectI32& picture) = 0;
    // The "LABOBJECT10" block on the clipboard, at most maxLength bytes of
    // it; false when there is none or it cannot be read. The clipboard keeps it.
    virtual bool ReadLabObjects(std::vector<uint8_t>* block, size_t maxLength) = 0;

    virtual void FocusBench() = 0;
    // The selection was cleared (the toolbar's object buttons follow it).
    virtual void SelectionCleared() = 0;
};

EditSeams& CurrentEditSeams();
void SetEditSeams(EditSeams* seams);  // nullptr: a quiet stand-in with no panes and no clipboard
