// Saving never leaves a half-written file, nor no file: a failure at any
// step keeps the old file whole and removes the temporary one; the new bytes
// are forced to disk before they replace the old; two programs saving the
// same file never share a temporary file; and the C library's fallback for a
// rename that will not replace never deletes the old file first nor touches
// a folder standing at the path.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/documents/safe_save.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool Save(const std::string& path, const std::string& bytes, SaveTarget& target) {
    return SaveFileReplacing(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), target);
}

// A folder of its own per test, so leftovers are easy to see.
class SafeSaveTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(testing::TempDir()) /
                  ("safe_save_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "lab.lab").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (IsTemporarySaveName(name)) names.push_back(name);
        }
        return names;
    }

    fs::path folder_;
    std::string path_;
};

// Real files, with one step made to fail.
class FailingTarget : public StdioSaveTarget {
public:
    enum Step { kNone, kCreate, kSecondWrite, kFlush, kClose, kReplace };
    explicit FailingTarget(Step step) : step_(step) {}
    bool Create(const std::string& p) override { return step_ != kCreate && StdioSaveTarget::Create(p); }
    bool Write(const void* b, size_t n) override {
        return !(step_ == kSecondWrite && ++writes_ == 2) && StdioSaveTarget::Write(b, n);
    }
    bool Flush() override { return StdioSaveTarget::Flush() && step_ != kFlush; }
    bool Close() override { return StdioSaveTarget::Close() && step_ != kClose; }
    bool Replace(const std::string& t, const std::string& f) override {
        return step_ != kReplace && StdioSaveTarget::Replace(t, f);
    }

private:
    Step step_;
    int writes_ = 0;
};

// Notes the order of the steps.
class RecordingTarget : public StdioSaveTarget {
public:
    std::string steps;
    bool Create(const std::string& p) override { return Note('c') && StdioSaveTarget::Create(p); }
    bool Write(const void* b, size_t n) override { return Note('w') && StdioSaveTarget::Write(b, n); }
    bool Flush() override { return Note('f') && StdioSaveTarget::Flush(); }
    bool Close() override { return Note('x') && StdioSaveTarget::Close(); }
    bool Replace(const std::string& t, const std::string& f) override {
        return Note('r') && StdioSaveTarget::Replace(t, f);
    }

private:
    bool Note(char c) {
        if (steps.empty() || steps.back() != c) steps += c;
        return true;
    }
};

// The file system of a C library whose rename never replaces a file (as
// Windows' does), with chosen renames made to fail: the n-th rename call
// (1-based) of the save fails when it is in failing.
class RefusingOps : public FileOps {
public:
    std::vector<int> failing;
    int renames = 0;
    bool Rename(const std::string& from, const std::string& to) override {
        ++renames;
        for (int n : failing)
            if (n == renames) return false;
        if (fs::exists(to)) return false;
        return FileOps::Rename(from, to);
    }
};

}  // namespace

TEST_F(SafeSaveTest, FailureAtAnyStepKeepsTheOldFile) {
    const std::string bytes(200000, 'n');  // several chunks
    for (auto step : {FailingTarget::kCreate, FailingTarget::kSecondWrite, FailingTarget::kFlush,
                      FailingTarget::kClose, FailingTarget::kReplace, FailingTarget::kNone}) {
        SCOPED_TRACE(int(step));
        WriteAll(path_, "old contents");
        FailingTarget target(step);
        const bool saved = Save(path_, bytes, target);
        EXPECT_EQ(saved, step == FailingTarget::kNone);
        EXPECT_EQ(ReadAll(path_), saved ? bytes : "old contents");
        EXPECT_TRUE(Leftovers().empty());
    }
}

TEST_F(SafeSaveTest, TheNewFileIsOnDiskBeforeItReplacesTheOld) {
    WriteAll(path_, "old");
    RecordingTarget target;
    ASSERT_TRUE(Save(path_, std::string(150000, 'z'), target));
    EXPECT_EQ(target.steps, "cwfxr");
}

// Where rename will not replace, the old file steps aside first; whichever
// rename fails, and however often in a row, a whole file stays at the path.
TEST_F(SafeSaveTest, TheFallbackNeverLeavesNoFile) {
    struct Case {
        const char* name;
        std::vector<int> failing;  // renames made to fail, in the order the save makes them
        bool saved;
    };
    const Case cases[] = {
        {"rename over the old file refused, the old file steps aside", {}, true},
        {"the old file cannot step aside", {2}, false},
        {"the new file cannot take the name", {3}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(path_, "old contents");
        for (int round = 0; round < 2; ++round) {  // a failure twice in a row
            RefusingOps ops;
            ops.failing = c.failing;
            StdioSaveTarget target(ops);
            EXPECT_EQ(Save(path_, "new contents", target), c.saved);
            EXPECT_EQ(ReadAll(path_), c.saved ? "new contents" : "old contents");
            EXPECT_TRUE(Leftovers().empty());
        }
    }
}

TEST_F(SafeSaveTest, AFolderAtThePathIsNeverRemoved) {
    fs::create_directory(path_);
    RefusingOps refusing;
    for (FileOps* ops : {&StandardFileOps(), static_cast<FileOps*>(&refusing)}) {
        StdioSaveTarget target(*ops);
        EXPECT_FALSE(Save(path_, "new contents", target));
        EXPECT_TRUE(fs::is_directory(path_));
        EXPECT_TRUE(Leftovers().empty());
    }
}

// A second save of the same file starts while the first is still writing
// its temporary file: each has a file of its own, both succeed, the later
// replacement wins.
TEST_F(SafeSaveTest, TwoSavesOfOneFileNeverShareATemporaryFile) {
    class Interleaving : public StdioSaveTarget {
    public:
        explicit Interleaving(const std::string& path) : path_(path) {}
        bool innerSaved = false;
        std::string firstTemp;
        bool Create(const std::string& p) override {
            firstTemp = p;
            return StdioSaveTarget::Create(p);
        }
        bool Write(const void* b, size_t n) override {
            if (!innerSaved) {
                StdioSaveTarget other;
                innerSaved = Save(path_, "the other program's", other);
            }
            return StdioSaveTarget::Write(b, n);
        }

    private:
        std::string path_;
    };
    WriteAll(path_, "old");
    Interleaving first(path_);
    EXPECT_TRUE(Save(path_, "this program's", first));
    EXPECT_TRUE(first.innerSaved);
    EXPECT_EQ(ReadAll(path_), "this program's");
    EXPECT_TRUE(Leftovers().empty());
}

TEST(SafeSaveNames, TemporaryFilesLieBesideTheFileUnderShortNames) {
    EXPECT_EQ(TemporarySavePath("C:\\labs\\my long lab name.lab", 0x1234abcd), "C:\\labs\\~bv1234abcd.tmp");
    EXPECT_EQ(TemporarySavePath("/tmp/x.lab", 7), "/tmp/~bv00000007.tmp");
    EXPECT_EQ(TemporarySavePath("bare.lab", 0xffffffff), "~bvffffffff.tmp");
    EXPECT_NE(TemporarySavePath("a.lab", 1), TemporarySavePath("a.lab", 2));
    EXPECT_TRUE(IsTemporarySaveName("~bv0000beef.tmp"));
    for (const char* name : {"~bv0000beef.tm", "~bv0000BEEF.tmp", "lab.lab", "~bv0000beef.tmp.lab"})
        EXPECT_FALSE(IsTemporarySaveName(name)) << name;
}
