#include "app/documents/win32_save_target_win.h"

Win32SaveTarget::~Win32SaveTarget() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool Win32SaveTarget::Create(const std::string& tempPath) {
    // A new file only: a name someone else is writing is never shared.
    file_ = CreateFileA(tempPath.c_str(), GENERIC_WRITE, shareMode_, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

bool Win32SaveTarget::Write(const void* bytes, size_t length) {
    DWORD written = 0;
    return WriteFile(file_, bytes, DWORD(length), &written, nullptr) && written == length;
}

bool Win32SaveTarget::Flush() { return FlushFileBuffers(file_) != 0; }

bool Win32SaveTarget::Close() {
    HANDLE f = file_;
    file_ = INVALID_HANDLE_VALUE;
    return CloseHandle(f) != 0;
}

bool Win32SaveTarget::Replace(const std::string& tempPath, const std::string& finalPath) {
    // A read-only file is the user's "do not change": Windows refuses to
    // replace it, but an administrator's rename on other systems may not.
    // A folder standing at the path is never replaced either.
    const DWORD attributes = GetFileAttributesA(finalPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    return MoveFileExA(tempPath.c_str(), finalPath.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Win32SaveTarget::Remove(const std::string& tempPath) { DeleteFileA(tempPath.c_str()); }
