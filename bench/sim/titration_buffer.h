// The collected titration points: a counted buffer that starts at 100 points
// and grows by 100 at a time. The data window shows them and lab files keep
// them, so a point's layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/titration_dataset.h"

constexpr int32_t kTitrationPointsPerBlock = 100;

struct TitrationBuffer {
    int32_t count;
    int32_t capacity;  // 0 = no buffer yet
    DataPoint* points;
};

extern TitrationBuffer TitrationPoints;

// Makes room for one more point: creates the buffer or grows it by 100
// points. False (nothing changed) when memory runs out.
bool ReserveTitrationPoint(TitrationBuffer& buffer);
void FreeTitrationPoints(TitrationBuffer& buffer);

// Where the collector puts its points. The program collects into the
// dataset the data window shows and lab files keep; tests into a buffer.
class TitrationPointSink {
public:
    virtual ~TitrationPointSink() = default;
    virtual int32_t PointCount() const = 0;
    virtual const DataPoint& PointAt(int32_t index) const = 0;
    // false (nothing changed) when there is no room.
    virtual bool AppendPoint(const DataPoint& point) = 0;
};

// A sink over a buffer; the buffer must outlive it.
class TitrationBufferSink final : public TitrationPointSink {
public:
    explicit TitrationBufferSink(TitrationBuffer& buffer) : buffer_(buffer) {}
    int32_t PointCount() const override { return buffer_.count; }
    const DataPoint& PointAt(int32_t index) const override { return buffer_.points[index]; }
    bool AppendPoint(const DataPoint& point) override;

private:
    TitrationBuffer& buffer_;
};
