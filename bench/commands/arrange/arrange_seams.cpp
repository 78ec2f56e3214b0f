#include "bench/commands/arrange/arrange_seams.h"

namespace {

class QuietArrangeSeams final : public ArrangeSeams {
public:
    void SelectObject(int32_t) override {}
    void PauseTimer() override {}
    void ResumeTimer() override {}
    void InvalidateErasing(const RectI32&) override {}
    void InvalidateWholeBench() override {}
    void InvalidateObjectOverlays(const LabObject&, int32_t, int32_t) override {}
    void ShowSplitCursor() override {}
    int32_t SplitterSetting() const override { return 375; }
    int32_t SplitterPointerX() const override { return 375; }
    int32_t SplitterLimit() const override { return 1180; }
    void DrawSplitterLine(int32_t) override {}
    void ApplySplitter(int32_t) override {}
    void SendLabelCommand() override {}
    void OpenPropertiesDialog(int32_t) override {}
};

QuietArrangeSeams quiet;
ArrangeSeams* current = &quiet;

}  // namespace

ArrangeSeams& CurrentArrangeSeams() { return *current; }
void SetArrangeSeams(ArrangeSeams* seams) { current = seams ? seams : &quiet; }
