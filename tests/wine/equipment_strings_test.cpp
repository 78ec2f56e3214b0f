// The program's string table holds the same equipment names the portable
// catalogue uses in its logs and messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "bench/catalogue/equipment_catalogue.h"

TEST(EquipmentStrings, ResourceNamesMatchTheCatalogue) {
    char text[128];
    for (int32_t type = 1; type <= 28; ++type) {
        ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), type, text, sizeof text), 0) << type;
        EXPECT_STREQ(text, EquipmentTypeName(type)) << type;
    }
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 688, text, sizeof text), 0);
    EXPECT_STREQ(text, "Add new %s");
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 203, text, sizeof text), 0);
    EXPECT_EQ(std::string(text).rfind("Warning: You have reached the maximum \n permitted", 0), 0u);
}
