// The one validation every reader of a bench shares: numbers kept to what
// a bench can hold (denormals as 0), integers the steps do arithmetic on
// bounded, and links mended until every one is answered by its partner.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/bench_check.h"
#include "bench/model/bench_validate.h"
#include "bench/model/record_safety.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kDenormal = 4.9e-320;
constexpr float kFloatDenormal = 1e-40f;

struct Field {
    const char* name;
    std::function<void(LabObject&, double)> set;
    std::function<double(const LabObject&)> get;
    double low, high;  // where the value must end up
};

std::vector<Field> BoundedFields() {
    return {
        {"slot grams", [](LabObject& o, double v) { o.slots[4].grams = v; },
         [](const LabObject& o) { return o.slots[4].grams; }, 0, kMostSlotGrams},
        {"water grams", [](LabObject& o, double v) { o.slots[0].grams = v; },
         [](const LabObject& o) { return o.slots[0].grams; }, 0, kMostSlotGrams},
        {"slot kelvin", [](LabObject& o, double v) { o.slots[4].kelvin = v; },
         [](const LabObject& o) { return o.slots[4].kelvin; }, 0, kMaxKelvin},
        {"liquid volume", [](LabObject& o, double v) { o.liquidVolume = v; },
         [](const LabObject& o) { return o.liquidVolume; }, 0, kMostLiquidTenths},
        {"solid volume", [](LabObject& o, double v) { o.solidVolume = v; },
         [](const LabObject& o) { return o.solidVolume; }, 0, kMostSolidMl},
        {"precipitate", [](LabObject& o, double v) { o.precipitate = v; },
         [](const LabObject& o) { return o.precipitate; }, 0, kMostSlotGrams},
        {"flow", [](LabObject& o, double v) { o.flowSetting = v; },
         [](const LabObject& o) { return o.flowSetting; }, 0, kMostLiquidTenths},
        {"titrant delivered", [](LabObject& o, double v) { o.titrantDelivered = v; },
         [](const LabObject& o) { return o.titrantDelivered; }, 0, kMostSolidMl},
        {"thermal mass", [](LabObject& o, double v) { o.thermalMass = float(v); },
         [](const LabObject& o) { return double(o.thermalMass); }, 0, kMostSlotGrams},
        {"heat-capacity factor", [](LabObject& o, double v) { o.heatCapacityFactor = float(v); },
         [](const LabObject& o) { return double(o.heatCapacityFactor); }, 0, kMostSlotGrams},
        {"temperature", [](LabObject& o, double v) { o.temperature = float(v); },
         [](const LabObject& o) { return double(o.temperature); }, 0, kMaxKelvin},
        {"pour step", [](LabObject& o, double v) { o.pourStep = float(v); },
         [](const LabObject& o) { return double(o.pourStep); }, 0, kMostLiquidTenths},
        {"reading 4944", [](LabObject& o, double v) { o.reading1 = v; },
         [](const LabObject& o) { return o.reading1; }, -kMostReading, kMostReading},
        {"pH", [](LabObject& o, double v) { o.ph = v; }, [](const LabObject& o) { return o.ph; }, -kMostReading,
         kMostReading},
    };
}

}  // namespace

TEST(BenchValidation, AmountsStayWithinWhatABenchHolds) {
    for (const Field& f : BoundedFields()) {
        for (double hostile : {kNaN, kInfinity, -kInfinity, 1.7e308, -1.7e308, 1e300, 1e40, kDenormal,
                               -kDenormal, double(kFloatDenormal)}) {
            SCOPED_TRACE(testing::Message() << f.name << " = " << hostile);
            LabObject o = EquipmentPrototype(kBeaker, false);
            f.set(o, hostile);
            SanitiseObjectValues(o);
            const double v = f.get(o);
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_GE(v, f.low);
            EXPECT_LE(v, f.high);
            // Denormals are 0: a division by them is what overflows.
            EXPECT_NE(std::fpclassify(v), FP_SUBNORMAL);
        }
        LabObject o = EquipmentPrototype(kBeaker, false);
        f.set(o, 12.5);
        SanitiseObjectValues(o);
        EXPECT_EQ(f.get(o), 12.5) << f.name << ": a sound value is kept";
    }
}

