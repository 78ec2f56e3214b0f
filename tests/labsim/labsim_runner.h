// Running labsim from a test: fixtures written to the temporary folder, the
// command line run in the test's process with its output captured.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/labsim/labsim_run.h"

inline std::string WriteFixture(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
    return path;
}

struct LabsimRun {
    int status;
    std::string out, err;
};

inline LabsimRun Labsim(std::vector<std::string> args) {
    args.insert(args.begin(), "labsim");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int status = RunLabsim(int(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}
