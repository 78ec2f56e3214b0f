// Dissolving and crystallising against the solubility line.
#include <gtest/gtest.h>

#include "bench/sim/sim_dissolve.h"
#include "tests/support/sim_fixture.h"

using namespace scenario;

namespace {

class DissolveTest : public SimTest {
protected:
    void Step() { DissolveStep(LabObjects, LabObjectCount); }
    int32_t SaltInWater(double saltGrams, double kelvin = 293) {
        LabObject b = MakeObject(kBeaker, 100, 400);
        AddWater(b, 100, kelvin);
        AddSolid(b, kSalt, saltGrams, kelvin);
        return Place(b);
    }
    double Dissolved(int32_t i, CasNumber cas = kSalt) {
        return MassOfComponent(At(i), cas, kPhaseDissolved);
    }
};

TEST_F(DissolveTest, StepsBelowSaturation) {
    struct Case {
        const char* what;
        uint16_t heat;
        int32_t stirring;
        double perStep;
    };
    const Case cases[] = {
        {"still", 0, 0, 0.1},
        {"stirred", 0, 1000, 5},
        {"heated", 3, 0, 1},
        {"heated and stirred", 3, 1000, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        const int32_t b = SaltInWater(10);
        At(b).heatApplied = c.heat;
        At(b).stirringState = c.stirring;
        const double solidVolume = At(b).solidVolume;
        Step();
        EXPECT_NEAR(Dissolved(b), c.perStep, 1e-12);
        EXPECT_NEAR(MassOfComponent(At(b), kSalt, kPhaseSolid), 10 - c.perStep, 1e-12);
        EXPECT_NEAR(At(b).solidVolume, solidVolume - c.perStep / 2.165f, 1e-9);
    }
}

TEST_F(DissolveTest, SaturatesAt36Point4GramsAt293K) {
    EXPECT_NEAR(Solubility(kSalt, 293), 36.4, 1e-4);
    const int32_t b = SaltInWater(50);
    At(b).stirringState = 1000;
    for (int k = 0; k < 20; ++k) Step();
    EXPECT_NEAR(Dissolved(b), 36.4, 1e-4);
    EXPECT_NEAR(MassOfComponent(At(b), kSalt, kPhaseSolid), 50 - 36.4, 1e-4);
}

TEST_F(DissolveTest, CoolingDepositsTheExcessAtOnce) {
    const int32_t b = SaltInWater(0.5, 373);
    AddComponent(At(b), kSalt, kPhaseDissolved, 39, 373);
    At(b).temperature = 273;
    Step();
    EXPECT_NEAR(Dissolved(b), 35.7, 1e-4);
    EXPECT_NEAR(MassOfComponent(At(b), kSalt, kPhaseSolid), 0.5 + 3.3, 1e-4);
    // The solid now shows as salt.
    EXPECT_EQ(At(b).solidColour[0], 255);
    EXPECT_EQ(At(b).solidFillKind, 0);
}

TEST_F(DissolveTest, ExcessComesOnlyOutOfItsOwnSlot) {
    // Dissolved grams in two slots of a dry vessel (the limit is 0): only one
    // slot's worth may come out of each, and no gram is made or lost.
    LabObject b = MakeObject(kBeaker, 100, 400);
    AddComponent(b, kBlueVitriol, kPhaseSolid, 5, 293);
    AddComponent(b, kBlueVitriol, kPhaseDissolved, 2, 293);
    SetComponentSlot(b, kBlueVitriol, kPhaseDissolved | kPhaseSuspended, 3, 293, 3);
    const int32_t i = Place(b);
    const double before = TotalComponentMass(At(i));
    Step();
    EXPECT_NEAR(MassOfComponent(At(i), kBlueVitriol, kPhaseSolid), 7, 1e-12);
    EXPECT_NEAR(At(i).slots[2].grams, 0, 1e-12);
    EXPECT_NEAR(TotalComponentMass(At(i)), before, 1e-12);
    for (const ComponentSlot& s : At(i).slots) EXPECT_GE(s.grams, 0);
}

TEST_F(DissolveTest, WhatMixesFreelyNeverCrystallises) {
    // A solubility of -1 (in the table, or a chemical the table lacks) means
    // no limit: an acid or an ion in solution stays in solution, with water
    // or dry; a solid of it never dissolves.
    struct Case {
        const char* what;
        CasNumber cas;
        double water;
    } cases[] = {
        {"-1 in the table, in water", kEthanol, 100},
        {"-1 in the table, dry", kEthanol, 0},
        {"missing from the table, in water", kUnlisted, 100},
        {"missing from the table, dry", kUnlisted, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLabObjects();
        LabObject b = MakeObject(kBeaker, 100, 400);
        if (c.water > 0) AddWater(b, c.water);
        AddComponent(b, c.cas, kPhaseSolid, 5, 293);
        AddComponent(b, c.cas, kPhaseDissolved, 2, 293);
        const int32_t i = Place(b);
        Step();
        EXPECT_NEAR(MassOfComponent(At(i), c.cas, kPhaseSolid), 5, 1e-12);
        EXPECT_NEAR(Dissolved(i, c.cas), 2, 1e-12);
    }
}

TEST_F(DissolveTest, WhatDoesNotDissolveOrCrystallise) {
    // Tipped for pouring: nothing happens.
    const int32_t tipped = SaltInWater(10);
    At(tipped).variant = 1;
    AddComponent(At(tipped), kBlueVitriol, kPhaseDissolved, 50, 293);
    // No liquid water: nothing dissolves, and everything dissolved comes out.
    LabObject dry = MakeObject(kBeaker, 100, 400);
    AddSolid(dry, kSalt, 10);
    AddComponent(dry, kBlueVitriol, kPhaseDissolved, 2, 293);
    const int32_t d = Place(dry);
    Step();
    EXPECT_EQ(Dissolved(tipped), 0);
    EXPECT_EQ(Dissolved(tipped, kBlueVitriol), 50);
    EXPECT_EQ(Dissolved(d), 0);
    EXPECT_EQ(Dissolved(d, kBlueVitriol), 0);
    EXPECT_NEAR(MassOfComponent(At(d), kBlueVitriol, kPhaseSolid), 2, 1e-12);
    // The heavier solid gives the look.
    EXPECT_EQ(At(d).solidColour[0], 255);
}

}  // namespace
