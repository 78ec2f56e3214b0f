// The Add Reactions page on real windows: a reaction built by dragging the
// lab's chemicals onto it, its equation and balance lines, the tree's menus,
// and the reaction details and reaction chemical dialogs with their refusals.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "hosted_page.h"
#include "tests/wine/control_texts.h"
#include "resources/parvell/reaction_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "wizard/reactions/equation_line_win.h"
#include "wizard/reactions/reaction_dialogs_win.h"
#include "wizard/reactions/reaction_edits.h"
#include "common/component_slot.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace parvell;

constexpr CasNumber kHydrogen = 1333740, kOxygen = 7782447;

ChemicalRecord Chemical(CasNumber cas, const char* name, const char* formula, float molarMass, int32_t state,
                        uint32_t flags) {
    ChemicalRecord r{};
    r.cas = cas;
    strncpy(r.name, name, sizeof r.name - 1);
    strncpy(r.formula, formula, sizeof r.formula - 1);
    r.molarMass = molarMass;
    r.state = state;
    r.flags = flags;
    return r;
}

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }

// Water, hydrogen and oxygen, and no reactions.
void StartLab() {
    Lab() = UdlLab{};
    Lab().chemicals = {Chemical(kCasWater, "Water", "H\x7F" "2O", 18.015f, kKindLiquid, kChemStock | kChemProduct),
                       Chemical(kHydrogen, "Hydrogen", "H\x7F" "2", 2.016f, kKindGas, kChemStock),
                       Chemical(kOxygen, "Oxygen", "O\x7F" "2", 31.998f, kKindGas, kChemStock | kChemUnknown)};
    Lab().header.chemicalCount = 3;
}

// The tree as indented lines, one space a level.
void TreeLines(HWND tree, HTREEITEM item, int depth, std::vector<std::string>& lines) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        lines.push_back(std::string(size_t(depth), ' ') + TreeItemText(tree, item));
        TreeLines(tree, TreeView_GetChild(tree, item), depth + 1, lines);
    }
}

std::vector<std::string> TreeLines(HWND tree) {
    std::vector<std::string> lines;
    TreeLines(tree, TreeView_GetRoot(tree), 0, lines);
    return lines;
}

POINT CentreOf(HWND tree, HTREEITEM item, HWND in) {
    RECT box = {};
    TreeView_GetItemRect(tree, item, &box, TRUE);
    POINT at = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    MapWindowPoints(tree, in, &at, 1);
    return at;
}

LPARAM Point(POINT p) { return MAKELPARAM(p.x, p.y); }

// Drags list row onto the tree item with the mouse messages: the press and a
// move on the list start the drag, the moves and the release go wherever the
// mouse is captured. Returns whether the tree showed the item as the target.
bool Drag(HostedPage& host, int row, HTREEITEM target) {
    HWND list = host.item(IDC_RX_CHEMICALS), tree = host.item(IDC_RX_TREE);
    TreeView_EnsureVisible(tree, target);
    RECT box = {};
    box.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&box));
    POINT press = {box.left + 4, (box.top + box.bottom) / 2};
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, Point(press));
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.x + 12, press.y + 12));
    HWND capture = GetCapture();
    if (capture != host.page()) {
        ADD_FAILURE() << "the drag did not start on the page";
        SendMessageA(list, WM_LBUTTONUP, 0, Point(press));
        return false;
    }
    SendMessageA(capture, WM_MOUSEMOVE, MK_LBUTTON, Point(CentreOf(tree, target, capture)));
    const bool shown = TreeView_GetDropHilight(tree) == target;
    SendMessageA(capture, WM_LBUTTONUP, 0, Point(CentreOf(tree, target, capture)));
    PumpPageMessages();
    return shown;
}

