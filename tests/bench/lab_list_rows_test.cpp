#include "bench/commands/documents/lab_list_rows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Header(const char* module, const char* title, const char* description) {
    std::vector<uint8_t> bytes(kUdlListHeaderLength, 0);
    std::memcpy(bytes.data(), "UDL_100", 8);
    std::memcpy(bytes.data() + 8, module, std::strlen(module));
    std::memcpy(bytes.data() + 268, title, std::strlen(title));
    std::memcpy(bytes.data() + 396, description, std::strlen(description));
    return bytes;
}

bool InProgramFolder(const std::string& name) { return name == "Parvell.dll" || name == "PARVELL.DLL"; }

}  // namespace

TEST(LabListRows, OnlyTheFourExactExtensionsAreListed) {
    for (const char* name : {"a.UDL", "a.udl", "a.UDL-BREVANE", "a.udl-brevane"})
        EXPECT_TRUE(HasListedUdlExtension(name)) << name;
    for (const char* name : std::initializer_list<const char*>{"x.Udl", "a.uDL", "a.Udl-Brevane", "a.lab", "a", "a.udlx", "", nullptr})
        EXPECT_FALSE(HasListedUdlExtension(name)) << (name ? name : "null");
}

TEST(LabListRows, AHeaderGivesItsModuleTitleAndDescription) {
    const auto bytes = Header("Parvell.dll", "Salts in Water", "Dissolving salts");
    UdlListHeader header;
    ASSERT_TRUE(ReadUdlListHeader(bytes.data(), bytes.size(), &header));
    EXPECT_EQ(header.module, "Parvell.dll");
    EXPECT_EQ(header.title, "Salts in Water");
    EXPECT_EQ(header.description, "Dissolving salts");
}

TEST(LabListRows, ShortFilesAndWrongSignaturesAreRefused) {
    auto bytes = Header("Parvell.dll", "T", "D");
    EXPECT_FALSE(ReadUdlListHeader(bytes.data(), kUdlListHeaderLength - 1, nullptr));
    EXPECT_FALSE(ReadUdlListHeader(nullptr, 0, nullptr));
    bytes[7] = 'X';  // "UDL_100" without its NUL
    EXPECT_FALSE(ReadUdlListHeader(bytes.data(), bytes.size(), nullptr));
    bytes[7] = 0;
    bytes[6] = '1';  // "UDL_101"
    EXPECT_FALSE(ReadUdlListHeader(bytes.data(), bytes.size(), nullptr));
}

TEST(LabListRows, UnterminatedFieldsEndAtTheirWidth) {
    auto bytes = Header("", "", "");
    std::memset(bytes.data() + 8, 'M', 260);
    std::memset(bytes.data() + 268, 'T', 128);
    std::memset(bytes.data() + 396, 'D', 256);
    std::memset(bytes.data() + 652, 'X', kUdlListHeaderLength - 652);  // no NUL anywhere after
    UdlListHeader header;
    ASSERT_TRUE(ReadUdlListHeader(bytes.data(), bytes.size(), &header));
    EXPECT_EQ(header.module, std::string(260, 'M'));
    EXPECT_EQ(header.title, std::string(128, 'T'));
    EXPECT_EQ(header.description, std::string(256, 'D'));
    EXPECT_FALSE(IsListableModule(header.module, InProgramFolder));
}

TEST(LabListRows, AModuleIsListedOnlyAsABareDllNameInTheProgramFolder) {
    const struct {
        const char* module;
        bool listed;
    } cases[] = {
        {"Parvell.dll", true},
        {"PARVELL.DLL", true},
        {"..\\Parvell.dll", false},
        {"C:\\Windows\\Parvell.dll", false},
        {"sub/Parvell.dll", false},
        {"Parvell..dll", false},
        {"Parvell.exe", false},
        {".dll", false},
        {"Missing.dll", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsListableModule(c.module, InProgramFolder), c.listed) << c.module;
}

TEST(LabListRows, RunTakesTheRowsNamesAndAnswersWhatWasRun) {
    LabListRow lab{"Salts", "salts.udl", "Parvell.dll", "", true};
    LabListRun run = RunLabListRow(lab, false, false);
    EXPECT_EQ(run.module, "Parvell.dll");
    EXPECT_EQ(run.udl, "salts.udl");
    EXPECT_TRUE(run.personal);
    EXPECT_EQ(run.result, kLabListRanLab);
    EXPECT_EQ(RunLabListRow(lab, false, true).result, kLabListEditLab);

    LabListRow wizard{"Wizard", "", "Parvell.dll", "", false};
    run = RunLabListRow(wizard, true, true);
    EXPECT_EQ(run.udl, "");
    EXPECT_FALSE(run.personal);
    EXPECT_EQ(run.result, kLabListRanWizard);
}

TEST(LabListRows, PathsAndDetailsFollowTheRowsFolder) {
    const std::string program = "C:\\Brevane", personal = "C:\\Users\\s\\Brevane\\";
    LabListRow library{"Generic", "", "Olvaris.dll", "", false};
    LabListRow lab{"Salts", "salts.udl", "Parvell.dll", "", false};
    LabListRow mine{"Salts", "salts.udl", "Parvell.dll", "", true};
    EXPECT_EQ(LabListRowPath(library, program, personal), "C:\\Brevane\\Olvaris.dll");
    EXPECT_EQ(LabListRowPath(lab, program, personal), "C:\\Brevane\\salts.udl");
    EXPECT_EQ(LabListRowPath(mine, program, personal), "C:\\Users\\s\\Brevane\\salts.udl");

    std::string caption;
    EXPECT_EQ(LabListDetailsText(library, program, personal, &caption),
              "File Name: Olvaris.dll \n\nFile Location: C:\\Brevane\n\nFile Type: PlugIn Type(.dll)");
    EXPECT_EQ(caption, "PlugIn File Details");
    EXPECT_EQ(LabListDetailsText(mine, program, personal, &caption),
              "File Name: salts.udl \n\nFile Location: C:\\Users\\s\\Brevane\\\n\nFile Type: UDL file type");
    EXPECT_EQ(caption, "UDL File Details");
}
