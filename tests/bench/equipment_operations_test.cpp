// Creating objects and changing their shape, size, state and contents.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/selection.h"
#include "fake_bench_seams.h"

namespace {

class CatalogueTest : public testing::Test {
protected:
    void SetUp() override {
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = {};
        seams.strings = {{3, "Beaker"}, {12, "Hot plate && Mag Stir"}, {688, "Add new %s"}};
    }
    LabObject* Add(int32_t type, int32_t x, int32_t y, int log = 0) {
        LabObject* o = AddEquipment(bench.data(), type, x, y, count, log);
        if (o) ++count;
        return o;
    }
    static bool SameBytes(const LabObject& a, const LabObject& b) {
        return std::memcmp(&a, &b, sizeof(LabObject)) == 0;
    }

    FakeBenchSeams seams;
    std::vector<LabObject> bench = std::vector<LabObject>(kLabObjectArrayLength);
    int32_t count = 0;
};

LabObject At(int32_t type, int32_t size, int32_t variant, int32_t state, RectI32 where) {
    LabObject o = EquipmentPrototype(type, false);
    const int32_t row = FindTemplate(type, size, variant, state);
    if (row >= 0) std::memcpy(&o, &EquipmentTemplate(TemplateSet::kLarge, row), kLabObjectHeadBytes);
    o.position = where;
    return o;
}

}  // namespace

TEST_F(CatalogueTest, NineHundredPixelsIsALargeScreen) {
    seams.fullScreenHeight = 900;
    EXPECT_FALSE(IsSmallScreen());
    EXPECT_EQ(Add(kBeaker, 0, 0)->pictureHeight, 269);
    EXPECT_EQ(PrototypeWidth(kBeaker), 213);
    seams.fullScreenHeight = 899;
    EXPECT_TRUE(IsSmallScreen());
    EXPECT_EQ(Add(kBeaker, 0, 0)->pictureHeight, 198);
    EXPECT_EQ(PrototypeWidth(kBeaker), 160);
}

TEST_F(CatalogueTest, PlacedBelowThePointUnlessItWouldPassTheBenchBottom) {
    seams.client = {0, 0, 1200, 500};
    const LabObject* below = Add(kBeaker, 100, 200);  // 200 + 269 fits
    EXPECT_EQ(below->position.top, 200);
    EXPECT_EQ(below->position.bottom, 469);
    EXPECT_EQ(below->position.left, 100);
    EXPECT_EQ(below->position.right, 313);
    const LabObject* above = Add(kBeaker, 100, 300);  // 300 + 269 passes 500
    EXPECT_EQ(above->position.top, 31);
    EXPECT_EQ(above->position.bottom, 300);
}

