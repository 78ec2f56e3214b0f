#include "bench/commands/menus/menu_state.h"

#include <gtest/gtest.h>

#include "bench/commands/command_ids.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/equipment_type.h"

namespace {

constexpr ItemEnable kOn = ItemEnable::Enabled;
constexpr ItemEnable kGrey = ItemEnable::Grayed;
constexpr ItemEnable kKeep = ItemEnable::Keep;
constexpr ItemCheck kChecked = ItemCheck::Checked;
constexpr ItemCheck kUnchecked = ItemCheck::Unchecked;
constexpr ItemCheck kAny = ItemCheck::Keep;  // in an expectation: do not look

LabObject Object(int32_t type, uint32_t kind = 0, int16_t state = 0) {
    LabObject o{};
    o.type = type;
    o.kindFlags = kind;
    o.stateBits = state;
    return o;
}

struct Expect {
    int id;
    ItemEnable enable;
    ItemCheck check;
};

void ExpectItems(const MenuStateDecision& d, std::initializer_list<Expect> expected, const char* what) {
    for (const Expect& e : expected) {
        const MenuItemRule* rule = d.Find(e.id);
        ASSERT_NE(rule, nullptr) << what << ": no rule for " << e.id;
        EXPECT_EQ(rule->enable, e.enable) << what << ": enable of " << e.id;
        if (e.check != kAny) EXPECT_EQ(rule->check, e.check) << what << ": check of " << e.id;
    }
}

ItemEnable Submenu(const MenuStateDecision& d, int position) {
    for (const SubmenuRule& s : d.submenus)
        if (s.position == position) return s.enable;
    return kKeep;
}

TEST(MenuState, PopupsFollowTheirPositionAndHelpGetsNothing) {
    EXPECT_EQ(MenuPopupAtPosition(0), MenuPopup::File);
    EXPECT_EQ(MenuPopupAtPosition(4), MenuPopup::Procedures);
    EXPECT_EQ(MenuPopupAtPosition(6), MenuPopup::Options);
    EXPECT_EQ(MenuPopupAtPosition(7), MenuPopup::None);
    EXPECT_EQ(MenuPopupAtPosition(-1), MenuPopup::None);
    MenuFacts facts;
    EXPECT_TRUE(DecideMenuState(MenuPopup::None, facts).items.empty());
}

TEST(MenuState, WithoutAModuleTheCapabilityItemsAreGrey) {
    MenuFacts facts;  // style 0
    const MenuStateDecision eq = DecideMenuState(MenuPopup::Equipment, facts);
    for (int id : {kCmdAddCalorimeter, kCmdAddConductivityMeter, kCmdAddMetalWire, kCmdAddElectrochemicalCell,
                   kCmdAddInvertedBuret, kCmdAddSpectrophotometer, kCmdAddDumasBulb, kCmdAddGeigerCounter,
                   kCmdAddPaperChromatography, kCmdVaporPressureAssembly})
        EXPECT_EQ(eq.Find(id)->enable, kGrey) << id;
    const MenuStateDecision proc = DecideMenuState(MenuPopup::Procedures, facts);
    EXPECT_EQ(proc.Find(kCmdViewTitrationData)->enable, kGrey);
    EXPECT_EQ(Submenu(proc, 22), kGrey);
    EXPECT_EQ(proc.Find(kCmdReleaseDropper), nullptr);  // under a grey submenu, left alone
    ExpectItems(DecideMenuState(MenuPopup::File, facts), {{kCmdCreateNewUdl, kGrey, kAny}}, "file");

    facts.style = 0xffffffff;
    const MenuStateDecision all = DecideMenuState(MenuPopup::Equipment, facts);
    for (int id : {kCmdAddCalorimeter, kCmdAddGeigerCounter, kCmdAddPaperChromatography})
        EXPECT_EQ(all.Find(id)->enable, kOn) << id;
    EXPECT_EQ(Submenu(DecideMenuState(MenuPopup::Procedures, facts), 22), kOn);
}

TEST(MenuState, FileFollowsRecordingAndTheUserLab) {
    MenuFacts facts;
    facts.style = 0x8;
    ExpectItems(DecideMenuState(MenuPopup::File, facts),
                {{kCmdCreateNewUdl, kOn, kAny}, {kCmdEditUdl, kGrey, kAny}, {kCmdStartRecording, kOn, kAny},
                 {kCmdPlayLabDemo, kOn, kAny}, {kCmdStopRecording, kGrey, kAny}, {kCmdAddMessage, kGrey, kAny}},
                "idle");
    facts.udlNamed = true;
    facts.demoRecording = true;
    ExpectItems(DecideMenuState(MenuPopup::File, facts),
                {{kCmdEditUdl, kOn, kAny}, {kCmdStartRecording, kGrey, kAny}, {kCmdPlayLabDemo, kGrey, kAny},
                 {kCmdStopRecording, kOn, kAny}, {kCmdAddMessage, kOn, kAny}},
                "recording");
}

TEST(MenuState, EditFollowsSelectionPanesAndClipboard) {
    const LabObject beaker = Object(kBeaker);
    struct Case {
        const char* what;
        bool sel, procedureSelection, observationsSelection, observationsFocused, canPaste, labObjects;
        ItemEnable cut, copy, paste;
    } cases[] = {
        {"nothing", false, false, false, false, false, false, kGrey, kGrey, kGrey},
        {"an object", true, false, false, false, false, false, kOn, kOn, kGrey},
        {"procedure text", false, true, false, false, false, false, kGrey, kOn, kGrey},
        {"observations text", false, false, true, false, false, false, kOn, kOn, kGrey},
        {"bench, objects on clipboard", false, false, false, false, true, true, kGrey, kGrey, kOn},
        {"bench, text on clipboard", false, false, false, false, true, false, kGrey, kGrey, kGrey},
        {"observations, text on clipboard", false, false, false, true, true, false, kGrey, kGrey, kOn},
        {"observations, only objects", false, false, false, true, false, true, kGrey, kGrey, kGrey},
    };
    for (const Case& c : cases) {
        MenuFacts facts;
        facts.sel = c.sel ? &beaker : nullptr;
        facts.observationsHasSelection = c.observationsSelection;
        facts.anyPaneHasSelection = c.observationsSelection || c.procedureSelection;
        facts.observationsFocused = c.observationsFocused;
        facts.observationsCanPaste = c.canPaste;
        facts.labObjectOnClipboard = c.labObjects;
        ExpectItems(DecideMenuState(MenuPopup::Edit, facts),
                    {{kCmdCut, c.cut, kAny}, {kCmdDelete, c.cut, kAny}, {kCmdCopy, c.copy, kAny},
                     {kCmdPaste, c.paste, kAny}, {kCmdUndo, kGrey, kAny}},
                    c.what);
    }
    MenuFacts several;
    several.multiCount = 2;
    several.undoValid = true;
    ExpectItems(DecideMenuState(MenuPopup::Edit, several),
                {{kCmdCut, kOn, kAny}, {kCmdCopy, kOn, kAny}, {kCmdUndo, kOn, kAny}}, "multi");
}

TEST(MenuState, RoundBottomFlaskParts) {
    struct Case {
        int16_t state;
        ItemEnable head, reflux, condenser, takeOff;
        ItemCheck headCheck, refluxCheck, mantleCheck;
    } cases[] = {
        {0x0, kOn, kOn, kGrey, kGrey, kUnchecked, kUnchecked, kUnchecked},
        {0x20, kOn, kOn, kGrey, kGrey, kUnchecked, kUnchecked, kChecked},
        {0x4, kOn, kGrey, kOn, kGrey, kChecked, kUnchecked, kUnchecked},  // head fitted
        {0xc, kGrey, kGrey, kOn, kOn, kChecked, kUnchecked, kUnchecked},
        {0x1c, kGrey, kGrey, kGrey, kOn, kChecked, kUnchecked, kUnchecked},
        {0x40, kGrey, kOn, kGrey, kGrey, kUnchecked, kChecked, kUnchecked},
        {0x60, kGrey, kOn, kGrey, kGrey, kUnchecked, kChecked, kChecked},
    };
    for (const Case& c : cases) {
        const LabObject flask = Object(kRoundBottomFlask, 0, c.state);
        MenuFacts facts;
        facts.sel = &flask;
        const std::string what = "state " + std::to_string(c.state);
        ExpectItems(DecideMenuState(MenuPopup::Equipment, facts),
                    {{kCmdDistillationHead, c.head, c.headCheck},
                     {kCmdRefluxCondenser, c.reflux, c.refluxCheck},
                     {kCmdHeatingMantle, kOn, c.mantleCheck},
                     {kCmdCondenser, c.condenser, kAny},
                     {kCmdDistillationTakeOff, c.takeOff, kAny}},
                    what.c_str());
    }
    // Another kind selected: greyed, check marks left as they were.
    const LabObject beaker = Object(kBeaker);
    MenuFacts facts;
    facts.sel = &beaker;
    const MenuStateDecision d = DecideMenuState(MenuPopup::Equipment, facts);
    for (int id : {kCmdDistillationHead, kCmdRefluxCondenser, kCmdHeatingMantle, kCmdCondenser, kCmdDistillationTakeOff})
        ExpectItems(d, {{id, kGrey, ItemCheck::Keep}}, "beaker");
    EXPECT_EQ(d.Find(kCmdCondenser)->check, ItemCheck::Keep);
}

TEST(MenuState, VaporPressureAssemblyIsGreyedWhenItDoesNotApply) {
    LabObject flask = Object(kErlenmeyerFlask, 0, 0x4);
    flask.sizeIndex = 3;
    MenuFacts facts;
    facts.sel = &flask;
    facts.style = 0x100000;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts), {{kCmdVaporPressureAssembly, kOn, kChecked}}, "fitted");
    flask.stateBits = 0x5;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts), {{kCmdVaporPressureAssembly, kOn, kUnchecked}}, "0x5");
    flask.sizeIndex = 1;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts), {{kCmdVaporPressureAssembly, kGrey, ItemCheck::Keep}},
                "small flask");
}

