// The instrument dialogs: electrochemical cell, Geiger counter,
// spectrophotometer and the two gas-syringe volume dialogs. Each is modal
// over owner, writes into the object only on an accepted OK, and returns 1
// for OK and 0 for Cancel.
#pragma once
#include <windows.h>

#include "common/lab_object.h"

int ShowElectrodeDialog(HWND owner, LabObject& cell);
int ShowGeigerDialog(HWND owner, LabObject& counter);
int ShowWavelengthDialog(HWND owner, LabObject& spectrophotometer);
// The initial volume of a new syringe (template 1001).
int ShowInitialSyringeDialog(HWND owner, LabObject& syringe);
// A later change of volume, which sets the gauge pressure (template 418).
int ShowSetSyringeDialog(HWND owner, LabObject& syringe);
