// The contents dialogs on real windows: each opened as its command opens it,
// its controls filled, OK or Cancel pressed, and the record checked. The
// lab module's entries are this test's own functions.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/modules/module_host.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/contents/contents_commands.h"
#include "bench/commands/contents/contents_dialogs_win.h"
#include "bench/commands/contents/dialog_helpers_win.h"
#include "bench/commands/contents/contents_seams.h"
#include "bench/commands/contents/label_text.h"
#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "dialog_driver.h"
#include "resources/brevane/contents_ids.h"
#include "test_window.h"
#include "tests/support/build_folders_win.h"

namespace {

constexpr CasNumber kSalt = 7647145;
constexpr CasNumber kEthanol = 64175;

ChemicalRecord Chemical(CasNumber cas, const char* name, const char* formula, int32_t state, float density) {
    ChemicalRecord r;
    std::memset(&r, 0, sizeof r);
    r.cas = cas;
    std::strcpy(r.name, name);
    std::strcpy(r.formula, formula);
    r.flags = kChemStock;
    r.state = state;
    r.molarMass = 58.44f;
    r.density = density;
    r.colour[0] = r.colour[1] = r.colour[2] = 200;
    return r;
}

IndicatorRecord testIndicators[2];

int IndicatorCount() { return 3; }

// Record 1 is missing: the dialog skips it.
IndicatorRecord* IndicatorAt(int i) { return i == 1 ? nullptr : &testIndicators[i == 0 ? 0 : 1]; }

// The folder the test's molecule file lies in: %TEMP%\brevane-molecules.
std::string MoleculeFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "brevane-molecules";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

int PdbAvailable(CasNumber cas, char* path) {
    if (cas != kSalt) return 0;
    lstrcpynA(path, (MoleculeFolder() + "\\sodium chloride.pdb").c_str(), MAX_PATH);
    return 1;
}

std::string ProgramFile(const char* name) { return ProgramFolderFile(name); }

// whole, the user's decimal separator, rest.
std::string Decimal(const char* whole, const char* rest) {
    std::string text = whole;
    text += UserDecimalSeparator();
    text += rest;
    return text;
}

std::string Text(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Choose(HWND dialog, int listId, int data) {
    SendDlgItemMessageA(dialog, listId, CB_SETCURSEL, ComboIndexOfData(dialog, listId, data), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}

std::vector<unsigned char> Bytes(const LabObject& o) {
    const auto* p = reinterpret_cast<const unsigned char*>(&o);
    return std::vector<unsigned char>(p, p + sizeof o);
}

class ContentsDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        LoadLibraryA("riched20.dll");
        ResetLabObjects();
        table_ = {Chemical(kCasWater, "Water", "H\x7f" "2O", kKindLiquid, 1.0f),
                  Chemical(kSalt, "Sodium chloride", "NaCl", kKindSolid, 2.0f),
                  Chemical(kEthanol, "Ethanol", "C\x7f" "2H\x7f" "5OH", kKindLiquid, 0.8f)};
        SetChemicalTable(table_.data(), static_cast<int32_t>(table_.size()));
        LabObjects[1] = EquipmentPrototype(kBeaker, false);
        LabObjectCount = 1;
        SelectedObject = 1;
        ObjectSelected = true;
        DocumentModified = false;
    }
    void TearDown() override {
        SetChemicalTable(nullptr, 0);
        ResetLabObjects();
        ObjectSelected = false;
        SelectedObject = 0;
        ClearPluginTable(PluginTable);
        LabModuleHandle = savedModule_;
    }
    // The test's own functions stand in for a loaded module's entries.
    void UseTestModule() {
        savedModule_ = LabModuleHandle;
        LabModuleHandle = GetModuleHandleA(nullptr);
        PluginTable.PDBFileAvailable = PdbAvailable;
    }

    TestWindow owner_;
    std::array<ChemicalRecord, 3> table_;
    HMODULE savedModule_ = LabModuleHandle;
};

TEST_F(ContentsDialogsTest, WaterDialogOffersLevelsAndAddsIceWater) {
    LabObject& beaker = LabObjects[1];
    beaker.capacityMl = 100;
    beaker.addWaterStep = 50;
    beaker.liquidVolume = 250;
    AddComponent(beaker, kCasWater, kPhaseLiquid, 25, 293);
    int levels = 0;
    std::string first;
    DialogDriver driver({[&](HWND dialog) {
        levels = static_cast<int>(SendDlgItemMessageA(dialog, IDC_WATER_LEVELS, CB_GETCOUNT, 0, 0));
        first = Text(dialog, IDC_WATER_LEVELS);
        CheckRadioButton(dialog, IDC_WATER_ROOM, IDC_WATER_ICE, IDC_WATER_ICE);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WATER_MAXIMUM, BN_CLICKED), 0);
        CheckRadioButton(dialog, IDC_WATER_MAXIMUM, IDC_WATER_LEVEL, IDC_WATER_MAXIMUM);
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunWaterDialog(owner_.handle(), beaker), 1);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Distilled Water");
    EXPECT_EQ(levels, 15);
    EXPECT_EQ(first, Decimal("30", "0 ml"));
    EXPECT_DOUBLE_EQ(beaker.liquidVolume, 1000);
    EXPECT_NEAR(IceMass(beaker), 0.92 * 75, 1e-9);
}

TEST_F(ContentsDialogsTest, ChemicalsDialogPlacesATypedLiquid) {
    bool addNewEnabled = true;
    int chemicals = 0;
    std::string amount;
    DialogDriver driver({[&](HWND dialog) {
        addNewEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CHEM_ADD_NEW));
        chemicals = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHEM_LIST, CB_GETCOUNT, 0, 0));
        amount = Text(dialog, IDC_CHEM_AMOUNT);
        SendDlgItemMessageA(dialog, IDC_CHEM_LIST, CB_SETCURSEL, 2, 0);
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, "10");
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunChemicalsDialog(owner_.handle(), 1, 0), 1);
    driver.Finish();
    EXPECT_FALSE(addNewEnabled);  // no spare beaker
    EXPECT_EQ(chemicals, 3);
    EXPECT_EQ(amount, Decimal("0", "000"));
    EXPECT_DOUBLE_EQ(LabObjects[1].liquidVolume, 100);
    EXPECT_NEAR(MassOfComponent(LabObjects[1], kEthanol, kPhaseLiquid), 8, 1e-6);
}

