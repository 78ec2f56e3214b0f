// The instrument dialogs opened by their commands on real windows, with
// stand-in module entries that offer electrodes and a radioactive source.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/command_router.h"
#include "bench/commands/equipment/add_equipment_commands.h"
#include "bench/commands/instruments/instrument_commands.h"
#include "bench/commands/instruments/instrument_seams_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_seams.h"
#include "bench/window/bench_seams_win.h"
#include "common/chemical_record.h"
#include "dialog_driver.h"
#include "resources/brevane/instrument_ids.h"

namespace {

constexpr CasNumber kRadium = 7440144;
constexpr CasNumber kSalt = 7647145;

// Electrode records as a module keeps them: the id, then the name.
struct Electrode {
    int32_t id;
    char name[16];
};
Electrode Zinc = {11, "Zinc"};
Electrode Copper = {13, "Copper"};

int LAB_MODULE_CALL StandInElectrodeCount() { return 3; }
ElectrodeRecord* LAB_MODULE_CALL StandInElectrode(int index) {
    if (index == 0) return reinterpret_cast<ElectrodeRecord*>(&Zinc);
    if (index == 2) return reinterpret_cast<ElectrodeRecord*>(&Copper);
    return nullptr;  // a module may have a gap
}
double GramsGiven = 2.5;
void LAB_MODULE_CALL StandInNewChemical(HWND, LabObject*, CasNumber, int, double* grams, int*, int*, int, float) {
    *grams = GramsGiven;
}

std::string Item(HWND dialog, int id) {
    char text[128] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string ListText(HWND dialog, int id, int row, bool combo) {
    char text[128] = {};
    SendDlgItemMessageA(dialog, id, combo ? CB_GETLBTEXT : LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

void Choose(HWND dialog, int combo, int row) {
    SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, row, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

void Deselect() {
    SelectedObject = 0;
    ObjectSelected = false;
    MultiSelection = MultiSelectionState{};
}

class InstrumentDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        Deselect();
        DocumentModified = false;
        AddAtCursor = false;
        std::memset(chemicals_, 0, sizeof chemicals_);
        chemicals_[0].cas = kRadium;  // index 0: its item data must differ from "None"
        std::strcpy(chemicals_[0].name, "Radium");
        chemicals_[0].flags = 0x80;
        chemicals_[1].cas = kSalt;
        std::strcpy(chemicals_[1].name, "Salt");
        SetChemicalTable(chemicals_, 2);
        savedTable_ = PluginTable;
        savedHandle_ = LabModuleHandle;
        LabModuleHandle = GetModuleHandleA(nullptr);
        PluginTable.ElectrodeAvailable = StandInElectrodeCount;
        PluginTable.ElectrodeProperty = StandInElectrode;
        PluginTable.NewChemicalAddition = StandInNewChemical;
        InstallBenchWindowSeams();
        InstallInstrumentWindowSeams();
        ClearCommandHandlers();
        RegisterAddEquipmentCommands();
        RegisterInstrumentCommands();
    }
    void TearDown() override {
        PluginTable = savedTable_;
        LabModuleHandle = savedHandle_;
        SetChemicalTable(nullptr, 0);
        ClearCommandHandlers();
        // A program started by an earlier suite gets all its commands back.
        if (IsWindow(BenchWindow)) RegisterBenchCommands();
        ResetLabObjects();
        Deselect();
        DocumentModified = false;
    }
    static void Run(int id) { RouteCommand({id, 0, false}); }
    static void Select(int32_t index) {
        SelectedObject = index;
        ObjectSelected = true;
    }

    ChemicalRecord chemicals_[2];
    PluginTableSlots savedTable_{};
    HMODULE savedHandle_ = nullptr;
};

}  // namespace

TEST_F(InstrumentDialogsTest, ElectrodeListsSkipGapsSelectTheObjectsIdsAndStoreTheChoice) {
    std::vector<std::string> rows;
    int chosenLeft = -1, chosenRight = -1;
    DialogDriver driver({[&](HWND d) {
        for (int r = 0; r < 2; ++r) rows.push_back(ListText(d, IDC_LEFT_ELECTRODE, r, false));
        chosenLeft = static_cast<int>(SendDlgItemMessageA(d, IDC_LEFT_ELECTRODE, LB_GETCURSEL, 0, 0));
        chosenRight = static_cast<int>(SendDlgItemMessageA(d, IDC_RIGHT_ELECTRODE, LB_GETCURSEL, 0, 0));
        SendDlgItemMessageA(d, IDC_LEFT_ELECTRODE, LB_SETCURSEL, 1, 0);
        Press(IDOK)(d);
    }});
    Run(kCmdAddElectrochemicalCell);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Electrochemical cell");
    EXPECT_EQ(rows, (std::vector<std::string>{"Zinc", "Copper"}));
    EXPECT_EQ(chosenLeft, 0);
    EXPECT_EQ(chosenRight, 0);
    ASSERT_EQ(LabObjectCount, 1);
    EXPECT_EQ(LabObjects[1].electrode1, 13);
    EXPECT_EQ(LabObjects[1].electrode2, 11);
    EXPECT_TRUE(DocumentModified);

    // Without a module the lists are empty and OK stores 0.
    LabModuleHandle = nullptr;
    Select(1);
    DialogDriver empty({Press(IDOK)});
    Run(kCmdAddElectrochemicalCell);
    empty.Finish();
    EXPECT_EQ(LabObjects[1].electrode1, 0);
    EXPECT_EQ(LabObjects[1].electrode2, 0);
}

TEST_F(InstrumentDialogsTest, GeigerRefusesThirtyOneLeavingTheNewCounterUncountedAndUnchanged) {
    HWND dialog = nullptr;
    std::vector<uint8_t> before(sizeof(LabObject));
    std::vector<std::string> sources;
    DialogDriver driver({[&](HWND d) {
                             dialog = d;
                             for (int r = 0; r < 2; ++r) sources.push_back(ListText(d, IDC_SOURCE, r, true));
                             std::memcpy(before.data(), &LabObjects[1], sizeof(LabObject));
                             Choose(d, IDC_SOURCE, 1);
                             Choose(d, IDC_SHIELDS, 3);
                             SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, "31");
                             Press(IDOK)(d);
                         },
                         [&](HWND box) {
                             Press(IDOK)(box);
                             Sleep(50);
                             PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                         }});
    Run(kCmdAddGeigerCounter);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 2u);
    EXPECT_EQ(driver.Seen()[0].caption, "Geiger Counter Track Assembly");
    EXPECT_EQ(driver.Seen()[1].caption, "Geiger Counter with Track Assembly");
    EXPECT_NE(driver.Seen()[1].text.find("The source position must be less or equal to 30 cm."), std::string::npos);
    EXPECT_EQ(sources, (std::vector<std::string>{"None", "Radium"}));
    EXPECT_EQ(LabObjectCount, 0) << "a cancelled new counter stays uncounted";
    EXPECT_EQ(std::memcmp(before.data(), &LabObjects[1], sizeof(LabObject)), 0);
}