TEST(MenuState, InstrumentItemsFollowKindFlags) {
    LabObject beaker = Object(kBeaker, kKindWeighable | kKindTakesThermometer | kKindStirrable | kKindTakesPhMeter |
                                           kKindTakesWater | 0x200);
    beaker.readoutShown = 1;
    beaker.thermometerInserted = 1;
    beaker.phShown = 0;
    beaker.objectFlags = kObjLightOn | kObjShowMeniscus;
    MenuFacts facts;
    facts.sel = &beaker;
    // Style 0: the pH meter and the light source need the module.
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts),
                {{kCmdShowWeight, kOn, kChecked}, {kCmdThermometer, kOn, kChecked}, {kCmdStirringRod, kOn, kUnchecked},
                 {kCmdPhMeter, kGrey, kUnchecked}, {kCmdBuchnerFunnel, kGrey, kUnchecked},
                 {kCmdLightSource, kGrey, kChecked}},
                "beaker, style 0");
    facts.style = 0x8001;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts), {{kCmdPhMeter, kOn, kAny}, {kCmdLightSource, kOn, kAny}},
                "beaker, titration and light");
    ExpectItems(DecideMenuState(MenuPopup::Chemicals, facts),
                {{kCmdWater, kOn, kAny}, {kCmdIndicators, kGrey, kAny}, {kCmdAllChemicals, kOn, kAny}}, "chemicals");
    ExpectItems(DecideMenuState(MenuPopup::Options, facts), {{kCmdShowMeniscus, kOn, kChecked}}, "meniscus");
    // A built-in thermometer: the item cannot be chosen but shows checked.
    const LabObject meter = Object(kConductivityMeter, kKindTakesThermometer | kKindBuiltInThermometer);
    facts.sel = &meter;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts), {{kCmdThermometer, kGrey, kChecked}}, "built in");
    // No selection: every selection rule is false.
    facts.sel = nullptr;
    ExpectItems(DecideMenuState(MenuPopup::Equipment, facts),
                {{kCmdShowWeight, kGrey, kUnchecked}, {kCmdLightSource, kGrey, kUnchecked}}, "none");
}

