// The module host's portable decisions: names, paths, counts, binding,
// block ownership and the user-defined lab lookup.
#include "app/modules/module_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

TEST(ModuleNames, OnlyBareDllNamesAreLoadable) {
    struct Case {
        const char* name;
        bool module;
        bool bare;
    };
    const std::string longName = std::string(255, 'a') + ".dll";  // 259 characters: fits
    const std::string tooLong = std::string(256, 'a') + ".dll";   // 260: no room for the NUL
    const Case cases[] = {
        {"OLVARIS.DLL", true, true},
        {"Tessaly.dll", true, true},
        {"x.Dll", true, true},
        {".dll", false, true},
        {"Lab.udl", false, true},
        {"Olvaris.dll.txt", false, true},
        {"..\\Olvaris.dll", false, false},
        {"sub/Olvaris.dll", false, false},
        {"C:Olvaris.dll", false, false},
        {"a..b.dll", false, false},
        {"", false, false},
        {nullptr, false, false},
        {longName.c_str(), true, true},
        {tooLong.c_str(), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "(null)");
        EXPECT_EQ(IsBareModuleName(c.name), c.module);
        EXPECT_EQ(IsBareFileName(c.name), c.bare);
    }
}

TEST(ModulePaths, JoinAddsOneBackslashAndRefusesWhatDoesNotFit) {
    char out[16];
    EXPECT_TRUE(JoinFolderAndName(out, sizeof out, "C:\\lab", "a.dll"));
    EXPECT_STREQ(out, "C:\\lab\\a.dll");
    EXPECT_TRUE(JoinFolderAndName(out, sizeof out, "C:\\", "a.dll"));
    EXPECT_STREQ(out, "C:\\a.dll");
    EXPECT_TRUE(JoinFolderAndName(out, sizeof out, "C:\\lab", "abcdefgh"));  // 15 + NUL
    EXPECT_STREQ(out, "C:\\lab\\abcdefgh");
    EXPECT_FALSE(JoinFolderAndName(out, sizeof out, "C:\\lab", "abcdefghi"));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(JoinFolderAndName(out, sizeof out, nullptr, "a"));
}

TEST(ChemicalBlock, CountIsClampedToTheRecordsTheBlockHolds) {
    struct Case {
        int32_t reported;
        uint64_t bytes;
        int32_t expected;
    };
    const uint64_t record = sizeof(ChemicalRecord);
    const Case cases[] = {
        {1, record, 1},          {3, 3 * record, 3},  {7, record, 1},
        {2, 2 * record - 1, 1},  {-5, 10 * record, 0}, {1, 0, 0},
        {0, record, 0},          {INT32_MAX, 4 * record + 17, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reported);
        EXPECT_EQ(ClampChemicalCount(c.reported, c.bytes), c.expected);
    }
}

TEST(ChemicalBlock, HostFreesOnlyItsOwnBlockAndNeverTheOneItGetsBack) {
    int a = 0, b = 0;
    HGLOBAL first = &a, second = &b;
    struct Case {
        HeldChemicalBlock held;
        HGLOBAL incoming;
        bool released;
    };
    const Case cases[] = {
        {{first, false}, second, true},   {{first, false}, nullptr, true},
        {{first, false}, first, false},   {{first, true}, second, false},
        {{first, true}, nullptr, false},  {{nullptr, false}, second, false},
    };
    for (const Case& c : cases) EXPECT_EQ(HostReleasesOnReplace(c.held, c.incoming), c.released);
}

namespace {

// Answers a distinct fake address for each exported name.
struct FakeLibrary {
    std::set<std::string> exports;
    std::vector<std::string> asked;
    void* Find(const char* name) {
        asked.push_back(name);
        if (!exports.count(name)) return nullptr;
        for (int i = 0; i < kPluginSlotCount; ++i)
            if (std::strcmp(kPluginExportNames[i], name) == 0) return &slotMarks[i];
        return nullptr;
    }
    char slotMarks[kPluginSlotCount] = {};
    ExportLookup Lookup() {
        return [this](const char* name) { return Find(name); };
    }
};

}  // namespace

TEST(PluginBinding, EverySlotGetsItsOwnExport) {
    FakeLibrary library;
    for (const char* name : kPluginExportNames) library.exports.insert(name);
    PluginTableSlots table{};
    BindPluginTable(table, library.Lookup());
    BindWizardSlot(table, kStyleAuthoring, library.Lookup());
    void* slots[kPluginSlotCount];
    std::memcpy(slots, &table, sizeof table);
    for (int i = 0; i < kPluginSlotCount; ++i) {
        SCOPED_TRACE(kPluginExportNames[i]);
        EXPECT_EQ(slots[i], &library.slotMarks[i]);
    }
    EXPECT_EQ(reinterpret_cast<void*>(table.UDL_Tavistrel), &library.slotMarks[kWizardSlot]);
    ClearPluginTable(table);
    EXPECT_EQ(PluginSlotsBound(table), 0);
}

TEST(PluginBinding, WizardSlotNeedsTheAuthoringStyle) {
    FakeLibrary library;
    library.exports = {"LoadLabChemicals", "UDL_Tavistrel", "QueryLabStyle"};
    for (int32_t style : {0, 0x20004, 0x7, 0x8, 0x8 | 0x1}) {
        SCOPED_TRACE(style);
        PluginTableSlots table{};
        BindPluginTable(table, library.Lookup());
        EXPECT_EQ(table.UDL_Tavistrel, nullptr) << "the wizard is never bound before the style";
        BindWizardSlot(table, style, library.Lookup());
        EXPECT_EQ(table.UDL_Tavistrel != nullptr, (style & 0x8) != 0);
        EXPECT_EQ(PluginSlotsBound(table), 2 + ((style & 0x8) ? 1 : 0));
    }
}

