// The Lab Properties, Add Indicators and PDB Files pages on real windows, with
// the spectrophotometer data and indicator properties dialogs: what each page
// shows on entry, what it stores and when, and each refusal box with its text.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hosted_page.h"
#include "resources/parvell/lab_option_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "wizard/runtime/parvell_module_win.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

constexpr CasNumber kCopperSulfate = 7758987, kPhenolphthalein = 77098, kHydrogenIon = 12385136;

ChemicalRecord Chemical(CasNumber cas, const char* name, int32_t state) {
    ChemicalRecord r{};
    r.cas = cas;
    strncpy(r.name, name, sizeof r.name - 1);
    r.state = state;
    r.flags = kChemStock;
    return r;
}

UdlLab& Lab() { return ParvellRuntime().EditableLab(); }

void StartLab(std::vector<ChemicalRecord> chemicals, int32_t style) {
    Lab() = UdlLab{};
    Lab().chemicals = std::move(chemicals);
    Lab().header.chemicalCount = int32_t(Lab().chemicals.size());
    Lab().header.labStyle = style;
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// A click that returns at once, for a button that opens a box.
void PostClick(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

int Rows(HWND list) { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

void SelectRow(HWND list, int row) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&state));
}

int SelectedRow(HWND list) { return int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }

class LabOptionPages : public testing::Test {
protected:
    void TearDown() override { Lab() = UdlLab{}; }
};

TEST_F(LabOptionPages, TheBoxesShowTheStyleAndOnlyNextStoresThem) {
    StartLab({Chemical(kCasWater, "Water", kKindLiquid)}, 0x8 | 0x10 | 0x4000);
    HostedPage host(kLabPropertiesPageTemplate, LabPropertiesPageProc, "Lab Properties");
    HWND page = host.page();
    ASSERT_TRUE(page);
    const int32_t bits[8] = {0x1, 0x100, 0x200, 0x4, 0x800, 0x8000, 0x40, 0x10};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Checked(page, IDC_LP_FIRST_BOX + i), bits[i] == 0x10) << "box " << i;
    EXPECT_FALSE(IsWindowEnabled(host.item(IDC_LP_SPECTRO))) << "no spectrophotometer offered";

    SetBox(page, IDC_LP_FIRST_BOX + 2, true);
    EXPECT_TRUE(IsWindowEnabled(host.item(IDC_LP_SPECTRO)));
    SetBox(page, IDC_LP_FIRST_BOX + 0, true);
    SaveScreenshot(host.sheet(), "wizard-lab-properties");
    EXPECT_EQ(Lab().header.labStyle, 0x8 | 0x10 | 0x4000) << "nothing stored before Next";
    host.Notify(PSN_SETACTIVE);
    EXPECT_FALSE(Checked(page, IDC_LP_FIRST_BOX + 0)) << "entry shows the lab's style again";

    for (int i : {0, 1, 2, 3, 4, 5, 6}) SetBox(page, IDC_LP_FIRST_BOX + i, true);
    SetBox(page, IDC_LP_FIRST_BOX + 7, false);
    host.Notify(PSN_WIZNEXT);
    EXPECT_EQ(Lab().header.labStyle, 0x8 | 0x4000 | 0x1 | 0x100 | 0x200 | 0x4 | 0x800 | 0x8000 | 0x40);
}

