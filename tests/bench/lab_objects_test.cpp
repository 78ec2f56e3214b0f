#include <gtest/gtest.h>

#include <vector>

#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"

namespace {

struct Placed {
    RectI32 position;
    uint32_t kindFlags;
    int32_t groupMembers;
};

void PlaceObjects(const std::vector<Placed>& objects) {
    ResetLabObjects();
    for (const Placed& p : objects) {
        LabObject& o = LabObjects[++LabObjectCount];
        o.type = kBeaker;
        o.position = p.position;
        o.kindFlags = p.kindFlags;
        o.groupMemberCount = p.groupMembers;
    }
}

void Select(int32_t index) {
    SelectedObject = index;
    ObjectSelected = index != 0;
}

constexpr uint32_t kCombinable = kKindCombinable;
constexpr RectI32 kFlask = {100, 100, 140, 160};  // the selected object: bottom edge y = 160

}  // namespace

TEST(LabObjects, ResetClearsEveryRecordAndTheCount) {
    LabObjects[0].type = kBeaker;
    LabObjects[kLabObjectArrayLength - 1].capacityMl = 7;
    LabObjectCount = 3;
    ResetLabObjects();
    EXPECT_EQ(LabObjectCount, 0);
    EXPECT_EQ(LabObjects[0].type, 0);
    EXPECT_EQ(LabObjects[kLabObjectArrayLength - 1].capacityMl, 0);
}

TEST(LabObjects, FullMeansLiquidVolumeAtCapacityTimesTen) {
    LabObject o{};
    o.capacityMl = 100;
    o.liquidVolume = 1000;
    EXPECT_TRUE(IsObjectFull(o));
    o.liquidVolume = 999.9;
    EXPECT_FALSE(IsObjectFull(o));
}

TEST(LabObjects, FindObjectUnderSelectionNeedsItsBottomEdgeStrictlyInside) {
    struct Case {
        const char* name;
        std::vector<Placed> objects;  // object 1 is the selected one
        int32_t selected;
        int32_t expected;
    };
    const Case cases[] = {
        {"partner holds the bottom edge", {{kFlask, kCombinable, 0}, {{90, 150, 150, 200}, kCombinable, 0}}, 1, 2},
        {"left edges equal", {{kFlask, kCombinable, 0}, {{100, 150, 150, 200}, kCombinable, 0}}, 1, 0},
        {"right edges equal", {{kFlask, kCombinable, 0}, {{90, 150, 140, 200}, kCombinable, 0}}, 1, 0},
        {"bottom on the partner's top", {{kFlask, kCombinable, 0}, {{90, 160, 150, 200}, kCombinable, 0}}, 1, 0},
        {"bottom on the partner's bottom", {{kFlask, kCombinable, 0}, {{90, 150, 150, 160}, kCombinable, 0}}, 1, 0},
        {"partner below the object", {{kFlask, kCombinable, 0}, {{90, 170, 150, 200}, kCombinable, 0}}, 1, 0},
        {"partner not combinable", {{kFlask, kCombinable, 0}, {{90, 150, 150, 200}, kKindContainer, 0}}, 1, 0},
        {"selected not combinable", {{kFlask, kKindContainer, 0}, {{90, 150, 150, 200}, kCombinable, 0}}, 1, 0},
        {"selected in a group", {{kFlask, kCombinable, 2}, {{90, 150, 150, 200}, kCombinable, 0}}, 1, 0},
        {"grouped partner skipped for the next",
         {{kFlask, kCombinable, 0}, {{90, 150, 150, 200}, kCombinable, 2}, {{80, 140, 160, 210}, kCombinable, 0}},
         1, 3},
        {"first in index order wins",
         {{{90, 150, 150, 200}, kCombinable, 0}, {{80, 140, 160, 210}, kCombinable, 0}, {kFlask, kCombinable, 0}},
         3, 1},
        {"nothing selected", {{kFlask, kCombinable, 0}, {{90, 150, 150, 200}, kCombinable, 0}}, 0, 0},
        {"alone on the bench", {{kFlask, kCombinable, 0}}, 1, 0},
    };
    for (const Case& c : cases) {
        PlaceObjects(c.objects);
        Select(c.selected);
        EXPECT_EQ(FindObjectUnderSelection(), c.expected) << c.name;
    }
    // A selection flag without an object in range finds nothing.
    PlaceObjects(cases[0].objects);
    Select(7);
    EXPECT_EQ(FindObjectUnderSelection(), 0);
    Select(0);
}

TEST(LabObjects, FindIntersectingObjectLooksForAnotherTouchingContainer) {
    PlaceObjects({
        {{0, 0, 50, 50}, kKindDippable, 0},                 // 1: a pipet
        {{40, 40, 90, 90}, kKindCombinable, 0},             // 2: touches, not a container
        {{45, 45, 95, 95}, kKindContainer, 0},              // 3: touches, a container
        {{0, 0, 50, 50}, kKindContainer, 0},                // 4: also touches
        {{50, 0, 80, 50}, kKindContainer, 0},               // 5: shares only an edge
    });
    const LabObject& pipet = LabObjects[1];
    EXPECT_EQ(FindIntersectingObject(LabObjectCount, LabObjects, pipet), 3);
    EXPECT_EQ(FindIntersectingObject(2, LabObjects, pipet), 0);
    // A run of one record, the host, answers 1 while they still touch.
    EXPECT_EQ(FindIntersectingObject(1, &LabObjects[4] - 1, pipet), 1);
    EXPECT_EQ(FindIntersectingObject(1, &LabObjects[5] - 1, pipet), 0);
    // An object that cannot be dipped never looks.
    EXPECT_EQ(FindIntersectingObject(LabObjectCount, LabObjects, LabObjects[3]), 0);
    // A container that is itself dippable does not find itself.
    LabObjects[4].kindFlags |= kKindDippable;
    EXPECT_EQ(FindIntersectingObject(1, &LabObjects[4] - 1, LabObjects[4]), 0);
}

TEST(LabObjects, BoundingRectIsTheUnionOfTheObjects) {
    RectI32 r{1, 2, 3, 4};
    PlaceObjects({});
    EXPECT_FALSE(ObjectsBoundingRect(&r));
    PlaceObjects({
        {{10, 20, 30, 40}, 0, 0},
        {{0, 0, 0, 0}, 0, 0},  // an object without extent adds nothing
        {{25, 5, 60, 35}, 0, 0},
    });
    ASSERT_TRUE(ObjectsBoundingRect(&r));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.right, 60);
    EXPECT_EQ(r.bottom, 40);
}