TEST_F(InstrumentDialogsTest, GeigerStoresSourceDistanceAndShieldingAndShowsTheThickness) {
    std::string paper, lead;
    DialogDriver driver({[&](HWND d) {
        Choose(d, IDC_SOURCE, 1);
        Choose(d, IDC_SHIELDS, 1);
        Choose(d, IDC_SHEETS, 1);
        paper = Item(d, IDC_INSTRUMENT_SECOND);
        Choose(d, IDC_SHIELDS, 3);
        lead = Item(d, IDC_INSTRUMENT_SECOND);
        SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, "12");
        Press(IDOK)(d);
    }});
    Run(kCmdAddGeigerCounter);
    driver.Finish();
    EXPECT_EQ(paper, "0.2 mm");
    EXPECT_EQ(lead, "2.0 mm");
    ASSERT_EQ(LabObjectCount, 1);
    const LabObject& counter = LabObjects[1];
    double grams = 0;
    EXPECT_EQ(ComponentAt(counter, 0, &grams), kRadium);
    EXPECT_EQ(grams, 2.5);
    EXPECT_EQ(counter.slots[0].phase, kPhaseSolid);
    EXPECT_EQ(counter.reading2, 12.0);
    EXPECT_EQ(counter.reading3, 3.0);
    EXPECT_EQ(counter.reading4, 2.0);
    EXPECT_TRUE(DocumentModified);

    // Grams that come back unusable store no source; a negative distance is refused.
    GramsGiven = -1;
    Select(1);
    HWND dialog = nullptr;
    DialogDriver again({[&](HWND d) {
                            dialog = d;
                            SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, "-2");
                            Press(IDOK)(d);
                        },
                        [&](HWND box) {
                            Press(IDOK)(box);
                            Sleep(50);
                            SetDlgItemTextA(dialog, IDC_INSTRUMENT_VALUE, "");
                            Press(IDOK)(dialog);
                        }});
    Run(kCmdAddGeigerCounter);
    again.Finish();
    GramsGiven = 2.5;
    EXPECT_EQ(ComponentAt(LabObjects[1], 0, &grams), 0u);
    EXPECT_EQ(LabObjects[1].reading2, 0.0) << "an empty field counts as 0";
}

