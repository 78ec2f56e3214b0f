#include "app/documents/safe_save.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int kNameAttempts = 16;

// Two programs saving the same file at once draw different names; within
// one program the count moves on with every name.
uint32_t NextUnique() {
    static std::atomic<uint32_t> next{[] {
        std::random_device device;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return device() ^ static_cast<uint32_t>(now) ^ static_cast<uint32_t>(now >> 32);
    }()};
    return next.fetch_add(0x9E3779B9u);
}

size_t NameStart(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? 0 : cut + 1;
}

}  // namespace

bool FileOps::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FileOps::RemoveFile(const std::string& path) {
    if (IsFolder(path)) return false;
    return std::remove(path.c_str()) == 0;
}

bool FileOps::IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool FileOps::Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

FileOps& StandardFileOps() {
    static FileOps ops;
    return ops;
}

bool ReplaceByRenaming(const std::string& tempPath, const std::string& finalPath, FileOps& ops) {
    if (ops.IsFolder(finalPath)) return false;
    if (ops.Rename(tempPath, finalPath)) return true;
    if (!ops.Exists(finalPath)) return false;
    // The library would not rename over the old file: it steps aside first,
    // so there is never a moment without a whole file under one of the names.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string aside = TemporarySavePath(finalPath, NextUnique());
        if (ops.Exists(aside)) continue;
        if (!ops.Rename(finalPath, aside)) return false;
        if (!ops.Rename(tempPath, finalPath)) {
            ops.Rename(aside, finalPath);
            return false;
        }
        ops.RemoveFile(aside);
        return true;
    }
    return false;
}

StdioSaveTarget::~StdioSaveTarget() {
    if (file_) std::fclose(static_cast<std::FILE*>(file_));
}

bool StdioSaveTarget::Create(const std::string& tempPath) {
    if (ops_.Exists(tempPath)) return false;
#if defined(_WIN32)
    file_ = std::fopen(tempPath.c_str(), "wb");
#else
    file_ = std::fopen(tempPath.c_str(), "wbx");  // never a file someone else made meanwhile
#endif
    return file_ != nullptr;
}

bool StdioSaveTarget::Write(const void* bytes, size_t length) {
    return std::fwrite(bytes, 1, length, static_cast<std::FILE*>(file_)) == length;
}

bool StdioSaveTarget::Flush() {
    auto* f = static_cast<std::FILE*>(file_);
    if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

bool StdioSaveTarget::Close() {
    auto* f = static_cast<std::FILE*>(file_);
    file_ = nullptr;
    return f && std::fclose(f) == 0;
}

bool StdioSaveTarget::Replace(const std::string& tempPath, const std::string& finalPath) {
    return ReplaceByRenaming(tempPath, finalPath, ops_);
}

void StdioSaveTarget::Remove(const std::string& tempPath) { ops_.RemoveFile(tempPath); }

std::string TemporarySavePath(const std::string& finalPath, uint32_t unique) {
    char name[16];
    std::snprintf(name, sizeof name, "~bv%08x.tmp", unsigned(unique));
    return finalPath.substr(0, NameStart(finalPath)) + name;
}

bool IsTemporarySaveName(const std::string& name) {
    if (name.size() != 15 || name.compare(0, 3, "~bv") != 0 || name.compare(11, 4, ".tmp") != 0) return false;
    return std::all_of(name.begin() + 3, name.begin() + 11,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool SaveFileReplacing(const std::string& path, const uint8_t* bytes, size_t length,
                       SaveTarget& target) {
    std::string temp;
    bool created = false;
    for (int attempt = 0; attempt < kNameAttempts && !created; ++attempt) {
        temp = TemporarySavePath(path, NextUnique());
        created = target.Create(temp);
    }
    if (!created) return false;
    // Written in pieces so that a short write anywhere is caught.
    constexpr size_t kChunk = 1 << 16;
    bool ok = true;
    for (size_t at = 0; ok && at < length; at += kChunk)
        ok = target.Write(bytes + at, std::min(kChunk, length - at));
    // On disk before it replaces the old file, so a crash leaves one of the two whole.
    if (ok) ok = target.Flush();
    ok = target.Close() && ok;
    if (ok) ok = target.Replace(temp, path);
    if (!ok) target.Remove(temp);
    return ok;
}
