#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/settings/settings.h"

namespace {

struct MapStore : SettingsStore {
    std::map<std::string, uint32_t> values;
    std::vector<std::string> writes;
    bool failReads = false;
    StoreAnswer ReadDword(const char* name, uint32_t* value) override {
        if (failReads) return StoreAnswer::Failed;
        auto it = values.find(name);
        if (it == values.end()) return StoreAnswer::Missing;
        *value = it->second;
        return StoreAnswer::Found;
    }
    bool WriteDword(const char* name, uint32_t value) override {
        values[name] = value;
        writes.push_back(name);
        return true;
    }
    std::map<std::string, std::string> texts;
    StoreAnswer ReadString(const char* name, char* out, size_t size) override {
        if (failReads) return StoreAnswer::Failed;
        auto it = texts.find(name);
        if (it == texts.end()) return StoreAnswer::Missing;
        if (it->second.size() >= size) return StoreAnswer::Failed;
        memcpy(out, it->second.c_str(), it->second.size() + 1);
        return StoreAnswer::Found;
    }
    bool WriteString(const char* name, const char* text) override {
        texts[name] = text;
        writes.push_back(name);
        return true;
    }
};

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { ResetSettingGlobals(); }
    void TearDown() override { ResetSettingGlobals(); }
};

TEST_F(SettingsTest, FirstStartWritesEveryDefaultInTableOrder) {
    MapStore store;
    ReadStartupSettings(store);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"menuStyle", "BunsenBurnerHeat",
                                                       "HotPlateIncrements", "FontSize",
                                                       "TempScale", "ShowTipsAtStartUp",
                                                       "BuretVolumeField"}));
    EXPECT_EQ(store.values["menuStyle"], 3u);
    EXPECT_EQ(MenuStyle, 3);
    EXPECT_EQ(BunsenBurnerHeat, 2);
    EXPECT_EQ(HotPlateIncrements, 10);
    EXPECT_EQ(FontSize, 12);
    EXPECT_EQ(TempScale, 1);
    EXPECT_EQ(ShowTipsAtStartUp, 0);
    EXPECT_EQ(BuretVolumeField, 2);
}

TEST_F(SettingsTest, StoredValuesAreUsedAndOutOfRangeOnesReset) {
    struct Case {
        const char* name;
        uint32_t stored;
        int32_t* global;
        int32_t expected;
        bool rewritten;
    };
    const Case cases[] = {
        {"menuStyle", 1, &MenuStyle, 1, false},
        {"menuStyle", 0, &MenuStyle, 0, false},
        {"menuStyle", 4, &MenuStyle, 3, true},
        {"BunsenBurnerHeat", 99, &BunsenBurnerHeat, 99, false},
        {"BunsenBurnerHeat", 0, &BunsenBurnerHeat, 2, true},
        {"BunsenBurnerHeat", 100, &BunsenBurnerHeat, 2, true},
        {"HotPlateIncrements", 0xFFFFFFFFu, &HotPlateIncrements, 10, true},
        {"FontSize", 24, &FontSize, 24, false},
        {"FontSize", 25, &FontSize, 12, true},
        {"TempScale", 2, &TempScale, 2, false},
        {"TempScale", 3, &TempScale, 1, true},
        {"BuretVolumeField", 0, &BuretVolumeField, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + std::to_string(c.stored));
        ResetSettingGlobals();
        MapStore store;
        // every other value present, so only this one can be written
        store.values = {{"menuStyle", 3},        {"BunsenBurnerHeat", 2}, {"HotPlateIncrements", 10},
                        {"FontSize", 12},        {"TempScale", 1},        {"ShowTipsAtStartUp", 0},
                        {"BuretVolumeField", 2}};
        store.values[c.name] = c.stored;
        ReadStartupSettings(store);
        EXPECT_EQ(*c.global, c.expected);
        EXPECT_EQ(store.writes.size(), c.rewritten ? 1u : 0u);
        if (c.rewritten) {
            EXPECT_EQ(store.values[c.name], static_cast<uint32_t>(c.expected));
        }
    }
}

TEST_F(SettingsTest, FailedReadKeepsBuiltInValuesAndWritesNothing) {
    MapStore store;
    store.failReads = true;
    ReadStartupSettings(store);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(MenuStyle, 0);  // chosen at start-up later
    EXPECT_EQ(FontSize, 12);
}

TEST_F(SettingsTest, AppDataFolderIsNotReadAtStartUpButOnDemand) {
    MapStore store;
    ReadStartupSettings(store);
    EXPECT_EQ(store.values.count("AppDataFolder"), 0u);
    EXPECT_EQ(ReadSetting(store, kSettingAppDataFolder), 0x801A);
    EXPECT_EQ(store.values["AppDataFolder"], 0x801Au);
    store.values["AppDataFolder"] = 0x0005;
    EXPECT_EQ(ReadSetting(store, kSettingAppDataFolder), 5);
}

TEST_F(SettingsTest, WriteSettingsWritesTheGlobalsInTheGivenOrder) {
    MapStore store;
    FontSize = 18;
    TempScale = 2;
    const SettingId ids[] = {kSettingTempScale, kSettingFontSize, kSettingPos};
    WriteSettings(store, ids, 3);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"TempScale", "FontSize"}));
    EXPECT_EQ(store.values["FontSize"], 18u);
}

TEST_F(SettingsTest, PositionIsTextAndBounded) {
    MapStore store;
    char pos[32] = "junk";
    EXPECT_FALSE(ReadTextSetting(store, kSettingPos, pos, sizeof pos));  // missing: no default
    EXPECT_STREQ(pos, "");
    EXPECT_TRUE(store.writes.empty());
    EXPECT_TRUE(WriteTextSetting(store, kSettingPos, "10 20 800 600"));
    EXPECT_TRUE(ReadTextSetting(store, kSettingPos, pos, sizeof pos));
    EXPECT_STREQ(pos, "10 20 800 600");
    char small[4];
    EXPECT_FALSE(ReadTextSetting(store, kSettingPos, small, sizeof small));
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(ReadTextSetting(store, kSettingFontSize, pos, sizeof pos));  // not a text row
    EXPECT_FALSE(WriteTextSetting(store, kSettingFontSize, "12"));
}

TEST(SettingNumber, AcceptsOnlyWholeNumbersInRange) {
    struct Case {
        const char* text;
        bool accepted;
        int32_t value;
    };
    const Case cases[] = {{"1", true, 1},  {"99", true, 99}, {" 7 ", true, 7}, {"0", false, 0},
                          {"100", false, 0}, {"", false, 0},  {"-5", false, 0}, {"5a", false, 0},
                          {"3.5", false, 0}, {"99999999999", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t value = -1;
        EXPECT_EQ(ParseSettingNumber(c.text, 1, 99, &value), c.accepted);
        EXPECT_EQ(value, c.accepted ? c.value : -1);
    }
    int32_t value = 0;
    EXPECT_FALSE(ParseSettingNumber(nullptr, 1, 99, &value));
}

}  // namespace
