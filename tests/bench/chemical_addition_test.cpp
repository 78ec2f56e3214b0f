// The Chemicals dialog's arithmetic: typed amounts, the up-down rewrite,
// capacity and the addition itself, all or nothing.
#include "bench/commands/contents/chemical_addition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/contents/chemical_amount.h"
#include "bench/model/contents.h"
#include "tests/bench/contents_fixture.h"

using namespace contents_test;

namespace {

TEST(TypedAmount, TextsByUnitToGramsAndTenths) {
    struct Case {
        const char* text;
        AmountUnit unit;
        double value;    // as read
        double grams;    // of a solid in that unit (0.25 g per unit)
        double tenths;   // of a liquid, 10 x the value
    };
    const Case cases[] = {
        {"2,5", AmountUnit::kMillilitre, 2.5, 0, 25},
        {"2.5", AmountUnit::kGram, 2.5, 2.5, 25},
        {"2.05", AmountUnit::kGram, 2.05, 2.05, 20.5},
        {"500", AmountUnit::kMilligram, 500, 0.5, 5000},
        {"3", AmountUnit::kUnits, 3, 0.75, 30},
        {"abc", AmountUnit::kGram, 0, 0, 0},
        {"-3", AmountUnit::kMillilitre, -3, 0, -30},
        {"-0.5", AmountUnit::kGram, -0.5, -0.5, -5},
        {"12.3456789012", AmountUnit::kGram, 12.345678, 12.345678, 123.45678},  // first 9 characters
        {"1.5ml", AmountUnit::kMillilitre, 1.5, 0, 15},
    };
    for (const Case& c : cases) {
        const TypedAmount a = ReadTypedAmount(c.text);
        EXPECT_NEAR(a.value, c.value, 1e-12) << c.text;
        EXPECT_NEAR(SolidGramsFor(a.value, c.unit, 0.25), c.grams, 1e-12) << c.text;
        EXPECT_NEAR(10 * a.value, c.tenths, 1e-9) << c.text;
    }
    const TypedAmount a = ReadTypedAmount("2.05");
    EXPECT_EQ(a.whole, 2);
    EXPECT_EQ(a.fraction, 5);
    EXPECT_EQ(a.fractionDigits, 2);
}

TEST(TypedAmount, UpDownKeepsTheTypedFraction) {
    struct Case {
        const char* text;
        int delta;
        const char* separator;
        const char* after;
    };
    const Case cases[] = {
        {"2.5", 1, ".", "3.500"},       {"2,5", 1, ",", "3,500"},    {"2.05", 1, ".", "3.050"},
        {"2.1234", -1, ".", "1.1234"},  {"7", 1, ".", "8.000"},      {"0.000", -1, ".", "0.000"},
        {"32766.1", 1, ".", "32766.100"}, {"abc", 1, ",", "1,000"},
    };
    for (const Case& c : cases) EXPECT_EQ(StepAmountText(c.text, c.delta, c.separator), c.after) << c.text;
}

class ChemicalAdditionTest : public ContentsTest {
protected:
    // A beaker that holds 50 ml (the catalogue's smallest holds 100).
    int32_t Beaker50() {
        const int32_t i = Add(kBeaker);
        At(i).capacityMl = 50;
        return i;
    }
    AdditionResult AddTo(int32_t i, CasNumber cas, const char* amount, AmountUnit unit = AmountUnit::kMillilitre,
                         const NewChemicalHook& hook = nullptr) {
        const ChemicalAddition a{Chemical(cas), At(i).type, At(i).sizeIndex, amount, unit};
        return AddChemical(At(i), a, hook);
    }
};

TEST_F(ChemicalAdditionTest, LiquidFillsUpToTheBrimAndNoFurther) {
    const int32_t i = Beaker50();
    EXPECT_EQ(AddTo(i, kEthanol, "10").outcome, AdditionOutcome::kAdded);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 100);
    EXPECT_NEAR(MassOfComponent(At(i), kEthanol, kPhaseLiquid), 10 * 0.8, 1e-6);

    const int32_t j = Beaker50();
    const auto before = Snapshot();
    EXPECT_EQ(AddTo(j, kEthanol, "50.1").outcome, AdditionOutcome::kOverCapacity);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(AddTo(j, kEthanol, "50").outcome, AdditionOutcome::kAdded);
    EXPECT_DOUBLE_EQ(At(j).liquidVolume, 500);
}

