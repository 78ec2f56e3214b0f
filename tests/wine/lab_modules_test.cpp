// The shipped lab libraries, loaded as the host loads them: their exports,
// styles, strings, icon, chemicals and texts.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "common/chemical_record.h"
#include "common/module_contract.h"
#include "tests/support/build_folders_win.h"

namespace {

std::string BinPath(const std::string& file) { return ProgramFolderFile(file); }

struct Library {
    HMODULE module;
    explicit Library(const char* file) : module(LoadLibraryA(BinPath(file).c_str())) {}
    ~Library() { FreeLibrary(module); }
    template <class Entry>
    Entry* Find(const char* name) const {
        return reinterpret_cast<Entry*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

// Every name in the library's export table.
std::set<std::string> ExportTable(HMODULE module) {
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::set<std::string> names;
    if (!directory.VirtualAddress) return names;
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    auto nameTable = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.insert(reinterpret_cast<const char*>(base + nameTable[i]));
    return names;
}

const std::set<std::string> kFrameExports = {
    "QueryLabName",     "QueryLabDescription", "QueryLabSmallIcon", "QueryLabStyle",
    "LoadLabChemicals", "LabSimulationProc",   "SetChemTextPane",
};

std::set<std::string> With(std::set<std::string> names, std::initializer_list<const char*> more) {
    for (const char* name : more) names.insert(name);
    return names;
}

}  // namespace

TEST(LabModules, ExportsStylesAndStringsOfEachShippedLab) {
    struct Case {
        const char* file;
        int style;
        const char* name;
        const char* description;
        std::set<std::string> exports;
    };
    const Case cases[] = {
        {"Olvaris.dll", 0, "Generic Lab",
         "Basic Lab, to allow the examination of lab equipment and procedures",
         With(kFrameExports, {"IndicatorAvailable", "SetReactionText"})},
        {"Tessaly.dll", 0x20004, "Specific heat lab",
         "This lab uses a calorimeter to determine the specific heat of a metal",
         With(kFrameExports, {"IndicatorAvailable"})},
        {"Morvena.dll", 0, "Fractional Crystallization Lab",
         "This lab examines the properties of chemical solubility through fractional "
         "crystallization lab",
         kFrameExports},
        {"Dunmere.dll", 0, "Gravimetric Analysis of Chloride",
         "This lab uses gravimetric analysis to determine the percentage of chloride in an "
         "unknown.",
         With(kFrameExports, {"IndicatorAvailable", "SetReactionText"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Library lab(c.file);
        ASSERT_NE(lab.module, nullptr);
        EXPECT_EQ(ExportTable(lab.module), c.exports);
        // What the host's lookups find agrees with the table.
        for (const char* name : kPluginExportNames)
            EXPECT_EQ(lab.Find<void()>(name) != nullptr, c.exports.count(name) == 1) << name;

        EXPECT_EQ(lab.Find<QueryLabStyleEntry>("QueryLabStyle")(), c.style);
        char text[256];
        int length = lab.Find<QueryLabNameEntry>("QueryLabName")(text, sizeof text);
        EXPECT_EQ(std::string(text), c.name);
        EXPECT_EQ(length, static_cast<int>(strlen(c.name)));
        lab.Find<QueryLabDescriptionEntry>("QueryLabDescription")(text, sizeof text);
        EXPECT_EQ(std::string(text), c.description);
        // A short buffer gets a truncated, terminated name; none gets nothing.
        char shortText[6];
        EXPECT_EQ(lab.Find<QueryLabNameEntry>("QueryLabName")(shortText, sizeof shortText), 5);
        EXPECT_EQ(std::string(shortText), std::string(c.name, 5));
        EXPECT_EQ(lab.Find<QueryLabNameEntry>("QueryLabName")(text, 0), 0);

        HICON icon = lab.Find<QueryLabSmallIconEntry>("QueryLabSmallIcon")();
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap = {};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 16);
        EXPECT_EQ(bitmap.bmHeight, 16);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);

        if (auto indicators = lab.Find<IndicatorAvailableEntry>("IndicatorAvailable"))
            EXPECT_EQ(indicators(), 0);
    }
}

TEST(LabModules, GenericLabHandsOverItsOneRecordByteForByte) {
    unsigned char expected[2384] = {};
    auto put32 = [&](int offset, uint32_t value) { memcpy(expected + offset, &value, 4); };
    auto putFloat = [&](int offset, float value) { memcpy(expected + offset, &value, 4); };
    put32(0, 7732185);
    memcpy(expected + 4, "H\x7F" "2O", 4);
    memcpy(expected + 54, "Distilled Water", 15);
    memcpy(expected + 154, "Colorless Liq", 13);
    put32(256, 0x1);
    put32(260, 2);
    memset(expected + 264, 0xFF, 3);
    putFloat(276, 18.0153f);
    putFloat(280, 1.0f);
    putFloat(284, 273.0f);
    putFloat(288, 373.0f);
    putFloat(292, -1.0f);
    putFloat(296, -1.0f);
    put32(400, 1);
    put32(404, 0x2);

    Library olvaris("Olvaris.dll");
    auto loadChemicals = olvaris.Find<LoadLabChemicalsEntry>("LoadLabChemicals");
    ASSERT_NE(loadChemicals, nullptr);
    for (int call = 0; call < 2; ++call) {  // freeing a block leaves the library's table whole
        int32_t count = -1;
        HGLOBAL block = loadChemicals(&count);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(GlobalSize(block), 2384u);
        const void* record = GlobalLock(block);
        EXPECT_NE(record, static_cast<const void*>(block)) << "a movable block";
        EXPECT_EQ(memcmp(record, expected, sizeof expected), 0);
        GlobalUnlock(block);
        EXPECT_EQ(GlobalFree(block), nullptr);
    }
}

namespace {

std::string PaneText(HWND edit) {
    int length = GetWindowTextLengthA(edit);
    std::string text(length + 1, '\0');
    GetWindowTextA(edit, text.data(), length + 1);
    text.resize(strlen(text.c_str()));
    return text;
}

class GenericLabTexts : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
        setPane_ = lab_.Find<SetChemTextPaneEntry>("SetChemTextPane");
        setReaction_ = lab_.Find<SetReactionTextEntry>("SetReactionText");
        ASSERT_TRUE(setPane_ && setReaction_);
    }
    void TearDown() override {
        for (HWND edit : made_) DestroyWindow(edit);
    }
    HWND NewRichEdit() {
        HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 500, 400,
                                    nullptr, nullptr, nullptr, nullptr);
        made_.push_back(edit);
        return edit;
    }
    static std::string Text(HWND edit) { return PaneText(edit); }
    Library lab_{"Olvaris.dll"};
    SetChemTextPaneEntry* setPane_ = nullptr;
    SetReactionTextEntry* setReaction_ = nullptr;
    std::vector<HWND> made_;
};

}  // namespace

