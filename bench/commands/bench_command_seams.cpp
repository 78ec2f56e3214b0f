#include "bench/commands/bench_command_seams.h"

int32_t BuretUnderControl = 0;

namespace {

class QuietCommandSeams final : public BenchCommandSeams {
public:
    PointI32 CursorLogicalPoint() const override { return PointI32{0, 0}; }
    void RepaintWholeBench() override {}
    int32_t BunsenBurnerHeat() const override { return 2; }
    void PauseTimer() override {}
    void ResumeTimer() override {}
    bool TitrationDialogOpen() const override { return false; }
    void ActivateTitrationDialog(int32_t) override {}
    void OpenTitrationDialog(int32_t) override {}
    int ElectrodeDialog(LabObject&) override { return 0; }
    int WavelengthDialog(LabObject&) override { return 0; }
    int GasSyringeDialog(LabObject&) override { return 0; }
    int GeigerDialog(LabObject&) override { return 0; }
};

QuietCommandSeams quiet;
BenchCommandSeams* current = &quiet;

}  // namespace

BenchCommandSeams& CurrentBenchCommandSeams() { return *current; }
void SetBenchCommandSeams(BenchCommandSeams* seams) { current = seams ? seams : &quiet; }
