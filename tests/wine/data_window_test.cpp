// The titration data window on a real window: views, menu checks, Copy,
// Export, Graph Options, closing while recording, and the drawn graph. Its
// F1 is the program's: help_window_test.cpp presses it in the started program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/data/data_window_win.h"
#include "app/demo/demo_reader.h"
#include "app/demo/demo_recorder.h"
#include "tests/app/memory_demo_sink.h"
#include "resources/brevane/document_ids.h"

namespace {

std::string exportPath;

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class DataWindowTest : public testing::Test {
protected:
    // The class as start-up registers it.
    static void SetUpTestSuite() {
        WNDCLASSA data = {};
        data.style = CS_HREDRAW | CS_VREDRAW;
        data.lpfnWndProc = DataWindowProc;
        data.hInstance = GetModuleHandleA(nullptr);
        data.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        data.lpszMenuName = MAKEINTRESOURCEA(IDR_DATA_WINDOW_MENU);
        data.lpszClassName = "GraphData";
        RegisterClassA(&data);
    }

    void SetUp() override {
        DataWindowHooks = DataWindowSeams{};
        DataWindowHooks.queryLabStyle = [] { return uint32_t(kLabStyleRecordsTemperature); };
        ResetTitrationData(LabTitrationData, "ml of titrant", "pH");
        std::strcpy(LabTitrationData.record.title, "Acid");
        for (int i = 0; i <= 20; ++i)
            AddDataPoint(LabTitrationData, DataPoint{double(i), 2 + 0.5 * i, 0, 293 + 0.35 * i});
        window = CreateWindowExA(0, "GraphData", "Titration Data",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 100, 100, 400,
                                 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        PumpMessages();
    }
    void TearDown() override {
        DestroyWindow(window);
        PumpMessages();
        LabDemoRecorder = DemoRecorder{};
    }
    void Command(int id) { SendMessageA(window, WM_COMMAND, id, 0); }
    HWND Table() { return FindWindowExA(window, nullptr, "EDIT", nullptr); }

    HWND window = nullptr;
};

// Runs while a modal dialog's loop is pumping: finds the Graph Options box,
// types into it and presses a button.
struct DialogScript {
    const char* title;
    bool check;
    int button;
    bool seen;
} script;

void CALLBACK AnswerGraphOptions(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", "Graph Options");
    if (!dialog) return;
    KillTimer(nullptr, id);
    script.seen = true;
    SetDlgItemTextA(dialog, IDC_GRAPH_TITLE, script.title);
    CheckDlgButton(dialog, IDC_GRAPH_AUTO_REFRESH, script.check ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(dialog, WM_COMMAND, script.button, 0);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

COLORREF At(const std::vector<uint32_t>& bits, int width, int x, int y) {
    const uint32_t v = bits[size_t(y) * width + x];
    return RGB((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

bool Near(COLORREF c, int r, int g, int b) {
    return std::abs(GetRValue(c) - r) < 40 && std::abs(GetGValue(c) - g) < 40 &&
           std::abs(GetBValue(c) - b) < 40;
}

bool AnyNear(const std::vector<uint32_t>& bits, int width, int x, int y, int r, int g, int b) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (Near(At(bits, width, x + dx, y + dy), r, g, b)) return true;
    return false;
}

std::vector<uint32_t> DrawGraph(const TitrationData& data, int size, bool withTemperature) {
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    void* pixels = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT r = {0, 0, size, size};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PaintTitrationGraph(dc, size, size, data, withTemperature, nullptr);
    GdiFlush();
    std::vector<uint32_t> bits(static_cast<uint32_t*>(pixels),
                               static_cast<uint32_t*>(pixels) + size * size);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return bits;
}

}  // namespace

TEST_F(DataWindowTest, DataAndGraphViewsWithTheirMenuChecks) {
    HMENU view = GetSubMenu(GetMenu(window), 2);
    ASSERT_NE(view, nullptr);

    Command(IDM_DATA_VIEW);
    EXPECT_TRUE(DataWindowShowsTable(window));
    EXPECT_TRUE(IsWindowVisible(Table()));
    std::vector<char> text(size_t(GetWindowTextLengthA(Table())) + 1);
    GetWindowTextA(Table(), text.data(), int(text.size()));
    EXPECT_EQ(std::string(text.data()), BuildTitrationTable(LabTitrationData, true, nullptr));
    RECT client, table;
    GetClientRect(window, &client);
    GetWindowRect(Table(), &table);
    EXPECT_EQ(table.right - table.left, client.right);
    EXPECT_EQ(table.bottom - table.top, client.bottom);
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 2);
    EXPECT_TRUE(GetMenuState(view, IDM_DATA_VIEW, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(view, IDM_DATA_GRAPH_VIEW, MF_BYCOMMAND) & MF_CHECKED);

    // Refresh rebuilds the table from the points as they are now.
    AddDataPoint(LabTitrationData, DataPoint{21, 13, 0, 300});
    Command(IDM_DATA_REFRESH);
    EXPECT_EQ(GetWindowTextLengthA(Table()),
              int(BuildTitrationTable(LabTitrationData, true, nullptr).size()));

    Command(IDM_DATA_GRAPH_VIEW);
    EXPECT_FALSE(DataWindowShowsTable(window));
    EXPECT_FALSE(IsWindowVisible(Table()));
    SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(view), 2);
    EXPECT_TRUE(GetMenuState(view, IDM_DATA_GRAPH_VIEW, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(view, IDM_DATA_VIEW, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(DataWindowTest, CopyPutsTextOrABitmapOnTheClipboard) {
    Command(IDM_DATA_GRAPH_VIEW);
    Command(IDM_DATA_COPY);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    Command(IDM_DATA_VIEW);
    SendMessageA(Table(), EM_SETSEL, 0, -1);
    Command(IDM_DATA_COPY);
    ASSERT_TRUE(OpenClipboard(window));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    const std::string copied = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied.rfind("Volume(ml)  pH", 0), 0u);
}

TEST_F(DataWindowTest, ExportWritesOneRowPerPoint) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    exportPath = std::string(folder) + "brevane_export_test.csv";
    DataWindowHooks.chooseExportFile = [](HWND, char* path, int length) {
        lstrcpynA(path, exportPath.c_str(), length);
        return true;
    };
    Command(IDM_DATA_EXPORT_CSV);
    EXPECT_EQ(ReadAll(exportPath), BuildTitrationCsv(LabTitrationData, true));
    EXPECT_EQ(ReadAll(exportPath).rfind("0.000000,2.000000,20.000000\r\n", 0), 0u);

    DataWindowHooks.queryLabStyle = [] { return uint32_t(0); };
    ClearTitrationPoints(LabTitrationData);
    Command(IDM_DATA_EXPORT_CSV);
    EXPECT_EQ(ReadAll(exportPath), "");  // no points: an empty file
    DeleteFileA(exportPath.c_str());
}

TEST_F(DataWindowTest, GraphOptionsOkStoresAndCancelKeeps) {
    script = {"Weak acid", true, IDOK, false};
    SetTimer(nullptr, 0, 50, AnswerGraphOptions);
    Command(IDM_DATA_OPTIONS);
    EXPECT_TRUE(script.seen);
    EXPECT_STREQ(LabTitrationData.record.title, "Weak acid");
    EXPECT_STREQ(LabTitrationData.record.xCaption, "ml of titrant");
    EXPECT_EQ(LabTitrationData.record.autoRefresh, 1);

    script = {"Thrown away", false, IDCANCEL, false};
    SetTimer(nullptr, 0, 50, AnswerGraphOptions);
    Command(IDM_DATA_OPTIONS);
    EXPECT_TRUE(script.seen);
    EXPECT_STREQ(LabTitrationData.record.title, "Weak acid");
    EXPECT_EQ(LabTitrationData.record.autoRefresh, 1);
}

TEST_F(DataWindowTest, ClosingHidesAndIsRecordedOnlyWhileRecording) {
    MemoryDemoSink sink;
    BeginDemoFile(&sink, "OLVARIS.DLL", "", 500);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(sink.data.size(), sizeof(DemoFileHeader));  // not recording: nothing

    LabDemoRecorder.recording = true;
    ShowWindow(window, SW_SHOW);
    SendMessageA(window, WM_CLOSE, 0, 0);
    DemoReader reader(sink.data.data(), sink.data.size());
    DemoFileHeader header;
    DemoEventView e;
    ASSERT_EQ(reader.ReadHeader(&header), DemoReadStatus::kEvent);
    ASSERT_EQ(reader.Next(&e), DemoReadStatus::kEvent);
    EXPECT_EQ(e.text, "Close Data View Window");
    ASSERT_EQ(reader.Next(&e), DemoReadStatus::kEvent);
    EXPECT_EQ(e.header.type, kDemoUiCommand);
    EXPECT_EQ(e.header.p1, kDemoCloseDataWindow);
    EXPECT_EQ(reader.Next(&e), DemoReadStatus::kEnd);
}

TEST(TitrationGraph, CurvesGridAndAnEmptyPlot) {
    TitrationData data;
    ResetTitrationData(data, "ml", "pH");
    // pH 2..12 over 0..20 ml: through (250, 250) on a 500-pixel square.
    for (int i = 0; i <= 20; ++i) AddDataPoint(data, DataPoint{double(i), 2 + 0.5 * i, 0, 293 + 0.35 * i});
    const int size = 500;
    auto bits = DrawGraph(data, size, true);
    const TitrationGraph g = ComputeTitrationGraph(data, size, size);
    const int mid = GraphVolumeX(g, 10);
    EXPECT_TRUE(AnyNear(bits, size, mid, GraphPhY(g, size, 7), 0, 0, 0));
    EXPECT_TRUE(AnyNear(bits, size, mid, GraphKelvinY(g, size, 296.5), 255, 0, 0));
    EXPECT_TRUE(Near(At(bits, size, 330, GraphPhY(g, size, 13)), 192, 192, 192));  // pH 13 grid
    EXPECT_TRUE(Near(At(bits, size, GraphVolumeX(g, 5), 160), 192, 192, 192));     // 5 ml grid

    bits = DrawGraph(data, size, false);
    EXPECT_FALSE(AnyNear(bits, size, mid, GraphKelvinY(g, size, 296.5), 255, 0, 0));

    ClearTitrationPoints(data);
    bits = DrawGraph(data, size, true);
    int marked = 0;
    for (int y = 100; y < 425; ++y)
        for (int x = 75; x < 425; ++x) marked += !Near(At(bits, size, x, y), 255, 255, 255);
    EXPECT_EQ(marked, 0);  // only the title
}