TEST_F(CatalogueTest, FiftiethObjectIsAcceptedTheFiftyFirstRefused) {
    for (int i = 0; i < 49; ++i) ASSERT_NE(Add(kTestTube, 10 * i, 0), nullptr);
    ASSERT_NE(Add(kBeaker, 0, 0), nullptr);
    EXPECT_EQ(count, 50);
    EXPECT_TRUE(seams.warnings.empty());

    const std::vector<LabObject> before = bench;
    seams.recording = true;
    EXPECT_EQ(Add(kBeaker, 0, 0, 1), nullptr);
    EXPECT_EQ(count, 50);
    EXPECT_EQ(seams.warnings, std::vector<int32_t>{203});
    EXPECT_EQ(std::memcmp(before.data(), bench.data(), bench.size() * sizeof(LabObject)), 0);
    EXPECT_TRUE(seams.comments.empty());
    EXPECT_EQ(AddEquipment(bench.data(), 29, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(AddEquipment(bench.data(), 0, 0, 0, 0, 0), nullptr);
}

TEST_F(CatalogueTest, AdditionIsAnnouncedAndLogged) {
    seams.recording = true;
    Add(kBeaker, 0, 0, 1);
    Add(kBeaker, 0, 0, 0);
    seams.strings.erase(688);
    Add(kBeaker, 0, 0, 1);
    Add(kTestTube, 0, 0, 1);  // no name string: nothing logged
    EXPECT_EQ(seams.additions, (std::vector<int32_t>{3, 3, 3, 2}));
    ASSERT_EQ(seams.comments.size(), 2u);
    EXPECT_EQ(seams.comments[0].first, "Add new Beaker");
    EXPECT_EQ(seams.comments[0].second, 1);
    EXPECT_EQ(seams.comments[1].first, "Missing Comment");
}

TEST_F(CatalogueTest, DefaultPositionStepsRightPastBeakersStandingThere) {
    seams.logicalPerDevice = 2;
    const PointI32 first = UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count));
    EXPECT_EQ(first.x, 250);
    EXPECT_EQ(first.y, 200);
    Add(kBeaker, first.x, first.y);
    const PointI32 second = UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count));
    EXPECT_EQ(second.x, 250 + 213);
    EXPECT_EQ(second.y, 200);
    Add(kBeaker, second.x, second.y);
    const PointI32 third = UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count));
    EXPECT_EQ(third.x, 250 + 2 * 213);

    // One pass in array order: with the second place's beaker first in the
    // array, the point steps once and lands on that occupied place.
    std::swap(bench[1], bench[2]);
    EXPECT_EQ(UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count)).x, 250 + 213);
    // A beaker whose bottom (not top) sits at the point also counts.
    bench[2].position.top -= 5;
    EXPECT_EQ(UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count)).x, 250 + 213);
    bench[2].position.bottom -= 5;
    EXPECT_EQ(UnpackBenchPoint(DefaultBenchPosition(kBeaker, bench.data(), count)).x, 250);
    EXPECT_EQ(PackBenchPoint({-3, 7}), 0x0007FFFDu);
    EXPECT_EQ(UnpackBenchPoint(0x0007FFFDu).x, -3);
}

TEST_F(CatalogueTest, HotPlatesAndBalancesGoToSlotOne) {
    for (int i = 0; i < 4; ++i) Add(kBeaker, 300 * i, 0);
    bench[2].host = 3;
    bench[3].hostedItem = 2;
    bench[4].pourTarget = 1;
    const LabObject* plate = Add(kHotPlate, 40, 60);
    ASSERT_EQ(plate, &bench[1]);
    EXPECT_EQ(bench[1].type, kHotPlate);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(bench[3].host, 4);
    EXPECT_EQ(bench[4].hostedItem, 3);
    EXPECT_EQ(bench[5].pourTarget, 2);
    EXPECT_EQ(seams.additions.back(), kHotPlate);
}

// Five objects with links across the one moved and a selection.
TEST_F(CatalogueTest, MoveToBackRemapsEveryLinkTheSelectionAndTheBuret) {
    for (int i = 1; i <= 5; ++i) {
        bench[i] = EquipmentPrototype(i == 2 ? kBuret : kBeaker, false);
        bench[i].stopwatchCount = i;  // identity
    }
    bench[1].pourTarget = 4;       // -> the moved one
    bench[2].host = 3;             // before the moved one
    bench[3].hostedItem = 2;
    bench[4].nextGroupMember = 5;  // the moved one links past itself
    bench[5].nextGroupMember = 4;  // after it, linking to it
    bench[5].host = 1;
    ObjectSelected = true;
    SelectedObject = 4;
    MultiSelection = {true, 3, {2, 4, 5}, {0, 0, 10, 10}, {}};
    seams.titrationBuret = 2;

    ASSERT_EQ(MoveObjectToBack(bench.data(), 4, 5), &bench[1]);
    const int32_t order[] = {0, 4, 1, 2, 3, 5};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(bench[i].stopwatchCount, order[i]) << i;
    EXPECT_EQ(bench[2].pourTarget, 1);       // old 1 -> old 4
    EXPECT_EQ(bench[3].host, 4);             // old 2 -> old 3
    EXPECT_EQ(bench[4].hostedItem, 3);       // old 3 -> old 2
    EXPECT_EQ(bench[1].nextGroupMember, 5);  // old 4 -> old 5
    EXPECT_EQ(bench[5].nextGroupMember, 1);  // old 5 -> old 4
    EXPECT_EQ(bench[5].host, 2);             // old 5 -> old 1
    EXPECT_EQ(SelectedObject, 1);
    EXPECT_EQ(MultiSelection.members[0], 3);
    EXPECT_EQ(MultiSelection.members[1], 1);
    EXPECT_EQ(MultiSelection.members[2], 5);
    EXPECT_EQ(seams.buretMoves, (std::vector<std::pair<int32_t, int32_t>>{{2, 3}}));
    ASSERT_EQ(seams.particleRemaps.size(), 1u);
    const int32_t expected[] = {0, 2, 3, 4, 1, 5, 6};
    for (int k = 0; k <= 6; ++k) EXPECT_EQ(seams.particleRemaps[0].newIndex[k], expected[k]) << k;
}

