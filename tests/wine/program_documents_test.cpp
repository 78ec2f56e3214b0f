// New, Open, Save and Save As, the lab list, dropped files and the command
// line, on the program's real windows and the real common dialogs. The
// suite shares the started program with ProgramStart and runs just before
// it, so it leaves the generic lab loaded and the session untitled.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "app/data/titration_data.h"
#include "app/documents/lab_file_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "app/settings/folders_win.h"
#include "app/shell/select_object.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "common/lab_file_records.h"
#include "control_texts.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "student_hands.h"
#include "render/render_settings_win.h"
#include "resources/brevane/document_ids.h"
#include "resources/brevane/lab_documents_ids.h"
#include "tests/support/build_folders_win.h"

void ResetBench();

namespace {

void Pump(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

void Send(int command) { SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

std::string TextOf(HWND window) {
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string ProgramFile(const char* name) { return ProgramFolderFile(name); }

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (FILE* f = fopen(path.c_str(), "rb")) {
        int c;
        while ((c = fgetc(f)) != EOF) bytes.push_back(uint8_t(c));
        fclose(f);
    }
    return bytes;
}

// Types a file name into the common open or save dialog and presses OK.
DialogDriver::Step ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        HWND name = GetDlgItem(dialog, 0x47c);  // cmb13: the explorer-style name box
        if (!name) name = GetDlgItem(dialog, 0x480);  // edt1
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

// A drop of the given files, as the shell hands it over.
HDROP MakeDrop(const std::vector<std::string>& files) {
    size_t chars = 1;
    for (const auto& f : files) chars += f.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    char* names = reinterpret_cast<char*>(drop + 1);
    for (const auto& f : files) {
        memcpy(names, f.c_str(), f.size() + 1);
        names += f.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

// A session as a student leaves it: two pieces, notes and three points.
void MakeSession(const char* notes) {
    ResetBench();
    Send(kCmdAdd100Beaker);
    Send(kCmdAddBunsenBurner);
    SetWindowTextA(ObservationsPane(), notes);
    ClearTitrationPoints(LabTitrationData);
    for (int i = 1; i <= 3; ++i) {
        DataPoint point = {};
        point.volumeMl = i;
        point.ph = 2 + i;
        AddDataPoint(LabTitrationData, point);
    }
    DocumentModified = true;
}

// What a failed read must leave alone.
struct SessionSnapshot {
    int32_t count;
    std::vector<int32_t> types;
    std::string notes, module, caption, path;
    explicit SessionSnapshot() {
        count = LabObjectCount;
        for (int i = 1; i <= LabObjectCount; ++i) types.push_back(LabObjects[i].type);
        notes = TextOf(ObservationsPane());
        module = CurrentModuleName;
        caption = TextOf(FrameWindow);
        path = CurrentLabPath;
    }
    bool operator==(const SessionSnapshot& o) const {
        return count == o.count && types == o.types && notes == o.notes && module == o.module &&
               caption == o.caption && path == o.path;
    }
};

std::vector<uint8_t> UdlHeaderBytes(const char* module, const char* title) {
    std::vector<uint8_t> bytes(2488, 0);
    memcpy(bytes.data(), "UDL_100", 8);
    memcpy(bytes.data() + 8, module, strlen(module));
    memcpy(bytes.data() + 268, title, strlen(title));
    memcpy(bytes.data() + 396, "Fixture", 7);
    return bytes;
}

class LabDocuments : public testing::Test {
protected:
    static void SetUpTestSuite() { started_ = EnsureProgramWindows(); }
    static void TearDownTestSuite() {
        if (!FrameWindow || !IsWindow(FrameWindow)) return;
        // The next suite expects the program as it starts: the generic lab, untitled.
        ResetBench();
        LoadLabModule(BenchWindow, kDefaultModuleName, "", 1, 0);
        lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
        CurrentUdlName[0] = 0;
        SetCurrentLab("", "");
        UpdateWindowTitle(FrameWindow, "");
        ClearTitrationPoints(LabTitrationData);
        ShowWindow(DataWindow, SW_HIDE);
        TabCtrl_SetCurSel(TabControl, 0);
        ShowTextPane(0);
        Pump(50);
        DocumentModified = false;
    }
    void SetUp() override {
        ASSERT_TRUE(started_);
        ASSERT_TRUE(EnsureProgramWindows());  // an earlier test may have closed the frame
        path_ = TempFile("brevane_documents_test.lab");
        DeleteFileA(path_.c_str());
    }
    void TearDown() override {
        DeleteFileA(path_.c_str());
        DocumentModified = false;
    }
    static bool started_;
    std::string path_;
};
bool LabDocuments::started_ = false;

}  // namespace

TEST_F(LabDocuments, NewThenCancelInTheLabListKeepsTheBench) {
    MakeSession("Kept notes");
    DocumentModified = false;
    DialogDriver driver({Press(IDCANCEL)});
    Send(kCmdNew);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Brevane Simulation Modules");
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_EQ(TextOf(ObservationsPane()), "Kept notes");
}

// A lab's own notes streamed into Observations are no change of the
// student's: switching to the next lab right after asks nothing.
TEST_F(LabDocuments, ALabsNotesStreamedInLeaveTheSessionUnchanged) {
    for (const char* module : {"Tessaly.dll", "Olvaris.dll"}) {
        DocumentModified = false;
        ASSERT_EQ(LoadLabModule(BenchWindow, module, "", 1, 0), 1);
        Pump(50);
        EXPECT_FALSE(DocumentModified) << module;
    }
    // A change the student made is still there after a lab streams its notes.
    DocumentModified = true;
    ASSERT_EQ(LoadLabModule(BenchWindow, "Olvaris.dll", "", 1, 0), 1);
    EXPECT_TRUE(DocumentModified);
}

TEST_F(LabDocuments, SaveAsNewThenOpenGivesBackTheObjectsNotesAndDataset) {
    MakeSession("Pink at 24.5 ml");
    const std::vector<int32_t> types = {LabObjects[1].type, LabObjects[2].type};
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdSaveAs);
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0);
    }
    EXPECT_FALSE(DocumentModified);
    EXPECT_EQ(std::string(CurrentLabPath), path_);
    EXPECT_NE(TextOf(FrameWindow).find("brevane_documents_test.lab"), std::string::npos) << TextOf(FrameWindow);

    {
        DialogDriver driver({RunLab("OLVARIS.DLL")});
        Send(kCmdNew);
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0);
    }
    EXPECT_EQ(CurrentLabPath[0], 0);
    EXPECT_EQ(LabTitrationData.record.pointCount, 0);
    EXPECT_EQ(LabObjectCount, 0);

    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdOpen);
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0);
    }
    ASSERT_EQ(LabObjectCount, 2);
    EXPECT_EQ(LabObjects[1].type, types[0]);
    EXPECT_EQ(LabObjects[2].type, types[1]);
    EXPECT_NE(TextOf(ObservationsPane()).find("Pink at 24.5 ml"), std::string::npos);
    EXPECT_EQ(LabTitrationData.record.pointCount, 3);
    EXPECT_FALSE(DocumentModified);
    EXPECT_FALSE(UndoValid);
    EXPECT_FALSE(ObjectSelected);
}

