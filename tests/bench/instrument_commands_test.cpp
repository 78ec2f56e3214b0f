#include "bench/commands/instruments/instrument_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "common/cas.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "tests/bench/fake_bench_seams.h"
#include "tests/bench/fake_instrument_seams.h"

namespace {

std::string Named(const char* prefix, int number) {
    std::string text(prefix);
    text.append(std::to_string(number));
    return text;
}

struct InstrumentCommands : testing::Test {
    FakeBenchSeams bench;
    FakeInstrumentSeams ui;

    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
        DocumentModified = false;
        UndoValid = true;
        ClearCommandHandlers();
        RegisterInstrumentCommands();
        bench.recording = true;
        for (int id = 640; id <= 733; ++id) bench.strings[id] = Named("s", id) + " %s";
        for (int type = 1; type <= 28; ++type) bench.strings[type] = Named("type", type);
    }
    void TearDown() override {
        ClearCommandHandlers();
        ResetLabObjects();
        MultiSelection = MultiSelectionState{};
    }
    // A new object of the type, selected; its index.
    int32_t Add(int32_t type) {
        LabObject* o = AddEquipment(LabObjects, type, 100 + 50 * LabObjectCount, 300, LabObjectCount, 1);
        EXPECT_NE(o, nullptr);
        ++LabObjectCount;
        const int32_t index = static_cast<int32_t>(o - LabObjects);
        Select(index);
        bench.comments.clear();  // the add's own comment
        return index;
    }
    void Select(int32_t index) {
        SelectedObject = index;
        ObjectSelected = index != 0;
    }
    void Run(int id) { ASSERT_TRUE(RouteCommand({id, 0, false})) << id; }
    std::vector<std::string> Comments() const {
        std::vector<std::string> texts;
        for (const auto& c : bench.comments) texts.push_back(c.first);
        return texts;
    }
};

}  // namespace

TEST(InstrumentKnobs, StepByWholeUnitsWithinZeroToFive) {
    double heat = 0;
    for (int i = 0; i < 5; ++i) heat = KnobUp(heat);
    EXPECT_EQ(heat, 5.0);
    EXPECT_EQ(KnobUp(heat), 5.0) << "a sixth keeps 5.0";
    EXPECT_EQ(KnobDown(0.0), 0.0);
    EXPECT_EQ(KnobDown(5.0), 4.0);
    EXPECT_EQ(KnobDown(0.5), 0.0);
    EXPECT_EQ(KnobUp(4.5), 5.0);
}

TEST_F(InstrumentCommands, HeatCommandsActOnAHotPlateOrAFlaskInItsMantleOnly) {
    const int32_t plate = Add(kHotPlate);
    for (int i = 0; i < 6; ++i) Run(kCmdIncreaseHeat);
    EXPECT_EQ(LabObjects[plate].reading1, 5.0);
    Run(kCmdHeatOff);
    EXPECT_EQ(LabObjects[plate].reading1, 0.0);
    Run(kCmdDecreaseHeat);
    EXPECT_EQ(LabObjects[plate].reading1, 0.0);
    Run(kCmdMaxHeat);
    EXPECT_EQ(LabObjects[plate].reading1, 5.0);
    Run(kCmdIncreaseStir);
    Run(kCmdIncreaseStir);
    EXPECT_EQ(LabObjects[plate].reading2, 2.0) << "the stirrer is the second knob";
    EXPECT_EQ(LabObjects[plate].reading1, 5.0);
    EXPECT_TRUE(DocumentModified);
    EXPECT_EQ(Comments()[0], "s657 %s");

    const int32_t flask = Add(kRoundBottomFlask);
    DocumentModified = false;
    Run(kCmdIncreaseHeat);
    EXPECT_EQ(LabObjects[flask].reading1, 0.0) << "no mantle, no heat";
    EXPECT_FALSE(DocumentModified);
    Run(kCmdHeatingMantle);
    ASSERT_EQ(LabObjects[flask].stateBits, 0x20);
    Run(kCmdIncreaseHeat);
    Run(kCmdIncreaseHeat);
    EXPECT_EQ(LabObjects[flask].reading1, 2.0);
    Run(kCmdIncreaseStir);
    EXPECT_EQ(LabObjects[flask].reading2, 0.0) << "only a hot plate stirs";
}

