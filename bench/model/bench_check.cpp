#include "bench/model/bench_check.h"

#include <string>

namespace {

bool Fail(std::string* fault, int32_t index, const char* what) {
    if (fault) *fault = "object " + std::to_string(index) + ": " + what;
    return false;
}

bool LinkInRange(int32_t link, int32_t self, int32_t count) {
    return link == 0 || (link >= 1 && link <= count && link != self);
}

}  // namespace

bool CheckBench(const LabObject* base, int32_t count, std::string* fault) {
    if (!base || count < 0 || count > kMaxLabObjects) return Fail(fault, 0, "object count outside 0..50");
    for (int32_t i = 1; i <= count; ++i) {
        const LabObject& o = base[i];
        if (!IsEquipmentType(o.type)) return Fail(fault, i, "type outside 1..28");
        for (int32_t link : {o.host, o.hostedItem, o.nextGroupMember, o.pourTarget})
            if (!LinkInRange(link, i, count)) return Fail(fault, i, "link out of range or to itself");
        if (o.host && base[o.host].hostedItem != i) return Fail(fault, i, "host does not hold it");
        if (o.hostedItem && base[o.hostedItem].host != i) return Fail(fault, i, "hosted item names another host");
        int32_t host = o.host;
        for (int32_t step = 0; host >= 1 && host <= count && step < count; ++step, host = base[host].host)
            if (host == i) return Fail(fault, i, "ring of hosts");
        if (o.groupMemberCount < 0 || o.groupMemberCount > count) return Fail(fault, i, "group member count");
        if (o.groupMemberCount == 0) {
            if (o.nextGroupMember) return Fail(fault, i, "next member outside a group");
            continue;
        }
        if (o.groupMemberCount == 1) return Fail(fault, i, "group of one");
        int32_t at = i;
        for (int32_t step = 1; step <= o.groupMemberCount; ++step) {
            at = base[at].nextGroupMember;
            if (at == 0) return Fail(fault, i, "group ring open");
            if (base[at].groupMemberCount != o.groupMemberCount) return Fail(fault, i, "group counts differ");
            if (at == i && step != o.groupMemberCount) return Fail(fault, i, "group ring shorter than its count");
        }
        if (at != i) return Fail(fault, i, "group ring does not close");
    }
    return true;
}
