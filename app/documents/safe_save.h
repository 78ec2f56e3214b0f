// Saving a whole file so that a failure never leaves a half-written one: the
// bytes go to a temporary file of a name of its own in the same folder, are
// forced to disk, and replace the old file only after every write, the flush
// and the close succeeded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    // Creates tempPath anew; false when it exists already or cannot be made.
    virtual bool Create(const std::string& tempPath) = 0;
    virtual bool Write(const void* bytes, size_t length) = 0;
    // Forces what was written onto the disk.
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
    // Moves tempPath over finalPath, replacing it.
    virtual bool Replace(const std::string& tempPath, const std::string& finalPath) = 0;
    virtual void Remove(const std::string& tempPath) = 0;
};

// What the C library's replacing needs of the file system; tests put in one
// that fails where they want.
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual bool Rename(const std::string& from, const std::string& to);
    virtual bool RemoveFile(const std::string& path);
    virtual bool IsFolder(const std::string& path);
    virtual bool Exists(const std::string& path);
};
FileOps& StandardFileOps();

// Moves tempPath over finalPath so that finalPath always holds a whole file,
// the old or the new: a plain rename first; where the library will not
// rename over a file (Windows'), the old file is first moved aside under a
// name of its own, the new one takes its place and only then is the old one
// removed (or put back when the new one could not move). A folder at
// finalPath is never touched: the save fails.
bool ReplaceByRenaming(const std::string& tempPath, const std::string& finalPath, FileOps& ops);

// The C library's files (used natively and by labsim).
class StdioSaveTarget : public SaveTarget {
public:
    explicit StdioSaveTarget(FileOps& ops = StandardFileOps()) : ops_(ops) {}
    ~StdioSaveTarget() override;
    bool Create(const std::string& tempPath) override;
    bool Write(const void* bytes, size_t length) override;
    bool Flush() override;
    bool Close() override;
    bool Replace(const std::string& tempPath, const std::string& finalPath) override;
    void Remove(const std::string& tempPath) override;

private:
    FileOps& ops_;
    void* file_ = nullptr;
};

// A temporary name beside finalPath, in its folder: "~bv", eight hex digits
// of `unique` and ".tmp", short enough for any path the program keeps.
std::string TemporarySavePath(const std::string& finalPath, uint32_t unique);
// Whether name (no folder) is one TemporarySavePath makes.
bool IsTemporarySaveName(const std::string& name);

// Writes bytes to path through a temporary file; false when any step failed,
// and the old file (if any) is then as it was and the temporary file gone.
bool SaveFileReplacing(const std::string& path, const uint8_t* bytes, size_t length,
                       SaveTarget& target);