// The data window's table shows the dataset as it is whenever the dataset is
// replaced, without View, Refresh: New, Open, and the data dropped when a
// new collection starts.
TEST_F(LabDocuments, TheDataWindowsTableFollowsNewOpenAndDroppedData) {
    MakeSession("Titration notes");  // three points
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdSaveAs);
        driver.Finish();
    }
    ShowWindow(DataWindow, SW_SHOWNORMAL);
    SendMessageA(DataWindow, WM_COMMAND, MAKEWPARAM(IDM_DATA_VIEW, 0), 0);
    const auto rows = [] {
        // The header, an empty line, then one line a point.
        const std::string table = TextOf(FindWindowExA(DataWindow, nullptr, "EDIT", nullptr));
        const size_t body = table.find("\r\n\r\n");
        if (body == std::string::npos) return -1;
        int lines = 0;
        for (size_t at = table.find("\r\n", body + 4); at != std::string::npos; at = table.find("\r\n", at + 2))
            ++lines;
        return lines;
    };
    ASSERT_EQ(rows(), 3);

    {
        DialogDriver driver({RunLab("OLVARIS.DLL")});
        Send(kCmdNew);
        driver.Finish();
    }
    EXPECT_EQ(rows(), 0) << "New: no rows of the last session";
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdOpen);
        driver.Finish();
    }
    EXPECT_EQ(rows(), 3) << "Open: the file's rows";
    SelectLabObject(1, 1);
    ObjectSelected = true;
    {
        DialogDriver driver({Press(IDYES)});  // drop the data collected before
        Send(kCmdCollectTitrationData);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
    }
    EXPECT_EQ(rows(), 0) << "the dropped data's rows go";
    ShowWindow(DataWindow, SW_HIDE);
    SendMessageA(DataWindow, WM_COMMAND, MAKEWPARAM(IDM_DATA_GRAPH_VIEW, 0), 0);
    LabObjects[1].collectTitration = 0;
}

