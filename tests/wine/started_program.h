// The program's windows started once in this test process and shared by
// every program-level suite (its state is global, so it starts only once).
#pragma once
#include <vector>

#include "dialog_driver.h"

// Starts the windows on the first call; later calls return the first
// result. The boxes seen while starting are given to every caller.
bool StartProgramOnce(std::vector<SeenDialog>* startupBoxes = nullptr);
