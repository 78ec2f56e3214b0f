#include <gtest/gtest.h>

#include <vector>

#include "render/animation_frames.h"

namespace {

LabObject Measuring(int32_t type, int32_t sizeIndex, double tenths) {
    LabObject o{};
    o.type = type;
    o.sizeIndex = sizeIndex;
    o.liquidVolume = tenths;
    o.objectFlags = kObjShowMeniscus;
    o.position = {100, 200, 140, 600};
    return o;
}

}  // namespace

TEST(MeniscusCloseUp, BuretPictureAndScaleWindow) {
    struct Case {
        int32_t type, size;
        double tenths;
        int32_t picture, offset;
    } cases[] = {
        {kBuret, 2, 500, 0, 0},       // full
        {kBuret, 2, 377, 5, 480},     // 12.3 ml run out: digit 3
        {kBuret, 2, 0.4, 1, 1960},    // rounds to empty: the strip's last window
        {kBuret, 2, 499.6, 2, 0},     // rounds to a full reading, not quite full
        {kBuret, 2, 650, 0, 0},       // above full reads as full
        {kBuret, 2, -30, 1, 1960},    // below empty reads as empty
        {kBuret, 1, 100, 0, 0},
        {kBuret, 1, 55, 7, 160},      // 4.5 ml run out of the 10 ml buret
        {kBuret, 1, 0.2, 1, 360},
        {kInvertedBuret, 2, 377, 5, 480},
    };
    for (const Case& c : cases) {
        MeniscusCloseUp m;
        ASSERT_TRUE(PlanMeniscusCloseUp(Measuring(c.type, c.size, c.tenths), &m)) << c.tenths;
        EXPECT_EQ(m.pictureList, MeniscusList::kBuret);
        EXPECT_EQ(m.pictureIndex, c.picture) << c.size << " " << c.tenths;
        EXPECT_EQ(m.scaleOffset, c.offset) << c.size << " " << c.tenths;
        EXPECT_EQ(m.scaleList, c.type == kInvertedBuret ? ScaleList::kInvertedBuret : ScaleList::kBuret);
        EXPECT_EQ(m.picturePoint.x, 150);
        EXPECT_EQ(m.picturePoint.y, 250);
        EXPECT_EQ(m.scalePoint.x, 153);
        EXPECT_EQ(m.scalePoint.y, 258);
        EXPECT_LE(m.scaleOffset + kScaleWindowHeight, kBuretScaleHeight);
    }
}

TEST(MeniscusCloseUp, CylinderPictureAndScaleWindow) {
    struct Case {
        int32_t size;
        double tenths;
        int32_t picture, scale, offset;
    } cases[] = {
        {3, 374, 4, 0, 360},   // 37.4 ml: digit 3 of the remaining 63
        {3, 0, 0, 0, 540},     // empty
        {3, 1000, 1, 0, 0},
        {3, 1400, 1, 0, 0},    // overfull reads as full
        {1, 30.4, 1, 1, 420},  // digit and window from the same rounded 7.0
        {1, 29.6, 1, 1, 420},
        {1, 74, 7, 1, 120},
        {1, 150, 1, 1, 0},
    };
    for (const Case& c : cases) {
        MeniscusCloseUp m;
        ASSERT_TRUE(PlanMeniscusCloseUp(Measuring(kGraduatedCylinder, c.size, c.tenths), &m));
        EXPECT_EQ(m.pictureList, MeniscusList::kCylinder);
        EXPECT_EQ(m.pictureIndex, c.picture) << c.size << " " << c.tenths;
        EXPECT_EQ(m.scaleIndex, c.scale);
        EXPECT_EQ(m.scaleOffset, c.offset) << c.size << " " << c.tenths;
        EXPECT_EQ(m.picturePoint.y, 220);
        EXPECT_EQ(m.scalePoint.x, 153);
        EXPECT_EQ(m.scalePoint.y, 225);
        EXPECT_LE(m.scaleOffset + kScaleWindowHeight, kCylinderScaleHeight);
    }
    // The 10 ml cylinder stands in the 100 ml one's picture and reads its own scale.
    LabObject tenMl = Measuring(kGraduatedCylinder, 3, 74);
    tenMl.capacityMl = 10;
    MeniscusCloseUp m;
    ASSERT_TRUE(PlanMeniscusCloseUp(tenMl, &m));
    EXPECT_EQ(m.pictureIndex, 7);
    EXPECT_EQ(m.scaleIndex, 1);
    EXPECT_EQ(m.scaleOffset, 120);
}

