// labsim runs a user-defined lab through the authoring module's runtime: its
// table, its style and its engine on the heavy ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "tools/labsim/labsim_run.h"
#include "wizard/database/master_chemicals.h"
#include "wizard/udl_file.h"

namespace {

constexpr CasNumber kHydrochloricAcid = 7647010;
constexpr CasNumber kSodiumHydroxide = 1310732;
constexpr CasNumber kHydrogenIon = 12385136;
constexpr CasNumber kHydroxideIon = 14280309;

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Water, the acid, the base and the two ions, from the master table.
UdlLab NeutralisationLab() {
    UdlLab lab;
    lab.header.labStyle = 0x1 | 0x10;  // pH and conductivity meters
    strcpy(lab.header.title, "Neutralisation");
    for (const ChemicalRecord& r : parvell::MasterChemicals())
        for (CasNumber key : {kCasWater, kHydrochloricAcid, kSodiumHydroxide, kHydrogenIon, kHydroxideIon})
            if (r.cas == key) lab.chemicals.push_back(r);
    return lab;
}

void Put(LabObject& o, int slot, CasNumber cas, uint32_t phase, double grams) {
    o.slots[slot].cas = cas;
    o.slots[slot].phase = phase;
    o.slots[slot].grams = grams;
    o.slots[slot].kelvin = 298;
}

// A beaker of 100 ml of water with acid left over from a partial neutralisation.
std::vector<uint8_t> AcidBeakerLab(const char* module, const char* udlName) {
    std::vector<LabObject> bench(2);
    bench[1] = EquipmentPrototype(3, false);
    LabObject& beaker = bench[1];
    beaker.temperature = 298;
    Put(beaker, 0, kCasWater, kPhaseLiquid, 100);
    Put(beaker, 1, kHydrogenIon, kPhaseSecondLiquid, 0.01008);  // 0.01 mol in 0.1 l: pH 1
    Put(beaker, 2, kHydroxideIon, kPhaseSecondLiquid, 0.0017007);
    return EncodeLabFile(1, module, udlName, bench.data(), "", nullptr, 0, 0, false, CatalogueLabFileTemplates());
}

struct LabsimResult {
    int status;
    std::string out, err;
};

LabsimResult Labsim(std::vector<std::string> args) {
    args.insert(args.begin(), "labsim");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    int status = RunLabsim(int(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

double NumberAfter(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) return -1.0;
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

TEST(LabsimUserDefinedLab, ANeutralisationLabShowsItsSlotsAndPh) {
    const std::string dir = testing::TempDir();
    Write(dir + "neutral.UDL-BREVANE", SerializeUdl(NeutralisationLab()));
    Write(dir + "acid.LAB", AcidBeakerLab("OLVARIS.DLL", ""));
    LabsimResult r = Labsim({dir + "acid.LAB", "--udl", dir + "neutral.UDL-BREVANE", "--ticks", "5", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"title\": \"Neutralisation\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"cas\": 12385136"), std::string::npos);
    // 0.009 mol of acid left in about 0.1 l.
    double ph = NumberAfter(r.out, "ph");
    EXPECT_GT(ph, 0.8);
    EXPECT_LT(ph, 1.3);
    EXPECT_NE(r.out.find("\"conductivity\": "), std::string::npos);

    // The same lab named by a lab file of the authoring module, beside it.
    Write(dir + "named.LAB", AcidBeakerLab("PARVELL.DLL", "neutral.UDL-BREVANE"));
    LabsimResult named = Labsim({dir + "named.LAB", "--ticks", "5", "--json"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(NumberAfter(named.out, "ph"), ph);

    // Without the lab, no engine runs: the pH stays as it was read.
    LabsimResult plain = Labsim({dir + "acid.LAB", "--ticks", "5", "--json"});
    EXPECT_EQ(plain.out.find("\"ph\""), std::string::npos);
    std::remove((dir + "named.LAB").c_str());
    std::remove((dir + "acid.LAB").c_str());
    std::remove((dir + "neutral.UDL-BREVANE").c_str());
}

TEST(LabsimUserDefinedLab, BadUserDefinedLabsGetOneLineAndStatusTwo) {
    const std::string dir = testing::TempDir();
    Write(dir + "acid2.LAB", AcidBeakerLab("OLVARIS.DLL", ""));
    Write(dir + "short.UDL", {1, 2, 3});
    Write(dir + "escape.LAB", AcidBeakerLab("PARVELL.DLL", "..\\other.UDL"));
    Write(dir + "absent.LAB", AcidBeakerLab("PARVELL.DLL", "absent.UDL"));
    const std::vector<std::vector<std::string>> cases = {
        {dir + "acid2.LAB", "--udl"},
        {dir + "acid2.LAB", "--udl", dir + "missing.UDL"},
        {dir + "acid2.LAB", "--udl", dir + "short.UDL"},
        {dir + "escape.LAB"},
        {dir + "absent.LAB"},
    };
    for (const auto& args : cases) {
        LabsimResult r = Labsim(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    for (const char* name : {"acid2.LAB", "short.UDL", "escape.LAB", "absent.LAB"})
        std::remove((dir + name).c_str());
}

}  // namespace
