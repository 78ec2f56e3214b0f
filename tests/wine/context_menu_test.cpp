// The bench's right-click menus on the started program: the items read back
// while the menu is open, an add command placed where the menu was opened,
// a menu dismissed without a choice, a dialog chosen from the menu with the
// real mouse and keys that holds the simulation while it is open, and the
// Titration dialog kept in front of the frame and brought back by its item.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "bench/commands/command_ids.h"
#include "bench/model/bench_state.h"
#include "app/shell/select_object.h"
#include "app/shell/timer_pause.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_tick.h"
#include "bench/window/bench_window_win.h"
#include "dialog_driver.h"
#include "common/equipment_type.h"
#include "program_instance.h"
#include "real_input.h"

void ResetBench();

namespace {

struct MenuRow {
    std::string text;  // "-" for a separator
    UINT state;
};

// Runs while TrackPopupMenu's own loop runs: reads the open menu, then does
// what the test asks with it.
std::vector<MenuRow> seenRows;
std::function<void(HWND popup, HMENU menu)> whileOpen;

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    seenRows.clear();
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        char text[128] = "";
        const UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            seenRows.push_back({"-", state});
            continue;
        }
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        seenRows.push_back({text, state});
    }
    if (whileOpen) whileOpen(popup, menu);
    else EndMenu();
}

POINT ClientPointOf(const LabObject& o) {
    POINT p{(o.position.left + o.position.right) / 2, (o.position.top + o.position.bottom) / 2};
    LPtoDP(BenchDC, &p, 1);
    return p;
}

