// The simulation's seams without a window, over the real catalogue: no boxes,
// no redraws, the settings and the lab's hook and style as given. labsim,
// the long runs of the tests and the fuzz targets use it.
#pragma once
#include <cstdint>

#include "bench/sim/sim_seams.h"
#include "common/module_contract.h"

class HeadlessSimSeams final : public QuietBench<SimSeams> {
public:
    LabSimulationProcEntry* hook = nullptr;
    uint32_t style = 0;
    int32_t bunsenBurnerHeat = 2;
    int32_t hotPlateIncrements = 10;
    bool smallScreen = false;  // as on a 1280 x 1024 screen

    int32_t FullScreenHeight() const override { return smallScreen ? 768 : 1024; }
    RectI32 BenchClientRect() const override { return RectI32{0, 0, 905, 940}; }

    void InvalidateBench() override {}
    void EraseWithWindowColour(const RectI32&) override {}
    int32_t BunsenBurnerHeat() const override { return bunsenBurnerHeat; }
    int32_t HotPlateIncrements() const override { return hotPlateIncrements; }
    uint32_t QueryLabStyle() override { return style; }
    bool HasLabSimulationProc() const override { return hook != nullptr; }
    void LabSimulationProc(int32_t count, LabObject* base) override { hook(count, base); }
    int RecordLabState(int32_t, const LabObject*) override { return 0; }
    void RecordTimeMark(int) override {}
    bool TitrationWindowOpen() const override { return false; }
    void ForwardTimerToTitration(const TimerMessage&) override {}
    void InvalidateDataWindow() override {}
};
