// The mouse on the bench: picking, dragging, bands, groups, the splitter and
// the double click, over recording seams that count every XOR frame.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "bench/commands/arrange/selection_drag.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "fake_arrange_seams.h"
#include "fake_bench_seams.h"

namespace {

using Key = std::tuple<int32_t, int32_t, int32_t, int32_t>;
Key KeyOf(const RectI32& r) { return {r.left, r.top, r.right, r.bottom}; }

bool operator==(const RectI32& a, const RectI32& b) { return KeyOf(a) == KeyOf(b); }

class SelectionDrag : public testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
        ResetBenchMouse();
        bench.client = {0, 0, 800, 600};
    }
    void TearDown() override { ResetBenchMouse(); }

    int32_t Place(RectI32 r, int32_t type = kBeaker) {
        LabObject& o = LabObjects[++LabObjectCount];
        o.type = type;
        o.position = r;
        o.pictureWidth = r.right - r.left;
        o.pictureHeight = r.bottom - r.top;
        return LabObjectCount;
    }
    void MakeGroup(std::vector<int32_t> members, RectI32 rect) {
        for (size_t k = 0; k < members.size(); ++k) {
            LabObject& o = LabObjects[members[k]];
            o.groupMemberCount = static_cast<int32_t>(members.size());
            o.groupRect = rect;
            o.nextGroupMember = members[(k + 1) % members.size()];
        }
    }
    void Click(PointI32 p) {
        BenchMousePress(p);
        BenchMouseRelease(p);
    }
    void Drag(PointI32 from, PointI32 to, int steps = 4) {
        BenchMousePress(from);
        for (int s = 1; s <= steps; ++s) {
            const PointI32 p{from.x + (to.x - from.x) * s / steps, from.y + (to.y - from.y) * s / steps};
            BenchMouseMove(p, p);
        }
        BenchMouseRelease(to);
    }
    // The frames left on the bench: those drawn an odd number of times.
    std::vector<Key> Shown() const {
        std::map<Key, int> draws;
        for (const RectI32& r : bench.frames) ++draws[KeyOf(r)];
        std::vector<Key> shown;
        for (auto& [key, n] : draws)
            if (n % 2) shown.push_back(key);
        return shown;
    }
    void ExpectPauseGivenBack() const {
        EXPECT_EQ(ui.pauses, ui.resumes);
        EXPECT_FALSE(BenchMouse.captured);
        EXPECT_FALSE(BenchMouse.pauseHeld);
    }

    FakeBenchSeams bench;
    FakeArrangeSeams ui;
};

TEST_F(SelectionDrag, HitTestsTakeTheTopmostVisibleObjectWithExclusiveRightAndBottomEdges) {
    const int32_t under = Place({100, 100, 200, 200});
    const int32_t over = Place({150, 150, 250, 250});
    const int32_t hidden = Place({120, 120, 180, 180});
    LabObjects[hidden].objectFlags = kObjHidden;
    struct Case {
        PointI32 p;
        int32_t expected;
    } cases[] = {
        {{160, 160}, over},   // both hold it: the later one, drawn on top
        {{130, 130}, under},  // the hidden one above is passed over
        {{100, 100}, under},  // left and top inclusive
        {{199, 120}, under},
        {{200, 120}, 0},      // right exclusive
        {{120, 200}, 0},      // bottom exclusive
        {{249, 249}, over},
        {{250, 249}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ObjectAtPoint(c.p), c.expected) << c.p.x << "," << c.p.y;
}

TEST_F(SelectionDrag, AClickSelectsShowingOneFrameAndAClickOnEmptyBenchTakesItAway) {
    const int32_t beaker = Place({100, 100, 200, 200});
    Click({150, 150});
    EXPECT_TRUE(ObjectSelected);
    EXPECT_EQ(SelectedObject, beaker);
    EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(LabObjects[beaker].position)});
    EXPECT_EQ(ui.selected.back(), beaker);
    ExpectPauseGivenBack();

    // Pressing the selected object again draws nothing: no flicker.
    const size_t drawn = bench.frames.size();
    Click({120, 180});
    EXPECT_EQ(bench.frames.size(), drawn);
    EXPECT_TRUE(ObjectSelected);

    Click({500, 500});
    EXPECT_FALSE(ObjectSelected);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(ui.selected.back(), 0);
    EXPECT_FALSE(MultiSelection.active) << "a click with no band leaves nothing framed";
    ExpectPauseGivenBack();
}

