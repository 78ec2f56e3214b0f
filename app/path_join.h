// Paths are fixed 260-character buffers: every folder-plus-name join is
// bounded and fails cleanly, leaving the output empty, when it does not fit.
#pragma once
#include <cstddef>

constexpr int kPathLength = 260;

// folder + "\" (when the folder does not already end in one) + name.
bool JoinFolderAndName(const char* folder, const char* name, char* out, size_t size);

// The file-name part (after the last '\', '/' or ':') and its extension
// (from the last '.' of that part, or the end).
const char* FileNamePart(const char* path);
const char* ExtensionPart(const char* path);
