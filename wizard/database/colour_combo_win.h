// A drop-down list of the colour choices, with "Other..." opening the colour
// chooser and the colours chosen there kept as "custom" entries.
#pragma once
#include <windows.h>

#include <cstdint>

// Fills combo and selects colour (0x00BBGGRR), adding it as "custom" before
// "Other..." when no entry has it.
void FillColourCombo(HWND combo, uint32_t colour);

// The selected entry's colour; white when none is selected.
uint32_t SelectedColour(HWND combo);

// Call on CBN_SELCHANGE: "Other..." opens the colour chooser over owner; the
// chosen colour is added as "custom" and selected, Cancel goes back to the
// entry selected before.
void OnColourComboChanged(HWND owner, HWND combo);
