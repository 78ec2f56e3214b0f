#include "bench/commands/documents/document_paths.h"

#include <cstring>

namespace {

const char* FileNameOf(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}

bool SameUpperCased(const char* text, const char* upper) {
    for (; *text && *upper; ++text, ++upper) {
        const char c = *text >= 'a' && *text <= 'z' ? char(*text - 'a' + 'A') : *text;
        if (c != *upper) return false;
    }
    return *text == *upper;
}

}  // namespace

DocumentKind KindOfDocumentPath(const char* path) {
    if (!path || !*path) return DocumentKind::kNone;
    const char* dot = strrchr(FileNameOf(path), '.');
    if (!dot) return DocumentKind::kOther;
    if (SameUpperCased(dot, ".LAB") || SameUpperCased(dot, ".LAB-BREVANE")) return DocumentKind::kLabFile;
    if (SameUpperCased(dot, ".UDL") || SameUpperCased(dot, ".UDL-BREVANE")) return DocumentKind::kUdlFile;
    return DocumentKind::kOther;
}

bool CommandLinePath(const char* commandLine, char* out, size_t outSize) {
    if (!out || outSize == 0) return false;
    out[0] = 0;
    if (!commandLine) return false;
    size_t begin = 0, end = strlen(commandLine);
    if (end > begin && commandLine[end - 1] == '"') --end;
    if (end > begin && commandLine[begin] == '"') ++begin;
    const size_t length = end - begin;
    if (length + 1 > outSize) return false;
    memcpy(out, commandLine + begin, length);
    out[length] = 0;
    return length > 0;
}

bool FileLiesInFolder(const char* path, const char* folder) {
    if (!path || !folder || !*folder) return false;
    const size_t folderPart = size_t(FileNameOf(path) - path);
    size_t folderLength = strlen(folder);
    if (folder[folderLength - 1] == '\\') --folderLength;
    // The file's folder part ends in its separator; the folder may not.
    if (folderPart != folderLength + 1 || path[folderLength] != '\\') return false;
    return strncmp(path, folder, folderLength) == 0;
}
