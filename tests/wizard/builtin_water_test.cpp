#include <gtest/gtest.h>

#include <cstring>

#include "wizard/builtin_water.h"

TEST(BuiltInWater, IsAWhiteStockLiquid) {
    ChemicalRecord water = BuiltInWaterRecord();
    EXPECT_EQ(water.cas, kCasWater);
    EXPECT_STREQ(water.name, "Water");
    const char formula[] = {'H', char(kFormulaSubscript), '2', 'O', '\0'};
    EXPECT_STREQ(water.formula, formula);
    EXPECT_EQ(water.flags, uint32_t(kChemStock));
    EXPECT_EQ(water.state, kKindLiquid);
    EXPECT_FLOAT_EQ(water.molarMass, 18.0153f);
    EXPECT_FLOAT_EQ(water.density, 1.0f);
    EXPECT_FLOAT_EQ(water.meltingPoint, 273);
    EXPECT_FLOAT_EQ(water.boilingPoint, 373);
    EXPECT_FLOAT_EQ(water.solubility273, -1);
    EXPECT_FLOAT_EQ(water.solubility373, -1);
    // Drawn through the vessel's mask: black would show plain water as ink.
    EXPECT_EQ(water.colour[0], 255);
    EXPECT_EQ(water.colour[1], 255);
    EXPECT_EQ(water.colour[2], 255);
}
