// A recording stand-in for what the mouse and the arrange commands ask of
// the windows, installed for one test.
#pragma once
#include <vector>

#include "bench/commands/arrange/arrange_seams.h"
#include "bench/model/selection.h"

class FakeArrangeSeams final : public ArrangeSeams {
public:
    FakeArrangeSeams() { SetArrangeSeams(this); }
    ~FakeArrangeSeams() override { SetArrangeSeams(nullptr); }

    std::vector<int32_t> selected;  // every SelectObject
    int pauses = 0, resumes = 0;
    std::vector<RectI32> erased;
    int wholeBench = 0;
    struct Overlay {
        const LabObject* object;
        int32_t x, y;
    };
    std::vector<Overlay> overlays;
    int splitCursors = 0;
    int32_t splitterSetting = 375;
    int32_t pointerX = 375;
    int32_t splitterLimit = 1000;
    std::vector<int32_t> splitterLines;
    std::vector<int32_t> applied;
    int labelCommands = 0;
    std::vector<int32_t> properties;
    int pauseDepthAtProperties = -1;

    // As SelectLabObject does: the index becomes the selected object.
    void SelectObject(int32_t index) override {
        selected.push_back(index);
        SelectedObject = index;
    }
    void PauseTimer() override { ++pauses; }
    void ResumeTimer() override { ++resumes; }
    void InvalidateErasing(const RectI32& r) override { erased.push_back(r); }
    void InvalidateWholeBench() override { ++wholeBench; }
    void InvalidateObjectOverlays(const LabObject& o, int32_t x, int32_t y) override {
        overlays.push_back({&o, x, y});
    }
    void ShowSplitCursor() override { ++splitCursors; }
    int32_t SplitterSetting() const override { return splitterSetting; }
    int32_t SplitterPointerX() const override { return pointerX; }
    int32_t SplitterLimit() const override { return splitterLimit; }
    void DrawSplitterLine(int32_t setting) override { splitterLines.push_back(setting); }
    void ApplySplitter(int32_t setting) override {
        applied.push_back(setting);
        splitterSetting = setting;
    }
    void SendLabelCommand() override { ++labelCommands; }
    void OpenPropertiesDialog(int32_t object) override {
        properties.push_back(object);
        pauseDepthAtProperties = pauses - resumes;
    }
};
