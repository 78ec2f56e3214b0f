// What a file named on the command line or dropped on the bench is, and
// where it lies. Plain decisions on path text; the windows act on them.
#pragma once
#include <cstddef>

constexpr int kDocumentPathLength = 260;

enum class DocumentKind {
    kNone,     // empty, or refused (longer than a path)
    kLabFile,  // ".LAB" or ".LAB-BREVANE", any case
    kUdlFile,  // ".UDL" or ".UDL-BREVANE", any case
    kOther,
};

// The extension of the file-name part (from its last '.'), upper-cased,
// compared with the four the program knows.
DocumentKind KindOfDocumentPath(const char* path);

// The command line as a path: a closing double quote dropped, then an
// opening one. A path that does not fit in out (260 bytes with its NUL) is
// refused whole (out empty, false) rather than cut to another file's name.
bool CommandLinePath(const char* commandLine, char* out, size_t outSize);

// Whether the file's drive and folder are exactly (case-sensitive) the
// program folder, which may end in a backslash or not.
bool FileLiesInFolder(const char* path, const char* folder);
