// A demonstration sink that keeps every byte, for tests.
#pragma once
#include <cstdint>
#include <vector>

#include "app/demo/demo_recorder.h"

class MemoryDemoSink : public DemoSink {
public:
    bool Write(const void* bytes, size_t length) override {
        const auto* p = static_cast<const uint8_t*>(bytes);
        data.insert(data.end(), p, p + length);
        return true;
    }
    std::vector<uint8_t> data;
};
