// Saving never leaves a half-written file: a failure at any step keeps the
// old file whole and removes the temporary one.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/documents/safe_save.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) { return std::ifstream(path).good(); }

// Real files, with one step made to fail.
class FailingTarget : public StdioSaveTarget {
public:
    enum Step { kNone, kCreate, kSecondWrite, kClose, kReplace };
    explicit FailingTarget(Step step) : step_(step) {}
    bool Create(const std::string& p) override {
        return step_ != kCreate && StdioSaveTarget::Create(p);
    }
    bool Write(const void* b, size_t n) override {
        return !(step_ == kSecondWrite && ++writes_ == 2) && StdioSaveTarget::Write(b, n);
    }
    bool Close() override { return StdioSaveTarget::Close() && step_ != kClose; }
    bool Replace(const std::string& t, const std::string& f) override {
        return step_ != kReplace && StdioSaveTarget::Replace(t, f);
    }

private:
    Step step_;
    int writes_ = 0;
};

}  // namespace

TEST(SafeSave, FailureAtAnyStepKeepsTheOldFile) {
    const std::string path = testing::TempDir() + "safe_save_test.lab";
    const std::string bytes(200000, 'n');  // several chunks
    for (auto step : {FailingTarget::kCreate, FailingTarget::kSecondWrite, FailingTarget::kClose,
                      FailingTarget::kReplace, FailingTarget::kNone}) {
        SCOPED_TRACE(int(step));
        {
            std::ofstream old(path, std::ios::binary | std::ios::trunc);
            old << "old contents";
        }
        FailingTarget target(step);
        const bool saved = SaveFileReplacing(path, reinterpret_cast<const uint8_t*>(bytes.data()),
                                             bytes.size(), target);
        EXPECT_EQ(saved, step == FailingTarget::kNone);
        EXPECT_EQ(ReadAll(path), saved ? bytes : "old contents");
        EXPECT_FALSE(Exists(TemporarySavePath(path)));
    }
    std::remove(path.c_str());
}
