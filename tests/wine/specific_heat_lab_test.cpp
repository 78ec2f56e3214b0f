// The specific-heat lab done as its Procedure tells a student, on the started
// program: the lab chosen from the lab list, every step taken with the menus,
// keys and mouse drags the text names, every number read from what the bench
// and its dialogs show, and the student's result checked against the metal's
// real specific heat. Minutes of heating pass in seconds: the test hands the
// bench its timer ticks itself.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/frame/app_windows_win.h"
#include "app/modules/module_host_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/window/bench_window_win.h"
#include "common/equipment_type.h"
#include "control_texts.h"
#include "program_instance.h"
#include "render/readouts.h"
#include "resources/brevane/contents_ids.h"
#include "resources/brevane/lab_documents_ids.h"
#include "student_steps.h"

void ResetBench();

namespace {

// The newest object of a type on the bench, 0 when none.
int32_t Newest(int32_t type) {
    for (int32_t i = LabObjectCount; i >= 1; --i)
        if (LabObjects[i].type == type) return i;
    return 0;
}

LabObject& Obj(int32_t index) { return LabObjects[index]; }

// The bench as the screen shows it.
struct BenchPicture {
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    BenchPicture() {
        PumpMessages(30);
        RedrawWindow(BenchWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r{};
        GetClientRect(BenchWindow, &r);
        width = r.right, height = r.bottom;
        HDC window = GetDC(BenchWindow);
        HDC memory = CreateCompatibleDC(window);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP picture = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
        GdiFlush();
        pixels.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + width * height);
        SelectObject(memory, old);
        DeleteObject(picture);
        DeleteDC(memory);
        ReleaseDC(BenchWindow, window);
    }
    // Dark pixels (text ink) in a client rectangle.
    int Ink(RECT r) const {
        int n = 0;
        for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, height); ++y)
            for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, width); ++x) {
                const uint32_t p = pixels[size_t(y) * width + x];
                if (((p >> 16) & 0xFF) < 90 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90) ++n;
            }
        return n;
    }
};

// What a thermometer's read-out says, in degrees Celsius, and that it is
// drawn where the bench shows it: ink in the box its text takes.
struct Reading {
    double celsius = NAN;
    bool onBench = false;
};

Reading ReadThermometer(int32_t index) {
    const LabObject& o = Obj(index);
    char text[kReadoutTextLength] = "";
    float x = 0, y = 0;
    TemperatureText calorimeter{};
    if (CalorimeterTemperature(o, CurrentTempScale(), &calorimeter)) {
        std::snprintf(text, sizeof text, "%s", calorimeter.text);
        x = calorimeter.x, y = calorimeter.y;
    } else {
        FormatThermometerText(text, sizeof text, o, CurrentTempScale());
        x = static_cast<float>(o.position.left - (o.type == kTestTube ? 10 : 0) - 90);
        y = static_cast<float>(o.position.top + o.pictureHeight - kThermometerHeight + 40);
    }
    Reading r;
    r.celsius = std::strtod(text, nullptr);
    const BenchPicture bench;
    KeepTextOnBench(&x, &y, 70, 20, {0, 0, bench.width, bench.height});
    POINT at = ClientPoint({LONG(x), LONG(y)});
    r.onBench = bench.Ink({at.x, at.y, at.x + 90, at.y + 30}) > 20;
    return r;
}

// The grams of a substance the Properties dialog lists for the selected object.
double PropertiesGrams(const char* substance) {
    std::vector<std::string> rows;
    DialogDriver driver({AfterControlFilled(IDC_PROPERTIES_LIST, [&rows](HWND dialog) {
        rows = ListBoxRows(dialog, IDC_PROPERTIES_LIST);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    })});
    EXPECT_TRUE(ChooseFromMenuBar({"Procedures", "Chemical Properties..."}));
    driver.Finish();
    for (const std::string& row : rows) {
        if (row.rfind(substance, 0) != 0) continue;
        const size_t open = row.find("  (");
        if (open != std::string::npos) return std::strtod(row.c_str() + open + 3, nullptr);
    }
    ADD_FAILURE() << "the Properties dialog lists no " << substance;
    return NAN;
}

