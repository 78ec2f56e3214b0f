// Demonstration playback in the real program: a session recorded through the
// menu commands plays back onto the bench, a message box holds playback, the
// comments can be deleted and edited afterwards, a cancelled or refused file
// gives the bench back, and a demonstration of another lab leaves that lab
// loaded and named, as Save and the frame title show. The program starts
// once for this suite, after the start-up suite has closed its windows (the
// file sorts after it).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "app/demo/demo_commands_win.h"
#include "app/demo/demo_file_walk.h"
#include "app/demo/demo_message_dialog_win.h"
#include "app/demo/demo_playback_commands_win.h"
#include "app/demo/demo_recorder.h"
#include "app/demo/play_demo_dialog_win.h"
#include "app/documents/lab_file_win.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/frame/startup_win.h"
#include "app/modules/module_host_win.h"
#include "app/shell/shell_services_win.h"
#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/documents/documents_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"
#include "bench/window/bench_window_win.h"
#include "common/component_slot.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "real_input.h"
#include "resources/brevane/demo_playback_ids.h"

namespace {

std::string demoFile;

bool PumpUntil(const std::function<bool()>& done, int ms, bool* quit = nullptr) {
    for (int waited = 0;; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT && quit) *quit = true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
void Pump(int ms) { PumpUntil([] { return false; }, ms); }
void Post(int command) { PostMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0); }

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

// Read from the directory, not through a handle: a file this test holds open
// while it polls could not be replaced by the dialog's save.
uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Waits on a helper thread, for what the modal dialogs hold up on the test's own.
bool WaitFor(const std::function<bool()>& done, int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

std::vector<std::string> ListTexts(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_DEMO_COMMENTS);
    std::vector<std::string> texts;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string text(size_t(SendMessageA(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(std::strlen(text.c_str()));
        texts.push_back(text);
    }
    return texts;
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A Demo Message dialog step: the text, the style's radio button, then OK.
DialogDriver::Step WriteMessage(const char* text, int styleRadio) {
    return [text, styleRadio](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, IDC_MESSAGE_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(GetDlgItem(dialog, styleRadio), BM_CLICK, 0, 0);
        Press(IDOK)(dialog);
    };
}

// What the screen renderer writes into the records on every paint; a played
// frame may differ from the recorded one there and nowhere else.
void ClearPaintState(LabObject& o) {
    o.kindStateWord = 0;     // tilt of a vessel being poured from (StepTilt)
    o.stirringState = 0;     // stirring rod countdown, stir bar frame (StepStirringRod, StepStirBar)
    o.overlayRect = {};      // sample read-out area (DrawSampleReadout)
    o.afterBoilCounter = 0;  // bubbles after boiling (particles)
}

std::vector<LabObject> Comparable(const LabObject* first, int32_t count) {
    std::vector<LabObject> objects(first, first + count);
    for (LabObject& o : objects) ClearPaintState(o);
    return objects;
}

class ReplayDemo : public testing::Test {
protected:
    static void SetUpTestSuite() {
        DialogDriver boxes({});
        started_ = EnsureProgramWindows();
        Pump(300);
        boxes.Finish();
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        demoFile = std::string(folder) + "brevane_replay.bvd";
        DemoCommandHooks.chooseFile = [](HWND, char* path, int length) {
            lstrcpynA(path, demoFile.c_str(), length);
            return true;
        };
        PlayDemoHooks.chooseFile = DemoCommandHooks.chooseFile;
    }
    static void TearDownTestSuite() {
        DemoCommandHooks = DemoCommandSeams{};
        PlayDemoHooks = PlayDemoSeams{};
        DeleteFileA(demoFile.c_str());
        if (FrameWindow && IsWindow(FrameWindow)) {
            DialogDriver boxes({});
            DocumentModified = false;
            DestroyWindow(FrameWindow);
        }
        bool quit = false;
        PumpUntil([&] { return quit; }, 500, &quit);
        SetBenchSeams(nullptr);
        SetBenchCommandSeams(nullptr);
        SetModuleHostPanes(ModuleHostPanes{});
        SetModuleHostServices(DefaultModuleHostServices());
    }
    void SetUp() override {
        ASSERT_TRUE(started_);
        DocumentModified = false;
    }

    // Beaker of water on a burner, a balloon message, a message box, the data
    // window closed: the recorder's last frame is returned.
    std::vector<LabObject> RecordSession() {
        ResetBench();
        Post(kCmdStartRecording);
        EXPECT_TRUE(PumpUntil([] { return LabDemoRecorder.recording; }, 2000));
        Post(kCmdAdd100Beaker);
        PumpUntil([] { return LabObjectCount == 1; }, 2000);
        SelectedObject = 1;
        ObjectSelected = true;
        Post(kCmdAddBunsenBurner);
        PumpUntil([] { return LabObjectCount == 2; }, 2000);
        LabObject& beaker = LabObjects[1];
        AddComponent(beaker, kCasWater, kPhaseLiquid, 50, 293);
        beaker.liquidVolume = 500;
        Pump(1200);  // heavy ticks record the warming
        {
            DialogDriver dialogs({WriteMessage("Watch the water warm up", IDC_MESSAGE_BALLOON),
                                  WriteMessage("Read this first", IDC_MESSAGE_BOX)});
            Post(kCmdAddMessage);
            Pump(600);
            Post(kCmdAddMessage);
            Pump(600);
            dialogs.Finish();
            EXPECT_EQ(dialogs.Unexpected(), 0);
        }
        SendMessageA(DataWindow, WM_CLOSE, 0, 0);  // "Close Data View Window"
        Pump(1200);
        SelectedObject = 0;
        ObjectSelected = false;
        const int32_t count = LabDemoRecorder.previousCount;
        std::vector<LabObject> last(static_cast<size_t>(count));
        std::memcpy(static_cast<void*>(last.data()), LabDemoRecorder.lastFrame.data(), size_t(count) * sizeof(LabObject));
        Post(kCmdStopRecording);
        PumpUntil([] { return !LabDemoRecorder.recording; }, 2000);
        return last;
    }

    static bool started_;
};

bool ReplayDemo::started_ = false;

}  // namespace

TEST_F(ReplayDemo, ARecordedSessionPlaysBackAndItsCommentsCanBeEditedAfterwards) {
    const std::vector<LabObject> recorded = RecordSession();
    ASSERT_EQ(recorded.size(), 2u);
    const std::vector<uint8_t> file = ReadAll(demoFile);
    const auto items = DemoCommentItems(file.data(), file.size(), {});
    ASSERT_GE(items.size(), 5u);

    // The bench is emptied before the dialog; playback fills it again.
    ResetBench();
    std::atomic<bool> boxWhilePaused{false}, ended{false};
    std::vector<std::string> listed;
    std::vector<LabObject> played;
    int32_t playedCount = -1;
    uint64_t sizeAfterDelete = 0, sizeAfterEdit = 0;
    std::atomic<HWND> play{nullptr};
    DialogDriver dialogs({
        [&](HWND dialog) {
            play = dialog;
            Press(IDC_DEMO_PLAY)(dialog);
        },
        [&](HWND box) {  // the message box: playback waits for it
            const LRESULT at = SendDlgItemMessageA(play.load(), IDC_DEMO_PROGRESS, TBM_GETPOS, 0, 0);
            Sleep(400);
            boxWhilePaused = at == SendDlgItemMessageA(play.load(), IDC_DEMO_PROGRESS, TBM_GETPOS, 0, 0) &&
                             at < 100;
            Press(IDOK)(box);
        },
        Press(IDYES),  // Delete's question
        [](HWND message) {  // Edit: a shorter text
            SendMessageA(GetDlgItem(message, IDC_MESSAGE_TEXT), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>("Short"));
            Press(IDOK)(message);
        },
    });
    std::thread watcher([&] {
        if (!WaitFor([&] { return play && IsWindowEnabled(GetDlgItem(play.load(), IDC_DEMO_DELETE)); }, 30000)) {
            if (play) Click(play.load(), IDCANCEL);
            return;
        }
        HWND dialog = play.load();
        ended = true;
        listed = ListTexts(dialog);
        playedCount = LabObjectCount;
        played = Comparable(&LabObjects[1], LabObjectCount);
        const uint64_t before = FileSize(demoFile);
        // Delete the newest comment, then edit the balloon message.
        SendDlgItemMessageA(dialog, IDC_DEMO_COMMENTS, LB_SETCURSEL, 0, 0);
        Click(dialog, IDC_DEMO_DELETE);
        WaitFor([&] { return FileSize(demoFile) != before; }, 15000);
        sizeAfterDelete = FileSize(demoFile);
        const std::vector<std::string> now = ListTexts(dialog);
        for (size_t i = 0; i < now.size(); ++i)
            if (now[i] == "Display Message: Watch the water warm up")
                SendDlgItemMessageA(dialog, IDC_DEMO_COMMENTS, LB_SETCURSEL, WPARAM(i), 0);
        Click(dialog, IDC_DEMO_EDIT);
        WaitFor([&] { return FileSize(demoFile) != sizeAfterDelete; }, 15000);
        sizeAfterEdit = FileSize(demoFile);
        Click(dialog, IDCANCEL);
    });
    Post(kCmdPlayLabDemo);
    PumpUntil([&] { return ended && !PlayDemoDialogWindow(); }, 40000);
    watcher.join();
    dialogs.Finish();

    ASSERT_TRUE(ended) << "playback reached the end";
    EXPECT_TRUE(boxWhilePaused) << "the message box holds playback";
    EXPECT_EQ(playedCount, 2);
    EXPECT_EQ(std::memcmp(played.data(), Comparable(recorded.data(), 2).data(), 2 * sizeof(LabObject)), 0)
        << "the last frame, byte for byte, apart from what painting writes";
    ASSERT_GE(listed.size(), 5u);
    EXPECT_EQ(listed.front(), "End Demo") << "newest first";
    EXPECT_EQ(listed.back(), "Start Demo");
    EXPECT_NE(std::find(listed.begin(), listed.end(), "Display Message: Read this first"), listed.end())
        << "and the event after the box still played";
    std::string seen;
    for (const SeenDialog& d : dialogs.Seen()) seen += "[" + d.caption + ": " + d.text + "] ";
    EXPECT_EQ(file.size() - sizeAfterDelete, 48u + std::strlen("End Demo") + 1) << seen;
    EXPECT_EQ(sizeAfterDelete - sizeAfterEdit, std::strlen("Watch the water warm up") - std::strlen("Short"));
    EXPECT_EQ(CurrentLabTitle()[0], '\0') << "Save cannot write over the lab file";
}

TEST_F(ReplayDemo, ADemonstrationOfAnotherLabIsTheLabThatSaveAndTheTitleNameAfterwards) {
    // Recorded in the specific-heat lab.
    lstrcpynA(CurrentModuleName, "TESSALY.DLL", kHostPathLength);
    CurrentUdlName[0] = 0;
    ASSERT_EQ(LoadCurrentModule(BenchWindow, 1), 1);
    ResetBench();
    Post(kCmdStartRecording);
    ASSERT_TRUE(PumpUntil([] { return LabDemoRecorder.recording; }, 2000));
    Post(kCmdAdd100Beaker);
    PumpUntil([] { return LabObjectCount == 1; }, 2000);
    Pump(600);
    Post(kCmdStopRecording);
    PumpUntil([] { return !LabDemoRecorder.recording; }, 2000);

    // Played in the generic lab: File, Play Lab Demo with the keys, Play and
    // then Cancel clicked once it has played.
    lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
    ASSERT_EQ(LoadCurrentModule(BenchWindow, 1), 1);
    ResetBench();
    SetForegroundWindow(FrameWindow);
    Pump(200);
    std::atomic<bool> played{false}, closed{false};
    DialogDriver dialogs({[&](HWND dialog) {
        ClickScreen(CentreOnScreen(GetDlgItem(dialog, IDC_DEMO_PLAY)));
        played = WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_DEMO_DELETE)) != FALSE; }, 20000);
        ClickScreen(CentreOnScreen(GetDlgItem(dialog, IDCANCEL)));
        closed = WaitFor([&] { return !IsWindow(dialog); }, 5000);
    }});
    TapAltKey('F');
    TapKey('D');
    PumpUntil([&] { return closed.load(); }, 30000);
    dialogs.Finish();
    ASSERT_TRUE(played) << "the demonstration played to its end";
    EXPECT_STRCASEEQ(CurrentModuleName, "TESSALY.DLL");
    char caption[256] = "";
    GetWindowTextA(FrameWindow, caption, sizeof caption);
    EXPECT_NE(std::string(caption).find(" - Specific heat lab"), std::string::npos) << caption;

    // Save As with the keys: the file is the demonstration's lab.
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string saved = std::string(folder) + "brevane_replayed.lab";
    DeleteFileA(saved.c_str());
    std::atomic<bool> named{false};
    DialogDriver save({[&](HWND dialog) {
        HWND name = GetDlgItem(dialog, 0x47c);  // cmb13: the explorer-style name box
        if (!name) name = GetDlgItem(dialog, 0x480);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
        Press(IDOK)(dialog);
        named = true;
    }});
    TapAltKey('F');
    TapKey('A');
    PumpUntil([&] { return named && GetFileAttributesA(saved.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    Pump(200);
    save.Finish();
    LabDocument doc;
    ASSERT_TRUE(LoadLabDocument(saved.c_str(), LabFileWin32{}, 1, &doc)) << saved;
    EXPECT_STRCASEEQ(doc.moduleName, "TESSALY.DLL");
    EXPECT_EQ(doc.objectCount, 1);
    DeleteFileA(saved.c_str());

    // The next test starts in the generic lab, untitled.
    lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
    LoadCurrentModule(BenchWindow, 1);
    ResetBench();
    SetCurrentLab("", "");
    UpdateWindowTitle(FrameWindow, "");
}

TEST_F(ReplayDemo, ACancelledOrRefusedFileGivesTheBenchItsObjectsBack) {
    ResetBench();
    Post(kCmdAdd100Beaker);
    Post(kCmdAdd250Beaker);
    PumpUntil([] { return LabObjectCount == 2; }, 2000);
    const std::vector<LabObject> before(&LabObjects[1], &LabObjects[3]);
    DocumentModified = false;  // no save question in the way

    PlayDemoHooks.chooseFile = [](HWND, char*, int) { return false; };
    {
        DialogDriver none({});
        Post(kCmdPlayLabDemo);
        Pump(500);
        none.Finish();
        EXPECT_TRUE(none.Seen().empty());
    }
    EXPECT_EQ(LabObjectCount, 2);

    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    static std::string notADemo;
    notADemo = std::string(folder) + "not_a_demo.bvd";
    std::ofstream(notADemo, std::ios::binary) << std::string(2000, 'x');
    PlayDemoHooks.chooseFile = [](HWND, char* path, int length) {
        lstrcpynA(path, notADemo.c_str(), length);
        return true;
    };
    DialogDriver dialogs({Press(IDC_DEMO_PLAY), Press(IDOK)});
    Post(kCmdPlayLabDemo);
    PumpUntil([&] { return dialogs.Seen().size() >= 2 && !PlayDemoDialogWindow(); }, 5000);
    Pump(300);
    dialogs.Finish();
    ASSERT_EQ(dialogs.Seen().size(), 2u);
    EXPECT_EQ(dialogs.Seen()[1].caption, "Brevane Demo");
    EXPECT_EQ(dialogs.Seen()[1].text, "This is not a valid demo file.");
    EXPECT_EQ(LabObjectCount, 2);
    EXPECT_EQ(std::memcmp(before.data(), &LabObjects[1], 2 * sizeof(LabObject)), 0);
    DeleteFileA(notADemo.c_str());
    PlayDemoHooks.chooseFile = DemoCommandHooks.chooseFile;
}

TEST_F(ReplayDemo, AddMessageIsPrefilledFromTheSelectionAndOnlyWhileRecording) {
    ResetBench();
    Post(kCmdAdd100Beaker);
    PumpUntil([] { return LabObjectCount == 1; }, 2000);
    SelectedObject = 1;
    ObjectSelected = true;
    const DemoMessageRecord record = PrefilledDemoMessage(false, PointI32{});
    EXPECT_EQ(record.header.p2, LabObjects[1].position.right);
    EXPECT_EQ(record.header.p3, LabObjects[1].position.bottom);
    EXPECT_EQ(record.header.p4, 5);
    EXPECT_EQ(record.header.p5, 1);
    SelectedObject = 0;
    ObjectSelected = false;

    // Not recording: no dialog.
    DialogDriver none({});
    Post(kCmdAddMessage);
    Pump(300);
    none.Finish();
    EXPECT_TRUE(none.Seen().empty());
}
