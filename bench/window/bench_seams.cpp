#include "bench/window/bench_seams.h"

namespace {

BenchSeams* installed = nullptr;

}  // namespace

BenchSeams& QuietBenchSeams() {
    static QuietBench<BenchSeams> quiet;
    return quiet;
}

void SetBenchSeams(BenchSeams* seams) { installed = seams; }

BenchSeams& CurrentBenchSeams() { return installed ? *installed : QuietBenchSeams(); }