TEST_F(CatalogueTest, MoveToBackGuards) {
    bench[1] = EquipmentPrototype(kBeaker, false);
    bench[1].host = 1;
    const std::vector<LabObject> before = bench;
    EXPECT_EQ(MoveObjectToBack(bench.data(), 1, 1), &bench[1]);
    EXPECT_EQ(MoveObjectToBack(bench.data(), 0, 1), nullptr);
    EXPECT_EQ(MoveObjectToBack(bench.data(), -4, 1), nullptr);
    EXPECT_EQ(MoveObjectToBack(bench.data(), 51, 51), nullptr);
    EXPECT_EQ(std::memcmp(before.data(), bench.data(), bench.size() * sizeof(LabObject)), 0);
    EXPECT_TRUE(seams.particleRemaps.empty());
}

// Which corner each member keeps, and which table it copies from.
TEST_F(CatalogueTest, RetemplatingKeepsTheRightCorner) {
    seams.dpiFactor = 1.0;  // pouring still takes the screen's set (large here)
    struct Case {
        const char* name;
        LabObject object;
        int (*apply)(LabObject&);
        int32_t height, width;  // of the new head
        bool keepsBottom;
    };
    const RectI32 at = {100, 400, 100 + 226, 400 + 295};
    const RectI32 roundAt = {50, 300, 50 + 225, 300 + 285};
    const Case cases[] = {
        {"funnel on", At(kErlenmeyerFlask, 3, 0, 0, at), [](LabObject& o) { return SetTemplateState(o, 1); },
         382, 226, true},
        {"funnel off", At(kErlenmeyerFlask, 3, 0, 1, {100, 313, 326, 695}),
         [](LabObject& o) { return ToggleTemplateState(o, 1); }, 295, 226, true},
        {"condenser", At(kRoundBottomFlask, 3, 0, 0x4, {50, 0, 275, 614}),
         [](LabObject& o) { return ToggleTemplateState(o, 0x8); }, 614, 574, true},
        {"pour", At(kErlenmeyerFlask, 3, 0, 0, at), [](LabObject& o) { return TogglePourPosition(o, 0); },
         226, 295, true},
        {"size", At(kErlenmeyerFlask, 3, 0, 0, at), [](LabObject& o) { return ChangeSize(o, 4); }, 354,
         271, false},
        {"container", At(kRoundBottomFlask, 3, 0, 0, roundAt),
         [](LabObject& o) { return ChangeContainer(o, kBeaker, 5); }, 310, 294, false},
        {"balance", At(kCentigramBalance, 3, 0, 0, {0, 0, 1000, 422}),
         [](LabObject& o) { return SetBalanceState(o, 3); }, 422, 1000, true},
        {"drain", At(kSeparatoryFunnel, 3, 0, 2, {0, 100, 130, 483}),
         [](LabObject& o) { o.pourTarget = 4; return SetDrainVariant(o, 0, 4) + o.pourTarget; }, 130, 383,
         true},
        {"dipped", At(kMetalWire, 10, 0, 0, {10, 20, 187, 147}),
         [](LabObject& o) { return SetDippedState(o, 1, 0); }, 120, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o = c.object;
        const RectI32 old = o.position;
        ASSERT_EQ(c.apply(o), 1);
        EXPECT_EQ(o.pictureHeight, c.height);
        EXPECT_EQ(o.pictureWidth, c.width);
        EXPECT_EQ(o.position.left, old.left);
        EXPECT_EQ(o.position.right - o.position.left, c.width);
        EXPECT_EQ(o.position.bottom - o.position.top, c.height);
        if (c.keepsBottom) EXPECT_EQ(o.position.bottom, old.bottom);
        else EXPECT_EQ(o.position.top, old.top);
        // The body is never touched.
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&o) + kLabObjectHeadBytes + 16,
                              reinterpret_cast<const char*>(&c.object) + kLabObjectHeadBytes + 16,
                              sizeof(LabObject) - kLabObjectHeadBytes - 16),
                  0);
    }
}

