// Random benches for the edit tests and benchmarks: groups (closed rings),
// combined pairs, pour targets and a buret under control, each object
// tagged with its own number so it can be followed through renumbering.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <random>
#include <vector>

#include "bench/commands/bench_command_seams.h"
#include "bench/model/lab_objects.h"
#include "tests/support/bench_scenario.h"

namespace random_bench {

// The tag lives in the note, which nothing here changes.
inline void Tag(LabObject& o, int32_t tag) { std::snprintf(o.note, sizeof o.note, "object %d", tag); }
inline int32_t TagOf(const LabObject& o) {
    int32_t tag = 0;
    return std::sscanf(o.note, "object %d", &tag) == 1 ? tag : 0;
}

inline int32_t IndexOfTag(int32_t tag) {
    for (int32_t i = 1; i <= LabObjectCount; ++i)
        if (TagOf(LabObjects[i]) == tag) return i;
    return 0;
}

// count objects; every tag is the object's first index.
inline void Build(std::mt19937& rng, int32_t count) {
    ResetLabObjects();
    std::uniform_int_distribution<int32_t> type(1, 28);
    for (int32_t i = 1; i <= count; ++i) {
        LabObject o = scenario::MakeObject(type(rng), 40 * i, 300 + 10 * (i % 7));
        scenario::AddWater(o, 1 + i);
        Tag(o, i);
        scenario::Place(o);
    }
    std::vector<int32_t> unused(static_cast<size_t>(count));
    std::iota(unused.begin(), unused.end(), 1);
    std::shuffle(unused.begin(), unused.end(), rng);
    auto take = [&]() {
        const int32_t i = unused.back();
        unused.pop_back();
        return i;
    };
    // Combined pairs, some of them grouped as two (as Ungroup leaves them).
    for (int32_t pairs = std::uniform_int_distribution<int32_t>(0, 3)(rng); pairs > 0 && unused.size() >= 2; --pairs) {
        const int32_t host = take(), item = take();
        LabObjects[host].hostedItem = item;
        LabObjects[item].host = host;
        if (rng() % 2) {
            LabObjects[host].groupMemberCount = LabObjects[item].groupMemberCount = 2;
            LabObjects[host].nextGroupMember = item;
            LabObjects[item].nextGroupMember = host;
        }
    }
    // Groups of 2..4.
    for (int32_t groups = std::uniform_int_distribution<int32_t>(0, 3)(rng); groups > 0; --groups) {
        const int32_t size = std::uniform_int_distribution<int32_t>(2, 4)(rng);
        if (int32_t(unused.size()) < size) break;
        std::vector<int32_t> ring;
        for (int32_t k = 0; k < size; ++k) ring.push_back(take());
        for (int32_t k = 0; k < size; ++k) {
            LabObject& o = LabObjects[ring[size_t(k)]];
            o.groupMemberCount = size;
            o.nextGroupMember = ring[size_t((k + 1) % size)];
            o.groupRect = {0, 0, 100, 100};
        }
    }
    // One-way pour targets.
    std::uniform_int_distribution<int32_t> any(1, count);
    for (int32_t i = 1; i <= count; ++i)
        if (rng() % 4 == 0) {
            const int32_t to = any(rng);
            if (to != i) LabObjects[i].pourTarget = to;
        }
    // A buret under control.
    BuretUnderControl = 0;
    const int32_t buret = any(rng);
    LabObjects[buret].type = kBuret;
    BuretUnderControl = buret;
}

}  // namespace random_bench
