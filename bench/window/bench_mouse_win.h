// The bench window's mouse messages, handed to the selection and drag logic
// in bench/commands/arrange/selection_drag.h.
#pragma once
#include <windows.h>

#include <cstdint>

// true when the message was a mouse message of the bench and is handled.
bool HandleBenchMouse(HWND bench, UINT message, WPARAM wParam, LPARAM lParam);

// The real seams of the mouse and the arrange commands.
void InstallArrangeSeams();

// What a double click on an object opens: the contents commands install the
// Properties dialog; tests put their own recorder here.
using PropertiesDialogOpener = void (*)(HWND bench, int32_t object);
void SetPropertiesDialogOpener(PropertiesDialogOpener opener);
