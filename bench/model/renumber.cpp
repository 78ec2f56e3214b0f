#include "bench/model/renumber.h"

#include "bench/commands/bench_command_seams.h"
#include "bench/model/selection.h"
#include "bench/sim/sim_titration_sample.h"

int32_t RemappedIndex(const IndexRemap& remap, int32_t k) {
    if (k <= 0 || k >= kLabObjectArrayLength) return 0;
    return remap.newIndex[k];
}

IndexRemap IdentityRemap() {
    IndexRemap remap{};
    for (int32_t k = 0; k < kLabObjectArrayLength; ++k) remap.newIndex[k] = k;
    return remap;
}

namespace {

void FollowLink(int32_t& link, const IndexRemap& remap, int32_t self, int32_t count) {
    const int32_t to = RemappedIndex(remap, link);
    link = (to >= 1 && to <= count && to != self) ? to : 0;
}

}  // namespace

void RenumberBench(LabObject* base, int32_t count, const IndexRemap& remap) {
    if (count > kMaxLabObjects) count = kMaxLabObjects;
    for (int32_t i = 1; base && i <= count; ++i) {
        LabObject& o = base[i];
        FollowLink(o.nextGroupMember, remap, i, count);
        FollowLink(o.host, remap, i, count);
        FollowLink(o.hostedItem, remap, i, count);
        FollowLink(o.pourTarget, remap, i, count);
    }

    if (SelectedObject) {
        SelectedObject = RemappedIndex(remap, SelectedObject);
        if (!SelectedObject) ObjectSelected = false;
    }
    int32_t kept = 0;
    const int32_t members = MultiSelection.memberCount < kMaxLabObjects ? MultiSelection.memberCount
                                                                         : kMaxLabObjects;
    for (int32_t m = 0; m < members; ++m)
        if (const int32_t to = RemappedIndex(remap, MultiSelection.members[m])) MultiSelection.members[kept++] = to;
    MultiSelection.memberCount = members > 0 ? kept : MultiSelection.memberCount;

    BuretUnderControl = RemappedIndex(remap, BuretUnderControl);
    RenumberTitrationSampler(TitrationSampling, remap.newIndex, kLabObjectArrayLength);

    BenchSeams& seams = CurrentBenchSeams();
    const int32_t buret = seams.TitrationBuret();
    if (buret > 0 && RemappedIndex(remap, buret) != buret)
        seams.TitrationBuretMoved(buret, RemappedIndex(remap, buret));
    seams.RenumberParticleOwners(remap);
}
