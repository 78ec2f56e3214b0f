#include "bench/commands/menus/context_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "bench/commands/command_ids.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/equipment_type.h"

namespace {

bool AllHandled(int) { return true; }
bool NoneHandled(int) { return false; }

LabObject Object(int32_t type, uint32_t kind = 0, int16_t state = 0) {
    LabObject o{};
    o.type = type;
    o.kindFlags = kind;
    o.stateBits = state;
    return o;
}

// A menu written as text: "cmd" an item, "cmd*" checked, "cmd~" grey,
// "-" a separator, "[sid: ...]" a sub-menu named by its string id.
std::string Describe(const std::vector<ContextMenuItem>& items) {
    std::string s;
    for (const ContextMenuItem& item : items) {
        if (!s.empty()) s += ' ';
        if (item.separator) {
            s += '-';
        } else if (item.popup) {
            s += '[' + std::to_string(item.stringId) + ": " + Describe(item.children) + ']';
        } else {
            s += std::to_string(item.command);
            if (item.checked) s += '*';
            if (item.grayed) s += '~';
        }
    }
    return s;
}

std::string ObjectMenu(const LabObject& o, uint32_t style = 0, bool clipboard = false) {
    ContextMenuFacts f;
    f.menu.sel = &o;
    f.menu.style = style;
    f.menu.labObjectOnClipboard = clipboard;
    return Describe(BuildContextMenu(ChooseContextMenu(f.menu), f, AllHandled));
}

TEST(ContextMenu, ObjectMenusByKindStateAndStyle) {
    LabObject beaker = Object(kBeaker, kKindContainer | kKindPourable | kKindTakesWater | kKindReceivesPour |
                                           kKindStirrable | kKindTakesThermometer | kKindWeighable | 0x100);
    LabObject hot0 = Object(kHotPlate);
    LabObject hot5 = Object(kHotPlate);
    hot5.reading1 = 5.0;
    hot5.reading2 = 5.0;
    LabObject meterAtc = Object(kConductivityMeter);
    meterAtc.reading2 = 1.0;
    LabObject flaskMantle = Object(kRoundBottomFlask, 0, 0x20);
    LabObject flaskCondenser = Object(kRoundBottomFlask, 0, 0xc);
    LabObject stopwatchPaused = Object(kBeaker, 0x20000000);
    stopwatchPaused.objectFlags = 0x30;
    LabObject paperStarted = Object(kPaperChromatography, 0, 0x1);
    LabObject wire = Object(kMetalWire, kKindDippable);
    LabObject balance = Object(kElectronicBalance);
    struct Case {
        const char* what;
        const LabObject* o;
        uint32_t style;
        bool clipboard;
        const char* menu;
    } cases[] = {
        // An empty beaker: no stirring rod, and indicators only with their style bit.
        {"beaker", &beaker, 0, false, "71 70 88 87 51 50 105 162 - 104 40 37 38"},
        {"beaker, indicators, clipboard", &beaker, 0x2, true, "71 70 73 88 87 51 50 105 162 - 104 40 37 38 39"},
        {"hot plate at 0", &hot0, 0, false, "[223: 131 132~ 133~ 154 - 134 135~ 136~] - 40 37 38"},
        {"hot plate at 5", &hot5, 0, false, "[223: 131~ 132 133 154~ - 134~ 135 136] - 40 37 38"},
        {"meter in ATC mode", &meterAtc, 0, false, "[220: 128 129*] - 40 37 38"},
        {"flask with mantle", &flaskMantle, 0,
         false, "[243: 131 132~ 133~ 154] [244: 139* 140 - 169] - 40 37 38"},
        {"flask with condenser", &flaskCondenser, 0, false, "[244: 139 138* 141] - 40 37 38"},
        {"paused stopwatch", &stopwatchPaused, 0, false, "[637: 210 208 209] - 40 37 38"},
        {"marked paper", &paperStarted, 0, false, "225 222 - 40 37 38"},
        {"metal wire", &wire, 0, false, "215 - 40 37 38"},
        {"balance", &balance, 0, false, "161 - 40 37 38"},
    };
    for (const Case& c : cases) EXPECT_EQ(ObjectMenu(*c.o, c.style, c.clipboard), c.menu) << c.what;
}

TEST(ContextMenu, VaporPressureFlaskAndReleaseDropperFollowTheHandler) {
    LabObject flask = Object(kErlenmeyerFlask, 0, 0x4);
    flask.sizeIndex = 3;
    ContextMenuFacts f;
    f.menu.sel = &flask;
    f.menu.style = 0x100000;
    EXPECT_EQ(Describe(BuildContextMenu(ContextMenuKind::Object, f, AllHandled)), "1147* - 40 37 38");
    f.menu.releaseDropperReady = true;
    EXPECT_EQ(Describe(BuildContextMenu(ContextMenuKind::Object, f, AllHandled)), "1147* 1120 - 40 37 38");
    f.menu.style = 0;  // without the style neither is offered
    EXPECT_EQ(Describe(BuildContextMenu(ContextMenuKind::Object, f, AllHandled)), "40 37 38");
}

TEST(ContextMenu, ItemsWithoutAHandlerAreGreyAndRecordingAddsAMessage) {
    LabObject balance = Object(kCentigramBalance);
    ContextMenuFacts f;
    f.menu.sel = &balance;
    f.menu.demoRecording = true;
    EXPECT_EQ(Describe(BuildContextMenu(ContextMenuKind::Object, f, NoneHandled)), "211~ - 161~ - 40~ 37~ 38~");
}

TEST(ContextMenu, AddEquipmentMenuFollowsTheStyle) {
    ContextMenuFacts f;
    EXPECT_EQ(ChooseContextMenu(f.menu), ContextMenuKind::AddEquipment);
    const std::string plain = Describe(BuildContextMenu(ContextMenuKind::AddEquipment, f, AllHandled));
    EXPECT_EQ(plain,
              "[537: 157 159 160] [185: 42 116 41] 55 [191: 89] [244: 137] [186: 43 120] 59 144 44 "
              "[624: 200 201] [189: 102] 130 [535: 164 205] 1144 45 [257: 195 194] 58");
    f.menu.style = 0x4 | 0x10000;
    f.menu.labObjectOnClipboard = true;
    const std::string styled = Describe(BuildContextMenu(ContextMenuKind::AddEquipment, f, AllHandled));
    EXPECT_NE(styled.find("[191: 89] 117 [244: 137]"), std::string::npos) << styled;
    EXPECT_NE(styled.find("130 221 [535"), std::string::npos) << styled;
    EXPECT_EQ(styled.substr(styled.size() - 7), "58 - 39");
}

class ContextMenuBench : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        LabObjectCount = 0;
        ObjectSelected = 0;
        SelectedObject = 0;
        MultiSelection.memberCount = 0;
        AddAtCursor = false;
    }
    static void Pair(int32_t a, int32_t b) {
        MultiSelection.memberCount = 2;
        MultiSelection.members[0] = a;
        MultiSelection.members[1] = b;
    }
    static std::string Menu() {
        ContextMenuFacts f;
        GatherContextMenuFacts(&f);
        return Describe(BuildContextMenu(ChooseContextMenu(f.menu), f, AllHandled));
    }
};

