// labsim runs each shipped lab's hook and chemicals on the heavy ticks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "tools/labsim/labsim_run.h"

namespace {

void Put(LabObject& o, int slot, CasNumber cas, uint32_t phase, double grams, double kelvin) {
    o.slots[slot].cas = cas;
    o.slots[slot].phase = phase;
    o.slots[slot].grams = grams;
    o.slots[slot].kelvin = kelvin;
}

// One heavy tick (five light ones) over a one-object bench of the named lab.
std::string RunOneHeavyTick(const char* module, const LabObject& object, const char* name) {
    std::vector<LabObject> bench(2);
    bench[1] = object;
    const std::string path = testing::TempDir() + name;
    const auto bytes = EncodeLabFile(1, module, "", bench.data(), "", nullptr, 0, 0, false,
                                     CatalogueLabFileTemplates());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    const char* argv[] = {"labsim", path.c_str(), "--ticks", "5", "--json"};
    std::ostringstream out, err;
    EXPECT_EQ(RunLabsim(5, argv, out, err), 0) << err.str();
    std::remove(path.c_str());
    return out.str();
}

double NumberAfter(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) return -1.0;
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

TEST(LabsimShippedLabs, SpecificHeatLabMixesTheCalorimeter) {
    LabObject calorimeter = EquipmentPrototype(kCalorimeter, false);
    Put(calorimeter, 0, kCasWater, kPhaseLiquid, 100.0, 293.0);
    Put(calorimeter, 1, 7440508, kPhaseSolid, 50.0, 373.0);
    calorimeter.liquidVolume = 1000.0;
    calorimeter.solidVolume = 50.0 / 8.96;
    calorimeter.temperature = 293.0f;
    const std::string json = RunOneHeavyTick("TESSALY.DLL", calorimeter, "labsim_tessaly.lab");
    EXPECT_NE(json.find("\"module\": \"TESSALY.DLL\""), std::string::npos);
    EXPECT_NEAR(NumberAfter(json, "temperature"), 296.555, 0.01) << json;
}

TEST(LabsimShippedLabs, CrystallisationLabColoursTheSolid) {
    LabObject beaker = EquipmentPrototype(kBeaker, false);
    Put(beaker, 1, 7757791, kPhaseSolid, 10.0, 293.0);
    Put(beaker, 2, 7778509, kPhaseSolid, 10.5, 293.0);
    beaker.solidVolume = 10.0 / 2.109 + 10.5 / 2.676;
    const std::string json = RunOneHeavyTick("MORVENA.DLL", beaker, "labsim_morvena.lab");
    EXPECT_NE(json.find("\"solid_colour\": [255, 0, 0], \"solid_fill\": 3, \"solid_pattern\": 285"),
              std::string::npos)
        << json;
}

TEST(LabsimShippedLabs, GravimetricLabPrecipitatesSilverChloride) {
    LabObject beaker = EquipmentPrototype(kBeaker, false);
    Put(beaker, 0, kCasWater, kPhaseLiquid, 50.0, 293.0);
    Put(beaker, 1, 7647145, kPhaseDissolved, 0.50, 293.0);
    Put(beaker, 2, 7761888, kPhaseDissolved, 1.69873, 293.0);
    beaker.liquidVolume = 500.0;
    beaker.temperature = 293.0f;
    const std::string json = RunOneHeavyTick("DUNMERE.DLL", beaker, "labsim_dunmere.lab");
    EXPECT_NEAR(NumberAfter(json, "precipitate"), 1.22622, 1e-4) << json;
    EXPECT_NE(json.find("{\"cas\": 7783906, \"phase\": 64"), std::string::npos) << json;
    EXPECT_NE(json.find("{\"cas\": 7783906, \"phase\": 4"), std::string::npos) << json;
}

}  // namespace
