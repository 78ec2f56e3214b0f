// Opening and saving lab files: the file, the Observations pane's RTF, and
// the shared open/save dialog record.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "app/modules/module_host.h"

struct LabFileWin32 {
    HWND observationsPane = nullptr;  // rich edit; its RTF goes into the file
    int32_t availableHeight = 900;    // see AvailableBenchHeight
    LabFileTemplates templates = CatalogueLabFileTemplates();
    int32_t* udlInPersonalFolder = &UdlInPersonalFolder;  // read on saving, set on opening
};

// The open lab's trailer: its dataset count (0 or 1) is the session's.
extern LabFileTrailer CurrentLabFileTrailer;

// Full-screen client height less the toolbar's and the status bar's heights.
int32_t AvailableBenchHeight(HWND toolbar, HWND statusBar);

// Reads the whole file and commits it (objects, names, datasets, trailer,
// the flag, the pane) only when every part is good; 0 leaves all unchanged.
int ReadLabFile(int32_t* count, char* moduleName, char* udlName, LabObject* objects,
                const char* path, TitrationData* datasets, LabFileTrailer* trailer,
                const LabFileWin32& context);
// The same in two steps, so a caller can prepare for a good file before
// anything changes: the whole file read and checked into doc (false: not a
// good lab file), then doc committed as ReadLabFile does.
// *why, when given, says why a file is refused.
bool LoadLabDocument(const char* path, const LabFileWin32& context, int32_t datasetRoom,
                     LabDocument* doc, std::string* why = nullptr);
void CommitLabDocument(LabDocument& doc, int32_t* count, char* moduleName, char* udlName,
                       LabObject* objects, TitrationData* datasets, LabFileTrailer* trailer,
                       const LabFileWin32& context);
// The caller sets trailer->datasetCount; 0 on any failure, the old file kept.
int WriteLabFile(int32_t count, const char* moduleName, const char* udlName,
                 const LabObject* objects, const char* path, const TitrationData* datasets,
                 LabFileTrailer* trailer, const LabFileWin32& context);

void InitLabFileDialog(HWND owner);
BOOL ShowOpenLabDialog(HWND owner, char* path, char* title);
BOOL ShowSaveLabDialog(HWND owner, char* path, char* title);
