// What the portable bench code needs from the user interface. The Win32
// bench window implements these with real windows; native tests install a
// recording fake. Install one with SetBenchSeams before using the catalogue.
#pragma once
#include <cstdint>
#include <string>

#include "common/lab_object.h"

// Where every object index goes when records are renumbered: newIndex[k] is
// the new index of the object that stood at k (index 0 always maps to 0).
struct IndexRemap {
    int32_t newIndex[kLabObjectArrayLength];
};

class BenchSeams {
public:
    virtual ~BenchSeams() = default;

    // Screen metrics: the full-screen client height (SM_CYFULLSCREEN) and the
    // bench window's dots per inch / 96.
    virtual int32_t FullScreenHeight() const = 0;
    virtual double DpiFactor() const = 0;
    // Device pixels of the bench to logical units (DPtoLP on the bench DC).
    virtual PointI32 DeviceToLogical(PointI32 device) const = 0;
    // Logical units to device pixels of the bench (LPtoDP on the bench DC).
    virtual PointI32 LogicalToDevice(PointI32 logical) const = 0;
    // The bench window's client area in logical units.
    virtual RectI32 BenchClientRect() const = 0;

    // A warning box (caption "Brevane") with the simulation timer paused.
    virtual void WarnPausingTimer(int32_t stringId) = 0;
    // The string-table text with that id; false when there is none.
    virtual bool LoadResString(int32_t id, std::string* text) const = 0;
    virtual void InvalidateLogicalRect(const RectI32& rect) = 0;
    // XOR frame: drawing it again at the same place removes it.
    virtual void DrawSelectionFrame(const RectI32& rect) = 0;

    // Demonstration log.
    virtual bool DemoRecording() const = 0;
    virtual void RecordComment(const std::string& text, int32_t category) = 0;

    // The loaded module's NewEquipmentAddition; the implementation calls it
    // only when a module is loaded and exports it.
    virtual void NewEquipmentAddition(LabObject& object) = 0;

    // The renderer's particle lists: drop an object's boiling bubbles and
    // settling precipitate; make owners follow renumbered records.
    virtual void RemoveObjectParticles(const LabObject& object) = 0;
    virtual void RenumberParticleOwners(const IndexRemap& remap) = 0;

    // The Titration dialog's buret (0 when the dialog is closed) and the
    // notice that it now stands at another index.
    virtual int32_t TitrationBuret() const = 0;
    virtual void TitrationBuretMoved(int32_t oldIndex, int32_t newIndex) = 0;
};

// The quiet answers to every bench seam, over any seams class that extends
// BenchSeams: a 1280 x 1024 screen (large set), 96 DPI, no boxes, no log,
// no module. Windowless runners derive from it and add what they need.
template <class Seams>
class QuietBench : public Seams {
public:
    int32_t FullScreenHeight() const override { return 1024 - 30; }
    double DpiFactor() const override { return 1.0; }
    PointI32 DeviceToLogical(PointI32 device) const override { return device; }
    PointI32 LogicalToDevice(PointI32 logical) const override { return logical; }
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

// The stand-in used until the bench window installs its own.
BenchSeams& QuietBenchSeams();

void SetBenchSeams(BenchSeams* seams);  // nullptr restores the quiet one
BenchSeams& CurrentBenchSeams();
