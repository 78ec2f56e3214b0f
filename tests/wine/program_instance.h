// The program's windows, started once in the test process and shared by
// every suite that drives them (the program's state is global).
#pragma once
#include <string>
#include <vector>

#include "dialog_driver.h"

// Starts the windows on the first call (any box start-up shows is cancelled
// and kept in *startupBoxes); later calls answer whether they were started.
bool EnsureProgramWindows(std::vector<SeenDialog>* startupBoxes = nullptr);