TEST_F(ChemicalAdditionTest, NothingIsAddedForNoAmount) {
    const int32_t i = Beaker50();
    const auto before = Snapshot();
    for (const char* text : {"0", "-3", "-0.5", "abc", ""})
        EXPECT_EQ(AddTo(i, kEthanol, text).outcome, AdditionOutcome::kNothingToAdd) << text;
    // The module may take every gram away, or answer nonsense.
    for (double answer : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const auto hook = [answer](LabObject&, CasNumber, double* g, int32_t*, int32_t*, int32_t, float) { *g = answer; };
        EXPECT_EQ(AddTo(i, kSalt, "2", AmountUnit::kGram, hook).outcome, AdditionOutcome::kNothingToAdd);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ChemicalAdditionTest, SolidsByUnitAndThroughTheModule) {
    const int32_t i = Beaker50();
    EXPECT_EQ(AddTo(i, kSalt, "500", AmountUnit::kMilligram).outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(MassOfComponent(At(i), kSalt, kPhaseSolid), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 0);  // dry vessel: the level stays
    EXPECT_NEAR(At(i).solidVolume, 0.25, 1e-12);

    // Counted in units whatever unit the list shows; the module sees them.
    float seenFactor = 0;
    int32_t seenWhole = -1;
    const auto doubling = [&](LabObject&, CasNumber, double* g, int32_t* whole, int32_t*, int32_t, float factor) {
        seenFactor = factor;
        seenWhole = *whole;
        *g *= 2;
    };
    EXPECT_EQ(AddTo(i, kZincPellets, "4", AmountUnit::kGram, doubling).outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(MassOfComponent(At(i), kZincPellets, kPhaseSolid), 2.0, 1e-6);
    EXPECT_FLOAT_EQ(seenFactor, 0.25f);
    EXPECT_EQ(seenWhole, 4);
}

TEST_F(ChemicalAdditionTest, CapacityCountsTheSolidInADryAndAWetVessel) {
    // Dry: 20 ml of solid; 30 ml more fits, 30.1 ml does not.
    const int32_t dry = Beaker50();
    ASSERT_EQ(AddTo(dry, kSalt, "40", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);
    const auto before = Snapshot();
    EXPECT_EQ(AddTo(dry, kSalt, "60.2", AmountUnit::kGram).outcome, AdditionOutcome::kOverCapacity);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(AddTo(dry, kSalt, "60", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(At(dry).solidVolume, 50, 1e-9);

    // Wet: the level already holds the solid and rises with more.
    const int32_t wet = Beaker50();
    ASSERT_EQ(AddTo(wet, kSalt, "20", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);  // 10 ml
    ASSERT_EQ(AddTo(wet, kEthanol, "10").outcome, AdditionOutcome::kAdded);  // the solid folds in
    EXPECT_DOUBLE_EQ(At(wet).liquidVolume, 200);
    ASSERT_EQ(AddTo(wet, kSalt, "20", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(At(wet).liquidVolume, 300, 1e-9);
    EXPECT_NEAR(At(wet).solidVolume, 20, 1e-9);
    EXPECT_EQ(AddTo(wet, kEthanol, "20.1").outcome, AdditionOutcome::kOverCapacity);
}

TEST_F(ChemicalAdditionTest, SolutionsAndMixturesFoldADryVesselsSolid) {
    const int32_t i = Beaker50();
    ASSERT_EQ(AddTo(i, kSalt, "10", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);  // 5 ml
    ASSERT_EQ(AddTo(i, kHydrochloricAcid, "20").outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(At(i).liquidVolume, 250, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(i), kHydrochloricAcid, kPhaseDissolved), 36.46 * 0.1 * 20 / 1000, 1e-5);
    EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 20, 1e-9);
    EXPECT_EQ(At(i).liquidColour[0], 240);

    const int32_t j = Beaker50();
    ASSERT_EQ(AddTo(j, kSalt, "10", AmountUnit::kGram).outcome, AdditionOutcome::kAdded);
    ASSERT_EQ(AddTo(j, kVinegar, "20").outcome, AdditionOutcome::kAdded);
    EXPECT_NEAR(At(j).liquidVolume, 250, 1e-9);
    EXPECT_NEAR(MassOfComponent(At(j), kAceticAcid, kPhaseLiquid), 1.0, 1e-6);
    EXPECT_NEAR(MassOfComponent(At(j), kWater, kPhaseLiquid), 19.0, 1e-5);
    EXPECT_EQ(AddTo(j, kVinegar, "25.1").outcome, AdditionOutcome::kOverCapacity);
}

TEST_F(ChemicalAdditionTest, ASolutionOfAnIonEntersAsIonsInSolution) {
    // The same 0.1 M stock, once as a plain solution and once as a solution
    // of an ion (the lab keeps the ion bit), so the meters can count it.
    struct Case {
        int32_t state;
        uint32_t solutePhase;
    } cases[] = {{kKindSolution, kPhaseDissolved}, {kKindSolution | kKindIon, kPhaseSecondLiquid}};
    for (const Case& c : cases) {
        ChemicalRecord stock = *Chemical(kHydrochloricAcid);
        stock.state = c.state;
        const int32_t i = Beaker50();
        const ChemicalAddition a{&stock, At(i).type, At(i).sizeIndex, "25", AmountUnit::kMillilitre};
        ASSERT_EQ(AddChemical(At(i), a, nullptr).outcome, AdditionOutcome::kAdded) << c.state;
        EXPECT_NEAR(MassOfComponent(At(i), kHydrochloricAcid, c.solutePhase), 36.46 * 0.0025, 1e-5) << c.state;
        EXPECT_EQ(MassOfComponent(At(i), kHydrochloricAcid, ~c.solutePhase), 0) << c.state;
        EXPECT_NEAR(MassOfComponent(At(i), kWater, kPhaseLiquid), 25, 1e-9) << c.state;
        EXPECT_NEAR(At(i).liquidVolume, 250, 1e-9) << c.state;
    }
}

TEST_F(ChemicalAdditionTest, RefusalsChangeNeitherContentsNorContainer) {
    const int32_t i = Beaker50();
    // An electronic balance takes no liquid; an Erlenmeyer flask is not the beaker.
    ChemicalAddition a{Chemical(kEthanol), kElectronicBalance, 4, "1", AmountUnit::kMillilitre};
    auto before = Snapshot();
    EXPECT_EQ(AddChemical(At(i), a, nullptr).outcome, AdditionOutcome::kTakesNoLiquid);
    a = {Chemical(kEthanol), kErlenmeyerFlask, 1, "5000", AmountUnit::kMillilitre};
    EXPECT_EQ(AddChemical(At(i), a, nullptr).outcome, AdditionOutcome::kOverCapacity);
    a = {nullptr, kBeaker, 1, "1", AmountUnit::kMillilitre};
    EXPECT_EQ(AddChemical(At(i), a, nullptr).outcome, AdditionOutcome::kNotChosen);
    EXPECT_EQ(Snapshot(), before);

    // Every slot taken: the new substance finds no room.
    for (int32_t s = 1; s < kComponentSlotCount; ++s) SetComponentSlot(At(i), 1000 + s, kPhaseSolid, 0.001, 293, s);
    before = Snapshot();
    EXPECT_EQ(AddTo(i, kSalt, "1", AmountUnit::kGram).outcome, AdditionOutcome::kNoRoom);
    EXPECT_EQ(AddTo(i, kVinegar, "1").outcome, AdditionOutcome::kNoRoom);
    EXPECT_EQ(Snapshot(), before);

    // Added: the container changes with it.
    const int32_t j = Beaker50();
    a = {Chemical(kEthanol), kErlenmeyerFlask, At(j).sizeIndex, "5", AmountUnit::kMillilitre};
    if (TemplateCapacity(kErlenmeyerFlask, At(j).sizeIndex, 0) >= 5) {
        EXPECT_EQ(AddChemical(At(j), a, nullptr).outcome, AdditionOutcome::kAdded);
        EXPECT_EQ(At(j).type, kErlenmeyerFlask);
        EXPECT_EQ(bench_.additions.back(), kErlenmeyerFlask);
    }
}

TEST_F(ChemicalAdditionTest, HeldApartLiquidGrowsInAFlaskWithTheDropper) {
    const int32_t i = Add(kErlenmeyerFlask);
    At(i).stateBits = 4;
    ASSERT_EQ(AddTo(i, kEthanol, "2").outcome, AdditionOutcome::kAdded);
    ASSERT_EQ(AddTo(i, kEthanol, "3").outcome, AdditionOutcome::kAdded);
    EXPECT_DOUBLE_EQ(At(i).reading2, 50);
    EXPECT_DOUBLE_EQ(At(i).liquidVolume, 0);
    EXPECT_NEAR(MassOfComponent(At(i), kEthanol, kPhaseHeldApart), 4.0, 1e-6);
}

TEST_F(ChemicalAdditionTest, ListTextsAndComments) {
    const auto molarity = [](double m) { return std::to_string(m).substr(0, 3); };
    EXPECT_EQ(ChemicalListText(*Chemical(kSalt), molarity), "Sodium chloride  -  NaCl");
    EXPECT_EQ(ChemicalListText(*Chemical(kHydrochloricAcid), molarity), "(0.1 M) Hydrochloric acid  -  HCl");
    ChemicalRecord unknown = *Chemical(kSalt);
    unknown.flags |= kChemUnknown;
    EXPECT_EQ(ChemicalListText(unknown, molarity), "Unknown");
    std::strcpy(unknown.unknownName, "Sample 3");
    EXPECT_EQ(ChemicalCommentName(unknown), "Sample 3");
    EXPECT_EQ(ChemicalCommentName(*Chemical(kHydrochloricAcid)), "(0.100 M) Hydrochloric acid");

    bench_.recording = true;
    bench_.strings[688] = "Add new %s";
    bench_.strings[689] = "Add %s g of %s to %s";
    bench_.strings[690] = "Add %s ml of %s to %s";
    RecordChemicalAddition(bench_, *Chemical(kSalt), {AdditionOutcome::kAdded, 500, 0.001}, kBeaker, true, true, kBeaker);
    RecordChemicalAddition(bench_, *Chemical(kEthanol), {AdditionOutcome::kAdded, 2.5, 1}, kBeaker, true, false, kBeaker);
    ASSERT_EQ(bench_.comments.size(), 3u);
    EXPECT_EQ(bench_.comments[0].first, "Add new Beaker");
    EXPECT_EQ(bench_.comments[1].first, "Add 0.500000 g of Sodium chloride to Beaker");
    EXPECT_EQ(bench_.comments[2].first, "Add 2.500000 ml of Ethanol to Beaker");
    EXPECT_EQ(bench_.comments[2].second, 7);
}

}  // namespace
