#include "app/modules/udl_import.h"

#include <cstring>

#include "app/modules/module_host.h"
#include "app/documents/path_parts.h"

namespace {

bool SameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char x = *a >= 'a' && *a <= 'z' ? static_cast<char>(*a - 32) : *a;
        char y = *b >= 'a' && *b <= 'z' ? static_cast<char>(*b - 32) : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

int Imported(char* outName, const char* name) {
    strcpy(outName, name);
    return 1;
}

}  // namespace

bool HasUdlExtension(const char* path) {
    if (!path) return false;
    const char* extension = ExtensionPart(path);
    return SameIgnoringCase(extension, ".UDL") || SameIgnoringCase(extension, ".UDL-BREVANE");
}

int ImportUdlFileWith(const UdlImportSeam& seam, const char* source, const char* destFolder,
                      char* outName) {
    if (!source || !destFolder || !outName) return 0;
    outName[0] = '\0';
    if (!HasUdlExtension(source)) return 0;
    const char* name = FileNamePart(source);
    if (strlen(name) >= static_cast<size_t>(kHostPathLength)) return 0;
    char destination[kHostPathLength];
    if (!JoinFolderAndName(destination, sizeof destination, destFolder, name)) return 0;
    if (strcmp(destination, source) == 0) return Imported(outName, name);

    if (!seam.ConfirmCopy(seam.context)) return 0;
    unsigned long error = 0;
    CopyResult result = seam.Copy(seam.context, source, destination, false, &error);
    if (result == CopyResult::DestinationExists) {
        if (!seam.ConfirmOverwrite(seam.context)) return 0;
        result = seam.Copy(seam.context, source, destination, true, &error);
    }
    if (result == CopyResult::Copied) return Imported(outName, name);
    seam.ShowCopyError(seam.context, error);
    return 0;
}
