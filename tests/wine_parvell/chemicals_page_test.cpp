// The Add Chemicals page in a one-page wizard sheet of its own: the two
// lists, the five buttons and their refusals, over the module's loaded lab.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>

#include "chemical_dialog_fixture.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "window_pixels.h"
#include "wizard/database/lab_chemical_list.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

using namespace chemical_test;

constexpr CasNumber kHydrochloricAcid = 7647010;
constexpr CasNumber kSodiumHydroxide = 1310732;
constexpr CasNumber kSulfuricAcid = 7664939;

std::string PerUserDatabasePath() {
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, appData);
    std::string folder = std::string(appData) + "\\Brevane";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\chemical.cdb";
}

std::string ListText(HWND page, int listId, int index) {
    HWND list = GetDlgItem(page, listId);
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR) return "";
    std::string text(size_t(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(text.data()));
    text.resize(size_t(length));
    return text;
}

int ListCount(HWND page, int listId) { return int(SendDlgItemMessageA(page, listId, LB_GETCOUNT, 0, 0)); }
int ListSelection(HWND page, int listId) { return int(SendDlgItemMessageA(page, listId, LB_GETCURSEL, 0, 0)); }
void SelectListItem(HWND page, int listId, int index) {
    SendDlgItemMessageA(page, listId, LB_SETCURSEL, WPARAM(index), 0);
}

class ChemicalsPageTest : public testing::Test {
protected:
    void SetUp() override {
        // The page reads and writes the per-user database: the test's own
        // records stand there while it runs, and what was there comes back.
        path_ = PerUserDatabasePath();
        saved_ = FileBytes(path_);
        hadFile_ = GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
        std::vector<ChemicalRecord> master = parvell::MasterChemicals();
        for (CasNumber key : {kCasWater, kHydrochloricAcid, kSodiumHydroxide, kSulfuricAcid})
            database_.push_back(master[size_t(IndexOf(master, key))]);
        ASSERT_TRUE(WriteFileBytes(path_, Bytes(database_)));

        UdlLab& lab = ParvellRuntime().EditableLab();
        lab = UdlLab{};
        parvell::InsertLabChemical(lab, 0, database_[0]);
        parvell::InsertLabChemical(lab, 1, database_[1]);
        lab.reactions.resize(1);
        strcpy(lab.reactions[0].name, "Neutralisation");
        lab.reactions[0].reactantCount = 1;
        lab.reactions[0].participants[0].cas = kHydrochloricAcid;
        lab.header.reactionCount = 1;

        PROPSHEETPAGEA page{};
        page.dwSize = sizeof page;
        page.hInstance = ParvellInstance();
        page.pszTemplate = MAKEINTRESOURCEA(kChemicalsPageTemplate);
        page.pfnDlgProc = ChemicalsPageProc;
        page.dwFlags = PSP_HASHELP;
        HPROPSHEETPAGE pages[] = {CreatePropertySheetPageA(&page)};
        PROPSHEETHEADERA header{};
        header.dwSize = sizeof header;
        header.dwFlags = PSH_WIZARD | PSH_MODELESS | PSH_HASHELP;
        header.hInstance = ParvellInstance();
        header.pszCaption = "UDL Tavistrel";
        header.nPages = 1;
        header.phpage = pages;
        sheet_ = reinterpret_cast<HWND>(PropertySheetA(&header));
        ASSERT_NE(sheet_, nullptr);
        page_ = PropSheet_GetCurrentPageHwnd(sheet_);
        ASSERT_NE(page_, nullptr);
        // Hidden, so the dialog driver answers only the boxes over it.
        ShowWindow(sheet_, SW_HIDE);
    }
    void TearDown() override {
        if (sheet_) DestroyWindow(sheet_);
        if (hadFile_)
            WriteFileBytes(path_, saved_);
        else
            DeleteFileA(path_.c_str());
        ParvellRuntime().EditableLab() = UdlLab{};
    }
    std::vector<ChemicalRecord>& Lab() { return ParvellRuntime().EditableLab().chemicals; }
    // Presses a page button as the user does, every dialog and box it opens
    // answered by steps; what was seen.
    std::vector<SeenDialog> PressButton(int id, std::vector<DialogDriver::Step> steps = {}) {
        DialogDriver driver(std::move(steps));
        Click(page_, id);
        driver.Finish();
        EXPECT_EQ(driver.Unexpected(), 0);
        return driver.Seen();
    }

    std::string path_;
    std::vector<uint8_t> saved_;
    bool hadFile_ = false;
    std::vector<ChemicalRecord> database_;
    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
};

