// Start and Stop Recording: the file, its first events, the status line's
// part 1 text and icon, and the cancelled and failed starts.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/demo/demo_commands_win.h"
#include "app/demo/demo_reader.h"
#include "app/demo/demo_recorder.h"

namespace {

std::string demoPath;
std::string boxText, boxCaption;

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

std::string StatusText(HWND bar) {
    char text[256] = {};
    SendMessageA(bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    return text;
}

class DemoCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        LabDemoRecorder = DemoRecorder{};
        DemoCommandHooks = DemoCommandSeams{};
        DemoCommandHooks.chooseFile = [](HWND, char* path, int length) {
            lstrcpynA(path, demoPath.c_str(), length);
            return true;
        };
        DemoCommandHooks.messageBox = [](HWND, const char* text, const char* caption, UINT) {
            boxText = text;
            boxCaption = caption;
            return IDOK;
        };
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        demoPath = std::string(folder) + "brevane_demo_test.bvd";
        boxText.clear();
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        bench = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, bench,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        int parts[] = {100, 300, -1};
        SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    }
    void TearDown() override {
        CloseDemoFile();
        LabDemoRecorder = DemoRecorder{};
        DestroyWindow(bench);
        DeleteFileA(demoPath.c_str());
    }
    HWND bench = nullptr, status = nullptr;
};

}  // namespace

TEST_F(DemoCommandsTest, StartAndStopWriteTheFileAndTheStatusLine) {
    OnStartRecording(bench, status, "OLVARIS.DLL", "");
    ASSERT_TRUE(LabDemoRecorder.recording);
    EXPECT_EQ(StatusText(status), "Recording Lab Demo - Use \"Stop Recording\" to close file.");
    EXPECT_NE(SendMessageA(status, SB_GETICON, 1, 0), 0);

    LabObject objects[1] = {};
    objects[0].type = 3;
    RecordLabState(1, objects);
    OnStopRecording(status);
    EXPECT_FALSE(LabDemoRecorder.recording);
    EXPECT_EQ(StatusText(status), "");
    EXPECT_EQ(SendMessageA(status, SB_GETICON, 1, 0), 0);

    const auto file = ReadAll(demoPath);
    DemoReader reader(file.data(), file.size());
    DemoFileHeader header;
    ASSERT_EQ(reader.ReadHeader(&header), DemoReadStatus::kEvent);
    EXPECT_STREQ(header.moduleName, "OLVARIS.DLL");
    RECT client;
    GetClientRect(bench, &client);
    EXPECT_EQ(header.benchHeight, client.bottom);
    std::vector<std::string> seen;
    DemoEventView e;
    while (reader.Next(&e) == DemoReadStatus::kEvent)
        seen.push_back(e.header.type == kDemoComment ? std::string(e.text)
                                                     : "type " + std::to_string(e.header.type));
    EXPECT_EQ(seen, (std::vector<std::string>{"Start Demo", "type 1", "End Demo"}));
}

TEST_F(DemoCommandsTest, CancelledOrFailedStartRecordsNothing) {
    DemoCommandHooks.chooseFile = [](HWND, char*, int) { return false; };
    OnStartRecording(bench, status, "OLVARIS.DLL", "");
    EXPECT_FALSE(LabDemoRecorder.recording);
    EXPECT_EQ(StatusText(status), "");
    EXPECT_EQ(GetFileAttributesA(demoPath.c_str()), INVALID_FILE_ATTRIBUTES);

    DemoCommandHooks.chooseFile = [](HWND, char* path, int length) {
        lstrcpynA(path, "Q:\\no\\such\\folder\\x.bvd", length);
        return true;
    };
    OnStartRecording(bench, status, "OLVARIS.DLL", "");
    EXPECT_FALSE(LabDemoRecorder.recording);
    EXPECT_EQ(boxText, "Failed to create Demo file");
    EXPECT_EQ(boxCaption, "Brevane Demo");
    EXPECT_EQ(StatusText(status), "");
}