TEST_F(LabOptionPages, SpectrophotometerPointsAreEditedAndCancelPutsThemBack) {
    StartLab({Chemical(kCasWater, "Water", kKindLiquid), Chemical(kCopperSulfate, "Copper sulfate", kKindSolid)},
             0x8 | 0x200);
    SpectroPoint kept{};
    kept.cas = kCopperSulfate;
    kept.wavelength = 800;
    kept.absorptivity = 12;
    Lab().spectroPoints = {kept};
    Lab().header.spectroPointCount = 1;
    HostedPage host(kLabPropertiesPageTemplate, LabPropertiesPageProc, "Lab Properties");

    std::vector<std::string> rows;
    auto type = [](HWND dialog, int chemical, const char* nm, const char* k) {
        SendDlgItemMessageA(dialog, IDC_SD_CHEMICAL, CB_SETCURSEL, WPARAM(chemical), 0);
        SetDlgItemTextA(dialog, IDC_SD_WAVELENGTH, nm);
        SetDlgItemTextA(dialog, IDC_SD_K_VALUE, k);
    };
    {
        DialogDriver driver(PastTheSheet(host.sheet(), {
            [&](HWND dialog) {
                rows.push_back(ListCellText(GetDlgItem(dialog, IDC_SD_LIST), 0, 1));
                type(dialog, -1, "500", "2.5");
                PostClick(dialog, IDC_SD_ADD);
            },
            [&](HWND box) {
                Press(IDOK)(box);
                HWND dialog = GetWindow(box, GW_OWNER);
                HWND list = GetDlgItem(dialog, IDC_SD_LIST);
                type(dialog, 1, "500", "2.5");
                Click(dialog, IDC_SD_ADD);
                type(dialog, 1, "650 nm", "1e300");
                Click(dialog, IDC_SD_ADD);
                for (int i = 0; i < Rows(list); ++i)
                    rows.push_back(ListCellText(list, i, 0) + " | " + ListCellText(list, i, 1) + " | " + ListCellText(list, i, 2));
                SaveScreenshot(dialog, "wizard-spectrophotometer");
                Press(IDCANCEL)(dialog);
            },
        }));
        Click(host.page(), IDC_LP_SPECTRO);
        FinishDriver(driver);
        const std::vector<SeenDialog> opened = OpenedDialogs(driver, host);
        ASSERT_EQ(opened.size(), 2u);
        EXPECT_EQ(opened[0].caption, "Spectrophotometer Data");
        EXPECT_EQ(opened[1].caption, "Error");
        EXPECT_EQ(opened[1].text, "You must specify a valid chemical");
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"800 nm", "Copper sulfate | 800 nm | 12.000000",
                                              "Copper sulfate | 500 nm | 2.500000",
                                              "Copper sulfate | 0 nm | 1e+300"}));
    ASSERT_EQ(Lab().spectroPoints.size(), 1u) << "Cancel put the copy back";
    EXPECT_EQ(Lab().spectroPoints[0].wavelength, 800);
    EXPECT_EQ(Lab().header.spectroPointCount, 1);

    // Update, Remove (the one before is selected) and OK keep the edits.
    int selectedAfterRemove = -2;
    {
        DialogDriver driver(PastTheSheet(host.sheet(), {[&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_SD_LIST);
            for (const char* nm : {"400", "500", "600"}) {
                type(dialog, 1, nm, "3");
                Click(dialog, IDC_SD_ADD);
            }
            SelectRow(list, 0);
            type(dialog, 0, "450", "0.5");
            Click(dialog, IDC_SD_UPDATE);
            SelectRow(list, 2);
            Click(dialog, IDC_SD_REMOVE);
            selectedAfterRemove = SelectedRow(list);
            Press(IDOK)(dialog);
        }}));
        Click(host.page(), IDC_LP_SPECTRO);
        FinishDriver(driver);
        EXPECT_EQ(driver.Unexpected(), 0);
    }
    EXPECT_EQ(selectedAfterRemove, 1);
    ASSERT_EQ(Lab().spectroPoints.size(), 3u);
    EXPECT_EQ(Lab().header.spectroPointCount, 3);
    EXPECT_EQ(Lab().spectroPoints[0].cas, kCasWater);
    EXPECT_EQ(Lab().spectroPoints[0].wavelength, 450);
    EXPECT_EQ(Lab().spectroPoints[0].absorptivity, 0.5);
    EXPECT_EQ(Lab().spectroPoints[1].wavelength, 400);
    EXPECT_EQ(Lab().spectroPoints[2].wavelength, 600);
}

