// The bench window's answers to what the portable bench code asks of the
// user interface.
#pragma once

class BenchSeams;

// Makes the bench window's seams the current ones for the catalogue and the
// command handlers, and gives the selection frames the bench's brush.
void InstallBenchWindowSeams();
// The bench window's own bench seams, which the simulation seams wrap.
BenchSeams& BenchWindowBenchSeams();
