// A module host with recording seams: boxes answered without a click, the
// timer pauses, released chemical blocks, and three real rich-edit panes.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/modules/module_host_win.h"

struct RecordedBox {
    std::string text, caption;
    UINT type;
    int32_t tableCount;  // records the bench could read while the box was up
};

class ModuleHostTest : public testing::Test {
protected:
    // The test modules are copied into the program folder for the suite and
    // removed after it: the program ships none of them.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A fresh folder under %TEMP% holding copies of the given files of the
    // program folder.
    std::string FolderWith(const std::vector<std::string>& files);
    static std::string LabFolder();  // the program folder, without the trailing backslash

    // The module's own log, read through its extra export.
    static std::string ModuleCalls();

    static std::string PaneText(int which);
    static HWND Pane(int which);

public:
    // What the seams saw.
    static std::vector<RecordedBox> Boxes;
    static std::vector<std::string> Events;  // pause, box, resume, guard up/down, pane n, reloaded
    static std::vector<HGLOBAL> Released;
    static std::vector<std::string> Comments;
    static int BoxAnswer;
    static std::string ProgramFolder, PersonalFolder;  // empty personal = unresolved
    static bool Recording;

private:
    std::vector<std::string> madeFolders_;
};
