#include "bench/selection.h"

BenchSelection Selection = {};
