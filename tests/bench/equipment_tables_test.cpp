// The catalogue's tables: keys, sizes and flags as the lab relies on them,
// and geometry that stays inside every picture and matches its arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <tuple>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/catalogue/equipment_geometry.h"
#include "bench/catalogue/equipment_keys.h"

namespace {

const TemplateSet kSets[] = {TemplateSet::kLarge, TemplateSet::kSmall, TemplateSet::kSave};
const char* SetName(TemplateSet s) {
    return s == TemplateSet::kLarge ? "large" : s == TemplateSet::kSmall ? "small" : "save";
}

std::tuple<int32_t, int32_t, int32_t, int32_t> KeyOf(const LabObject& h) {
    return {h.type, h.sizeIndex, h.variant, h.stateBits};
}

bool Inside(PointI32 p, const LabObject& h) {
    return p.x >= 0 && p.y >= 0 && p.x <= h.pictureWidth && p.y <= h.pictureHeight;
}

}  // namespace

TEST(EquipmentTemplates, KeysAreUniqueAndTypesContiguous) {
    std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>> keys;
    std::set<int32_t> typesSeen;
    int32_t previousType = 0;
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const LabObject& h = EquipmentTemplate(TemplateSet::kLarge, r);
        EXPECT_TRUE(IsEquipmentType(h.type)) << "row " << r;
        EXPECT_TRUE(keys.insert(KeyOf(h)).second) << "duplicate key in row " << r;
        if (h.type != previousType) {
            EXPECT_TRUE(typesSeen.insert(h.type).second) << "type " << h.type << " split at row " << r;
            previousType = h.type;
        }
        EXPECT_EQ(FindTemplate(h.type, h.sizeIndex, h.variant, h.stateBits), r);
    }
    // Every kind has rows (the paper-chromatography set stands before the funnel).
    EXPECT_EQ(typesSeen.size(), 28u);
}

TEST(EquipmentTemplates, TablesAgreeOnEverythingButGeometry) {
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const LabObject& large = EquipmentTemplate(TemplateSet::kLarge, r);
        for (TemplateSet s : {TemplateSet::kSmall, TemplateSet::kSave}) {
            const LabObject& h = EquipmentTemplate(s, r);
            SCOPED_TRACE(testing::Message() << SetName(s) << " row " << r);
            EXPECT_EQ(KeyOf(h), KeyOf(large));
            EXPECT_EQ(h.capacityMl, large.capacityMl);
            EXPECT_EQ(h.tiltable, large.tiltable);
            EXPECT_EQ(h.combineCategory, large.combineCategory);
            EXPECT_EQ(h.addWaterStep, large.addWaterStep);
            EXPECT_EQ(h.pourStep, large.pourStep);
            EXPECT_EQ(h.emptyMass, large.emptyMass);
            // Only the centigram balance's upright small rows carry other flags.
            const bool balanceRow = r >= 44 && r <= 46 && s == TemplateSet::kSmall;
            EXPECT_EQ(h.kindFlags, balanceRow ? 0x8001803u : large.kindFlags);
        }
    }
}

TEST(EquipmentTemplates, MendedAndDistinctRows) {
    // The inverted buret's large picture is its prototype's, not the save size.
    const int32_t inverted = FindTemplate(kInvertedBuret, 2, 0, 0);
    ASSERT_EQ(inverted, 68);
    EXPECT_EQ(EquipmentTemplate(TemplateSet::kLarge, inverted).pictureHeight, 599);
    EXPECT_EQ(EquipmentTemplate(TemplateSet::kLarge, inverted).pictureWidth, 43);
    EXPECT_EQ(EquipmentTemplate(TemplateSet::kSave, inverted).pictureHeight, 261);
    EXPECT_EQ(EquipmentTemplate(TemplateSet::kLarge, 44).kindFlags, 0x1803u);
    // A key that two rows could share is found at its first row only.
    EXPECT_EQ(FindTemplate(kSeparatoryFunnel, 3, 0, 2), 75);
    EXPECT_EQ(FindTemplate(kBeaker, 3, 0, 0x10000), 3);  // the state is 16 bits
    EXPECT_EQ(FindTemplate(kBeaker, 6, 0, 0), -1);
    EXPECT_EQ(TemplateCapacity(kBeaker, 5, 0), 600);
    EXPECT_EQ(TemplateCapacity(kPipet, 11, 0x80), 35);
    EXPECT_EQ(TemplateCapacity(kBeaker, 9, 0), 0);
}

