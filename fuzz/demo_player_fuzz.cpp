// The demonstration player stepping arbitrary events onto a scratch bench:
// whatever the bytes, playback ends, and every frame that reaches the bench
// passes ValidateBench.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/demo/demo_player.h"
#include "bench/model/bench_validate.h"

namespace {

struct QuietSeams : DemoPlayerSeams {
    void RepaintBench(bool) override {}
    void EraseStrip(const RectI32&) override {}
    void LoadModule(const char*, const char*) override {}
    void ResetShell() override {}
    uint32_t LabStyle() override { return 1; }
    void CollectDataSample() override {}
    void AddComment(const std::string&, uint64_t) override {}
    void ClearComments() override {}
    void ShowPopup(const std::string& text, PointI32, bool) override {
        if (text.size() > kDemoMessageLength) std::abort();
    }
    void RemovePopup() override {}
    void ShowMessageBox(const std::string&) override {}
    void ShowDataWindow(bool) override {}
    int32_t DatasetCount() override { return datasets; }
    void SetDatasetCount(int32_t n) override {
        if (n < 0 || n > 1) std::abort();
        datasets = n;
    }
    void FreeDatasetPoints() override {}
    void StartTimer(int32_t ms) override {
        if (ms < 100 || ms > 30000) std::abort();
    }
    void StopTimer() override {}
    void SetProgress(int32_t percent) override {
        if (percent < 0 || percent > 100) std::abort();
    }
    void SetButtons(const DemoButtons&) override {}
    int32_t datasets = 0;
};

LabObject bench[kLabObjectArrayLength];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A sound header first, so the fuzzer spends its time on the events.
    DemoFileHeader header{};
    std::memcpy(header.signature, kDemoSignature, sizeof kDemoSignature);
    std::strcpy(header.moduleName, "OLVARIS.DLL");
    header.headerSize = sizeof header;
    std::vector<uint8_t> file(reinterpret_cast<uint8_t*>(&header),
                              reinterpret_cast<uint8_t*>(&header) + sizeof header);
    file.insert(file.end(), data, data + size);

    QuietSeams seams;
    int32_t count = 0;
    DemoPlayer player(seams, &count, bench);
    player.SetAccelerated(size % 2 == 0);
    if (player.Open(file) != 0) std::abort();
    // Every event is at least 48 bytes, so this many ticks reach the end.
    for (size_t tick = 0; tick <= file.size() / 48 + 1 && !player.Ended(); ++tick) {
        player.Tick();
        if (count < 0 || count > kMaxLabObjects) std::abort();
        // Types, links answered by their partners, values in range: what every reader leaves.
        if (!ValidateBench(bench, count).empty()) std::abort();
    }
    if (!player.Ended()) std::abort();
    return 0;
}