// The file dialogs of lab files and demonstrations open in the user's own
// work folder, not in the program folder, which an installation keeps
// read-only.
TEST_F(LabDocuments, TheFileDialogsStartInTheDocumentsWorkFolder) {
    char work[MAX_PATH] = "";
    ASSERT_EQ(DocumentsWorkFolder(work), 1);
    std::string expected = work;
    while (!expected.empty() && expected.back() == '\\') expected.pop_back();
    const auto lower = [](std::string text) {
        for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    ResetBench();
    SetCurrentLab("", "");
    const struct {
        const char* name;
        int command;
    } cases[] = {{"Open", kCmdOpen}, {"Save As", kCmdSaveAs}, {"Start Recording", kCmdStartRecording},
                 {"Play Lab Demo", kCmdPlayLabDemo}};
    for (const auto& c : cases) {
        std::string shown;
        DialogDriver driver({[&](HWND dialog) {
            char folder[MAX_PATH] = "";
            SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
            shown = folder;
            Press(IDCANCEL)(dialog);
        }});
        DocumentModified = false;
        Send(c.command);
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0) << c.name;
        EXPECT_EQ(lower(shown), lower(expected)) << c.name;
    }
    EXPECT_FALSE(DemoRecordingActive()) << "a cancelled recording records nothing";
}

TEST_F(LabDocuments, AFailedSaveSaysSoAndKeepsTheChangesAndTheOldFile) {
    MakeSession("Unsaved");
    WriteBytes(path_, {'o', 'l', 'd'});
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    for (const std::string& target : {path_, std::string("C:\\no\\such\\folder\\x.lab")}) {
        SetCurrentLab(target.c_str(), "x.lab");
        DocumentModified = true;
        DialogDriver driver({Press(IDOK)});
        Send(kCmdSave);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u) << target;
        EXPECT_NE(driver.Seen()[0].text.find("Could not save file x.lab"), std::string::npos) << driver.Seen()[0].text;
        EXPECT_TRUE(DocumentModified) << target;
    }
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path_), (std::vector<uint8_t>{'o', 'l', 'd'}));
    SetCurrentLab("", "");
}

TEST_F(LabDocuments, ADamagedLabFileByOpenOrDropChangesNothing) {
    MakeSession("Notes to keep");
    DocumentModified = false;
    // A good file, cut short; and a header that claims 51 objects.
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdSaveAs);
        driver.Finish();
    }
    std::vector<uint8_t> good = ReadBytes(path_);
    ASSERT_GT(good.size(), 600u);
    const std::string truncated = TempFile("brevane_truncated.lab"), tooMany = TempFile("brevane_51.lab");
    WriteBytes(truncated, std::vector<uint8_t>(good.begin(), good.begin() + 600));
    std::vector<uint8_t> many = good;
    const int32_t fiftyOne = 51;
    memcpy(many.data() + 8, &fiftyOne, 4);
    WriteBytes(tooMany, many);

    SetCurrentLab("", "");
    UpdateWindowTitle(FrameWindow, "");
    const std::pair<std::string, std::string> refused[] = {
        {truncated, "file is shorter than its header and objects"}, {tooMany, "object count outside 0..50"}};
    for (const auto& [bad, why] : refused) {
        const SessionSnapshot before;
        const std::string title = bad.substr(bad.find_last_of('\\') + 1);
        {
            DialogDriver driver({ChooseFile(bad), Press(IDOK)});
            Send(kCmdOpen);
            driver.Finish();
            ASSERT_EQ(driver.Seen().size(), 2u);
            EXPECT_EQ(driver.Seen()[1].text, "Could not read file " + title + "\n\n" + why);
        }
        EXPECT_TRUE(SessionSnapshot() == before) << "open " << bad;
        {
            DialogDriver driver({Press(IDOK)});
            SendMessageA(BenchWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({bad})), 0);
            driver.Finish();
            ASSERT_EQ(driver.Seen().size(), 1u);
            EXPECT_EQ(driver.Seen()[0].text, "Could not read file " + title + "\n\n" + why);
        }
        EXPECT_TRUE(SessionSnapshot() == before) << "drop " << bad;
        DeleteFileA(bad.c_str());
    }
}

