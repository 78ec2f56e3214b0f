#include "bench/model/bench_state.h"

bool DocumentModified = false;
bool UndoValid = false;
bool AddAtCursor = false;
bool SimulationRunning = false;
