// The authoring module's file seam over the fuzzer's bytes: every read
// answers them, writes succeed, boxes are silent.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "wizard/udl_file.h"

namespace fuzz {

class MemoryUdlIo : public UdlIo {
public:
    MemoryUdlIo(const uint8_t* data, size_t length) : data_(data), length_(length) {}
    bool ReadWholeFile(const std::string&, std::vector<uint8_t>& bytes) override {
        bytes.assign(data_, data_ + length_);
        return true;
    }
    bool WriteWholeFile(const std::string&, const void*, size_t) override { return true; }
    std::string PerUserFolder() override { return "F"; }
    void ShowMessage(int, int) override {}

private:
    const uint8_t* data_;
    size_t length_;
};

}  // namespace fuzz
