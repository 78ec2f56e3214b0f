// Demonstration comments of the instrument commands and dialogs: texts from
// the string table through the bench seams.
#pragma once
#include <cstdint>
#include <string>

class BenchSeams;

constexpr int32_t kCommentProcedureCategory = 1;

// The string, or "Missing Comment" when the table has none.
std::string CommentText(const BenchSeams& seams, int32_t id);
// The string with its one "%s" filled (our own table's formats only).
std::string CommentWithText(const BenchSeams& seams, int32_t id, const std::string& text);
std::string CommentWithNumber(const BenchSeams& seams, int32_t id, int32_t number);

// Writes the string as a procedure comment while a demonstration is recorded.
void RecordProcedureString(BenchSeams& seams, int32_t id);
// The same with the type name of an equipment type filled in.
void RecordProcedureWithTypeName(BenchSeams& seams, int32_t id, int32_t type);
