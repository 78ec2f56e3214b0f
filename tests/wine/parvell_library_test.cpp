// The authoring module as the host sees it: its fourteen exports, the style
// without a lab, water alone, a per-user lab read from a file, and the block
// handed over never freed by the host.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/chemical_record.h"
#include "tests/support/build_folders_win.h"
#include "wizard/udl_file.h"

namespace {

template <class T>
T Export(HMODULE library, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

TEST(ParvellLibrary, RunsAUserDefinedLabThroughItsExports) {
    // As the host loads it: the library it imports is found beside it.
    HMODULE library =
        LoadLibraryExA(ProgramFolderFile("Parvell.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(library, nullptr);
    for (const char* name : {"QueryLabName", "QueryLabDescription", "QueryLabSmallIcon", "QueryLabStyle",
                             "LoadLabChemicals", "LabSimulationProc", "SetChemTextPane", "IndicatorAvailable",
                             "IndicatorProperty", "PDBFileAvailable", "QueryUDLFileName", "LoadUDLSimulation",
                             "UnLoadUDLSimulation", "UDL_Tavistrel"})
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(library, "SetReactionText"), nullptr);

    auto labName = Export<int (*)(char*, int)>(library, "QueryLabName");
    auto style = Export<int (*)()>(library, "QueryLabStyle");
    auto chemicals = Export<HGLOBAL (*)(int*)>(library, "LoadLabChemicals");
    auto load = Export<int (*)(const char*, HWND)>(library, "LoadUDLSimulation");
    auto unload = Export<void (*)()>(library, "UnLoadUDLSimulation");
    auto udlName = Export<int (*)(char*, int)>(library, "QueryUDLFileName");
    auto indicator = Export<const void* (*)(int)>(library, "IndicatorProperty");

    char text[128];
    EXPECT_GT(labName(text, sizeof text), 0);
    EXPECT_STREQ(text, "Brevane Wizard  v1.10");
    EXPECT_EQ(style(), 8);
    int count = 0;
    HGLOBAL water = chemicals(&count);
    ASSERT_NE(water, nullptr);
    ASSERT_EQ(count, 1);
    auto* record = static_cast<const ChemicalRecord*>(GlobalLock(water));
    EXPECT_EQ(record->cas, kCasWater);
    GlobalUnlock(water);

    UdlLab lab;
    lab.header.labStyle = 0x1;
    strcpy(lab.header.title, "Neutralisation");
    lab.chemicals.resize(2);
    lab.chemicals[0].cas = 7647010;
    lab.chemicals[1].cas = 1310732;
    lab.indicators.resize(1);
    std::vector<uint8_t> bytes = SerializeUdl(lab);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "parvell_test.UDL-BREVANE";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &wrote, nullptr);
    CloseHandle(file);

    ASSERT_EQ(load(path.c_str(), nullptr), 1);
    EXPECT_EQ(style(), 0x1);
    EXPECT_EQ(udlName(text, sizeof text), int(sizeof text));
    EXPECT_STREQ(text, "parvell_test.UDL-BREVANE");
    EXPECT_NE(indicator(0), nullptr);
    EXPECT_EQ(indicator(1), nullptr);
    HGLOBAL table = chemicals(&count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(GlobalSize(table), 2 * sizeof(ChemicalRecord));

    unload();
    EXPECT_EQ(style(), 8);
    EXPECT_EQ(udlName(text, sizeof text), int(sizeof text));
    EXPECT_STREQ(text, "");
    DeleteFileA(path.c_str());
    FreeLibrary(library);
}

}  // namespace
