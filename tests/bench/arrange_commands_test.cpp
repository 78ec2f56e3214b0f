// Combine, Remove, Group and Ungroup over hand-made records and recording
// seams: links, the seat, refusals, comments, frames and the group ring.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "bench/commands/arrange/arrange_commands.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/seating.h"
#include "bench/model/selection.h"
#include "fake_arrange_seams.h"
#include "fake_bench_seams.h"

namespace {

using Key = std::tuple<int32_t, int32_t, int32_t, int32_t>;
Key KeyOf(const RectI32& r) { return {r.left, r.top, r.right, r.bottom}; }

class ArrangeCommands : public testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
        DocumentModified = false;
        bench.strings[670] = "Combine Lab Equipment";
        bench.strings[671] = "Remove Lab Equipment";
    }

    // A combinable vessel: width and height from its rectangle.
    int32_t Vessel(RectI32 r, int32_t opening, int32_t type = kBeaker) {
        LabObject& o = LabObjects[++LabObjectCount];
        o.type = type;
        o.kindFlags = kKindCombinable | kKindContainer;
        o.combineCategory = 1;
        o.position = r;
        o.pictureWidth = r.right - r.left;
        o.pictureHeight = r.bottom - r.top;
        o.openingWidth = opening;
        return LabObjectCount;
    }
    void Select(int32_t index) {
        SelectedObject = index;
        ObjectSelected = true;
    }
    void SelectMany(std::vector<int32_t> members) {
        MultiSelection.active = true;
        MultiSelection.memberCount = static_cast<int32_t>(members.size());
        RectI32 bounds = LabObjects[members[0]].position;
        for (size_t k = 0; k < members.size(); ++k) {
            MultiSelection.members[k] = members[k];
            const RectI32& r = LabObjects[members[k]].position;
            bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top), std::max(bounds.right, r.right),
                      std::max(bounds.bottom, r.bottom)};
        }
        MultiSelection.bounds = bounds;
    }
    std::vector<Key> Shown() const {
        std::map<Key, int> draws;
        for (const RectI32& r : bench.frames) ++draws[KeyOf(r)];
        std::vector<Key> shown;
        for (auto& [key, n] : draws)
            if (n % 2) shown.push_back(key);
        return shown;
    }

    FakeBenchSeams bench;
    FakeArrangeSeams ui;
};

TEST_F(ArrangeCommands, ATubeOverABeakerIsSeatedFiftyAboveItsBottomAndStaysSelectedAsAPair) {
    const int32_t beaker = Vessel({100, 200, 180, 300}, 70);
    const int32_t tube = Vessel({130, 150, 150, 260}, 16, kTestTube);
    Select(tube);
    bench.frames.push_back(LabObjects[tube].position);  // its selection frame is shown
    bench.recording = true;

    ClearCommandHandlers();
    RegisterArrangeCommands();
    ASSERT_TRUE(RouteCommand({kCmdCombine, 0, false}));

    EXPECT_EQ(LabObjects[tube].host, beaker);
    EXPECT_EQ(LabObjects[beaker].hostedItem, tube);
    EXPECT_EQ(LabObjects[tube].position.bottom, 300 - 50);
    // right = 180 - (80 - 20) / 2 = 150: the tube stands centred.
    EXPECT_EQ(LabObjects[tube].position.right, 150);
    EXPECT_EQ(LabObjects[tube].position.top, 250 - 110);
    EXPECT_FALSE(ObjectSelected);
    ASSERT_TRUE(MultiSelection.active);
    ASSERT_EQ(MultiSelection.memberCount, 2);
    EXPECT_EQ(MultiSelection.members[0], beaker);
    EXPECT_EQ(MultiSelection.members[1], tube);
    const RectI32 pair{100, 140, 180, 300};
    EXPECT_EQ(KeyOf(MultiSelection.bounds), KeyOf(pair));
    EXPECT_EQ(MultiSelection.dragOrigin.y, 140);
    EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(pair)});
    ASSERT_EQ(bench.comments.size(), 1u);
    EXPECT_EQ(bench.comments[0], (std::pair<std::string, int32_t>{"Combine Lab Equipment", 1}));
    ASSERT_EQ(ui.overlays.size(), 1u);
    EXPECT_EQ(ui.overlays[0].object, &LabObjects[tube]);
    EXPECT_EQ(ui.overlays[0].x, 130);
    EXPECT_EQ(ui.overlays[0].y, 150);
    EXPECT_TRUE(DocumentModified);
    EXPECT_TRUE(bench.warnings.empty());
    ClearCommandHandlers();
}

