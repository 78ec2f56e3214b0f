#include "bench/commands/contents/contents_seams.h"

namespace {

class QuietContentsSeams final : public ContentsSeams {
public:
    int WaterDialog(LabObject&) override { return 0; }
    int ChemicalsDialog(int32_t, int32_t) override { return 0; }
    int IndicatorsDialog(LabObject&) override { return 0; }
    int LabelDialog(LabObject&) override { return 0; }
    int TransferDialog(LabObject&) override { return 0; }
    int FilterDialog(LabObject&, bool) override { return 0; }
    int PropertiesDialog(LabObject&) override { return 0; }
    void ShowBox(int32_t, int32_t) override {}
    void SelectionCleared() override {}
    void TitrationLabelChanged(int32_t) override {}
};

QuietContentsSeams quiet;
ContentsSeams* current = &quiet;

}  // namespace

ContentsSeams& CurrentContentsSeams() { return *current; }
void SetContentsSeams(ContentsSeams* seams) { current = seams ? seams : &quiet; }