TEST(MeniscusCloseUp, OnlyUprightWithTheFlagAndForKnownSizes) {
    MeniscusCloseUp m;
    LabObject tipped = Measuring(kBuret, 2, 377);
    tipped.variant = 1;
    EXPECT_FALSE(PlanMeniscusCloseUp(tipped, &m));
    LabObject plain = Measuring(kBuret, 2, 377);
    plain.objectFlags = 0;
    EXPECT_FALSE(PlanMeniscusCloseUp(plain, &m));
    EXPECT_FALSE(PlanMeniscusCloseUp(Measuring(kBuret, 3, 377), &m));
    EXPECT_FALSE(PlanMeniscusCloseUp(Measuring(kGraduatedCylinder, 2, 377), &m));
    EXPECT_FALSE(PlanMeniscusCloseUp(Measuring(kBeaker, 2, 377), &m));
}

TEST(AnimationFrames, DistillingFlaskFlipsAsTheRateAccumulates) {
    struct Case {
        double rate;
        int32_t start;
        std::vector<int32_t> pictures;
    } cases[] = {
        {0.1, kFlaskBoilingPicture, {183, 183, 186, 183, 183, 186}},
        {0.3, kFlaskPicture, {183, 186, 183}},
        {0, kFlaskBubblingPicture, {183, 183}},
        {0, kFlaskHeatedPicture, {173, 173}},
        {0, kFlaskPicture, {173}},
    };
    for (const Case& c : cases) {
        LabObject o{};
        o.type = kRoundBottomFlask;
        o.flowSetting = c.rate;
        o.currentPictureId = c.start;
        std::vector<int32_t> seen;
        for (size_t i = 0; i < c.pictures.size(); ++i) {
            AnimateRoundFlask(o);
            seen.push_back(o.currentPictureId);
        }
        EXPECT_EQ(seen, c.pictures) << c.rate << " " << c.start;
    }
    LabObject beaker{};
    beaker.type = kBeaker;
    beaker.flowSetting = 1;
    beaker.currentPictureId = kFlaskBoilingPicture;
    AnimateRoundFlask(beaker);
    EXPECT_EQ(beaker.currentPictureId, kFlaskBoilingPicture);
    EXPECT_EQ(beaker.reading2, 0);
}

TEST(AnimationFrames, DropperDripsWhileReleasingAndErasesItsTipAfterwards) {
    LabObject o{};
    o.type = kEyeDropper;
    o.position = {50, 60, 70, 160};
    o.currentPictureId = kDropperPicture;
    o.liquidVolume = 10;
    o.flowSetting = 1;
    o.pourTarget = 3;
    // While it releases, the drop picture and the plain one take turns.
    std::vector<int32_t> seen;
    std::vector<bool> erased;
    RectI32 strip{};
    for (int tick = 0; tick < 4; ++tick) {
        erased.push_back(AnimateEyeDropper(o, &strip));
        seen.push_back(o.currentPictureId);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{246, 206, 246, 206}));
    EXPECT_EQ(erased, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(strip.left, 50);
    EXPECT_EQ(strip.top, 150);
    EXPECT_EQ(strip.right, 70);
    EXPECT_EQ(strip.bottom, 160);

    o.liquidVolume = 0;  // empty: no more drops
    EXPECT_FALSE(AnimateEyeDropper(o, &strip));
    EXPECT_EQ(o.currentPictureId, kDropperPicture);

    o.liquidVolume = 10;
    o.pourTarget = 0;  // nothing below it
    EXPECT_FALSE(AnimateEyeDropper(o, &strip));
    EXPECT_EQ(o.currentPictureId, kDropperPicture);
}
