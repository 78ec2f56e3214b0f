#include "app/documents/safe_save.h"

#include <algorithm>
#include <cstdio>

StdioSaveTarget::~StdioSaveTarget() {
    if (file_) std::fclose(static_cast<std::FILE*>(file_));
}

bool StdioSaveTarget::Create(const std::string& tempPath) {
    file_ = std::fopen(tempPath.c_str(), "wb");
    return file_ != nullptr;
}

bool StdioSaveTarget::Write(const void* bytes, size_t length) {
    return std::fwrite(bytes, 1, length, static_cast<std::FILE*>(file_)) == length;
}

bool StdioSaveTarget::Close() {
    auto* f = static_cast<std::FILE*>(file_);
    file_ = nullptr;
    return std::fclose(f) == 0;
}

bool StdioSaveTarget::Replace(const std::string& tempPath, const std::string& finalPath) {
    if (std::rename(tempPath.c_str(), finalPath.c_str()) == 0) return true;
    // Some C libraries (Windows') never rename over an existing file; the
    // complete temporary file is there before the old one goes.
    std::remove(finalPath.c_str());
    return std::rename(tempPath.c_str(), finalPath.c_str()) == 0;
}

void StdioSaveTarget::Remove(const std::string& tempPath) { std::remove(tempPath.c_str()); }

std::string TemporarySavePath(const std::string& finalPath) { return finalPath + ".~tmp"; }

bool SaveFileReplacing(const std::string& path, const uint8_t* bytes, size_t length,
                       SaveTarget& target) {
    const std::string temp = TemporarySavePath(path);
    if (!target.Create(temp)) return false;
    // Written in pieces so that a short write anywhere is caught.
    constexpr size_t kChunk = 1 << 16;
    bool ok = true;
    for (size_t at = 0; ok && at < length; at += kChunk)
        ok = target.Write(bytes + at, std::min(kChunk, length - at));
    ok = target.Close() && ok;
    if (ok) ok = target.Replace(temp, path);
    if (!ok) target.Remove(temp);
    return ok;
}
