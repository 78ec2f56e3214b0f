#include "bench/commands/equipment/add_equipment_commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bench/commands/bench_command_seams.h"
#include "bench/model/bench_state.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_water_colour.h"
#include "tests/bench/fake_bench_seams.h"

namespace {

class FakeCommandSeams final : public BenchCommandSeams {
public:
    FakeCommandSeams() { SetBenchCommandSeams(this); }
    ~FakeCommandSeams() override { SetBenchCommandSeams(nullptr); }

    PointI32 cursor{0, 0};
    int32_t bunsenHeat = 2;
    int dialogAnswer = 1;
    bool titrationOpen = false;
    std::vector<int32_t> titrationOpened, titrationActivated;
    int pauses = 0, resumes = 0, dialogs = 0, repaints = 0;

    PointI32 CursorLogicalPoint() const override { return cursor; }
    void RepaintWholeBench() override { ++repaints; }
    int32_t BunsenBurnerHeat() const override { return bunsenHeat; }
    void PauseTimer() override { ++pauses; }
    void ResumeTimer() override { ++resumes; }
    bool TitrationDialogOpen() const override { return titrationOpen; }
    void ActivateTitrationDialog(int32_t buret) override { titrationActivated.push_back(buret); }
    void OpenTitrationDialog(int32_t buret) override {
        titrationOpened.push_back(buret);
        titrationOpen = true;
    }
    int ElectrodeDialog(LabObject&) override { return ++dialogs, dialogAnswer; }
    int WavelengthDialog(LabObject&) override { return ++dialogs, dialogAnswer; }
    int GasSyringeDialog(LabObject&) override { return ++dialogs, dialogAnswer; }
    int GeigerDialog(LabObject&) override { return ++dialogs, dialogAnswer; }
};

struct AddEquipmentCommands : testing::Test {
    FakeBenchSeams bench;
    FakeCommandSeams ui;

    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
        DocumentModified = false;
        UndoValid = true;
        AddAtCursor = false;
        BuretUnderControl = 0;
        ClearCommandHandlers();
        RegisterAddEquipmentCommands();
    }
    void Run(int id) { ASSERT_TRUE(RouteCommand({id, 0, false})) << id; }
    void Select(int index) {
        SelectedObject = index;
        ObjectSelected = index != 0;
    }
};

}  // namespace

TEST_F(AddEquipmentCommands, EveryAddIdMakesItsKindOfObject) {
    const struct {
        int id;
        int type;
        int size;
        int capacity;  // 0: what the size's row holds
        int state;     // -1: the prototype's
        bool zeroFlow;
        uint32_t flags;
        bool atBack;  // hot plates and balances go to slot 1
    } cases[] = {
        {kCmdAdd100Beaker, 3, 3, 100, -1, false, 0, false},
        {kCmdAdd250Beaker, 3, 4, 250, -1, false, 0, false},
        {kCmdAdd600Beaker, 3, 5, 600, -1, false, 0, false},
        {kCmdAdd100Erlenmeyer, 4, 3, 100, -1, false, 0, false},
        {kCmdAdd250Erlenmeyer, 4, 4, 250, -1, false, 0, false},
        {kCmdAddFlorenceFlask, 5, 3, 100, -1, false, 0, false},
        {kCmdAddTestTube, 2, 2, 50, -1, false, 0, false},
        {kCmdAdd10TestTube, 2, 2, 10, -1, false, 0, false},  // no 10 ml row: the 50 ml picture
        {kCmdAdd100Cylinder, 6, 3, 100, -1, false, 0, false},
        {kCmdAdd10Cylinder, 6, 3, 10, -1, false, 0, false},
        {kCmdAdd10Pipet, 20, 1, 0, 0x80, true, 0, false},
        {kCmdAdd35Pipet, 20, 11, 0, 0x80, true, 0, false},
        {kCmdAdd100Volumetric, 23, 3, 100, -1, false, 0, false},
        {kCmdAdd250Volumetric, 23, 4, 250, -1, false, 0, false},
        {kCmdAddRoundBottomFlask, 13, 3, 100, -1, false, 0, false},
        {kCmdAddCentigramBalance, 17, 3, 0, -1, false, 0, true},
        {kCmdAddElectronicBalance, 18, 4, 0, -1, false, 0, true},
        {kCmdAddHighSensitivityBalance, 19, 4, 0, -1, false, 0, true},
        {kCmdAddConductivityMeter, 11, 0, 0, -1, false, 0, false},
        {kCmdAddWatchGlass, 8, 2, 0, -1, false, 0, false},
        {kCmdAddEvaporationDish, 9, 3, 100, -1, false, 0, false},
        {kCmdAddCalorimeter, 10, 4, 250, -1, false, 0, false},
        {kCmdAddHotPlate, 12, 0, 0, -1, false, 0, true},
        {kCmdAddMetalWire, 14, 10, 0, -1, false, 0, false},
        {kCmdAddEyeDropper, 16, 10, 0, -1, true, 0, false},
        {kCmdAddDumasBulb, 22, 2, 50, -1, false, 0, false},
        {kCmdAddInvertedBuret, 25, 2, 50, -1, true, kObjShowMeniscus, false},
        {kCmdAddSeparatoryFunnel, 27, 3, 100, -1, true, 0, false},
        {kCmdAddPaperChromatography, 28, 0, 0, -1, true, 0, false},
    };
    for (const auto& c : cases) {
        SetUp();
        Run(kCmdAdd100Beaker);  // something already on the bench
        DocumentModified = false;
        UndoValid = true;
        LabObjects[1].flowSetting = 7.0;
        Run(c.id);
        ASSERT_EQ(LabObjectCount, 2) << c.id;
        const int slot = c.atBack ? 1 : 2;
        const LabObject& o = LabObjects[slot];
        EXPECT_EQ(o.type, c.type) << c.id;
        EXPECT_EQ(o.sizeIndex, c.size) << c.id;
        const int state = c.state >= 0 ? c.state : EquipmentPrototype(c.type, false).stateBits;
        EXPECT_EQ(o.stateBits, state) << c.id;
        const int capacity = c.capacity ? c.capacity : TemplateCapacity(c.type, o.sizeIndex, o.stateBits);
        EXPECT_EQ(o.capacityMl, capacity) << c.id;
        if (c.zeroFlow) {
            EXPECT_EQ(o.flowSetting, 0.0) << c.id;
        }
        EXPECT_EQ(o.objectFlags, c.flags) << c.id;
        EXPECT_EQ(LabObjects[c.atBack ? 2 : 1].type, kBeaker) << c.id;
        EXPECT_TRUE(DocumentModified) << c.id;
        EXPECT_FALSE(UndoValid) << c.id;
        ASSERT_FALSE(bench.invalidated.empty());
        EXPECT_EQ(std::memcmp(&bench.invalidated.back(), &o.position, sizeof o.position), 0) << c.id;
    }
}