TEST(BenchValidation, IntegersTheStepsAddUpAreBounded) {
    LabObject o = EquipmentPrototype(kRoundBottomFlask, false);
    o.stopwatchCount = INT32_MIN;
    o.outletX = o.outletY = o.inletX = INT32_MAX;
    o.inletY = INT32_MIN;
    o.pictureWidth = INT32_MIN;
    o.pictureHeight = o.openingWidth = INT32_MAX;
    o.capacityMl = INT32_MAX;
    o.balancePan = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    o.liquidOutline[3] = {INT32_MAX, INT32_MIN};
    o.position = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    o.groupRect = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    SanitiseObjectValues(o);
    EXPECT_EQ(o.stopwatchCount, 0);
    EXPECT_EQ(o.pictureWidth, 0);
    EXPECT_EQ(o.capacityMl, kMostCapacityMl);
    for (int32_t v : {o.outletX, o.outletY, o.inletX, o.inletY, o.pictureHeight, o.openingWidth, o.balancePan.left,
                      o.balancePan.bottom, o.liquidOutline[3].x, o.liquidOutline[3].y})
        EXPECT_LE(std::abs(int64_t{v}), kMostHeadOffset);
    for (int32_t v : {o.position.left, o.position.bottom, o.groupRect.left, o.groupRect.bottom})
        EXPECT_LE(std::abs(int64_t{v}), kBenchCoordinateLimit);
    // The largest position plus the largest offset is still far from overflow.
    EXPECT_LT(kBenchCoordinateLimit + 2 * int64_t{kMostHeadOffset}, int64_t{INT32_MAX} / 4);

    LabObject running = EquipmentPrototype(kBeaker, false);
    running.stopwatchCount = INT32_MAX;
    SanitiseObjectValues(running);
    EXPECT_EQ(running.stopwatchCount, INT32_MAX) << "a count at its largest is kept; the tick stops it there";
}

namespace {

// Seven beakers side by side, no links; each case sets some.
std::vector<LabObject> Row() {
    std::vector<LabObject> bench(8);
    for (int32_t i = 1; i <= 7; ++i) {
        bench[size_t(i)] = EquipmentPrototype(kBeaker, false);
        bench[size_t(i)].position = {300 * i, 100, 300 * i + 200, 300};
    }
    return bench;
}

struct Links {
    int32_t host, hostedItem, next, members;
};

Links LinksOf(const LabObject& o) { return {o.host, o.hostedItem, o.nextGroupMember, o.groupMemberCount}; }

bool operator==(const Links& a, const Links& b) {
    return a.host == b.host && a.hostedItem == b.hostedItem && a.next == b.next && a.members == b.members;
}

std::ostream& operator<<(std::ostream& out, const Links& l) {
    return out << "{host " << l.host << ", hosted " << l.hostedItem << ", next " << l.next << ", members "
               << l.members << "}";
}

}  // namespace

