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
