// One engine call over a full bench: 50 beakers, 10 equilibrium reactions of
// 25 participants each. The label carries a hash of the records after one call:
// a faster engine must leave it unchanged.
#include <benchmark/benchmark.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <vector>

#include "wizard/reaction_engine.h"
#include "zephrane/chemical_database.h"

namespace {

constexpr int kChemicals = 19;

CasNumber Key(int i) { return CasNumber(2000 + i); }

void RegisterBenchChemicals() {
    std::vector<ChemicalRecord> table(kChemicals + 1);
    table[0].cas = kCasWater;
    table[0].molarMass = 18.0153f;
    table[0].density = 1;
    for (int i = 1; i <= kChemicals; ++i) {
        table[size_t(i)].cas = Key(i);
        table[size_t(i)].molarMass = float(20 + 7 * i);
        table[size_t(i)].density = 1.2f;
        table[size_t(i)].state = kKindSolution;
    }
    RegisterChemicals(table.data(), int32_t(table.size()));
}

std::vector<ReactionRecord> EquilibriumReactions() {
    std::vector<ReactionRecord> reactions(10);
    for (int k = 0; k < 10; ++k) {
        ReactionRecord& r = reactions[size_t(k)];
        r.flags = kReactInstantaneous | kReactEquilibrium;
        r.reactantCount = 12;
        r.productCount = 13;
        r.equilibriumConstant = 0.5 + k;
        for (int p = 0; p < kParticipantCount; ++p) {
            ReactionParticipant& q = r.participants[p];
            q.cas = Key(1 + (p + k) % kChemicals);
            q.phase = kPhaseDissolved;
            q.coefficient = 1 + p % 3;
            q.flags = p < 12 ? kPartReactant : kPartProduct;
        }
    }
    return reactions;
}

std::vector<LabObject> FullBench() {
    std::vector<LabObject> bench(kLabObjectArrayLength);
    memset(bench.data(), 0, bench.size() * sizeof(LabObject));
    for (int i = 1; i <= kMaxLabObjects; ++i) {
        LabObject& o = bench[size_t(i)];
        o.type = kBeaker;
        o.kindFlags = kKindContainer;
        o.temperature = 298;
        o.slots[0] = ComponentSlot{kCasWater, kPhaseLiquid, 250, 298, {}, 0, {}};
        for (int s = 1; s <= kChemicals; ++s)
            o.slots[s] = ComponentSlot{Key(s), kPhaseDissolved, 0.5 + 0.1 * ((i + s) % 7), 298, {}, 0, {}};
    }
    return bench;
}

// FNV-1a of the records after one call: a faster engine must give the same.
uint64_t HashOf(const std::vector<LabObject>& bench) {
    uint64_t h = 1469598103934665603ull;
    const auto* bytes = reinterpret_cast<const unsigned char*>(bench.data());
    for (size_t i = 0; i < bench.size() * sizeof(LabObject); ++i) h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

void BM_LabSimulationProc(benchmark::State& state) {
    RegisterBenchChemicals();
    std::vector<ReactionRecord> reactions = EquilibriumReactions();
    parvell::EngineLab lab;
    lab.labStyle = 0x8 | 0x1;
    lab.reactions = reactions.data();
    lab.reactionCount = int32_t(reactions.size());
    const std::vector<LabObject> start = FullBench();
    std::vector<LabObject> bench = start;
    parvell::LabSimulationProc(lab, kMaxLabObjects, bench.data());
    char label[40];
    std::snprintf(label, sizeof label, "records %016" PRIx64, HashOf(bench));
    state.SetLabel(label);
    for (auto _ : state) {
        memcpy(bench.data(), start.data(), start.size() * sizeof(LabObject));
        benchmark::DoNotOptimize(parvell::LabSimulationProc(lab, kMaxLabObjects, bench.data()));
    }
    RegisterChemicals(nullptr, 0);
}
BENCHMARK(BM_LabSimulationProc)->Unit(benchmark::kMicrosecond);

}  // namespace
