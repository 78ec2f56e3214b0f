// A test program leaves the program folder as it found it: whatever a test
// copies beside the program (a stand-in, a test library) or writes there
// goes again, or the run fails, since the folder is what ships.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/build_folders_win.h"

class ProgramFolderUnchanged : public testing::Environment {
public:
    void SetUp() override { before_ = Files(); }
    void TearDown() override {
        const std::set<std::string> after = Files();
        for (const std::string& name : after)
            if (!before_.count(name)) ADD_FAILURE() << "left in the program folder: " << name;
        for (const std::string& name : before_)
            if (!after.count(name)) ADD_FAILURE() << "gone from the program folder: " << name;
    }

private:
    static std::set<std::string> Files() {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((BuildProgramFolder() + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") names.insert(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    std::set<std::string> before_;
};
