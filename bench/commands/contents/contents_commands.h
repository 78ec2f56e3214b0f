// The Chemicals menu and the contents procedures: water, ice, chemicals,
// indicators, labels, pouring, emptying, transfer, filtering, extracting,
// the inverted buret and the Properties dialog.
#pragma once
#include <cstdint>

// Where the Chemicals dialog's spare beaker stands, counted from the object
// the dialog was opened with; 0 when there is none.
extern int32_t ChemicalsSpareOffset;

void RegisterContentsCommands();
