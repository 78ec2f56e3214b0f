#include "bench/model/seating.h"

#include <algorithm>

namespace {

constexpr int64_t kCoordinateLimit = 1 << 24;

int32_t ClampCoordinate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, -kCoordinateLimit, kCoordinateLimit));
}

}  // namespace

void SeatHostedItem(LabObject& item, const LabObject& host, int32_t lift) {
    const int64_t right = int64_t{host.position.right} -
                          (int64_t{host.pictureWidth} - item.pictureWidth) / 2 + host.combineOffsetX -
                          item.combineOffsetX;
    const int64_t dx = right - item.position.right;
    const int64_t dy = int64_t{host.position.bottom} - lift - item.position.bottom;
    RectI32& r = item.position;
    r = {ClampCoordinate(r.left + dx), ClampCoordinate(r.top + dy), ClampCoordinate(r.right + dx),
         ClampCoordinate(r.bottom + dy)};
}
