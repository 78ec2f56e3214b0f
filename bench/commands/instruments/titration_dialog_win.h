// The modeless Titration dialog: the stopcock and read-out of one buret.
#pragma once
#include <windows.h>

#include <cstdint>

// The dialog's window while it is open (listed with the modeless dialogs),
// else null.
extern HWND TitrationWindow;

// Messages the bench sends it, the buret index in wParam.
constexpr UINT kTitrationTakeBuret = WM_USER + 10;     // control another buret
constexpr UINT kTitrationBuretGone = WM_USER + 11;     // close as Cancel does
constexpr UINT kTitrationLabelChanged = WM_USER + 12;  // rebuild the title
constexpr UINT kTitrationBuretDown = WM_USER + 13;     // now the record before
constexpr UINT kTitrationBuretUp = WM_USER + 14;       // now the record after

// Creates the dialog over owner on the buret; false when the index is not a
// buret or the window cannot be made. An open dialog is given the buret.
bool OpenTitrationDialog(HWND owner, int32_t buret);
// The buret it controls, 0 when closed.
int32_t TitrationDialogBuret();
// Renumbering: when the dialog's buret stood at oldIndex it now controls
// newIndex; newIndex 0 (the buret is gone) closes the dialog without
// touching the record that now stands at the old place.
void MoveTitrationBuret(int32_t oldIndex, int32_t newIndex);
// Closes the dialog as Cancel does (its stopcock closed); nothing when closed.
void CloseTitrationDialog();