TEST(MenuState, HotPlateKnobsAndStirrer) {
    struct Case {
        double heat, stir;
        ItemEnable off, up, stirOff, stirUp;
    } cases[] = {
        {0, 0, kGrey, kOn, kGrey, kOn},
        {5, 5, kOn, kGrey, kOn, kGrey},
        {2, 4.5, kOn, kOn, kOn, kOn},
    };
    for (const Case& c : cases) {
        LabObject plate = Object(kHotPlate);
        plate.reading1 = c.heat;
        plate.reading2 = c.stir;
        MenuFacts facts;
        facts.sel = &plate;
        const MenuStateDecision d = DecideMenuState(MenuPopup::Options, facts);
        EXPECT_EQ(Submenu(d, 5), kOn);
        EXPECT_EQ(Submenu(d, 6), kOn);
        EXPECT_EQ(Submenu(d, 4), kGrey);
        const std::string what = "heat " + std::to_string(c.heat);
        ExpectItems(d,
                    {{kCmdHeatOff, c.off, kAny}, {kCmdDecreaseHeat, c.off, kAny}, {kCmdIncreaseHeat, c.up, kAny},
                     {kCmdMaxHeat, c.up, kAny}, {kCmdStirOff, c.stirOff, kAny}, {kCmdDecreaseStir, c.stirOff, kAny},
                     {kCmdIncreaseStir, c.stirUp, kAny}},
                    what.c_str());
    }
    // A mantle-heated flask has the heat knob, not the stirrer.
    const LabObject flask = Object(kRoundBottomFlask, 0, 0x20);
    MenuFacts facts;
    facts.sel = &flask;
    const MenuStateDecision d = DecideMenuState(MenuPopup::Options, facts);
    EXPECT_EQ(Submenu(d, 6), kOn);
    EXPECT_EQ(Submenu(d, 5), kGrey);
    EXPECT_EQ(d.Find(kCmdStirOff), nullptr);
}

