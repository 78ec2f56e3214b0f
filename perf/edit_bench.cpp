// Delete and Undo of a 49-member multi-selection, and the clipboard block
// reader with Paste on 49 records.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/commands/edit/clipboard_objects.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/commands/edit/lab_object_block.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "tests/support/bench_scenario.h"
#include "tests/support/recording_sim_seams.h"

namespace {

void BuildFortyNine() {
    ResetLabObjects();
    for (int32_t i = 1; i <= 49; ++i) scenario::Place(1 + i % 28, 20 * i, 400);
}

void SelectAll() {
    MultiSelection = {};
    MultiSelection.active = true;
    MultiSelection.memberCount = 49;
    for (int32_t m = 0; m < 49; ++m) MultiSelection.members[m] = 49 - m;
}

void DeleteAndUndoFortyNine(benchmark::State& state) {
    RecordingSimSeams seams;
    seams.quiet = true;
    BuildFortyNine();
    for (auto _ : state) {
        SelectAll();
        DeleteSelectedObjects();
        UndoDelete();
    }
    benchmark::DoNotOptimize(LabObjectCount);
}
BENCHMARK(DeleteAndUndoFortyNine);

void ReadAndPasteFortyNine(benchmark::State& state) {
    RecordingSimSeams seams;
    seams.quiet = true;
    BuildFortyNine();
    std::vector<int32_t> all;
    for (int32_t i = 1; i <= 49; ++i) all.push_back(i);
    const std::vector<uint8_t> block = EncodeLabObjectBlock(LabObjects, all.data(), 49);
    std::vector<LabObject> records;
    for (auto _ : state) {
        DecodeLabObjectBlock(block.data(), block.size(), &records);
        LabObjectCount = 0;
        PasteLabObjects(records);
    }
    benchmark::DoNotOptimize(LabObjectCount);
}
BENCHMARK(ReadAndPasteFortyNine);

}  // namespace