// The 10 ml test tube and cylinder stand in the larger one's picture: a full
// one is filled to the same height, takes proportionally smaller steps, and
// stays 10 ml through tipping, emptying, saving and reading back.
TEST_F(AddEquipmentCommands, TheTenMillilitreTubeAndCylinderHoldTenMillilitres) {
    const struct {
        int small, large;
    } pairs[] = {{kCmdAdd10TestTube, kCmdAddTestTube}, {kCmdAdd10Cylinder, kCmdAdd100Cylinder}};
    for (const auto& p : pairs) {
        SetUp();
        Run(p.large);
        Run(p.small);
        const LabObject& large = LabObjects[1];
        LabObject& o = LabObjects[2];
        ASSERT_EQ(o.capacityMl, 10) << p.small;
        const auto expectTenMl = [&](const char* after) {
            EXPECT_EQ(o.capacityMl, 10) << p.small << " after " << after;
            EXPECT_NEAR(o.liquidHeightScale * 100, large.liquidHeightScale * large.capacityMl * 10, 1e-3)
                << p.small << " after " << after;
            EXPECT_NEAR(o.addWaterStep, large.addWaterStep * 10 / large.capacityMl, 1e-4) << p.small << " after " << after;
            EXPECT_NEAR(o.pourStep, large.pourStep * 10 / large.capacityMl, 1e-4) << p.small << " after " << after;
        };
        expectTenMl("adding");
        EXPECT_EQ(o.pictureHeight, large.pictureHeight);

        // Water goes in step by step up to 10 ml and no further.
        SelectedObject = 2;
        ObjectSelected = true;
        for (int step = 0; step < 200; ++step) AddWaterStep(o, 293, bench);
        EXPECT_DOUBLE_EQ(o.liquidVolume, 100) << p.small;
        EXPECT_TRUE(IsObjectFull(o));

        ASSERT_EQ(TogglePourPosition(o, 0), 1);
        EXPECT_EQ(o.variant, 1);
        expectTenMl("tipping");
        TogglePourPosition(o, 0);
        expectTenMl("setting upright");
        ApplySaveTemplate(o);
        EXPECT_EQ(o.capacityMl, 10) << "in the lab file";
        ApplyScreenTemplate(o);
        expectTenMl("reading back");
        EmptyObject(o);
        expectTenMl("emptying");
        EXPECT_DOUBLE_EQ(o.liquidVolume, 0);
    }
}

TEST_F(AddEquipmentCommands, AddAtCursorPlacesOnceAndControlsClearIt) {
    ui.cursor = {400, 300};
    AddAtCursor = true;
    Run(kCmdAdd100Beaker);
    EXPECT_FALSE(AddAtCursor);
    const RectI32 first = LabObjects[1].position;
    EXPECT_TRUE(first.left == 400 || first.right == 400 || first.top == 300 || first.bottom == 300);
    Run(kCmdAdd100Beaker);  // default point now
    EXPECT_NE(std::memcmp(&LabObjects[2].position, &first, sizeof first), 0);

    AddAtCursor = true;
    ASSERT_TRUE(RouteCommand({kCmdAdd100Beaker, 0, true}));  // a toolbar button
    EXPECT_FALSE(AddAtCursor);
    const PointI32 d = UnpackBenchPoint(DefaultBenchPosition(kBeaker, LabObjects, 2));
    (void)d;
    EXPECT_NE(LabObjects[3].position.left, 400);
}