int RowOf(HWND list, const std::string& name) {
    for (int i = 0, n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i)
        if (ListCellText(list, i, 0) == name) return i;
    return -1;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A step that types a coefficient into the reaction chemical dialog and presses OK.
DialogDriver::Step Coefficient(const char* typed, std::string* shownName = nullptr) {
    return [typed, shownName](HWND dialog) {
        if (shownName) *shownName = parvell::FieldText(dialog, IDC_RC_CHEMICAL);
        SetDlgItemTextA(dialog, IDC_RC_COEFFICIENT, typed);
        Press(IDOK)(dialog);
    };
}


class ReactionsPageTest : public testing::Test {
protected:
    void SetUp() override { StartLab(); }
    void TearDown() override { Lab() = UdlLab{}; }

    // Adds "Water formation" through the Add Reaction button.
    static void AddWaterFormation(HostedPage& host) {
        DialogDriver driver(PastTheSheet(host.sheet(), {[](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_RD_NAME, "Water formation");
            Press(IDOK)(dialog);
        }}));
        SendMessageA(host.page(), WM_COMMAND, MAKEWPARAM(IDC_RX_ADD, BN_CLICKED), LPARAM(host.item(IDC_RX_ADD)));
        FinishDriver(driver);
        EXPECT_EQ(driver.Unexpected(), 0);
    }
};

TEST_F(ReactionsPageTest, AReactionBuiltByDraggingShowsItsEquationAndBalance) {
    HostedPage host(kReactionsPageTemplate, ReactionsPageProc, "Add Reactions");
    ASSERT_TRUE(host.page());
    HWND list = host.item(IDC_RX_CHEMICALS), tree = host.item(IDC_RX_TREE);

    // The lab's chemicals with their types.
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ListCellText(list, 0, 1), "Stock, Product");
    EXPECT_EQ(ListCellText(list, 1, 1), "Stock");
    EXPECT_EQ(ListCellText(list, 2, 1), "Stock, Unknown");
    char header[32] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Type");

    AddWaterFormation(host);
    ASSERT_EQ(Lab().reactions.size(), 1u);
    EXPECT_EQ(Lab().header.reactionCount, 1);
    EXPECT_EQ(Lab().reactions[0].flags, uint32_t(kReactInstantaneous));
    EXPECT_EQ(TreeLines(tree), (std::vector<std::string>{"Reactions", " Water formation", "  Reactants", "  Products"}));

    std::string shownName;
    {
        DialogDriver driver(PastTheSheet(host.sheet(), {Coefficient("2", &shownName), Coefficient("1"), Coefficient("2")}));
        EXPECT_TRUE(Drag(host, RowOf(list, "Hydrogen"), TreeItemAt(tree, {"Reactions", "Water formation", "Reactants"})));
        EXPECT_TRUE(Drag(host, RowOf(list, "Oxygen"), TreeItemAt(tree, {"Reactions", "Water formation", "Reactants"})));
        EXPECT_TRUE(Drag(host, RowOf(list, "Water"), TreeItemAt(tree, {"Reactions", "Water formation", "Products"})));
        FinishDriver(driver);
        EXPECT_EQ(driver.Unexpected(), 0);
        ASSERT_EQ(OpenedDialogs(driver, host).size(), 3u);
        EXPECT_EQ(OpenedDialogs(driver, host)[0].caption, "Reaction Chemical");
    }
    EXPECT_EQ(shownName, "Hydrogen");
    const ReactionRecord& r = Lab().reactions[0];
    EXPECT_EQ(r.reactantCount, 2);
    EXPECT_EQ(r.productCount, 1);
    EXPECT_EQ(r.participants[0].cas, kHydrogen);
    EXPECT_EQ(r.participants[0].phase, uint32_t(kKindGas)) << "the chemical's state";
    EXPECT_EQ(r.participants[0].coefficient, 2);
    EXPECT_EQ(r.participants[2].flags, uint32_t(kPartProduct));
    EXPECT_EQ(TreeLines(tree), (std::vector<std::string>{"Reactions", " Water formation", "  Reactants", "   Hydrogen",
                                                         "   Oxygen", "  Products", "   Water"}));
    EXPECT_EQ(WindowText(host.item(IDC_RX_EQUATION)), "2.000 (H2)  + 1.000 (O2) ->2.000 (H2O) ");
    EXPECT_EQ(WindowText(host.item(IDC_RX_BALANCE)), "(LHS = 36.030, RHS = 36.030)");
    SaveScreenshot(host.sheet(), "wizard-reactions");

    // A drop anywhere but on Reactants or Products opens nothing.
    {
        DialogDriver driver(PastTheSheet(host.sheet(), {}));
        EXPECT_FALSE(Drag(host, 0, TreeItemAt(tree, {"Reactions", "Water formation"})));
        FinishDriver(driver);
        EXPECT_TRUE(OpenedDialogs(driver, host).empty());
        EXPECT_EQ(driver.Unexpected(), 0);
    }
    EXPECT_EQ(Lab().reactions[0].reactantCount + Lab().reactions[0].productCount, 3);

    // Entering the page again shows what the lab holds now.
    Lab().chemicals.pop_back();
    host.Notify(PSN_SETACTIVE);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
}

