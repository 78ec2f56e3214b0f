// The Edit commands on the started program with the real clipboard: Copy
// and Paste of lab objects with their picture, Cut, Delete and Undo, blocks
// put by others, a clipboard held by another thread, the group warning, the
// demonstration comment and the text panes' own copy and cut.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/demo/demo_recorder.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/panes/text_panes_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/edit/delete_undo.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_window_win.h"
#include "common/component_slot.h"
#include "dialog_driver.h"
#include "program_instance.h"

namespace {

constexpr size_t kRecord = sizeof(LabObject);

bool PumpUntil(const std::function<bool()>& done, int ms) {
    for (int waited = 0;; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
void Pump(int ms) { PumpUntil([] { return false; }, ms); }

// A menu command, as the frame forwards it.
void Command(int id) { SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

std::vector<uint8_t> ClipboardBlock() {
    std::vector<uint8_t> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE h = GetClipboardData(LabObjectClipboardFormat)) {
        const SIZE_T size = GlobalSize(h);
        if (const auto* at = static_cast<const uint8_t*>(GlobalLock(h))) {
            bytes.assign(at, at + size);
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return bytes;
}

void PutBlock(const std::vector<uint8_t>& bytes) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(h), bytes.data(), bytes.size());
    GlobalUnlock(h);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (!SetClipboardData(LabObjectClipboardFormat, h)) GlobalFree(h);
    CloseClipboard();
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* at = static_cast<const char*>(GlobalLock(h))) {
            text = at;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

// A 100 ml beaker of blue water, selected; object index returned.
int32_t SelectedBlueBeaker() {
    Command(kCmdAdd100Beaker);
    const int32_t i = LabObjectCount;
    LabObject& beaker = LabObjects[i];
    AddComponent(beaker, kCasWater, kPhaseLiquid, 60, 293);
    beaker.liquidVolume = 600;
    beaker.liquidColour[0] = 30;
    beaker.liquidColour[1] = 60;
    beaker.liquidColour[2] = 220;
    ObjectSelected = true;
    SelectedObject = i;
    return i;
}

class DemoBytes final : public DemoSink {
public:
    bool Write(const void* bytes, size_t length) override {
        const auto* b = static_cast<const char*>(bytes);
        written.append(b, length);
        return true;
    }
    std::string written;
};

class EditCommands : public testing::Test {
protected:
    static void SetUpTestSuite() { started_ = EnsureProgramWindows(); }
    void SetUp() override {
        ASSERT_TRUE(started_);
        ASSERT_TRUE(IsWindow(FrameWindow));
        ResetBench();
        SetFocus(BenchWindow);
        InvalidateRect(BenchWindow, nullptr, TRUE);
        UpdateWindow(BenchWindow);
    }
    // The suites after this one find the program as it started.
    void TearDown() override {
        ResetBench();
        ShowTextPane(kIntroductionPane);
        TabCtrl_SetCurSel(TabControl, 0);
        DocumentModified = false;
        SetFocus(BenchWindow);
    }
    static bool started_;
};

bool EditCommands::started_ = false;

TEST_F(EditCommands, CopyPutsTheRecordAndItsPictureAndPasteAddsAnEqualObject) {
    const int32_t i = SelectedBlueBeaker();
    InvalidateRect(BenchWindow, nullptr, TRUE);
    UpdateWindow(BenchWindow);
    const LabObject original = LabObjects[i];
    DocumentModified = false;  // adding the beaker changed the lab; copying must not
    Command(kCmdCopy);

    const std::vector<uint8_t> block = ClipboardBlock();
    ASSERT_GE(block.size(), 2 * kRecord);
    LabObject stored;
    std::memcpy(&stored, block.data(), kRecord);
    EXPECT_EQ(stored.type, kBeaker);
    POINT corner{original.position.left, original.position.top};
    LPtoDP(BenchDC, &corner, 1);
    EXPECT_EQ(stored.position.left, corner.x);
    EXPECT_EQ(stored.position.top, corner.y);
    EXPECT_TRUE(std::all_of(block.begin() + kRecord, block.begin() + 2 * kRecord, [](uint8_t b) { return b == 0; }));
    EXPECT_FALSE(DocumentModified);

    // The picture is the beaker as the bench shows it: its template size,
    // the bench's own pixels there, and not blank (the glass's outline).
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP picture = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(picture, nullptr);
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, original.pictureWidth);
    EXPECT_EQ(info.bmHeight, original.pictureHeight);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, picture);
    int dark = 0, differing = 0;
    for (int y = 0; y < info.bmHeight; y += 2)
        for (int x = 0; x < info.bmWidth; x += 2) {
            const COLORREF c = GetPixel(memory, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) ++dark;
            const COLORREF shown = GetPixel(BenchDC, original.position.left + x, original.position.top + y);
            if (shown != c) ++differing;
        }
    SelectObject(memory, old);
    DeleteDC(memory);
    CloseClipboard();
    EXPECT_GT(dark, 20) << "the beaker's outline shows in the picture";
    EXPECT_LT(differing, info.bmWidth * info.bmHeight / 4 / 50) << "the picture is the bench's own pixels";

    Command(kCmdPaste);
    ASSERT_EQ(LabObjectCount, i + 1);
    const LabObject& pasted = LabObjects[i + 1];
    EXPECT_EQ(pasted.position.left, original.position.left);
    EXPECT_EQ(pasted.position.top, original.position.top);
    EXPECT_EQ(std::memcmp(pasted.slots, original.slots, sizeof original.slots), 0);
    EXPECT_EQ(pasted.liquidColour[2], 220);
    EXPECT_TRUE(DocumentModified);
    EXPECT_EQ(ClipboardBlock().size(), block.size()) << "the clipboard keeps the block";
}

TEST_F(EditCommands, ThreeMembersCopiedPastedDeletedAndUndone) {
    for (int k = 0; k < 3; ++k) Command(kCmdAdd100Beaker);
    ASSERT_EQ(LabObjectCount, 3);
    MultiSelection = {};
    MultiSelection.active = true;
    MultiSelection.memberCount = 3;
    for (int k = 0; k < 3; ++k) MultiSelection.members[k] = 3 - k;
    MultiSelection.bounds = {0, 0, 300, 300};
    Command(kCmdCopy);
    EXPECT_EQ(ClipboardBlock().size(), 4 * kRecord);
    Command(kCmdPaste);
    ASSERT_EQ(LabObjectCount, 6);
    MultiSelection.active = true;
    MultiSelection.memberCount = 3;
    for (int k = 0; k < 3; ++k) MultiSelection.members[k] = 4 + k;
    Command(kCmdDelete);
    EXPECT_EQ(LabObjectCount, 3);
    EXPECT_TRUE(UndoValid);
    Command(kCmdUndo);
    EXPECT_EQ(LabObjectCount, 6);
    EXPECT_FALSE(UndoValid);
    Command(kCmdUndo);
    EXPECT_EQ(LabObjectCount, 6);
}

TEST_F(EditCommands, CutCopiesThenDeletes) {
    SelectedBlueBeaker();
    Command(kCmdCut);
    EXPECT_EQ(LabObjectCount, 0);
    EXPECT_EQ(ClipboardBlock().size(), 2 * kRecord);
    Command(kCmdPaste);
    EXPECT_EQ(LabObjectCount, 1);
}

TEST_F(EditCommands, BlocksPutByOthersThatAreNotSoundChangeNothing) {
    Command(kCmdAdd100Beaker);
    const LabObject before = LabObjects[1];
    LabObject record = before;
    std::vector<uint8_t> bad(2 * kRecord, 0);
    record.type = 29;
    std::memcpy(bad.data() + kRecord, &record, kRecord);
    record.type = kBeaker;
    std::memcpy(bad.data(), &record, kRecord);
    PutBlock(bad);
    DocumentModified = false;
    Command(kCmdPaste);
    EXPECT_EQ(LabObjectCount, 1);
    EXPECT_FALSE(DocumentModified);

    // No terminator and a short tail: the whole record is pasted, the tail is not.
    std::vector<uint8_t> open(kRecord + 100, 0x41);
    std::memcpy(open.data(), &record, kRecord);
    PutBlock(open);
    Command(kCmdPaste);
    EXPECT_EQ(LabObjectCount, 2);
}

TEST_F(EditCommands, WithTheClipboardHeldElsewhereCutDeletesNothingAndLeaksNothing) {
    SelectedBlueBeaker();
    std::atomic<bool> held{false}, release{false};
    std::thread holder([&] {
        HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        held = OpenClipboard(owner) != 0;
        while (!release) Sleep(5);
        if (held) CloseClipboard();
        DestroyWindow(owner);
    });
    if (!PumpUntil([&] { return held.load(); }, 2000)) {
        release = true;  // the thread must end before the test does
        holder.join();
        FAIL() << "the other thread could not open the clipboard";
    }
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    for (int k = 0; k < 5; ++k) Command(kCmdCut);
    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_EQ(handlesAfter, handles);
    release = true;
    holder.join();
    EXPECT_EQ(LabObjectCount, 1);
    EXPECT_FALSE(UndoValid);
}

TEST_F(EditCommands, DeletingAGroupMemberShowsTheWarningAndChangesNothing) {
    Command(kCmdAdd100Beaker);
    Command(kCmdAddTestTube);
    LabObjects[1].groupMemberCount = LabObjects[2].groupMemberCount = 2;
    LabObjects[1].nextGroupMember = 2;
    LabObjects[2].nextGroupMember = 1;
    ObjectSelected = true;
    SelectedObject = 2;
    std::vector<LabObject> before(LabObjects, LabObjects + kLabObjectArrayLength);
    DialogDriver boxes({Press(IDOK)});
    Command(kCmdDelete);
    Pump(50);
    boxes.Finish();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Brevane");
    EXPECT_EQ(boxes.Seen()[0].text.rfind("Cannot delete a single member of a group or combined set.", 0), 0u);
    EXPECT_EQ(std::memcmp(before.data(), LabObjects, sizeof(LabObject) * kLabObjectArrayLength), 0);
    EXPECT_EQ(GetFocus(), BenchWindow);
}

TEST_F(EditCommands, DeleteWithObservationsFocusedWritesItsCommentWhileRecording) {
    Command(kCmdAdd100Beaker);
    ObjectSelected = true;
    SelectedObject = 1;
    HWND observations = TextPaneWindow(kObservationsPane);
    ShowTextPane(kObservationsPane);
    SetFocus(observations);
    ASSERT_EQ(GetFocus(), observations);
    DemoBytes sink;
    const DemoRecorder saved = LabDemoRecorder;
    LabDemoRecorder.recording = true;
    LabDemoRecorder.sink = &sink;
    Command(kCmdDelete);
    LabDemoRecorder = saved;
    EXPECT_NE(sink.written.find("Delete Equipment"), std::string::npos);
    EXPECT_EQ(LabObjectCount, 1) << "the pane took the Delete";
}

TEST_F(EditCommands, ProcedurePaneCopiesItsProtectedTextAndItsCutDeletesNoObject) {
    HWND procedure = TextPaneWindow(kProcedurePane);
    ShowTextPane(kProcedurePane);
    SendMessageA(procedure, EM_SETREADONLY, FALSE, 0);
    SetWindowTextA(procedure, "Weigh the beaker first.");
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_PROTECTED;
    format.dwEffects = CFE_PROTECTED;
    SendMessageA(procedure, EM_SETSEL, 0, -1);
    SendMessageA(procedure, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(procedure, EM_SETREADONLY, TRUE, 0);
    SendMessageA(procedure, EM_SETSEL, 0, 5);

    Command(kCmdAdd100Beaker);
    ObjectSelected = true;
    SelectedObject = 1;
    SetFocus(procedure);
    ASSERT_EQ(GetFocus(), procedure);
    // Ctrl+C stays with the pane, which copies, protected text included.
    BYTE keys[256], saved[256];
    GetKeyboardState(saved);
    std::memcpy(keys, saved, sizeof keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    const MSG key{procedure, WM_KEYDOWN, 'C', 0, 0, {}};
    EXPECT_FALSE(AcceleratorsApply(key));
    SendMessageA(procedure, WM_KEYDOWN, 'C', 0);
    SetKeyboardState(saved);
    EXPECT_EQ(ClipboardText(), "Weigh");

    // The menu's Copy copies the pane's text as well.
    SendMessageA(procedure, EM_SETSEL, 6, 9);
    Command(kCmdCopy);
    EXPECT_EQ(ClipboardText(), "the");
    Command(kCmdCut);
    EXPECT_EQ(LabObjectCount, 1);
}

}  // namespace
