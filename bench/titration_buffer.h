// The collected titration points: a counted buffer that starts at 100 points
// and grows by 100 at a time. The data window shows them and lab files keep
// them, so a point's layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

struct DataPoint {
    double volumeMl;  //  0 8  delivered by the buret
    double ph;        //  8 8  of the receiving vessel
    double reserved;  // 16 8  never written by the collector, never read
    double kelvin;    // 24 8  of the receiving vessel
};
static_assert(sizeof(DataPoint) == 32);
static_assert(offsetof(DataPoint, volumeMl) == 0);
static_assert(offsetof(DataPoint, ph) == 8);
static_assert(offsetof(DataPoint, reserved) == 16);
static_assert(offsetof(DataPoint, kelvin) == 24);

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