TEST_F(LabDocuments, OneDroppedLabFileOpensWithTheResetsAndTwoDoNothing) {
    MakeSession("Dropped notes");
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdSaveAs);
        driver.Finish();
    }
    ResetBench();
    Send(kCmdAdd100Beaker);
    SelectLabObject(1, 1);
    ObjectSelected = true;
    UndoValid = true;
    DocumentModified = false;

    SendMessageA(BenchWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path_, path_})), 0);
    EXPECT_EQ(LabObjectCount, 1);
    EXPECT_TRUE(ObjectSelected);

    SendMessageA(BenchWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({path_})), 0);
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_FALSE(ObjectSelected);
    EXPECT_FALSE(UndoValid);
    EXPECT_FALSE(DocumentModified);
    EXPECT_EQ(std::string(CurrentLabPath), path_);
    EXPECT_NE(TextOf(ObservationsPane()).find("Dropped notes"), std::string::npos);
}

TEST_F(LabDocuments, TheLabListShowsLabsAndLabFilesAndRunsTheChosenOne) {
    char perUser[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, perUser)));
    const std::string mine = std::string(perUser) + "\\Brevane\\brevane_list_mine.udl";
    CreateDirectoryA((std::string(perUser) + "\\Brevane").c_str(), nullptr);
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
        {ProgramFile("brevane_list_here.udl"), UdlHeaderBytes("Parvell.dll", "Listed Here")},
        {mine, UdlHeaderBytes("Parvell.dll", "Listed Mine")},
        {ProgramFile("brevane_list_case.Udl"), UdlHeaderBytes("Parvell.dll", "Wrong Case")},
        {ProgramFile("brevane_list_short.udl"), std::vector<uint8_t>(100, 0)},
        {ProgramFile("brevane_list_path.udl"), UdlHeaderBytes("..\\Parvell.dll", "Not Bare")},
    };
    for (const auto& [path, bytes] : files) WriteBytes(path, bytes);

    struct Row {
        std::string title, udl, module, personal;
    };
    std::vector<Row> labs;
    std::vector<std::string> wizardModules;
    auto readLists = [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LAB_LIST_LABS);
        for (int i = 0, n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i)
            labs.push_back({ListCellText(list, i, 0), ListCellText(list, i, 1), ListCellText(list, i, 2), ListCellText(list, i, 4)});
        HWND wizards = GetDlgItem(dialog, IDC_LAB_LIST_WIZARDS);
        for (int i = 0, n = int(SendMessageA(wizards, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i)
            wizardModules.push_back(ListCellText(wizards, i, 1));
        // Choose the heat lab and run it.
        for (int i = 0; i < int(labs.size()); ++i)
            if (_stricmp(labs[size_t(i)].module.c_str(), "Tessaly.dll") == 0) {
                LVITEMA state = {};
                state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                state.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendMessageA(list, LVM_SETITEMSTATE, WPARAM(i), reinterpret_cast<LPARAM>(&state));
            }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    DialogDriver driver({readLists});
    const INT_PTR result = RunLabList(BenchWindow);
    driver.Finish();
    for (const auto& file : files) DeleteFileA(file.first.c_str());

    auto find = [&](const char* text, bool byModule) -> const Row* {
        for (const Row& row : labs)
            if (_stricmp((byModule ? row.module : row.title).c_str(), text) == 0) return &row;
        return nullptr;
    };
    for (const char* lab : {"Olvaris.dll", "Tessaly.dll", "Morvena.dll", "Dunmere.dll"})
        EXPECT_NE(find(lab, true), nullptr) << lab;
    ASSERT_NE(find("Listed Here", false), nullptr);
    EXPECT_EQ(find("Listed Here", false)->udl, "brevane_list_here.udl");
    EXPECT_EQ(find("Listed Here", false)->personal, "");
    ASSERT_NE(find("Listed Mine", false), nullptr);
    EXPECT_EQ(find("Listed Mine", false)->personal, "Y");
    EXPECT_EQ(find("Wrong Case", false), nullptr);
    EXPECT_EQ(find("Not Bare", false), nullptr);
    for (const std::string& module : wizardModules) {
        HMODULE library = LoadLibraryA(ProgramFile(module.c_str()).c_str());
        auto style = reinterpret_cast<int (*)()>(GetProcAddress(library, "QueryLabStyle"));
        EXPECT_TRUE(style && (style() & 0x8)) << module;
        FreeLibrary(library);
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(_stricmp(CurrentModuleName, "Tessaly.dll"), 0) << CurrentModuleName;
}

TEST_F(LabDocuments, LabOnlyThenBothRestoresThePanesAndTheTimerAsksBeforeStopping) {
    const int width = PaneWidth;
    ASSERT_GT(width, 0);
    Send(kCmdLabOnly);
    EXPECT_EQ(PaneWidth, 0);
    EXPECT_TRUE(GetMenuState(GetMenu(FrameWindow), kCmdLabOnly, MF_BYCOMMAND) & MF_CHECKED);
    Send(kCmdLabAndText);
    EXPECT_EQ(PaneWidth, width);
    EXPECT_TRUE(GetMenuState(GetMenu(FrameWindow), kCmdLabAndText, MF_BYCOMMAND) & MF_CHECKED);

    const bool shown = BenchRenderSettings().showLabBench;
    Send(kCmdShowLabBench);
    EXPECT_NE(BenchRenderSettings().showLabBench, shown);
    Send(kCmdShowLabBench);

    ASSERT_TRUE(SimulationRunning);
    {
        DialogDriver driver({Press(IDCANCEL)});
        Send(kCmdStopLabTimer);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Timer");
    }
    EXPECT_TRUE(SimulationRunning);
}

TEST_F(LabDocuments, OutsideProgramsAndWebPagesThatDoNotStartSayWhy) {
    {
        DialogDriver driver({Press(IDOK), Press(IDOK)});
        Send(kCmdPeriodicTable);  // the program folder holds no periodic.exe
        Send(kCmdMoleculeViewer);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u);
        EXPECT_EQ(driver.Seen()[0].caption, "Periodic Table");
        EXPECT_EQ(driver.Seen()[0].text, "Unable to launch: " + ProgramFile("periodic.exe"));
        EXPECT_EQ(driver.Seen()[1].text, "Unable to launch rw32b2a.exe");
    }
    // Wine answers 33 for a web address even without a browser.
    auto shell = OpenWithShell;
    std::vector<std::string> opened;
    static std::vector<std::string>* sink;
    sink = &opened;
    OpenWithShell = [](HWND, const char* target) -> INT_PTR {
        sink->push_back(target);
        return 2;
    };
    DialogDriver driver({Press(IDOK)});
    Send(kCmdYouTube);
    driver.Finish();
    OpenWithShell = shell;
    ASSERT_EQ(opened.size(), 1u);
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Unable to connect to web");
    EXPECT_EQ(driver.Seen()[0].text.find("You will need internet access and a browser to connect to"), 0u);
}

namespace {

HWND WaitForProcessWindow(const char* cls, DWORD pid, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        for (HWND w = FindWindowA(cls, nullptr); w; w = FindWindowExA(nullptr, w, cls, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && IsWindowVisible(w)) return w;
        }
        Sleep(50);
    }
    return nullptr;
}

// Starts Brevane.exe with a command line; its boxes are answered by pressing button.
std::string CaptionStartedWith(const std::string& commandLine, std::vector<std::string>* boxes,
                               const std::string& program = ProgramFile("Brevane.exe")) {
    std::string line = "\"" + program + "\" " + commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return "";
    std::string caption;
    for (int waited = 0; waited < 10000; waited += 50) {
        if (HWND box = WaitForProcessWindow("#32770", pi.dwProcessId, 50)) {
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            // A message box is answered and kept; the splash and the lab
            // list, which have no message, are closed.
            if (text[0]) boxes->push_back(text);
            PostMessageA(box, WM_COMMAND, text[0] ? IDOK : IDCANCEL, 0);
            // Not read twice: wait for this box to go before looking again.
            for (int gone = 0; gone < 2000 && IsWindow(box) && IsWindowVisible(box); gone += 20) Sleep(20);
            continue;
        }
        HWND frame = WaitForProcessWindow("Brevane", pi.dwProcessId, 50);
        if (frame && GetWindow(frame, GW_ENABLEDPOPUP) == nullptr && IsWindowEnabled(frame)) {
            Sleep(300);
            if (WaitForProcessWindow("#32770", pi.dwProcessId, 50)) continue;
            caption = TextOf(frame);
            PostMessageA(frame, WM_CLOSE, 0, 0);
            break;
        }
    }
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return caption;
}

}  // namespace