TEST(MenuState, OptionsPrintChecksModesAndBalances) {
    LabObject meter = Object(kConductivityMeter);
    meter.reading2 = 1.0;
    MenuFacts facts;
    facts.sel = &meter;
    facts.printOptions = 0x5;
    facts.showLabBench = true;
    ExpectItems(DecideMenuState(MenuPopup::Options, facts),
                {{kCmdAtcMode, kKeep, kChecked}, {kCmdRawMode, kKeep, kUnchecked},
                 {kCmdPrintIntroduction, kOn, kChecked}, {kCmdPrintProcedure, kOn, kUnchecked},
                 {kCmdPrintObservations, kOn, kChecked}, {kCmdPrintLabSpace, kOn, kUnchecked},
                 {kCmdShowLabBench, kKeep, kChecked}, {kCmdZeroBalance, kGrey, kAny}},
                "atc");
    meter.reading2 = 0.0;
    ExpectItems(DecideMenuState(MenuPopup::Options, facts), {{kCmdAtcMode, kKeep, kUnchecked}, {kCmdRawMode, kKeep, kChecked}},
                "raw");
    for (int32_t type : {kCentigramBalance, kElectronicBalance, kHighSensitivityBalance}) {
        const LabObject balance = Object(type);
        facts.sel = &balance;
        ExpectItems(DecideMenuState(MenuPopup::Options, facts), {{kCmdZeroBalance, kOn, kAny}}, "balance");
    }
}