TEST_F(ArrangeCommands, TheSeatHalvesTowardZeroAndAddsBothOffsets) {
    struct Case {
        int32_t hostWidth, itemWidth, hostOffset, itemOffset, expectedRight;
    } cases[] = {
        {80, 20, 0, 0, 180 - 30},
        {81, 20, 0, 0, 180 - 30},      // odd difference: 61 / 2 = 30
        {20, 81, 0, 0, 180 + 30},      // negative difference truncates toward zero: -61 / 2 = -30
        {80, 20, 5, 0, 180 - 30 + 5},
        {80, 20, 0, -7, 180 - 30 + 7},  // a negative item offset moves it right
        {80, 20, -3, 4, 180 - 30 - 3 - 4},
    };
    for (const Case& c : cases) {
        LabObject host{}, item{};
        host.position = {100, 200, 180, 300};
        host.pictureWidth = c.hostWidth;
        host.combineOffsetX = c.hostOffset;
        item.position = {0, 0, c.itemWidth, 40};
        item.pictureWidth = c.itemWidth;
        item.combineOffsetX = c.itemOffset;
        SeatHostedItem(item, host, 50);
        EXPECT_EQ(item.position.right, c.expectedRight) << c.hostWidth << " " << c.itemWidth;
        EXPECT_EQ(item.position.right - item.position.left, c.itemWidth);
        EXPECT_EQ(item.position.bottom, 250);
        EXPECT_EQ(item.position.top, 210);
    }
}

TEST_F(ArrangeCommands, CombineRefusesWhatCannotBeCombinedWithTheRightBox) {
    struct Case {
        const char* name;
        int32_t expected;  // the string shown
        void (*arrange)(int32_t a, int32_t b);
    } cases[] = {
        {"a category other than 1", kIdsCannotCombine, [](int32_t a, int32_t) { LabObjects[a].combineCategory = 2; }},
        {"a host with an accessory", kIdsCannotCombine, [](int32_t a, int32_t) { LabObjects[a].stateBits = 1; }},
        {"a host that already hosts", kIdsCannotCombine, [](int32_t a, int32_t) { LabObjects[a].hostedItem = 3; }},
        {"an item already seated", kIdsCannotCombine, [](int32_t, int32_t b) { LabObjects[b].host = 3; }},
        {"openings too narrow", kIdsCannotCombine, [](int32_t a, int32_t) { LabObjects[a].openingWidth = 22; }},
        {"a meter in a narrow beaker", kIdsCannotCombine,
         [](int32_t a, int32_t b) {
             LabObjects[a].openingWidth = 20;
             LabObjects[b].type = kConductivityMeter;
         }},
    };
    for (const auto& c : cases) {
        ResetLabObjects();
        const int32_t a = Vessel({100, 200, 180, 300}, 70);
        const int32_t b = Vessel({130, 150, 150, 260}, 16, kTestTube);  // 20 wide: needs more than 22
        Vessel({400, 200, 480, 300}, 70);
        c.arrange(a, b);
        SelectMany({a, b});
        const LabObject beforeA = LabObjects[a], beforeB = LabObjects[b];
        bench.warnings.clear();
        CombineSelection();
        EXPECT_EQ(bench.warnings, std::vector<int32_t>{c.expected}) << c.name;
        EXPECT_EQ(LabObjects[b].position.top, beforeB.position.top) << c.name;
        EXPECT_EQ(LabObjects[a].hostedItem, beforeA.hostedItem) << c.name;
        EXPECT_EQ(LabObjects[b].host, beforeB.host) << c.name;
    }

    // Three members, or a lone object with nothing under it: string 522.
    ResetLabObjects();
    const int32_t a = Vessel({100, 200, 180, 300}, 70);
    const int32_t b = Vessel({130, 150, 150, 260}, 16);
    const int32_t c = Vessel({400, 200, 480, 300}, 70);
    SelectMany({a, b, c});
    bench.warnings.clear();
    CombineSelection();
    MultiSelection = MultiSelectionState{};
    Select(c);
    CombineSelection();
    EXPECT_EQ(bench.warnings, (std::vector<int32_t>{kIdsCombineTwoOnly, kIdsCombineTwoOnly}));
}

