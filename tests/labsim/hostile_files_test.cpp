// Hostile lab files and user-defined labs through labsim: each is refused
// with a message that says why, or accepted and sound for 1,000 ticks with
// every shipped lab's hook and the reaction engine (finite, in range, links
// answered by their partners).
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/documents/lab_file.h"
#include "bench/model/bench_validate.h"
#include "bench/model/chemical_table.h"
#include "tests/support/hostile_files.h"
#include "tests/labsim/labsim_runner.h"
#include "tools/labsim/labsim_run.h"
#include "tools/labsim/labsim_seams.h"
#include "wizard/runtime/udl_runtime.h"
#include "zephrane/chemical_database.h"

namespace {

constexpr int kTicks = 1000;

LabDocument Decode(const hostile::HostileFile& file) {
    LabFileReadContext context;
    context.templates = LabsimTemplates;
    LabDocument doc;
    EXPECT_EQ(DecodeLabFile(file.bytes.data(), file.bytes.size(), context, &doc), LabFileError::kNone);
    return doc;
}

// Runs the ticks; the first tick after which the bench is not sound, with
// what is wrong, or "" when every one left it sound.
std::string RunSound(std::vector<LabObject>& objects, int32_t count, LabSimulationProcEntry* hook, uint32_t style) {
    objects.resize(kLabObjectArrayLength);
    for (int t = 1; t <= kTicks; ++t) {
        LabsimTick(count, objects.data(), hook, style, LabsimSettings{});
        const std::string fault = ValidateBench(objects.data(), count);
        if (!fault.empty()) return "tick " + std::to_string(t) + ": " + fault;
    }
    return "";
}

parvell::UdlRuntime Runtime;
int LAB_MODULE_CALL RuntimeHook(int count, LabObject* base) { return Runtime.LabSimulationProc(count, base); }

class MemoryIo : public UdlIo {
public:
    std::vector<uint8_t> bytes;
    std::string refusal;
    bool ReadWholeFile(const std::string&, std::vector<uint8_t>& out) override {
        out = bytes;
        return true;
    }
    bool WriteWholeFile(const std::string&, const void*, size_t) override { return false; }
    std::string PerUserFolder() override { return ""; }
    void ShowMessage(int, int) override {}
    void ShowRefusal(const std::string& why) override { refusal = why; }
};

class BothTables : public parvell::ChemicalRegistry {
public:
    void Register(const ChemicalRecord* records, int32_t count) override {
        SetChemicalTable(records, count);
        RegisterChemicals(records, count);
    }
};

// The engine over the bench for the lab, with the lab's own table.
std::string RunUserDefinedLab(const hostile::HostileFile& file) {
    MemoryIo io;
    io.bytes = file.bytes;
    if (!Runtime.LoadUdlSimulation("fixture.UDL", io)) return "refused: " + io.refusal;
    BothTables tables;
    const std::vector<ChemicalRecord>& chemicals = Runtime.LoadLabChemicals(io, "", tables);
    std::vector<LabObject> bench = hostile::BenchForLab(chemicals, 7);
    const int32_t count = int32_t(bench.size()) - 1;
    const std::string fault = RunSound(bench, count, RuntimeHook, uint32_t(Runtime.QueryLabStyle()));
    Runtime.UnloadUdlSimulation();
    RegisterChemicals(nullptr, 0);
    SetChemicalTable(nullptr, 0);
    return fault;
}

}  // namespace