int ListCount(HWND page) { return int(SendDlgItemMessageA(page, IDC_IN_LIST, LB_GETCOUNT, 0, 0)); }

TEST_F(LabOptionPages, AnIndicatorIsCheckedFieldByFieldAndItsStyleBitFollowsTheList) {
    StartLab({Chemical(kCasWater, "Water", kKindLiquid), Chemical(kPhenolphthalein, "Phenolphthalein", kKindSolid),
              Chemical(kHydrogenIon, "Hydrogen ion", kKindIon)},
             0x8 | 0x1);
    HostedPage host(kIndicatorsPageTemplate, IndicatorsPageProc, "Add Indicators");
    HWND page = host.page();
    EXPECT_EQ(ListCount(page), 0);

    auto closeThen = [](std::function<void(HWND)> then) {
        return [then](HWND box) {
            Press(IDOK)(box);
            then(GetWindow(box, GW_OWNER));
        };
    };
    DialogDriver driver(PastTheSheet(host.sheet(), {
        [](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_ID_NAME, "Phenolphthalein");
            SetDlgItemTextA(dialog, IDC_ID_DESCRIPTION, "Colourless in acid, pink in base");
            SetDlgItemTextA(dialog, IDC_ID_LOW, "8.2");
            SetDlgItemTextA(dialog, IDC_ID_HIGH, "10");
            Press(IDOK)(dialog);
        },
        closeThen([](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_ID_CHEMICAL, CB_SETCURSEL, 1, 0);
            SetDlgItemTextA(dialog, IDC_ID_LOW, "0");
            Press(IDOK)(dialog);
        }),
        closeThen([](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_ID_LOW, "8.2");
            SetDlgItemTextA(dialog, IDC_ID_HIGH, "");
            Press(IDOK)(dialog);
        }),
        closeThen([](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_ID_HIGH, "10");
            SetBox(dialog, IDC_ID_IN_SOLUTION, true);
            SetBox(dialog, IDC_ID_MEASURES_PH, true);
            SendDlgItemMessageA(dialog, IDC_ID_HIGH_COLOUR, CB_SETCURSEL, 6, 0);  // the second blue: magenta
            SaveScreenshot(dialog, "wizard-indicator");
            Press(IDOK)(dialog);
        }),
    }));
    Click(page, IDC_IN_ADD);
    FinishDriver(driver);
    const std::vector<SeenDialog> opened = OpenedDialogs(driver, host);
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].caption, "Indicator Properties");
    const char* refusals[] = {"You must specify a valid chemical", "You must specify a valid lower concentration",
                              "You must specify a valid higher concentration"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(opened[size_t(i) + 1].caption, "Error");
        EXPECT_EQ(opened[size_t(i) + 1].text, refusals[i]);
    }

    ASSERT_EQ(Lab().indicators.size(), 1u);
    const IndicatorRecord& r = Lab().indicators[0];
    EXPECT_EQ(r.id, 10100);
    EXPECT_STREQ(r.name, "Phenolphthalein");
    EXPECT_EQ(r.cas, kPhenolphthalein);
    EXPECT_EQ(r.phase, uint32_t(kPhaseDissolved));
    EXPECT_EQ(r.mode, kIndicatorByPh);
    EXPECT_EQ(r.low, 8.2);
    EXPECT_EQ(r.high, 10);
    EXPECT_EQ(r.highColour[0], 255);
    EXPECT_EQ(r.highColour[2], 255);
    EXPECT_EQ(Lab().header.indicatorCount, 1);
    EXPECT_EQ(Lab().header.labStyle, 0x8 | 0x1 | 0x2) << "the first indicator offers the indicators";
    EXPECT_EQ(ListCount(page), 1);
    SaveScreenshot(host.sheet(), "wizard-indicators");

    SendDlgItemMessageA(page, IDC_IN_LIST, LB_SETCURSEL, 0, 0);
    Click(page, IDC_IN_DELETE);
    EXPECT_TRUE(Lab().indicators.empty());
    EXPECT_EQ(Lab().header.labStyle, 0x8 | 0x1) << "deleting the only indicator takes the bit away";
    EXPECT_EQ(ListCount(page), 0);

    Lab().header.labStyle |= 0x2;
    host.Notify(PSN_WIZNEXT);
    EXPECT_EQ(Lab().header.labStyle, 0x8 | 0x1) << "checked again on Next";
}

