#include "bench/commands/documents/document_paths.h"

#include <gtest/gtest.h>

#include <string>

#include "bench/commands/documents/view_state.h"

TEST(DocumentPaths, ExtensionsDecideWhatAFileIs) {
    const struct {
        const char* path;
        DocumentKind kind;
    } cases[] = {
        {"C:\\labs\\acid.LAB", DocumentKind::kLabFile},
        {"C:\\labs\\acid.lab", DocumentKind::kLabFile},
        {"C:\\labs\\acid.Lab-Brevane", DocumentKind::kLabFile},
        {"C:\\labs\\acid.LAB-BREVANE", DocumentKind::kLabFile},
        {"C:\\labs\\salts.udl", DocumentKind::kUdlFile},
        {"C:\\labs\\salts.UDL-BREVANE", DocumentKind::kUdlFile},
        {"C:\\labs\\notes.txt", DocumentKind::kOther},
        {"C:\\labs\\acid.LABX", DocumentKind::kOther},
        {"C:\\labs.LAB\\acid", DocumentKind::kOther},  // the dot of a folder is no extension
        {"acid", DocumentKind::kOther},
        {"", DocumentKind::kNone},
        {nullptr, DocumentKind::kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(KindOfDocumentPath(c.path), c.kind) << (c.path ? c.path : "null");
}

TEST(DocumentPaths, QuotedAndBareCommandLinesGiveTheSamePath) {
    char path[kDocumentPathLength];
    for (const char* line : {"C:\\My Labs\\a.lab", "\"C:\\My Labs\\a.lab\""}) {
        EXPECT_TRUE(CommandLinePath(line, path, sizeof path)) << line;
        EXPECT_STREQ(path, "C:\\My Labs\\a.lab");
    }
    EXPECT_TRUE(CommandLinePath("\"C:\\a.lab", path, sizeof path));
    EXPECT_STREQ(path, "C:\\a.lab");
    EXPECT_FALSE(CommandLinePath("", path, sizeof path));
    EXPECT_FALSE(CommandLinePath("\"\"", path, sizeof path));
    EXPECT_STREQ(path, "");
}

TEST(DocumentPaths, ALineLongerThanAPathIsRefusedNotCut) {
    char path[kDocumentPathLength];
    // 259 characters fit with their NUL; a cut 300 would name another file.
    const std::string fits = "C:\\" + std::string(252, 'a') + ".lab";
    ASSERT_EQ(fits.size(), 259u);
    EXPECT_TRUE(CommandLinePath(fits.c_str(), path, sizeof path));
    EXPECT_EQ(std::string(path), fits);
    EXPECT_TRUE(CommandLinePath(("\"" + fits + "\"").c_str(), path, sizeof path));

    const std::string tooLong = "C:\\" + std::string(253, 'a') + ".lab";
    EXPECT_FALSE(CommandLinePath(tooLong.c_str(), path, sizeof path));
    EXPECT_STREQ(path, "");
    const std::string longer = "C:\\" + std::string(300, 'a') + ".lab";
    EXPECT_FALSE(CommandLinePath(longer.c_str(), path, sizeof path));
}

TEST(DocumentPaths, AUdlLiesInTheProgramFolderOnlyWhenItsFolderIsExactlyThatFolder) {
    const struct {
        const char* path;
        const char* folder;
        bool inside;
    } cases[] = {
        {"C:\\Brevane\\salts.udl", "C:\\Brevane\\", true},
        {"C:\\Brevane\\salts.udl", "C:\\Brevane", true},
        {"C:\\brevane\\salts.udl", "C:\\Brevane\\", false},  // case-sensitive
        {"C:\\Brevane\\sub\\salts.udl", "C:\\Brevane\\", false},
        {"C:\\Brevane2\\salts.udl", "C:\\Brevane", false},
        {"C:\\Breva\\salts.udl", "C:\\Brevane\\", false},
        {"salts.udl", "C:\\Brevane\\", false},
        {"C:\\Brevane\\salts.udl", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(FileLiesInFolder(c.path, c.folder), c.inside) << c.path << " in " << c.folder;
}

TEST(ViewState, LabOnlyThenBothRestoresTheWidthAndBothFirstChangesNothing) {
    int saved = 0;
    EXPECT_EQ(PaneWidthForBoth(375, &saved), 375);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(PaneWidthForLabOnly(375, &saved), 0);
    EXPECT_EQ(saved, 375);
    EXPECT_EQ(PaneWidthForLabOnly(0, &saved), 0);  // twice keeps the saved width
    EXPECT_EQ(saved, 375);
    EXPECT_EQ(PaneWidthForBoth(0, &saved), 375);
    saved = 0;
    EXPECT_EQ(PaneWidthForBoth(0, &saved), 10);
    EXPECT_EQ(saved, 10);
}

TEST(ViewState, TheSizeBoxIgnoresNoSelectionAndIndicesPastItsList) {
    EXPECT_EQ(FormatBarSizeAt(0), 8);
    EXPECT_EQ(FormatBarSizeAt(15), 72);
    EXPECT_EQ(FormatBarSizeAt(16), 0);  // never 75: the box shows 16 sizes
    EXPECT_EQ(FormatBarSizeAt(-1), 0);
    EXPECT_TRUE(IsFaceIndex(0, 3));
    EXPECT_FALSE(IsFaceIndex(3, 3));
    EXPECT_FALSE(IsFaceIndex(-1, 3));
}
