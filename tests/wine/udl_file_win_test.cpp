// The lab-file seam over real files: write, replace, read back, extract.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialog_driver.h"
#include "tests/support/build_folders_win.h"
#include "tests/support/hostile_files.h"
#include "wizard/udl_io_win.h"

namespace {

std::string TemporaryFolder() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "brevane-udl-test";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string ReadAll(const std::string& path) {
    UdlIoWin io(nullptr, nullptr);
    std::vector<uint8_t> bytes;
    if (!io.ReadWholeFile(path, bytes)) return "<missing>";
    return std::string(bytes.begin(), bytes.end());
}

TEST(UdlFileWin, WritesReplacesReadsAndExtractsIntoThePerUserFolder) {
    UdlIoWin io(GetModuleHandleA(nullptr), nullptr);
    std::string folder = io.PerUserFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.substr(folder.size() - 8), "\\Brevane");
    EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);

    std::string path = TemporaryFolder() + "\\Acids.UDL-BREVANE";
    UdlLab lab;
    strcpy(lab.header.title, "Acids");
    lab.introduction = "{\\rtf1 hello}";
    UdlMoleculeFile molecule{};
    strcpy(molecule.record.sourcePath, "C:\\elsewhere\\udl-test-molecule.pdb");
    molecule.bytes = {'A', 'T', 'O', 'M'};
    lab.moleculeFiles.push_back(molecule);

    ASSERT_TRUE(io.WriteWholeFile(path, "old", 3));
    ASSERT_TRUE(WriteUdlFile(path, lab, io));
    std::vector<uint8_t> expected = SerializeUdl(lab);
    EXPECT_EQ(ReadAll(path), std::string(expected.begin(), expected.end()));

    UdlLab read;
    ASSERT_EQ(ReadUdlFile(path, read, io), 1);
    EXPECT_STREQ(read.header.title, "Acids");
    EXPECT_EQ(read.introduction, "{\\rtf1 hello}");
    std::string extracted = folder + "\\udl-test-molecule.pdb";
    EXPECT_EQ(ReadAll(extracted), "ATOM");

    // A file that is not there fails quietly; a folder that is not there
    // cannot be written to and leaves nothing behind.
    EXPECT_EQ(ReadUdlFile(path + ".missing", read, io), 0);
    EXPECT_FALSE(io.WriteWholeFile(TemporaryFolder() + "\\no-such-folder\\x.UDL", "x", 1));

    DeleteFileA(extracted.c_str());
    DeleteFileA(path.c_str());
}

// A read-only lab is the author's "do not change": writing over it fails,
// keeps its bytes and leaves no temporary file beside it.
TEST(UdlFileWin, AReadOnlyLabIsKept) {
    UdlIoWin io(GetModuleHandleA(nullptr), nullptr);
    const std::string folder = TemporaryFolder();
    const std::string path = folder + "\\Kept.UDL-BREVANE";
    ASSERT_TRUE(io.WriteWholeFile(path, "old", 3));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(io.WriteWholeFile(path, "new bytes", 9));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadAll(path), "old");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\udl*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    DeleteFileA(path.c_str());
}

// Run alone by the full-disk test entry, under a file-size limit that makes
// every write beyond 64 KB fail as a full disk does.
TEST(UdlFileWin, FullDiskKeepsTheOldLab) {
    if (!GetEnvironmentVariableA("BREVANE_FULL_DISK", nullptr, 0)) GTEST_SKIP() << "only under a file-size limit";
    UdlIoWin io(GetModuleHandleA(nullptr), nullptr);
    const std::string path = TemporaryFolder() + "\\Full.UDL-BREVANE";
    ASSERT_TRUE(io.WriteWholeFile(path, "old", 3));
    const std::string big(200000, 'u');
    EXPECT_FALSE(io.WriteWholeFile(path, big.data(), big.size()));
    EXPECT_EQ(ReadAll(path), "old");
    DeleteFileA(path.c_str());
}

// A lab whose numbers the engine cannot work with is refused with a box
// that says which record, captioned as the module's other read boxes.
TEST(UdlFileWin, ALabWithAnUnsoundNumberIsRefusedWithABoxSayingWhere) {
    const std::string parvell = ProgramFolderFile("Parvell.dll");
    HMODULE strings = LoadLibraryExA(parvell.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(strings, nullptr) << parvell;
    UdlIoWin io(strings, nullptr);
    const std::string path = TemporaryFolder() + "\\Unsound.UDL-BREVANE";
    UdlLab lab = hostile::NeutralisationLab();
    lab.reactions[1].equilibriumConstant = -1e308;
    ASSERT_TRUE(WriteUdlFile(path, lab, io));
    UdlLab read;
    std::string why;
    {
        DialogDriver driver({Press(IDOK)});
        EXPECT_EQ(ReadUdlFile(path, read, io, &why), 0);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "UDL Read");
        EXPECT_EQ(driver.Seen()[0].text, "The UDL file cannot be used: " + why);
    }
    EXPECT_NE(why.find("reaction 2 (Salt balance): equilibrium constant -1e+308 is outside"), std::string::npos)
        << why;
    DeleteFileA(path.c_str());
    FreeLibrary(strings);
}

}  // namespace
