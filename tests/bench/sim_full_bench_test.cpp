// The full bench the tick benchmark runs must really be busy, or the
// benchmark measures an idle bench.
#include <gtest/gtest.h>

#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class FullBenchTest : public SimTest {};

TEST_F(FullBenchTest, EveryKindOfWorkIsGoingOn) {
    BuildFullBench();
    ASSERT_EQ(LabObjectCount, kMaxLabObjects);
    seams_.labStyle = 0x1;
    for (int tick = 0; tick < 10; ++tick) SimulationTick(seams_, TimerMessage{1, 0});
    int32_t heated = 0, stirred = 0, pouring = 0, weighed = 0;
    double dissolved = 0;
    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        const LabObject& o = LabObjects[i];
        heated += o.heatApplied > 0;
        stirred += o.stirringState >= 1000;
        pouring += o.pourTarget != 0 && (o.variant == 1 || o.type == kBuret);
        weighed += (o.type == kCentigramBalance || o.type == kElectronicBalance) && o.reading1 > 0;
        dissolved += MassByPhase(o, kPhaseDissolved);
    }
    EXPECT_GE(heated, 8 + 6 + 1);  // burners, hot plates, the mantle
    EXPECT_EQ(stirred, 6);
    EXPECT_GE(pouring, 5 + 3);
    EXPECT_EQ(weighed, 1);
    EXPECT_GT(dissolved, 6 * 1.0);  // heated: 1 g a step each
    EXPECT_GT(TitrationPoints.count, 0);
}

}  // namespace