TEST_F(InstrumentDialogsTest, WavelengthIsStoredAsTyped) {
    DialogDriver driver({[](HWND d) {
        SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, "1200");
        Press(IDOK)(d);
    }});
    Run(kCmdAddSpectrophotometer);
    driver.Finish();
    ASSERT_EQ(driver.Seen().size(), 1u);
    EXPECT_EQ(driver.Seen()[0].caption, "Spectrophotometer Settings");
    ASSERT_EQ(LabObjectCount, 1);
    EXPECT_EQ(LabObjects[1].wavelength, 1200);
}

TEST_F(InstrumentDialogsTest, SyringeVolumesOutsideZeroToSixtyAreRefusedAndACancelledSyringeStaysUncounted) {
    for (const char* typed : {"61", "-1"}) {
        HWND dialog = nullptr;
        std::vector<uint8_t> before(sizeof(LabObject));
        DialogDriver driver({[&](HWND d) {
                                 dialog = d;
                                 std::memcpy(before.data(), &LabObjects[1], sizeof(LabObject));
                                 SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, typed);
                                 Press(IDOK)(d);
                             },
                             [&](HWND box) {
                                 Press(IDOK)(box);
                                 Sleep(50);
                                 PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                             }});
        Run(kCmdAddSyringeGauge);
        driver.Finish();
        ASSERT_EQ(driver.Seen().size(), 2u) << typed;
        EXPECT_EQ(driver.Seen()[0].caption, "Initial Gas Syringe Volume");
        EXPECT_EQ(driver.Seen()[1].caption, "Syringe");
        EXPECT_EQ(LabObjectCount, 0);
        EXPECT_EQ(std::memcmp(before.data(), &LabObjects[1], sizeof(LabObject)), 0) << typed;
    }
}

TEST_F(InstrumentDialogsTest, ASyringeSetFromSixtyToThirtyShowsItsGaugePressure) {
    std::string fittings, total;
    DialogDriver driver({[&](HWND d) {
        fittings = Item(d, IDC_INSTRUMENT_SECOND);
        total = Item(d, IDC_SYRINGE_TOTAL);
        Press(IDOK)(d);
    }});
    Run(kCmdAddSyringeGauge);
    driver.Finish();
    EXPECT_EQ(fittings, "4");
    EXPECT_EQ(total, "64");
    ASSERT_EQ(LabObjectCount, 1);
    EXPECT_EQ(LabObjects[1].reading1, 60.0);
    EXPECT_EQ(LabObjects[1].plungerPosition, 2);

    Select(1);
    DocumentModified = false;
    std::string shown;
    DialogDriver set({[&](HWND d) {
        shown = Item(d, IDC_INSTRUMENT_VALUE);
        SetDlgItemTextA(d, IDC_INSTRUMENT_VALUE, "30");
        Press(IDOK)(d);
    }});
    Run(kCmdSetSyringeVolume);
    set.Finish();
    ASSERT_EQ(set.Seen().size(), 1u);
    EXPECT_EQ(set.Seen()[0].caption, "Set Gas Syringe Volume");
    EXPECT_EQ(shown, "60");
    EXPECT_NEAR(LabObjects[1].reading3, 64.0 * 98 / 34 - 98, 1e-9);
    EXPECT_NEAR(LabObjects[1].reading3, 86.5, 0.05);
    EXPECT_EQ(LabObjects[1].plungerPosition, 62);
    EXPECT_TRUE(DocumentModified);
}