TEST_F(LabDocuments, TheProgramStartedWithALabFileShowsThatLab) {
    MakeSession("From the command line");
    {
        DialogDriver driver({ChooseFile(path_)});
        Send(kCmdSaveAs);
        driver.Finish();
    }
    DocumentModified = false;
    std::vector<std::string> boxes;
    const std::string caption = CaptionStartedWith("\"" + path_ + "\"", &boxes);
    EXPECT_TRUE(boxes.empty()) << boxes[0];
    EXPECT_EQ(caption.find("Brevane - brevane_documents_test.lab"), 0u) << caption;

    const std::string broken = TempFile("brevane_broken.LAB-BREVANE");
    WriteBytes(broken, {'B', 'V', '1', '2'});
    boxes.clear();
    const std::string fallback = CaptionStartedWith(broken, &boxes);
    DeleteFileA(broken.c_str());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Could not read file brevane_broken.LAB-BREVANE\n\nfile is shorter than its header and objects");
    EXPECT_EQ(fallback.find("Brevane - (untitled)"), 0u) << fallback;
}

TEST_F(LabDocuments, TheProgramStartedWithAUdlFileCopiesItForTheAuthoringModule) {
    const std::string udl = TempFile("brevane_command_line.udl");
    WriteBytes(udl, UdlHeaderBytes("Parvell.dll", "Command Line Lab"));
    char appData[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, appData)));
    const std::string copy = std::string(appData) + "\\Brevane\\brevane_command_line.udl";
    DeleteFileA(copy.c_str());
    std::vector<std::string> boxes;
    const std::string caption = CaptionStartedWith(udl, &boxes);
    EXPECT_NE(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES) << copy;
    ASSERT_EQ(boxes.size(), 1u) << boxes.back();
    EXPECT_NE(boxes[0].find("copy the UDL file"), std::string::npos) << boxes[0];
    // The authoring module runs the copied lab: the program comes up on it.
    EXPECT_EQ(caption.find("Brevane - "), 0u) << caption;
    EXPECT_NE(caption.find("Command Line Lab"), std::string::npos) << caption;
    DeleteFileA(copy.c_str());
    DeleteFileA(udl.c_str());
}