TEST(HostileFiles, LabFilesAreRefusedSayingWhyOrStaySoundForAThousandTicks) {
    for (const hostile::HostileFile& file : hostile::HostileFiles()) {
        if (file.reader != hostile::Reader::kLabFile) continue;
        SCOPED_TRACE(file.name);
        const std::string path = WriteFixture(file.name, file.bytes);
        const LabsimRun run = Labsim({path, "--json"});
        if (!file.refusal.empty()) {
            EXPECT_EQ(run.status, 2);
            EXPECT_NE(run.err.find(file.refusal), std::string::npos) << run.err;
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const LabDocument read = Decode(file);
        EXPECT_EQ(ValidateBench(read.objects.data(), read.objectCount), "");
        for (int32_t m = 0; m < LabsimModuleCount; ++m) {
            SCOPED_TRACE(LabsimModules[m].fileName);
            const LabModuleDefinition& lab = *LabsimModules[m].lab;
            SetChemicalTable(lab.chemicals, lab.chemicalCount);
            std::vector<LabObject> objects = read.objects;
            EXPECT_EQ(RunSound(objects, read.objectCount, lab.simulationHook, lab.style), "");
        }
        SetChemicalTable(nullptr, 0);
        std::remove(path.c_str());
    }
}

TEST(HostileFiles, UserDefinedLabsAreRefusedSayingWhichRecordOrStaySound) {
    // labsim runs the lab over a bench of one beaker of water.
    std::vector<LabObject> beaker(2);
    beaker[1] = hostile::Standing(kBeaker, 100, 600);
    hostile::Fill(beaker[1], 50);
    const std::vector<uint8_t> bench = EncodeLabFile(1, "PARVELL.DLL", "", beaker.data(), "", nullptr, 0, 0, false,
                                                     LabsimTemplates);
    const std::string benchPath = WriteFixture("udl_bench.lab", bench);
    for (const hostile::HostileFile& file : hostile::HostileFiles()) {
        if (file.reader != hostile::Reader::kUserDefinedLab) continue;
        SCOPED_TRACE(file.name);
        const std::string path = WriteFixture(file.name, file.bytes);
        const LabsimRun run = Labsim({benchPath, "--udl", path, "--ticks", "20", "--json"});
        if (!file.refusal.empty()) {
            EXPECT_EQ(run.status, 2);
            EXPECT_NE(run.err.find("cannot read the user-defined lab " + path + ": "), std::string::npos) << run.err;
            EXPECT_NE(run.err.find(file.refusal), std::string::npos) << run.err;
            const std::string refused = RunUserDefinedLab(file);
            EXPECT_EQ(refused.rfind("refused: ", 0), 0u) << refused;
            EXPECT_NE(refused.find(file.refusal), std::string::npos) << refused;
        } else {
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(RunUserDefinedLab(file), "");
        }
        std::remove(path.c_str());
    }
    std::remove(benchPath.c_str());
}

// What the accepted files hold after their ticks: the stopwatch stopped at
// its largest count, the keyless object drawn as its kind, no amount beyond
// what a bench holds, the pour and the heating done.
TEST(HostileFiles, AcceptedFilesAreMendedAsTheBenchExpects) {
    std::vector<hostile::HostileFile> files = hostile::HostileFiles();
    auto find = [&](const std::string& name) -> const hostile::HostileFile& {
        for (const hostile::HostileFile& f : files)
            if (f.name == name) return f;
        ADD_FAILURE() << name;
        return files[0];
    };
    SetChemicalTable(LabsimModules[0].lab->chemicals, LabsimModules[0].lab->chemicalCount);
    auto ticked = [&](const std::string& name) {
        LabDocument doc = Decode(find(name));
        std::vector<LabObject> objects = doc.objects;
        EXPECT_EQ(RunSound(objects, doc.objectCount, LabsimModules[0].lab->simulationHook, 0), "") << name;
        return objects;
    };

    const std::vector<LabObject> working = ticked("working_bench.lab");
    const std::vector<LabObject> before = Decode(find("working_bench.lab")).objects;
    EXPECT_GT(working[2].temperature, before[2].temperature + 5) << "the hot plate heats its beaker";
    EXPECT_GT(working[7].liquidVolume, 0) << "the tipped beaker pours into the one below";
    EXPECT_EQ(working[8].stopwatchCount, kTicks);
    EXPECT_EQ(working[3].host, 2);

    EXPECT_EQ(ticked("stopwatch_at_largest.lab")[8].stopwatchCount, INT32_MAX);
    EXPECT_EQ(ticked("stopwatch_negative.lab")[8].stopwatchCount, kTicks);

    const LabDocument keyless = Decode(find("no_row_huge_outlet.lab"));
    const LabObject& kind = EquipmentPrototype(kBeaker, false);
    EXPECT_EQ(keyless.objects[6].sizeIndex, kind.sizeIndex);
    EXPECT_EQ(keyless.objects[6].capacityMl, kind.capacityMl);
    EXPECT_EQ(keyless.objects[6].outletX, kind.outletX);
    EXPECT_LE(std::abs(int64_t{keyless.objects[7].balancePan.right}), kMostHeadOffset);
    ticked("no_row_huge_outlet.lab");

    for (const char* name : {"huge_water.lab", "huge_solid_poured.lab"}) {
        const LabDocument doc = Decode(find(name));
        for (int32_t i = 1; i <= doc.objectCount; ++i) {
            EXPECT_LE(doc.objects[size_t(i)].liquidVolume, kMostLiquidTenths) << name;
            EXPECT_LE(doc.objects[size_t(i)].solidVolume, kMostSolidMl) << name;
            for (const ComponentSlot& s : doc.objects[size_t(i)].slots) EXPECT_LE(s.grams, kMostSlotGrams) << name;
        }
    }
    const std::vector<LabObject> denormal = ticked("denormal_water.lab");
    EXPECT_TRUE(std::isfinite(denormal[5].boilingPoint));

    const LabDocument ring = Decode(find("ring_of_two_hosts.lab"));
    EXPECT_EQ(ring.objects[3].host, 2) << "the meter stays seated in the beaker";
    EXPECT_EQ(ring.objects[2].host, 0) << "the beaker is no longer seated in its own meter";
    const LabDocument group = Decode(find("sound_group.lab"));
    EXPECT_EQ(group.objects[6].groupMemberCount, 2);
    EXPECT_EQ(group.objects[7].nextGroupMember, 6);
    SetChemicalTable(nullptr, 0);
}

// A user-defined lab larger than the program reads is refused from its size,
// before anything is read, saying so.
TEST(HostileFiles, AnOversizedUserDefinedLabIsRefusedFromItsSize) {
    std::vector<LabObject> beaker(2);
    beaker[1] = hostile::Standing(kBeaker, 100, 600);
    const std::string benchPath = WriteFixture(
        "oversized_bench.lab",
        EncodeLabFile(1, "PARVELL.DLL", "", beaker.data(), "", nullptr, 0, 0, false, LabsimTemplates));
    const std::string udl = testing::TempDir() + "oversized.udl";
    {
        // Sparse: the size is there without the bytes.
        std::ofstream(udl, std::ios::binary) << "UDL_100";
        std::filesystem::resize_file(udl, kLargestUdlFileBytes + 1);
    }
    const LabsimRun run = Labsim({benchPath, "--udl", udl});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("larger than the 256 MB a user-defined lab may be"), std::string::npos) << run.err;
    std::filesystem::resize_file(udl, 3);
    EXPECT_NE(Labsim({benchPath, "--udl", udl}).err.find("shorter than its 2488-byte header"), std::string::npos);
    std::remove(udl.c_str());
    std::remove(benchPath.c_str());
}
