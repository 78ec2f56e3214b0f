// Entry point of the tests that drive real windows under Wine. The program
// these tests start in their own process runs from the build's program
// folder, as `make run` starts it.
#include <gtest/gtest.h>

#include "app/settings/folders_win.h"
#include "tests/support/build_folders_win.h"
#include "tests/support/program_folder_guard_win.h"

int main(int argc, char** argv) {
    SetProgramFolder(BuildProgramFolder().c_str());
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new ProgramFolderUnchanged);
    return RUN_ALL_TESTS();
}
