#include "bench/sim/titration_buffer.h"

#include <cstdlib>

TitrationBuffer TitrationPoints = {0, 0, nullptr};

bool ReserveTitrationPoint(TitrationBuffer& buffer) {
    if (buffer.points && buffer.count < buffer.capacity) return true;
    if (buffer.capacity > INT32_MAX - kTitrationPointsPerBlock) return false;
    const int32_t capacity = (buffer.points ? buffer.capacity : 0) + kTitrationPointsPerBlock;
    void* grown = std::realloc(buffer.points, static_cast<size_t>(capacity) * sizeof(DataPoint));
    if (!grown) return false;
    if (!buffer.points) buffer.count = 0;
    buffer.points = static_cast<DataPoint*>(grown);
    buffer.capacity = capacity;
    return true;
}

void FreeTitrationPoints(TitrationBuffer& buffer) {
    std::free(buffer.points);
    buffer = {0, 0, nullptr};
}

bool TitrationBufferSink::AppendPoint(const DataPoint& point) {
    if (!ReserveTitrationPoint(buffer_)) return false;
    buffer_.points[buffer_.count++] = point;
    return true;
}
