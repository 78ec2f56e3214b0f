// The contents commands on a bench of catalogue objects, with the dialogs
// replaced by scripted stand-ins.
#include "bench/commands/contents/contents_commands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/contents/label_text.h"
#include "bench/commands/contents/water_fill.h"
#include "bench/model/contents.h"
#include "bench/sim/sim_water_colour.h"
#include "tests/bench/contents_fixture.h"

using namespace contents_test;

namespace {

bool SameRect(const RectI32& a, const RectI32& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(ContentsTest, AddWaterReachesTheNextStep) {
    const int32_t i = Add(kBeaker);
    At(i).addWaterStep = 100;
    At(i).liquidVolume = 370;
    AddComponent(At(i), kWater, kPhaseLiquid, 37, 293);
    Select(i);
    Run(kCmdToolbarAddWater);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 400);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 40, 1e-9);
    Run(kCmdToolbarAddWater);  // a whole step from a step
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 500);
    EXPECT_TRUE(DocumentModified);
    Run(kCmdAddIceStep);
    EXPECT_NEAR(IceMass(At(i)), 0.92 * 10, 1e-9);
    EXPECT_EQ(ui_.pauses, 0);  // the timer runs
}

TEST_F(ContentsTest, WaterCommandNeedsAFillStepAndRoom) {
    const int32_t i = Add(kBeaker);
    Select(i);
    At(i).liquidVolume = At(i).capacityMl * 10.0;
    Run(kCmdWater);
    At(i).liquidVolume = 0;
    At(i).addWaterStep = 0;
    Run(kCmdWater);
    EXPECT_TRUE(dialogs_.opened.empty());
    EXPECT_FALSE(DocumentModified);
    At(i).addWaterStep = 50;
    dialogs_.answer = 0;
    Run(kCmdWater);
    EXPECT_EQ(dialogs_.opened.size(), 1u);
    EXPECT_TRUE(DocumentModified);  // any result
    EXPECT_EQ(ui_.pauses, 1);
    EXPECT_EQ(ui_.resumes, 1);
}

TEST(WaterLevels, OfferedFromTheNextStepToTheBrim) {
    LabObject v{};
    v.capacityMl = 100;
    v.addWaterStep = 50;
    v.liquidVolume = 250;
    const std::vector<int32_t> levels = WaterLevels(v);
    ASSERT_EQ(levels.size(), 15u);
    EXPECT_EQ(levels.front(), 300);
    EXPECT_EQ(levels.back(), 1000);
    EXPECT_EQ(WaterLevelText(levels.front(), ","), "30,0 ml");
    EXPECT_EQ(WaterLevelText(1000, "."), "100.0 ml");
    v.liquidVolume = 1000;
    EXPECT_TRUE(WaterLevels(v).empty());
    v.addWaterStep = 0;
    v.liquidVolume = 0;
    EXPECT_TRUE(WaterLevels(v).empty());
    v.addWaterStep = 50;
    v.solidVolume = 12;  // a dry vessel starts from its solid
    EXPECT_EQ(WaterLevels(v).front(), 150);
}

TEST_F(ContentsTest, WaterDialogChoices) {
    bench_.recording = true;
    const int32_t i = Add(kBeaker);
    At(i).capacityMl = 100;
    At(i).addWaterStep = 50;
    At(i).liquidVolume = 250;
    At(i).temperature = 313;
    AddComponent(At(i), kWater, kPhaseLiquid, 25, 313);
    // A chosen level: water at room temperature.
    EXPECT_DOUBLE_EQ(ApplyWaterChoice(At(i), false, 1, false, bench_), 100);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 350);
    EXPECT_NEAR(At(i).temperature, (250 * 313 + 100 * 293) / 350.0, 1e-3);
    // Ice water to the brim: 0.92 g per ml of ice at 253 K.
    EXPECT_DOUBLE_EQ(ApplyWaterChoice(At(i), true, 0, true, bench_), 650);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 1000);
    EXPECT_NEAR(IceMass(At(i)), 0.92 * 65, 1e-9);
    ASSERT_EQ(bench_.comments.size(), 2u);
    EXPECT_EQ(bench_.comments[0].first, "Add 10.0 ml of Water to Beaker");
    EXPECT_EQ(bench_.comments[1].first, "Add 65.0 ml of Ice Water to Beaker");
    EXPECT_EQ(bench_.comments[1].second, 6);
    // Full: nothing changes and nothing is said.
    const auto before = Snapshot();
    EXPECT_EQ(ApplyWaterChoice(At(i), true, 0, false, bench_), 0);
    EXPECT_EQ(ApplyWaterChoice(At(i), false, 0, false, bench_), 0);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(bench_.comments.size(), 2u);
}

