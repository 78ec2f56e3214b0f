// The crystallisation and chloride labs done as a student does them: the lab
// chosen from the lab list, each step of its Procedure carried out with the
// menus and the mouse where the text says, and the result read from what the
// bench shows (thermometer, balance, Chemical Properties). Minutes of lab
// time pass by delivering the bench's timer message at once, not by waiting.
// The suite shares the started program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <commctrl.h>

#include "app/frame/app_windows_win.h"
#include "app/panes/text_panes_win.h"
#include "bench/model/bench_state.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_tick.h"
#include "bench/window/bench_window_win.h"
#include "common/equipment_type.h"
#include "program_instance.h"
#include "resources/brevane/contents_ids.h"
#include "student_hands.h"

namespace {

constexpr int kTicksPerSecond = 10;

// The bench's solubility line of potassium nitrate: grams per 100 g of water,
// straight through its values at 0 and 100 °C.
double PotassiumNitrateSolubility(double celsius) { return 13.3 + (247.0 - 13.3) * celsius / 100.0; }

// The newest object of a type, 0 when none.
int32_t Newest(int32_t type) {
    for (int32_t i = LabObjectCount; i >= 1; --i)
        if (LabObjects[i].type == type) return i;
    return 0;
}

class SaltLabs : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureProgramWindows());
        ResetBench();
    }
    void TearDown() override {
        if (!IsWindow(FrameWindow)) return;
        // The next suite expects the generic lab, as the program starts.
        ResetBench();
        EXPECT_TRUE(Answered({RunLab("Olvaris.dll")}, [] { ChooseMenu({"Options", "Labs..."}); }));
        DocumentModified = false;
    }
    // The lab chosen from the lab list, and where the bench top and the
    // bench's right edge are (bench units).
    void Start(const char* module) {
        ASSERT_TRUE(Answered({RunLab(module)}, [] { ASSERT_TRUE(ChooseMenu({"Options", "Labs..."})); }));
        ASSERT_EQ(ProcedureStep(1).find("1. "), 0u) << "the lab's Procedure is shown";
        benchTop_ = BenchTop();
        RECT client;
        GetClientRect(BenchWindow, &client);
        POINT corner{client.right, client.bottom};
        DPtoLP(BenchDC, &corner, 1);
        benchRight_ = corner.x;
    }
    // Steps 1 and 2 of the burner labs: the burner a little right of the
    // middle of the bench top, a 100 ml beaker to its right.
    void BurnerAndBeaker(int32_t* burner, int32_t* beaker) {
        ASSERT_TRUE(StepNames(1, {"Equipment", "Bunsen Burner", "bench top"}));
        ASSERT_TRUE(ChooseMenu({"Equipment", "Bunsen Burner"}));
        *burner = Newest(kBunsenBurner);
        ASSERT_NE(*burner, 0);
        DragObjectTo(*burner, benchRight_ * 11 / 20 - 62, benchTop_);
        ASSERT_TRUE(StepNames(2, {"Equipment", "Beakers", "100 ml Beaker", "right of the burner"}));
        ASSERT_TRUE(ChooseMenu({"Equipment", "Beakers", "100 ml Beaker"}));
        *beaker = Newest(kBeaker);
        ASSERT_NE(*beaker, 0);
        DragObjectTo(*beaker, LabObjects[*burner].position.right + 40, benchTop_);
    }
    static void Select(int32_t index) { ClickBench(CentreOf(LabObjects[index])); }
    // The Properties dialog's lines for an object; with a picture name, the
    // dialog is moved to the frame's lower right (as a student drags it off
    // the bench's middle) and the frame saved with it open.
    static std::vector<std::string> PropertiesOf(int32_t index, const char* picture = nullptr) {
        std::vector<std::string> lines;
        Select(index);
        DialogDriver::Step read = ReadListThenOk(IDC_PROPERTIES_LIST, &lines);
        DialogDriver::Step step = read;
        if (picture)
            step = [read, picture](HWND dialog) {
                RECT d, f;
                GetWindowRect(dialog, &d);
                GetWindowRect(FrameWindow, &f);
                SetWindowPos(dialog, nullptr, f.right - (d.right - d.left) - 20, f.bottom - (d.bottom - d.top) - 40, 0,
                             0, SWP_NOSIZE | SWP_NOZORDER);
                SaveFramePicture(picture);
                read(dialog);
            };
        EXPECT_TRUE(Answered({AfterControlFilled(IDC_PROPERTIES_LIST, step)},
                             [] { EXPECT_TRUE(ChooseMenu({"Procedures", "Chemical Properties..."})); }));
        return lines;
    }
    // The Procedure beside the bench, as a click on its tab shows it.
    static void ShowProcedure() { ClickTextTab(1); }
    int32_t benchTop_ = 0, benchRight_ = 0;
};

}  // namespace

