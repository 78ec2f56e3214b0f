#include "bench/commands/instruments/instrument_seams.h"

namespace {

class QuietInstrumentSeams final : public InstrumentSeams {
public:
    void SelectNothing() override {}
    void InvalidateWholeBench() override {}
    void ShowMessage(int32_t, int32_t) override {}
    bool AskYesNo(int32_t, int32_t) override { return false; }
    bool TitrationPointsExist() const override { return false; }
    int32_t DatasetCount() const override { return 0; }
    void SetDatasetCount(int32_t) override {}
    void DropTitrationPoints() override {}
    void RecordDataWindowEvent(int32_t, int32_t) override {}
    void ShowDataWindow() override {}
    int SetSyringeVolumeDialog(LabObject&) override { return 0; }
};

QuietInstrumentSeams quiet;
InstrumentSeams* current = &quiet;

}  // namespace

InstrumentSeams& CurrentInstrumentSeams() { return *current; }
void SetInstrumentSeams(InstrumentSeams* seams) { current = seams ? seams : &quiet; }
