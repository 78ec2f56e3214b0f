// What the instrument and apparatus commands need beyond the bench seams:
// the selection helper, message boxes shown while the lab timer runs, the
// titration dataset and data window, and the syringe-volume dialog. The
// Win32 bench installs the real one; native tests a recording fake.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

// Data-window events of a demonstration (UI command codes).
enum DataWindowEvent : int32_t {
    kShowDataWindowEvent = 2000,
    kDropDatasetEvent = 2001,
    kAddDatasetEvent = 2002,
};

class InstrumentSeams {
public:
    virtual ~InstrumentSeams() = default;

    // Clears the single selection and tells the bench (SelectLabObject 0).
    virtual void SelectNothing() = 0;
    // The whole bench redrawn on its next paint.
    virtual void InvalidateWholeBench() = 0;

    // Boxes over the bench, shown while the lab timer keeps running.
    virtual void ShowMessage(int32_t textId, int32_t captionId) = 0;
    virtual bool AskYesNo(int32_t textId, int32_t captionId) = 0;  // true for Yes

    // The titration dataset: whether its point buffer exists, how many
    // datasets the lab holds, and dropping the points.
    virtual bool TitrationPointsExist() const = 0;
    virtual int32_t DatasetCount() const = 0;
    virtual void SetDatasetCount(int32_t count) = 0;
    virtual void DropTitrationPoints() = 0;
    // Written while a demonstration is recorded, with its string's text.
    virtual void RecordDataWindowEvent(int32_t event, int32_t stringId) = 0;
    virtual void ShowDataWindow() = 0;

    // The Set Gas Syringe Volume dialog on a syringe; 1 for OK, 0 for Cancel.
    virtual int SetSyringeVolumeDialog(LabObject& syringe) = 0;
};

InstrumentSeams& CurrentInstrumentSeams();
void SetInstrumentSeams(InstrumentSeams* seams);  // nullptr: a quiet stand-in
