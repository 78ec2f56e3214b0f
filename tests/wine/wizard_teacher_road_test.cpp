// A teacher's whole road through the wizard on the program's real windows: a
// neutralisation lab built from RTF documents and the master database's
// chemicals, its reaction made by dragging chemicals onto it, the pH meter,
// an indicator, a spectrophotometer point and a molecule file; Finish writes
// it to the per-user folder, the host runs it and a beaker on the bench
// reacts, and Edit shows the same lab on every page.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_tick.h"
#include "common/equipment_type.h"
#include "control_texts.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "resources/parvell/lab_option_dialog_ids.h"
#include "resources/parvell/reaction_dialog_ids.h"
#include "wizard/udl_file.h"
#include "wizard_commands_fixture.h"
#include "wizard_page_script.h"

using namespace sheet_script;
using namespace wizard_commands;

namespace {

constexpr CasNumber kHydrogenIon = 12385136, kHydroxideIon = 14280309, kSodiumChloride = 7647145;

// Drags the lab chemical onto the tree item with the mouse messages, as the
// page sees a drag; the release opens the Reaction Chemical dialog, answered
// with a coefficient of one.
void DragOnto(HWND sheet, HWND page, const std::string& chemical, const std::vector<std::string>& target) {
    HWND list = GetDlgItem(page, IDC_RX_CHEMICALS), tree = GetDlgItem(page, IDC_RX_TREE);
    const int row = ListViewRow(list, chemical);
    HTREEITEM item = TreeItemAt(tree, target);
    ASSERT_GE(row, 0) << chemical;
    ASSERT_NE(item, nullptr) << target.back();
    RECT box = {};
    box.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&box));
    const POINT press = {box.left + 4, (box.top + box.bottom) / 2};
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.x + 12, press.y + 12));
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(ThreadOf(page), &info);
    ASSERT_EQ(info.hwndCapture, page) << "the drag of " << chemical << " did not start";
    TreeView_GetItemRect(tree, item, &box, TRUE);
    POINT drop = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    MapWindowPoints(tree, page, &drop, 1);
    SendMessageA(page, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
    EXPECT_EQ(TreeView_GetDropHilight(tree), item) << chemical;
    PostMessageA(page, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    HWND dialog = Opened(sheet, "Reaction Chemical");
    ASSERT_NE(dialog, nullptr) << chemical;
    SetControlText(dialog, IDC_RC_COEFFICIENT, "1");
    ASSERT_TRUE(Answer(dialog, IDOK));
}

// The open dialog's name box (the explorer style's combo box, or the classic
// edit) given a path, and Open pressed.
void ChooseFile(HWND dialog, const std::string& path) {
    for (int nameBox : {0x47c, 0x480})
        if (SetDlgItemTextA(dialog, nameBox, path.c_str())) break;
    ASSERT_TRUE(Answer(dialog, IDOK));
}

class TeacherRoad : public WizardCommands {
protected:
    void SetUp() override {
        molecule_ = TempPath("water.pdb");
        WriteText(molecule_, "ATOM      1  O   HOH     1       0.000   0.000   0.000\n");
        WizardCommands::SetUp();
    }
    void TearDown() override {
        WizardCommands::TearDown();
        ResetLabObjects();
        DeleteFileA(molecule_.c_str());
        DeleteFileA(PerUserPath("water.pdb").c_str());
    }
    MasterDatabaseInUse master_;
    std::string molecule_;
};

// Walks a new lab through every page of the sheet.
void BuildNeutralisation(HWND sheet, const std::string& molecule, const std::string (&documents)[3]) {
    FillLabHeaderPages(sheet, "Neutralisation", "Hydrogen ions meet hydroxide ions.", documents);
    if (testing::Test::HasFatalFailure()) return;
    HWND page = CurrentPage(sheet);
    for (const char* name : {"Hydrogen ion", "Hydroxide ion", "Sodium chloride"}) AddFromDatabase(sheet, page, name);
    SaveScreenshot(sheet, "wizard-road-chemicals");

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "Add Reactions");
    Click(page, IDC_RX_ADD);
    HWND details = Opened(sheet, "Reaction Details");
    ASSERT_NE(details, nullptr);
    SetControlText(details, IDC_RD_NAME, "Neutralisation");
    ASSERT_TRUE(Answer(details, IDOK));
    DragOnto(sheet, page, "Hydrogen ion", {"Reactions", "Neutralisation", "Reactants"});
    DragOnto(sheet, page, "Hydroxide ion", {"Reactions", "Neutralisation", "Reactants"});
    DragOnto(sheet, page, "Water", {"Reactions", "Neutralisation", "Products"});
    SaveScreenshot(sheet, "wizard-road-reactions");

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "Lab Properties");
    Tick(page, IDC_LP_FIRST_BOX + 0);  // the pH meter
    Tick(page, IDC_LP_FIRST_BOX + 2);  // the spectrophotometer
    Click(page, IDC_LP_SPECTRO);
    HWND spectro = Opened(sheet, "Spectrophotometer Data");
    ASSERT_NE(spectro, nullptr);
    SelectStartingWith(spectro, IDC_SD_CHEMICAL, "Sodium chloride", true);
    SetControlText(spectro, IDC_SD_WAVELENGTH, "520");
    SetControlText(spectro, IDC_SD_K_VALUE, "1.5");
    SendMessageA(spectro, WM_COMMAND, MAKEWPARAM(IDC_SD_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(spectro, IDC_SD_ADD)));
    ASSERT_TRUE(Answer(spectro, IDOK));

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "Add Indicators");
    AddPhIndicator(sheet, page, "Universal indicator", "Red in acid, violet in alkali", "Hydrogen ion", "6", "8");
    if (testing::Test::HasFatalFailure()) return;

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "PDB Files");
    HWND molecules = GetDlgItem(page, IDC_PDB_LIST);
    SelectListViewRow(molecules, ListViewRow(molecules, "Water"));
    Click(page, IDC_PDB_SELECT);
    HWND open = Opened(sheet, nullptr);
    ASSERT_NE(open, nullptr);
    ChooseFile(open, molecule);
    EXPECT_EQ(ListCellText(molecules, ListViewRow(molecules, "Water"), 1), "water.pdb");

    ASSERT_TRUE(NextUntil(sheet, kFinishPage));
    PressSheetButton(sheet, PSBTN_FINISH);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
}

