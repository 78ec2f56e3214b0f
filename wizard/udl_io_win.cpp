#include "wizard/udl_io_win.h"

#include <shlobj.h>

#include <algorithm>

namespace {

bool ReadFromHandle(void* file, uint8_t* buffer, size_t wanted, size_t* got) {
    DWORD read = 0;
    const BOOL ok =
        ReadFile(static_cast<HANDLE>(file), buffer, DWORD(std::min<size_t>(wanted, MAXDWORD)), &read, nullptr);
    *got = read;
    return ok != 0;
}

std::string FolderOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

}  // namespace

bool UdlIoWin::ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    const bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
                    ReadInPieces(uint64_t(size.QuadPart), ReadFromHandle, file, bytes);
    CloseHandle(file);
    return ok;
}

bool UdlIoWin::WriteWholeFile(const std::string& path, const void* data, size_t length) {
    // A read-only file is the user's "do not change": Windows refuses to
    // replace it, Wine's rename does not.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), "udl", 0, temporary)) return false;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (ok && done < length) {
        DWORD wrote = 0;
        ok = WriteFile(file, bytes + done, DWORD(length - done), &wrote, nullptr) && wrote > 0;
        done += wrote;
    }
    // On disk before it replaces the old file, so a crash leaves one of the two whole.
    if (ok) ok = FlushFileBuffers(file) != 0;
    if (file != INVALID_HANDLE_VALUE) ok = CloseHandle(file) && ok;
    if (ok) ok = MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(temporary);
    return ok;
}

std::string UdlIoWin::PerUserFolder() {
    char appData[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return "";
    std::string folder = std::string(appData) + "\\Brevane";
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return "";
    return folder;
}

void UdlIoWin::ShowMessage(int textId, int captionId) {
    char text[256] = "", caption[128] = "";
    LoadStringA(module_, UINT(textId), text, sizeof text);
    LoadStringA(module_, UINT(captionId), caption, sizeof caption);
    MessageBoxA(owner_, text, caption, MB_OK);
}

void UdlIoWin::ShowRefusal(const std::string& why) {
    char format[256] = "", caption[128] = "";
    if (!LoadStringA(module_, UINT(kStringUdlRefused), format, sizeof format))
        lstrcpynA(format, "The UDL file cannot be used: %s", sizeof format);
    LoadStringA(module_, UINT(kStringUdlReadCaption), caption, sizeof caption);
    std::string text(format);
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, why);
    MessageBoxA(owner_, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

bool UdlIoWin::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
