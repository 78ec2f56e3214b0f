#include "bench/commands/instruments/instrument_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "bench/model/contents.h"
#include "common/module_contract.h"

namespace {

LabObject Syringe(int16_t state) {
    LabObject s{};
    s.type = kGasSyringe;
    s.capacityMl = 60;
    s.stateBits = state;
    return s;
}

bool Same(const LabObject& a, const LabObject& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(InstrumentFields, NumbersAreWholeFieldsOnly) {
    double v = 0;
    EXPECT_TRUE(ParseNumberField("30", &v));
    EXPECT_EQ(v, 30);
    EXPECT_TRUE(ParseNumberField(" -1 ", &v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(ParseNumberField("", &v));
    EXPECT_FALSE(ParseNumberField("12cm", &v));
    EXPECT_FALSE(ParseNumberField("abc", &v));
    EXPECT_FALSE(ParseNumberField("inf", &v));
}

TEST(GasSyringeSettings, InitialVolumeSetsTheFourValuesAndThePlunger) {
    LabObject s = Syringe(kSyringeWithGauge);
    EXPECT_EQ(SyringeFittingsFor(s), 4.0);
    EXPECT_EQ(SyringeFittingsFor(Syringe(2)), 0.0);
    ASSERT_EQ(ApplyInitialSyringeVolume(s, true, 60, true, 4), SyringeAnswer::kStored);
    EXPECT_EQ(s.reading1, 60.0);
    EXPECT_EQ(s.reading2, 60.0);
    EXPECT_EQ(s.reading3, 0.0);
    EXPECT_EQ(s.reading4, 4.0);
    EXPECT_EQ(s.plungerPosition, 2);

    for (auto [volume, fittings] : {std::pair{61.0, 4.0}, {-1.0, 4.0}, {30.0, -2.0}}) {
        const LabObject before = s;
        EXPECT_EQ(ApplyInitialSyringeVolume(s, true, volume, true, fittings), SyringeAnswer::kRefused) << volume;
        EXPECT_TRUE(Same(before, s)) << volume << " " << fittings;
    }
    ASSERT_EQ(ApplyInitialSyringeVolume(s, false, 0, true, 4), SyringeAnswer::kStored);
    EXPECT_EQ(s.reading1 + s.reading2 + s.reading3 + s.reading4, 0.0) << "not a number: all four 0";
    EXPECT_EQ(s.plungerPosition, 122);
}

TEST(GasSyringeSettings, SetVolumeGivesTheGaugePressureFromTheSyringesOwnFittings) {
    LabObject s = Syringe(kSyringeWithGauge);
    ApplyInitialSyringeVolume(s, true, 60, true, 4);
    ASSERT_EQ(ApplySyringeVolume(s, 30), SyringeAnswer::kStored);
    EXPECT_NEAR(s.reading3, 64.0 * 98 / 34 - 98, 1e-9);
    EXPECT_NEAR(s.reading3, 86.5, 0.05);
    EXPECT_EQ(s.plungerPosition, 62);

    LabObject sealed = Syringe(2);
    ApplyInitialSyringeVolume(sealed, true, 60, true, 0);
    ASSERT_EQ(ApplySyringeVolume(sealed, 30), SyringeAnswer::kStored);
    EXPECT_NEAR(sealed.reading3, 98.0, 1e-9) << "sealed: half the volume, twice the pressure";

    for (double bad : {61.0, -1.0, 0.0}) {
        const LabObject before = sealed;
        EXPECT_EQ(ApplySyringeVolume(sealed, bad), SyringeAnswer::kRefused) << bad;
        EXPECT_TRUE(Same(before, sealed)) << bad;
    }
    EXPECT_EQ(ApplySyringeVolume(s, 0), SyringeAnswer::kStored) << "its fittings still hold gas";
    EXPECT_TRUE(std::isfinite(s.reading3));
}

TEST(GeigerSettings, ShieldNamesThicknessAndDistance) {
    EXPECT_EQ(ShieldNameString(0), 707);
    EXPECT_EQ(ShieldNameString(1), 704);
    EXPECT_EQ(ShieldNameString(2), 706);
    EXPECT_EQ(ShieldNameString(3), 705);
    EXPECT_EQ(ShieldNameString(4), 708);
    EXPECT_EQ(ShieldThicknessText(1, 2), "0.2 mm");
    EXPECT_EQ(ShieldThicknessText(3, 2), "2.0 mm");
    EXPECT_EQ(ShieldThicknessText(2, 5), "5.0 mm");

    int32_t d = -7;
    EXPECT_TRUE(AcceptGeigerDistance(true, 30, &d));
    EXPECT_EQ(d, 30);
    EXPECT_TRUE(AcceptGeigerDistance(false, 99, &d));
    EXPECT_EQ(d, 0) << "not a number counts as 0";
    d = 5;
    EXPECT_FALSE(AcceptGeigerDistance(true, 31, &d));
    EXPECT_FALSE(AcceptGeigerDistance(true, -1, &d));
    EXPECT_EQ(d, 5);
    EXPECT_NE(SourceItemFor(0), kNoSourceItem) << "the table's first chemical is not None";
    EXPECT_EQ(TableIndexOfSourceItem(SourceItemFor(0)), 0);
}

TEST(GeigerSettings, OnlyUsableGramsStoreASource) {
    LabObject counter{};
    counter.type = kGeigerCounter;
    StoreGeigerSource(counter, 7440144, 1.0);
    double grams = 0;
    EXPECT_EQ(ComponentAt(counter, 0, &grams), 7440144u);
    EXPECT_EQ(grams, 1.0);
    EXPECT_EQ(counter.slots[0].phase, kPhaseSolid);
    EXPECT_EQ(counter.slots[0].kelvin, 293.0);
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        StoreGeigerSource(counter, 7440144, bad);
        EXPECT_EQ(ComponentAt(counter, 0, &grams), 0u) << bad;
    }
    StoreGeigerSource(counter, 7440144, 1.0);
    StoreGeigerSource(counter, 0, 1.0);
    EXPECT_EQ(ComponentAt(counter, 0, &grams), 0u) << "None empties the counter";
}

namespace {

struct Electrode {
    int32_t id;
    char name[12];
};
const Electrode kElectrodes[] = {{11, "Zinc"}, {0, ""}, {13, "Copper"}};

const ElectrodeRecord* ElectrodeAt(int32_t i, void*) {
    if (i == 1) return nullptr;
    return reinterpret_cast<const ElectrodeRecord*>(&kElectrodes[i]);
}

}  // namespace

TEST(ElectrodeSettings, NullRecordsAreSkippedAndAnUnknownIdSelectsTheFirst) {
    const auto list = ReadElectrodes(3, ElectrodeAt, nullptr);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Zinc");
    EXPECT_EQ(list[1].id, 13);
    EXPECT_EQ(ElectrodeRowFor(list, 13), 1);
    EXPECT_EQ(ElectrodeRowFor(list, 99), 0);
    EXPECT_TRUE(ReadElectrodes(0, ElectrodeAt, nullptr).empty());
    EXPECT_TRUE(ReadElectrodes(5, nullptr, nullptr).empty());
}
