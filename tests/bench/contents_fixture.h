// The fixture of the contents tests: an empty bench, a small lab table with
// every kind of chemical the Chemicals dialog adds, and recording stand-ins
// for the bench, the command seams and the contents dialogs.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/commands/bench_command_seams.h"
#include "bench/commands/command_router.h"
#include "bench/commands/contents/contents_commands.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/commands/contents/contents_seams.h"
#include "bench/model/bench_state.h"
#include "bench/model/lab_objects.h"
#include "bench/model/selection.h"
#include "tests/bench/fake_bench_seams.h"
#include "tests/support/chemicals_fixture.h"

namespace contents_test {

constexpr CasNumber kWater = kCasWater;
constexpr CasNumber kSalt = 7647145;
constexpr CasNumber kEthanol = 64175;
constexpr CasNumber kZincPellets = 7440666;
constexpr CasNumber kHydrochloricAcid = 7647010;
constexpr CasNumber kVinegar = 900001;
constexpr CasNumber kAceticAcid = 64197;

inline std::array<ChemicalRecord, 7> LabChemicals() {
    using test_chemicals::MakeChemical;
    std::array<ChemicalRecord, 7> t = {
        MakeChemical({kWater, "Water", "H\x7f" "2O", kKindLiquid, 18.015f, 1.0f, 273.15f, 373.15f, -1, -1, 230, 240, 255}),
        MakeChemical({kSalt, "Sodium chloride", "NaCl", kKindSolid, 58.44f, 2.0f, 1074, 1686, 35.7f, 39.1f, 200, 200, 200}),
        MakeChemical({kEthanol, "Ethanol", "C\x7f" "2H\x7f" "5OH", kKindLiquid, 46.07f, 0.8f, 159, 351.4f, -1, -1, 250, 250, 250}),
        MakeChemical({kZincPellets, "Zinc pellets", "Zn", kKindSolid, 65.38f, 7.0f, 692, 1180, -1, -1, 150, 150, 160}),
        MakeChemical({kHydrochloricAcid, "Hydrochloric acid", "HCl", kKindSolution, 36.46f, 1.0f, -1, -1, -1, -1, 240, 250, 200}),
        MakeChemical({kVinegar, "Vinegar", "-", kKindLiquidMixture, 0, 1.0f, -1, -1, -1, -1, 250, 240, 200}),
        MakeChemical({kAceticAcid, "Acetic acid", "CH\x7f" "3COOH", kKindLiquid, 60.05f, 1.05f, 289.8f, 391.1f, -1, -1, 255, 255, 255}),
    };
    t[3].flags |= kChemCountedInUnits;
    t[3].gramsPerUnit = 0.25f;
    t[4].molarity = 0.1;
    t[4].solventCas = kWater;
    t[5].mixture[0] = {kAceticAcid, 0.05f};
    t[5].mixture[1] = {kWater, 0.95f};
    return t;
}

class FakeCommandSeams final : public BenchCommandSeams {
public:
    FakeCommandSeams() { SetBenchCommandSeams(this); }
    ~FakeCommandSeams() override { SetBenchCommandSeams(nullptr); }
    int pauses = 0, resumes = 0, repaints = 0;
    PointI32 CursorLogicalPoint() const override { return {0, 0}; }
    void RepaintWholeBench() override { ++repaints; }
    int32_t BunsenBurnerHeat() const override { return 2; }
    void PauseTimer() override { ++pauses; }
    void ResumeTimer() override { ++resumes; }
    bool TitrationDialogOpen() const override { return false; }
    void ActivateTitrationDialog(int32_t) override {}
    void OpenTitrationDialog(int32_t) override {}
    int ElectrodeDialog(LabObject&) override { return 0; }
    int WavelengthDialog(LabObject&) override { return 0; }
    int GasSyringeDialog(LabObject&) override { return 0; }
    int GeigerDialog(LabObject&) override { return 0; }
};

// Each dialog runs its scripted action on the record and answers its result.
class FakeContentsSeams final : public ContentsSeams {
public:
    FakeContentsSeams() { SetContentsSeams(this); }
    ~FakeContentsSeams() override { SetContentsSeams(nullptr); }