TEST_F(ContentsTest, WaterMissingFromTheTableIsWhite) {
    table_[0].cas = 1;  // the lab has no water
    const int32_t i = Add(kBeaker);
    At(i).addWaterStep = 100;
    Select(i);
    At(i).liquidColour[0] = At(i).liquidColour[1] = At(i).liquidColour[2] = 0;
    Run(kCmdToolbarAddWater);
    EXPECT_EQ(At(i).liquidColour[0], 255);
    EXPECT_EQ(WaterColour(), 0xFFFFFFu);
    ApplyWaterChoice(At(i), false, 0, true, bench_);  // ice pales the colour the same way
    EXPECT_EQ(At(i).liquidColour[2], 255);
}

TEST_F(ContentsTest, AllChemicalsPreparesASpareBeaker) {
    const int32_t burner = Add(kBunsenBurner);
    Select(burner);
    Run(kCmdAllChemicals);
    EXPECT_TRUE(dialogs_.chemicalsOpened.empty());
    EXPECT_EQ(ui_.pauses, ui_.resumes);

    const int32_t flask = Add(kErlenmeyerFlask);
    Select(flask);
    dialogs_.answer = 0;
    Run(kCmdAllChemicals);
    ASSERT_EQ(dialogs_.chemicalsOpened.size(), 1u);
    EXPECT_EQ(dialogs_.chemicalsOpened[0], std::make_pair(flask, 1));
    EXPECT_EQ(At(flask + 1).type, kBeaker);  // written beyond the count
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_FALSE(UndoValid);
    EXPECT_FALSE(DocumentModified);

    dialogs_.answer = 2;
    Run(kCmdAllChemicals);
    EXPECT_EQ(LabObjectCount, 3);
    EXPECT_TRUE(DocumentModified);

    DocumentModified = false;
    dialogs_.answer = 1;
    bench_.frames.clear();
    Run(kCmdAllChemicals);
    EXPECT_EQ(LabObjectCount, 3);
    EXPECT_TRUE(DocumentModified);
    EXPECT_EQ(bench_.frames.size(), 2u);  // off at the old place, on at the new

    // Nothing selected: the dialog sees the last object and a spare after it.
    Select(0);
    Run(kCmdAllChemicals);
    EXPECT_EQ(dialogs_.chemicalsOpened.back(), std::make_pair(3, 1));
    EXPECT_EQ(ui_.pauses, ui_.resumes);
}

TEST_F(ContentsTest, AllChemicalsAtFiftyObjectsHasNoSpare) {
    for (int k = 0; k < kMaxLabObjects; ++k) Add(kBeaker, 10 + k, 400);
    Select(1);
    dialogs_.answer = 2;
    Run(kCmdAllChemicals);
    EXPECT_EQ(dialogs_.chemicalsOpened.back(), std::make_pair(1, 0));
    EXPECT_EQ(LabObjectCount, kMaxLabObjects);
}