TEST(FlaskParts, EachCommandAddsOrTakesAwayItsPart) {
    const struct {
        int command;
        int32_t from, to;
        bool removes;
    } cases[] = {
        {kCmdDistillationHead, 0x0, 0x4, false},     {kCmdDistillationHead, 0x20, 0x24, false},
        {kCmdDistillationHead, 0x24, 0x20, true},    {kCmdRefluxCondenser, 0x0, 0x40, false},
        {kCmdRefluxCondenser, 0x20, 0x60, false},    {kCmdRefluxCondenser, 0x60, 0x20, true},
        {kCmdHeatingMantle, 0x4, 0x24, false},       {kCmdHeatingMantle, 0x24, 0x4, true},
        {kCmdCondenser, 0x4, 0xC, false},            {kCmdCondenser, 0x24, 0x2C, false},
        {kCmdCondenser, 0xC, 0x4, true},             {kCmdDistillationTakeOff, 0xC, 0x1C, false},
        {kCmdDistillationTakeOff, 0x2C, 0x3C, false}, {kCmdDistillationTakeOff, 0x1C, 0xC, true},
    };
    for (const auto& c : cases) {
        bool removes = !c.removes;
        EXPECT_EQ(FlaskPartState(c.command, c.from, &removes), c.to) << c.command << " on " << c.from;
        EXPECT_EQ(removes, c.removes) << c.command << " on " << c.from;
    }
}

TEST_F(InstrumentCommands, FlaskPartsReTemplateAndReframeTheFlask) {
    const int32_t flask = Add(kRoundBottomFlask);
    const int32_t width = LabObjects[flask].pictureWidth;
    Run(kCmdHeatingMantle);
    Run(kCmdDistillationHead);
    EXPECT_EQ(LabObjects[flask].stateBits, 0x24);
    Run(kCmdCondenser);
    EXPECT_EQ(LabObjects[flask].stateBits, 0x2C);
    EXPECT_GT(LabObjects[flask].pictureWidth, width);
    EXPECT_EQ(bench.frames.size(), 6u) << "one frame off and one on per command";
    EXPECT_TRUE(DocumentModified);
}

TEST_F(InstrumentCommands, FunnelStatesAreSetWhole) {
    const int32_t funnel = Add(kSeparatoryFunnel);
    Run(kCmdStopper);
    EXPECT_EQ(LabObjects[funnel].stateBits, kFunnelStoppered);
    Run(kCmdStopcock);
    EXPECT_EQ(LabObjects[funnel].stateBits, kFunnelStopcockOpen) << "opening unstoppers it";
    EXPECT_EQ(LabObjects[funnel].flowSetting, 10.0);
    Run(kCmdShakeFunnel);
    EXPECT_EQ(LabObjects[funnel].stateBits, kFunnelStoppered);
    EXPECT_EQ(LabObjects[funnel].stirringState, 25);
    EXPECT_EQ(LabObjects[funnel].flowSetting, 0.0);
    Run(kCmdStopcock);
    Run(kCmdStopcock);
    EXPECT_EQ(LabObjects[funnel].stateBits, 0);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"Add/Remove Stopper", "Open separatory funnel valve",
                                                     "Open separatory funnel valve",
                                                     "Close separatory funnel valve"}));
}

