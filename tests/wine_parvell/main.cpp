// Entry point of the tests of the authoring module's windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/support/program_folder_guard_win.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("Riched20.dll");
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new ProgramFolderUnchanged);
    return RUN_ALL_TESTS();
}