TEST(EquipmentTemplates, EveryGeometryPointLiesInsideItsPicture) {
    for (TemplateSet s : kSets) {
        for (int32_t r = 0; r < kTemplateRowCount; ++r) {
            const LabObject& h = EquipmentTemplate(s, r);
            SCOPED_TRACE(testing::Message() << SetName(s) << " row " << r);
            ASSERT_GT(h.pictureWidth, 0);
            ASSERT_GT(h.pictureHeight, 0);
            for (const PointI32& p : h.liquidOutline) EXPECT_TRUE(Inside(p, h));
            EXPECT_TRUE(Inside({h.labelArea.left, h.labelArea.top}, h));
            EXPECT_TRUE(Inside({h.labelArea.right, h.labelArea.bottom}, h));
            EXPECT_FALSE(RectIsEmpty(h.labelArea));
            EXPECT_TRUE(Inside({h.balancePan.left, h.balancePan.top}, h));
            EXPECT_TRUE(Inside({h.balancePan.right, h.balancePan.bottom}, h));
            EXPECT_TRUE(Inside({h.thermometerX, h.thermometerY}, h));
            EXPECT_TRUE(Inside({h.accessoryOffsetX, h.accessoryOffsetY}, h));
            EXPECT_TRUE(Inside({h.outletX, h.outletY}, h));
            EXPECT_GE(h.openingWidth, 0);
            EXPECT_LE(h.openingWidth, std::max(h.pictureWidth, h.pictureHeight));
            EXPECT_LE(std::abs(h.combineOffsetX) * 2, h.pictureWidth);

            // The picture's outline, as the art generator draws it.
            const BodyShape& shape = EquipmentBodyShape(h.type);
            const RowLayout layout = TemplateRowLayout(r);
            for (int i = 0; i < shape.outlinePointCount; ++i)
                EXPECT_TRUE(Inside(BodyPointInPicture(layout, shape.outline[i], h.pictureWidth,
                                                      h.pictureHeight), h));
        }
    }
}

// The liquid-height scale must put a full vessel's surface on the picture's
// full mark, or the drawn liquid and the drawn glass disagree.
TEST(EquipmentTemplates, FullVesselReachesItsFullMark) {
    for (TemplateSet s : kSets) {
        for (int32_t r = 0; r < kTemplateRowCount; ++r) {
            const LabObject& h = EquipmentTemplate(s, r);
            const BodyShape& shape = EquipmentBodyShape(h.type);
            const RowLayout layout = TemplateRowLayout(r);
            if (layout.turn != BodyTurn::kUpright || !shape.cavityShape || h.capacityMl <= 0) continue;
            SCOPED_TRACE(testing::Message() << SetName(s) << " row " << r);
            const PointI32 floor = BodyPointInPicture(layout, {0.5f, shape.liquidFloor},
                                                      h.pictureWidth, h.pictureHeight);
            const PointI32 full = BodyPointInPicture(layout, {0.5f, shape.fullLevel},
                                                     h.pictureWidth, h.pictureHeight);
            const double surface = floor.y - 10.0 * h.capacityMl * h.liquidHeightScale;
            EXPECT_NEAR(surface, full.y, 1.0);
            EXPECT_EQ(h.liquidWidthScale, 0.0f);
        }
    }
}

TEST(EquipmentTemplates, DistillationOutletOnlyWhereACondenserEnds) {
    for (int32_t r = 0; r < kTemplateRowCount; ++r) {
        const LabObject& h = EquipmentTemplate(TemplateSet::kLarge, r);
        const bool condenser = h.type == kRoundBottomFlask && (h.stateBits & 0x8);
        EXPECT_EQ(h.outletX != 0, condenser) << "row " << r;
        // The outlet leaves the picture's lower right, above where a receiver stands.
        if (condenser) EXPECT_GT(h.outletX, h.pictureWidth * 3 / 4) << "row " << r;
    }
}

TEST(EquipmentPrototypes, HeadIsTheRowOfItsKey) {
    for (bool small : {false, true}) {
        for (int32_t t = 1; t <= 28; ++t) {
            const LabObject& p = EquipmentPrototype(t, small);
            SCOPED_TRACE(testing::Message() << (small ? "small" : "large") << " type " << t);
            const int32_t row = FindTemplate(p.type, p.sizeIndex, p.variant, p.stateBits);
            ASSERT_GE(row, 0);
            LabObject head = EquipmentTemplate(small ? TemplateSet::kSmall : TemplateSet::kLarge, row);
            head.kindFlags = p.kindFlags;
            EXPECT_EQ(std::memcmp(&head, &p, kLabObjectHeadBytes), 0);
            EXPECT_EQ(p.kindFlags, EquipmentPrototype(t, !small).kindFlags);
            for (TemplateSet s : kSets)
                EXPECT_EQ(KeyOf(EquipmentTemplate(s, row)), KeyOf(p));
        }
    }
}

