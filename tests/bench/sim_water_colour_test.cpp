// Adding water, mixing colours and sampling titration data.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/edit/clipboard_objects.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/sim_water_colour.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

TEST(MixColour, Cases) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        uint32_t a;
        double va;
        uint32_t b;
        double vb;
        uint32_t mixed;
    };
    const Case cases[] = {
        {"equal red and blue", Rgb(255, 0, 0), 10, Rgb(0, 0, 255), 10, Rgb(127, 0, 127)},
        {"one part in four", Rgb(200, 100, 0), 30, Rgb(0, 100, 200), 10, Rgb(150, 100, 50)},
        {"same colours, no volume", Rgb(1, 2, 3), 0, Rgb(1, 2, 3), 0, Rgb(1, 2, 3)},
        {"no volume at all", Rgb(255, 0, 0), 0, Rgb(0, 0, 255), 0, Rgb(0, 0, 255)},
        {"volumes cancelling out", Rgb(255, 0, 0), 5, Rgb(0, 0, 255), -5, Rgb(0, 0, 255)},
        {"not a number", Rgb(255, 0, 0), nan, Rgb(0, 9, 0), 1, Rgb(0, 9, 0)},
        {"a negative share overshoots", Rgb(255, 255, 255), 20, Rgb(0, 0, 0), -10, Rgb(255, 255, 255)},
        {"and undershoots", Rgb(0, 0, 0), 20, Rgb(255, 255, 255), -10, Rgb(0, 0, 0)},
        // Equal channels stay equal, whatever the shares' rounding would do.
        {"water onto a red drop, 1 : 17", Rgb(255, 0, 0), 1, Rgb(255, 255, 255), 17, Rgb(255, 240, 240)},
        {"white into blue, 1 : 6", Rgb(0, 0, 255), 1, Rgb(255, 255, 255), 6, Rgb(218, 218, 255)},
        {"thirds of 255", Rgb(255, 0, 255), 1, Rgb(255, 255, 255), 2, Rgb(255, 170, 255)},
    };
    for (const Case& c : cases) EXPECT_EQ(MixColour(c.a, c.va, c.b, c.vb), c.mixed) << c.what;
}

class AddWaterTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ObjectSelected = true;
        seams_.strings = {{kBeaker, "Beaker"},
                          {675, "Add %.1f ml of Ice Water to %s"},
                          {676, "Add %.1f ml of Water to %s"}};
    }
};

TEST_F(AddWaterTest, BringsTheLevelUpToTheNextStep) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddWater(b, 15, 353);
    const int32_t i = Place(b);
    AddWaterStep(At(i), 293, seams_);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 200);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 20, 1e-12);
    EXPECT_NEAR(At(i).temperature, (353 * 150 + 293 * 50) / 200.0, 1e-3);
    AddWaterStep(At(i), 293, seams_);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 400);
    EXPECT_TRUE(seams_.comments.empty());  // not recording
}

TEST_F(AddWaterTest, CommentsWhileRecording) {
    seams_.recording = true;
    const int32_t i = Place(kBeaker, 100, 400);
    AddWaterStep(At(i), 293, seams_);
    AddWaterStep(At(i), 253, seams_);
    seams_.strings.erase(676);
    AddWaterStep(At(i), 293, seams_);
    seams_.strings.erase(kBeaker);
    AddWaterStep(At(i), 293, seams_);
    ASSERT_EQ(seams_.comments.size(), 3u);
    EXPECT_EQ(seams_.comments[0].first, "Add 20.0 ml of Water to Beaker");
    EXPECT_EQ(seams_.comments[1].first, "Add 20.0 ml of Ice Water to Beaker");
    EXPECT_EQ(seams_.comments[2].first, "Missing Comment");
    EXPECT_EQ(seams_.comments[0].second, 6);
    EXPECT_TRUE(DocumentModified);
}

TEST_F(AddWaterTest, BelowFreezingItIsIce) {
    const int32_t i = Place(kBeaker, 100, 400);
    AddWaterStep(At(i), 253, seams_);
    EXPECT_NEAR(IceMass(At(i)), 18.4, 1e-12);
    EXPECT_EQ(At(i).slots[0].grams, 0);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 200);
}

