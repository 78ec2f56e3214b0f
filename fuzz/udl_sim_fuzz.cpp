// A user-defined lab as the authoring module loads it, run by the program's
// own tick over a small bench that holds its chemicals: 50 ticks with the
// module's hook (the reaction engine and the meters), the bench sound and
// finite after every one.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/memory_udl_io.h"
#include "bench/model/chemical_table.h"
#include "fuzz/sim_runner.h"
#include "tests/support/hostile_files.h"
#include "wizard/runtime/udl_runtime.h"
#include "zephrane/chemical_database.h"

namespace {

constexpr int kTicks = 50;


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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::MemoryUdlIo io(data, size);
    if (!Runtime.LoadUdlSimulation("fuzz.UDL", io)) return 0;
    BothTables tables;
    const std::vector<ChemicalRecord>& chemicals = Runtime.LoadLabChemicals(io, "", tables);
    const std::vector<LabObject> bench = hostile::BenchForLab(chemicals, size ? data[size - 1] : 0);
    fuzz::CheckBenchSound(bench.data(), int32_t(bench.size()) - 1, "setting out the bench");
    fuzz::RunTicks(bench.data(), int32_t(bench.size()) - 1, RuntimeHook, uint32_t(Runtime.QueryLabStyle()), kTicks,
                   "the user-defined lab");
    Runtime.UnloadUdlSimulation();
    SetChemicalTable(nullptr, 0);
    RegisterChemicals(nullptr, 0);
    return 0;
}