TEST(MenuState, ProceduresSubmenusAndTheirItems) {
    MenuFacts facts;
    LabObject pipet = Object(kPipet, kKindDippable);
    facts.sel = &pipet;
    MenuStateDecision d = DecideMenuState(MenuPopup::Procedures, facts);
    EXPECT_EQ(Submenu(d, 5), kOn);
    ExpectItems(d, {{kCmdReleaseLiquid, kGrey, kAny}, {kCmdChemicalProperties, kOn, kAny}}, "empty pipet");
    pipet.liquidVolume = 30;
    ExpectItems(DecideMenuState(MenuPopup::Procedures, facts),
                {{kCmdReleaseLiquid, kOn, kAny}, {kCmdStopRelease, kOn, kAny}}, "full pipet");

    LabObject cuvette = Object(kCuvette, 0, 0x1);
    facts.sel = &cuvette;
    d = DecideMenuState(MenuPopup::Procedures, facts);
    EXPECT_EQ(Submenu(d, 14), kOn);
    ExpectItems(d, {{kCmdInsertSample, kOn, kAny}, {kCmdRemoveSample, kGrey, kAny}}, "cuvette");

    LabObject stopwatch = Object(kBeaker, 0x20000000);
    facts.sel = &stopwatch;
    ExpectItems(DecideMenuState(MenuPopup::Procedures, facts),
                {{kCmdStartTimer, kOn, kAny}, {kCmdPauseTimer, kGrey, kAny}, {kCmdResumeTimer, kGrey, kAny},
                 {kCmdResetTimer, kGrey, kAny}, {kCmdCloseTimer, kGrey, kAny}},
                "stopwatch hidden");
    stopwatch.objectFlags = 0x30;
    ExpectItems(DecideMenuState(MenuPopup::Procedures, facts),
                {{kCmdStartTimer, kGrey, kAny}, {kCmdPauseTimer, kGrey, kAny}, {kCmdResumeTimer, kOn, kAny},
                 {kCmdResetTimer, kOn, kAny}, {kCmdCloseTimer, kOn, kAny}},
                "stopwatch paused");

    const LabObject wire = Object(kMetalWire);
    const LabObject beaker = Object(kBeaker);
    facts.sel = nullptr;
    facts.multiCount = 2;
    facts.m0 = &beaker;
    facts.m1 = &wire;
    d = DecideMenuState(MenuPopup::Procedures, facts);
    EXPECT_EQ(Submenu(d, 7), kOn);
    EXPECT_EQ(Submenu(d, 5), kGrey);
    EXPECT_EQ(Submenu(d, 6), kGrey);
}

TEST(MenuState, PaperChromatographySteps) {
    struct Case {
        int16_t state;
        uint32_t flags;
        ItemEnable mark, solute, solvent, immerse, remove;
    } cases[] = {
        {0x0, 0, kOn, kGrey, kGrey, kGrey, kGrey},
        {0x1, 0, kGrey, kOn, kOn, kKeep, kKeep},
        {0x9, 0, kGrey, kOn, kGrey, kKeep, kKeep},
        {0x11, kObjSolutePlaced, kGrey, kGrey, kGrey, kGrey, kOn},
        {0x9, kObjSolutePlaced, kGrey, kGrey, kGrey, kOn, kGrey},
        {0x1, kObjSolutePlaced, kGrey, kGrey, kOn, kGrey, kGrey},
    };
    for (const Case& c : cases) {
        LabObject paper = Object(kPaperChromatography, 0, c.state);
        paper.objectFlags = c.flags;
        MenuFacts facts;
        facts.sel = &paper;
        const std::string what = "state " + std::to_string(c.state) + " flags " + std::to_string(c.flags);
        ExpectItems(DecideMenuState(MenuPopup::Procedures, facts),
                    {{kCmdMarkPaper, c.mark, kAny}, {kCmdPlaceSolute, c.solute, kAny},
                     {kCmdAddSolventToTank, c.solvent, kAny}, {kCmdImmersePaper, c.immerse, kAny},
                     {kCmdRemovePaper, c.remove, kAny}},
                    what.c_str());
    }
}

TEST(MenuState, ArrangeCombineRemoveGroupUngroup) {
    struct Case {
        const char* what;
        uint32_t kind0, kind1;
        int32_t host0, hosted0, group0, count;
        ItemEnable combine, remove, group, ungroup;
    } cases[] = {
        {"two free combinables", 0x80, 0x80, 0, 0, 0, 2, kOn, kGrey, kOn, kGrey},
        {"only the first can combine", 0x80, 0, 0, 0, 0, 2, kGrey, kGrey, kOn, kGrey},
        {"first hosts the second", 0x80, 0x80, 0, 2, 0, 2, kGrey, kOn, kGrey, kGrey},
        {"first sits in a host", 0x80, 0x80, 2, 0, 0, 2, kGrey, kOn, kGrey, kGrey},
        {"a group leader", 0, 0, 0, 0, 2, 2, kGrey, kGrey, kGrey, kOn},
        {"three objects", 0x80, 0x80, 0, 0, 0, 3, kGrey, kGrey, kOn, kGrey},
        {"one object", 0x80, 0x80, 0, 0, 0, 1, kGrey, kGrey, kGrey, kGrey},
    };
    for (const Case& c : cases) {
        LabObject a = Object(kBeaker, c.kind0);
        const LabObject b = Object(kBeaker, c.kind1);
        a.host = c.host0;
        a.hostedItem = c.hosted0;
        a.groupMemberCount = c.group0;
        MenuFacts facts;
        facts.multiCount = c.count;
        facts.m0 = &a;
        facts.m1 = &b;
        ExpectItems(DecideMenuState(MenuPopup::Arrange, facts),
                    {{kCmdCombine, c.combine, kAny}, {kCmdRemove, c.remove, kAny}, {kCmdGroup, c.group, kAny},
                     {kCmdUngroup, c.ungroup, kAny}},
                    c.what);
    }
}

