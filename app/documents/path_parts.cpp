#include "app/documents/path_parts.h"

#include <cstring>

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