// Draws the equation line of storedLine into a bitmap; the lowest and highest inked rows.
void InkRows(HWND control, const std::string& storedLine, int* top, int* bottom) {
    RECT box;
    GetClientRect(control, &box);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.right, box.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_STATIC;
    item.hwndItem = control;
    item.hDC = dc;
    item.rcItem = box;
    DrawEquationLine(item, storedLine);
    *top = box.bottom;
    *bottom = -1;
    const COLORREF paper = GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < box.bottom; ++y)
        for (int x = 0; x < box.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (abs(GetRValue(c) - GetRValue(paper)) + abs(GetGValue(c) - GetGValue(paper)) > 200) {
                if (y < *top) *top = y;
                *bottom = y;
            }
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(ReactionsPageTest, MarkedCharactersOfTheEquationAreLoweredAndRaised) {
    HostedPage host(kReactionsPageTemplate, ReactionsPageProc, "Add Reactions");
    HWND line = host.item(IDC_RX_EQUATION);
    int plainTop, plainBottom, lowTop, lowBottom, highTop, highBottom;
    // Letters without ascenders or descenders, so the shifted one decides.
    InkRows(line, "ace", &plainTop, &plainBottom);
    InkRows(line, "ac\x7F" "e", &lowTop, &lowBottom);
    InkRows(line, "ac\xC7" "e", &highTop, &highBottom);
    ASSERT_GE(plainBottom, 0) << "nothing drawn";
    EXPECT_GT(lowBottom, plainBottom + 2) << "a subscript sits lower";
    EXPECT_LT(highTop, plainTop - 2) << "a superscript sits higher";
}

struct MenuRow {
    std::string text;
    bool grey;
};
std::vector<MenuRow> menuRows;
int menuChoice = -1;  // the row to pick, -1 to close the menu

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    menuRows.clear();
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        char text[128] = "";
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        menuRows.push_back({text, (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED) != 0});
    }
    if (menuChoice < 0) {
        EndMenu();
        return;
    }
    PostMessageA(popup, WM_KEYDOWN, VK_HOME, 0);
    for (int i = 0; i < menuChoice; ++i) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
}

// A right click on the tree item with the real mouse messages; the menu's
// rows, and the row chosen (-1: none).
std::vector<MenuRow> RightClick(HWND tree, HTREEITEM item, int choose = -1) {
    menuRows.clear();
    menuChoice = choose;
    POINT at = CentreOf(tree, item, tree);
    POINT screen = at;
    ClientToScreen(tree, &screen);
    SetCursorPos(screen.x, screen.y);
    UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadOpenMenu);
    // The tree follows the press until the release it finds queued.
    PostMessageA(tree, WM_RBUTTONUP, 0, Point(at));
    SendMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, Point(at));
    PumpPageMessages();
    KillTimer(nullptr, timer);
    return menuRows;
}

std::vector<std::string> Texts(const std::vector<MenuRow>& rows) {
    std::vector<std::string> texts;
    for (const MenuRow& row : rows) texts.push_back(row.grey ? "(" + row.text + ")" : row.text);
    return texts;
}

