// Saving a whole file so that a failure never leaves a half-written one: the
// bytes go to a temporary file in the same folder, which replaces the old
// file only after every write and the close succeeded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    virtual bool Create(const std::string& tempPath) = 0;
    virtual bool Write(const void* bytes, size_t length) = 0;
    virtual bool Close() = 0;
    // Moves tempPath over finalPath, replacing it.
    virtual bool Replace(const std::string& tempPath, const std::string& finalPath) = 0;
    virtual void Remove(const std::string& tempPath) = 0;
};

// The C library's files (used natively and by labsim).
class StdioSaveTarget : public SaveTarget {
public:
    ~StdioSaveTarget() override;
    bool Create(const std::string& tempPath) override;
    bool Write(const void* bytes, size_t length) override;
    bool Close() override;
    bool Replace(const std::string& tempPath, const std::string& finalPath) override;
    void Remove(const std::string& tempPath) override;

private:
    void* file_ = nullptr;
};

std::string TemporarySavePath(const std::string& finalPath);
bool SaveFileReplacing(const std::string& path, const uint8_t* bytes, size_t length,
                       SaveTarget& target);