TEST_F(InstrumentCommands, StartTimerResumesAPausedStopwatchAndRestartsARunningOne) {
    const int32_t counter = Add(kGeigerCounter);
    LabObject& watch = LabObjects[counter];
    watch.objectFlags = kObjStopwatchRunning | 0x20;
    watch.stopwatchCount = 42;
    Run(kCmdStartTimer);
    EXPECT_EQ(watch.objectFlags & 0x30, kObjStopwatchRunning);
    EXPECT_EQ(watch.stopwatchCount, 42);
    Run(kCmdStartTimer);
    EXPECT_EQ(watch.stopwatchCount, 0);
    watch.stopwatchCount = 7;
    Run(kCmdPauseTimer);
    EXPECT_EQ(watch.objectFlags & 0x30, 0x30u);
    Run(kCmdResumeTimer);
    EXPECT_EQ(watch.objectFlags & 0x30, 0x10u);
    EXPECT_EQ(watch.stopwatchCount, 7);
    Run(kCmdCloseTimer);
    EXPECT_EQ(watch.objectFlags & 0x30, 0u);
    EXPECT_EQ(watch.stopwatchCount, 0);
    EXPECT_EQ(ui.selectNothing, 1);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(InstrumentCommands, CloseTimerNeedsASelectedStopwatchWithinTheBench) {
    const int32_t counter = Add(kGeigerCounter);
    LabObjects[counter].objectFlags = kObjStopwatchRunning;
    LabObjects[counter].stopwatchCount = 9;
    const int32_t beaker = Add(kBeaker);
    LabObjects[beaker].kindFlags &= ~0x20000000u;
    LabObjects[beaker].objectFlags = kObjStopwatchRunning;
    Run(kCmdCloseTimer);
    EXPECT_EQ(LabObjects[beaker].objectFlags, kObjStopwatchRunning) << "no stopwatch";
    Select(7);  // beyond the count
    Run(kCmdCloseTimer);
    Select(counter);
    ObjectSelected = false;
    Run(kCmdCloseTimer);
    EXPECT_EQ(LabObjects[counter].stopwatchCount, 9);
    EXPECT_TRUE(bench.comments.empty());
    EXPECT_EQ(ui.wholeBench, 0);
}

TEST_F(InstrumentCommands, ReleaseLiquidLetsTheHostGoOnlyOfThisObject) {
    const int32_t beaker = Add(kBeaker);
    const int32_t pipet = Add(kPipet);
    const int32_t dropper = Add(kEyeDropper);
    LabObjects[pipet].host = beaker;
    LabObjects[beaker].hostedItem = dropper;  // holds another object
    Select(pipet);
    Run(kCmdReleaseLiquid);
    EXPECT_EQ(LabObjects[pipet].host, 0);
    EXPECT_EQ(LabObjects[beaker].hostedItem, dropper);
    EXPECT_EQ(LabObjects[pipet].flowSetting, 10.0);
    EXPECT_EQ(LabObjects[pipet].objectFlags & kObjDipped, kObjDipped);

    LabObjects[dropper].host = beaker;
    Select(dropper);
    Run(kCmdReleaseLiquid);
    EXPECT_EQ(LabObjects[beaker].hostedItem, 0);
    EXPECT_EQ(LabObjects[dropper].flowSetting, 0.5);

    LabObjects[dropper].host = 40;  // beyond the count: nothing else is touched
    Run(kCmdReleaseLiquid);
    EXPECT_EQ(LabObjects[dropper].host, 0);
    Run(kCmdStopRelease);
    EXPECT_EQ(LabObjects[dropper].flowSetting, 0.0);
    EXPECT_FALSE(DocumentModified);
}

TEST_F(InstrumentCommands, ReleaseDropperAndItsMenuItemShareOnePredicate) {
    const int32_t flask = Add(kErlenmeyerFlask);
    LabObject& f = LabObjects[flask];
    ChangeSize(f, 3);
    SetTemplateState(f, 0x4);
    ASSERT_EQ(f.sizeIndex, 3);
    ASSERT_EQ(f.stateBits, 0x4);
    EXPECT_EQ(ReleaseDropperFlask(), 0) << "nothing held apart";
    AddComponent(f, kCasWater, kPhaseLiquid | kPhaseHeldApart, 5, 293);
    EXPECT_EQ(ReleaseDropperFlask(), flask);
    const int32_t dropper = Add(kEyeDropper);
    Select(0);
    MultiSelection.memberCount = 2;
    MultiSelection.members[0] = dropper;
    MultiSelection.members[1] = flask;
    EXPECT_EQ(ReleaseDropperFlask(), 0) << "only the first of a pair";
    MultiSelection.members[0] = flask;
    MultiSelection.members[1] = dropper;
    EXPECT_EQ(ReleaseDropperFlask(), flask);
    Run(kCmdReleaseDropper);
    EXPECT_EQ(MassByPhase(LabObjects[flask], kPhaseHeldApart), 0.0);
    EXPECT_EQ(ReleaseDropperFlask(), 0);
}

namespace {

enum Situation { kCollectingElsewhere, kDataLeft, kNoPointsYet };

}  // namespace

TEST_F(InstrumentCommands, CollectTitrationDataAsksOnceAndKeepsAtMostOneDataset) {
    const struct {
        Situation situation;
        bool yes;
        int questions;
        bool starts;
        std::vector<int32_t> events;
    } cases[] = {
        {kCollectingElsewhere, true, 1, true, {2001, 2002}},
        {kCollectingElsewhere, false, 1, false, {}},
        {kDataLeft, true, 1, true, {2001, 2002}},
        {kDataLeft, false, 1, false, {}},
        {kNoPointsYet, true, 0, true, {2002}},
        {kNoPointsYet, false, 0, true, {2002}},
    };
    for (const auto& c : cases) {
        SetUp();
        bench.comments.clear();
        const int32_t first = Add(kBeaker);
        const int32_t second = Add(kBeaker);
        ui = FakeInstrumentSeams();
        SetInstrumentSeams(&ui);
        ui.answers = {c.yes};
        if (c.situation == kCollectingElsewhere) {
            LabObjects[first].collectTitration = 1;
            ui.pointsExist = true;
            ui.datasetCount = 1;
        } else if (c.situation == kDataLeft) {
            ui.pointsExist = true;
            ui.datasetCount = 1;
        }
        Select(second);
        Run(kCmdCollectTitrationData);
        SCOPED_TRACE(testing::Message() << "situation " << c.situation << " yes " << c.yes);
        EXPECT_EQ(ui.questions, c.questions);
        EXPECT_EQ(LabObjects[second].collectTitration, c.starts ? 1 : 0);
        EXPECT_EQ(LabObjects[first].collectTitration, c.situation == kCollectingElsewhere && !c.yes ? 1 : 0);
        EXPECT_EQ(ui.datasetCount, c.starts ? 1 : (c.situation == kNoPointsYet ? 0 : 1));
        EXPECT_EQ(ui.events, c.events);
        EXPECT_EQ(Comments(), c.starts ? std::vector<std::string>{"s678 type3"} : std::vector<std::string>{});
        if (c.starts) {
            EXPECT_EQ(LabObjects[second].phShown, 1);
        }
    }
    SetInstrumentSeams(nullptr);
}

TEST_F(InstrumentCommands, CollectingAgainStopsAndKeepsTheDataAndOtherVesselsAreRefused) {
    const int32_t beaker = Add(kBeaker);
    LabObjects[beaker].collectTitration = 1;
    LabObjects[beaker].titrantDelivered = 3.5;
    ui.datasetCount = 1;
    ui.pointsExist = true;
    Run(kCmdCollectTitrationData);
    EXPECT_EQ(LabObjects[beaker].collectTitration, 0);
    EXPECT_EQ(LabObjects[beaker].titrantDelivered, 0.0);
    EXPECT_EQ(ui.datasetCount, 1);
    EXPECT_TRUE(ui.pointsExist);
    EXPECT_EQ(Comments(), std::vector<std::string>{"s677 type3"});

    Add(kBunsenBurner);
    Run(kCmdCollectTitrationData);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], std::make_pair(586, 585));
}