TEST_F(LabDocuments, WithoutTheChemicalDatabaseLibraryAUserLabFallsBackToTheGenericLab) {
    // A program folder holding the authoring module but not the library it imports.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "brevane_no_database\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : {"Brevane.exe", "Olvaris.dll", "Parvell.dll"})
        ASSERT_TRUE(CopyFileA(ProgramFile(file).c_str(), (folder + file).c_str(), FALSE)) << file;
    DeleteFileA((folder + "Zephrane.dll").c_str());
    const std::string udl = TempFile("brevane_no_database.udl");
    WriteBytes(udl, UdlHeaderBytes("Parvell.dll", "Needs The Database"));
    char appData[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, appData)));
    const std::string copy = std::string(appData) + "\\Brevane\\brevane_no_database.udl";
    DeleteFileA(copy.c_str());  // no overwrite question

    std::vector<std::string> boxes;
    const std::string caption = CaptionStartedWith(udl, &boxes, folder + "Brevane.exe");
    bool refused = false;
    std::string all;
    for (const std::string& box : boxes) {
        refused |= box.find("Unable to load Simulation Library") != std::string::npos;
        all += "[" + box + "] ";
    }
    EXPECT_TRUE(refused) << all;
    EXPECT_NE(caption.find("Generic Lab"), std::string::npos) << caption;
    for (const char* file : {"Brevane.exe", "Olvaris.dll", "Parvell.dll"})
        for (int i = 0; i < 100 && !DeleteFileA((folder + file).c_str()); ++i) Sleep(50);
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(copy.c_str());
    DeleteFileA(udl.c_str());
}

