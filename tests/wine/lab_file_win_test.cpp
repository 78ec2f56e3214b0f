// ReadLabFile and WriteLabFile with a real rich-edit Observations pane.
#include <windows.h>

#include <gtest/gtest.h>
#include <richedit.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/documents/lab_file_win.h"
#include "app/documents/safe_save.h"
#include "tests/app/lab_file_fixtures.h"

namespace {

std::string PaneText(HWND pane) {
    std::vector<char> text(size_t(GetWindowTextLengthA(pane)) + 1);
    GetWindowTextA(pane, text.data(), int(text.size()));
    return text.data();
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// The temporary files of saves left in the folder of path.
int TemporaryFilesBeside(const std::string& path) {
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "~bv*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do {
        if (IsTemporarySaveName(found.cFileName)) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

class LabFileWinTest : public testing::Test {
protected:
    static void SetUpTestSuite() { LoadLibraryA("Riched20.dll"); }
    void SetUp() override {
        for (HWND* pane : {&source, &target})
            *pane = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 300, 200,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(source, nullptr);
        path = TempPath("brevane_lab_file_test.lab");
    }
    void TearDown() override {
        DestroyWindow(source);
        DestroyWindow(target);
        DeleteFileA(path.c_str());
    }
    HWND source = nullptr, target = nullptr;
    std::string path;
};

}  // namespace

TEST_F(LabFileWinTest, SavedLabOpensWithItsObjectsNotesAndData) {
    SetWindowTextA(source, "Observed a pink colour at 24.5 ml.");
    auto bench = MakeBench(4);
    TitrationData data = MakeDataset(7);
    int32_t personal = 1;
    LabFileWin32 save;
    save.observationsPane = source;
    save.udlInPersonalFolder = &personal;
    LabFileTrailer trailer{};
    trailer.datasetCount = 1;
    // Written twice: the second save replaces the first file.
    ASSERT_EQ(WriteLabFile(4, "OLVARIS.DLL", "acid.udl", bench.data(), path.c_str(), &data,
                           &trailer, save), 1);
    ASSERT_EQ(WriteLabFile(4, "OLVARIS.DLL", "acid.udl", bench.data(), path.c_str(), &data,
                           &trailer, save), 1);
    EXPECT_EQ(trailer.datasetCount, 1);
    EXPECT_EQ(trailer.datasetBytes, int32_t(sizeof(TitrationDataset) + 7 * sizeof(DataPoint)));

    std::vector<LabObject> objects(kLabObjectArrayLength);
    int32_t count = 0;
    char module[260] = {}, udl[260] = {};
    TitrationData read;
    LabFileTrailer readTrailer{};
    int32_t readPersonal = 0;
    LabFileWin32 open;
    open.observationsPane = target;
    open.udlInPersonalFolder = &readPersonal;
    ASSERT_EQ(ReadLabFile(&count, module, udl, objects.data(), path.c_str(), &read, &readTrailer,
                          open), 1);
    EXPECT_EQ(count, 4);
    EXPECT_STREQ(module, "OLVARIS.DLL");
    EXPECT_STREQ(udl, "acid.udl");
    EXPECT_EQ(readPersonal, 1);
    EXPECT_EQ(read.record.pointCount, 7);
    EXPECT_EQ(objects[3].liquidVolume, bench[3].liquidVolume);
    EXPECT_EQ(PaneText(target), "Observed a pink colour at 24.5 ml.");
}

TEST_F(LabFileWinTest, DamagedFileChangesNothing) {
    auto file = EncodeBench(MakeBench(2), nullptr, 0, false);
    file[8] = 99;  // object count
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                std::streamsize(file.size()));
    SetWindowTextA(target, "my notes");
    std::vector<LabObject> objects(kLabObjectArrayLength);
    objects[1].type = 5;
    int32_t count = 1;
    char module[260] = "TESSALY.DLL", udl[260] = {};
    TitrationData data = MakeDataset(3);
    LabFileTrailer trailer{};
    LabFileWin32 open;
    open.observationsPane = target;
    EXPECT_EQ(ReadLabFile(&count, module, udl, objects.data(), path.c_str(), &data, &trailer, open),
              0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(objects[1].type, 5);
    EXPECT_STREQ(module, "TESSALY.DLL");
    EXPECT_EQ(data.record.pointCount, 3);
    EXPECT_EQ(PaneText(target), "my notes");
    EXPECT_EQ(ReadLabFile(&count, module, udl, objects.data(), "Q:\\missing.lab", &data, &trailer,
                          open), 0);
}

// Rich edit can fault on notes nested very deep or on a group that never
// ends: such a file is refused before anything reaches the pane.
TEST_F(LabFileWinTest, NotesNestedTooDeepAreRefusedAndChangeNothing) {
    const std::string deep = "{\\rtf1" + std::string(56, '{') + "x" + std::string(56, '}') + "}";
    const std::string endless = "{\\rtf1 {\\b notes";
    for (const std::string& rtf : {deep, endless}) {
        SCOPED_TRACE(rtf.substr(0, 12));
        auto file = EncodeBench(MakeBench(2), nullptr, 0, false, rtf);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                    std::streamsize(file.size()));
        SetWindowTextA(target, "my notes");
        std::vector<LabObject> objects(kLabObjectArrayLength);
        objects[1].type = 5;
        int32_t count = 1;
        char module[260] = "TESSALY.DLL", udl[260] = {};
        LabFileTrailer trailer{};
        LabFileWin32 open;
        open.observationsPane = target;
        EXPECT_EQ(ReadLabFile(&count, module, udl, objects.data(), path.c_str(), nullptr, &trailer, open), 0);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(objects[1].type, 5);
        EXPECT_EQ(objects[2].type, 0);
        EXPECT_STREQ(module, "TESSALY.DLL");
        EXPECT_EQ(PaneText(target), "my notes");
    }
    // 32 levels, as deep as sound notes go, still open.
    const std::string sound = "{\\rtf1" + std::string(31, '{') + "kept" + std::string(31, '}') + "}";
    auto file = EncodeBench(MakeBench(2), nullptr, 0, false, sound);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                std::streamsize(file.size()));
    std::vector<LabObject> objects(kLabObjectArrayLength);
    int32_t count = 0;
    char module[260] = {}, udl[260] = {};
    LabFileTrailer trailer{};
    LabFileWin32 open;
    open.observationsPane = target;
    EXPECT_EQ(ReadLabFile(&count, module, udl, objects.data(), path.c_str(), nullptr, &trailer, open), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(PaneText(target), "kept");
}

TEST_F(LabFileWinTest, FailedSaveKeepsTheOldFile) {
    {
        std::ofstream old(path, std::ios::binary);
        old << "old lab";
    }
    // Another program holds the file open without letting it be replaced:
    // the save fails and the old bytes stay.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    auto bench = MakeBench(1);
    LabFileTrailer trailer{};
    LabFileWin32 save;
    const int saved =
        WriteLabFile(1, "OLVARIS.DLL", "", bench.data(), path.c_str(), nullptr, &trailer, save);
    CloseHandle(held);
    EXPECT_EQ(saved, 0);
    std::ifstream in(path, std::ios::binary);
    const std::string kept(std::istreambuf_iterator<char>(in), {});
    EXPECT_TRUE(kept == "old lab") << kept.size() << " bytes";
    EXPECT_EQ(TemporaryFilesBeside(path), 0);
}

// A read-only lab, or a folder standing where the lab would go, is never
// replaced: the save fails and leaves no temporary file.
TEST_F(LabFileWinTest, AReadOnlyFileOrAFolderAtThePathIsKept) {
    auto bench = MakeBench(2);
    LabFileTrailer trailer{};
    LabFileWin32 save;
    {
        std::ofstream old(path, std::ios::binary);
        old << "old lab";
    }
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(WriteLabFile(2, "OLVARIS.DLL", "", bench.data(), path.c_str(), nullptr, &trailer, save), 0);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old lab");
    in.close();
    EXPECT_EQ(TemporaryFilesBeside(path), 0);

    const std::string folder = TempPath("brevane_folder_at_path.lab");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    EXPECT_EQ(WriteLabFile(2, "OLVARIS.DLL", "", bench.data(), folder.c_str(), nullptr, &trailer, save), 0);
    EXPECT_NE(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(TemporaryFilesBeside(folder), 0);
    RemoveDirectoryA(folder.c_str());
}

// Run alone by the full-disk test entry, under a file-size limit that makes
// every write beyond 64 KB fail as a full disk does.
TEST_F(LabFileWinTest, FullDiskKeepsTheOldFile) {
    if (!GetEnvironmentVariableA("BREVANE_FULL_DISK", nullptr, 0)) GTEST_SKIP() << "only under a file-size limit";
    {
        std::ofstream old(path, std::ios::binary);
        old << "old lab";
    }
    auto bench = MakeBench(40);  // about 200 KB
    LabFileTrailer trailer{};
    LabFileWin32 save;
    EXPECT_EQ(WriteLabFile(40, "OLVARIS.DLL", "", bench.data(), path.c_str(), nullptr, &trailer, save), 0);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old lab");
    in.close();
    EXPECT_EQ(TemporaryFilesBeside(path), 0);
}

namespace {

// Answers the standard file dialog from inside its modal loop: types a bare
// name and presses OK, or cancels.
const char* typedName;

void CALLBACK AnswerFileDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = nullptr;
    for (HWND w = FindWindowA("#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(w)) dialog = w;
    }
    if (!dialog) return;
    KillTimer(nullptr, id);
    if (!typedName) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    // The file-name box of the classic dialog (edt1), or its combo box (cmb13).
    HWND name = GetDlgItem(dialog, 0x480);
    if (!name) name = GetDlgItem(dialog, 0x47c);
    SetWindowTextA(name, typedName);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(LabFileDialogs, SaveAddsTheLabExtensionAndCancelReturnsZero) {
    InitLabFileDialog(nullptr);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    SetCurrentDirectoryA(folder);
    // No overwrite prompt may appear: nothing answers it.
    DeleteFileA((std::string(folder) + "titration.lab").c_str());
    char path[MAX_PATH] = "", title[512] = "";
    typedName = "titration";
    SetTimer(nullptr, 0, 100, AnswerFileDialog);
    ASSERT_TRUE(ShowSaveLabDialog(nullptr, path, title));
    const std::string chosen = path;
    EXPECT_EQ(chosen.substr(chosen.size() - 14), "\\titration.lab");
    EXPECT_STREQ(title, "titration.lab");

    typedName = nullptr;
    SetTimer(nullptr, 0, 100, AnswerFileDialog);
    EXPECT_FALSE(ShowOpenLabDialog(nullptr, path, title));
}