TEST(EquipmentPrototypes, BodyValuesTheSimulationReliesOn) {
    for (int32_t t = 1; t <= 28; ++t) {
        const LabObject& p = EquipmentPrototype(t, false);
        SCOPED_TRACE(testing::Message() << "type " << t);
        const RectI32 expected = t == kElectrochemicalCell ? RectI32{0, 0, 126, 364}
                                                           : RectI32{0, 0, p.pictureWidth, p.pictureHeight};
        EXPECT_EQ(std::memcmp(&p.position, &expected, sizeof expected), 0);
        EXPECT_EQ(p.temperature, (t == 1 || t == 14 || t == 28) ? 0.0f : 293.0f);
        EXPECT_EQ(p.ph, 7.0);
        EXPECT_EQ(p.liquidVolume, 0.0);
        EXPECT_EQ(p.host | p.hostedItem | p.nextGroupMember | p.pourTarget | p.groupMemberCount, 0);
        const bool vessel = (t >= 2 && t <= 10) || t == 13 || t == 22 || t == 23 || t == 25 || t == 27;
        EXPECT_EQ(p.boilingPoint, (vessel || t == kGasSyringe) ? 373.0f : 0.0f);
        EXPECT_EQ(p.heatCapacityFactor, (vessel || t == kGasSyringe) ? 75.3f : 0.0f);
        EXPECT_EQ(p.liquidColour[0], vessel ? 255 : 0);
        EXPECT_EQ(p.solidColour[2], 255);
        EXPECT_EQ(p.solidFillKind, vessel ? 2 : 0);
        int32_t at680 = 0;
        std::memcpy(&at680, p.reserved680, sizeof at680);
        EXPECT_EQ(at680, vessel ? 50 : 0);
    }
    EXPECT_EQ(EquipmentPrototype(kGeigerCounter, true).reading2, 1.0);
    EXPECT_EQ(EquipmentPrototype(kGasSyringe, false).stateBits, 1);
}

TEST(EquipmentPrototypes, StepsMassesAndFlagsAsListed) {
    struct Case {
        int32_t type;
        uint32_t kindFlags;
        int32_t capacity;
        float addWater, pour, mass;
    };
    const Case cases[] = {
        {kTestTube, 0x2018ddc7, 50, 125, 50, 20},      {kBeaker, 0x2118ddc7, 100, 200, 100, 50},
        {kGraduatedCylinder, 0x18dac7, 100, 10, 50, 50}, {kBuret, 0x104b11, 50, 1, 0, 10},
        {kWatchGlass, 0x18d8c7, 50, 100, 50, 10},      {kRoundBottomFlask, 0x2318ddc7, 100, 250, 100, 30},
        {kMetalWire, 0x1821, 2, 1, 0, 5},              {kCentigramBalance, 0x8001803, 100, 100, 50, 0},
        {kCuvette, 0x10801, 10, 0, 0, 0},              {kInvertedBuret, 0x801281, 50, 10, 0, 10},
        {kSeparatoryFunnel, 0x40110803, 100, 50, 0, 50}, {kPaperChromatography, 0x20000, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const LabObject& p = EquipmentPrototype(c.type, true);
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        EXPECT_EQ(p.kindFlags, c.kindFlags);
        EXPECT_EQ(PrototypeKindFlags(c.type), c.kindFlags);
        EXPECT_EQ(p.capacityMl, c.capacity);
        EXPECT_EQ(p.addWaterStep, c.addWater);
        EXPECT_EQ(p.pourStep, c.pour);
        EXPECT_EQ(p.emptyMass, c.mass);
    }
}

// Where the prototype list and the rows disagree on a picture, the row wins
// (the prototype's head is its row); only these small pictures differ.
TEST(EquipmentPrototypes, PicturesFollowTheRows) {
    struct Case {
        int32_t type, height, width;
    };
    const Case smallRows[] = {{kMetalWire, 27, 118}, {kPipet, 210, 44}, {kVolumetricFlask, 316, 109}};
    for (int32_t t = 1; t <= 28; ++t) {
        const PrototypeRow& listed = kPrototypeRows[t];
        const LabObject& large = EquipmentPrototype(t, false);
        const LabObject& small = EquipmentPrototype(t, true);
        EXPECT_EQ(large.pictureHeight, listed.large.height) << t;
        EXPECT_EQ(large.pictureWidth, listed.large.width) << t;
        PictureSize expected = listed.small;
        for (const Case& c : smallRows)
            if (c.type == t) expected = {c.height, c.width};
        EXPECT_EQ(small.pictureHeight, expected.height) << t;
        EXPECT_EQ(small.pictureWidth, expected.width) << t;
        EXPECT_EQ(large.capacityMl, listed.capacityMl) << t;
    }
}

TEST(EquipmentTypeNames, TheStringTableTexts) {
    EXPECT_EQ(EquipmentTypeName(0), nullptr);
    EXPECT_EQ(EquipmentTypeName(29), nullptr);
    for (int32_t t = 1; t <= 28; ++t) ASSERT_NE(EquipmentTypeName(t), nullptr) << t;
    EXPECT_STREQ(EquipmentTypeName(4), "Erlermeyer Flask");
    EXPECT_STREQ(EquipmentTypeName(12), "Hot plate && Mag Stir");
    EXPECT_STREQ(EquipmentTypeName(21), "Cuvette (Spectrophometer)");
    EXPECT_STREQ(EquipmentTypeName(26), "Geiger Counter with Track Assembly");
    EXPECT_STREQ(EquipmentTypeName(28), "Centrifuge");
}
