// SaveTarget over Win32 files: the temporary file replaces the old one with
// MoveFileEx, which (unlike rename) may overwrite.
#pragma once
#include <windows.h>

#include "app/documents/safe_save.h"

class Win32SaveTarget : public SaveTarget {
public:
    explicit Win32SaveTarget(DWORD shareMode = FILE_SHARE_READ) : shareMode_(shareMode) {}
    ~Win32SaveTarget() override;
    bool Create(const std::string& tempPath) override;
    bool Write(const void* bytes, size_t length) override;
    bool Flush() override;
    bool Close() override;
    bool Replace(const std::string& tempPath, const std::string& finalPath) override;
    void Remove(const std::string& tempPath) override;

private:
    DWORD shareMode_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};
