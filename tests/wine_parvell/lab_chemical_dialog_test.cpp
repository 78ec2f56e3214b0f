// The lab chemical properties dialog on its real window: its boxes, the
// solution rules, the defaults button, the heading's formula.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "chemical_dialog_fixture.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "window_pixels.h"
#include "wizard/database/chemical_dialogs_win.h"
#include "wizard/database/lab_chemical_list.h"

namespace {

using namespace chemical_test;

constexpr CasNumber kSodiumHydroxide = 1310732;
constexpr CasNumber kSulfuricAcid = 7664939;

ChemicalRecord MasterRecord(CasNumber key) {
    std::vector<ChemicalRecord> master = parvell::MasterChemicals();
    int at = IndexOf(master, key);
    return at >= 0 ? master[size_t(at)] : ChemicalRecord{};
}

struct Enabled {
    bool product, molarity;
};

Enabled EnabledOf(HWND dialog) {
    return {IsWindowEnabled(GetDlgItem(dialog, IDC_LABCHEM_PRODUCT)) != FALSE,
            IsWindowEnabled(GetDlgItem(dialog, IDC_LABCHEM_MOLARITY)) != FALSE};
}

TEST(LabChemicalDialog, SolutionProductAndTheLabsOwnProperties) {
    ChemicalRecord base = MasterRecord(kSodiumHydroxide);
    ASSERT_EQ(base.state, kKindSolid);
    ChemicalRecord record = base;
    Enabled opened{}, asSolution{}, unchecked{};
    bool productWhileSolution = true, productRestored = false;
    std::string a, b, caption;
    DialogDriver driver({[&](HWND dialog) {
                             char text[64] = "";
                             GetWindowTextA(dialog, text, sizeof text);
                             caption = text;
                             opened = EnabledOf(dialog);
                             SetBox(dialog, IDC_LABCHEM_PRODUCT, true);
                             SetBox(dialog, IDC_LABCHEM_SOLUTION, true);
                             asSolution = EnabledOf(dialog);
                             productWhileSolution = Checked(dialog, IDC_LABCHEM_PRODUCT);
                             SetBox(dialog, IDC_LABCHEM_SOLUTION, false);
                             unchecked = EnabledOf(dialog);
                             productRestored = Checked(dialog, IDC_LABCHEM_PRODUCT);
                             SetBox(dialog, IDC_LABCHEM_SOLUTION, true);
                             SetDlgItemTextA(dialog, IDC_LABCHEM_MOLARITY, "");
                             PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                         },
                         [&](HWND box) {
                             HWND dialog = GetWindow(box, GW_OWNER);
                             Press(IDOK)(box);
                             SetDlgItemTextA(dialog, IDC_LABCHEM_MOLARITY, "0.1");
                             SetBox(dialog, IDC_LABCHEM_UNKNOWN, true);
                             SetDlgItemTextA(dialog, IDC_LABCHEM_UNKNOWN_NAME, "Base X, a white solid of the lab");
                             SetBox(dialog, IDC_LABCHEM_CONDUCTOR, true);
                             Click(dialog, IDC_LABCHEM_DEFAULTS);
                             a = Text(dialog, IDC_LABCHEM_COEFFICIENT_A);
                             b = Text(dialog, IDC_LABCHEM_COEFFICIENT_B);
                             SetBox(dialog, IDC_LABCHEM_FLAME, true);
                             ChooseText(dialog, IDC_LABCHEM_FLAME_COLOUR, "yellow");
                             ChooseText(dialog, IDC_LABCHEM_COLOUR, "grey");
                             PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                         }});
    EXPECT_EQ(RunLabChemicalDialog(nullptr, record, base), 1);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(caption, "Lab Chemical Properties");
    ASSERT_EQ(driver.Seen().size(), 2u);
    EXPECT_EQ(driver.Seen()[1].caption, "Error");
    EXPECT_EQ(driver.Seen()[1].text, "You must specify a valid Molarity");

    EXPECT_TRUE(opened.product);
    EXPECT_FALSE(opened.molarity);
    EXPECT_FALSE(asSolution.product) << "product disabled while a solution";
    EXPECT_FALSE(productWhileSolution) << "and cleared";
    EXPECT_TRUE(asSolution.molarity);
    EXPECT_TRUE(unchecked.product);
    EXPECT_TRUE(productRestored) << "unchecking brings the product box back";
    EXPECT_EQ(a, "141.3");
    EXPECT_EQ(b, "29.5");

    EXPECT_EQ(record.state, kKindSolution);
    EXPECT_EQ(record.solventCas, kCasWater);
    EXPECT_EQ(record.molarity, 0.1);
    EXPECT_EQ(record.flags, kChemStock | kChemUnknown | 0x200u | 0x400u);
    EXPECT_STREQ(record.unknownName, std::string("Base X, a white solid of the lab").substr(0, 30).c_str());
    EXPECT_EQ(record.conductivityA, 141.3);
    EXPECT_EQ(record.conductivityB, 29.5);
    EXPECT_EQ(record.flameColour[0], 255);
    EXPECT_EQ(record.flameColour[1], 255);
    EXPECT_EQ(record.flameColour[2], 0);
    EXPECT_EQ(record.colour[0], 0xC0);
    EXPECT_EQ(memcmp(record.name, base.name, sizeof base.name), 0);
}

TEST(LabChemicalDialog, UncheckingASolutionGoesBackToTheDatabaseState) {
    const std::vector<ChemicalRecord> database = parvell::MasterChemicals();
    ChemicalRecord record = MasterRecord(kSulfuricAcid);
    ASSERT_EQ(record.state, kKindLiquid);
    record.state = kKindSolution;
    record.solventCas = kCasWater;
    record.molarity = 2;
    const ChemicalRecord earlier = parvell::EarlierStateOf(record, database.data(), int32_t(database.size()));
    std::string molarity;
    int inkTop = -1, inkBottom = -1, lowTop = -1, lowBottom = -1;
    DialogDriver driver({[&](HWND dialog) {
        molarity = Text(dialog, IDC_LABCHEM_MOLARITY);
        SaveScreenshot(dialog, "lab-chemical-dialog");
        // The heading "Sulfuric acid  -  H2SO4": the 2 after the H lower.
        HWND heading = GetDlgItem(dialog, IDC_LABCHEM_HEADING);
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        UpdateWindow(dialog);
        HDC dc = GetDC(heading);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
        SIZE prefix{}, h{}, two{};
        const std::string before = parvell::ChemicalListPrefix(record, false);
        GetTextExtentPoint32A(dc, before.c_str(), int(before.size()), &prefix);
        GetTextExtentPoint32A(dc, "H", 1, &h);
        GetTextExtentPoint32A(dc, "2", 1, &two);
        SelectObject(dc, old);
        ReleaseDC(heading, dc);
        WindowPixels pixels(heading, true);
        pixels.InkRows(prefix.cx, prefix.cx + h.cx, 0, pixels.height(), &inkTop, &inkBottom);
        pixels.InkRows(prefix.cx + h.cx, prefix.cx + h.cx + two.cx, 0, pixels.height(), &lowTop, &lowBottom);
        SetBox(dialog, IDC_LABCHEM_SOLUTION, false);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }});
    EXPECT_EQ(RunLabChemicalDialog(nullptr, record, earlier), 1);
    driver.Finish();
    EXPECT_EQ(molarity, "2");
    EXPECT_EQ(record.state, kKindLiquid);
    EXPECT_EQ(record.solventCas, 0u);
    EXPECT_EQ(record.molarity, 0);
    ASSERT_GE(inkBottom, 0);
    ASSERT_GE(lowBottom, 0);
    EXPECT_GT(lowBottom, inkBottom + 1);
    EXPECT_GT(lowTop, inkTop + 1);
}

}  // namespace
