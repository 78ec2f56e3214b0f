// The titration dataset and its points, as the lab file stores them.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kDatasetTextLength = 255;
constexpr int32_t kPointBufferGrowth = 100;  // points added to the buffer at a time

struct TitrationDataset {
    int32_t inUse;                        //    0 4  0 when the dataset is cleared
    int32_t pointCount;                   //    4 4
    int32_t allocatedCount;               //    8 4  0 = no point buffer
    char title[kDatasetTextLength];       //   12 255
    char xCaption[kDatasetTextLength];    //  267 255
    char yCaption[kDatasetTextLength];    //  522 255
    uint8_t reserved777[543];             //  777 543
    int32_t autoRefresh;                  // 1320 4  1 = repaint when a point is added
    uint32_t pointBufferAddress;          // 1324 4  meaningless outside memory: kept 0
    uint8_t reserved1328[128];            // 1328 128
};

struct DataPoint {
    double volumeMl;   //  0 8  delivered by the buret
    double ph;         //  8 8  of the receiving vessel
    double reserved;   // 16 8  never set, never read
    double kelvin;     // 24 8  of the receiving vessel
};

#define TITRATION_DATASET_AT(field, off) \
    static_assert(offsetof(TitrationDataset, field) == (off), #field)
static_assert(sizeof(TitrationDataset) == 1456);
TITRATION_DATASET_AT(inUse, 0);
TITRATION_DATASET_AT(pointCount, 4);
TITRATION_DATASET_AT(allocatedCount, 8);
TITRATION_DATASET_AT(title, 12);
TITRATION_DATASET_AT(xCaption, 267);
TITRATION_DATASET_AT(yCaption, 522);
TITRATION_DATASET_AT(reserved777, 777);
TITRATION_DATASET_AT(autoRefresh, 1320);
TITRATION_DATASET_AT(pointBufferAddress, 1324);
TITRATION_DATASET_AT(reserved1328, 1328);
#undef TITRATION_DATASET_AT

static_assert(sizeof(DataPoint) == 32);
static_assert(offsetof(DataPoint, volumeMl) == 0);
static_assert(offsetof(DataPoint, ph) == 8);
static_assert(offsetof(DataPoint, reserved) == 16);
static_assert(offsetof(DataPoint, kelvin) == 24);
