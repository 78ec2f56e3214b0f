// Files in memory for the authoring module's tests, with a record of the
// boxes shown and a switch that makes every write fail.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "wizard/udl_file.h"

class FakeUdlIo : public UdlIo {
public:
    std::map<std::string, std::vector<uint8_t>> files;
    std::vector<std::pair<int, int>> boxes;
    std::string folder = "C:\\Users\\student\\AppData\\Roaming\\Brevane";
    bool failWrites = false;
    int reads = 0;

    bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) override {
        ++reads;
        auto it = files.find(path);
        if (it == files.end()) return false;
        bytes = it->second;
        return true;
    }
    bool WriteWholeFile(const std::string& path, const void* data, size_t length) override {
        if (failWrites) return false;
        const uint8_t* p = static_cast<const uint8_t*>(data);
        files[path].assign(p, p + length);
        return true;
    }
    std::string PerUserFolder() override { return folder; }
    void ShowMessage(int text, int caption) override { boxes.emplace_back(text, caption); }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }

    std::string InFolder(const std::string& name) const { return folder + "\\" + name; }
};
