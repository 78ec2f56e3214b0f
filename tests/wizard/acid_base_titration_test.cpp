// The example lab "Acid-Base Titration" as the build writes it, and the
// titration it gives on the bench's own tick: the stocks added as the
// Chemicals dialog adds them, a buret running into a flask collecting data.
#include "wizard/examples/acid_base_titration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/commands/contents/chemical_addition.h"
#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/model/lab_objects.h"
#include "bench/sim/sim_tick.h"
#include "bench/sim/sim_titration_sample.h"
#include "bench/sim/titration_buffer.h"
#include "tests/support/bench_scenario.h"
#include "tests/support/recording_sim_seams.h"
#include "tests/support/titration_theory.h"
#include "tests/wizard/fake_udl_io.h"
#include "wizard/meters.h"
#include "wizard/runtime/udl_runtime.h"
#include "zephrane/chemical_database.h"

namespace {

using parvell::AcidBaseTitrationLab;

constexpr CasNumber kHydrochloricAcid = 7647010, kSodiumHydroxide = 1310732;

// The bench's table and the engine's queries answer from the same chemicals,
// as they do in the program.
class BothTables : public parvell::ChemicalRegistry {
public:
    void Register(const ChemicalRecord* records, int32_t count) override {
        SetChemicalTable(records, count);
        RegisterChemicals(records, count);
    }
};

const ChemicalRecord* InTable(CasNumber cas) {
    for (int32_t i = 0; i < ChemicalTable.count; ++i)
        if (ChemicalTable.records[i].cas == cas) return &ChemicalTable.records[i];
    return nullptr;
}

class AcidBaseTitration : public ::testing::Test {
protected:
    void SetUp() override {
        io_.files["C:\\labs\\AcidBaseTitration.UDL-BREVANE"] =
            SerializeUdl(AcidBaseTitrationLab("{\\rtf1 Introduction}", "{\\rtf1 Procedure}", "{\\rtf1 Observations}"));
        ASSERT_EQ(runtime_.LoadUdlSimulation("C:\\labs\\AcidBaseTitration.UDL-BREVANE", io_), 1);
        runtime_.LoadLabChemicals(io_, "", tables_);
        ResetLabObjects();
        FreeTitrationPoints(TitrationPoints);
        ResetTitrationSampler(TitrationSampling);
        LabTickCount = 0;
    }
    void TearDown() override {
        ResetLabObjects();
        FreeTitrationPoints(TitrationPoints);
        SetChemicalTable(nullptr, 0);
    }

    // ml of a lab stock into the vessel, as the Chemicals dialog's OK does.
    void AddStock(LabObject& vessel, CasNumber cas, const char* ml) {
        const ChemicalRecord* stock = InTable(cas);
        ASSERT_NE(stock, nullptr) << cas;
        const ChemicalAddition a{stock, vessel.type, vessel.sizeIndex, ml, AmountUnit::kMillilitre};
        ASSERT_EQ(AddChemical(vessel, a, nullptr).outcome, AdditionOutcome::kAdded) << cas;
    }

    // A flask of 25 ml of the acid with three drops of the indicator,
    // collecting data under a buret of 50 ml of the base opened to flow.
    void Titrate(double flow, int heavyTicks) {
        LabObject flask = scenario::MakeObject(kErlenmeyerFlask, 100, 500);
        AddStock(flask, kHydrochloricAcid, "25.000");
        flask.indicatorId = runtime_.IndicatorProperty(0)->id;
        flask.indicatorAmount = 3;
        flask.collectTitration = 1;
        LabObject buret = scenario::MakeObject(kBuret, 120, 400);
        AddStock(buret, kSodiumHydroxide, "50.000");
        buret.flowSetting = flow;
        scenario::Place(flask);
        scenario::Place(buret);

        RecordingSimSeams seams;
        seams.quiet = true;
        seams.labStyle = uint32_t(runtime_.QueryLabStyle());
        seams.hasHook = true;
        seams.hook = [this](int32_t count, LabObject* base) { runtime_.LabSimulationProc(count, base); };
        for (int t = 0; t < heavyTicks * int(kHeavyTickPeriod); ++t) {
            SimulationTick(seams, TimerMessage{});
            const LabObject& f = LabObjects[1];
            if (pinkFrom_ < 0 && f.liquidColour[1] < 200) pinkFrom_ = f.titrantDelivered;
        }
        points_.assign(TitrationPoints.points, TitrationPoints.points + TitrationPoints.count);
    }