TEST_F(AddWaterTest, WhenNothingIsAdded) {
    // Not selected; no fill step; full.
    LabObject b = MakeObject(kBeaker, 100, 400);
    const int32_t i = Place(b);
    ObjectSelected = false;
    AddWaterStep(At(i), 293, seams_);
    ObjectSelected = true;
    At(i).addWaterStep = 0;
    AddWaterStep(At(i), 293, seams_);
    At(i).addWaterStep = 200;
    At(i).liquidVolume = 1000;
    AddWaterStep(At(i), 293, seams_);
    EXPECT_EQ(TotalComponentMass(At(i)), 0);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(AddWaterTest, RefusedIceLeavesTheLevel) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    for (int32_t s = 1; s < kComponentSlotCount; ++s)
        SetComponentSlot(b, 1000 + s, kPhaseSolid, 0.01, 293, s);
    const int32_t i = Place(b);
    AddWaterStep(At(i), 253, seams_);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 0);
    EXPECT_FLOAT_EQ(At(i).temperature, 293);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(AddWaterTest, SolidsCountInTheLevel) {
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddSolid(b, kSalt, 21.65);  // 10 ml
    const int32_t i = Place(b);
    AddWaterStep(At(i), 293, seams_);
    EXPECT_NEAR(At(i).liquidVolume, 200, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 10, 1e-5);
}

class CollectDataTest : public SimTest {
protected:
    // A buret delivering into a flask that collects data.
    int32_t Stand() {
        LabObject buret = MakeObject(kBuret, 100, 300);
        buret.pourTarget = LabObjectCount + 2;
        Place(buret);
        LabObject flask = MakeObject(kErlenmeyerFlask, 80, 400);
        flask.collectTitration = 1;
        return Place(flask);
    }
    void Sample() {
        CollectDataSample(LabObjectCount, LabObjects, TitrationPoints, TitrationSampling, seams_);
    }
};

TEST_F(CollectDataTest, OnePointPerNewReading) {
    const int32_t f = Stand();
    Sample();  // nothing delivered yet
    EXPECT_EQ(TitrationPoints.count, 0);
    EXPECT_EQ(TitrationPoints.capacity, 100);
    struct Step {
        double delivered;
        double ph;
        int32_t count;
    };
    const Step steps[] = {{0.5, 3, 1}, {0.5, 3, 1}, {1.0, 3, 2}, {1.0, 3.5, 3}, {1.0, 3.5, 3}};
    for (const Step& s : steps) {
        At(f).titrantDelivered = s.delivered;
        At(f).ph = s.ph;
        Sample();
        EXPECT_EQ(TitrationPoints.count, s.count) << s.delivered << " " << s.ph;
    }
    EXPECT_EQ(TitrationPoints.points[2].volumeMl, 1.0);
    EXPECT_EQ(TitrationPoints.points[2].ph, 3.5);
    EXPECT_EQ(TitrationPoints.points[2].kelvin, 293);
    EXPECT_EQ(seams_.dataWindowInvalidations, 3);
}

TEST_F(CollectDataTest, EachBuretIsComparedWithItsOwnLastPoint) {
    const int32_t a = Stand();
    const int32_t b = Stand();
    At(a).titrantDelivered = 1;
    At(b).titrantDelivered = 2;
    Sample();
    Sample();
    EXPECT_EQ(TitrationPoints.count, 2);  // no copies from alternating burets
    At(b).titrantDelivered = 2.5;
    Sample();
    EXPECT_EQ(TitrationPoints.count, 3);  // an unchanged first buret does not stop the second
}

TEST_F(CollectDataTest, GrowsByAHundredPoints) {
    const int32_t f = Stand();
    for (int k = 1; k <= 250; ++k) {
        At(f).titrantDelivered = k * 0.1;
        Sample();
    }
    EXPECT_EQ(TitrationPoints.count, 250);
    EXPECT_EQ(TitrationPoints.capacity, 300);
    EXPECT_NEAR(TitrationPoints.points[249].volumeMl, 25, 1e-9);
}