ReactionRecord Named(const char* name, std::initializer_list<CasNumber> reactants, CasNumber product) {
    ReactionRecord r{};
    strcpy(r.name, name);
    r.flags = kReactInstantaneous;
    for (CasNumber cas : reactants) {
        ReactionParticipant p{};
        p.cas = cas;
        p.coefficient = 1;
        AddParticipant(r, p, false);
    }
    ReactionParticipant p{};
    p.cas = product;
    p.coefficient = 1;
    AddParticipant(r, p, true);
    return r;
}

TEST_F(ReactionsPageTest, EachNodeOffersItsMenuAndItsCommandsEditTheLab) {
    AddReaction(Lab(), Named("first", {kHydrogen, kOxygen}, kCasWater));
    AddReaction(Lab(), Named("second", {kOxygen}, kCasWater));
    HostedPage host(kReactionsPageTemplate, ReactionsPageProc, "Add Reactions");
    HWND tree = host.item(IDC_RX_TREE);

    EXPECT_EQ(Texts(RightClick(tree, TreeItemAt(tree, {"Reactions"}))), (std::vector<std::string>{"Add New Reaction..."}));
    EXPECT_EQ(Texts(RightClick(tree, TreeItemAt(tree, {"Reactions", "first"}))),
              (std::vector<std::string>{"Edit Reaction...", "Delete Reaction", "(Move Up)", "Move Down"}));
    EXPECT_EQ(Texts(RightClick(tree, TreeItemAt(tree, {"Reactions", "second"}))),
              (std::vector<std::string>{"Edit Reaction...", "Delete Reaction", "Move Up", "(Move Down)"}));
    EXPECT_EQ(Texts(RightClick(tree, TreeItemAt(tree, {"Reactions", "first", "Reactants", "Oxygen"}))),
              (std::vector<std::string>{"Edit Chemical...", "Delete Chemical..."}));
    EXPECT_TRUE(RightClick(tree, TreeItemAt(tree, {"Reactions", "first", "Products"})).empty()) << "no menu";
    EXPECT_TRUE(RightClick(tree, TreeItemAt(tree, {"Reactions", "first", "Reactants"})).empty()) << "no menu";

    // Move Down on the first swaps it with the second and keeps it selected.
    RightClick(tree, TreeItemAt(tree, {"Reactions", "first"}), 3);
    ASSERT_EQ(Lab().reactions.size(), 2u);
    EXPECT_STREQ(Lab().reactions[0].name, "second");
    EXPECT_STREQ(Lab().reactions[1].name, "first");
    EXPECT_EQ(TreeItemText(tree, TreeView_GetSelection(tree)), "first");

    // Delete Chemical... closes the gap in the record.
    RightClick(tree, TreeItemAt(tree, {"Reactions", "first", "Reactants", "Hydrogen"}), 1);
    const ReactionRecord& first = Lab().reactions[1];
    EXPECT_EQ(first.reactantCount, 1);
    EXPECT_EQ(first.participants[0].cas, kOxygen);
    EXPECT_EQ(first.participants[1].cas, kCasWater);
    EXPECT_EQ(WindowText(host.item(IDC_RX_EQUATION)), "1.000 (O2) ->1.000 (H2O) ");

    // Delete Reaction from the menu; the count follows.
    RightClick(tree, TreeItemAt(tree, {"Reactions", "second"}), 1);
    ASSERT_EQ(Lab().reactions.size(), 1u);
    EXPECT_EQ(Lab().header.reactionCount, 1);
    EXPECT_STREQ(Lab().reactions[0].name, "first");
}