TEST(LabelText, BlanksCloseUpOncePerPosition) {
    const std::pair<const char*, const char*> cases[] = {
        {"  A", " A"}, {" AB", "AB"}, {"ABC", "ABC"}, {"A B", "AB"}, {"ABCD", "ABC"}, {"", ""}, {"   ", " "},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(TidyLabel(typed), stored) << '"' << typed << '"';
    LabObject o{};
    StoreLabelAndNote(o, "ABC", std::string(200, 'n'));
    EXPECT_EQ(std::string(o.label, 3), "ABC");
    EXPECT_EQ(o.note[126], 'n');
    EXPECT_EQ(o.note[127], 0);
    EXPECT_EQ(LabelOf(o), "ABC");
    StoreLabelAndNote(o, " B", "");
    EXPECT_EQ(LabelOf(o), "B");
}

TEST_F(ContentsTest, EmptyAndPour) {
    const int32_t i = Add(kBeaker);
    At(i).liquidVolume = 200;
    AddComponent(At(i), kWater, kPhaseLiquid, 20, 293);
    Select(i);
    Run(kCmdEmptyContainer);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 0);
    EXPECT_EQ(TotalComponentMass(At(i)), 0);
    EXPECT_TRUE(DocumentModified);
}

TEST_F(ContentsTest, TransferIntoATooSmallContainerChangesNothing) {
    const int32_t source = Add(kBeaker);
    ASSERT_GE(At(source).capacityMl, 60);
    At(source).liquidVolume = 600;
    AddComponent(At(source), kWater, kPhaseLiquid, 60, 293);
    Select(source);
    // The new container: a 50 ml test tube.
    dialogs_.onDialog = [](LabObject& o) { ChangeContainer(o, kTestTube, 2); };
    bench_.recording = true;
    const auto before = Snapshot();
    UndoValid = false;
    Run(kCmdTransferToNew);
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0], std::make_pair(587, 588));
    EXPECT_TRUE(bench_.comments.empty());  // refused before it is told
    EXPECT_FALSE(DocumentModified);
}

TEST_F(ContentsTest, TransferMovesContentsIndicatorAndPrecipitate) {
    const int32_t source = Add(kBeaker);
    At(source).liquidVolume = 300;
    AddComponent(At(source), kWater, kPhaseLiquid, 30, 293);
    AddComponent(At(source), kSalt, kPhaseSolid, 4, 293);
    At(source).solidVolume = 2;
    At(source).indicatorId = 10100;
    At(source).indicatorAmount = 3;
    At(source).precipitate = 0.5;
    Select(source);
    dialogs_.onDialog = [](LabObject& o) { ChangeContainer(o, kBeaker, 4); };
    bench_.recording = true;
    Run(kCmdTransferToNew);
    ASSERT_EQ(LabObjectCount, 2);
    const LabObject& moved = At(2);
    EXPECT_EQ(moved.type, kBeaker);
    EXPECT_DOUBLE_EQ(moved.liquidVolume, 300);
    EXPECT_DOUBLE_EQ(moved.solidVolume, 2);
    EXPECT_NEAR(MassOfComponent(moved, kSalt, kPhaseSolid), 4, 1e-12);
    EXPECT_EQ(moved.indicatorId, 10100);
    EXPECT_DOUBLE_EQ(moved.precipitate, 0.5);
    EXPECT_EQ(moved.position.left, At(source).position.right + 5);
    EXPECT_EQ(At(source).indicatorId, 0);
    EXPECT_DOUBLE_EQ(At(source).precipitate, 0);
    EXPECT_DOUBLE_EQ(At(source).liquidVolume, 0);
    EXPECT_EQ(TotalComponentMass(At(source)), 0);
    EXPECT_EQ(moved.solidColour[0], 200);  // from the heaviest solid
    EXPECT_TRUE(DocumentModified);
    ASSERT_EQ(bench_.comments.size(), 1u);
    EXPECT_EQ(bench_.comments[0].first, "Transfer contents of Beaker to a new Beaker");
}

