// The simulation seams over the real bench window, the settings and the
// loaded lab module. They are also the bench seams the catalogue and the
// command handlers use, so the tick and the catalogue share one instance.
#pragma once
#include "bench/sim/sim_seams.h"

SimSeams& BenchWindowSimSeams();