TEST_F(GenericLabTexts, ThreeDocumentsStreamTheSameTextEveryTime) {
    struct Case {
        int which;
        const char* heading;
        const char* mentions;
    };
    const Case cases[] = {
        {0, "Generic Lab", "distilled water"},
        {1, "Procedure", "Adding water"},
        {2, "Observations", "Mass of water poured"},
    };
    std::set<std::string> texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.which);
        HWND pane = NewRichEdit();
        EXPECT_GT(setPane_(pane, c.which), 0);
        std::string first = Text(pane);
        EXPECT_EQ(first.rfind(c.heading, 0), 0u) << first.substr(0, 80);
        EXPECT_NE(first.find(c.mentions), std::string::npos);
        EXPECT_EQ(first.find("\\rtf"), std::string::npos) << "read as RTF, not as plain text";
        EXPECT_EQ(first.find("&&"), std::string::npos) << "an ampersand prints as written";
        setPane_(pane, c.which);
        EXPECT_EQ(Text(pane), first);
        texts.insert(first);
    }
    EXPECT_EQ(texts.size(), 3u);
}

TEST_F(GenericLabTexts, OtherPaneIndicesStreamNothing) {
    for (int which : {3, -1, 100}) {
        HWND pane = NewRichEdit();
        EXPECT_EQ(setPane_(pane, which), 0) << which;
        EXPECT_EQ(Text(pane), "");
    }
}

TEST_F(GenericLabTexts, ReactionTextLineOneIsWater) {
    HWND edit = NewRichEdit();
    EXPECT_GT(setReaction_(edit), 0);
    std::string text = Text(edit);
    EXPECT_EQ(text.rfind("H2O(l)", 0), 0u) << text;
    // The 2 is a subscript.
    SendMessageA(edit, EM_SETSEL, 1, 2);
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    EXPECT_NE(format.dwEffects & CFE_SUBSCRIPT, 0u);
}