TEST_F(ReactionsPageTest, AFullReactionRefusesTheTwentySixthChemical) {
    ReactionRecord full = Named("full", {}, kCasWater);
    ReactionParticipant p{};
    p.cas = kOxygen;
    p.coefficient = 1;
    while (AddParticipant(full, p, false)) {
    }
    full.participants[0].cas = kHydrogen;
    AddReaction(Lab(), full);
    ReactionRecord room = full;
    RemoveParticipant(room, 24);
    strcpy(room.name, "room for one");
    AddReaction(Lab(), room);
    HostedPage host(kReactionsPageTemplate, ReactionsPageProc, "Add Reactions");
    HWND tree = host.item(IDC_RX_TREE), list = host.item(IDC_RX_CHEMICALS);

    DialogDriver driver(PastTheSheet(host.sheet(), {Press(IDOK), Coefficient("1")}));
    Drag(host, RowOf(list, "Water"), TreeItemAt(tree, {"Reactions", "full", "Products"}));
    Drag(host, RowOf(list, "Water"), TreeItemAt(tree, {"Reactions", "room for one", "Products"}));
    FinishDriver(driver);
    const std::vector<SeenDialog> opened = OpenedDialogs(driver, host);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].caption, "Error");
    EXPECT_NE(opened[0].text.find("at most 25 chemicals"), std::string::npos) << opened[0].text;
    EXPECT_EQ(opened[1].caption, "Reaction Chemical") << "the 25th is still taken";
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(UsedParticipantCount(Lab().reactions[0]), 25);
    ASSERT_EQ(UsedParticipantCount(Lab().reactions[1]), 25);
    EXPECT_EQ(Lab().reactions[1].participants[24].cas, kCasWater);
    EXPECT_EQ(Lab().reactions[1].productCount, 2);
}

TEST(ReactionChemicalDialog, EachRefusalShowsItsTextAndCancelKeepsTheParticipant) {
    ReactionParticipant gas{};
    gas.cas = kOxygen;
    gas.phase = kPhaseGas;
    gas.coefficient = 1;
    gas.flags = kPartReactant;
    ReactionParticipant edited = gas;
    bool atmosphereOffered = false;
    auto typeAndOk = [](const char* coefficient, const char* low, const char* high) {
        return [=](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_RC_COEFFICIENT, coefficient);
            SetDlgItemTextA(dialog, IDC_RC_LOW, low);
            SetDlgItemTextA(dialog, IDC_RC_HIGH, high);
            Press(IDOK)(dialog);
        };
    };
    // Each box is closed and the next values typed into the dialog under it.
    auto closeAndType = [&](const char* coefficient, const char* low, const char* high) {
        return [=](HWND box) {
            Press(IDOK)(box);
            typeAndOk(coefficient, low, high)(GetWindow(box, GW_OWNER));
        };
    };
    DialogDriver driver({
        [&](HWND dialog) {
            atmosphereOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_RC_FROM_ATMOSPHERE));
            SaveScreenshot(dialog, "wizard-reaction-chemical");
            SetBox(dialog, IDC_RC_COLOUR_CHANGE, true);
            SetBox(dialog, IDC_RC_COLOUR_RANGE, true);
            typeAndOk("0", "0.1", "1")(dialog);
        },
        closeAndType("2", "-1", "1"),
        closeAndType("2", "0.1", "0"),
        [](HWND box) {
            Press(IDOK)(box);
            Press(IDCANCEL)(GetWindow(box, GW_OWNER));
        },
    });
    EXPECT_FALSE(EditReactionChemical(nullptr, edited, "Oxygen"));
    FinishDriver(driver);
    EXPECT_TRUE(atmosphereOffered) << "a gas may come from the atmosphere";
    ASSERT_EQ(driver.Seen().size(), 4u);
    const char* texts[] = {"You must specify a valid mole fraction", "You must specify a valid concentration",
                           "You must specify a valid 2nd concentration"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(driver.Seen()[size_t(i) + 1].caption, "Error");
        EXPECT_EQ(driver.Seen()[size_t(i) + 1].text, texts[i]);
    }
    EXPECT_EQ(memcmp(&edited, &gas, sizeof gas), 0) << "a refused or cancelled dialog changes nothing";
}

