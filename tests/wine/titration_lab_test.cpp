// A student's titration through the program's windows: the example lab
// chosen in the lab list, flask and buret set up with the menus, the dialogs
// and the mouse, the stopcock opened in the Titration dialog, the data
// window's points against the chemistry and the exported rows; then the same
// lab authored page by page in the wizard titrates the same.
//
// Thirty-five millilitres at two tenths a step are 875 timer ticks, a minute
// and a half of lab time: the test delivers the bench's timer message itself
// rather than waiting for it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/data/titration_data.h"
#include "app/frame/app_windows_win.h"
#include "app/frame/frame_services_win.h"
#include "app/modules/module_host_win.h"
#include "bench/commands/command_ids.h"
#include "bench/commands/instruments/titration_dialog_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/chemical_table.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_tick.h"
#include "bench/window/bench_window_win.h"
#include "common/equipment_type.h"
#include "control_texts.h"
#include "dialog_driver.h"
#include "program_instance.h"
#include "resources/brevane/contents_ids.h"
#include "resources/brevane/document_ids.h"
#include "resources/brevane/instrument_ids.h"
#include "resources/brevane/lab_documents_ids.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "resources/parvell/lab_option_dialog_ids.h"
#include "tests/support/titration_theory.h"
#include "wizard_commands_fixture.h"
#include "wizard_page_script.h"
#include "student_steps.h"

using namespace sheet_script;

namespace {

constexpr char kExampleTitle[] = "Acid-Base Titration";
constexpr char kExampleFile[] = "AcidBaseTitration.UDL-BREVANE";
constexpr int kStopcockOpen = 2;    // tenths of a millilitre a step
constexpr double kRunToMl = 35;

bool PumpUntil(const std::function<bool()>& condition, int ms = 3000) {
    for (int waited = 0; waited <= ms; waited += 10) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition()) return true;
        Sleep(10);
    }
    return false;
}

// Selects the object with a click on it, as a student picks it.
void Pick(int32_t index) {
    ClickBench(CentreOf(LabObjects[index]));
    ASSERT_TRUE(ObjectSelected);
    ASSERT_EQ(SelectedObject, index);
}

// The Chemicals dialog: the stock chosen from the list by what it shows,
// placed in the picked vessel, ml typed, Ok.
DialogDriver::Step AddStock(const char* shown, const char* ml) {
    return AfterControlFilled(IDC_CHEM_LIST, [shown, ml](HWND dialog) {
        EXPECT_TRUE(ChooseComboRow(dialog, IDC_CHEM_LIST, shown)) << shown;
        CheckRadioButton(dialog, IDC_CHEM_ADD_NEW, IDC_CHEM_PICKED, IDC_CHEM_PICKED);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CHEM_PICKED, BN_CLICKED), 0);
        SetDlgItemTextA(dialog, IDC_CHEM_AMOUNT, ml);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

// Chooses a menu item that opens one modal dialog, answered by step; the
// Titration dialog beside the bench is left alone.
void RunDialogCommand(const std::vector<std::string>& menu, DialogDriver::Step step, const char* caption) {
    DialogDriver driver({std::move(step)}, {TitrationWindow});
    std::string problem;
    EXPECT_TRUE(ChooseFromMenuBar(menu, &problem)) << problem;
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    for (const SeenDialog& seen : driver.Seen()) EXPECT_EQ(seen.caption, caption) << seen.text;
    EXPECT_EQ(driver.Seen().size(), 1u);
}

// Types a file name into the common save dialog and presses Save.
DialogDriver::Step ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        HWND name = GetDlgItem(dialog, 0x47c);
        if (!name) name = GetDlgItem(dialog, 0x480);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}