TEST_F(ContentsTest, BuchnerFunnelSequenceKeepsFramesMatched) {
    const int32_t flask = Add(kErlenmeyerFlask);
    ASSERT_TRUE(ChangeSize(At(flask), 4));  // the size that takes the funnel
    Select(flask);
    const RectI32 first = At(flask).position;
    Run(kCmdBuchnerFunnel);  // fits the funnel
    EXPECT_EQ(At(flask).stateBits, 1);
    ASSERT_EQ(bench_.frames.size(), 2u);
    EXPECT_TRUE(SameRect(bench_.frames[0], first));
    EXPECT_TRUE(SameRect(bench_.frames[1], first));

    // Suspended solid: the filter dialog decides. Cancel keeps the funnel.
    AddComponent(At(flask), kSalt, kPhaseSuspended, 3, 293);
    bench_.frames.clear();
    dialogs_.answer = 0;
    Run(kCmdBuchnerFunnel);
    EXPECT_EQ(At(flask).stateBits, 1);
    ASSERT_EQ(bench_.frames.size(), 2u);
    EXPECT_TRUE(SameRect(bench_.frames[0], bench_.frames[1]));
    EXPECT_EQ(LabObjectCount, 1);

    // Into a new container: the solid moves, the funnel comes off.
    bench_.frames.clear();
    dialogs_.answer = 1;
    Run(kCmdBuchnerFunnel);
    ASSERT_EQ(LabObjectCount, 2);
    EXPECT_NEAR(MassOfComponent(At(2), kSalt, kPhaseSolid | kPhaseSuspended), 3, 1e-9);
    EXPECT_NEAR(At(2).solidVolume, 3 / 2.0, 1e-9);
    EXPECT_EQ(MassByPhase(At(flask), kPhaseSuspended), 0);
    EXPECT_EQ(At(flask).stateBits, 0);
    ASSERT_EQ(bench_.frames.size(), 2u);
    EXPECT_TRUE(SameRect(bench_.frames[0], bench_.frames[1]));
    EXPECT_FALSE(dialogs_.receiverGiven);

    // Nothing selected: a new 250 ml flask with the funnel.
    Select(0);
    Run(kCmdBuchnerFunnel);
    ASSERT_EQ(LabObjectCount, 3);
    EXPECT_EQ(At(3).type, kErlenmeyerFlask);
    EXPECT_EQ(At(3).stateBits, 1);
}

TEST_F(ContentsTest, ExtractSeatsThePipetEightUnitsAboveTheBottom) {
    const int32_t beaker = Add(kBeaker, 100, 400);
    const int32_t pipet = Add(kPipet, 110, 380);
    ASSERT_TRUE(At(pipet).kindFlags & kKindDippable);
    Select(pipet);
    Run(kCmdExtractLiquid);
    EXPECT_EQ(At(pipet).host, beaker);
    EXPECT_EQ(At(beaker).hostedItem, pipet);
    EXPECT_EQ(At(pipet).position.bottom, At(beaker).position.bottom - 8);
    EXPECT_TRUE(At(pipet).objectFlags & kObjDipped);
    EXPECT_FALSE(ObjectSelected);
    EXPECT_EQ(dialogs_.selectionCleared, 1);
    EXPECT_TRUE(DocumentModified);

    // A second pipet may not go into an occupied beaker.
    const int32_t second = Add(kPipet, 120, 380);
    Select(second);
    const auto before = Snapshot();
    Run(kCmdExtractLiquid);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(bench_.warnings.back(), 523);

    // Nothing to dip into.
    Select(Add(kPipet, 900, 100));
    Run(kCmdExtractLiquid);
    EXPECT_EQ(bench_.warnings.back(), 532);
}

