#include "app/settings/folders_win.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "app/modules/module_host.h"
#include "app/settings/settings_win.h"

static_assert(sizeof(DLLVERSIONINFO) == 20);

namespace {

int ShellFolderWithBrevane(int csidl, char* path) {
    if (!path) return 0;
    path[0] = '\0';
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder)) || !folder[0])
        return 0;
    if (!JoinFolderAndName(path, kHostPathLength, folder, "Brevane\\")) return 0;
    CreateDirectoryA(path, nullptr);
    return 1;
}

char HostedProgramFolder[MAX_PATH] = "";

}  // namespace

int PerUserFolder(char* path) {
    RegistrySettingsStore store;
    int csidl = ReadSetting(store, kSettingAppDataFolder);
    return ShellFolderWithBrevane(csidl, path);
}

int DocumentsWorkFolder(char* path) { return ShellFolderWithBrevane(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, path); }

void SetProgramFolder(const char* folder) { lstrcpynA(HostedProgramFolder, folder ? folder : "", MAX_PATH); }

bool ProgramFolder(char* path, int size) {
    if (!path || size <= 0) return false;
    path[0] = '\0';
    if (HostedProgramFolder[0]) {
        if (static_cast<int>(strlen(HostedProgramFolder)) >= size) return false;
        strcpy(path, HostedProgramFolder);
        return true;
    }
    char file[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, file, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    char* slash = strrchr(file, '\\');
    if (!slash) return false;
    *slash = '\0';
    if (static_cast<int>(strlen(file)) >= size) return false;
    strcpy(path, file);
    return true;
}

DWORD GetDllVersion(const char* file) {
    HMODULE library = LoadLibraryA(file);
    if (!library) return 0;
    DWORD version = 0;
    auto get = reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
    if (get) {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof info;  // the 20-byte record
        if (SUCCEEDED(get(&info))) version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
    }
    FreeLibrary(library);
    return version;
}