TEST(ReactionChemicalDialog, OkStoresTheColourRuleWithItsColours) {
    ReactionParticipant p{};
    p.cas = kCasWater;
    p.phase = kPhaseLiquid;
    p.coefficient = 1;
    p.flags = kPartProduct;
    bool atmosphereOffered = true;
    DialogDriver driver({[&](HWND dialog) {
        atmosphereOffered = IsWindowEnabled(GetDlgItem(dialog, IDC_RC_FROM_ATMOSPHERE));
        SetDlgItemTextA(dialog, IDC_RC_COEFFICIENT, "0.5");
        SetBox(dialog, IDC_RC_IN_SOLUTION, true);
        SetBox(dialog, IDC_RC_ALWAYS_TEST, true);
        SetBox(dialog, IDC_RC_COLOUR_CHANGE, true);
        SetDlgItemTextA(dialog, IDC_RC_LOW, "0.01");
        SendDlgItemMessageA(dialog, IDC_RC_COLOUR_A, CB_SETCURSEL, 1, 0);  // red
        Press(IDOK)(dialog);
    }});
    ASSERT_TRUE(EditReactionChemical(nullptr, p, "Water"));
    FinishDriver(driver);
    EXPECT_FALSE(atmosphereOffered) << "only a gas comes from the atmosphere";
    EXPECT_EQ(p.coefficient, 0.5);
    EXPECT_EQ(p.phase, uint32_t(kPhaseLiquid | kPhaseDissolved));
    EXPECT_EQ(p.flags, uint32_t(kPartProduct | kPartAlwaysColourTest | kPartColourRule));
    EXPECT_EQ(p.low, 0.01);
    EXPECT_EQ(p.colourA[0], 255);
    EXPECT_EQ(p.colourA[1], 0);
}

TEST(ReactionDetailsDialog, ShowsTheRecordAndRebuildsItsFlagWord) {
    ReactionRecord r{};
    strcpy(r.name, "Ammonia");
    r.flags = kReactFixedRate | kReactMinTemperature | kReactEquilibrium | 0x20;
    r.minCelsius = 25;
    r.rateConstant = 0.125;
    r.equilibriumConstant = 1.8e-5;
    std::string shown[4];
    bool orderEnabled = true;
    DialogDriver driver({[&](HWND dialog) {
        shown[0] = parvell::FieldText(dialog, IDC_RD_NAME);
        shown[1] = parvell::FieldText(dialog, IDC_RD_MINIMUM_VALUE);
        shown[2] = parvell::FieldText(dialog, IDC_RD_EQUILIBRIUM_VALUE);
        shown[3] = parvell::FieldText(dialog, IDC_RD_RATE_CONSTANT);
        orderEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RD_ORDER_FIRST));
        SaveScreenshot(dialog, "wizard-reaction-details");
        SendDlgItemMessageA(dialog, IDC_RD_BY_CONCENTRATION, BM_CLICK, 0, 0);
        SetDlgItemTextA(dialog, IDC_RD_ORDER_FIRST, "1");
        SetDlgItemTextA(dialog, IDC_RD_ORDER_SECOND, "2");
        SetBox(dialog, IDC_RD_LIGHT, true);
        SetBox(dialog, IDC_RD_MINIMUM, false);
        SetDlgItemTextA(dialog, IDC_RD_EQUILIBRIUM_VALUE, "1e300");
        Press(IDOK)(dialog);
    }});
    ASSERT_TRUE(EditReactionDetails(nullptr, r));
    FinishDriver(driver);
    EXPECT_EQ(shown[0], "Ammonia");
    EXPECT_EQ(shown[1], "25.00000000");
    EXPECT_EQ(shown[2], "1.8e-05") << "K keeps its digits";
    EXPECT_EQ(shown[3], "0.12500000");
    EXPECT_FALSE(orderEnabled) << "orders belong to a rate by concentration";
    EXPECT_EQ(r.flags, uint32_t(kReactRateLaw | kReactNeedsLight | kReactEquilibrium));
    EXPECT_EQ(r.rateConstant, 0.125);
    EXPECT_EQ(r.orderFirst, 1);
    EXPECT_EQ(r.orderSecond, 2);
    EXPECT_EQ(r.equilibriumConstant, 1e300);
}

}  // namespace