std::string TextOfWindow(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(size_t(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    text.resize(size_t(length));
    return text;
}

double Number(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return atof(text.c_str());
}

// The data window's table view: a line per point, "volume     pH".
std::vector<DataPoint> TablePoints() {
    SendMessageA(DataWindow, WM_COMMAND, IDM_DATA_VIEW, 0);
    HWND table = FindWindowExA(DataWindow, nullptr, "EDIT", nullptr);
    std::vector<DataPoint> points;
    if (!table) return points;
    std::istringstream lines(TextOfWindow(table));
    std::string line;
    std::getline(lines, line);  // the header, then an empty line
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string volume, ph;
        if (!(fields >> volume >> ph)) continue;
        points.push_back(DataPoint{Number(volume), Number(ph), 0, 0});
    }
    return points;
}

struct FlaskLook {
    int pinkPixels = 0;
    int pixels = 0;
};

// How much of the flask's liquid shows pink on the screen.
FlaskLook LookAtFlask(const LabObject& flask) {
    InvalidateRect(BenchWindow, nullptr, FALSE);
    UpdateWindow(BenchWindow);
    FlaskLook look;
    HDC dc = GetDC(BenchWindow);
    const RectI32& r = flask.position;
    for (int y = r.top + (r.bottom - r.top) * 3 / 4; y < r.bottom - 4; y += 2)
        for (int x = r.left + (r.right - r.left) / 3; x < r.right - (r.right - r.left) / 3; x += 2) {
            const COLORREF c = GetPixel(dc, x, y);
            ++look.pixels;
            if (GetRValue(c) > 180 && GetBValue(c) > 150 && GetGValue(c) < 150) ++look.pinkPixels;
        }
    ReleaseDC(BenchWindow, dc);
    return look;
}

// What one titration gave: the points collected, the volume at which the
// flask first turned pink and the titre read in the Titration dialog.
struct Titration {
    std::vector<DataPoint> points;
    double pinkAt = -1;
    double titre = -1;
    FlaskLook before, after;
    std::vector<std::string> contents;  // the flask's lines in Chemical Properties
};

// Options, Labs...: the example lab chosen in the lab list with a double
// click on its row.
void ChooseExampleLab() {
    std::string listed;
    DialogDriver driver({AfterControlFilled(IDC_LAB_LIST_LABS, [&listed](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LAB_LIST_LABS);
        const int row = ListViewRow(list, kExampleTitle);
        if (row < 0) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        listed = ListCellText(list, row, 1);
        SelectListViewRow(list, row);
        RECT box = {};
        box.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&box));
        const LPARAM at = MAKELPARAM(box.left + 8, (box.top + box.bottom) / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
    })});
    std::string problem;
    EXPECT_TRUE(ChooseFromMenuBar({"Options", "Labs..."}, &problem)) << problem;
    PumpUntil([] { return CurrentUdlName[0] != 0; }, 5000);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(listed, kExampleFile) << "the example lab is in the lab list";
}

// Passes lab time a heavy tick at a time until the flask has taken ml, or
// until stop says so; true when stopped.
bool RunBaseInUntil(int32_t flask, double ml, const std::function<bool()>& stop) {
    if (!stop) {  // no need to look at every step
        const double stepMl = kStopcockOpen / 10.0;
        const int steps = int(std::floor((ml - LabObjects[flask].titrantDelivered) / stepMl + 1e-6));
        if (steps > 1) PassLabTime((steps - 1) * int(kHeavyTickPeriod));
    }
    while (LabObjects[flask].titrantDelivered < ml - 1e-9) {
        PassLabTime(int(kHeavyTickPeriod));
        if (stop && stop()) return true;
    }
    return false;
}

// While it lives only the ticks the test hands over pass lab time: the
// program's own timer is stopped, so every run delivers the same steps.
class HandedTicksOnly {
public:
    HandedTicksOnly() { KillTimer(BenchWindow, kLabTimerId); }
    ~HandedTicksOnly() { SetTimer(BenchWindow, kLabTimerId, kLabTimerMs, nullptr); }
    HandedTicksOnly(const HandedTicksOnly&) = delete;
    HandedTicksOnly& operator=(const HandedTicksOnly&) = delete;
};

