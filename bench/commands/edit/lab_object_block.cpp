#include "bench/commands/edit/lab_object_block.h"

#include <cstring>

#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/record_safety.h"
#include "bench/window/bench_seams.h"

namespace {

PointI32 ClampedPoint(int32_t x, int32_t y) {
    return {ClampBenchCoordinate(x), ClampBenchCoordinate(y)};
}

}  // namespace

std::vector<uint8_t> EncodeLabObjectBlock(const LabObject* base, const int32_t* indices, int32_t count) {
    if (!base || !indices || count < 0) count = 0;
    std::vector<uint8_t> block((size_t(count) + 1) * kLabObjectBlockRecordBytes, 0);
    const BenchSeams& seams = CurrentBenchSeams();
    for (int32_t k = 0; k < count; ++k) {
        LabObject record = base[indices[k]];
        const PointI32 topLeft = seams.LogicalToDevice({record.position.left, record.position.top});
        const PointI32 bottomRight = seams.LogicalToDevice({record.position.right, record.position.bottom});
        record.position = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
        std::memcpy(block.data() + size_t(k) * kLabObjectBlockRecordBytes, &record, sizeof record);
    }
    return block;
}

LabObjectBlockError DecodeLabObjectBlock(const uint8_t* bytes, size_t length,
                                         std::vector<LabObject>* records) {
    records->clear();
    if (!bytes) return LabObjectBlockError::kEmpty;
    const size_t whole = length / kLabObjectBlockRecordBytes;
    std::vector<LabObject> read;
    for (size_t k = 0; k < whole && k < size_t(kLabObjectBlockReadLimit); ++k) {
        LabObject record;
        std::memcpy(static_cast<void*>(&record), bytes + k * kLabObjectBlockRecordBytes, sizeof record);
        if (record.type == 0) break;
        if (!IsEquipmentType(record.type)) return LabObjectBlockError::kBadType;
        read.push_back(record);
    }
    if (read.empty()) return LabObjectBlockError::kEmpty;
    *records = std::move(read);
    return LabObjectBlockError::kNone;
}

void MakePastedRecordSafe(LabObject& o) {
    o.groupMemberCount = 0;
    o.nextGroupMember = 0;
    o.groupRect = {};
    o.host = 0;
    o.hostedItem = 0;
    o.pourTarget = 0;
    o.collectTitration = 0;
    o.objectFlags &= ~uint32_t{kObjDipped | kObjHeldInCentrifuge | kObjHidden};
    MakeRecordContentsSafe(o);

    const BenchSeams& seams = CurrentBenchSeams();
    const PointI32 device = ClampedPoint(o.position.left, o.position.top);
    const PointI32 logical = seams.DeviceToLogical(device);
    o.position.left = ClampBenchCoordinate(logical.x);
    o.position.top = ClampBenchCoordinate(logical.y);

    ApplyScreenTemplateOrKindHead(o);
    o.position.right = ClampBenchCoordinate(int64_t{o.position.left} + o.pictureWidth);
    o.position.bottom = ClampBenchCoordinate(int64_t{o.position.top} + o.pictureHeight);
}