TEST_F(AddEquipmentCommands, BunsenBurnerStandsCentredUnderAVesselWithoutHeat) {
    for (int beakerCommand : {kCmdAdd100Beaker, kCmdAdd600Beaker}) {
        SetUp();
        ui.bunsenHeat = 250;  // out of range: clamped
        Run(beakerCommand);
        Select(1);
        Run(kCmdAddBunsenBurner);
        ASSERT_EQ(LabObjectCount, 2);
        const LabObject& beaker = LabObjects[1];
        const LabObject& burner = LabObjects[2];
        EXPECT_EQ(burner.type, kBunsenBurner);
        EXPECT_EQ(burner.position.left,
                  beaker.position.left + PrototypeWidth(kBeaker) / 2 - PrototypeWidth(kBunsenBurner) / 2);
        EXPECT_EQ(burner.position.top, beaker.position.bottom + 10);
        EXPECT_EQ(beaker.heatApplied, 99);
    }
    // A buret is no vessel to heat: the burner goes to its own place.
    SetUp();
    Run(kCmdAddBuretBody);
    Select(1);
    Run(kCmdAddBunsenBurner);
    const PointI32 home = UnpackBenchPoint(DefaultBenchPosition(kBunsenBurner, LabObjects, 1));
    EXPECT_EQ(LabObjects[1].heatApplied, 0);
    EXPECT_TRUE(LabObjects[2].position.left == home.x || LabObjects[2].position.top == home.y);
}

TEST_F(AddEquipmentCommands, BuretAimsAtTheSelectedVesselAndOpensTitration) {
    Run(kCmdAdd100Beaker);
    Select(1);
    Run(kCmdAddBuret);
    ASSERT_EQ(LabObjectCount, 2);
    const LabObject& beaker = LabObjects[1];
    const LabObject& buret = LabObjects[2];
    EXPECT_EQ(buret.type, kBuret);
    EXPECT_EQ(buret.pourTarget, 1);
    EXPECT_EQ(buret.position.bottom, beaker.position.top - 5);
    EXPECT_EQ(buret.position.right, beaker.position.left + 15 + (beaker.position.right - beaker.position.left) / 2);
    EXPECT_EQ(buret.objectFlags, kObjShowMeniscus);
    EXPECT_EQ(BuretUnderControl, 2);
    EXPECT_EQ(ui.titrationOpened, std::vector<int32_t>{2});

    // Again with the buret selected: nothing added, the dialog comes forward.
    Select(2);
    Run(kCmdAddBuret);
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_EQ(ui.titrationActivated, std::vector<int32_t>{2});

    // A new buret while the dialog is open retargets it.
    Select(1);
    Run(kCmdAddBuret);
    EXPECT_EQ(BuretUnderControl, 3);
    EXPECT_EQ(ui.titrationActivated.back(), 3);
}

TEST_F(AddEquipmentCommands, CancelledSyringeAndGeigerLeaveTheBenchButMarkIt) {
    ui.dialogAnswer = 0;
    for (int id : {kCmdAddSyringeGauge, kCmdAddSyringeSealed, kCmdAddGeigerCounter}) {
        DocumentModified = false;
        Run(id);
        EXPECT_EQ(LabObjectCount, 0) << id;
        EXPECT_TRUE(DocumentModified) << id;
    }
    EXPECT_EQ(ui.pauses, 2);
    EXPECT_EQ(ui.resumes, 2);
    ui.dialogAnswer = 1;
    Run(kCmdAddSyringeGauge);
    ASSERT_EQ(LabObjectCount, 1);
    EXPECT_EQ(LabObjects[1].reading1, 60.0);
    Run(kCmdAddSpectrophotometer);
    EXPECT_EQ(LabObjects[2].wavelength, 300);
    EXPECT_EQ(LabObjects[2].stateBits, 1);
}

TEST_F(AddEquipmentCommands, TheFiftyFirstAddChangesNothing) {
    for (int i = 0; i < kMaxLabObjects; ++i) Run(kCmdAddTestTube);
    ASSERT_EQ(LabObjectCount, 50);
    DocumentModified = false;
    UndoValid = true;
    for (int id : {kCmdAdd100Beaker, kCmdAddBunsenBurner, kCmdAddBuret, kCmdAddGeigerCounter,
                   kCmdAddSyringeGauge, kCmdAddElectrochemicalCell}) {
        const int dialogs = ui.dialogs;
        Run(id);
        EXPECT_EQ(LabObjectCount, 50) << id;
        EXPECT_FALSE(DocumentModified) << id;
        EXPECT_EQ(ui.dialogs, dialogs) << id;
    }
    EXPECT_EQ(ui.pauses, ui.resumes);
    EXPECT_FALSE(bench.warnings.empty());
}
