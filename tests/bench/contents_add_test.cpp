#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "bench/model/contents.h"
#include "tests/support/chemicals_fixture.h"

using namespace test_chemicals;

namespace {

enum class Step { Add, Remove };

struct Operation {
    Step step;
    CasNumber cas;
    uint32_t phase;
    double grams;
    double kelvin;
    int expected;
};

struct SlotExpected {
    int32_t slot;
    CasNumber cas;
    uint32_t phase;
    double grams;
    double kelvin;
};

Operation Add(CasNumber cas, uint32_t phase, double grams, double kelvin, int expected = 1) {
    return {Step::Add, cas, phase, grams, kelvin, expected};
}

Operation Remove(CasNumber cas, uint32_t phase, double grams, int expected = 1) {
    return {Step::Remove, cas, phase, grams, 0, expected};
}

// Nineteen different substances fill slots 1..19.
std::vector<Operation> NineteenSolids() {
    std::vector<Operation> ops;
    for (CasNumber cas = 1001; cas <= 1019; ++cas) ops.push_back(Add(cas, kPhaseSolid, 1, 293));
    return ops;
}

std::vector<Operation> Then(std::vector<Operation> first, const std::vector<Operation>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST(AddComponent, Table) {
    ScopedChemicals table;
    struct Case {
        const char* name;
        std::vector<Operation> operations;
        std::vector<SlotExpected> slots;
        double totalGrams;
    };
    const Case cases[] = {
        {"zero grams change nothing", {Add(kSodiumChloride, kPhaseSolid, 0, 293, 0)}, {{1, 0, 0, 0, 0}}, 0},
        {"warm and hot water mix by mass",
         {Add(kWater, kPhaseLiquid, 100, 293), Add(kWater, kPhaseLiquid, 100, 353)},
         {{0, kWater, kPhaseLiquid, 200, 323}},
         200},
        {"unequal portions of water",
         {Add(kWater, kPhaseLiquid, 300, 300), Add(kWater, kPhaseLiquid, 100, 340)},
         {{0, kWater, kPhaseLiquid, 400, 310}},
         400},
        {"a solid's temperature is overwritten",
         {Add(kSodiumChloride, kPhaseSolid, 5, 293), Add(kSodiumChloride, kPhaseSolid, 3, 350)},
         {{1, kSodiumChloride, kPhaseSolid, 8, 350}},
         8},
        {"ice lives beside liquid water",
         {Add(kWater, kPhaseLiquid, 50, 280), Add(kWater, kPhaseSolid, 10, 260)},
         {{0, kWater, kPhaseLiquid, 50, 280}, {1, kWater, kPhaseSolid, 10, 260}},
         60},
        {"a phase sharing a bit joins the slot and keeps its phase",
         {Add(kSodiumChloride, kPhaseSolid | kPhasePrecipitate, 2, 293), Add(kSodiumChloride, kPhaseSolid, 1, 300)},
         {{1, kSodiumChloride, kPhaseSolid | kPhasePrecipitate, 3, 300}},
         3},
        {"another phase takes its own slot",
         {Add(kSodiumChloride, kPhaseSolid, 2, 293), Add(kSodiumChloride, kPhaseDissolved, 1, 300)},
         {{1, kSodiumChloride, kPhaseSolid, 2, 293}, {2, kSodiumChloride, kPhaseDissolved, 1, 300}},
         3},
        {"the 20th substance is refused while an existing one still grows",
         Then(NineteenSolids(), {Add(2000, kPhaseSolid, 4, 293, 0), Add(1005, kPhaseSolid, 2, 310),
                                 Add(kWater, kPhaseLiquid, 10, 293)}),
         {{5, 1005, kPhaseSolid, 3, 310}, {0, kWater, kPhaseLiquid, 10, 293}},
         19 + 2 + 10},
        {"an emptied slot takes the same substance again",
         {Add(kSodiumChloride, kPhaseSolid, 2, 293), Add(kEthanol, kPhaseLiquid, 5, 293),
          Remove(kSodiumChloride, kPhaseSolid, 5), Add(kSodiumChloride, kPhaseSolid, 1, 330)},
         {{1, kSodiumChloride, kPhaseSolid, 1, 330}, {2, kEthanol, kPhaseLiquid, 5, 293}},
         6},
        {"an emptied slot is the first free one for a new substance",
         {Add(kSodiumChloride, kPhaseSolid, 2, 293), Add(kEthanol, kPhaseLiquid, 5, 293),
          Remove(kSodiumChloride, kPhaseSolid, 2), Add(kMysterySolid, kPhaseSolid, 1, 300)},
         {{1, kMysterySolid, kPhaseSolid, 1, 300}, {3, 0, 0, 0, 0}},
         6},
        {"a full object with an emptied slot takes a 20th substance",
         Then(NineteenSolids(), {Remove(1007, kPhaseSolid, 1), Add(2000, kPhaseSolid, 4, 293)}),
         {{7, 2000, kPhaseSolid, 4, 293}},
         18 + 4},
        {"not-a-number, infinite or negative grams are refused",
         {Add(kSodiumChloride, kPhaseSolid, kNaN, 293, 0), Add(kSodiumChloride, kPhaseSolid, kInfinity, 293, 0),
          Add(kSodiumChloride, kPhaseSolid, -3, 293, 0), Add(kWater, kPhaseLiquid, -3, 293, 0)},
         {{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}},
         0},
        {"a CAS number of 0 is refused", {Add(0, kPhaseSolid, 3, 293, 0)}, {{1, 0, 0, 0, 0}}, 0},
        {"temperatures are kept within 0..773.15 K",
         {Add(kSodiumChloride, kPhaseSolid, 1, 2000), Add(kEthanol, kPhaseLiquid, 1, -40),
          Add(kWater, kPhaseLiquid, 1, kNaN)},
         {{1, kSodiumChloride, kPhaseSolid, 1, kMaxKelvin}, {2, kEthanol, kPhaseLiquid, 1, 0},
          {0, kWater, kPhaseLiquid, 1, 293}},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LabObject o{};
        for (const Operation& op : c.operations) {
            const int result = op.step == Step::Add ? AddComponent(o, op.cas, op.phase, op.grams, op.kelvin)
                                                    : RemoveComponent(o, op.cas, op.phase, op.grams);
            EXPECT_EQ(result, op.expected) << "CAS " << op.cas;
        }
        for (const SlotExpected& e : c.slots) {
            const ComponentSlot& s = o.slots[e.slot];
            EXPECT_EQ(s.cas, e.cas) << "slot " << e.slot;
            EXPECT_EQ(s.phase, e.phase) << "slot " << e.slot;
            EXPECT_DOUBLE_EQ(s.grams, e.grams) << "slot " << e.slot;
            if (e.grams > 0) {
                EXPECT_DOUBLE_EQ(s.kelvin, e.kelvin) << "slot " << e.slot;
            }
        }
        EXPECT_DOUBLE_EQ(TotalComponentMass(o), c.totalGrams);
    }
}

TEST(RemoveComponent, NeverLeavesANegativeAmount) {
    ScopedChemicals table;
    LabObject o{};
    AddComponent(o, kWater, kPhaseLiquid, 10, 293);
    AddComponent(o, kSodiumChloride, kPhaseSolid, 3, 293);
    EXPECT_EQ(RemoveComponent(o, kWater, kPhaseLiquid, 25), 1);
    EXPECT_EQ(RemoveComponent(o, kSodiumChloride, kPhaseSolid | kPhaseDissolved, 1), 1);
    EXPECT_EQ(o.slots[0].grams, 0);
    EXPECT_DOUBLE_EQ(o.slots[1].grams, 2);
    EXPECT_EQ(o.slots[1].cas, kSodiumChloride);  // kept for reuse
    EXPECT_EQ(RemoveComponent(o, kSodiumChloride, kPhaseDissolved, 1), 0);
    EXPECT_EQ(RemoveComponent(o, kEthanol, kPhaseLiquid, 1), 0);
    EXPECT_EQ(RemoveComponent(o, kSodiumChloride, kPhaseSolid, -1), 0);  // would add mass
    EXPECT_DOUBLE_EQ(o.slots[1].grams, 2);
}

TEST(RemoveComponent, TakesFromTheSlotThatHoldsTheSubstance) {
    ScopedChemicals table;
    LabObject o{};
    AddComponent(o, kSodiumChloride, kPhaseSolid, 1, 293);
    AddComponent(o, kSodiumChloride, kPhasePrecipitate, 4, 293);
    RemoveComponent(o, kSodiumChloride, kPhaseSolid, 1);  // slot 1 is now an empty remnant
    EXPECT_EQ(RemoveComponent(o, kSodiumChloride, kPhaseSolid | kPhasePrecipitate, 3), 1);
    EXPECT_DOUBLE_EQ(o.slots[2].grams, 1);
}

TEST(SetComponentSlot, WritesOnlySlotsThatExist) {
    LabObject o{};
    EXPECT_EQ(SetComponentSlot(o, kEthanol, kPhaseLiquid, 4, 300, 19), 1);
    EXPECT_EQ(SetComponentSlot(o, kEthanol, kPhaseLiquid, 4, 300, 20), 0);
    EXPECT_EQ(SetComponentSlot(o, kEthanol, kPhaseLiquid, 4, 300, -1), 0);
    EXPECT_EQ(SetComponentSlot(o, kEthanol, kPhaseLiquid, kNaN, 300, 3), 0);
    double grams = -1;
    EXPECT_EQ(ComponentAt(o, 19, &grams), kEthanol);
    EXPECT_EQ(grams, 4);
    EXPECT_EQ(ComponentAt(o, 20, &grams), 0u);
    EXPECT_EQ(grams, 0);
    ClearComponents(o);
    EXPECT_EQ(ComponentAt(o, 19, &grams), 0u);
    EXPECT_EQ(o.slots[19].kelvin, 300);  // temperatures stay
}

TEST(ChangePhase, MovesNoMoreThanTheSlotItTakesFromHolds) {
    ScopedChemicals table;
    LabObject o{};
    AddComponent(o, kSodiumChloride, kPhaseSolid, 3, 293);
    AddComponent(o, kSodiumChloride, kPhasePrecipitate, 5, 293);
    // Both slots match the mask, but the amount comes out of the first one.
    EXPECT_DOUBLE_EQ(ChangePhase(o, kSodiumChloride, kPhaseSolid | kPhasePrecipitate, kPhaseDissolved, 10, 300), 3);
    EXPECT_DOUBLE_EQ(TotalComponentMass(o), 8);
    EXPECT_DOUBLE_EQ(MassOfComponent(o, kSodiumChloride, kPhaseDissolved), 3);
    EXPECT_DOUBLE_EQ(MassOfComponent(o, kSodiumChloride, kPhasePrecipitate), 5);
    EXPECT_EQ(ChangePhase(o, 0, kPhaseSolid, kPhaseDissolved, 1, 300), 0);
    EXPECT_EQ(ChangePhase(o, kEthanol, kPhaseLiquid, kPhaseGas, 1, 300), 0);
}

TEST(ChangePhase, KeepsTheSubstanceWhenTheNewPhaseFindsNoSlot) {
    ScopedChemicals table;
    LabObject o{};
    for (CasNumber cas = 1001; cas <= 1019; ++cas) AddComponent(o, cas, kPhaseSolid, 1, 293);
    EXPECT_EQ(ChangePhase(o, 1003, kPhaseSolid, kPhaseDissolved, 0.5, 300), 0);
    EXPECT_DOUBLE_EQ(MassOfComponent(o, 1003, kPhaseSolid), 1);
    EXPECT_DOUBLE_EQ(TotalComponentMass(o), 19);
    // Melting ice needs no free slot: liquid water lives in slot 0.
    LabObject ice{};
    AddComponent(ice, kWater, kPhaseSolid, 10, 273.15);
    EXPECT_DOUBLE_EQ(ChangePhase(ice, kWater, kPhaseSolid, kPhaseLiquid, 4, 273.15), 4);
    EXPECT_DOUBLE_EQ(ice.slots[0].grams, 4);
    EXPECT_DOUBLE_EQ(IceMass(ice), 6);
}