// A right click at a client point; returns when the menu has closed.
void RightClick(POINT client) {
    SetTimer(nullptr, 0, 50, ReadOpenMenu);
    SendMessageA(BenchWindow, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageA(BenchWindow, WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    PumpMessages(100);
}

// The same with the real mouse: the right button pressed and let go over the
// client point.
void RealRightClick(POINT client) {
    POINT screen = client;
    ClientToScreen(BenchWindow, &screen);
    SetTimer(nullptr, 0, 50, ReadOpenMenu);
    ClickScreen(screen, true);
}

// Chooses the item of that text with the arrow keys and Enter, as the
// keyboard walks a menu: past its separators.
void ChooseWithKeys(HMENU menu, const std::string& text) {
    int steps = 0;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
        ++steps;
        char item[128] = "";
        GetMenuStringA(menu, UINT(i), item, sizeof item, MF_BYPOSITION);
        if (item == text) break;
    }
    for (int i = 0; i < steps; ++i) TapKey(VK_DOWN);
    TapKey(VK_RETURN);
}

int IndexOf(const std::string& text) {
    for (size_t i = 0; i < seenRows.size(); ++i)
        if (seenRows[i].text == text) return int(i);
    return -1;
}

class ContextMenus : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureProgramWindows());
        ResetBench();
        seenRows.clear();
        whileOpen = nullptr;
    }
    void TearDown() override {
        whileOpen = nullptr;
        if (IsWindow(FrameWindow)) ResetBench();
        DocumentModified = false;
    }
    static void Command(int id) { SendMessageA(FrameWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(ContextMenus, ABeakerOffersItsOwnCommandsWithEveryTextAndNoDoubledSeparator) {
    Command(kCmdAdd250Beaker);
    ASSERT_EQ(LabObjectCount, 1);
    RightClick(ClientPointOf(LabObjects[1]));
    EXPECT_TRUE(ObjectSelected) << "the right click selected as a left click does";
    ASSERT_FALSE(seenRows.empty()) << "no menu opened";
    for (const char* text : {"Chemicals...", "Water...", "Pour/Decant", "Label...", "Thermometer", "Empty",
                             "Delete", "Cut", "Copy"})
        EXPECT_GE(IndexOf(text), 0) << text;
    EXPECT_LT(IndexOf("Water..."), IndexOf("Delete"));
    EXPECT_EQ(IndexOf("Paste") < 0, true) << "nothing of ours on the clipboard";
    EXPECT_NE(seenRows.front().text, "-");
    EXPECT_NE(seenRows.back().text, "-");
    for (size_t i = 1; i < seenRows.size(); ++i)
        EXPECT_FALSE(seenRows[i].text == "-" && seenRows[i - 1].text == "-") << i;
    for (const MenuRow& row : seenRows) EXPECT_FALSE(row.text.empty()) << "every item has its text";
}

TEST_F(ContextMenus, TheEmptyBenchOffersTheEquipmentAndDismissingItClearsAddAtCursor) {
    RightClick(POINT{400, 300});
    ASSERT_FALSE(seenRows.empty()) << "no menu opened";
    for (const char* text : {"Balances", "Beaker", "Bunsen Burner", "Buret", "Erlenmeyer Flask", "Test Tube",
                             "Watch Glass", "Separatory Funnel", "Hot plate && Mag Stir"})
        EXPECT_GE(IndexOf(text), 0) << text;
    EXPECT_LT(IndexOf("Balances"), IndexOf("Watch Glass")) << "in the menu's order";
    EXPECT_TRUE(seenRows[size_t(IndexOf("Beaker"))].state & MF_POPUP);
    EXPECT_FALSE(AddAtCursor) << "a menu closed without a choice leaves nothing behind";
    EXPECT_EQ(LabObjectCount, 0);
}

TEST_F(ContextMenus, AnObjectAddedFromTheMenuLandsWhereTheMenuWasOpened) {
    // Where the ordinary path puts a beaker added at a point.
    const POINT click{420, 260};
    POINT screen = click;
    ClientToScreen(BenchWindow, &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y)) << "the cursor cannot be placed on this display";
    AddAtCursor = true;
    Command(kCmdAdd250Beaker);
    ASSERT_EQ(LabObjectCount, 1);
    const RectI32 expected = LabObjects[1].position;
    ResetBench();

    // The same beaker chosen from the menu with the keyboard, the cursor moved
    // far away by then.
    whileOpen = [](HWND popup, HMENU menu) {
        HMENU beakers = nullptr;
        for (int i = 0, n = GetMenuItemCount(menu); i < n && !beakers; ++i) {
            char text[64] = "";
            GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
            if (std::string(text) == "Beaker") beakers = GetSubMenu(menu, i);
        }
        if (!beakers) {
            EndMenu();
            return;
        }
        // Keyboard: open the sub-menu and pick its second row (250ml).
        const int index = [&] {
            for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
                if (GetSubMenu(menu, i) == beakers) return i;
            return 0;
        }();
        for (int i = 0; i <= index; ++i) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_RIGHT, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
        SetCursorPos(5, 5);
    };
    RightClick(click);
    ASSERT_EQ(LabObjectCount, 1) << "the choice added a beaker";
    EXPECT_EQ(LabObjects[1].type, kBeaker);
    EXPECT_EQ(LabObjects[1].position.left, expected.left);
    EXPECT_EQ(LabObjects[1].position.top, expected.top);
    EXPECT_FALSE(AddAtCursor);
}

TEST_F(ContextMenus, ADialogOpenedFromTheMenuHoldsTheSimulationUntilItCloses) {
    ASSERT_EQ(TimerPauseDepth(), 0) << "no pause left over";
    // A beaker of water over a lit burner: every tick warms it.
    BeakerOfWaterOnABurner();
    ASSERT_EQ(LabObjectCount, 2);
    LabObject& beaker = LabObjects[1];
    SetForegroundWindow(FrameWindow);
    const uint32_t before = LabTickCount;
    PumpMessages(300);
    ASSERT_GT(LabTickCount, before) << "the simulation runs";

    // Water... from the beaker's own menu, chosen with the keyboard; the
    // dialog is held open for two seconds.
    std::atomic<uint32_t> ticksAtOpen{0}, ticksAtClose{0};
    std::atomic<float> warmthAtOpen{0}, warmthAtClose{0};
    std::atomic<bool> closed{false};
    DialogDriver driver({[&](HWND dialog) {
        ticksAtOpen = LabTickCount;
        warmthAtOpen = beaker.temperature;
        Sleep(2000);
        ticksAtClose = LabTickCount;
        warmthAtClose = beaker.temperature;
        Press(IDCANCEL)(dialog);
        closed = true;
    }});
    whileOpen = [](HWND, HMENU menu) { ChooseWithKeys(menu, "Water..."); };
    RealRightClick(ClientPointOf(beaker));
    for (int i = 0; i < 600 && !closed; ++i) PumpMessages(10);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Distilled Water");
    EXPECT_EQ(ticksAtClose.load(), ticksAtOpen.load()) << "no tick ran under the dialog";
    EXPECT_EQ(warmthAtClose.load(), warmthAtOpen.load()) << "the burner warmed nothing meanwhile";
    EXPECT_EQ(TimerPauseDepth(), 0);
    const uint32_t afterClose = LabTickCount;
    PumpMessages(300);
    EXPECT_GT(LabTickCount, afterClose) << "and runs again once it closed";
}

namespace {

// The dialog is what the screen shows at a spot of it that only its
// background covers: in front of the frame, not hidden behind it.
bool ShownInFront(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    POINT spot{client.left + 3, client.bottom - 3};
    ClientToScreen(dialog, &spot);
    HWND at = WindowFromPoint(spot);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, spot.x, spot.y);
    ReleaseDC(nullptr, screen);
    return at && GetAncestor(at, GA_ROOT) == dialog && pixel == GetSysColor(COLOR_BTNFACE);
}

// A second of the program's own life, long enough for any
// reordering of the windows to have happened.
void Settle() { PumpProgramUntil([] { return false; }, 1000); }

}  // namespace