TEST(MenuState, AnItemWithoutAHandlerStaysGrey) {
    MenuFacts facts;
    facts.style = 0x4;
    const MenuStateDecision d = DecideMenuState(MenuPopup::Equipment, facts);
    EXPECT_EQ(ResolveItemEnable(d, kCmdAddCalorimeter, true), kOn);
    EXPECT_EQ(ResolveItemEnable(d, kCmdAddCalorimeter, false), kGrey);
    EXPECT_EQ(ResolveItemEnable(d, kCmdAddDumasBulb, true), kGrey);
    EXPECT_EQ(ResolveItemEnable(d, kCmdAdd600Beaker, true), kOn);  // no rule names it
    EXPECT_EQ(ResolveItemEnable(d, kCmdAdd600Beaker, false), kGrey);
    EXPECT_EQ(ResolveItemEnable(d, kCmdDistillationHead, true), kGrey);
}

// The facts come from the bench itself, every index checked.
struct MenuFactsFromBench : testing::Test {
    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
    }
    void TearDown() override { SetUp(); }
    int32_t Put(const LabObject& o) {
        LabObjects[++LabObjectCount] = o;
        return LabObjectCount;
    }
};

TEST_F(MenuFactsFromBench, ASelectionOutsideTheBenchIsNone) {
    Put(Object(kBeaker));
    ObjectSelected = true;
    for (int32_t index : {0, 2, 51, -3}) {
        SelectedObject = index;
        MenuFacts facts;
        GatherBenchMenuFacts(&facts);
        EXPECT_EQ(facts.sel, nullptr) << index;
    }
    SelectedObject = 1;
    MenuFacts facts;
    GatherBenchMenuFacts(&facts);
    EXPECT_EQ(facts.sel, &LabObjects[1]);

    MultiSelection.memberCount = 2;
    MultiSelection.members[0] = 1;
    MultiSelection.members[1] = 9;
    GatherBenchMenuFacts(&facts);
    EXPECT_EQ(facts.m0, &LabObjects[1]);
    EXPECT_EQ(facts.m1, nullptr);
    MultiSelection.memberCount = 4000;
    GatherBenchMenuFacts(&facts);
    EXPECT_EQ(facts.multiCount, 0);
}

TEST_F(MenuFactsFromBench, FillInvertedBuretNeedsAHostedBuretOnTheBench) {
    const int32_t beaker = Put(Object(kBeaker));
    const int32_t buret = Put(Object(kInvertedBuret));
    const int32_t other = Put(Object(kBeaker));
    MultiSelection.memberCount = 2;
    MultiSelection.members[0] = beaker;
    MultiSelection.members[1] = other;
    struct Case {
        int32_t hosted;
        bool ready;
    } cases[] = {{buret, true}, {0, false}, {other, false}, {beaker, false}, {77, false}, {-1, false}};
    for (const Case& c : cases) {
        LabObjects[beaker].hostedItem = c.hosted;
        MenuFacts facts;
        GatherBenchMenuFacts(&facts);
        EXPECT_EQ(facts.pairHostsInvertedBuret, c.ready) << c.hosted;
    }
    // A buret hosting itself is no host of a buret.
    LabObjects[beaker].hostedItem = 0;
    MultiSelection.members[1] = buret;
    LabObjects[buret].hostedItem = buret;
    MenuFacts facts;
    GatherBenchMenuFacts(&facts);
    EXPECT_FALSE(facts.pairHostsInvertedBuret);
}

}  // namespace