TEST_F(SelectionDrag, DraggingMovesByTheExactDeltaLeavesNothingSelectedAndInvalidatesOnlyAtRelease) {
    const int32_t beaker = Place({100, 100, 200, 200});
    Click({150, 150});  // selected first: the drag must take the selection away
    bench.invalidated.clear();

    BenchMousePress({150, 150});
    for (int s = 1; s <= 100; ++s) BenchMouseMove({150 + s, 150 + s / 2}, {150 + s, 150 + s / 2});
    EXPECT_TRUE(bench.invalidated.empty()) << "nothing is painted while dragging";
    EXPECT_TRUE(ui.erased.empty());
    BenchMouseRelease({250, 200});

    const RectI32 moved{200, 150, 300, 250};
    EXPECT_TRUE(LabObjects[beaker].position == moved);
    EXPECT_FALSE(ObjectSelected);
    EXPECT_TRUE(Shown().empty());
    ASSERT_EQ(ui.erased.size(), 1u);
    EXPECT_TRUE(ui.erased[0] == (RectI32{100, 100, 200, 200}));
    ASSERT_EQ(bench.invalidated.size(), 1u);
    EXPECT_TRUE(bench.invalidated[0] == moved);
    ExpectPauseGivenBack();
}

TEST_F(SelectionDrag, ADragNeverLeavesWhatItMovesWhollyOutsideTheBench) {
    const int32_t beaker = Place({100, 100, 200, 200});
    Drag({150, 150}, {-900, -900});
    const RectI32& r = LabObjects[beaker].position;
    EXPECT_EQ(r.right, kDragKeepVisible);
    EXPECT_EQ(r.bottom, kDragKeepVisible);
    EXPECT_EQ(r.right - r.left, 100);

    // The cursor coming back meets the object where it stopped.
    BenchMousePress({5, 5});
    BenchMouseMove({-300, 5}, {-300, 5});
    BenchMouseMove({25, 5}, {25, 5});
    BenchMouseRelease({25, 5});
    EXPECT_EQ(LabObjects[beaker].position.right, kDragKeepVisible + 20);

    struct Case {
        RectI32 rect;
        PointI32 delta, expected;
    } cases[] = {
        {{100, 100, 200, 200}, {10, -20}, {10, -20}},
        {{100, 100, 200, 200}, {700, 0}, {800 - kDragKeepVisible - 100, 0}},
        {{100, 100, 200, 200}, {0, 900}, {0, 600 - kDragKeepVisible - 100}},
        {{-500, 10, -400, 20}, {-10, 0}, {0, 0}},   // already outside: no further
        {{-500, 10, -400, 20}, {30, 0}, {30, 0}},   // but free to come back
        {{100, 100, 104, 104}, {-200, 0}, {-100, 0}},  // a narrow thing stays whole
    };
    for (const Case& c : cases) {
        const PointI32 d = ClampDragDelta(c.rect, c.delta, {0, 0, 800, 600});
        EXPECT_EQ(d.x, c.expected.x) << c.rect.left << " " << c.delta.x;
        EXPECT_EQ(d.y, c.expected.y) << c.rect.top << " " << c.delta.y;
    }
}

TEST_F(SelectionDrag, ABandPicksOnlyWhatItWhollyCoversInEitherDirection) {
    const int32_t a = Place({100, 100, 150, 150});
    const int32_t b = Place({200, 100, 250, 160});
    Place({300, 100, 350, 150});  // only partly covered below

    // One covered object becomes the single selection.
    Drag({90, 90}, {160, 160});
    EXPECT_TRUE(ObjectSelected);
    EXPECT_EQ(SelectedObject, a);
    EXPECT_FALSE(MultiSelection.active);
    EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(LabObjects[a].position)});
    Click({600, 500});

    // Dragged up and left, over two and a half objects.
    bench.frames.clear();
    Drag({330, 170}, {90, 90});
    EXPECT_FALSE(ObjectSelected);
    ASSERT_TRUE(MultiSelection.active);
    ASSERT_EQ(MultiSelection.memberCount, 2);
    EXPECT_EQ(MultiSelection.members[0], a);
    EXPECT_EQ(MultiSelection.members[1], b);
    EXPECT_TRUE(MultiSelection.bounds == (RectI32{100, 100, 250, 160}));
    EXPECT_EQ(MultiSelection.dragOrigin.x, 100);
    EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(MultiSelection.bounds)});
    // The band showed a real frame while it was drawn.
    const RectI32 band = BandFrameRect({330, 170}, {90, 90});
    EXPECT_TRUE(band == (RectI32{91, 91, 328, 168}));
    ExpectPauseGivenBack();
}