TEST_F(ContextMenus, TheTitrationDialogStaysInFrontAndItsMenuItemBringsItBack) {
    Command(kCmdAddBuret);  // its dialog opens
    Command(kCmdAdd100Beaker);
    ASSERT_EQ(LabObjectCount, 2);
    ASSERT_NE(TitrationWindow, nullptr);
    HWND titration = TitrationWindow;
    EXPECT_EQ(GetWindow(titration, GW_OWNER), FrameWindow);
    SetForegroundWindow(FrameWindow);
    Settle();
    ASSERT_TRUE(ShownInFront(titration));

    // A click on the bench: the frame is active, the dialog still in front.
    POINT empty{40, 40};
    ClientToScreen(BenchWindow, &empty);
    ClickScreen(empty);
    Settle();
    EXPECT_EQ(GetForegroundWindow(), FrameWindow);
    EXPECT_TRUE(ShownInFront(titration)) << "after a click on the bench";

    // A modal dialog opened with the keys and closed with Escape.
    SelectLabObject(2, 2);
    ObjectSelected = true;
    std::atomic<bool> closed{false};
    DialogDriver water({[](HWND) {},  // the Titration dialog, already open
                        [&](HWND dialog) {
        for (int i = 0; i < 100 && GetForegroundWindow() != dialog; ++i) Sleep(20);
        TapKey(VK_ESCAPE);
        for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(20);
        closed = true;
    }});
    TapAltKey('C');
    TapKey('W');
    PumpProgramUntil([&] { return closed.load(); }, 5000);
    water.Finish();
    ASSERT_EQ(water.Seen().size(), 2u);
    EXPECT_EQ(water.Seen()[1].caption, "Distilled Water");
    Settle();
    EXPECT_TRUE(ShownInFront(titration)) << "after a modal dialog closed";

    // The buret's own menu item makes the dialog the active window.
    ClickScreen(empty);
    Settle();
    ASSERT_EQ(GetForegroundWindow(), FrameWindow);
    whileOpen = [](HWND, HMENU menu) { ChooseWithKeys(menu, "Titration DialogBox..."); };
    POINT buret{(LabObjects[1].position.left + LabObjects[1].position.right) / 2, LabObjects[1].position.top + 10};
    LPtoDP(BenchDC, &buret, 1);  // above the beaker beside it
    RealRightClick(buret);
    PumpProgramUntil([&] { return GetForegroundWindow() == titration; }, 3000);
    EXPECT_NE(IndexOf("Titration DialogBox..."), -1) << "the buret's own menu";
    EXPECT_EQ(GetForegroundWindow(), titration) << "the command activates the dialog";
    EXPECT_TRUE(ShownInFront(titration));
    CloseTitrationDialog();
}

TEST_F(ContextMenus, AHighlightedItemOrPopupPutsItsHelpInTheStatusLine) {
    const HMENU bar = GetMenu(FrameWindow);
    const auto statusText = [] {
        char text[256] = "";
        SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    struct Case {
        const char* name;
        UINT item, flags;
        HMENU menu;
        const char* text;
    } cases[] = {
        {"New", 30, MF_STRING, GetSubMenu(bar, 0), "Creates a new lab sessions"},
        {"Zero Balance", 161, MF_STRING, GetSubMenu(bar, 4), "Zero a selected balance "},
        {"Lab Only", 106, MF_STRING, GetSubMenu(bar, 6), "Maximizes the Lab pane while hiding the Text pane."},
        {"the File pop-up", 0, MF_POPUP, bar, "Start, open, save and print lab sessions"},
        {"the menu closing", 0, 0xFFFF, nullptr, ""},
    };
    for (const Case& c : cases) {
        SendMessageA(BenchWindow, WM_MENUSELECT, MAKEWPARAM(c.item, c.flags), reinterpret_cast<LPARAM>(c.menu));
        EXPECT_EQ(statusText(), c.text) << c.name;
    }
}

}  // namespace
