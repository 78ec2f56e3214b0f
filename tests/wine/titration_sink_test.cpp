// The points the tick collects are the ones the data window shows and lab
// files keep: one dataset, not two buffers.
#include <gtest/gtest.h>

#include "app/data/titration_data.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_seams_win.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"

TEST(TitrationSink, CollectedPointsLandInTheProgramsDataset) {
    ClearTitrationPoints(LabTitrationData);
    LabObject bench[3] = {};
    bench[1].type = kBuret;
    bench[1].pourTarget = 2;
    bench[2].type = kBeaker;
    bench[2].collectTitration = 1;
    bench[2].titrantDelivered = 1.5;
    bench[2].ph = 4.25;
    bench[2].temperature = 295.0f;
    SimSeams& seams = BenchWindowSimSeams();
    TitrationSampler sampler;
    ResetTitrationSampler(sampler);
    CollectDataSample(2, bench, seams.TitrationSink(), sampler, seams);
    CollectDataSample(2, bench, seams.TitrationSink(), sampler, seams);  // unchanged: no copy
    ASSERT_EQ(LabTitrationData.record.pointCount, 1);
    EXPECT_EQ(LabTitrationData.points[0].volumeMl, 1.5);
    EXPECT_EQ(LabTitrationData.points[0].ph, 4.25);
    EXPECT_EQ(LabTitrationData.points[0].kelvin, 295.0);
    EXPECT_EQ(TitrationPoints.count, 0);
    ClearTitrationPoints(LabTitrationData);
}