TEST_F(SelectionDrag, ABandTestsAGasSyringeFromItsPlungerAndFramesItsRealTop) {
    const int32_t syringe = Place({100, 100, 300, 150}, kGasSyringe);
    LabObjects[syringe].plungerPosition = 30;
    const int32_t tube = Place({400, 130, 420, 200}, kTestTube);
    Drag({90, 120}, {430, 210});
    ASSERT_EQ(MultiSelection.memberCount, 2);
    EXPECT_EQ(MultiSelection.members[0], syringe);
    EXPECT_EQ(MultiSelection.members[1], tube);
    EXPECT_EQ(MultiSelection.bounds.top, 100) << "the frame holds the whole syringe";
    EXPECT_TRUE(BandTestRect(LabObjects[syringe]) == (RectI32{100, 130, 300, 150}));
}

TEST_F(SelectionDrag, APressInAGroupsGapPicksTheGroupAndADragMovesEveryMemberOnRelease) {
    const int32_t a = Place({100, 100, 150, 150});
    const int32_t b = Place({300, 100, 350, 150});
    const int32_t c = Place({200, 300, 250, 350});
    MakeGroup({a, b, c}, {100, 100, 350, 350});
    Click({160, 160});  // between the members
    ASSERT_TRUE(MultiSelection.active);
    ASSERT_EQ(MultiSelection.memberCount, 3);
    // The ring from the picked object: its next member first, itself last.
    EXPECT_EQ(MultiSelection.members[0], a);
    EXPECT_EQ(MultiSelection.members[1], b);
    EXPECT_EQ(MultiSelection.members[2], c);
    EXPECT_EQ(Shown(), std::vector<Key>{KeyOf(RectI32{100, 100, 350, 350})});
    EXPECT_EQ(ui.wholeBench, 0) << "a click without a move keeps the group selected";

    Drag({200, 200}, {210, 230});
    EXPECT_TRUE(LabObjects[a].position == (RectI32{110, 130, 160, 180}));
    EXPECT_TRUE(LabObjects[c].position == (RectI32{210, 330, 260, 380}));
    for (int32_t m : {a, b, c}) EXPECT_TRUE(LabObjects[m].groupRect == (RectI32{110, 130, 360, 380}));
    EXPECT_FALSE(MultiSelection.active);
    EXPECT_EQ(ui.wholeBench, 1);
    EXPECT_TRUE(Shown().empty());
    ExpectPauseGivenBack();
}

TEST_F(SelectionDrag, TheGroupWalkTakesDistinctMembersAndStopsAtABrokenLink) {
    for (int i = 0; i < 5; ++i) Place({i * 60, 0, i * 60 + 50, 50});
    int32_t members[kMaxLabObjects];
    struct Case {
        std::vector<int32_t> next;  // next-member link of objects 1..5
        int32_t count;              // member count on object 1
        std::vector<int32_t> expected;
    } cases[] = {
        {{2, 3, 1, 0, 0}, 3, {2, 3, 1}},
        {{2, 3, 1, 0, 0}, 60, {2, 3, 1}},       // a count past the bench stops at a member taken
        {{2, 3, 2, 0, 0}, 3, {2, 3}},           // a ring closing on its middle
        {{2, 9, 1, 0, 0}, 3, {2}},              // a link past the count
        {{2, -4, 1, 0, 0}, 3, {2}},
        {{0, 3, 1, 0, 0}, 3, {1}},              // no first link: the object alone
        {{2, 3, 4, 5, 1}, 60, {2, 3, 4, 5, 1}},
    };
    for (const Case& c : cases) {
        for (int i = 1; i <= 5; ++i) LabObjects[i].nextGroupMember = c.next[i - 1];
        LabObjects[1].groupMemberCount = c.count;
        const int32_t n = WalkGroup(1, members);
        EXPECT_EQ(std::vector<int32_t>(members, members + n), c.expected) << "count " << c.count;
    }
}

TEST_F(SelectionDrag, TheFourStatesExcludeEachOther) {
    const int32_t a = Place({100, 100, 150, 150});
    const int32_t b = Place({200, 100, 250, 150});
    auto states = [] {
        const bool single = ObjectSelected;
        const bool band = MultiSelection.active && MultiSelection.memberCount == 0;
        const bool multi = MultiSelection.active && MultiSelection.memberCount > 0;
        return int(single) + int(band) + int(multi);
    };
    Click({120, 120});
    EXPECT_EQ(states(), 1);
    BenchMousePress({400, 400});  // empty bench: the selection goes first
    BenchMouseMove({410, 410}, {410, 410});
    EXPECT_EQ(states(), 1) << "band";
    BenchMouseMove({90, 90}, {90, 90});
    BenchMouseRelease({90, 90});
    EXPECT_EQ(states(), 1) << "multi";
    EXPECT_EQ(MultiSelection.memberCount, 2);
    Click({600, 500});
    EXPECT_EQ(states(), 0);
    EXPECT_TRUE(Shown().empty());
    (void)a, (void)b;
}

