// The main toolbar and the format bar over the tables of toolbar_tables.h.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

HWND CreateImageToolbar(HWND parent, DWORD extraStyle, const TBBUTTON* buttons, int count, int imageBitmap,
                        int maskBitmap, int hotBitmap, int hotMask, int width, int height);
HWND CreateMainToolbar(HWND frame);
HWND CreateFormatToolbar(HWND frame);  // with its face and size combos; null when it fails

// Both bars, after menuStyle 0 is decided; hooks the selection's button
// updates and the Toolbar options dialog's rebuild.
void CreateProgramToolbars(HWND frame);
// Destroys both bars and makes them again in the current style.
void RebuildProgramToolbars(HWND owner, int32_t object);
void DestroyToolbarImageLists();

// TTN_GETDISPINFO for a toolbar button: its string, at most 80 characters.
void ToolbarTooltipText(NMTTDISPINFOA* info, int command);
// Object buttons for the object (0 = none), the Lab Only check, and the
// buttons whose command has no handler yet greyed.
void UpdateToolbarStates(HWND toolbar, int32_t object);
// TBN_DROPDOWN: the menu under buttons 50, 95 and 259.
LRESULT ShowMainToolbarDropDown(HWND frame, NMTOOLBARA* toolbar);

// common controls as major * 100 + minor; 0 when unknown.
int32_t CommonControlsVersion();
