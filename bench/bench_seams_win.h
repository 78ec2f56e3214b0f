// The bench window's answers to what the portable bench code asks of the
// user interface.
#pragma once

// Makes the bench window's seams the current ones for the catalogue and the
// command handlers, and gives the selection frames the bench's brush.
void InstallBenchWindowSeams();