    FakeUdlIo io_;
    parvell::UdlRuntime runtime_;
    BothTables tables_;
    std::vector<DataPoint> points_;
    double pinkFrom_ = -1;
};

TEST_F(AcidBaseTitration, TheLabHoldsItsStocksIonsReactionsAndIndicator) {
    const UdlLab& lab = runtime_.Lab();
    EXPECT_STREQ(lab.header.signature, "UDL_100");
    EXPECT_STREQ(lab.header.title, "Acid-Base Titration");
    EXPECT_STREQ(lab.header.moduleName, "Parvell.dll");
    EXPECT_EQ(lab.header.labStyle, 0x1 | 0x2 | 0x8) << "pH meter and indicators";
    EXPECT_EQ(lab.introduction, "{\\rtf1 Introduction}");
    EXPECT_EQ(lab.observations, "{\\rtf1 Observations}");

    // The stock shelf is the two 0.1 M solutions; the ions are formed.
    std::vector<CasNumber> stock, formed;
    for (const ChemicalRecord& c : lab.chemicals) {
        if (c.flags & kChemStock) stock.push_back(c.cas);
        if (c.flags & kChemProduct) formed.push_back(c.cas);
    }
    EXPECT_EQ(stock, (std::vector<CasNumber>{kCasWater, kHydrochloricAcid, kSodiumHydroxide}));
    EXPECT_EQ(formed, (std::vector<CasNumber>{parvell::kCasHydrogenIon, 16887006, 17341252, parvell::kCasHydroxideIon}));
    for (const ChemicalRecord& c : lab.chemicals)
        if (c.cas == kHydrochloricAcid || c.cas == kSodiumHydroxide) {
            EXPECT_EQ(c.state, kKindSolution) << c.name;
            EXPECT_EQ(c.molarity, 0.1) << c.name;
            EXPECT_EQ(c.solventCas, kCasWater) << c.name;
        }
    std::vector<std::string> reactions;
    for (const ReactionRecord& r : lab.reactions) reactions.push_back(r.name);
    EXPECT_EQ(reactions, (std::vector<std::string>{"Hydrochloric acid dissociates", "Sodium hydroxide dissociates",
                                                   "Neutralisation"}));
    ASSERT_EQ(runtime_.IndicatorAvailable(), 1);
    const IndicatorRecord& indicator = *runtime_.IndicatorProperty(0);
    EXPECT_STREQ(indicator.name, "Phenolphthalein");
    EXPECT_EQ(indicator.mode, kIndicatorByPh);
    EXPECT_EQ(indicator.low, 8.2);
    EXPECT_EQ(indicator.high, 10);
}

TEST_F(AcidBaseTitration, TheCurveFollowsTheChemistryAndTurnsPinkAtTheEndPoint) {
    Titrate(2, 175);  // 0.2 ml a step, 35 ml
    ASSERT_GT(points_.size(), 150u);
    EXPECT_NEAR(points_.back().volumeMl, 35, 0.01);
    bool sawEquivalence = false;
    for (const DataPoint& p : points_) {
        EXPECT_GE(p.ph, 0) << p.volumeMl;
        EXPECT_LE(p.ph, 14) << p.volumeMl;
        const double theory = titration_theory::StrongAcidBasePh(25, 0.1, p.volumeMl, 0.1);
        if (std::fabs(p.volumeMl - 25) > 0.3) EXPECT_NEAR(p.ph, theory, 0.05) << p.volumeMl << " ml";
        // The moment the last acid is neutralised: no stray ion reads as a
        // strong acid or base.
        if (std::fabs(p.volumeMl - 25) < 1e-6) {
            sawEquivalence = true;
            EXPECT_NEAR(p.ph, 7, 0.01);
        }
    }
    EXPECT_TRUE(sawEquivalence);
    EXPECT_NEAR(titration_theory::EndPointOf(points_), 25, 0.3);
    EXPECT_GT(pinkFrom_, 25.0) << "colourless up to the equivalence point";
    EXPECT_LT(pinkFrom_, 25.3) << "pink at the next step past it";
}

TEST_F(AcidBaseTitration, IonsEnterTheFlaskAsIonsAndNothingCrystallises) {
    Titrate(2, 20);  // 4 ml of base
    const LabObject& flask = LabObjects[1];
    EXPECT_EQ(MassOfComponent(flask, kHydrochloricAcid, 0xFFFF), 0) << "all of it ionised";
    EXPECT_EQ(MassByPhase(flask, kPhaseSolid | kPhasePrecipitate), 0);
    EXPECT_NEAR(MassOfComponent(flask, parvell::kCasHydrogenIon, kPhaseSecondLiquid), (0.0025 - 0.0004) * 1.008,
                1e-6);
    EXPECT_NEAR(MassOfComponent(flask, 16887006, kPhaseSecondLiquid), 0.0025 * 35.45, 1e-5);
    EXPECT_NEAR(MassOfComponent(flask, 17341252, kPhaseSecondLiquid), 0.0004 * 22.99, 1e-6);
}

}  // namespace