TEST_F(ChemicalsPageTest, ListsTheDatabaseBesideTheLabAndRegistersTheDatabase) {
    ASSERT_EQ(ListCount(page_, IDC_CHEMPAGE_DATABASE), 4);
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_DATABASE, 1), "Hydrochloric acid  -  HCl");
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_DATABASE, 3), "Sulfuric acid  -  H\x7f" "2SO\x7f" "4");
    ASSERT_EQ(ListCount(page_, IDC_CHEMPAGE_LAB), 2);
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_LAB, 0), "Water  -  H\x7f" "2O");
    EXPECT_EQ(Number_Chem_Available(), 4) << "the database while it is listed";

    // Owner-drawn: the 2 of H2SO4 drawn lower than the H before it.
    HWND list = GetDlgItem(page_, IDC_CHEMPAGE_DATABASE);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 3, LPARAM(&item));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, item.right, item.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_LISTBOX;
    draw.CtlID = IDC_CHEMPAGE_DATABASE;
    draw.itemID = 3;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = list;
    draw.hDC = dc;
    draw.rcItem = item;
    SendMessageA(page_, WM_DRAWITEM, IDC_CHEMPAGE_DATABASE, LPARAM(&draw));
    SIZE prefix{}, h{}, two{};
    GetTextExtentPoint32A(dc, "Sulfuric acid  -  ", 18, &prefix);
    GetTextExtentPoint32A(dc, "H", 1, &h);
    GetTextExtentPoint32A(dc, "2", 1, &two);
    const auto inkRows = [&](int from, int to, int* top, int* bottom) {
        *top = -1, *bottom = -1;
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = from; x < to; ++x) {
                COLORREF c = GetPixel(dc, x, y);
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 300) continue;
                if (*top < 0) *top = y;
                *bottom = y;
            }
    };
    const int x = item.left + 2 + prefix.cx;
    int hTop, hBottom, lowTop, lowBottom;
    inkRows(x, x + h.cx, &hTop, &hBottom);
    inkRows(x + h.cx, x + h.cx + two.cx, &lowTop, &lowBottom);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ASSERT_GE(hBottom, 0);
    ASSERT_GE(lowBottom, 0);
    EXPECT_GT(lowBottom, hBottom + 1);
    EXPECT_GT(lowTop, hTop + 1);
    EXPECT_LE(lowBottom, item.bottom - 1) << "inside its item";
    SaveScreenshot(sheet_, "add-chemicals-page");
}

TEST_F(ChemicalsPageTest, AddingInsertsACopyAfterTheSelectionAndOpensItsProperties) {
    SelectListItem(page_, IDC_CHEMPAGE_DATABASE, 2);  // sodium hydroxide
    SelectListItem(page_, IDC_CHEMPAGE_LAB, 0);       // after water
    int registeredWhileEdited = -1;
    const std::vector<SeenDialog> seen = PressButton(IDC_CHEMPAGE_ADD, {[&](HWND dialog) {
        registeredWhileEdited = Number_Chem_Available();
        SetBox(dialog, IDC_LABCHEM_SOLUTION, true);
        SetDlgItemTextA(dialog, IDC_LABCHEM_MOLARITY, "0.1");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }, Press(IDNO)});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Lab Chemical Properties");
    // A strong base made a solution: its ions are offered, and declined.
    EXPECT_EQ(seen[1].caption, "Tavistrel");
    EXPECT_NE(seen[1].text.find("Sodium ion and Hydroxide ion"), std::string::npos) << seen[1].text;
    EXPECT_EQ(ParvellRuntime().EditableLab().reactions.size(), 1u) << "No adds no reaction";
    EXPECT_EQ(registeredWhileEdited, 3) << "the lab's chemicals while one of them is edited";
    ASSERT_EQ(Lab().size(), 3u);
    EXPECT_EQ(Lab()[1].cas, kSodiumHydroxide);
    EXPECT_EQ(Lab()[2].cas, kHydrochloricAcid);
    EXPECT_EQ(Lab()[1].state, kKindSolution);
    EXPECT_EQ(ParvellRuntime().EditableLab().header.chemicalCount, 3);
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_LAB, 1), "(0.100 M) Sodium hydroxide  -  NaOH");
    EXPECT_EQ(ListSelection(page_, IDC_CHEMPAGE_LAB), 1);
    EXPECT_EQ(database_[2].state, kKindSolid) << "the database keeps its own record";
    EXPECT_EQ(FileBytes(path_), Bytes(database_));

    // The same chemical again: it is selected, nothing is added, no dialog.
    SelectListItem(page_, IDC_CHEMPAGE_LAB, 0);
    SelectListItem(page_, IDC_CHEMPAGE_DATABASE, 1);  // hydrochloric acid, in the lab already
    EXPECT_TRUE(PressButton(IDC_CHEMPAGE_ADD).empty());
    EXPECT_EQ(Lab().size(), 3u);
    EXPECT_EQ(ListSelection(page_, IDC_CHEMPAGE_LAB), 2);

    // Leaving the page registers the lab's chemicals.
    NMHDR leave{page_, 0, UINT(PSN_KILLACTIVE)};
    SendMessageA(page_, WM_NOTIFY, 0, LPARAM(&leave));
    EXPECT_EQ(Number_Chem_Available(), 3);
}

