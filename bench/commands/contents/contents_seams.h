// The dialogs the contents commands open. The Win32 bench installs the real
// ones; until then, and in native tests, a stand-in answers Cancel.
#pragma once
#include <cstdint>

#include "common/lab_object.h"

class ContentsSeams {
public:
    virtual ~ContentsSeams() = default;

    // Each returns the dialog's result (0 = Cancel).
    virtual int WaterDialog(LabObject& vessel) = 0;
    // picked: the object the dialog places into (0 = none); the spare beaker
    // for "Add New" is picked + spareOffset when spareOffset is not 0.
    // 2 = added to the spare, 1 = placed in the picked, 0 = cancelled.
    virtual int ChemicalsDialog(int32_t picked, int32_t spareOffset) = 0;
    virtual int IndicatorsDialog(LabObject& vessel) = 0;
    virtual int LabelDialog(LabObject& object) = 0;
    virtual int TransferDialog(LabObject& newVessel) = 0;
    // 1 new vessel, 3 the receiver, 2 delete the solid, 0 cancel.
    virtual int FilterDialog(LabObject& newVessel, bool receiverGiven) = 0;
    virtual int PropertiesDialog(LabObject& object) = 0;

    // A box with the string textId captioned with string captionId (MB_OK),
    // shown while the lab timer runs.
    virtual void ShowBox(int32_t textId, int32_t captionId) = 0;
    // The bench selected nothing: the toolbar's object buttons follow.
    virtual void SelectionCleared() = 0;
    // The Titration dialog's buret got a new label.
    virtual void TitrationLabelChanged(int32_t buret) = 0;
};

ContentsSeams& CurrentContentsSeams();
void SetContentsSeams(ContentsSeams* seams);  // nullptr: the stand-in
