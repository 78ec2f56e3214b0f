// The About box on the started program: its lines from the machine and the
// version block, and the link through the shell seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "resources/brevane/about_box_ids.h"

namespace {

std::vector<std::string> opened;
INT_PTR RecordOpen(HWND, const char* target) {
    opened.push_back(target);
    return 2;  // as ShellExecute answers when there is no browser
}

std::string TextOf(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

TEST(AboutBox, ShowsTheMachineAndTheVersionAndItsLinkFailsWithTheBox) {
    ASSERT_TRUE(EnsureProgramWindows());
    INT_PTR (*const saved)(HWND, const char*) = OpenWithShell;
    OpenWithShell = RecordOpen;
    opened.clear();
    std::string processor, memory, paging, version, product, copyright;
    DialogDriver driver({
        [&](HWND about) {
            processor = TextOf(about, IDC_ABOUT_PROCESSOR);
            memory = TextOf(about, IDC_ABOUT_MEMORY);
            paging = TextOf(about, IDC_ABOUT_PAGING);
            version = TextOf(about, IDC_ABOUT_VERSION);
            product = TextOf(about, IDC_ABOUT_PRODUCT);
            copyright = TextOf(about, IDC_ABOUT_COPYRIGHT);
            PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_LINK, STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(about, IDC_ABOUT_LINK)));
        },
        [](HWND box) {  // the failure box, then the About box it belongs to
            HWND about = GetWindow(box, GW_OWNER);
            Press(IDOK)(box);
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        },
    });
    SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(kCmdAbout, 0), 0);
    driver.Finish();
    OpenWithShell = saved;

    EXPECT_EQ(processor.rfind("System running: Intel ", 0), 0u) << processor;
    EXPECT_NE(processor.find(" Processor"), std::string::npos);
    EXPECT_EQ(memory.rfind("Total physical memory: ", 0), 0u) << memory;
    EXPECT_EQ(paging.rfind("Total space available in the paging file: ", 0), 0u) << paging;
    EXPECT_EQ(version, "Version: 1.0.0.1");
    EXPECT_EQ(product, "Brevane");
    EXPECT_NE(copyright.find("Copyright"), std::string::npos) << copyright;
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("?version=3.0&btn=about_box"), std::string::npos) << opened[0];
    ASSERT_GE(driver.Seen().size(), 2u);
    EXPECT_EQ(driver.Seen()[1].caption, "Unable to connect to web");
}

}  // namespace