TEST_F(ContentsTest, ExtractWithTheWireDipsItBeforeItIsSeated) {
    // The straight wire is 177 wide: only its dipped picture (7 wide) passes
    // a test tube's opening.
    const struct {
        int32_t host;
        int32_t state;  // a flask with its funnel takes nothing
        bool seated;
    } cases[] = {{kTestTube, 0, true}, {kBeaker, 0, true}, {kEvaporationDish, 0, true}, {kWatchGlass, 0, true},
                 {kErlenmeyerFlask, 1, false}};
    for (const auto& c : cases) {
        SetUp();
        const int32_t host = Add(c.host, 100, 400);
        if (c.state) ASSERT_EQ(SetTemplateState(At(host), c.state), 1);
        const int32_t wire = Add(kMetalWire, 100, 400);
        ASSERT_EQ(At(wire).pictureWidth, 177);
        Select(wire);
        const LabObject straight = At(wire);
        Run(kCmdExtractMetalWire);
        if (!c.seated) {
            EXPECT_EQ(bench_.warnings.back(), 523) << c.host;
            EXPECT_EQ(std::memcmp(&At(wire), &straight, sizeof straight), 0) << "a refused wire stays straight";
            continue;
        }
        EXPECT_EQ(At(wire).host, host) << c.host;
        EXPECT_EQ(At(host).hostedItem, wire) << c.host;
        EXPECT_EQ(At(wire).stateBits & 0x1, 0x1) << c.host;
        EXPECT_EQ(At(wire).pictureWidth, 7) << c.host;
        EXPECT_EQ(At(wire).position.bottom, At(host).position.bottom - 8) << c.host;
        EXPECT_TRUE(At(wire).objectFlags & kObjDipped) << c.host;
    }
}

TEST_F(ContentsTest, FillInvertedBuretAddsWhatWasPoured) {
    const int32_t beaker = Add(kBeaker);
    const int32_t buret = Add(kInvertedBuret);
    At(beaker).hostedItem = buret;
    At(buret).host = beaker;
    At(beaker).liquidVolume = 400;
    AddComponent(At(beaker), kWater, kPhaseLiquid, 40, 293);
    At(buret).liquidVolume = 20;
    AddComponent(At(buret), kWater, kPhaseLiquid, 2, 293);
    MultiSelection.memberCount = 2;
    MultiSelection.members[0] = beaker;
    MultiSelection.members[1] = buret;
    ASSERT_GT(At(buret).capacityMl, 2);
    Run(kCmdFillInvertedBuret);
    const double gained = At(buret).liquidVolume - 20;
    EXPECT_GT(gained, 0);
    EXPECT_NEAR(gained, 400 - At(beaker).liquidVolume, 1e-9);  // what left the host arrived
    EXPECT_NEAR(MassOfComponent(At(buret), kWater, kPhaseLiquid), 2 + gained / 10, 1e-9);
    EXPECT_GE(At(beaker).liquidVolume, 0);
    EXPECT_TRUE(DocumentModified);

    // A hosted index that points nowhere is ignored.
    At(beaker).hostedItem = 77;
    const auto before = Snapshot();
    Run(kCmdFillInvertedBuret);
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace

namespace {

TEST_F(ContentsTest, TransferOntoABalanceMovesItToTheBackWithItsLinks) {
    const int32_t stand = Add(kBeaker, 50, 400);
    const int32_t source = Add(kBeaker, 300, 400);
    At(source).liquidVolume = 100;
    AddComponent(At(source), kWater, kPhaseLiquid, 10, 293);
    At(stand).pourTarget = source;
    Select(source);
    dialogs_.onDialog = [](LabObject& o) { ChangeContainer(o, kCentigramBalance, 3); };
    Run(kCmdTransferToNew);
    ASSERT_EQ(LabObjectCount, 3);
    EXPECT_EQ(At(1).type, kCentigramBalance);  // drawn first, under the rest
    EXPECT_NEAR(MassOfComponent(At(1), kWater, kPhaseLiquid), 10, 1e-12);
    EXPECT_EQ(SelectedObject, source + 1);      // the selection followed its object
    EXPECT_EQ(At(stand + 1).pourTarget, source + 1);
    EXPECT_EQ(ui_.repaints, 1);
}

}  // namespace