    int answer = 1;
    std::function<void(LabObject&)> onDialog;  // acts on the dialog's object
    std::vector<const char*> opened;
    std::vector<std::pair<int32_t, int32_t>> chemicalsOpened;  // picked, spare offset
    std::vector<std::pair<int32_t, int32_t>> boxes;
    int selectionCleared = 0;
    bool receiverGiven = false;

    int Run(const char* name, LabObject& o) {
        opened.push_back(name);
        if (onDialog) onDialog(o);
        return answer;
    }
    int WaterDialog(LabObject& o) override { return Run("water", o); }
    int ChemicalsDialog(int32_t picked, int32_t spareOffset) override {
        chemicalsOpened.emplace_back(picked, spareOffset);
        opened.push_back("chemicals");
        return answer;
    }
    int IndicatorsDialog(LabObject& o) override { return Run("indicators", o); }
    int LabelDialog(LabObject& o) override { return Run("label", o); }
    int TransferDialog(LabObject& o) override { return Run("transfer", o); }
    int FilterDialog(LabObject& o, bool receiver) override {
        receiverGiven = receiver;
        return Run("filter", o);
    }
    int PropertiesDialog(LabObject& o) override { return Run("properties", o); }
    void ShowBox(int32_t text, int32_t caption) override { boxes.emplace_back(text, caption); }
    void SelectionCleared() override { ++selectionCleared; }
    void TitrationLabelChanged(int32_t) override {}
};

class ContentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetLabObjects();
        SelectedObject = 0;
        ObjectSelected = false;
        MultiSelection = MultiSelectionState{};
        DocumentModified = false;
        UndoValid = true;
        AddAtCursor = false;
        ChemicalsSpareOffset = 0;
        table_ = LabChemicals();
        SetChemicalTable(table_.data(), static_cast<int32_t>(table_.size()));
        ClearCommandHandlers();
        RegisterContentsCommands();
        bench_.strings = {{3, "Beaker"}, {4, "Erlermeyer Flask"}, {8, "Watch Glass"}, {20, "Pipet"},
                          {675, "Add %.1f ml of Ice Water to %s"}, {676, "Add %.1f ml of Water to %s"},
                          {667, "Add Buchner Funnel"}, {669, "Pipet: Extract Liquid"},
                          {686, "Transfer filtrate from Buchner Funnel to %s"},
                          {687, "Transfer contents of %s to a new %s"}};
    }
    void TearDown() override {
        SetChemicalTable(nullptr, 0);
        ResetLabObjects();
    }

    // A piece of equipment from the catalogue, counted, with its left at x
    // and its bottom at y.
    int32_t Add(int32_t type, int32_t x = 100, int32_t y = 400) {
        LabObject* o = AddEquipment(LabObjects, type, x, y, LabObjectCount, 0);
        EXPECT_NE(o, nullptr);
        return o ? (++LabObjectCount, static_cast<int32_t>(o - LabObjects)) : 0;
    }
    void Select(int32_t index) {
        SelectedObject = index;
        ObjectSelected = index != 0;
    }
    void Run(int id) { ASSERT_TRUE(RouteCommand({id, 0, false})) << id; }
    LabObject& At(int32_t i) { return LabObjects[i]; }
    const ChemicalRecord* Chemical(CasNumber cas) { return FindChemicalRecord(cas); }

    // The bench's bytes: every record up to the spare slot and the count.
    std::vector<unsigned char> Snapshot() const {
        const auto* p = reinterpret_cast<const unsigned char*>(LabObjects);
        std::vector<unsigned char> bytes(p, p + sizeof(LabObject) * (LabObjectCount + 1));
        bytes.push_back(static_cast<unsigned char>(LabObjectCount));
        return bytes;
    }

    FakeBenchSeams bench_;
    FakeCommandSeams ui_;
    FakeContentsSeams dialogs_;
    std::array<ChemicalRecord, 7> table_;
};

}  // namespace contents_test