TEST_F(ArrangeCommands, CombineTakesTheFirstCaseThatApplies) {
    struct Case {
        const char* name;
        RectI32 a;
        int32_t aOpening, aType, aState;
        RectI32 b;
        int32_t bOpening, bType;
        bool aHosts, seated;
    } cases[] = {
        {"A hosts B", {100, 200, 180, 300}, 70, kBeaker, 0, {130, 150, 150, 260}, 16, kTestTube, true, true},
        {"B hosts A", {130, 150, 150, 260}, 16, kTestTube, 0, {100, 200, 180, 300}, 70, kBeaker, false, true},
        {"A hosts the meter B", {100, 200, 180, 300}, 30, kBeaker, 0, {400, 50, 460, 200}, 0, kConductivityMeter,
         true, false},
        {"B hosts the meter A", {400, 50, 460, 200}, 0, kConductivityMeter, 0, {100, 200, 180, 300}, 30, kBeaker,
         false, false},
        {"A fitted, so B hosts A", {100, 200, 180, 300}, 70, kBeaker, 1, {90, 190, 200, 320}, 100, kBeaker, false,
         true},
    };
    for (const Case& c : cases) {
        ResetLabObjects();
        const int32_t a = Vessel(c.a, c.aOpening, c.aType);
        const int32_t b = Vessel(c.b, c.bOpening, c.bType);
        LabObjects[a].stateBits = static_cast<int16_t>(c.aState);
        SelectMany({a, b});
        bench.warnings.clear();
        CombineSelection();
        EXPECT_TRUE(bench.warnings.empty()) << c.name;
        const int32_t host = c.aHosts ? a : b, item = c.aHosts ? b : a;
        EXPECT_EQ(LabObjects[item].host, host) << c.name;
        EXPECT_EQ(LabObjects[host].hostedItem, item) << c.name;
        const RectI32 before = c.aHosts ? c.b : c.a;
        const bool moved = LabObjects[item].position.bottom != before.bottom;
        EXPECT_EQ(moved, c.seated) << c.name;
        if (c.seated) EXPECT_EQ(LabObjects[item].position.bottom, LabObjects[host].position.bottom - 50) << c.name;
        EXPECT_EQ(KeyOf(MultiSelection.bounds),
                  KeyOf(RectI32{std::min(LabObjects[a].position.left, LabObjects[b].position.left),
                                std::min(LabObjects[a].position.top, LabObjects[b].position.top),
                                std::max(LabObjects[a].position.right, LabObjects[b].position.right),
                                std::max(LabObjects[a].position.bottom, LabObjects[b].position.bottom)}))
            << c.name;
    }
}

TEST_F(ArrangeCommands, AConductivityMeterIsLinkedWithoutMoving) {
    const int32_t meter = Vessel({500, 50, 560, 200}, 0, kConductivityMeter);
    const int32_t beaker = Vessel({100, 200, 180, 300}, 21);
    SelectMany({meter, beaker});
    CombineSelection();
    EXPECT_TRUE(bench.warnings.empty());
    EXPECT_EQ(LabObjects[meter].host, beaker);
    EXPECT_EQ(LabObjects[beaker].hostedItem, meter);
    EXPECT_EQ(LabObjects[meter].position.left, 500);
    ASSERT_EQ(ui.overlays.size(), 1u);
    EXPECT_EQ(ui.overlays[0].object, &LabObjects[beaker]);
    EXPECT_EQ(ui.overlays[0].x, 0);
}

TEST_F(ArrangeCommands, RemoveLiftsTheItemByItsHostsHeightAndClearsOnlyThePairsLinks) {
    const int32_t beaker = Vessel({100, 200, 180, 300}, 70);
    const int32_t tube = Vessel({130, 150, 150, 260}, 16, kTestTube);
    const int32_t other = Vessel({400, 200, 480, 300}, 70);
    Select(tube);
    CombineSelection();
    LabObjects[tube].hostedItem = other;  // a link beyond the pair stays
    const RectI32 seated = LabObjects[tube].position;
    bench.recording = true;
    bench.frames.clear();

    RemoveFromHost();
    EXPECT_EQ(LabObjects[tube].host, 0);
    EXPECT_EQ(LabObjects[beaker].hostedItem, 0);
    EXPECT_EQ(LabObjects[tube].hostedItem, other);
    EXPECT_EQ(LabObjects[tube].position.top, seated.top - 100);
    EXPECT_EQ(LabObjects[tube].position.bottom, seated.bottom - 100);
    ASSERT_EQ(bench.comments.size(), 1u);
    EXPECT_EQ(bench.comments[0].first, "Remove Lab Equipment");
    // Not grouped: the pair stays selected, framed where it now stands.
    ASSERT_TRUE(MultiSelection.active);
    EXPECT_EQ(MultiSelection.memberCount, 2);
    EXPECT_EQ(MultiSelection.bounds.top, seated.top - 100);

    // A pair not linked to each other is left alone.
    const RectI32 before = LabObjects[tube].position;
    LabObjects[other].host = beaker;
    SelectMany({tube, beaker});
    RemoveFromHost();
    EXPECT_EQ(LabObjects[tube].position.top, before.top);
    EXPECT_EQ(LabObjects[other].host, beaker);
}

