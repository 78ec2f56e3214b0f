// The bench window's mouse messages, handed to the selection and drag logic
// in bench/commands/arrange/selection_drag.h.
#pragma once
#include <windows.h>

#include <cstdint>

// true when the message was a mouse message of the bench and is handled.
bool HandleBenchMouse(HWND bench, UINT message, WPARAM wParam, LPARAM lParam);

// The real seams of the mouse and the arrange commands.
void InstallArrangeSeams();

// The Properties dialog (resource 600) for an object; until it is built the
// double click only reaches this stand-in.
using PropertiesDialogOpener = void (*)(HWND bench, int32_t object);
void SetPropertiesDialogOpener(PropertiesDialogOpener opener);
