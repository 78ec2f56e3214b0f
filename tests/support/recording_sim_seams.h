// A stand-in for everything the simulation reaches through SimSeams: it
// records each call, answers from settable values, and re-templates objects
// only by their key fields (the geometry stays as the test built it). A
// quiet one records nothing, for benchmarks and long runs.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/sim/sim_seams.h"

class RecordingSimSeams : public SimSeams {
public:
    bool quiet = false;

    // ---- answers ----
    int32_t burnerHeat = 2;
    int32_t hotPlateIncrements = 10;
    uint32_t labStyle = 0;
    bool hasHook = false;
    std::function<void(int32_t, LabObject*)> hook;
    bool recording = false;
    bool titrationOpen = false;
    std::map<int32_t, std::string> strings;

    // ---- what happened ----
    std::vector<std::string> calls;  // the order of the module, recorder and dialog calls
    int32_t benchInvalidations = 0;
    std::vector<RectI32> invalidated;
    std::vector<RectI32> erased;
    std::vector<RectI32> selectionFrames;
    std::vector<int32_t> warnings;
    std::vector<std::pair<std::string, int32_t>> comments;
    std::vector<std::string> retemplates;  // "state 128", "pour", ...
    int32_t dataWindowInvalidations = 0;
    std::vector<TimerMessage> forwarded;

    // The bench seams: a large screen at 96 DPI, no module, no particles.
    int32_t FullScreenHeight() const override { return 1000; }
    double DpiFactor() const override { return 1.0; }
    PointI32 DeviceToLogical(PointI32 device) const override { return device; }
    PointI32 LogicalToDevice(PointI32 logical) const override { return logical; }
    RectI32 BenchClientRect() const override { return {0, 0, 1600, 1000}; }
    void NewEquipmentAddition(LabObject&) override {}
    void RemoveObjectParticles(const LabObject&) override {}
    void RenumberParticleOwners(const IndexRemap&) override {}
    int32_t TitrationBuret() const override { return 0; }
    void TitrationBuretMoved(int32_t, int32_t) override {}

    void InvalidateBench() override { ++benchInvalidations; }
    void InvalidateLogicalRect(const RectI32& rect) override {
        if (!quiet) invalidated.push_back(rect);
    }
    void EraseWithWindowColour(const RectI32& rect) override {
        if (!quiet) erased.push_back(rect);
    }
    void DrawSelectionFrame(const RectI32& rect) override {
        if (!quiet) selectionFrames.push_back(rect);
    }
    void WarnPausingTimer(int32_t stringId) override {
        if (!quiet) warnings.push_back(stringId);
        if (!quiet) calls.push_back("warning");
    }
    bool LoadResString(int32_t id, std::string* text) const override {
        const auto found = strings.find(id);
        if (found == strings.end()) return false;
        *text = found->second;
        return true;
    }

    int32_t BunsenBurnerHeat() const override { return burnerHeat; }
    int32_t HotPlateIncrements() const override { return hotPlateIncrements; }

    int SetTemplateState(LabObject& o, int32_t state) override {
        if (!quiet) retemplates.push_back("state " + std::to_string(state));
        o.stateBits = static_cast<int16_t>(state);
        return 1;
    }
    int SetBalanceState(LabObject& o, int32_t state) override {
        if (!quiet) retemplates.push_back("balance " + std::to_string(state));
        o.stateBits = static_cast<int16_t>(state);
        return 1;
    }
    int SetDippedState(LabObject& o, int on, int redraw) override {
        const int16_t bits = static_cast<int16_t>(on ? (o.stateBits | 0x1) : (o.stateBits & ~0x1));
        if (bits == o.stateBits) return 0;
        if (!quiet) retemplates.push_back(on ? "dipped" : "undipped");
        o.stateBits = bits;
        return 1;
    }
    int SetDrainVariant(LabObject& o, int redraw, int32_t variant) override {
        if (o.variant == variant) return 0;
        if (!quiet) retemplates.push_back("drain " + std::to_string(variant));
        o.variant = variant;
        o.pourTarget = 0;
        return 1;
    }
    int TogglePourPosition(LabObject& o, int redraw) override {
        if (!quiet) retemplates.push_back(redraw ? "pour redraw" : "pour");
        o.variant = (o.variant == 0 && o.kindStateWord == 0) ? 1 : 0;
        o.pourTarget = 0;
        return 1;
    }

    uint32_t QueryLabStyle() override {
        if (!quiet) calls.push_back("style");
        return labStyle;
    }
    bool HasLabSimulationProc() const override { return hasHook; }
    void LabSimulationProc(int32_t count, LabObject* base) override {
        if (!quiet) calls.push_back("hook");
        if (hook) hook(count, base);
    }

    bool DemoRecording() const override { return recording; }
    void RecordComment(const std::string& text, int32_t category) override {
        if (!quiet) comments.emplace_back(text, category);
    }
    int RecordLabState(int32_t, const LabObject*) override {
        if (!quiet) calls.push_back("frame");
        return 1;
    }
    void RecordTimeMark(int frameWritten) override {
        if (!quiet) calls.push_back(frameWritten ? "time mark after frame" : "time mark");
    }

    bool TitrationWindowOpen() const override { return titrationOpen; }
    void ForwardTimerToTitration(const TimerMessage& message) override {
        if (!quiet) calls.push_back("titration");
        if (!quiet) forwarded.push_back(message);
    }
    void InvalidateDataWindow() override { ++dataWindowInvalidations; }
};
