// Lab files and demonstration recording on a full bench.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/demo/demo_recorder.h"
#include "tests/app/lab_file_fixtures.h"

namespace {

class CountingSink : public DemoSink {
public:
    bool Write(const void*, size_t length) override {
        bytes += length;
        return true;
    }
    size_t bytes = 0;
};

void LabFileReadWrite(benchmark::State& state) {
    const auto bench = MakeBench(50);
    TitrationData data = MakeDataset(250);
    const std::string rtf(4000, 'n');
    for (auto _ : state) {
        const auto file = EncodeBench(bench, &data, 1, false, rtf);
        LabDocument doc;
        benchmark::DoNotOptimize(DecodeLabFile(file.data(), file.size(), LabFileReadContext{}, &doc));
    }
}
BENCHMARK(LabFileReadWrite)->Unit(benchmark::kMicrosecond);

void RecordLabStateFiftyObjects(benchmark::State& state) {
    auto bench = MakeBench(50);
    CountingSink sink;
    LabDemoRecorder = DemoRecorder{};
    LabDemoRecorder.recording = true;
    BeginDemoFile(&sink, "OLVARIS.DLL", "", 700);
    RecordLabState(50, &bench[1]);
    int tick = 0;
    for (auto _ : state) {
        // A warming beaker and a dropping buret reading, as on a running bench.
        bench[3].temperature = 293.0f + float(tick % 50);
        bench[7].titrantDelivered = tick * 0.05;
        ++tick;
        benchmark::DoNotOptimize(RecordLabState(50, &bench[1]));
    }
    LabDemoRecorder = DemoRecorder{};
}
BENCHMARK(RecordLabStateFiftyObjects)->Unit(benchmark::kMicrosecond);

// Bytes a recording of an idle 50-object bench grows by in one minute of
// heavy ticks and paints (reported as a counter; the goal is under 2 KB).
void IdleRecordingGrowthPerMinute(benchmark::State& state) {
    auto bench = MakeBench(50);
    size_t grown = 0;
    for (auto _ : state) {
        CountingSink sink;
        LabDemoRecorder = DemoRecorder{};
        LabDemoRecorder.recording = true;
        BeginDemoFile(&sink, "OLVARIS.DLL", "", 700);
        RecordLabState(50, &bench[1]);
        const size_t start = sink.bytes;
        for (int heavyTick = 0; heavyTick < 120; ++heavyTick) {
            RunDemoTimeMarkRule(RecordLabState(50, &bench[1]) != 0);
            RecordLabState(50, &bench[1]);  // the paint after the tick
        }
        grown = sink.bytes - start;
    }
    state.counters["bytes_per_minute"] = double(grown);
    LabDemoRecorder = DemoRecorder{};
}
BENCHMARK(IdleRecordingGrowthPerMinute)->Unit(benchmark::kMicrosecond);

}  // namespace
