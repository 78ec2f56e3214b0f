// Feeds arbitrary bytes to the user-defined lab reader, then runs the engine
// over a small bench with whatever reactions, indicators and spectra it read.
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fuzz/memory_udl_io.h"
#include "wizard/reaction_engine.h"
#include "wizard/runtime/udl_runtime.h"
#include "wizard/udl_file.h"
#include "zephrane/chemical_database.h"

namespace {

// Every extracted file must stay a bare name inside the folder.
class MemoryIo : public fuzz::MemoryUdlIo {
public:
    using MemoryUdlIo::MemoryUdlIo;
    bool WriteWholeFile(const std::string& path, const void*, size_t) override {
        if (path.rfind("F\\", 0) != 0 || path.find_first_of("\\/:", 2) != std::string::npos) __builtin_trap();
        return true;
    }
};

class ZephraneRegistry : public parvell::ChemicalRegistry {
public:
    void Register(const ChemicalRecord* records, int32_t count) override { RegisterChemicals(records, count); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryIo io(data, size);
    UdlLab lab;
    if (!ReadUdlFile("fuzz.UDL", lab, io)) return 0;

    // Written again, the lab reads back to the same bytes.
    std::vector<uint8_t> once = SerializeUdl(lab);
    UdlLab again;
    if (ParseUdl(once.data(), once.size(), again) != UdlParse::kGood || SerializeUdl(again) != once)
        __builtin_trap();

    RegisterChemicals(lab.chemicals.data(), int32_t(lab.chemicals.size()));
    std::vector<LabObject> bench(kLabObjectArrayLength);
    memset(bench.data(), 0, bench.size() * sizeof(LabObject));
    const int32_t types[] = {kBeaker, kBunsenBurner, kMetalWire, kConductivityMeter, kCuvette};
    for (int i = 1; i <= 5; ++i) {
        LabObject& o = bench[size_t(i)];
        o.type = types[i - 1];
        o.kindFlags = kKindContainer;
        o.temperature = 330;
        o.position = RectI32{100, 100, 160, 200};
        o.slots[0] = ComponentSlot{kCasWater, kPhaseLiquid, 500, 330, {}, 0, {}};
        for (int k = 1; k < kComponentSlotCount && k <= int(lab.chemicals.size()); ++k)
            o.slots[k] = ComponentSlot{lab.chemicals[size_t(k - 1)].cas, uint32_t(1u << (k % 8)), 2.5, 330, {}, 0, {}};
        o.indicatorAmount = 1;
        o.indicatorId = lab.indicators.empty() ? 0 : lab.indicators[0].id;
        o.wavelength = 500;
    }
    bench[4].host = 1;
    parvell::EngineLab engine = parvell::EngineLabOf(lab);
    engine.labStyle |= 0x253;
    parvell::LabSimulationProc(engine, 5, bench.data());

    // The module's own path: the same bytes through the runtime, its table
    // and one engine call.
    parvell::UdlRuntime runtime;
    ZephraneRegistry registry;
    if (!runtime.LoadUdlSimulation("fuzz.UDL", io)) __builtin_trap();
    const std::vector<ChemicalRecord>& table = runtime.LoadLabChemicals(io, "", registry);
    if (table.empty()) __builtin_trap();
    for (int i = -1; i <= runtime.IndicatorAvailable(); ++i)
        if ((runtime.IndicatorProperty(i) != nullptr) != (i >= 0 && i < runtime.IndicatorAvailable())) __builtin_trap();
    runtime.LabSimulationProc(5, bench.data());
    runtime.UnloadUdlSimulation();
    RegisterChemicals(nullptr, 0);
    return 0;
}