TEST_F(CatalogueTest, MissingRowOrRefusalLeavesTheObjectByteIdentical) {
    struct Case {
        const char* name;
        LabObject object;
        int (*apply)(LabObject&);
    };
    const RectI32 at = {100, 400, 326, 695};
    const Case cases[] = {
        {"no such state", At(kErlenmeyerFlask, 3, 0, 0, at), [](LabObject& o) { return SetTemplateState(o, 2); }},
        {"kind refuses states", At(kBeaker, 3, 0, 0, at), [](LabObject& o) { return SetTemplateState(o, 1); }},
        {"toggle from state 0", At(kRoundBottomFlask, 3, 0, 0, at),
         [](LabObject& o) { return ToggleTemplateState(o, 4); }},
        {"no such size", At(kBeaker, 3, 0, 0, at), [](LabObject& o) { return ChangeSize(o, 9); }},
        {"tipped cannot resize", At(kBeaker, 3, 1, 0, at), [](LabObject& o) { return ChangeSize(o, 4); }},
        {"no such container", At(kBeaker, 3, 0, 0, at), [](LabObject& o) { return ChangeContainer(o, kBuret, 3); }},
        {"type outside the kinds", At(kBeaker, 3, 0, 0, at), [](LabObject& o) { return ChangeContainer(o, 29, 3); }},
        {"not a balance", At(kBeaker, 3, 0, 0, at), [](LabObject& o) { return SetBalanceState(o, 0); }},
        {"not tiltable", At(kBuret, 2, 0, 0, at), [](LabObject& o) { return SetDrainVariant(o, 1, 1); }},
        {"same variant", At(kSeparatoryFunnel, 3, 0, 2, at), [](LabObject& o) { return SetDrainVariant(o, 1, 0); }},
        {"already dipped", At(kMetalWire, 10, 0, 1, at), [](LabObject& o) { return SetDippedState(o, 1, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o = c.object;
        EXPECT_EQ(c.apply(o), 0);
        EXPECT_EQ(std::memcmp(&o, &c.object, sizeof o), 0);
    }
    EXPECT_TRUE(seams.invalidated.empty());
    EXPECT_TRUE(seams.additions.empty());
}

TEST_F(CatalogueTest, PouringWithoutARowStillRedrawsButReportsNoChange) {
    // A tipped centigram balance exists; a tipped Bunsen burner cannot be made.
    LabObject burner = At(kBunsenBurner, 0, 0, 0, {0, 0, 125, 197});
    burner.tiltable = 1;
    burner.pourTarget = 3;
    EXPECT_EQ(TogglePourPosition(burner, 1), 0);
    EXPECT_EQ(burner.pourTarget, 0);
    EXPECT_EQ(seams.invalidated.size(), 1u);
    EXPECT_EQ(seams.frames.size(), 2u);

    // Tipping and back: the selection frame moves with the object.
    seams.dpiFactor = 1.5;  // large table
    LabObject beaker = At(kBeaker, 3, 0, 0, {100, 400, 313, 669});
    ASSERT_EQ(TogglePourPosition(beaker, 1), 1);
    EXPECT_EQ(beaker.variant, 1);
    EXPECT_EQ(beaker.pictureHeight, 213);
    const RectI32 tipped = seams.frames.back();
    EXPECT_EQ(tipped.bottom, 669);
    EXPECT_EQ(tipped.right, 100 + 269);
    const RectI32 grown = seams.invalidated.back();
    EXPECT_EQ(grown.left, 95);
    EXPECT_EQ(grown.top, 395);
    EXPECT_EQ(grown.right, 374);
    EXPECT_EQ(grown.bottom, 674);
    beaker.kindStateWord = 7;  // mid-tilt: goes upright again
    ASSERT_EQ(TogglePourPosition(beaker, 0), 1);
    EXPECT_EQ(beaker.variant, 0);
}

// A beaker made on a screen keeps its size through a pour, whatever the DPI:
// tipping and setting upright take the set new equipment is made in.
TEST_F(CatalogueTest, APouredBeakerKeepsItsSize) {
    struct Case {
        int32_t fullScreenHeight;
        double dpiFactor;
        int32_t height, width;  // upright
    };
    const Case cases[] = {{1024 - 30, 1.0, 269, 213}, {768 - 30, 1.0, 198, 160}, {768 - 30, 1.5, 198, 160}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fullScreenHeight << " px at " << c.dpiFactor);
        seams.fullScreenHeight = c.fullScreenHeight;
        seams.dpiFactor = c.dpiFactor;
        LabObject beaker = EquipmentPrototype(kBeaker, IsSmallScreen());
        ASSERT_EQ(beaker.pictureHeight, c.height);
        ASSERT_EQ(TogglePourPosition(beaker, 0), 1);
        EXPECT_EQ(beaker.variant, 1);
        EXPECT_EQ(beaker.pictureWidth, c.height);
        EXPECT_EQ(beaker.pictureHeight, c.width);
        ASSERT_EQ(TogglePourPosition(beaker, 0), 1);
        EXPECT_EQ(beaker.variant, 0);
        EXPECT_EQ(beaker.pictureHeight, c.height);
        EXPECT_EQ(beaker.pictureWidth, c.width);
    }
}

TEST_F(CatalogueTest, ShrinkingAVesselScalesItsContents) {
    LabObject beaker = At(kBeaker, 4, 0, 0, {0, 0, 243, 296});
    beaker.liquidVolume = 2000.0;  // 200 ml
    beaker.solidVolume = 3.0;
    const double grams[] = {199.0, 4.0, 0.5};
    for (int i = 0; i < 3; ++i) {
        beaker.slots[i].cas = 7732185 + i;
        beaker.slots[i].grams = grams[i];
    }
    LabObject larger = beaker;
    ASSERT_EQ(ChangeSize(larger, 5), 1);  // 600 ml
    EXPECT_EQ(larger.liquidVolume, 2000.0);
    EXPECT_EQ(larger.solidVolume, 3.0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(larger.slots[i].grams, grams[i]);

    ASSERT_EQ(ChangeSize(beaker, 3), 1);  // 100 ml
    EXPECT_EQ(beaker.capacityMl, 100);
    EXPECT_EQ(beaker.liquidVolume, 1000.0);
    EXPECT_EQ(beaker.solidVolume, 1.5);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(beaker.slots[i].grams, grams[i] / 2) << i;
    EXPECT_EQ(beaker.slots[3].grams, 0.0);
}

TEST_F(CatalogueTest, ChangingContainerTellsTheModule) {
    LabObject o = At(kBeaker, 3, 0, 0, {0, 0, 213, 269});
    ASSERT_EQ(ChangeContainer(o, kErlenmeyerFlask, 4), 1);
    EXPECT_EQ(o.type, kErlenmeyerFlask);
    EXPECT_EQ(o.capacityMl, 250);
    EXPECT_EQ(seams.additions, std::vector<int32_t>{kErlenmeyerFlask});
}

TEST_F(CatalogueTest, EmptyingKeepsPlaceLinksAndSettings) {
    LabObject o = At(kErlenmeyerFlask, 4, 0, 1, {10, 20, 281, 480});
    o.liquidVolume = 500;
    o.solidVolume = 2;
    o.temperature = 350;
    o.ph = 3;
    o.slots[1].grams = 4;
    o.slots[1].cas = 7647145;
    o.groupMemberCount = 2, o.nextGroupMember = 3, o.host = 4, o.hostedItem = 5, o.pourTarget = 6;
    o.groupRect = {1, 2, 3, 4};
    o.readoutShown = 1, o.phShown = 1, o.tare = 1.5f, o.wavelength = 540, o.objectFlags = 0x10;
    o.stopwatchCount = 77, o.electrode1 = 9, o.electrode2 = 8, o.thermometerInserted = 1;
    std::memcpy(o.label, "A1b", 3);
    std::strcpy(o.note, "filtrate");
    const LabObject before = o;

    ASSERT_EQ(EmptyObject(o), 1);
    EXPECT_EQ(seams.particlesRemoved.size(), 1u);
    EXPECT_EQ(std::memcmp(&o, &EquipmentTemplate(TemplateSet::kLarge, 14), kLabObjectHeadBytes), 0);
    EXPECT_EQ(std::memcmp(&o.position, &before.position, sizeof o.position), 0);
    EXPECT_EQ(o.liquidVolume, 0.0);
    EXPECT_EQ(o.solidVolume, 0.0);
    EXPECT_EQ(o.temperature, 293.0f);
    EXPECT_EQ(o.ph, 7.0);
    EXPECT_EQ(o.slots[1].grams, 0.0);
    EXPECT_EQ(o.pourTarget, 0);
    EXPECT_EQ(o.electrode2, 0);
    EXPECT_EQ(o.groupMemberCount, 2);
    EXPECT_EQ(o.nextGroupMember, 3);
    EXPECT_EQ(o.host, 4);
    EXPECT_EQ(o.hostedItem, 5);
    EXPECT_EQ(o.groupRect.right, 3);
    EXPECT_EQ(o.readoutShown + o.phShown, 2);
    EXPECT_EQ(o.tare, 1.5f);
    EXPECT_EQ(o.wavelength, 540);
    EXPECT_EQ(o.objectFlags, 0x10u);
    EXPECT_EQ(o.stopwatchCount, 77);
    EXPECT_EQ(o.electrode1, 9);
    EXPECT_EQ(o.thermometerInserted, 1);
    EXPECT_EQ(std::memcmp(o.label, "A1b", 3), 0);
    EXPECT_STREQ(o.note, "filtrate");
}

TEST_F(CatalogueTest, ScreenAndSaveTemplates) {
    LabObject o = At(kBeaker, 4, 0, 0, {101, 51, 344, 347});
    seams.fullScreenHeight = 800;
    ApplyScreenTemplate(o);
    EXPECT_EQ(o.pictureHeight, 199);
    EXPECT_EQ(o.position.left, 101);
    EXPECT_EQ(o.position.bottom, 51 + 199);
    ApplySaveTemplate(o);
    EXPECT_EQ(o.pictureHeight, 102);
    EXPECT_EQ(o.position.left, 50);
    EXPECT_EQ(o.position.top, 25);
    EXPECT_EQ(o.position.right, 50 + 86);
    EXPECT_EQ(o.position.bottom, 25 + 102);
}

TEST_F(CatalogueTest, FilterPairs) {
    LabObject flask = At(kErlenmeyerFlask, 3, 0, 1, {});
    flask.slots[2].phase = kPhaseSuspended;
    flask.slots[2].grams = 0.2;
    LabObject dryFlask = At(kErlenmeyerFlask, 3, 0, 1, {});
    LabObject beaker = At(kBeaker, 3, 0, 0, {});
    LabObject balance = At(kElectronicBalance, 4, 0, 0, {});
    LabObject burner = At(kBunsenBurner, 0, 0, 0, {});
    struct Case {
        const LabObject *a, *b;
        int expected;
    };
    const Case cases[] = {
        {&flask, &beaker, 1},  {&flask, &balance, 1}, {&beaker, &flask, 2}, {&flask, &burner, 0},
        {&burner, &flask, 0},  {&dryFlask, &beaker, 0}, {&flask, &flask, 0}, {&flask, nullptr, 0},
        {nullptr, &flask, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FilterPairTest(c.a, c.b), c.expected);
    EXPECT_TRUE(IsContainer(beaker));
    EXPECT_FALSE(IsContainer(burner));
    EXPECT_TRUE(IsContainerOrBalance(balance));
    EXPECT_FALSE(IsContainerOrBalance(burner));
}