// Opens the stopcock by keys on its slider, as far as the titration runs.
void OpenStopcock(HWND dialog) {
    HWND slider = GetDlgItem(dialog, IDC_STOPCOCK_SLIDER);
    SetFocus(slider);
    for (int i = 0; i < kStopcockOpen; ++i) {
        SendMessageA(slider, WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageA(slider, WM_KEYUP, VK_RIGHT, 0);
    }
}

// The Procedure's Parts A to D: flask, acid, indicator, data collection,
// buret, base, the flask down the bench and the buret over it, the stopcock
// opened, closed at the first pink for the titre and opened again to 35 ml,
// and the data window's table.
Titration TitrateOnTheBench(const char* shots) {
    Titration t;
    ResetBench();
    ClearTitrationPoints(LabTitrationData);
    std::string problem;
    EXPECT_TRUE(ChooseFromMenuBar({"Equipment", "Flasks", "100ml Flask (Erlenmeyer)"}, &problem)) << problem;
    EXPECT_EQ(LabObjectCount, 1);
    const int32_t flask = 1;
    Pick(flask);
    RunDialogCommand({"Chemicals", "All Chemicals..."}, AddStock("(0.1 M) Hydrochloric acid", "25.000"), "Chemicals");
    EXPECT_NEAR(LabObjects[flask].liquidVolume, 250, 1e-9);
    Pick(flask);
    RunDialogCommand({"Chemicals", "Indicators..."}, AfterControlFilled(IDC_INDICATOR_LIST, [](HWND dialog) {
                         SendDlgItemMessageA(dialog, IDC_INDICATOR_LIST, LB_SETCURSEL, 0, 0);
                         SetDlgItemTextA(dialog, IDC_INDICATOR_DROPS, "3");
                         PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                     }),
                     "Indicators");
    EXPECT_EQ(LabObjects[flask].indicatorAmount, 3);
    Pick(flask);
    EXPECT_TRUE(ChooseFromMenuBar({"Procedures", "Collect Titration Data"}, &problem)) << problem;
    EXPECT_EQ(LabObjects[flask].collectTitration, 1);

    EXPECT_TRUE(ChooseFromMenuBar({"Equipment", "50 ml Buret"}, &problem)) << problem;
    EXPECT_TRUE(PumpUntil([] { return LabObjectCount == 2 && TitrationWindow != nullptr; }));
    const int32_t buret = 2;
    EXPECT_EQ(TitrationDialogBuret(), buret);
    Pick(buret);
    RunDialogCommand({"Chemicals", "All Chemicals..."}, AddStock("(0.1 M) Sodium hydroxide", "50.000"), "Chemicals");
    EXPECT_NEAR(LabObjects[buret].liquidVolume, 500, 1e-9);

    // The flask down the bench, then the buret's tip just over its mouth
    // (its middle over the mouth's, its bottom a little above the top), so
    // that the whole buret shows with its scale.
    const LabObject& b = LabObjects[buret];
    const LabObject& f = LabObjects[flask];
    RECT client;
    GetClientRect(BenchWindow, &client);
    POINT corner{client.right, client.bottom};
    DPtoLP(BenchDC, &corner, 1);
    const POINT flaskGrip = CentreOf(f);
    DragOnBench(flaskGrip, {flaskGrip.x, flaskGrip.y + std::max(0, int(corner.y) - 24 - f.position.bottom)});
    const POINT buretGrip = CentreOf(b);
    const int dx = (f.position.left + f.position.right) / 2 + f.inletX - (b.position.left + b.position.right) / 2;
    const int dy = f.position.top + f.inletY - 6 - b.position.bottom;
    DragOnBench(buretGrip, {buretGrip.x + dx, buretGrip.y + dy});
    PassLabTime(int(kHeavyTickPeriod));
    EXPECT_EQ(LabObjects[buret].pourTarget, flask) << "the buret runs into the flask";
    SaveWindowPicture(FrameWindow, std::string(shots) + "-set-up");
    t.before = LookAtFlask(LabObjects[flask]);

    // Start Vol, the stopcock opened; most of the acid neutralised at the
    // pace the flask takes it, then step by step to the first pink.
    HWND dialog = TitrationWindow;
    const HandedTicksOnly handed;
    SendDlgItemMessageA(dialog, IDC_START_VOLUME, BM_CLICK, 0, 0);
    OpenStopcock(dialog);
    EXPECT_EQ(LabObjects[buret].flowSetting, double(kStopcockOpen));
    RunBaseInUntil(flask, 20, nullptr);
    const bool pink = RunBaseInUntil(flask, kRunToMl, [&] { return LabObjects[flask].liquidColour[1] < 200; });
    EXPECT_TRUE(pink) << "the flask turned pink";
    t.pinkAt = LabObjects[flask].titrantDelivered;
    // The first lasting pink: the stopcock closed, the titre read, and the
    // stopcock opened again to see the whole curve.
    SendDlgItemMessageA(dialog, IDC_STOPCOCK_CLOSE, BM_CLICK, 0, 0);
    EXPECT_EQ(LabObjects[buret].flowSetting, 0.0);
    PassLabTime(1);  // the read-out follows the tick
    SendDlgItemMessageA(dialog, IDC_END_VOLUME, BM_CLICK, 0, 0);
    t.titre = std::fabs(Number(ControlTextOf(dialog, IDC_START_VOLUME_TEXT)) -
                        Number(ControlTextOf(dialog, IDC_END_VOLUME_TEXT)));
    SaveWindowPicture(FrameWindow, std::string(shots) + "-end-point");
    SaveWindowPicture(dialog, std::string(shots) + "-titre");
    t.after = LookAtFlask(LabObjects[flask]);
    OpenStopcock(dialog);
    RunBaseInUntil(flask, kRunToMl, nullptr);
    SendDlgItemMessageA(dialog, IDC_STOPCOCK_CLOSE, BM_CLICK, 0, 0);
    EXPECT_NEAR(LabObjects[flask].titrantDelivered, kRunToMl, 1e-6);

    // What the flask holds, as Chemical Properties lists it.
    Pick(flask);
    RunDialogCommand({"Procedures", "Chemical Properties..."}, AfterControlFilled(IDC_PROPERTIES_LIST, [&t](HWND d) {
                         t.contents = ListBoxRows(d, IDC_PROPERTIES_LIST);
                         PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                     }),
                     "Properties");

    EXPECT_TRUE(ChooseFromMenuBar({"Procedures", "View Titration Data"}, &problem)) << problem;
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(DataWindow) != 0; }));
    t.points = TablePoints();
    return t;
}