TEST_F(ChemicalsPageTest, RemovingKeepsWaterAndChemicalsOfAReaction) {
    struct Case {
        int index;
        const char* text;
    };
    const Case refusals[] = {
        {0, "Cannot remove water, required chemical for all labs"},
        {1, "Cannot remove this chemical as it is still being used in reaction: Neutralisation"},
        {-1, "You must first select a Chemical"},
    };
    for (const Case& c : refusals) {
        SelectListItem(page_, IDC_CHEMPAGE_LAB, c.index);
        const std::vector<SeenDialog> seen = PressButton(IDC_CHEMPAGE_REMOVE, {Press(IDOK)});
        ASSERT_EQ(seen.size(), 1u) << c.text;
        EXPECT_EQ(seen[0].text, c.text);
        EXPECT_EQ(seen[0].caption, "Tavistrel");
        EXPECT_EQ(Lab().size(), 2u);
        EXPECT_EQ(ListCount(page_, IDC_CHEMPAGE_LAB), 2);
    }
    // Out of the reaction, it goes.
    ParvellRuntime().EditableLab().reactions.clear();
    SelectListItem(page_, IDC_CHEMPAGE_LAB, 1);
    EXPECT_TRUE(PressButton(IDC_CHEMPAGE_REMOVE).empty());
    ASSERT_EQ(Lab().size(), 1u);
    EXPECT_EQ(ListCount(page_, IDC_CHEMPAGE_LAB), 1);
    EXPECT_EQ(ParvellRuntime().EditableLab().header.chemicalCount, 1);
}

TEST_F(ChemicalsPageTest, TheDatabaseDialogsWriteThePerUserFile) {
    // Nothing selected: the properties and edit buttons say so.
    SelectListItem(page_, IDC_CHEMPAGE_LAB, -1);
    SelectListItem(page_, IDC_CHEMPAGE_DATABASE, -1);
    for (int button : {IDC_CHEMPAGE_PROPERTIES, IDC_CHEMPAGE_EDIT, IDC_CHEMPAGE_ADD}) {
        const std::vector<SeenDialog> seen = PressButton(button, {Press(IDOK)});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "You must first select a Chemical");
    }

    // Edit: the record in place, the file rewritten, the list refilled.
    SelectListItem(page_, IDC_CHEMPAGE_DATABASE, 3);
    PressButton(IDC_CHEMPAGE_EDIT, {[](HWND dialog) {
                    SetDlgItemTextA(dialog, IDC_CHEMDB_NAME, "Sulphuric acid");
                    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                }});
    strcpy(database_[3].name, "Sulphuric acid");
    database_[3].flags = kChemStock;
    EXPECT_EQ(FileBytes(path_), Bytes(database_));
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_DATABASE, 3), "Sulphuric acid  -  H\x7f" "2SO\x7f" "4");

    // New: appended, listed last and selected.
    PressButton(IDC_CHEMPAGE_NEW, {[](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_CHEMDB_NAME, "Chalk");
        SetWindowTextA(GetDlgItem(dialog, IDC_CHEMDB_FORMULA), "CaCO3");
        SetDlgItemTextA(dialog, IDC_CHEMDB_DESCRIPTION, "Calcium carbonate");
        SetDlgItemTextA(dialog, IDC_CHEMDB_CAS1, "471");
        SetDlgItemTextA(dialog, IDC_CHEMDB_CAS2, "34");
        SetDlgItemTextA(dialog, IDC_CHEMDB_CAS3, "1");
        for (int id : {IDC_CHEMDB_MOLAR_MASS, IDC_CHEMDB_DENSITY, IDC_CHEMDB_MELTING, IDC_CHEMDB_BOILING,
                       IDC_CHEMDB_SPECIFIC_HEAT})
            SetDlgItemTextA(dialog, id, "100");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    ASSERT_EQ(ListCount(page_, IDC_CHEMPAGE_DATABASE), 5);
    EXPECT_EQ(ListText(page_, IDC_CHEMPAGE_DATABASE, 4), "Chalk  -  CaCO3");
    EXPECT_EQ(ListSelection(page_, IDC_CHEMPAGE_DATABASE), 4);
    EXPECT_EQ(FileBytes(path_).size(), 5 * sizeof(ChemicalRecord));
    EXPECT_EQ(Number_Chem_Available(), 5);
}

}  // namespace
