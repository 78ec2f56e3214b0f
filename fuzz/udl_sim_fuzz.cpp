// A user-defined lab as the authoring module loads it, run by the program's
// own tick over a small bench that holds its chemicals: 50 ticks with the
// module's hook (the reaction engine and the meters), the bench sound and
// finite after every one.
#include <cstdint>
#include <string>
#include <vector>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/chemical_table.h"
#include "fuzz/sim_runner.h"
#include "wizard/runtime/udl_runtime.h"
#include "zephrane/chemical_database.h"

namespace {

constexpr int kTicks = 50;

class MemoryIo : public UdlIo {
public:
    const uint8_t* data = nullptr;
    size_t length = 0;
    bool ReadWholeFile(const std::string&, std::vector<uint8_t>& bytes) override {
        bytes.assign(data, data + length);
        return true;
    }
    bool WriteWholeFile(const std::string&, const void*, size_t) override { return true; }
    std::string PerUserFolder() override { return ""; }
    void ShowMessage(int, int) override {}
};

// The bench's table and the engine's queries answer from the same records.
class BothTables : public parvell::ChemicalRegistry {
public:
    void Register(const ChemicalRecord* records, int32_t count) override {
        SetChemicalTable(records, count);
        RegisterChemicals(records, count);
    }
};

parvell::UdlRuntime Runtime;

int LAB_MODULE_CALL RuntimeHook(int count, LabObject* base) { return Runtime.LabSimulationProc(count, base); }

LabObject Place(int32_t type, int32_t left, int32_t top) {
    LabObject o = EquipmentPrototype(type, false);
    o.position = {left, top, left + o.pictureWidth, top + o.pictureHeight};
    return o;
}

// A beaker on a hot plate with a conductivity meter in it, a test tube of
// each phase, a cuvette, and a wire in a burner's flame; every chemical of
// the lab is put into the vessels in turn, in every phase.
std::vector<LabObject> SmallBench(const std::vector<ChemicalRecord>& chemicals, uint8_t seed) {
    std::vector<LabObject> bench(1);
    bench.push_back(Place(kHotPlate, 100, 600));
    bench.push_back(Place(kBeaker, 120, 600 - EquipmentPrototype(kBeaker, false).pictureHeight));
    bench.push_back(Place(kConductivityMeter, 130, 250));
    bench.push_back(Place(kTestTube, 400, 300));
    bench.push_back(Place(kTestTube, 460, 300));
    bench.push_back(Place(kCuvette, 520, 300));
    bench.push_back(Place(kBunsenBurner, 700, 500));
    bench.push_back(Place(kMetalWire, 720, 380));
    bench[3].host = 2;
    bench[2].hostedItem = 3;
    bench[1].reading1 = 3;  // heat
    bench[1].reading2 = 2;  // stirrer
    bench[6].wavelength = 400 + seed;
    bench[8].liquidVolume = 5;
    const uint32_t phases[] = {kPhaseGas, kPhaseLiquid, kPhaseSolid, kPhaseDissolved, kPhaseSecondLiquid,
                               kPhasePrecipitate};
    size_t next = 0;
    for (size_t i = 2; i < bench.size(); ++i) {
        LabObject& o = bench[i];
        if (!(o.kindFlags & kKindContainer) && o.type != kMetalWire) continue;
        o.slots[0] = ComponentSlot{kCasWater, kPhaseLiquid, 40.0 + seed, 300, {}, 0, {}};
        o.liquidVolume = 400;
        o.indicatorId = kFirstIndicatorId;
        o.indicatorAmount = (seed & 1) ? 0.5f : 0.0f;
        for (int k = 1; k < kComponentSlotCount && !chemicals.empty(); ++k, ++next) {
            const ChemicalRecord& c = chemicals[next % chemicals.size()];
            o.slots[k] = ComponentSlot{c.cas, phases[(next + seed) % 6], 0.25 * (1 + (next + seed) % 9), 300, {}, 0, {}};
        }
    }
    return bench;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryIo io;
    io.data = data;
    io.length = size;
    if (!Runtime.LoadUdlSimulation("fuzz.UDL", io)) return 0;
    BothTables tables;
    const std::vector<ChemicalRecord>& chemicals = Runtime.LoadLabChemicals(io, "", tables);
    const std::vector<LabObject> bench = SmallBench(chemicals, size ? data[size - 1] : 0);
    fuzz::CheckBenchSound(bench.data(), int32_t(bench.size()) - 1, "setting out the bench");
    fuzz::RunTicks(bench.data(), int32_t(bench.size()) - 1, RuntimeHook, uint32_t(Runtime.QueryLabStyle()), kTicks,
                   "the user-defined lab");
    Runtime.UnloadUdlSimulation();
    SetChemicalTable(nullptr, 0);
    RegisterChemicals(nullptr, 0);
    return 0;
}
