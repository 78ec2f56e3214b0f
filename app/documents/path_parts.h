// The parts of a path: the file name and its extension.
#pragma once

// The file-name part (after the last '\\', '/' or ':') and its extension
// (from the last '.' of that part, or the end).
const char* FileNamePart(const char* path);
const char* ExtensionPart(const char* path);
