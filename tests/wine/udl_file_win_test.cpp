// The lab-file seam over real files: write, replace, read back, extract.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

}  // namespace
