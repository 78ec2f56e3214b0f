// The fixture of the simulation tests: an empty bench, the simulation's
// chemicals, a recording stand-in for the seams and no selection.
#pragma once
#include <gtest/gtest.h>

#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"
#include "tests/support/bench_scenario.h"
#include "tests/support/recording_sim_seams.h"

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        LabTickCount = 0;
        DocumentModified = false;
        FreeTitrationPoints(TitrationPoints);
        ResetTitrationSampler(TitrationSampling);
    }
    void TearDown() override {
        ResetLabObjects();
        FreeTitrationPoints(TitrationPoints);
    }

    LabObject& At(int32_t i) { return LabObjects[i]; }

    scenario::ScopedSimulationChemicals chemicals_;
    RecordingSimSeams seams_;
};