TEST(BenchValidation, LinksAreMendedUntilEachIsAnsweredByItsPartner) {
    using Bench = std::vector<LabObject>;
    struct Case {
        const char* name;
        std::function<void(Bench&)> set;
        std::vector<std::pair<int32_t, Links>> expected;  // objects whose links are checked
        int32_t changed;
    };
    const Case cases[] = {
        {"a sound combination and a sound group stay",
         [](Bench& b) {
             b[2].host = 1, b[1].hostedItem = 2;
             for (int i : {3, 4, 5}) b[size_t(i)].groupMemberCount = 3, b[size_t(i)].nextGroupMember = i == 5 ? 3 : i + 1;
         },
         {{1, {0, 2, 0, 0}}, {2, {1, 0, 0, 0}}, {3, {0, 0, 4, 3}}, {5, {0, 0, 3, 3}}},
         0},
        {"a host that does not hold the object naming it", [](Bench& b) { b[2].host = 1; }, {{2, {0, 0, 0, 0}}}, 1},
        {"a hosted item that names another host",
         [](Bench& b) { b[1].hostedItem = 2, b[2].host = 3, b[3].hostedItem = 2; },
         {{1, {0, 0, 0, 0}}, {2, {3, 0, 0, 0}}, {3, {0, 2, 0, 0}}},
         1},
        {"both sides of a pair name others",
         [](Bench& b) { b[1].hostedItem = 2, b[2].host = 3; },
         {{1, {0, 0, 0, 0}}, {2, {0, 0, 0, 0}}},
         2},
        {"a ring of two hosts",
         [](Bench& b) { b[1].host = 2, b[2].hostedItem = 1, b[2].host = 1, b[1].hostedItem = 2; },
         {{1, {0, 2, 0, 0}}, {2, {1, 0, 0, 0}}},
         2},
        {"a ring of three hosts",
         [](Bench& b) {
             b[1].host = 2, b[2].hostedItem = 1;
             b[2].host = 3, b[3].hostedItem = 2;
             b[3].host = 1, b[1].hostedItem = 3;
         },
         {{1, {0, 3, 0, 0}}, {2, {3, 0, 0, 0}}, {3, {1, 2, 0, 0}}},
         2},
        {"links to itself or beyond the bench",
         [](Bench& b) { b[4].host = 4, b[4].pourTarget = 9, b[4].nextGroupMember = -3, b[4].groupMemberCount = 80; },
         {{4, {0, 0, 0, 0}}},
         1},
        {"group counts that disagree",
         [](Bench& b) {
             for (int i : {3, 4, 5}) b[size_t(i)].nextGroupMember = i == 5 ? 3 : i + 1;
             b[3].groupMemberCount = b[4].groupMemberCount = 3, b[5].groupMemberCount = 2;
         },
         {{3, {0, 0, 0, 0}}, {4, {0, 0, 0, 0}}, {5, {0, 0, 0, 0}}},
         3},
        {"a group ring that does not close",
         [](Bench& b) { b[3].groupMemberCount = b[4].groupMemberCount = 2, b[3].nextGroupMember = 4; },
         {{3, {0, 0, 0, 0}}, {4, {0, 0, 0, 0}}},
         2},
        {"a group of one and a next member outside a group",
         [](Bench& b) { b[6].groupMemberCount = 1, b[6].nextGroupMember = 6, b[7].nextGroupMember = 6; },
         {{6, {0, 0, 0, 0}}, {7, {0, 0, 0, 0}}},
         2},
        {"an outsider pointing into a sound ring leaves it whole",
         [](Bench& b) {
             b[3].groupMemberCount = b[4].groupMemberCount = 2, b[3].nextGroupMember = 4, b[4].nextGroupMember = 3;
             b[5].groupMemberCount = 2, b[5].nextGroupMember = 3;
         },
         {{3, {0, 0, 4, 2}}, {4, {0, 0, 3, 2}}, {5, {0, 0, 0, 0}}},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench bench = Row();
        c.set(bench);
        const bool soundBefore = CheckBench(bench.data(), 7);
        EXPECT_EQ(MendBenchLinks(bench.data(), 7), c.changed);
        std::string fault;
        EXPECT_TRUE(CheckBench(bench.data(), 7, &fault)) << fault;
        EXPECT_EQ(soundBefore, c.changed == 0);
        for (const auto& [index, links] : c.expected) EXPECT_EQ(LinksOf(bench[size_t(index)]), links) << index;
        EXPECT_EQ(MendBenchLinks(bench.data(), 7), 0) << "mending again changes nothing";
    }
}

TEST(BenchValidation, ValidateBenchFindsWhatNoReaderMayLeave) {
    using Bench = std::vector<LabObject>;
    const std::pair<const char*, std::function<void(Bench&)>> faults[] = {
        {"ring of hosts", [](Bench& b) { b[1].host = 2, b[2].hostedItem = 1, b[2].host = 1, b[1].hostedItem = 2; }},
        {"host does not hold it", [](Bench& b) { b[2].host = 1; }},
        {"group counts differ",
         [](Bench& b) { b[1].groupMemberCount = 2, b[1].nextGroupMember = 2, b[2].nextGroupMember = 1; }},
        {"temperature", [](Bench& b) { b[3].temperature = float(kNaN); }},
        {"slot grams", [](Bench& b) { b[3].slots[2].grams = -1; }},
        {"non-finite reading", [](Bench& b) { b[3].reading3 = kInfinity; }},
    };
    for (const auto& [what, spoil] : faults) {
        Bench bench = Row();
        EXPECT_EQ(ValidateBench(bench.data(), 7), "");
        spoil(bench);
        EXPECT_NE(ValidateBench(bench.data(), 7).find(what), std::string::npos) << what;
        ASSERT_TRUE(MakeReadBenchSafe(bench.data(), 7));
        EXPECT_EQ(ValidateBench(bench.data(), 7), "") << what << " is mended by the readers' checks";
    }
}
