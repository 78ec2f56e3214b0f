// A recording stand-in for the bench window, installed for one test.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "bench/window/bench_seams.h"

class FakeBenchSeams final : public BenchSeams {
public:
    FakeBenchSeams() { SetBenchSeams(this); }
    ~FakeBenchSeams() override { SetBenchSeams(nullptr); }

    int32_t fullScreenHeight = 1000;
    double dpiFactor = 1.0;
    int32_t logicalPerDevice = 1;  // DPtoLP scale
    RectI32 client = {0, 0, 1200, 900};
    std::map<int32_t, std::string> strings;
    bool recording = false;
    int32_t titrationBuret = 0;

    std::vector<int32_t> warnings;
    std::vector<RectI32> invalidated;
    std::vector<RectI32> frames;
    std::vector<std::pair<std::string, int32_t>> comments;
    std::vector<int32_t> additions;  // type of each NewEquipmentAddition
    std::vector<const LabObject*> particlesRemoved;
    std::vector<IndexRemap> particleRemaps;
    std::vector<std::pair<int32_t, int32_t>> buretMoves;

    int32_t FullScreenHeight() const override { return fullScreenHeight; }
    double DpiFactor() const override { return dpiFactor; }
    PointI32 DeviceToLogical(PointI32 d) const override {
        return {d.x * logicalPerDevice, d.y * logicalPerDevice};
    }
    // Rounds toward zero, as DPtoLP does for a whole scale.
    PointI32 LogicalToDevice(PointI32 l) const override {
        return {l.x / logicalPerDevice, l.y / logicalPerDevice};
    }
    RectI32 BenchClientRect() const override { return client; }
    void WarnPausingTimer(int32_t id) override { warnings.push_back(id); }
    bool LoadResString(int32_t id, std::string* text) const override {
        auto it = strings.find(id);
        if (it == strings.end()) return false;
        *text = it->second;
        return true;
    }
    void InvalidateLogicalRect(const RectI32& r) override { invalidated.push_back(r); }
    void DrawSelectionFrame(const RectI32& r) override { frames.push_back(r); }
    bool DemoRecording() const override { return recording; }
    void RecordComment(const std::string& text, int32_t category) override {
        comments.emplace_back(text, category);
    }
    void NewEquipmentAddition(LabObject& o) override { additions.push_back(o.type); }
    void RemoveObjectParticles(const LabObject& o) override { particlesRemoved.push_back(&o); }
    void RenumberParticleOwners(const IndexRemap& remap) override { particleRemaps.push_back(remap); }
    int32_t TitrationBuret() const override { return titrationBuret; }
    void TitrationBuretMoved(int32_t from, int32_t to) override {
        buretMoves.emplace_back(from, to);
        titrationBuret = to;
    }
};