const ReactionParticipant* Participant(const ReactionRecord& r, CasNumber cas) {
    for (const ReactionParticipant& p : r.participants)
        if (p.cas == cas) return &p;
    return nullptr;
}

TEST_F(TeacherRoad, ANeutralisationLabBuiltPageByPageRunsInTheHostAndComesBackWhole) {
    const std::string documents[3] = {Document("introduction"), Document("procedure"), Document("observations")};
    RunCommand(kCmdCreateNewUdl, [&](HWND sheet) { BuildNeutralisation(sheet, molecule_, documents); });
    ASSERT_STREQ(CurrentUdlName, kLabName);

    // What Finish wrote.
    UdlIoWin io(nullptr, nullptr);
    UdlLab lab;
    ASSERT_EQ(ReadUdlFile(PerUserPath(kLabName), lab, io), 1);
    std::vector<CasNumber> chemicals;
    for (const ChemicalRecord& c : lab.chemicals) chemicals.push_back(c.cas);
    EXPECT_EQ(chemicals, (std::vector<CasNumber>{kCasWater, kHydrogenIon, kHydroxideIon, kSodiumChloride}));
    ASSERT_EQ(lab.reactions.size(), 1u);
    const ReactionRecord& reaction = lab.reactions[0];
    EXPECT_STREQ(reaction.name, "Neutralisation");
    EXPECT_EQ(reaction.reactantCount, 2);
    EXPECT_EQ(reaction.productCount, 1);
    const ReactionParticipant* acid = Participant(reaction, kHydrogenIon);
    const ReactionParticipant* base = Participant(reaction, kHydroxideIon);
    ASSERT_TRUE(acid && base && Participant(reaction, kCasWater));
    EXPECT_EQ(lab.header.labStyle & 0x1, 0x1) << "the pH meter";
    EXPECT_EQ(lab.header.labStyle & 0x2, 0x2) << "the indicators";
    EXPECT_EQ(lab.header.labStyle & 0x200, 0x200) << "the spectrophotometer";
    ASSERT_EQ(lab.spectroPoints.size(), 1u);
    EXPECT_EQ(lab.spectroPoints[0].cas, kSodiumChloride);
    EXPECT_EQ(lab.spectroPoints[0].wavelength, 520);
    EXPECT_EQ(lab.spectroPoints[0].absorptivity, 1.5);
    ASSERT_EQ(lab.indicators.size(), 1u);
    EXPECT_STREQ(lab.indicators[0].name, "Universal indicator");
    EXPECT_EQ(lab.indicators[0].cas, kHydrogenIon);
    ASSERT_EQ(lab.moleculeFiles.size(), 1u);
    EXPECT_EQ(lab.moleculeFiles[0].record.cas, kCasWater);
    EXPECT_NE(std::string(lab.introduction).find("The lab's introduction text."), std::string::npos);

    // The host runs it: its meters, its indicator, its molecule file.
    EXPECT_EQ(PluginTable.QueryLabStyle() & 0x201, 0x201);
    EXPECT_EQ(PluginTable.IndicatorAvailable(), 1);
    char molecule[MAX_PATH] = {};
    EXPECT_EQ(PluginTable.PDBFileAvailable(kCasWater, molecule), 1);
    EXPECT_STRCASEEQ(molecule, PerUserPath("water.pdb").c_str());

    // A beaker of a tenth of a mole of each ion reacts on the bench's ticks.
    ResetLabObjects();
    LabObjects[1] = EquipmentPrototype(kBeaker, false);
    LabObjectCount = 1;
    AddComponent(LabObjects[1], kCasWater, kPhaseLiquid, 100, 298);
    AddComponent(LabObjects[1], kHydrogenIon, acid->phase, 0.1008, 298);
    AddComponent(LabObjects[1], kHydroxideIon, base->phase, 1.7007, 298);
    const double waterBefore = MassOfComponent(LabObjects[1], kCasWater, 0xFFFF);
    for (int i = 0; i < 3 * int(kHeavyTickPeriod); ++i) SendMessageA(BenchWindow, WM_TIMER, 1, 0);
    EXPECT_LT(MassOfComponent(LabObjects[1], kHydrogenIon, 0xFFFF), 0.01);
    EXPECT_LT(MassOfComponent(LabObjects[1], kHydroxideIon, 0xFFFF), 0.17);
    EXPECT_NEAR(MassOfComponent(LabObjects[1], kCasWater, 0xFFFF) - waterBefore, 1.8, 0.2);
    ResetLabObjects();

    // Edit shows the same lab on every page.
    RunCommand(kCmdEditUdl, [&](HWND sheet) {
        ASSERT_TRUE(NextUntil(sheet, kInformationPage));
        HWND page = CurrentPage(sheet);
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_TITLE), "Neutralisation");
        EXPECT_EQ(ControlTextOf(page, IDC_UDL_AUTHOR), "A. Teacher");
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        EXPECT_EQ(ControlTextOf(CurrentPage(sheet), IDC_DOC_PROCEDURE), documents[1]);
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        const std::vector<std::string> listed = ListBoxTexts(GetDlgItem(CurrentPage(sheet), IDC_CHEMPAGE_LAB));
        ASSERT_EQ(listed.size(), 4u);
        EXPECT_EQ(listed[1].rfind("Hydrogen ion", 0), 0u) << listed[1];
        EXPECT_EQ(listed[3].rfind("Sodium chloride", 0), 0u) << listed[3];
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        HWND tree = GetDlgItem(CurrentPage(sheet), IDC_RX_TREE);
        HTREEITEM reactants = TreeItemAt(tree, {"Reactions", "Neutralisation", "Reactants"});
        ASSERT_NE(reactants, nullptr);
        std::vector<std::string> under;
        for (HTREEITEM i = TreeView_GetChild(tree, reactants); i; i = TreeView_GetNextSibling(tree, i))
            under.push_back(TreeItemText(tree, i));
        EXPECT_EQ(under.size(), 2u);
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        page = CurrentPage(sheet);
        EXPECT_TRUE(Ticked(page, IDC_LP_FIRST_BOX + 0));
        EXPECT_TRUE(Ticked(page, IDC_LP_FIRST_BOX + 2));
        EXPECT_FALSE(Ticked(page, IDC_LP_FIRST_BOX + 3));
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        EXPECT_EQ(ListBoxTexts(GetDlgItem(CurrentPage(sheet), IDC_IN_LIST)),
                  (std::vector<std::string>{"Universal indicator"}));
        ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
        HWND molecules = GetDlgItem(CurrentPage(sheet), IDC_PDB_LIST);
        EXPECT_EQ(ListCellText(molecules, ListViewRow(molecules, "Water"), 1), "water.pdb");
    });
    EXPECT_STREQ(CurrentUdlName, kLabName) << "Cancel keeps the lab";
}

}  // namespace