// Each shipped lab's three documents, streamed as the host streams them, carry
// what a lab sheet needs: aim, materials, numbered steps, what to record and
// the safety notes.
TEST(ShippedLabTexts, DocumentsCarryAimMaterialsStepsRecordsAndSafety) {
    ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    struct Case {
        const char* file;
        const char* record;  // a line of the Observations sheet
        const char* calculation;
    };
    const Case cases[] = {
        {"Tessaly.dll", "Final temperature of the mixture", "0.093"},
        {"Morvena.dll", "Which salt crystallized first", "solubility"},
        {"Dunmere.dll", "Mass of silver chloride", "60.66 % chloride"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Library lab(c.file);
        auto setPane = lab.Find<SetChemTextPaneEntry>("SetChemTextPane");
        ASSERT_NE(setPane, nullptr);
        std::string texts[3];
        for (int which = 0; which < 3; ++which) {
            HWND pane = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 500,
                                        400, nullptr, nullptr, nullptr, nullptr);
            EXPECT_GT(setPane(pane, which), 0);
            texts[which] = PaneText(pane);
            DestroyWindow(pane);
            EXPECT_EQ(texts[which].find("\\rtf"), std::string::npos);
            EXPECT_EQ(texts[which].find("still being written"), std::string::npos);
            // Rich text prints an ampersand as written: a menu's "&&" would show doubled.
            EXPECT_EQ(texts[which].find("&&"), std::string::npos) << which;
        }
        for (const char* heading : {"Aim", "The idea behind it", "Materials", "Safety"})
            EXPECT_NE(texts[0].find(heading), std::string::npos) << heading;
        EXPECT_EQ(texts[1].rfind("Procedure", 0), 0u);
        for (const char* step : {"1. ", "2. ", "3. ", "4. ", "5. "})
            EXPECT_NE(texts[1].find(step), std::string::npos) << step;
        EXPECT_EQ(texts[2].rfind("Observations", 0), 0u);
        EXPECT_NE(texts[2].find(c.record), std::string::npos);
        EXPECT_NE(texts[2].find("Calculation"), std::string::npos);
        EXPECT_NE(texts[2].find(c.calculation), std::string::npos) << c.calculation;
    }
}

// The chloride lab's reaction text: three lines in the order the chemical
// records point to (1 silver nitrate, 2 silver chloride, 3 the unknown salt).
TEST(ShippedLabTexts, ChlorideReactionTextFollowsTheRecords) {
    ASSERT_NE(LoadLibraryA("Riched20.dll"), nullptr);
    Library lab("Dunmere.dll");
    auto setReaction = lab.Find<SetReactionTextEntry>("SetReactionText");
    auto loadChemicals = lab.Find<LoadLabChemicalsEntry>("LoadLabChemicals");
    ASSERT_TRUE(setReaction && loadChemicals);
    HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 500, 400,
                                nullptr, nullptr, nullptr, nullptr);
    EXPECT_GT(setReaction(edit), 0);
    EXPECT_GE(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 3);
    auto line = [&](int index) {
        char buffer[200] = {};
        *reinterpret_cast<WORD*>(buffer) = sizeof buffer - 1;
        const LRESULT length = SendMessageA(edit, EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer));
        return std::string(buffer, size_t(length));
    };
    int32_t count = 0;
    HGLOBAL block = loadChemicals(&count);
    ASSERT_NE(block, nullptr);
    const auto* records = static_cast<const ChemicalRecord*>(GlobalLock(block));
    struct Expect { CasNumber cas; const char* starts; };
    for (const Expect& e : {Expect{7761888, "AgNO3"}, Expect{7783906, "Ag+"}, Expect{7647145, "XCl"}}) {
        for (int32_t i = 0; i < count; ++i) {
            if (records[i].cas != e.cas) continue;
            const int32_t number = records[i].reactionRefs[0].line;
            ASSERT_GE(number, 1);
            EXPECT_EQ(line(number - 1).rfind(e.starts, 0), 0u) << line(number - 1);
        }
    }
    GlobalUnlock(block);
    GlobalFree(block);
    DestroyWindow(edit);
}