TEST_F(ContentsDialogsTest, ChemicalsDialogAddsToTheSpareBeaker) {
    LabObjects[2] = EquipmentPrototype(kBeaker, false);  // the spare, beyond the count
    ObjectSelected = false;
    DialogDriver driver({[&](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHEM_ADD_NEW), static_cast<UINT>(BST_CHECKED));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CHEM_PICKED)));
        SendDlgItemMessageA(dialog, IDC_CHEM_LIST, CB_SETCURSEL, 1, 0);  // the salt
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CHEM_LIST, CBN_SELCHANGE), 0);
        Choose(dialog, IDC_CHEM_UNITS, 2);  // mg
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, "500");
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunChemicalsDialog(owner_.handle(), 1, 1), 2);
    driver.Finish();
    EXPECT_NEAR(MassOfComponent(LabObjects[2], kSalt, kPhaseSolid), 0.5, 1e-9);
    EXPECT_EQ(TotalComponentMass(LabObjects[1]), 0);
}

// A box answered, then the dialog under it told what to do next.
DialogDriver::Step AnswerThen(int answer, std::function<void(HWND owner)> next) {
    return [answer, next](HWND box) {
        HWND owner = GetWindow(box, GW_OWNER);
        Press(answer)(box);
        next(owner);
    };
}

