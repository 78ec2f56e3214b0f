// A lab file as the program opens it, then 50 ticks of the program's own
// simulation with each shipped lab's hook and with the reaction engine: after
// every tick the bench must pass ValidateBench and hold only finite numbers.
#include <cstdint>
#include <vector>

#include "app/documents/lab_file.h"
#include "app/documents/lab_file_templates.h"
#include "bench/model/chemical_table.h"
#include "fuzz/engine_lab.h"
#include "fuzz/sim_runner.h"
#include "modules/dunmere/dunmere_lab.h"
#include "modules/morvena/morvena_lab.h"
#include "modules/olvaris/olvaris_lab.h"
#include "modules/tessaly/tessaly_lab.h"
#include "zephrane/chemical_database.h"

namespace {

constexpr int kTicks = 50;

const UdlLab& EngineLab() {
    static const UdlLab lab = fuzz::MakeEngineLab();
    return lab;
}

int LAB_MODULE_CALL EngineHook(int count, LabObject* base) {
    static const parvell::EngineLab engine = parvell::EngineLabOf(EngineLab());
    return parvell::LabSimulationProc(engine, count, base);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LabFileReadContext context;
    context.availableHeight = size ? 300 + data[0] * 4 : 900;
    context.templates = CatalogueLabFileTemplates();
    LabDocument doc;
    if (DecodeLabFile(data, size, context, &doc) != LabFileError::kNone) return 0;
    fuzz::CheckBenchSound(doc.objects.data(), doc.objectCount, "reading");

    const struct {
        const char* name;
        const LabModuleDefinition& lab;
    } shipped[] = {{"Olvaris", kOlvarisLab}, {"Tessaly", kTessalyLab}, {"Morvena", kMorvenaLab},
                   {"Dunmere", kDunmereLab}};
    for (const auto& module : shipped) {
        SetChemicalTable(module.lab.chemicals, module.lab.chemicalCount);
        fuzz::RunTicks(doc.objects.data(), doc.objectCount, module.lab.simulationHook, module.lab.style, kTicks,
                       module.name);
    }
    const UdlLab& engine = EngineLab();
    SetChemicalTable(engine.chemicals.data(), int32_t(engine.chemicals.size()));
    RegisterChemicals(engine.chemicals.data(), int32_t(engine.chemicals.size()));
    fuzz::RunTicks(doc.objects.data(), doc.objectCount, EngineHook, uint32_t(engine.header.labStyle), kTicks,
                   "the reaction engine");
    RegisterChemicals(nullptr, 0);
    SetChemicalTable(nullptr, 0);
    return 0;
}