// Chemicals, Water...: fills the selected vessel to the level the list offers.
std::vector<std::string> FillWithWaterTo(const char* level) {
    std::vector<std::string> levels;
    DialogDriver driver({AfterControlFilled(IDC_WATER_LEVELS, [&levels, level](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_WATER_LEVELS);
        for (int i = 0, n = int(SendMessageA(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
            char text[64] = "";
            SendMessageA(list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            levels.push_back(text);
        }
        ChooseComboRow(dialog, IDC_WATER_LEVELS, level);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    })});
    EXPECT_TRUE(ChooseFromMenuBar({"Chemicals", "Water..."}));
    driver.Finish();
    return levels;
}

// Chemicals, All Chemicals...: grams of a shot into the selected vessel.
void AddShot(const char* shot, const char* grams) {
    DialogDriver driver({AfterControlFilled(IDC_CHEM_LIST, [shot, grams](HWND dialog) {
        ChooseComboRow(dialog, IDC_CHEM_LIST, shot);
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, grams);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    })});
    EXPECT_TRUE(ChooseFromMenuBar({"Chemicals", "All Chemicals..."}));
    driver.Finish();
    EXPECT_TRUE(driver.Seen().size() == 1) << "a box came up beside the Chemicals dialog";
}

// Drags an object by its middle so that its bottom-left corner lands at (left, bottom).
void DragTo(int32_t index, LONG left, LONG bottom) {
    const LabObject& o = Obj(index);
    const POINT from = CentreOf(o);
    DragOnBench(from, {from.x + left - o.position.left, from.y + bottom - o.position.bottom});
}

// Passes lab time until a thermometer's read-out stops rising (two readings
// 10 s apart agree), at most the given seconds; returns the last reading.
double WaitUntilSteady(int32_t index, int seconds) {
    double last = ReadThermometer(index).celsius;
    for (int waited = 0; waited < seconds; waited += 10) {
        PassLabTime(100);
        const double now = ReadThermometer(index).celsius;
        if (std::fabs(now - last) < 0.05) return now;
        last = now;
    }
    return last;
}

class SpecificHeatLab : public testing::Test {
protected:
    static void SetUpTestSuite() {
        started_ = EnsureProgramWindows();
        if (!started_) return;
        ResetBench();
        DocumentModified = false;
    }
    static void TearDownTestSuite() {
        if (!FrameWindow || !IsWindow(FrameWindow)) return;
        ResetBench();
        LoadLabModule(BenchWindow, kDefaultModuleName, "", 1, 0);
        lstrcpynA(CurrentModuleName, kDefaultModuleName, kHostPathLength);
        DocumentModified = false;
    }
    static bool started_;
};
bool SpecificHeatLab::started_ = false;

// The metal's specific heat from what the student read, as the Observations
// sheet works it out.
double SpecificHeat(double waterGrams, double waterC, double finalC, double metalGrams, double metalC) {
    return waterGrams * (finalC - waterC) / (metalGrams * (metalC - finalC));
}

// Steps 6 and 7: the tube dragged into the bath, combined, its thermometer in.
void SeatInBath(int32_t tube, POINT empty) {
    const LabObject& b = Obj(Newest(kBeaker));
    DragTo(tube, (b.position.left + b.position.right) / 2 - Obj(tube).pictureWidth / 2, b.position.bottom - 40);
    ClickBench(CentreOf(Obj(tube)));
    ASSERT_TRUE(MenuBarOffers({"Arrange", "Combine"})) << "the selected tube has the bath to combine with";
    ASSERT_TRUE(ChooseFromMenuBar({"Arrange", "Combine"}));
    ASSERT_NE(Obj(tube).host, 0) << "the tube stands in the bath";
    ClickBench(empty);
    ClickBench(CentreOf(Obj(tube)));
    ASSERT_TRUE(ObjectSelected && SelectedObject == tube);
}

// Steps 12 to 15: T_metal read, the tube lifted out, held over the lid,
// poured; T_final read once the calorimeter's temperature stays.
void PourShot(int32_t tube, int32_t calorimeter, POINT empty, double* metalC, double* finalC) {
    const Reading hot = ReadThermometer(tube);
    EXPECT_TRUE(hot.onBench) << "the tube's temperature is shown on the bench";
    *metalC = hot.celsius;
    ClickBench(empty);
    ClickBench(CentreOf(Obj(tube)));
    ASSERT_TRUE(MenuBarOffers({"Arrange", "Remove"})) << "the combined tube can be taken out";
    ASSERT_TRUE(ChooseFromMenuBar({"Arrange", "Remove"}));
    EXPECT_EQ(Obj(tube).host, 0);
    EXPECT_TRUE(ObjectSelected && SelectedObject == tube) << "the lifted tube stays selected";
    EXPECT_TRUE(ReadThermometer(tube).onBench) << "lifted near the top, its temperature is still shown";
    const LabObject& c = Obj(calorimeter);
    DragTo(tube, c.position.left + 50, c.position.top - 5);
    ClickBench(CentreOf(Obj(tube)));
    ASSERT_TRUE(ChooseFromMenuBar({"Procedures", "Pour/Decant"}));
    PassLabTime(50);
    EXPECT_EQ(Obj(tube).solidVolume, 0) << "all the shot went into the calorimeter";
    EXPECT_EQ(Obj(tube).variant, 0) << "the tube stands upright again";
    *finalC = WaitUntilSteady(calorimeter, 60);
    EXPECT_TRUE(ReadThermometer(calorimeter).onBench);
}

TEST_F(SpecificHeatLab, AStudentFollowingTheProcedureFindsCopperAndAluminium) {
    ASSERT_TRUE(started_);
    // Options, Labs...: the lab list, the specific-heat lab chosen by its name.
    std::string listed;
    DialogDriver labs({AfterControlFilled(IDC_LAB_LIST_LABS, [&listed](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LAB_LIST_LABS);
        for (int i = 0, n = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); i < n; ++i) {
            if (ListCellText(list, i, 0) != "Specific heat lab") continue;
            listed = ListCellText(list, i, 0);
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(list, LVM_SETITEMSTATE, WPARAM(i), reinterpret_cast<LPARAM>(&state));
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    })});
    ASSERT_TRUE(ChooseFromMenuBar({"Options", "Labs..."}));
    labs.Finish();
    ASSERT_EQ(listed, "Specific heat lab");
    ASSERT_EQ(_stricmp(CurrentModuleName, "Tessaly.dll"), 0) << CurrentModuleName;

    RECT client{};
    GetClientRect(BenchWindow, &client);
    POINT corner{client.right, client.bottom};
    DPtoLP(BenchDC, &corner, 1);
    const LONG floor = corner.y - 120;          // the front of the bench top
    const POINT empty{corner.x - 30, 30};      // a bare spot, far from the splitter

    // Part A, steps 1-3: the hot plate at the front of the bench, the 600 ml
    // beaker standing on it, filled to its 360 ml mark.
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Hot Plate & Mag Stir"}));
    ASSERT_NE(Newest(kHotPlate), 0);
    DragTo(Newest(kHotPlate), 40, floor);
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Beakers", "600 ml Beaker"}));
    const LabObject& p = Obj(Newest(kHotPlate));
    DragTo(Newest(kBeaker), p.position.left + (p.position.right - p.position.left - Obj(Newest(kBeaker)).pictureWidth) / 2,
           p.position.top + 20);
    const int32_t beaker = Newest(kBeaker);
    ClickBench(CentreOf(Obj(beaker)));
    ASSERT_TRUE(ObjectSelected);
    const std::vector<std::string> levels = FillWithWaterTo("360");
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels[0].substr(0, 3), "120") << "the list fills to the 120 ml marks";
    EXPECT_NEAR(Obj(beaker).liquidVolume, 3600, 1e-6);

    // Part B, steps 4-8: 50 g of copper shot in a test tube, weighed on the
    // Properties sheet, the tube in the bath with its thermometer, Max Heat
    // from the hot plate's own menu, and the wait until the metal's
    // temperature stops rising.
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Test Tubes"}));
    const int32_t tube = Newest(kTestTube);
    ClickBench(CentreOf(Obj(tube)));
    AddShot("Copper Shot", "50");
    const double copper = PropertiesGrams("Copper Shot");
    EXPECT_NEAR(copper, 50, 1e-3);
    SeatInBath(tube, empty);
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Thermometer"}));
    const Reading cold = ReadThermometer(tube);
    EXPECT_NEAR(cold.celsius, 20.0, 0.05);
    EXPECT_TRUE(cold.onBench) << "the tube's temperature is shown on the bench";
    std::string problem;
    ASSERT_TRUE(ChooseFromBenchMenu(CentreOf(Obj(Newest(kHotPlate))), {"Hot Plate & Mag Stir Options", "Max Heat"},
                                    &problem))
        << problem;
    EXPECT_NEAR(WaitUntilSteady(tube, 300), 99.8, 0.35) << "the metal follows the boiling bath";

    // Part C, steps 9-11: the calorimeter on the bench top, 100 ml of water,
    // its thermometer in and read.
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Calorimeter"}));
    const int32_t calorimeter = Newest(kCalorimeter);
    DragTo(calorimeter, Obj(Newest(kHotPlate)).position.right + 120, floor);
    ClickBench(CentreOf(Obj(calorimeter)));
    const std::vector<std::string> fills = FillWithWaterTo("100");
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].substr(0, 2), "50") << "the calorimeter's list steps by 50 ml";
    const double water = PropertiesGrams("Distilled Water");
    EXPECT_NEAR(water, 100, 1e-3);
    ASSERT_TRUE(ChooseFromMenuBar({"Equipment", "Thermometer"}));
    const Reading start = ReadThermometer(calorimeter);
    EXPECT_NEAR(start.celsius, 20.0, 0.05);
    EXPECT_TRUE(start.onBench) << "the calorimeter shows its temperature";

    // Part D, steps 12-15.
    double copperC = NAN, copperFinal = NAN;
    PourShot(tube, calorimeter, empty, &copperC, &copperFinal);
    // The Procedure beside the bench for the picture.
    ClickTextTab(1);
    SaveFramePicture("lab-specific-heat");
    const double cCopper = SpecificHeat(water, start.celsius, copperFinal, copper, copperC);
    std::printf("[ specific heat ] copper: %.3f g at %.1f C into %.3f g of water at %.1f C -> %.1f C: c = %.4f\n",
                copper, copperC, water, start.celsius, copperFinal, cCopper);
    EXPECT_NEAR(cCopper, 0.093, 0.093 * 0.05);

    // Part E, steps 16-17: the calorimeter emptied and filled again, the
    // tube back in the bath with aluminium, steps 12-15 once more.
    ClickBench(empty);
    ClickBench(CentreOf(Obj(calorimeter)));
    ASSERT_TRUE(ChooseFromMenuBar({"Procedures", "Empty Lab Container"}));
    FillWithWaterTo("100");
    const double water2 = PropertiesGrams("Distilled Water");
    const Reading start2 = ReadThermometer(calorimeter);
    EXPECT_NEAR(start2.celsius, 20.0, 0.05);
    SeatInBath(tube, empty);
    AddShot("Aluminum Shot", "50");
    const double aluminium = PropertiesGrams("Aluminum Shot");
    EXPECT_NEAR(aluminium, 50, 1e-3);
    WaitUntilSteady(tube, 300);
    double aluminiumC = NAN, aluminiumFinal = NAN;
    PourShot(tube, calorimeter, empty, &aluminiumC, &aluminiumFinal);
    const double cAluminium = SpecificHeat(water2, start2.celsius, aluminiumFinal, aluminium, aluminiumC);
    std::printf("[ specific heat ] aluminium: %.3f g at %.1f C into %.3f g of water at %.1f C -> %.1f C: c = %.4f\n",
                aluminium, aluminiumC, water2, start2.celsius, aluminiumFinal, cAluminium);
    EXPECT_NEAR(cAluminium, 0.22, 0.22 * 0.05);
}

}  // namespace