void TryEthanol(HWND dialog, const char* amount) {
    SendDlgItemMessageA(dialog, IDC_CHEM_LIST, CB_SETCURSEL, 2, 0);
    SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, amount);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(ContentsDialogsTest, ChemicalsRefusalsLeaveTheRecord) {
    const auto before = Bytes(LabObjects[1]);
    // Over capacity, OK on the box: the dialog ends as Cancel does.
    {
        DialogDriver driver({[](HWND dialog) { TryEthanol(dialog, "5000"); }, Press(IDOK)});
        EXPECT_EQ(RunChemicalsDialog(owner_.handle(), 1, 0), 0);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u);
        EXPECT_EQ(driver.Seen()[1].caption, "Chemicals");
        EXPECT_EQ(driver.Unexpected(), 0);
        EXPECT_EQ(Bytes(LabObjects[1]), before);
    }
    // A liquid onto an electronic balance: box 608, the dialog stays until Cancel.
    {
        DialogDriver driver({[](HWND dialog) {
                                 Choose(dialog, IDC_CHEM_TYPE, kElectronicBalance);
                                 TryEthanol(dialog, "1");
                             },
                             AnswerThen(IDOK, [](HWND owner) { PostMessageA(owner, WM_COMMAND, IDCANCEL, 0); })});
        EXPECT_EQ(RunChemicalsDialog(owner_.handle(), 1, 0), 0);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u);
        EXPECT_EQ(driver.Seen()[1].caption, "Chemical Add");
        EXPECT_EQ(Bytes(LabObjects[1]), before);
    }
    // Over capacity, Cancel on the box: the dialog stays, and a smaller
    // amount then goes in alone.
    {
        DialogDriver driver({[](HWND dialog) { TryEthanol(dialog, "5000"); },
                             AnswerThen(IDCANCEL, [](HWND owner) { TryEthanol(owner, "1"); })});
        EXPECT_EQ(RunChemicalsDialog(owner_.handle(), 1, 0), 1);
        driver.Finish();
        EXPECT_DOUBLE_EQ(LabObjects[1].liquidVolume, 10);
    }
}

TEST_F(ContentsDialogsTest, UpDownKeepsTheTypedFraction) {
    std::string after;
    DialogDriver driver({[&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, Decimal("2", "5").c_str());
        NMUPDOWN change{};
        change.hdr.hwndFrom = GetDlgItem(dialog, IDC_CHEM_UPDOWN);
        change.hdr.idFrom = IDC_CHEM_UPDOWN;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = 1;
        SendMessageA(dialog, WM_NOTIFY, IDC_CHEM_UPDOWN, reinterpret_cast<LPARAM>(&change));
        after = Text(dialog, IDC_CHEM_AMOUNT);
        Press(IDCANCEL)(dialog);
    }});
    RunChemicalsDialog(owner_.handle(), 1, 0);
    driver.Finish();
    EXPECT_EQ(after, Decimal("3", "500"));
}