// The bench, its data and the lab as the next suite expects them.
void LeaveTheBench() {
    CloseTitrationDialog();
    ResetBench();
    ClearTitrationPoints(LabTitrationData);
    ShowWindow(DataWindow, SW_HIDE);
    DocumentModified = false;
}

class TitrationLab : public testing::Test {
protected:
    static void SetUpTestSuite() { started_ = EnsureProgramWindows(); }
    void SetUp() override {
        ASSERT_TRUE(started_);
        ASSERT_TRUE(EnsureProgramWindows());
        DocumentModified = false;
        csv_ = wizard_commands::TempPath("brevane_titration_lab.csv");
        DeleteFileA(csv_.c_str());
    }
    void TearDown() override {
        LeaveTheBench();
        wizard_commands::BackToTheGenericLab();
        DeleteFileA(csv_.c_str());
    }

    std::string csv_;
    static bool started_;
};
bool TitrationLab::started_ = false;

// The example lab's points, kept for the authored lab to be held against.
std::vector<DataPoint> ExamplePoints;

// The points agree with the chemistry, the end point is where it belongs and
// the pH never leaves its scale.
void ExpectTheChemistry(const std::vector<DataPoint>& points) {
    ASSERT_GT(points.size(), 150u);
    EXPECT_NEAR(points.back().volumeMl, kRunToMl, 1e-4);
    for (const DataPoint& p : points) {
        EXPECT_GE(p.ph, 0) << p.volumeMl;
        EXPECT_LE(p.ph, 14) << p.volumeMl;
        if (std::fabs(p.volumeMl - 25) > 0.3)
            EXPECT_NEAR(p.ph, titration_theory::StrongAcidBasePh(25, 0.1, p.volumeMl, 0.1), 0.05) << p.volumeMl;
        if (p.volumeMl == 25) EXPECT_NEAR(p.ph, 7, 0.01) << "the moment the last acid is neutralised";
    }
    EXPECT_NEAR(titration_theory::EndPointOf(points), 25, 0.3);
}

}  // namespace