TEST_F(LabDocuments, AHundredSwitchesBetweenAUserLabAndTheGenericLabKeepMemoryFlat) {
    const std::string udl = ProgramFile("brevane_switching.udl");
    WriteBytes(udl, UdlHeaderBytes("Parvell.dll", "Switching"));
    // Bytes in use in the process's heaps, where the lab blocks and tables live
    // (Wine answers 0 for the process's private bytes, so that would miss a leak).
    const auto privateBytes = [] {
        HANDLE heaps[64];
        const DWORD count = GetProcessHeaps(64, heaps);
        unsigned long long busy = 0;
        for (DWORD i = 0; i < count && i < 64; ++i) {
            PROCESS_HEAP_ENTRY entry = {};
            if (!HeapLock(heaps[i])) continue;
            while (HeapWalk(heaps[i], &entry))
                if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
            HeapUnlock(heaps[i]);
        }
        return busy;
    };
    const auto switchPair = [&] {
        ASSERT_EQ(LoadLabModule(BenchWindow, "Parvell.dll", "brevane_switching.udl", 1, 0), 1);
        EXPECT_NE(GetModuleHandleA("Parvell.dll"), nullptr);
        ASSERT_EQ(LoadLabModule(BenchWindow, kDefaultModuleName, "", 1, 0), 1);
        EXPECT_EQ(GetModuleHandleA("Parvell.dll"), nullptr) << "the authoring module is let go";
    };
    DialogDriver none({});
    for (int i = 0; i < 10; ++i) switchPair();  // heaps and caches settle
    const unsigned long long before = privateBytes();
    for (int i = 0; i < 100; ++i) switchPair();
    const unsigned long long after = privateBytes();
    none.Finish();
    EXPECT_TRUE(none.Seen().empty()) << none.Seen()[0].text;
    // A leaked lab block or table per switch would be kilobytes each time.
    EXPECT_LT(after, before + 256 * 1024) << before << " -> " << after;
    lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
    CurrentUdlName[0] = 0;
    DeleteFileA(udl.c_str());
}

TEST_F(LabDocuments, ThePeriodicTableAndMoleculeViewerStartFromTheProgramFolder) {
    const std::string record = TempFile("brevane_standin.txt");
    for (const char* program : {"periodic.exe", "rw32b2a.exe"}) {
        const std::string target = ProgramFile(program);
        ASSERT_TRUE(CopyFileA(TestFolderFile("StandInProgram.exe").c_str(), target.c_str(), FALSE)) << target;
        DeleteFileA(record.c_str());
        DialogDriver driver({});
        Send(std::string(program) == "periodic.exe" ? kCmdPeriodicTable : kCmdMoleculeViewer);
        std::vector<uint8_t> written;
        for (int waited = 0; waited < 5000 && written.empty(); waited += 50) {
            Pump(50);
            written = ReadBytes(record);
        }
        driver.Finish();
        EXPECT_TRUE(driver.Seen().empty()) << driver.Seen()[0].text;
        const std::string text(written.begin(), written.end());
        EXPECT_EQ(_strnicmp(text.c_str(), target.c_str(), target.size()), 0) << text;
        for (int i = 0; i < 100 && !DeleteFileA(target.c_str()); ++i) Sleep(50);  // once it has ended
    }
    DeleteFileA(record.c_str());
}