TEST_F(ContentsDialogsTest, FormulaTextLowersAndRaisesMarkedCharacters) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 60);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SIZE h{};
    GetTextExtentPoint32A(dc, "H", 1, &h);
    // The rows holding ink in a column range.
    const auto inkRows = [&](int from, int to, int* top, int* bottom) {
        *top = 60;
        *bottom = -1;
        for (int y = 0; y < 60; ++y)
            for (int x = from; x < to; ++x)
                if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                    if (y < *top) *top = y;
                    *bottom = y;
                }
    };
    RECT area{0, 0, 200, 60};
    for (const char* marked : {"H\x7f" "2", "H\xC7" "2"}) {
        ASSERT_EQ(DrawFormulaText(dc, 0, 20, &area, marked), 1);
        int hTop, hBottom, mTop, mBottom;
        inkRows(0, h.cx, &hTop, &hBottom);
        inkRows(h.cx, h.cx + h.cx, &mTop, &mBottom);
        if (marked[1] == '\x7f')
            EXPECT_GT(mBottom, hBottom + 2) << "lowered";
        else
            EXPECT_LT(mTop, hTop - 2) << "raised";
    }
    EXPECT_EQ(DrawFormulaText(dc, 0, 20, &area, "H\x7f"), 0);  // a marker at the end
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// A lowered or raised character follows the text before it with the font's
// own spacing, as the wizard draws formulas: no gap after a long name. The
// ink of "H2O" in a list line is compared with and without the marker.
TEST_F(ContentsDialogsTest, FormulaTextKeepsTheFontsSpacingBeforeAMarkedCharacter) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    constexpr int kWidth = 400, kHeight = 40;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    // The dialogs' font, as the Chemicals and Properties lists draw in it.
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    RECT area{0, 0, kWidth, kHeight};
    // The columns with ink, as runs of [first, last].
    const auto glyphColumns = [&](const char* text) {
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EXPECT_EQ(DrawFormulaText(dc, 2, 12, &area, text), 1);
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < kWidth; ++x) {
            bool ink = false;
            for (int y = 0; y < kHeight && !ink; ++y) ink = GetPixel(dc, x, y) != RGB(255, 255, 255);
            if (!ink) continue;
            if (!runs.empty() && runs.back().second == x - 1)
                runs.back().second = x;
            else
                runs.push_back({x, x});
        }
        return runs;
    };
    const auto plain = glyphColumns("Sodium hydrogen carbonate solution  -  H2O");
    const auto marked = glyphColumns("Sodium hydrogen carbonate solution  -  H\x7f" "2O");
    ASSERT_GE(plain.size(), 3u);
    ASSERT_GE(marked.size(), 3u);
    // The last three glyphs: H, 2, O.
    const auto gap = [](const std::vector<std::pair<int, int>>& runs) {
        const size_t n = runs.size();
        return runs[n - 2].first - runs[n - 3].second;
    };
    EXPECT_LE(std::abs(gap(marked) - gap(plain)), 1) << "H to 2: " << gap(marked) << " against " << gap(plain);
    EXPECT_LE(std::abs(marked.back().second - plain.back().second), 1) << "the formula ends where its text does";
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(ContentsDialogsTest, LabelDialogTidiesTheLabel) {
    DialogDriver driver({[](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_LABEL_TEXT, "  A");
        SetDlgItemTextA(dialog, IDC_LABEL_NOTE, "first titration");
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunLabelDialog(owner_.handle(), LabObjects[1]), 1);
    driver.Finish();
    EXPECT_EQ(LabelOf(LabObjects[1]), " A");
    EXPECT_STREQ(LabObjects[1].note, "first titration");
}

TEST_F(ContentsDialogsTest, PropertiesListsContentsAndOffersTheViewer) {
    UseTestModule();
    AddComponent(LabObjects[1], kSalt, kPhaseSolid, 2, 293);
    AddComponent(LabObjects[1], kSalt, kPhasePrecipitate, 0.5, 293);
    int lines = 0;
    bool viewer = false;
    DialogDriver driver({[&](HWND dialog) {
                             lines = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PROPERTIES_LIST, LB_GETCOUNT, 0, 0));
                             viewer = IsWindowEnabled(GetDlgItem(dialog, IDC_PROPERTIES_VIEWER));
                             // No viewer ships beside the tests: its failure box shows.
                             PostMessageA(dialog, WM_COMMAND, IDC_PROPERTIES_VIEWER, 0);
                         },
                         AnswerThen(IDOK, [](HWND owner) { PostMessageA(owner, WM_COMMAND, IDOK, 0); })});
    EXPECT_EQ(RunPropertiesDialog(owner_.handle(), LabObjects[1]), 1);
    driver.Finish();
    EXPECT_EQ(lines, 1);  // solid and precipitate joined
    EXPECT_TRUE(viewer);
    ASSERT_GE(driver.Seen().size(), 2u);
    EXPECT_EQ(driver.Seen()[1].caption, "RasMol - Molecule Viewer");
}