TEST_F(SelectionDrag, TheSplitterShowsItsLineAtThePressAndLaysOutAtTheClampedRelease) {
    Place({100, 100, 150, 150});
    ui.splitterSetting = 375;
    ui.splitterLimit = 900;
    BenchMousePress({2, 300});
    EXPECT_TRUE(BenchMouse.splitterDrag);
    EXPECT_EQ(ui.splitCursors, 1);
    ASSERT_EQ(ui.splitterLines, std::vector<int32_t>{375});
    ui.pointerX = 500;
    BenchMouseMove({127, 300}, {127, 300});
    ui.pointerX = 2000;
    BenchMouseMove({1700, 300}, {1700, 300});
    BenchMouseRelease({1700, 300});
    EXPECT_EQ(ui.applied, std::vector<int32_t>{900});
    // Every line drawn was removed again, the last before the layout.
    EXPECT_EQ(ui.splitterLines, (std::vector<int32_t>{375, 375, 500, 500, 900, 900}));
    ExpectPauseGivenBack();

    struct Case {
        int32_t setting, limit, expected;
    } cases[] = {{-40, 900, 0}, {0, 900, 0}, {450, 900, 450}, {950, 900, 900}, {10, -5, 0}};
    for (const Case& c : cases) EXPECT_EQ(ClampSplitterSetting(c.setting, c.limit), c.expected);

    // Hovering near the edge without a press only shows the cursor.
    BenchMouseMove({3, 10}, {3, 10});
    BenchMouseMove({5, 10}, {5, 10});
    EXPECT_EQ(ui.splitCursors, 2);
    EXPECT_FALSE(BenchMouse.captured);
}

TEST_F(SelectionDrag, LosingTheCaptureMidDragEndsItAsAReleaseWould) {
    const int32_t beaker = Place({100, 100, 200, 200});
    BenchMousePress({150, 150});
    BenchMouseMove({170, 160}, {170, 160});
    BenchMouseCaptureLost();
    EXPECT_TRUE(LabObjects[beaker].position == (RectI32{120, 110, 220, 210}));
    EXPECT_TRUE(Shown().empty());
    ExpectPauseGivenBack();
    // The release that follows finds nothing to end and gives back nothing more.
    BenchMouseRelease({400, 400});
    ExpectPauseGivenBack();
    EXPECT_TRUE(LabObjects[beaker].position == (RectI32{120, 110, 220, 210}));

    // A band as well.
    BenchMousePress({300, 300});
    BenchMouseMove({350, 350}, {350, 350});
    BenchMouseCaptureLost();
    EXPECT_FALSE(MultiSelection.active);
    EXPECT_TRUE(Shown().empty());
    ExpectPauseGivenBack();
}

TEST_F(SelectionDrag, ADoubleClickOpensTheLabelOnItsAreaAndThePropertiesElsewhere) {
    const int32_t beaker = Place({100, 100, 200, 200});
    LabObjects[beaker].labelArea = {10, 10, 40, 30};
    BenchMouseDoubleClick({115, 115});
    EXPECT_EQ(ui.labelCommands, 0) << "only with a single selection";

    Click({150, 150});
    BenchMouseDoubleClick({115, 115});
    EXPECT_EQ(ui.labelCommands, 1);
    BenchMouseDoubleClick({150, 150});
    EXPECT_EQ(ui.properties, std::vector<int32_t>{beaker});
    EXPECT_EQ(ui.pauseDepthAtProperties, 1) << "the dialog holds a pause";
    BenchMouseDoubleClick({250, 250});
    EXPECT_EQ(ui.properties.size(), 1u);
    EXPECT_EQ(ui.pauses, ui.resumes);
}

TEST_F(SelectionDrag, CyclingTheSelectionMidPressForgetsThePendingClickAndItsFrame) {
    const int32_t beaker = Place({100, 100, 200, 200});
    BenchMousePress({150, 150});
    ClearPendingClick();
    BenchMouseRelease({150, 150});
    EXPECT_FALSE(ObjectSelected);
    EXPECT_TRUE(Shown().empty());
    (void)beaker;
}

}  // namespace
