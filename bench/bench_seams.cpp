#include "bench/bench_seams.h"

namespace {

class QuietSeams final : public BenchSeams {
public:
    int32_t FullScreenHeight() const override { return 1024 - 30; }
    double DpiFactor() const override { return 1.0; }
    PointI32 DeviceToLogical(PointI32 device) const override { return device; }
    RectI32 BenchClientRect() const override { return {0, 0, 1280, 1024}; }
    void WarnPausingTimer(int32_t) override {}
    bool LoadResString(int32_t, std::string*) const override { return false; }
    void InvalidateLogicalRect(const RectI32&) override {}
    void DrawSelectionFrame(const RectI32&) override {}
    bool DemoRecording() const override { return false; }
    void RecordComment(const std::string&, int32_t) override {}
    void NewEquipmentAddition(LabObject&) override {}
    void RemoveObjectParticles(const LabObject&) override {}
    void RenumberParticleOwners(const IndexRemap&) override {}
    int32_t TitrationBuret() const override { return 0; }
    void TitrationBuretMoved(int32_t, int32_t) override {}
};

BenchSeams* installed = nullptr;

}  // namespace

BenchSeams& QuietBenchSeams() {
    static QuietSeams quiet;
    return quiet;
}

void SetBenchSeams(BenchSeams* seams) { installed = seams; }

BenchSeams& CurrentBenchSeams() { return installed ? *installed : QuietBenchSeams(); }