TEST(PluginBinding, OnlyLoadLabChemicalsLeavesEveryOtherSlotEmpty) {
    FakeLibrary library;
    library.exports = {"LoadLabChemicals"};
    PluginTableSlots table{};
    BindPluginTable(table, library.Lookup());
    BindWizardSlot(table, 0, library.Lookup());
    for (int i = 0; i < kPluginSlotCount; ++i) EXPECT_EQ(PluginSlotBound(table, i), i == 2) << i;
    EXPECT_EQ(library.asked.size(), 17u) << "UDL_Tavistrel is not looked up without the style";
}

TEST(LabStyleQuery, CountsAsZeroWithoutModuleOrEntry) {
    struct Restore {
        ~Restore() {
            LabModuleHandle = nullptr;
            ClearPluginTable(PluginTable);
        }
    } restore;
    PluginTable.QueryLabStyle = [] { return 0x20004; };
    EXPECT_EQ(QueryCurrentLabStyle(), 0) << "no module loaded";
    LabModuleHandle = reinterpret_cast<HMODULE>(&restore);
    EXPECT_EQ(QueryCurrentLabStyle(), 0x20004);
    PluginTable.QueryLabStyle = nullptr;
    EXPECT_EQ(QueryCurrentLabStyle(), 0);
}

namespace {

struct Prompt {
    UdlPrompt kind;
    std::string first, second;
    bool operator==(const Prompt&) const = default;
};

struct UdlScenario {
    const char* title;
    bool inProgram, inPersonal, personalResolvable, preferPersonal, answerYes;
    std::string expectedPath;
    int32_t expectedPersonalFlag;
    std::vector<Prompt> expectedPrompts;
};

}  // namespace

TEST(UdlLookup, FollowsTheFoldersAndAsksAtMostOnce) {
    const std::string prog = "C:\\Brevane\\lab.udl", user = "C:\\Users\\s\\Brevane\\lab.udl";
    const UdlScenario scenarios[] = {
        {"program copy found", true, true, true, false, true, prog, -1, {}},
        {"only the per-user copy, Yes", false, true, true, false, true, user, 1,
         {{UdlPrompt::OfferPersonalCopy, prog, user}}},
        {"only the per-user copy, No", false, true, true, false, false, prog, -1,
         {{UdlPrompt::OfferPersonalCopy, prog, user}, {UdlPrompt::NotFound, prog, ""}}},
        {"neither copy", false, false, true, false, true, prog, -1,
         {{UdlPrompt::NotFound, prog, ""}}},
        {"no per-user folder: silent", false, true, false, false, true, prog, -1, {}},
        {"per-user first, found", true, true, true, true, true, user, -1, {}},
        {"per-user first, program copy, Yes", true, false, true, true, true, prog, 0,
         {{UdlPrompt::OfferProgramCopy, prog, ""}}},
        {"per-user first, program copy, No", true, false, true, true, false, user, -1,
         {{UdlPrompt::OfferProgramCopy, prog, ""}}},
        {"per-user first, neither", false, false, true, true, true, user, -1,
         {{UdlPrompt::NotFound, user, ""}}},
        {"per-user first, no per-user folder", true, false, false, true, true, "", -1, {}},
    };
    for (const UdlScenario& s : scenarios) {
        SCOPED_TRACE(s.title);
        std::vector<Prompt> prompts;
        UdlLookupSeams seams;
        seams.fileExists = [&](const std::string& path) {
            return (path == prog && s.inProgram) || (path == user && s.inPersonal);
        };
        seams.ask = [&](UdlPrompt kind, const std::string& a, const std::string& b) {
            prompts.push_back({kind, a, b});
            return s.answerYes;
        };
        UdlLookupResult result = FindUdlFile("C:\\Brevane", s.personalResolvable ? "C:\\Users\\s\\Brevane" : "",
                                             "lab.udl", s.preferPersonal, seams);
        EXPECT_EQ(result.labPath, s.expectedPath);
        EXPECT_EQ(result.udlInPersonalFolder, s.expectedPersonalFlag);
        EXPECT_EQ(prompts, s.expectedPrompts);
    }
}

TEST(UdlLookup, UnsafeOrEmptyNamesAreNeverLookedUp) {
    int looked = 0;
    std::vector<std::string> notFound;
    UdlLookupSeams seams;
    seams.fileExists = [&](const std::string&) { return ++looked, true; };
    seams.ask = [&](UdlPrompt kind, const std::string& a, const std::string&) {
        EXPECT_EQ(kind, UdlPrompt::NotFound);
        notFound.push_back(a);
        return true;
    };
    for (const char* name : {"..\\secret.udl", "C:\\other\\lab.udl", "a/b.udl"}) {
        UdlLookupResult result = FindUdlFile("C:\\Brevane", "C:\\U", name, false, seams);
        EXPECT_EQ(result.labPath, "") << name;
    }
    EXPECT_EQ(FindUdlFile("C:\\Brevane", "C:\\U", "", false, seams).labPath, "");
    EXPECT_EQ(looked, 0);
    EXPECT_EQ(notFound.size(), 3u);
}
