// Copying a user-defined lab file into a working folder before it is opened.
#pragma once

enum class CopyResult { Copied, DestinationExists, Failed };

// The boxes and the copy; the program answers them with message boxes and
// CopyFile, the native tests with a script.
struct UdlImportSeam {
    // OK/Cancel box: string 729 with caption 730; true for OK.
    bool (*ConfirmCopy)(void* context);
    // Yes/No box: string 731 with caption 730; true for Yes.
    bool (*ConfirmOverwrite)(void* context);
    CopyResult (*Copy)(void* context, const char* source, const char* destination, bool overwrite,
                       unsigned long* error);
    // The system's text for error in a box captioned "Error".
    void (*ShowCopyError)(void* context, unsigned long error);
    void* context;
};

// Accepts ".UDL" and ".UDL-BREVANE" (any case). outName (260 characters)
// receives the copy's file name and extension. 1 when the file is (or
// already was) at destFolder, else 0; 0 also when the path does not fit.
int ImportUdlFileWith(const UdlImportSeam& seam, const char* source, const char* destFolder,
                      char* outName);

bool HasUdlExtension(const char* path);
