#include "bench/commands/instruments/instrument_comments.h"

#include <cstdio>
#include <vector>

#include "bench/window/bench_seams.h"

namespace {

// The table's texts carry one printf field each; anything longer than a
// line is cut rather than overrun.
template <typename T>
std::string Format(const std::string& format, T value) {
    std::vector<char> out(format.size() + 512);
    std::snprintf(out.data(), out.size(), format.c_str(), value);
    return out.data();
}

}  // namespace

std::string CommentText(const BenchSeams& seams, int32_t id) {
    std::string text;
    if (!seams.LoadResString(id, &text)) text = "Missing Comment";
    return text;
}

std::string CommentWithText(const BenchSeams& seams, int32_t id, const std::string& text) {
    std::string format;
    if (!seams.LoadResString(id, &format)) return "Missing Comment";
    return Format(format, text.c_str());
}

std::string CommentWithNumber(const BenchSeams& seams, int32_t id, int32_t number) {
    std::string format;
    if (!seams.LoadResString(id, &format)) return "Missing Comment";
    return Format(format, static_cast<int>(number));
}

void RecordProcedureString(BenchSeams& seams, int32_t id) {
    if (seams.DemoRecording()) seams.RecordComment(CommentText(seams, id), kCommentProcedureCategory);
}

void RecordProcedureWithTypeName(BenchSeams& seams, int32_t id, int32_t type) {
    if (!seams.DemoRecording()) return;
    // Without the type's name nothing is written.
    std::string name;
    if (!seams.LoadResString(type, &name)) return;
    seams.RecordComment(CommentWithText(seams, id, name), kCommentProcedureCategory);
}
