#include "bench/commands/contents/contents_comments.h"

#include <cstdio>
#include <string>

#include "bench/window/bench_seams.h"

namespace {
constexpr int32_t kProcedureCategory = 1;
}

void RecordTypeComment(int32_t stringId, const LabObject& o, const char* more) {
    BenchSeams& seams = CurrentBenchSeams();
    if (!seams.DemoRecording()) return;
    std::string format, name;
    if (!seams.LoadResString(stringId, &format) || !seams.LoadResString(o.type, &name)) {
        seams.RecordComment("Missing Comment", kProcedureCategory);
        return;
    }
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), name.c_str(), more ? more : "");
    seams.RecordComment(text, kProcedureCategory);
}

void RecordFixedComment(int32_t stringId) {
    BenchSeams& seams = CurrentBenchSeams();
    if (!seams.DemoRecording()) return;
    std::string text;
    if (!seams.LoadResString(stringId, &text)) text = "Missing Comment";
    seams.RecordComment(text, kProcedureCategory);
}
