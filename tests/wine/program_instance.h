// The program's windows, shared by every suite that drives them in the test
// process (the program's state is global).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"

// Starts the windows when none are open: on the first call, or again after a
// suite closed the frame. Any box start-up shows is cancelled; those of the
// first start are kept in *startupBoxes.
bool EnsureProgramWindows(std::vector<SeenDialog>* startupBoxes = nullptr);

// Closes the shared program when it runs, for suites that build pieces of it
// (its panes, its windows) on their own; the next EnsureProgramWindows starts
// it again.
void CloseProgramWindows();

// Dispatches this thread's messages for about ms milliseconds.
void PumpMessages(int ms);

// An empty bench, then a 100 ml beaker of 50 ml water at 293 K with a
// burner under it, as the menu commands build them; the beaker is object 1.
void BeakerOfWaterOnABurner();

// Serves this thread's messages as the program's own loop does (its modeless
// dialogs first, then its accelerators) until done() holds (true) or about
// ms milliseconds have passed (false).
bool PumpProgramUntil(const std::function<bool()>& done, int ms);