std::string TempFile(const char* name, const char* text) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    if (FILE* f = fopen(path.c_str(), "wb")) {
        fputs(text, f);
        fclose(f);
    }
    return path;
}

// Puts a path in the open dialog's name box (the explorer style's combo box,
// or the classic edit) and presses Open.
DialogDriver::Step ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        for (int nameBox : {0x47c, 0x480})
            if (SetDlgItemTextA(dialog, nameBox, path.c_str())) break;
        Press(IDOK)(dialog);
    };
}

TEST_F(LabOptionPages, EachChemicalCarriesOneMoleculeFileUnderASafeName) {
    StartLab({Chemical(kCasWater, "Water", kKindLiquid), Chemical(64175, "Ethanol", kKindLiquid)}, 0x8);
    const std::string water = TempFile("water.pdb", "ATOM      1  O   HOH     1\n");
    const std::string other = TempFile("h2o.pdb", "ATOM      1  O   WAT     1\n");
    const std::string database = TempFile("chemical.cdb", "not a molecule");
    HostedPage host(kPdbFilesPageTemplate, PdbFilesPageProc, "PDB Files");
    HWND list = host.item(IDC_PDB_LIST);
    ASSERT_EQ(Rows(list), 2);
    EXPECT_EQ(ListCellText(list, 1, 0), "Ethanol");
    EXPECT_EQ(ListCellText(list, 1, 1), "");

    DialogDriver driver(PastTheSheet(host.sheet(), {
        Press(IDOK),  // no chemical selected
        ChooseFile(water), ChooseFile(other), ChooseFile(database), Press(IDOK),
    }));
    Click(host.page(), IDC_PDB_SELECT);
    SelectRow(list, 0);
    Click(host.page(), IDC_PDB_SELECT);
    EXPECT_EQ(ListCellText(list, 0, 1), "water.pdb");
    Click(host.page(), IDC_PDB_SELECT);
    EXPECT_EQ(ListCellText(list, 0, 1), "h2o.pdb");
    ASSERT_EQ(Lab().moleculeFiles.size(), 1u) << "replaced, never a second record";
    EXPECT_EQ(std::string(Lab().moleculeFiles[0].record.sourcePath), other);
    SaveScreenshot(host.sheet(), "wizard-pdb-files");
    Click(host.page(), IDC_PDB_SELECT);
    FinishDriver(driver);
    const std::vector<SeenDialog> opened = OpenedDialogs(driver, host);
    ASSERT_EQ(opened.size(), 5u);
    EXPECT_EQ(opened[0].caption, "Tavistrel");
    EXPECT_EQ(opened[0].text, "You must first select a Chemical");
    EXPECT_EQ(opened[4].caption, "Error");
    EXPECT_NE(opened[4].text.find("cannot be carried in a lab"), std::string::npos) << opened[4].text;
    EXPECT_EQ(std::string(Lab().moleculeFiles[0].record.sourcePath), other) << "the refused file changed nothing";
    EXPECT_EQ(Lab().header.attachmentCount, 1);

    Click(host.page(), IDC_PDB_CLEAR);
    EXPECT_TRUE(Lab().moleculeFiles.empty());
    EXPECT_EQ(Lab().header.attachmentCount, 0);
    EXPECT_EQ(ListCellText(list, 0, 1), "");
    for (const std::string& path : {water, other, database}) DeleteFileA(path.c_str());
}

}  // namespace
