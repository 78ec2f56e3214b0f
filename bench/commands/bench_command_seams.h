// What the bench's command handlers need from the windows around them. The
// Win32 bench window installs the real one; native tests a recording fake.
#pragma once
#include <cstdint>

#include "common/geometry.h"
#include "common/lab_object.h"

class BenchCommandSeams {
public:
    virtual ~BenchCommandSeams() = default;

    // The cursor in the bench's logical units (for add-at-cursor).
    virtual PointI32 CursorLogicalPoint() const = 0;
    virtual void RepaintWholeBench() = 0;
    // The "BunsenBurnerHeat" setting as read from the registry.
    virtual int32_t BunsenBurnerHeat() const = 0;
    // The counted timer pause around modal dialogs.
    virtual void PauseTimer() = 0;
    virtual void ResumeTimer() = 0;

    // The modeless Titration dialog on a buret (index into the array).
    virtual bool TitrationDialogOpen() const = 0;
    virtual void ActivateTitrationDialog(int32_t buretToShow) = 0;  // 0 = keep its buret
    virtual void OpenTitrationDialog(int32_t buret) = 0;
    // Closes it as Cancel does (its buret's stopcock closed), before a file
    // read replaces the objects; nothing when it is closed.
    virtual void CloseTitrationDialog() {}

    // Instrument dialogs on an object record; 1 for OK, 0 for Cancel.
    virtual int ElectrodeDialog(LabObject& cell) = 0;
    virtual int WavelengthDialog(LabObject& spectrophotometer) = 0;
    virtual int GasSyringeDialog(LabObject& syringe) = 0;
    virtual int GeigerDialog(LabObject& counter) = 0;
};

BenchCommandSeams& CurrentBenchCommandSeams();
void SetBenchCommandSeams(BenchCommandSeams* seams);  // nullptr: a quiet stand-in

// The buret that the Titration dialog controls, 0 when none.
extern int32_t BuretUnderControl;
