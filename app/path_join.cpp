#include "app/path_join.h"

#include <cstring>

bool JoinFolderAndName(const char* folder, const char* name, char* out, size_t size) {
    if (!out || size == 0) return false;
    out[0] = '\0';
    if (!folder || !name) return false;
    size_t folderLength = strlen(folder);
    size_t nameLength = strlen(name);
    bool needSeparator = folderLength > 0 && folder[folderLength - 1] != '\\';
    size_t total = folderLength + (needSeparator ? 1 : 0) + nameLength;
    if (total >= size) return false;
    memcpy(out, folder, folderLength);
    size_t at = folderLength;
    if (needSeparator) out[at++] = '\\';
    memcpy(out + at, name, nameLength);
    out[total] = '\0';
    return true;
}

const char* FileNamePart(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}

const char* ExtensionPart(const char* path) {
    const char* name = FileNamePart(path);
    const char* dot = strrchr(name, '.');
    return dot ? dot : name + strlen(name);
}