TEST_F(TitrationLab, TheExampleLabTitratesAsTheChemistrySaysAndExportsItsPoints) {
    ChooseExampleLab();
    ASSERT_STREQ(CurrentUdlName, kExampleFile);
    EXPECT_NE(wizard_commands::PaneText(0).find(kExampleTitle), std::string::npos) << "its Introduction shows";

    const Titration t = TitrateOnTheBench("titration-example");
    ExpectTheChemistry(t.points);
    ExamplePoints = t.points;
    EXPECT_GT(t.pinkAt, 25.0) << "colourless up to the equivalence point";
    EXPECT_LT(t.pinkAt, 25.3) << "pink at the next step past it";
    EXPECT_NEAR(t.titre, t.pinkAt, 0.06) << "the dialog's readings give the titre";
    EXPECT_EQ(t.before.pinkPixels, 0) << "the acid is colourless";
    EXPECT_GT(t.after.pinkPixels, t.after.pixels / 2) << "the flask shows pink at the end point";
    // Past the end point the flask holds water and the ions: sodium and
    // chloride, and the hydroxide in excess, each listed as an ion.
    ASSERT_EQ(t.contents.size(), 4u);
    EXPECT_EQ(t.contents[0].rfind("Water", 0), 0u) << t.contents[0];
    for (const char* ion : {"Chloride ion", "Sodium ion", "Hydroxide ion"}) {
        const auto line = std::find_if(t.contents.begin(), t.contents.end(),
                                       [ion](const std::string& l) { return l.rfind(ion, 0) == 0; });
        ASSERT_NE(line, t.contents.end()) << ion;
        EXPECT_NE(line->find("(Ion)"), std::string::npos) << *line;
    }

    // The graph: a curve from the foot of the scale to near its top, climbing
    // steeply in the middle.
    SendMessageA(DataWindow, WM_COMMAND, IDM_DATA_GRAPH_VIEW, 0);
    SetWindowPos(DataWindow, HWND_TOP, 60, 60, 720, 560, SWP_SHOWWINDOW);
    PumpUntil([] { return false; }, 300);
    InvalidateRect(DataWindow, nullptr, TRUE);
    UpdateWindow(DataWindow);
    SaveWindowPicture(DataWindow, "titration-curve");
    RECT client;
    GetClientRect(DataWindow, &client);
    HDC dc = GetDC(DataWindow);
    const int plotW = client.right - 150, plotH = client.bottom - 150, row = plotH / 14;
    const double xScale = double(plotW) / kRunToMl;
    auto curveNear = [&](double ml, double ph) {
        const int x = 75 + int(xScale * ml), y = client.bottom - 75 - int(row * ph);
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (GetPixel(dc, x + dx, y + dy) == RGB(0, 0, 0)) return true;
        return false;
    };
    for (double ml : {2.0, 10.0, 20.0, 24.0, 26.0, 30.0, 34.0})
        EXPECT_TRUE(curveNear(ml, titration_theory::StrongAcidBasePh(25, 0.1, ml, 0.1))) << ml << " ml";
    EXPECT_TRUE(curveNear(25, 7)) << "the steep rise passes pH 7 at 25 ml";
    ReleaseDC(DataWindow, dc);

    // Export to csv: one row a point, as the table shows them.
    DialogDriver driver({ChooseFile(csv_)}, {TitrationWindow});
    PostMessageA(DataWindow, WM_COMMAND, IDM_DATA_EXPORT_CSV, 0);
    PumpUntil([&] { return GetFileAttributesA(csv_.c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    std::ifstream in(csv_, std::ios::binary);
    const std::string rows((std::istreambuf_iterator<char>(in)), {});
    std::istringstream lines(rows);
    std::string line;
    size_t n = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(n, t.points.size());
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r') << "rows end in CR LF";
        double volume = 0, ph = 0;
        ASSERT_EQ(sscanf(line.c_str(), "%lf,%lf", &volume, &ph), 2) << line;
        EXPECT_NEAR(volume, t.points[n].volumeMl, 1e-4) << n;
        EXPECT_NEAR(ph, t.points[n].ph, 1e-4) << n;
        ++n;
    }
    EXPECT_EQ(n, t.points.size());
    if (const char* folder = getenv("BREVANE_SCREENSHOTS")) {
        CopyFileA(csv_.c_str(), (std::string(folder) + "\\titration-example.csv").c_str(), FALSE);
    }
}

// ---- the same lab authored in the wizard ----

namespace {

constexpr int kIndicatorPink = 6;  // the colour list's second "blue", stored as 0xFF00FF: magenta

// What the lab chemical dialog is given for a stock: a 0.1 M solution.
void MakeTenthMolar(HWND properties) {
    Tick(properties, IDC_LABCHEM_SOLUTION);
    SetControlText(properties, IDC_LABCHEM_MOLARITY, "0.1");
}

// The offer of the stock's ions, answered Yes; its text for the checks.
std::string AcceptIons(HWND sheet) {
    HWND box = Opened(sheet, "Tavistrel");
    if (!box) return "";
    SaveScreenshot(box, "wizard-titration-offer");
    const std::string text = StaticTexts(box);
    EXPECT_TRUE(Answer(box, IDYES));
    return text;
}

// The teacher's few minutes: the two stocks from the master database made
// 0.1 M solutions with their ions accepted, phenolphthalein, the pH meter.
void AuthorTheTitration(HWND sheet, const std::string (&documents)[3], std::string (&offers)[2]) {
    FillLabHeaderPages(sheet, "Acid-Base Titration, authored", "0.1 M HCl in the flask, 0.1 M NaOH in the buret.",
                       documents);
    if (testing::Test::HasFatalFailure()) return;
    HWND page = CurrentPage(sheet);
    AddFromDatabase(sheet, page, "Hydrochloric acid", MakeTenthMolar);
    offers[0] = AcceptIons(sheet);
    AddFromDatabase(sheet, page, "Sodium hydroxide", MakeTenthMolar);
    offers[1] = AcceptIons(sheet);
    AddFromDatabase(sheet, page, "Phenolphthalein");
    SaveScreenshot(sheet, "wizard-titration-chemicals");

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    ASSERT_EQ(TextOf(sheet), "Add Reactions");
    SaveScreenshot(sheet, "wizard-titration-reactions");
    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "Lab Properties");
    Tick(page, IDC_LP_FIRST_BOX + 0);  // the pH meter

    ASSERT_TRUE(Turn(sheet, PSBTN_NEXT));
    page = CurrentPage(sheet);
    ASSERT_EQ(TextOf(sheet), "Add Indicators");
    AddPhIndicator(sheet, page, "Phenolphthalein", "Colourless in acid, pink in alkali", "Phenolphthalein", "8.2", "10",
                   kIndicatorPink);
    if (testing::Test::HasFatalFailure()) return;

    ASSERT_TRUE(NextUntil(sheet, kFinishPage));
    PressSheetButton(sheet, PSBTN_FINISH);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
}

class AuthoredTitration : public wizard_commands::WizardCommands {
protected:
    void TearDown() override {
        LeaveTheBench();
        WizardCommands::TearDown();
    }
    wizard_commands::MasterDatabaseInUse master_;
};

}  // namespace

TEST_F(AuthoredTitration, TheSameLabAuthoredPageByPageTitratesTheSame) {
    if (ExamplePoints.empty()) {  // run on its own: the example's curve first
        ChooseExampleLab();
        ASSERT_STREQ(CurrentUdlName, kExampleFile);
        ExamplePoints = TitrateOnTheBench("titration-example").points;
        LeaveTheBench();
        ASSERT_EQ(LoadLabModule(BenchWindow, wizard_commands::kAuthoringModule, "", 1, 0), 1);
    }
    const std::string documents[3] = {Document("introduction"), Document("procedure"), Document("observations")};
    std::string offers[2];
    wizard_commands::RunCommand(kCmdCreateNewUdl, [&](HWND sheet) { AuthorTheTitration(sheet, documents, offers); });
    ASSERT_STREQ(CurrentUdlName, wizard_commands::kLabName);
    EXPECT_NE(offers[0].find("Hydrogen ion and Chloride ion"), std::string::npos) << offers[0];
    EXPECT_NE(offers[1].find("Sodium ion and Hydroxide ion"), std::string::npos) << offers[1];
    EXPECT_NE(offers[1].find("neutralisation"), std::string::npos) << offers[1];

    const Titration t = TitrateOnTheBench("titration-authored");
    ExpectTheChemistry(t.points);
    ASSERT_EQ(t.points.size(), ExamplePoints.size());
    for (size_t i = 0; i < t.points.size(); ++i) {
        EXPECT_EQ(t.points[i].volumeMl, ExamplePoints[i].volumeMl) << i;
        EXPECT_EQ(t.points[i].ph, ExamplePoints[i].ph) << t.points[i].volumeMl << " ml";
    }
    EXPECT_GT(t.pinkAt, 25.0);
    EXPECT_LT(t.pinkAt, 25.3);
}