// Parts A and B with potassium dichromate beside the nitrate, then Part C's
// repeat with sodium chloride: each time potassium nitrate alone comes out,
// as much as the solubility line leaves undissolved at the temperature read.
TEST_F(SaltLabs, CrystallisationCollectsPotassiumNitrateOnTheFilterAsItsSolubilityLineSays) {
    Start("Morvena.dll");
    int32_t burner = 0, beaker = 0;
    BurnerAndBeaker(&burner, &beaker);
    if (HasFatalFailure()) return;
    const int32_t besideBurner = LabObjects[beaker].position.left;

    struct Mixture {
        const char* salt;
        const char* grams;
        int step;  // where the Procedure names it
    } mixtures[] = {{"Potassium dichromate", "5.00", 4}, {"Sodium chloride", "10.00", 13}};
    int32_t flask = 0;
    for (const Mixture& m : mixtures) {
        SCOPED_TRACE(m.salt);
        const bool first = m.step == 4;
        if (!first) {
            // 13: the first watch glass aside, then the same road again.
            ASSERT_TRUE(StepNames(13, {"watch glass aside", m.salt, m.grams, "Potassium Nitrate", "40.00",
                                       "Buchner Funnel"}));
            const int32_t glass = Newest(kWatchGlass);
            ASSERT_TRUE(StepNames(13, {"top right corner"}));
            const int32_t width = LabObjects[glass].position.right - LabObjects[glass].position.left;
            DragObjectTo(glass, benchRight_ - 20 - width, LabObjects[glass].position.bottom - LabObjects[glass].position.top + 10);
        }
        // 3: 40 ml of water, to the 40.0 ml mark.
        ASSERT_TRUE(StepNames(3, {"Chemicals", "Water...", "40.0 ml"}));
        Select(beaker);
        ASSERT_TRUE(Answered({FillToLevel("40.0 ml")}, [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "Water..."})); }));
        // 4: the two salts.
        ASSERT_TRUE(StepNames(4, {"Chemicals", "All Chemicals...", "Potassium Nitrate", "40.00"}));
        ASSERT_TRUE(StepNames(m.step, {m.salt, m.grams}));
        ASSERT_TRUE(Answered({AddChemical("Potassium Nitrate", "40.00")},
                             [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
        ASSERT_TRUE(Answered({AddChemical(m.salt, m.grams)},
                             [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
        RepaintBench();
        EXPECT_GT(SolidPixelsIn(SolidBandOf(LabObjects[beaker])), 5) << "the salts lie on the bottom";
        // 5: the thermometer, put in once.
        if (first) {
            ASSERT_TRUE(StepNames(5, {"Equipment", "Thermometer"}));
            ASSERT_TRUE(ChooseMenu({"Equipment", "Thermometer"}));
        }
        EXPECT_NEAR(ReadoutNumber(ThermometerText(LabObjects[beaker])), 20.0, 0.5);

        // 6: onto the burner's gauze, warmed until the last solid goes, on to 40 °C, then off.
        ASSERT_TRUE(StepNames(6, {"gauze", "last", "40 \xB0" "C"}));
        DragObjectTo(beaker, LabObjects[burner].position.left + 10, LabObjects[burner].position.top);
        double lastCrystal = 0;
        const int heating = PassTicksUntil(
            [&] {
                RepaintBench();
                if (SolidPixelsIn(SolidBandOf(LabObjects[beaker])) > 0) return false;
                lastCrystal = ReadoutNumber(ThermometerText(LabObjects[beaker]));
                return true;
            },
            120 * kTicksPerSecond);
        ASSERT_GE(heating, 0) << "the solid never dissolved";
        const int toForty = PassTicksUntil(
            [&] { return ReadoutNumber(ThermometerText(LabObjects[beaker])) >= 40.0; }, 60 * kTicksPerSecond);
        ASSERT_GE(toForty, 0);
        DragObjectTo(beaker, besideBurner, benchTop_);
        std::printf("%s: the last solid went after %.1f s at %.1f, 40 degrees %.1f s later\n", m.salt,
                    heating / 10.0, lastCrystal, toForty / 10.0);

        // 7: cooling, the crystals come back.
        ASSERT_TRUE(StepNames(7, {"white crystals"}));
        double firstCrystals = 0;
        const int cooling = PassTicksUntil(
            [&] {
                if (LabTickCount % 10) return false;
                RepaintBench();
                if (SolidPixelsIn(SolidBandOf(LabObjects[beaker])) == 0) return false;
                firstCrystals = ReadoutNumber(ThermometerText(LabObjects[beaker]));
                return true;
            },
            30 * 60 * kTicksPerSecond);
        ASSERT_GE(cooling, 0) << "no crystals came back";
        std::printf("%s: crystals after %.1f s at %.1f\n", m.salt, cooling / 10.0, firstCrystals);
        EXPECT_NEAR(firstCrystals, lastCrystal, 1.0) << "they come back where they went";

        // 8: the flask and its funnel at the bench top's left end (Part C: the funnel fitted again).
        ASSERT_TRUE(StepNames(8, {"Equipment", "Flasks", "250ml Flask (Erlenmeyer)", "click the flask",
                                  "Buchner Funnel", "left end of the bench top"}));
        if (first) {
            ASSERT_TRUE(ChooseMenu({"Equipment", "Flasks", "250ml Flask (Erlenmeyer)"}));
            flask = Newest(kErlenmeyerFlask);
            ASSERT_NE(flask, 0);
        }
        Select(flask);
        ASSERT_TRUE(ChooseMenu({"Equipment", "Buchner Funnel"}));
        ASSERT_EQ(LabObjects[flask].stateBits, 1) << "the funnel is fitted";
        DragObjectTo(flask, 20, benchTop_);

        // 9: at 30 °C, the beaker lifted over the funnel.
        ASSERT_TRUE(StepNames(9, {"30 \xB0" "C", "bottom left corner"}));
        double atPour = 0;
        const int toThirty = PassTicksUntil(
            [&] {
                atPour = ReadoutNumber(ThermometerText(LabObjects[beaker]));
                return atPour <= 30.0;
            },
            30 * 60 * kTicksPerSecond);
        ASSERT_GE(toThirty, 0);
        std::printf("%s: 30 degrees %.1f s later\n", m.salt, toThirty / 10.0);
        const double water = GramsInLines(PropertiesOf(beaker), "Distilled Water", "Liquid");
        EXPECT_NEAR(water, 40.0, 0.01) << "nothing boiled off";
        const RectI32 f = LabObjects[flask].position;
        DragObjectTo(beaker, (f.left + f.right) / 2, f.top - 20);
        // 10: pour, and the empty beaker back down.
        ASSERT_TRUE(StepNames(10, {"Procedures", "Pour/Decant", "empty beaker back down"}));
        Select(beaker);
        ASSERT_TRUE(ChooseMenu({"Procedures", "Pour/Decant"}));
        ASSERT_GE(PassTicksUntil([&] { return LabObjects[beaker].variant == 0; }, 20 * kTicksPerSecond), 0)
            << "the beaker stands up again";
        EXPECT_LT(TotalComponentMass(LabObjects[beaker]), 1e-9) << "everything left the beaker";
        DragObjectTo(beaker, besideBurner, benchTop_);
        ASSERT_TRUE(StepNames(10, {"In Filter"}));
        EXPECT_GT(GramsInLines(PropertiesOf(flask), "Potassium Nitrate", "In Filter"), 5.0) << "the crystals are on the filter";
        // 11: the residue onto a new watch glass.
        ASSERT_TRUE(StepNames(11, {"Equipment", "Buchner Funnel", "Place Solid into new Container:", "Watch Glass"}));
        Select(flask);
        ASSERT_TRUE(Answered({PlaceResidue("Watch Glass", "50 ml")},
                             [] { ASSERT_TRUE(ChooseMenu({"Equipment", "Buchner Funnel"})); }));
        const int32_t glass = Newest(kWatchGlass);
        ASSERT_NE(glass, 0);
        RepaintBench();
        EXPECT_GT(SolidPixelsIn(SolidBandOf(LabObjects[glass])), 5) << "the crystals show on the watch glass";
        if (first) ShowProcedure();
        // 12: how much.
        ASSERT_TRUE(StepNames(12, {"Procedures", "Chemical Properties..."}));
        const std::vector<std::string> collected = PropertiesOf(glass, first ? "lab-crystallisation" : nullptr);
        const double crystals = GramsInLines(collected, "Potassium Nitrate", "Solid");
        const double predicted = 40.0 - water * PotassiumNitrateSolubility(atPour) / 100.0;
        std::printf("%s: collected %.3f g at %.1f; the line predicts %.3f g\n", m.salt, crystals, atPour, predicted);
        EXPECT_NEAR(crystals, predicted, 0.15 * predicted);
        EXPECT_NEAR(atPour, 30.0, 1.0);
        EXPECT_EQ(GramsInLines(collected, m.salt, "Solid"), -1) << "the other salt stayed in solution";
    }
}

TEST_F(SaltLabs, ChlorideWeighsTheDriedSilverChlorideOnTheZeroedBalance) {
    Start("Dunmere.dll");
    const auto onPan = [](int32_t item, int32_t balance) {
        const LabObject& b = LabObjects[balance];
        const int32_t width = LabObjects[item].position.right - LabObjects[item].position.left;
        const int32_t panMiddle = b.position.left + (b.balancePan.left + b.balancePan.right) / 2;
        DragObjectTo(item, panMiddle - width / 2, b.position.top + b.balancePan.bottom - 2);
        PassLabTime(1);  // the balance settles what stands on its pan
    };

    // Part A: the unknown weighed on the zeroed balance.
    ASSERT_TRUE(StepNames(1, {"Equipment", "Balances", "Electronic Balance", "right end of the bench top"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Balances", "Electronic Balance"}));
    const int32_t balance = Newest(kElectronicBalance);
    ASSERT_NE(balance, 0);
    const int32_t balanceWidth = LabObjects[balance].position.right - LabObjects[balance].position.left;
    DragObjectTo(balance, benchRight_ - 20 - balanceWidth, benchTop_);
    ASSERT_TRUE(StepNames(2, {"Equipment", "Beakers", "250 ml Beaker", "pan"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Beakers", "250 ml Beaker"}));
    const int32_t beaker = Newest(kBeaker);
    ASSERT_NE(beaker, 0);
    onPan(beaker, balance);
    const double emptyBeaker = ReadoutNumber(BalanceText(LabObjects[balance]));
    EXPECT_NEAR(emptyBeaker, LabObjects[beaker].emptyMass, 0.001) << "the balance weighs the beaker";
    ASSERT_TRUE(StepNames(3, {"Options", "Zero Balance", "0.000 g"}));
    const RectI32 front = LabObjects[balance].position;
    ClickBench({(front.left + front.right) / 2, front.bottom - 10});
    ASSERT_EQ(SelectedObject, balance) << "the balance's front selects it";
    ASSERT_TRUE(ChooseMenu({"Options", "Zero Balance"}));
    PassLabTime(1);
    EXPECT_EQ(BalanceText(LabObjects[balance]), "0.000 g");
    ASSERT_TRUE(StepNames(4, {"Chemicals", "All Chemicals...", "Unknown Chloride Salt", "0.50"}));
    Select(beaker);
    ASSERT_TRUE(Answered({AddChemical("Unknown Chloride Salt", "0.50")},
                         [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
    PassLabTime(1);
    const double unknown = ReadoutNumber(BalanceText(LabObjects[balance]));
    EXPECT_NEAR(unknown, 0.500, 0.0005);

    // Part B: dissolved, acidified, precipitated.
    ASSERT_TRUE(StepNames(5, {"just left of the balance", "Chemicals", "Water...", "50.0 ml"}));
    DragObjectTo(beaker, LabObjects[balance].position.left - 10 -
                             (LabObjects[beaker].position.right - LabObjects[beaker].position.left),
                 benchTop_);
    Select(beaker);
    ASSERT_TRUE(Answered({FillToLevel("50.0 ml")}, [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "Water..."})); }));
    PassLabTime(5 * kTicksPerSecond);
    EXPECT_EQ(MassByPhase(LabObjects[beaker], kPhaseSolid), 0.0) << "the salt dissolved";
    ASSERT_TRUE(StepNames(6, {"Chemicals", "All Chemicals...", "Nitric Acid", "2"}));
    ASSERT_TRUE(Answered({AddChemical("Nitric Acid", "2")},
                         [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
    ASSERT_TRUE(StepNames(7, {"Chemicals", "All Chemicals...", "Silver(I) Nitrate", "10", "white cloud"}));
    ASSERT_TRUE(Answered({AddChemical("Silver(I) Nitrate", "10")},
                         [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
    PassLabTime(5);  // one step of the lab: the silver meets the chloride
    ASSERT_GT(LabObjects[beaker].precipitate, 1.0) << "the silver chloride came down at once";
    // The cloud: a paint lays its specks in the liquid.
    for (int paint = 0; paint < 30; ++paint) RepaintBench();
    const std::vector<COLORREF> cloud = BenchPixels(LiquidBandOf(LabObjects[beaker]));
    // Against the liquid itself (the band's middle brightness) the specks are
    // white: lighter, never darker.
    std::vector<int> lumas;
    for (COLORREF c : cloud) lumas.push_back(Luma(c));
    std::nth_element(lumas.begin(), lumas.begin() + lumas.size() / 2, lumas.end());
    const int liquidLuma = lumas[lumas.size() / 2];
    int whiter = 0, darker = 0;
    for (COLORREF c : cloud) {
        if (Luma(c) > liquidLuma + 15) ++whiter;
        if (Luma(c) + 15 < liquidLuma) ++darker;
    }
    EXPECT_GT(whiter, int(cloud.size() / 20)) << "white specks cloud the liquid";
    EXPECT_EQ(darker, 0) << "no dark specks";
    ShowProcedure();
    SaveFramePicture("lab-chloride-cloud");
    ASSERT_TRUE(StepNames(8, {"Procedures", "Chemical Properties...", "In Solution"}));
    EXPECT_GT(GramsInLines(PropertiesOf(beaker), "Silver(I) Nitrate", "In Solution"), 0) << "silver in excess";

    // Part C: settled, poured onto the filter.
    ASSERT_TRUE(StepNames(9, {"20 seconds", "white layer"}));
    const int settling = PassTicksUntil([&] { return !(LabObjects[beaker].precipitate > 0); }, 60 * kTicksPerSecond);
    ASSERT_GE(settling, 0);
    std::printf("settled in %.1f s\n", settling / 10.0);
    EXPECT_LE(settling, 20 * kTicksPerSecond + 5);
    RepaintBench();
    EXPECT_GT(SolidPixelsIn(SolidBandOf(LabObjects[beaker])), 5) << "the silver chloride shows on the bottom";
    ASSERT_TRUE(StepNames(10, {"Equipment", "Flasks", "250ml Flask (Erlenmeyer)", "click the flask", "Buchner Funnel",
                               "left end of the bench top"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Flasks", "250ml Flask (Erlenmeyer)"}));
    const int32_t flask = Newest(kErlenmeyerFlask);
    ASSERT_NE(flask, 0);
    Select(flask);
    ASSERT_TRUE(ChooseMenu({"Equipment", "Buchner Funnel"}));
    ASSERT_EQ(LabObjects[flask].stateBits, 1) << "the funnel is fitted";
    DragObjectTo(flask, 20, benchTop_);
    ASSERT_TRUE(StepNames(11, {"bottom left corner", "Procedures", "Pour/Decant"}));
    const RectI32 f = LabObjects[flask].position;
    DragObjectTo(beaker, (f.left + f.right) / 2, f.top - 20);
    Select(beaker);
    ASSERT_TRUE(ChooseMenu({"Procedures", "Pour/Decant"}));
    const int pouring = PassTicksUntil([&] { return LabObjects[beaker].variant == 0; }, 20 * kTicksPerSecond);
    ASSERT_GE(pouring, 0) << "the beaker stands up again";
    std::printf("poured in %.1f s\n", pouring / 10.0);
    EXPECT_LT(TotalComponentMass(LabObjects[beaker]), 1e-9) << "everything left the beaker";
    ASSERT_TRUE(StepNames(12, {"top right corner"}));
    DragObjectTo(beaker, benchRight_ - 20 - (LabObjects[beaker].position.right - LabObjects[beaker].position.left),
                 LabObjects[beaker].position.bottom - LabObjects[beaker].position.top + 10);

    // Part D: weighed on a zeroed watch glass.
    ASSERT_TRUE(StepNames(13, {"Equipment", "Watch Glass", "pan", "Options", "Zero Balance"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Watch Glass"}));
    const int32_t glass = Newest(kWatchGlass);
    ASSERT_NE(glass, 0);
    onPan(glass, balance);
    ClickBench({(front.left + front.right) / 2, front.bottom - 10});
    ASSERT_EQ(SelectedObject, balance);
    ASSERT_TRUE(ChooseMenu({"Options", "Zero Balance"}));
    PassLabTime(1);
    EXPECT_EQ(BalanceText(LabObjects[balance]), "0.000 g");
    ASSERT_TRUE(StepNames(14, {"Equipment", "Buchner Funnel", "Place Solid into Selected Container"}));
    const RectI32 g = LabObjects[glass].position;
    const RectI32 fl = LabObjects[flask].position;
    ClickBench({fl.right + 5, fl.top - 40});  // nothing selected to begin with
    DragOnBench({fl.left - 10, fl.top - 10}, {g.right + 10, std::max(fl.bottom, g.bottom) + 5});
    ASSERT_EQ(MultiSelection.memberCount, 2) << "the frame holds the flask and the watch glass";
    ASSERT_TRUE(Answered({PlaceResidue("", "")}, [] { ASSERT_TRUE(ChooseMenu({"Equipment", "Buchner Funnel"})); }));
    PassLabTime(1);
    ASSERT_TRUE(StepNames(15, {"balance"}));
    const double silverChloride = ReadoutNumber(BalanceText(LabObjects[balance]));
    const double percent = silverChloride * 35.453 / 143.321 / unknown * 100;
    std::printf("silver chloride %.3f g from %.3f g: %.2f %% chloride\n", silverChloride, unknown, percent);
    EXPECT_NEAR(silverChloride, 1.2262, 0.01 * 1.2262);
    EXPECT_NEAR(percent, 60.66, 0.5);
    RepaintBench();
    EXPECT_GT(SolidPixelsIn(SolidBandOf(LabObjects[glass])), 5) << "the silver chloride shows on the watch glass";
    SaveFramePicture("lab-chloride");
}

// The generic lab's Procedure: water to a mark, water as a chemical, heating
// to the boil on the burner, cooling, and pouring onto a zeroed balance.
TEST_F(SaltLabs, GenericLabProcedureWorksAsWritten) {
    Start("Olvaris.dll");
    int32_t burner = 0, firstBeaker = 0;
    BurnerAndBeaker(&burner, &firstBeaker);
    if (HasFatalFailure()) return;
    const int32_t right = LabObjects[firstBeaker].position.left;
    Select(firstBeaker);
    ASSERT_TRUE(StepNames(3, {"Thermometer", "Equipment"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Thermometer"}));
    ASSERT_TRUE(StepNames(4, {"Water...", "Chemicals", "40.0 ml"}));
    ASSERT_TRUE(Answered({FillToLevel("40.0 ml")}, [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "Water..."})); }));
    EXPECT_EQ(LabObjects[firstBeaker].liquidVolume, 400.0);
    EXPECT_NEAR(ReadoutNumber(ThermometerText(LabObjects[firstBeaker])), 20.0, 0.5);

    ASSERT_TRUE(StepNames(6, {"Equipment", "Beakers", "100 ml Beaker", "left of the burner", "All Chemicals..."}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Beakers", "100 ml Beaker"}));
    const int32_t secondBeaker = Newest(kBeaker);
    ASSERT_NE(secondBeaker, firstBeaker);
    const int32_t width = LabObjects[secondBeaker].position.right - LabObjects[secondBeaker].position.left;
    DragObjectTo(secondBeaker, LabObjects[burner].position.left - 40 - width, benchTop_);
    Select(secondBeaker);
    ASSERT_TRUE(StepNames(7, {"Distilled Water", "20", "ml", "Procedures", "Chemical Properties..."}));
    ASSERT_TRUE(Answered({AddChemical("Distilled Water", "20")},
                         [] { ASSERT_TRUE(ChooseMenu({"Chemicals", "All Chemicals..."})); }));
    EXPECT_NEAR(GramsInLines(PropertiesOf(secondBeaker), "Distilled Water", "Liquid"), 20.0, 1e-6);

    // Heated on the burner: about 1 °C a second, boiling after a little over a minute.
    ASSERT_TRUE(StepNames(8, {"gauze", "1 \xB0" "C a second", "10 seconds"}));
    DragObjectTo(firstBeaker, LabObjects[burner].position.left + 10, LabObjects[burner].position.top);
    PassLabTime(10 * kTicksPerSecond);
    const double afterTen = ReadoutNumber(ThermometerText(LabObjects[firstBeaker]));
    EXPECT_NEAR(afterTen - 20.0, 10.0, 5.0) << "about 1 degree a second";
    ASSERT_TRUE(StepNames(9, {"boils", "minute"}));
    const int boiling = PassTicksUntil([&] { return ReadoutNumber(ThermometerText(LabObjects[firstBeaker])) >= 100.0; },
                                       5 * 60 * kTicksPerSecond);
    ASSERT_GE(boiling, 0);
    std::printf("boils %.1f s after the first 10\n", boiling / 10.0);
    EXPECT_GT(boiling, 40 * kTicksPerSecond);
    EXPECT_LT(boiling, 100 * kTicksPerSecond);
    PassLabTime(5 * kTicksPerSecond);
    EXPECT_NEAR(ReadoutNumber(ThermometerText(LabObjects[firstBeaker])), 100.0, 0.5) << "it stays at the boil";
    ASSERT_TRUE(StepNames(10, {"off the burner"}));
    DragObjectTo(firstBeaker, right, benchTop_);
    const double hot = ReadoutNumber(ThermometerText(LabObjects[firstBeaker]));
    PassLabTime(10 * kTicksPerSecond);
    const double cooled = hot - ReadoutNumber(ThermometerText(LabObjects[firstBeaker]));
    std::printf("cooled %.1f degrees in 10 s\n", cooled);
    EXPECT_GT(cooled, 0.3);
    EXPECT_LT(cooled, 3.0);

    // Poured onto the zeroed balance: it weighs what was poured.
    ASSERT_TRUE(StepNames(11, {"Equipment", "Balances", "Electronic Balance", "left end", "Zero Balance"}));
    ASSERT_TRUE(ChooseMenu({"Equipment", "Balances", "Electronic Balance"}));
    const int32_t balance = Newest(kElectronicBalance);
    // A balance is drawn first, under everything: the others moved up one place.
    ASSERT_EQ(balance, 1);
    const int32_t first = firstBeaker + 1, second = secondBeaker + 1;
    ASSERT_TRUE(LabObjects[first].thermometerInserted && !LabObjects[second].thermometerInserted);
    DragObjectTo(balance, 20, benchTop_);
    const LabObject& b = LabObjects[balance];
    const int32_t panMiddle = b.position.left + (b.balancePan.left + b.balancePan.right) / 2;
    DragObjectTo(second, panMiddle - width / 2, b.position.top + b.balancePan.bottom - 2);
    PassLabTime(1);
    EXPECT_NEAR(ReadoutNumber(BalanceText(b)), LabObjects[second].emptyMass + 20.0, 0.001);
    ClickBench({(b.position.left + b.position.right) / 2, b.position.bottom - 10});
    ASSERT_EQ(SelectedObject, balance);
    ASSERT_TRUE(ChooseMenu({"Options", "Zero Balance"}));
    PassLabTime(1);
    EXPECT_EQ(BalanceText(b), "0.000 g");
    ASSERT_TRUE(StepNames(12, {"bottom left corner", "Pour/Decant", "Procedures"}));
    const double pouredWater = MassOfComponent(LabObjects[first], kCasWater, kPhaseLiquid);
    const RectI32 r = LabObjects[second].position;
    DragObjectTo(first, (r.left + r.right) / 2, r.top - 20);
    Select(first);
    ASSERT_TRUE(ChooseMenu({"Procedures", "Pour/Decant"}));
    ASSERT_GE(PassTicksUntil([&] { return LabObjects[first].variant == 0; }, 20 * kTicksPerSecond), 0);
    PassLabTime(1);
    EXPECT_NEAR(ReadoutNumber(BalanceText(b)), pouredWater, 0.001) << "the balance weighs the water poured";
    ShowProcedure();
    SaveFramePicture("lab-generic");
}

// A lab run from the list opens on its Introduction, and the tab above the
// text says so, whichever tab the student had chosen before.
TEST_F(SaltLabs, ALabRunFromTheListShowsItsIntroductionUnderItsOwnTab) {
    ClickTextTab(1);
    ASSERT_EQ(TabCtrl_GetCurSel(TabControl), 1);
    Start("Dunmere.dll");
    EXPECT_TRUE(IsWindowVisible(TextPaneWindow(0)));
    EXPECT_FALSE(IsWindowVisible(TextPaneWindow(1)));
    EXPECT_EQ(TabCtrl_GetCurSel(TabControl), 0) << "the tab names the pane shown";
}
