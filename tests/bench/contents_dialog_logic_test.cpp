// What the Properties, Indicators, Chemicals and Transfer dialogs show and
// store, without their windows.
#include <gtest/gtest.h>

#include <cstring>

#include "bench/commands/contents/container_choices.h"
#include "bench/commands/contents/indicator_choice.h"
#include "bench/commands/contents/properties_lines.h"
#include "bench/model/contents.h"
#include "tests/bench/contents_fixture.h"

using namespace contents_test;

namespace {

std::string Label(int32_t id) {
    switch (id) {
    case 525: return "Gas";
    case 526: return "Liquid";
    case 527: return "Solid";
    case 528: return "In Solution";
    case 529: return "Precipitate";
    case 530: return "In Filter";
    case 531: return "Ion";
    case 1123: return "In Dropper";
    }
    return "";
}

std::string Fixed(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", v);
    return text;
}

TEST(PhaseLabels, FirstMatchingBitInTheirOrder) {
    EXPECT_EQ(PhaseLabelId(0x1 | 0x2), 525);
    EXPECT_EQ(PhaseLabelId(0x2), 526);
    EXPECT_EQ(PhaseLabelId(0x4 | 0x40), 527);
    EXPECT_EQ(PhaseLabelId(0x8), 528);
    EXPECT_EQ(PhaseLabelId(0x10 | 0x40), 530);
    EXPECT_EQ(PhaseLabelId(0x40 | 0x20), 529);
    EXPECT_EQ(PhaseLabelId(0x20), 531);
    EXPECT_EQ(PhaseLabelId(0x100), 1123);
    EXPECT_EQ(PhaseLabelId(0x200), 0);
}

TEST_F(ContentsTest, PropertiesJoinSolidAndPrecipitate) {
    LabObject o{};
    EXPECT_TRUE(PropertiesLines(o, Label, Fixed).empty());  // empty vessel: empty list

    AddComponent(o, kSalt, kPhaseSolid, 2, 293);
    AddComponent(o, kSalt, kPhasePrecipitate, 0.5, 293);
    AddComponent(o, kWater, kPhaseLiquid, 10, 293);
    auto lines = PropertiesLines(o, Label, Fixed);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].cas, kWater);
    EXPECT_EQ(lines[1].text, "Sodium chloride  NaCl (Solid)  (2.500000 g) (" + Fixed(2.5 / 58.44f) + " moles)");

    LabObject p{};
    AddComponent(p, kSalt, kPhasePrecipitate, 0.5, 293);
    lines = PropertiesLines(p, Label, Fixed);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "Sodium chloride  NaCl (Solid)  (0.500000 g) (" + Fixed(0.5 / 58.44f) + " moles)");
}

TEST_F(ContentsTest, PropertiesLineForms) {
    table_[2].flags |= kChemNoMolarMass;  // ethanol
    table_[3].flags |= kChemUnknown;      // zinc pellets
    std::strcpy(table_[3].unknownName, "Sample B");
    table_[4].molarMass = 0;              // hydrochloric acid: no moles
    LabObject o{};
    AddComponent(o, kEthanol, kPhaseLiquid, 1, 293);
    AddComponent(o, kZincPellets, kPhaseSolid, 2, 293);
    AddComponent(o, kHydrochloricAcid, kPhaseDissolved, 3, 293);
    auto lines = PropertiesLines(o, Label, Fixed);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "Ethanol (Liquid)  (1.000000 g)");
    EXPECT_EQ(lines[1].text, "Sample B (Solid)  (2.000000 g)");
    EXPECT_EQ(lines[2].text, "Hydrochloric acid  HCl (In Solution)  (3.000000 g) (0.000000 moles)");

    // Layers: every line says its own once any slot is above layer 0.
    o.slots[1].layer = 2;
    lines = PropertiesLines(o, Label, Fixed);
    EXPECT_EQ(lines[2].text, "Hydrochloric acid  HCl (In Solution)  (3.000000 g) (0.000000 moles) (Layer = 0)");
}

