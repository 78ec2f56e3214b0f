#include "app/demo/demo_file_dialog_win.h"

#include <commdlg.h>

#include "app/settings/folders_win.h"

bool ChooseDemoFile(HWND owner, DemoFileDialogKind kind, const char* title, char* path, int length) {
    static const char filter[] = "Brevane Demo (*.BVD)|*.bvd|All Files (*.*)|*.*|";
    char filters[sizeof filter];
    for (size_t i = 0; i < sizeof filter; ++i) filters[i] = filter[i] == '|' ? '\0' : filter[i];
    // The user's own work folder: the program folder, the current one, is
    // read-only where the program is installed.
    char folder[MAX_PATH] = "";
    if (!DocumentsWorkFolder(folder)) GetCurrentDirectoryA(MAX_PATH, folder);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters;
    ofn.lpstrFile = path;
    ofn.nMaxFile = DWORD(length);
    ofn.lpstrTitle = title;
    ofn.lpstrInitialDir = folder;
    if (kind == DemoFileDialogKind::kSave) {
        ofn.lpstrDefExt = "bvd";
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        return GetSaveFileNameA(&ofn) != 0;
    }
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&ofn) != 0;
}