// Opening or dropping a lab file that holds data: its last point is the
// reading the receiver still shows, and no copy of it is added.
TEST_F(CollectDataTest, AReadingTheDatasetEndsWithAddsNoPoint) {
    const int32_t f = Stand();
    At(f).titrantDelivered = 4.0;
    At(f).ph = 6.5;
    for (const double v : {1.0, 2.0, 4.0}) {  // the file's points
        DataPoint p{};
        p.volumeMl = v;
        p.ph = v == 4.0 ? 6.5 : 3.0;
        ASSERT_TRUE(TitrationBufferSink(TitrationPoints).AppendPoint(p));
    }
    Sample();
    EXPECT_EQ(TitrationPoints.count, 3);
    At(f).titrantDelivered = 4.5;
    Sample();
    EXPECT_EQ(TitrationPoints.count, 4);
}

// New, or dropping the data: what the sampler remembers of the old dataset
// does not keep out the first reading of the new one.
TEST_F(CollectDataTest, AnEmptiedOrReplacedDatasetTakesTheNextReading) {
    const int32_t f = Stand();
    At(f).titrantDelivered = 1.0;
    Sample();
    ASSERT_EQ(TitrationPoints.count, 1);
    FreeTitrationPoints(TitrationPoints);
    Sample();
    EXPECT_EQ(TitrationPoints.count, 1) << "the same reading is the new dataset's first point";

    // Another dataset whose point at the remembered place holds the reading
    // but ends elsewhere: the reading is in it already.
    FreeTitrationPoints(TitrationPoints);
    for (const double v : {1.0, 3.0}) {
        DataPoint p{};
        p.volumeMl = v;
        p.ph = At(f).ph;
        ASSERT_TRUE(TitrationBufferSink(TitrationPoints).AppendPoint(p));
    }
    Sample();
    EXPECT_EQ(TitrationPoints.count, 2);
    At(f).titrantDelivered = 3.5;
    Sample();
    EXPECT_EQ(TitrationPoints.count, 3);
}

// Each buret's memory follows it when the bench is renumbered, so two
// collecting burets whose readings stand still add nothing afterwards.
TEST_F(CollectDataTest, RenumberingTheBenchAddsAndSkipsNothing) {
    const struct {
        const char* what;
        void (*renumber)();
    } cases[] = {
        {"a hot plate moved to slot 1",
         [] {
             ASSERT_NE(AddEquipment(LabObjects, kHotPlate, 700, 400, LabObjectCount, 0), nullptr);
             ++LabObjectCount;
         }},
        {"Delete of the first object",
         [] {
             SelectedObject = 1;
             ObjectSelected = true;
             ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
         }},
        {"Undo of that Delete",
         [] {
             SelectedObject = 1;
             ObjectSelected = true;
             ASSERT_EQ(DeleteSelectedObjects(), DeleteOutcome::kDeleted);
             ASSERT_TRUE(UndoDelete());
         }},
        {"Paste of a balance",
         [] {
             LabObject balance = EquipmentPrototype(kElectronicBalance, false);
             balance.position = {700, 300, 700 + balance.pictureWidth, 300 + balance.pictureHeight};
             ASSERT_EQ(PasteLabObjects({balance}), 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Place(kBeaker, 600, 400);  // something before the burets
        const int32_t a = Stand();
        const int32_t b = Stand();
        At(a).titrantDelivered = 1;
        At(b).titrantDelivered = 2;
        Sample();
        ASSERT_EQ(TitrationPoints.count, 2);
        c.renumber();
        Sample();
        EXPECT_EQ(TitrationPoints.count, 2) << "no copy after the renumbering";
        int32_t second = 0;
        for (int32_t i = 1; i <= LabObjectCount; ++i)
            if (At(i).collectTitration && At(i).titrantDelivered == 2) second = i;
        ASSERT_NE(second, 0);
        At(second).titrantDelivered = 2.5;
        Sample();
        EXPECT_EQ(TitrationPoints.count, 3) << "the changed reading is taken";
    }
}

TEST_F(CollectDataTest, WhatIsNotSampled) {
    const int32_t f = Stand();
    At(f).titrantDelivered = 1;
    At(f).collectTitration = 0;
    Sample();
    At(f).collectTitration = 1;
    At(1).pourTarget = 1;  // itself
    Sample();
    At(1).pourTarget = 77;
    Sample();
    At(1).pourTarget = f;
    At(1).type = kPipet;
    Sample();
    EXPECT_EQ(TitrationPoints.count, 0);
}

}  // namespace