TEST_F(ContextMenuBench, PairShowsCombineOrRemoveByTheFirstMembersLinks) {
    LabObjectCount = 3;
    LabObjects[1] = Object(kBeaker, kKindCombinable);
    LabObjects[2] = Object(kBeaker, kKindCombinable);
    LabObjects[3] = Object(kInvertedBuret);
    Pair(1, 2);
    EXPECT_EQ(Menu(), "85 83 - 40 37 38");
    LabObjects[1].host = 2;
    EXPECT_EQ(Menu(), "86 - 40 37 38");
    LabObjects[2].hostedItem = 3;  // a hosted inverted buret can be filled
    EXPECT_EQ(Menu(), "86 167 - 40 37 38");
    // A link outside the bench, or to the object itself, is no link.
    LabObjects[2].hostedItem = 0;
    for (int32_t stale : {4, 99, -1, 1}) {
        LabObjects[1].host = stale;
        EXPECT_EQ(Menu(), "85 83 - 40 37 38") << stale;
    }
}

// One selected object: the right-click menu and the Arrange menu make the
// same test, Combine while a partner holds it and it is free, Remove once
// it is combined.
TEST_F(ContextMenuBench, OneSelectedObjectCombinesOrComesApartInBothMenus) {
    constexpr ItemEnable kOn = ItemEnable::Enabled, kGrey = ItemEnable::Grayed;
    struct Case {
        const char* what;
        int32_t selected;
        bool tubeInside, combined, tubeCombinable;
        ItemEnable combine, remove;
    } cases[] = {
        {"a tube standing in a beaker", 2, true, false, true, kOn, kGrey},
        {"the tube combined into it", 2, true, true, true, kGrey, kOn},
        {"the beaker that hosts it", 1, true, true, true, kGrey, kOn},
        {"a tube standing alone", 2, false, false, true, kGrey, kGrey},
        {"a tube that cannot combine", 2, true, false, false, kGrey, kGrey},
        {"the beaker with nothing under it", 1, true, false, true, kGrey, kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        LabObjectCount = 2;
        LabObjects[1] = Object(kBeaker, kKindCombinable | kKindContainer);
        LabObjects[1].position = {100, 200, 300, 400};
        LabObjects[2] = Object(kTestTube, c.tubeCombinable ? kKindCombinable : kKindContainer);
        LabObjects[2].position = c.tubeInside ? RectI32{150, 150, 170, 350} : RectI32{500, 150, 520, 350};
        if (c.combined) LabObjects[2].host = 1, LabObjects[1].hostedItem = 2;
        ObjectSelected = 1;
        SelectedObject = c.selected;

        const std::string menu = " " + Menu() + " ";
        EXPECT_EQ(menu.find(" 85 ") != std::string::npos, c.combine == kOn) << menu;
        EXPECT_EQ(menu.find(" 86 ") != std::string::npos, c.remove == kOn) << menu;
        MenuFacts facts;
        GatherBenchMenuFacts(&facts);
        const MenuStateDecision arrange = DecideMenuState(MenuPopup::Arrange, facts);
        EXPECT_EQ(arrange.Find(kCmdCombine)->enable, c.combine);
        EXPECT_EQ(arrange.Find(kCmdRemove)->enable, c.remove);
    }
}

TEST_F(ContextMenuBench, StaleSelectionsOpenNoObjectMenu) {
    LabObjectCount = 2;
    LabObjects[1] = Object(kBeaker, kKindCombinable);
    LabObjects[2] = Object(kBeaker, kKindCombinable);
    ObjectSelected = 1;
    SelectedObject = 3;  // past the end: no selection, so the add menu
    EXPECT_EQ(Menu().substr(0, 5), "[537:");
    ObjectSelected = 0;
    Pair(1, 7);
    EXPECT_EQ(Menu(), "");
    MultiSelection.memberCount = 3;
    MultiSelection.members[2] = 2;
    LabObjects[1].nextGroupMember = 2;
    EXPECT_EQ(Menu(), "84 - 40 37 38");
    LabObjects[1].nextGroupMember = 0;
    EXPECT_EQ(Menu(), "83 - 40 37 38");
}

TEST_F(ContextMenuBench, AddAtCursorLivesOnlyForTheCommandChosen) {
    OpenedContextMenu(ContextMenuKind::AddEquipment);
    EXPECT_TRUE(AddAtCursor);
    EXPECT_EQ(FinishContextMenu(ContextMenuKind::AddEquipment, 0), 0);
    EXPECT_FALSE(AddAtCursor);  // dismissed: the next add goes to the default place
    OpenedContextMenu(ContextMenuKind::AddEquipment);
    EXPECT_EQ(FinishContextMenu(ContextMenuKind::AddEquipment, kCmdAddTestTube), kCmdAddTestTube);
    EXPECT_TRUE(AddAtCursor);  // kept for the add command, which clears it
    AddAtCursor = false;
    OpenedContextMenu(ContextMenuKind::Object);
    EXPECT_FALSE(AddAtCursor);
}

}  // namespace