// Remove chosen for one selected object takes it and the object it is
// combined with; the item is lifted out and the selection stays as it was.
TEST_F(ArrangeCommands, RemoveWithOneSelectedObjectLiftsTheItemOutAndKeepsTheSelection) {
    for (bool tubeSelected : {true, false}) {
        SCOPED_TRACE(tubeSelected ? "the tube selected" : "the beaker selected");
        SetUp();
        const int32_t beaker = Vessel({100, 200, 180, 300}, 70);
        const int32_t tube = Vessel({130, 150, 150, 260}, 16, kTestTube);
        Select(tube);
        CombineSelection();
        MultiSelection = MultiSelectionState{};
        const RectI32 seated = LabObjects[tube].position;
        const int32_t selected = tubeSelected ? tube : beaker;
        Select(selected);
        bench.frames = {LabObjects[selected].position};  // its frame is shown
        bench.comments.clear();
        bench.recording = true;
        DocumentModified = false;

        RemoveFromHost();
        EXPECT_EQ(LabObjects[tube].host, 0);
        EXPECT_EQ(LabObjects[beaker].hostedItem, 0);
        EXPECT_EQ(LabObjects[tube].position.top, seated.top - 100);
        EXPECT_EQ(LabObjects[beaker].position.top, 200);
        EXPECT_TRUE(ObjectSelected);
        EXPECT_EQ(SelectedObject, selected);
        EXPECT_FALSE(MultiSelection.active);
        EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(LabObjects[selected].position)}) << "the frame follows";
        ASSERT_EQ(bench.comments.size(), 1u);
        EXPECT_EQ(bench.comments[0].first, "Remove Lab Equipment");
        EXPECT_TRUE(DocumentModified);

        // Apart now: a second Remove does nothing.
        const RectI32 lifted = LabObjects[tube].position;
        RemoveFromHost();
        EXPECT_EQ(KeyOf(LabObjects[tube].position), KeyOf(lifted));
    }
}

TEST_F(ArrangeCommands, GroupMakesARingInSelectionOrderAndUngroupKeepsCombinedPairsTogether) {
    const int32_t a = Vessel({100, 200, 180, 300}, 70);
    const int32_t tube = Vessel({130, 150, 150, 260}, 16, kTestTube);
    const int32_t c = Vessel({400, 200, 480, 300}, 70);
    const int32_t d = Vessel({600, 200, 680, 300}, 70);
    LabObjects[tube].host = a;
    LabObjects[a].hostedItem = tube;

    SelectMany({d});
    GroupSelection();
    EXPECT_EQ(LabObjects[d].groupMemberCount, 0) << "one object is no group";

    SelectMany({c, a, d, tube});
    GroupSelection();
    const int32_t order[] = {c, a, d, tube};
    for (int k = 0; k < 4; ++k) {
        const LabObject& o = LabObjects[order[k]];
        EXPECT_EQ(o.groupMemberCount, 4);
        EXPECT_EQ(o.nextGroupMember, order[(k + 1) % 4]);
        EXPECT_EQ(KeyOf(o.groupRect), KeyOf(MultiSelection.bounds));
    }
    EXPECT_TRUE(MultiSelection.active) << "the selection stays";
    EXPECT_TRUE(DocumentModified);

    bench.frames.push_back(MultiSelection.bounds);  // shown
    UngroupSelection();
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(MultiSelection.active);
    EXPECT_EQ(LabObjects[c].groupMemberCount, 0);
    EXPECT_EQ(LabObjects[d].nextGroupMember, 0);
    EXPECT_EQ(LabObjects[tube].groupMemberCount, 2);
    EXPECT_EQ(LabObjects[a].groupMemberCount, 2);
    EXPECT_EQ(LabObjects[tube].nextGroupMember, a);
    EXPECT_EQ(LabObjects[a].nextGroupMember, tube);
    EXPECT_EQ(KeyOf(LabObjects[a].groupRect), KeyOf(RectI32{100, 150, 180, 300}));
    EXPECT_EQ(KeyOf(LabObjects[tube].groupRect), KeyOf(LabObjects[a].groupRect));
    EXPECT_EQ(ui.selected.back(), 0);

    // That pair, still combined, is not ungrouped.
    SelectMany({a, tube});
    UngroupSelection();
    EXPECT_EQ(LabObjects[a].groupMemberCount, 2);
    EXPECT_TRUE(MultiSelection.active);
}

}  // namespace
