#include "wizard/runtime/udl_runtime.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/wizard/fake_udl_io.h"
#include "wizard/builtin_water.h"
#include "zephrane/chemical_database.h"

namespace {

using parvell::UdlRuntime;

class RecordingRegistry : public parvell::ChemicalRegistry {
public:
    std::vector<ChemicalRecord> table;
    int registrations = 0;
    void Register(const ChemicalRecord* records, int32_t count) override {
        table.assign(records, records + count);
        ++registrations;
    }
};

ChemicalRecord Named(CasNumber cas, const char* name) {
    ChemicalRecord r{};
    r.cas = cas;
    strcpy(r.name, name);
    r.molarMass = 36.46f;
    r.density = 1;
    return r;
}

UdlLab TwoChemicalLab(int32_t style) {
    UdlLab lab;
    lab.header.labStyle = style;
    strcpy(lab.header.title, "Neutralisation");
    lab.introduction = "{\\rtf1 Intro}";
    lab.procedure = "{\\rtf1 Steps}";
    lab.chemicals = {Named(7647010, "Hydrochloric acid"), Named(1310732, "Sodium hydroxide")};
    lab.indicators.resize(2);
    lab.indicators[1].id = 77;
    UdlMoleculeFile molecule{};
    molecule.record.cas = 7647010;
    strcpy(molecule.record.sourcePath, "D:\\pdb\\hcl.pdb");
    molecule.bytes = {1, 2, 3};
    lab.moleculeFiles.push_back(molecule);
    UdlMoleculeFile unsafe{};
    unsafe.record.cas = 1310732;
    strcpy(unsafe.record.sourcePath, "..");
    lab.moleculeFiles.push_back(unsafe);
    return lab;
}

struct Loaded {
    FakeUdlIo io;
    UdlRuntime runtime;
    RecordingRegistry registry;
    Loaded(int32_t style = 0x1) {
        io.files["C:\\labs\\neutral.UDL-BREVANE"] = SerializeUdl(TwoChemicalLab(style));
        EXPECT_EQ(runtime.LoadUdlSimulation("C:\\labs\\neutral.UDL-BREVANE", io), 1);
    }
};

TEST(UdlRuntime, NoLabIsTheAuthoringStyleAndWaterAlone) {
    FakeUdlIo io;
    UdlRuntime runtime;
    RecordingRegistry registry;
    EXPECT_EQ(runtime.QueryLabStyle(), 8);
    EXPECT_EQ(runtime.LoadedHeader().labStyle, 8);
    const auto& table = runtime.LoadLabChemicals(io, "", registry);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(memcmp(&table[0], &registry.table[0], sizeof(ChemicalRecord)), 0);
    ChemicalRecord water = BuiltInWaterRecord();
    EXPECT_EQ(memcmp(&table[0], &water, sizeof water), 0);
    EXPECT_EQ(runtime.IndicatorAvailable(), 0);
    EXPECT_EQ(runtime.IndicatorProperty(0), nullptr);
}

TEST(UdlRuntime, AHeaderOnlyLabIsWaterAloneWhateverItsCountSays) {
    FakeUdlIo io;
    UdlLab lab;
    std::vector<uint8_t> bytes = SerializeUdl(lab);
    UdlHeader header;
    memcpy(&header, bytes.data(), sizeof header);
    header.chemicalCount = 3;  // a count with no records behind it
    memcpy(bytes.data(), &header, sizeof header);
    io.files["only.UDL"] = bytes;
    UdlRuntime runtime;
    ASSERT_EQ(runtime.LoadUdlSimulation("only.UDL", io), 1);
    RecordingRegistry registry;
    const auto& table = runtime.LoadLabChemicals(io, "", registry);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].cas, kCasWater);
    EXPECT_EQ(table[0].colour[0], 255);
    EXPECT_EQ(registry.table.size(), 1u);
}

TEST(UdlRuntime, ALoadedLabAnswersFromItsOwnSections) {
    Loaded l;
    EXPECT_EQ(l.runtime.LoadedUdlName(), "neutral.UDL-BREVANE");
    EXPECT_STREQ(l.runtime.LoadedHeader().title, "Neutralisation");
    EXPECT_EQ(l.runtime.QueryLabStyle(), 0x1);  // a lab's own style stays
    const auto& table = l.runtime.LoadLabChemicals(l.io, "", l.registry);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_STREQ(l.registry.table[1].name, "Sodium hydroxide");

    EXPECT_EQ(l.runtime.IndicatorAvailable(), 2);
    for (int i : {-1, 2, 1000}) EXPECT_EQ(l.runtime.IndicatorProperty(i), nullptr) << i;
    ASSERT_NE(l.runtime.IndicatorProperty(1), nullptr);
    EXPECT_EQ(l.runtime.IndicatorProperty(1)->id, 77);

    ASSERT_NE(l.runtime.Text(1), nullptr);
    EXPECT_EQ(*l.runtime.Text(1), "{\\rtf1 Steps}");
    EXPECT_TRUE(l.runtime.Text(2)->empty());
    EXPECT_EQ(l.runtime.Text(3), nullptr);
    EXPECT_EQ(l.runtime.Text(-1), nullptr);
}