TEST_F(InstrumentCommands, ViewTitrationDataRecordsItsEventWithOrWithoutASelection) {
    Run(kCmdViewTitrationData);
    Add(kBeaker);
    Run(kCmdViewTitrationData);
    EXPECT_EQ(ui.events, (std::vector<int32_t>{2000, 2000}));
    EXPECT_EQ(ui.dataWindowShown, 2);
}

TEST_F(InstrumentCommands, ReadOutsToggleAndShowWeightWithoutABalanceAddsOne) {
    int added = 0;
    const CommandEntry add = {kCmdAddCentigramBalance, [](const CommandMessage&) { ++LabObjectCount; }};
    RegisterCommands(&add, 1);
    Run(kCmdShowWeight);
    EXPECT_EQ(LabObjectCount, 1) << "the balance command ran";
    added = LabObjectCount;
    ResetLabObjects();
    const int32_t beaker = Add(kBeaker);
    Run(kCmdShowWeight);
    EXPECT_EQ(LabObjects[beaker].readoutShown, 1);
    EXPECT_EQ(ui.wholeBench, 0);
    Run(kCmdShowWeight);
    EXPECT_EQ(LabObjects[beaker].readoutShown, 0);
    EXPECT_EQ(ui.wholeBench, 1);
    EXPECT_EQ(ui.selectNothing, 1);
    Select(beaker);
    Run(kCmdPhMeter);
    EXPECT_EQ(LabObjects[beaker].phShown, 1);
    Run(kCmdLightSource);
    EXPECT_EQ(LabObjects[beaker].objectFlags & kObjLightOn, kObjLightOn);
    EXPECT_EQ(Comments(), (std::vector<std::string>{"s651 %s", "s652 %s", "s653 %s", "s727 %s"}));
    EXPECT_EQ(added, 1);
}

TEST_F(InstrumentCommands, SetGasSyringeVolumeMarksChangedOnOkOnly) {
    Add(kGasSyringe);
    ui.syringeAnswer = 0;
    Run(kCmdSetSyringeVolume);
    EXPECT_FALSE(DocumentModified);
    ui.syringeAnswer = 1;
    Run(kCmdSetSyringeVolume);
    EXPECT_TRUE(DocumentModified);
    EXPECT_FALSE(UndoValid);
    EXPECT_EQ(ui.syringeDialogs, 2);
}
