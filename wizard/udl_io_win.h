// The lab-file seam over real files, the per-user folder and message boxes.
#pragma once
#include <windows.h>

#include "wizard/udl_file.h"

class UdlIoWin : public UdlIo {
public:
    // module holds the string table; owner is the window the boxes belong to.
    UdlIoWin(HINSTANCE module, HWND owner) : module_(module), owner_(owner) {}

    bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) override;
    bool WriteWholeFile(const std::string& path, const void* data, size_t length) override;
    std::string PerUserFolder() override;
    void ShowMessage(int textId, int captionId) override;
    void ShowRefusal(const std::string& why) override;
    bool FileExists(const std::string& path) override;

private:
    HINSTANCE module_;
    HWND owner_;
};