TEST_F(ContentsDialogsTest, MoleculeViewerGetsTheFileNameAndItsFolder) {
    UseTestModule();
    AddComponent(LabObjects[1], kSalt, kPhaseSolid, 2, 293);
    const std::string viewer = ProgramFile("rw32b2a.exe");
    ASSERT_TRUE(CopyFileA(TestFolderFile("viewer-standin\\rw32b2a.exe").c_str(), viewer.c_str(), FALSE));
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string record = std::string(temp) + "rw32b2a_args.txt";
    DeleteFileA(record.c_str());
    DialogDriver driver({[](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, IDC_PROPERTIES_VIEWER, 0);
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunPropertiesDialog(owner_.handle(), LabObjects[1]), 1);
    driver.Finish();
    char lines[2][MAX_PATH] = {};
    for (int tries = 0; tries < 100; ++tries) {
        if (FILE* in = std::fopen(record.c_str(), "r")) {
            const bool both = std::fgets(lines[0], MAX_PATH, in) && std::fgets(lines[1], MAX_PATH, in);
            std::fclose(in);
            if (both) break;
        }
        Sleep(50);
    }
    DeleteFileA(viewer.c_str());
    DeleteFileA(record.c_str());
    EXPECT_STREQ(lines[0], "sodium chloride.pdb\n");
    EXPECT_EQ(_stricmp(lines[1], (MoleculeFolder() + "\n").c_str()), 0) << lines[1];
    EXPECT_EQ(driver.Unexpected(), 0);
}

// The commands open the real dialogs through the bench's contents seams.
TEST_F(ContentsDialogsTest, CommandsOpenTheirDialogs) {
    InstallContentsSeams();
    RegisterContentsCommands();
    LabObjects[1].addWaterStep = 100;
    {
        DialogDriver driver({Press(IDOK)});
        ASSERT_TRUE(RouteCommand({kCmdWater, 0, false}));
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Distilled Water");
        EXPECT_DOUBLE_EQ(LabObjects[1].liquidVolume, 100);
        EXPECT_TRUE(DocumentModified);
    }
    DocumentModified = false;
    {
        DialogDriver driver({[](HWND dialog) {
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_CHEM_ADD_NEW)));
            CheckRadioButton(dialog, IDC_CHEM_ADD_NEW, IDC_CHEM_PICKED, IDC_CHEM_ADD_NEW);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CHEM_ADD_NEW, BN_CLICKED), 0);
            TryEthanol(dialog, "10");
        }});
        ASSERT_TRUE(RouteCommand({kCmdAllChemicals, 0, false}));
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 1u);
        EXPECT_EQ(driver.Seen()[0].caption, "Chemicals");
        ASSERT_EQ(LabObjectCount, 2);  // the spare beaker was counted
        EXPECT_EQ(LabObjects[2].type, kBeaker);
        EXPECT_DOUBLE_EQ(LabObjects[2].liquidVolume, 100);
        EXPECT_DOUBLE_EQ(LabObjects[1].liquidVolume, 100);
        EXPECT_TRUE(DocumentModified);
    }
    SetContentsSeams(nullptr);
}

TEST_F(ContentsDialogsTest, IndicatorsDialogListsTheLabsAndStoresDrops) {
    UseTestModule();
    std::memset(testIndicators, 0, sizeof testIndicators);
    testIndicators[0].id = 10100;
    std::strcpy(testIndicators[0].name, "Phenolphthalein");
    std::strcpy(testIndicators[0].description, "Pink above pH 8.2");
    testIndicators[1].id = 10200;
    std::memset(testIndicators[1].name, 'L', sizeof testIndicators[1].name);  // no terminator
    std::strcpy(testIndicators[1].description, "Red in acid");
    PluginTable.IndicatorAvailable = IndicatorCount;
    PluginTable.IndicatorProperty = IndicatorAt;
    LabObjects[1].indicatorId = 10200;
    LabObjects[1].indicatorAmount = 0.5f;
    int listed = 0;
    std::string drops, description, second;
    DialogDriver driver({[&](HWND dialog) {
        listed = static_cast<int>(SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_GETCOUNT, 0, 0));
        drops = Text(dialog, IDC_INDICATOR_DROPS);
        description = Text(dialog, IDC_INDICATOR_DESCRIPTION);
        char name[64] = {};
        SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(name));
        second = name;
        SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_SETCURSEL, 0, 0);
        SetDlgItemTextA(dialog, IDC_INDICATOR_DROPS, "4");
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunIndicatorsDialog(owner_.handle(), LabObjects[1]), 1);
    driver.Finish();
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(drops, "1");  // half a drop shows as one
    EXPECT_EQ(description, "Red in acid");
    EXPECT_EQ(second, std::string(35, 'L'));
    EXPECT_EQ(LabObjects[1].indicatorId, 10100);
    EXPECT_FLOAT_EQ(LabObjects[1].indicatorAmount, 4);
}

TEST_F(ContentsDialogsTest, TransferDialogShapesTheNewVessel) {
    LabObject vessel = EquipmentPrototype(kWatchGlass, false);
    DialogDriver driver({[](HWND dialog) {
        Choose(dialog, IDC_TRANSFER_TYPE, kBeaker);
        Press(IDOK)(dialog);
    }});
    EXPECT_EQ(RunTransferDialog(owner_.handle(), vessel), 1);
    driver.Finish();
    EXPECT_EQ(vessel.type, kBeaker);
}

}  // namespace