TEST_F(ContentsTest, ReactionLinesKeptByTheVesselsSubstances) {
    table_[1].reactionRefs[0] = {2, kPhaseDissolved, {}};
    table_[1].reactionRefs[1] = {4, kPhaseSolid, {}};
    table_[2].reactionRefs[0] = {5, kPhaseLiquid, {}};
    LabObject o{};
    AddComponent(o, kSalt, kPhaseDissolved, 1, 293);
    AddComponent(o, kEthanol, kPhaseGas, 1, 293);  // named on line 5 as a liquid only
    EXPECT_EQ(KeptReactionLines(o, 6), (std::vector<int32_t>{2}));
    AddComponent(o, kSalt, kPhaseSolid, 1, 293);
    EXPECT_EQ(KeptReactionLines(o, 6), (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(KeptReactionLines(o, 3), (std::vector<int32_t>{2}));
}

TEST_F(ContentsTest, IndicatorsReadBoundedSkipNullAndStoreDrops) {
    IndicatorRecord records[2];
    std::memset(records, 'x', sizeof records);  // no terminators anywhere
    records[0].id = 10100;
    records[1].id = 10200;
    std::strcpy(records[1].name, "Litmus");
    std::strcpy(records[1].description, "Red in acid");
    const auto entries = ReadIndicators(3, [&](int32_t i) -> const IndicatorRecord* {
        return i == 1 ? nullptr : &records[i == 0 ? 0 : 1];
    });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, std::string(35, 'x'));
    EXPECT_EQ(entries[0].description, std::string(100, 'x'));
    EXPECT_EQ(entries[1].name, "Litmus");

    LabObject v{};
    v.type = kBeaker;
    int32_t drops = -1;
    EXPECT_EQ(InitialIndicator(v, entries, &drops), 0);
    EXPECT_EQ(drops, 0);
    v.indicatorId = 10200;
    v.indicatorAmount = 0.4f;
    EXPECT_EQ(InitialIndicator(v, entries, &drops), 1);
    EXPECT_EQ(drops, 1);
    v.indicatorAmount = 7.9f;
    InitialIndicator(v, entries, &drops);
    EXPECT_EQ(drops, 7);

    bench_.recording = true;
    bench_.strings[695] = "Add %.d drops of %s Indicator to %s";
    ApplyIndicatorDrops(v, entries[1], "3", bench_);
    EXPECT_EQ(v.indicatorId, 10200);
    EXPECT_FLOAT_EQ(v.indicatorAmount, 3);
    ASSERT_EQ(bench_.comments.size(), 1u);
    EXPECT_EQ(bench_.comments[0].first, "Add 3 drops of Litmus Indicator to Beaker");
    EXPECT_EQ(bench_.comments[0].second, 8);
    for (const char* removing : {"0", "abc", ""}) {
        v.indicatorId = 10200;
        ApplyIndicatorDrops(v, entries[1], removing, bench_);
        EXPECT_EQ(v.indicatorId, 0) << removing;
        EXPECT_EQ(v.indicatorAmount, 0) << removing;
    }
}

TEST_F(ContentsTest, ContainerListsFollowTheLabStyle) {
    const auto plain = ContainerTypeChoices(2, 27, kKindContainer, 0);
    const auto withCalorimeter = ContainerTypeChoices(2, 27, kKindContainer, 0x4);
    EXPECT_EQ(ChoiceIndexOfData(plain, kCalorimeter), -1);
    EXPECT_EQ(ChoiceIndexOfData(plain, kBunsenBurner), -1);
    if (PrototypeKindFlags(kCalorimeter) & kKindContainer) {
        EXPECT_GE(ChoiceIndexOfData(withCalorimeter, kCalorimeter), 0);
    }
    ASSERT_GE(ChoiceIndexOfData(plain, kBeaker), 0);
    EXPECT_EQ(plain[ChoiceIndexOfData(plain, kBeaker)].text, "Beaker");
    for (const ListChoice& size : SizeChoices(kBeaker, 11, 0)) EXPECT_NE(size.text.find(" ml"), std::string::npos);
    EXPECT_FALSE(SizeChoices(kBeaker, 11, 0).empty());
}

TEST_F(ContentsTest, InfoTextHidesWhatTheFlagsHide) {
    const auto load = [](int32_t id) -> std::string {
        switch (id) {
        case 204: return "GMW: %s\n";
        case 205: return "GMW: %s\n";
        case 206: return "Density: %s\n";
        case 207: return "Density: %s\n";
        case 208: return "Melting Point: %s\n";
        case 209: return "Melting Point: %s \xB0K\n";
        case 210: return "Boiling Point: %s\n";
        case 211: return "Boiling Point: %s \xB0K\n";
        case 212: return "Description: %s\n\n";
        }
        return "";
    };
    const auto number = [](const char* format, double v) {
        char text[64];
        std::snprintf(text, sizeof text, format, v);
        return std::string(text);
    };
    ChemicalRecord salt = table_[1];
    std::strcpy(salt.description, "Table salt");
    EXPECT_EQ(ChemicalInfoText(salt, load, number),
              "Description: Table salt\n\nGMW: 58.440\nDensity: 2.000\nMelting Point: 1074.0 \xB0K\nBoiling Point: 1686.0 \xB0K\n");
    salt.flags |= kChemNoMolarMass | kChemNoBoilingPoint;
    salt.density = -1;
    EXPECT_EQ(ChemicalInfoText(salt, load, number),
              "Description: Table salt\n\nGMW: ...\nDensity: ...\nMelting Point: 1074.0 \xB0K\nBoiling Point: ...\n");
}

}  // namespace