TEST(UdlRuntime, TextsNestedTooDeepAreNotHandedOut) {
    UdlLab lab = TwoChemicalLab(0x1);
    lab.introduction = "{\\rtf1" + std::string(56, '{') + "x" + std::string(56, '}') + "}";
    lab.procedure = "{\\rtf1 {\\b never ends";
    FakeUdlIo io;
    io.files["deep.UDL"] = SerializeUdl(lab);
    UdlRuntime runtime;
    ASSERT_EQ(runtime.LoadUdlSimulation("deep.UDL", io), 1);
    EXPECT_EQ(runtime.Text(0), nullptr);
    EXPECT_EQ(runtime.Text(1), nullptr);
    ASSERT_NE(runtime.Text(2), nullptr);
}

TEST(UdlRuntime, StyleZeroInTheHeaderReportsEight) {
    Loaded l(0);
    EXPECT_EQ(l.runtime.QueryLabStyle(), 8);
}

TEST(UdlRuntime, QueryUdlFileNameCopiesBoundedAndNothingForNoRoom) {
    Loaded l;
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(l.runtime.QueryUdlFileName(buffer, 0), 0);
    EXPECT_EQ(l.runtime.QueryUdlFileName(buffer, -5), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(l.runtime.QueryUdlFileName(buffer, 5), 5);
    EXPECT_STREQ(buffer, "neut");
    EXPECT_EQ(buffer[5], 'x');
    char whole[260];
    EXPECT_EQ(l.runtime.QueryUdlFileName(whole, 260), 260);
    EXPECT_STREQ(whole, "neutral.UDL-BREVANE");
}

TEST(UdlRuntime, AnUnreadableLabKeepsTheLoadedOne) {
    Loaded l;
    l.io.files["bad.UDL"] = {1, 2, 3};
    EXPECT_EQ(l.runtime.LoadUdlSimulation("bad.UDL", l.io), 0);
    EXPECT_EQ(l.runtime.LoadUdlSimulation("missing.UDL", l.io), 0);
    EXPECT_EQ(l.runtime.LoadUdlSimulation("", l.io), 0);
    EXPECT_EQ(l.runtime.LoadedUdlName(), "neutral.UDL-BREVANE");
    EXPECT_EQ(l.runtime.Lab().chemicals.size(), 2u);
    EXPECT_EQ(l.runtime.IndicatorAvailable(), 2);
}

TEST(UdlRuntime, LoadLoadUnloadLeavesNothing) {
    Loaded l;
    l.runtime.LoadLabChemicals(l.io, "", l.registry);
    UdlLab second;
    second.chemicals = {Named(7732185, "Water")};
    l.io.files["second.UDL"] = SerializeUdl(second);
    ASSERT_EQ(l.runtime.LoadUdlSimulation("second.UDL", l.io), 1);
    EXPECT_EQ(l.runtime.IndicatorAvailable(), 0);
    EXPECT_TRUE(l.runtime.Lab().moleculeFiles.empty());
    l.runtime.UnloadUdlSimulation();
    EXPECT_EQ(l.runtime.LoadedUdlName(), "");
    EXPECT_TRUE(l.runtime.HandedChemicals().empty());
    UdlHeader zero{};
    EXPECT_EQ(memcmp(&l.runtime.LoadedHeader(), &zero, sizeof zero), 0);
    EXPECT_EQ(l.runtime.QueryLabStyle(), 8);
}

TEST(UdlRuntime, TheHandedTableIsAFreshOneEachTime) {
    Loaded l;
    const ChemicalRecord* first = l.runtime.LoadLabChemicals(l.io, "", l.registry).data();
    std::vector<ChemicalRecord> keep(first, first + 2);
    const ChemicalRecord* second = l.runtime.LoadLabChemicals(l.io, "", l.registry).data();
    EXPECT_EQ(memcmp(second, keep.data(), 2 * sizeof(ChemicalRecord)), 0);
    EXPECT_EQ(l.registry.registrations, 2);
}

TEST(UdlRuntime, LoadLabChemicalsReadsTheUserDatabaseWhole) {
    Loaded l;
    std::vector<ChemicalRecord> database = {Named(1, "One"), Named(2, "Two"), Named(3, "Three")};
    std::vector<uint8_t> bytes(reinterpret_cast<uint8_t*>(database.data()),
                               reinterpret_cast<uint8_t*>(database.data() + 3));
    bytes.resize(bytes.size() + 100);  // a partial record at the end is not one
    l.io.files["db"] = bytes;
    l.runtime.LoadLabChemicals(l.io, "db", l.registry);
    ASSERT_EQ(l.runtime.UserDatabase().size(), 3u);
    EXPECT_STREQ(l.runtime.UserDatabase()[2].name, "Three");
    l.io.files.erase("db");
    l.runtime.LoadLabChemicals(l.io, "db", l.registry);
    EXPECT_TRUE(l.runtime.UserDatabase().empty());
}

TEST(UdlRuntime, PdbFileAvailableOnlyForAPresentFileUnderASafeName) {
    Loaded l;
    char path[260];
    memset(path, 'x', sizeof path);
    // No attachment for that key.
    EXPECT_EQ(l.runtime.PdbFileAvailable(7732185, path, l.io), 0);
    // The attachment's name is unsafe.
    EXPECT_EQ(l.runtime.PdbFileAvailable(1310732, path, l.io), 0);
    // Safe, but the file is not there.
    l.io.files.erase(l.io.InFolder("hcl.pdb"));
    EXPECT_EQ(l.runtime.PdbFileAvailable(7647010, path, l.io), 0);
    EXPECT_EQ(path[0], 'x');
    // Extraction wrote it when the lab was read.
    l.io.files[l.io.InFolder("hcl.pdb")] = {1, 2, 3};
    EXPECT_EQ(l.runtime.PdbFileAvailable(7647010, path, l.io), 1);
    EXPECT_EQ(std::string(path), l.io.InFolder("hcl.pdb"));
    // A folder too long for the path is no file at all.
    l.io.folder = std::string(255, 'f');
    memset(path, 'x', sizeof path);
    EXPECT_EQ(l.runtime.PdbFileAvailable(7647010, path, l.io), 0);
    EXPECT_EQ(path[0], 'x');
}

TEST(UdlRuntime, ALabWrittenBeforeReadsItsIonSolutionsAsIons) {
    // Solutions made of the database's hydrogen ion lost the ion bit then,
    // and reactions and indicators named it dissolved; a salt's solution
    // carries no ion charge and stays as it was.
    UdlLab lab;
    ChemicalRecord hydrogen = Named(12385136, "Hydrogen ion");
    hydrogen.state = kKindSolution, hydrogen.ionCharge = 1, hydrogen.molarity = 0.1;
    ChemicalRecord salt = Named(7647145, "Sodium chloride");
    salt.state = kKindSolution, salt.molarity = 0.1;
    lab.chemicals = {hydrogen, salt};
    lab.reactions.resize(1);
    lab.reactions[0].reactantCount = 2;
    lab.reactions[0].participants[0] = {12385136, kPhaseDissolved, 1, 0x1};
    lab.reactions[0].participants[1] = {7647145, kPhaseDissolved, 1, 0x1};
    lab.indicators.resize(2);
    lab.indicators[0].cas = 12385136, lab.indicators[0].phase = kPhaseDissolved;
    lab.indicators[1].cas = 7647145, lab.indicators[1].phase = kPhaseDissolved;
    FakeUdlIo io;
    io.files["C:\\labs\\old.UDL-BREVANE"] = SerializeUdl(lab);
    UdlRuntime runtime;
    ASSERT_EQ(runtime.LoadUdlSimulation("C:\\labs\\old.UDL-BREVANE", io), 1);
    const UdlLab& read = runtime.Lab();
    EXPECT_EQ(read.chemicals[0].state, kKindSolution | kKindIon);
    EXPECT_EQ(read.chemicals[1].state, kKindSolution);
    EXPECT_EQ(read.reactions[0].participants[0].phase, uint32_t(kPhaseSecondLiquid));
    EXPECT_EQ(read.reactions[0].participants[1].phase, uint32_t(kPhaseDissolved));
    EXPECT_EQ(read.indicators[0].phase, uint32_t(kPhaseSecondLiquid));
    EXPECT_EQ(read.indicators[1].phase, uint32_t(kPhaseDissolved));
}

}  // namespace
