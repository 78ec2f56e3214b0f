// Heat sources: which vessel a burner or hot plate serves and with how much.
#include <gtest/gtest.h>

#include "bench/sim/sim_heat_sources.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class HeatSourceTest : public SimTest {
protected:
    // A 60-wide beaker of water at x 100..160 with its bottom at y 400.
    int32_t Beaker() {
        LabObject b = MakeObject(kBeaker, 100, 400);
        AddWater(b, 50);
        return Place(b);
    }
    // A source whose centre line is at cx and whose top is `rise` above
    // the beaker's bottom (negative: below it).
    int32_t Source(int32_t type, int32_t cx, int32_t rise, double heat = 0, double stirrer = 0) {
        const int32_t width = type == kBunsenBurner ? 40 : 100;
        const int32_t height = type == kBunsenBurner ? 80 : 40;
        LabObject s = MakeObject(type, cx - width / 2, 400 - rise + height);
        s.reading1 = heat;
        s.reading2 = stirrer;
        return Place(s);
    }
};

TEST_F(HeatSourceTest, ReachOfBurnersAndHotPlates) {
    struct Case {
        const char* what;
        int32_t type;
        int32_t cx;
        int32_t rise;  // source top above the vessel bottom
        int32_t heat;
    };
    const Case cases[] = {
        {"burner centred, touching", kBunsenBurner, 130, 0, 2},
        {"burner 59 below the vessel", kBunsenBurner, 130, -59, 2},
        {"burner 60 below the vessel", kBunsenBurner, 130, -60, 0},
        {"burner top above the vessel bottom", kBunsenBurner, 130, 1, 0},
        {"burner centre on the left edge", kBunsenBurner, 100, 0, 0},
        {"burner centre just inside the left edge", kBunsenBurner, 101, 0, 2},
        {"burner centre on the right edge", kBunsenBurner, 160, 0, 0},
        {"hot plate top at the vessel bottom", kHotPlate, 130, 0, 30},
        {"hot plate top 59 above the vessel bottom", kHotPlate, 130, 59, 30},
        {"hot plate top 60 above", kHotPlate, 130, 60, 0},
        {"hot plate below the vessel", kHotPlate, 130, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        const int32_t v = Beaker();
        Source(c.type, c.cx, c.rise, 3);
        HeatSourceStep(LabObjectCount, LabObjects, seams_);
        EXPECT_EQ(At(v).heatApplied, c.heat);
    }
}

TEST_F(HeatSourceTest, HotPlateMultiplierAndStirrer) {
    const int32_t v = Beaker();
    Source(kHotPlate, 130, 0, 3, 1);
    seams_.hotPlateIncrements = 0;  // counts as 1
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(v).heatApplied, 3);
    EXPECT_EQ(At(v).stirringState, 1000);
}

TEST_F(HeatSourceTest, TheLastServingSourceWins) {
    const int32_t v = Beaker();
    Source(kBunsenBurner, 130, -10);
    Source(kHotPlate, 130, 0, 5);
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(v).heatApplied, 50);

    ResetLabObjects();
    const int32_t w = Beaker();
    Source(kHotPlate, 130, 0, 5);
    Source(kBunsenBurner, 130, -10);
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(w).heatApplied, 2);
}

TEST_F(HeatSourceTest, UnservedVesselsAndTheHeatingMantle) {
    // A vessel hanging in another gets nothing; an empty one is not visited.
    const int32_t hosted = Beaker();
    At(hosted).host = 3;
    LabObject empty = MakeObject(kBeaker, 100, 400);
    empty.heatApplied = 7;
    const int32_t e = Place(empty);
    LabObject flask = MakeObject(kRoundBottomFlask, 100, 400);
    AddWater(flask, 50);
    flask.stateBits = 0x20;
    flask.reading1 = 4.7;
    const int32_t mantle = Place(flask);
    Source(kBunsenBurner, 130, 0);
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(hosted).heatApplied, 0);
    EXPECT_EQ(At(e).heatApplied, 7);
    EXPECT_EQ(At(mantle).heatApplied, 47);  // the mantle, not the burner
}

TEST_F(HeatSourceTest, NonsenseSettingsGiveNoWrappedHeat) {
    const int32_t v = Beaker();
    Source(kHotPlate, 130, 0, -3);
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(v).heatApplied, 0);
    At(2).reading1 = 1e12;
    HeatSourceStep(LabObjectCount, LabObjects, seams_);
    EXPECT_EQ(At(v).heatApplied, 65535);
}

}  // namespace
