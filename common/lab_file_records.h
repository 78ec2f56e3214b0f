// Head and tail records of a lab file (little-endian, raw).
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kLabFilePathLength = 260;
inline constexpr char kLabFileSignature[8] = "BV12A32";
inline constexpr char kLabFileTrailerSignature[8] = "BV20WIN";

struct LabFileHeader {
    char signature[8];                  //   0 8   "BV12A32"
    int32_t objectCount;                //   8 4   0..50
    char moduleName[kLabFilePathLength];  //  12 260 bare file name of the lab module
    char udlName[kLabFilePathLength];     // 272 260 user-defined lab, empty when none
};

enum LabFileFlags : int32_t {
    kLabFileUdlInPersonalFolder = 0x1,
};

struct LabFileTrailer {
    char signature[8];        //  0 8   "BV20WIN"
    int32_t trailerSize;      //  8 4   280
    int32_t datasetCount;     // 12 4   the program keeps 0 or 1
    int32_t datasetBytes;     // 16 4   records and points
    int32_t reserved;         // 20 4   carried as held in memory
    int32_t flags;            // 24 4   LabFileFlags
    uint8_t zero[252];        // 28 252
};

static_assert(sizeof(LabFileHeader) == 532);
static_assert(offsetof(LabFileHeader, signature) == 0);
static_assert(offsetof(LabFileHeader, objectCount) == 8);
static_assert(offsetof(LabFileHeader, moduleName) == 12);
static_assert(offsetof(LabFileHeader, udlName) == 272);

static_assert(sizeof(LabFileTrailer) == 280);
static_assert(offsetof(LabFileTrailer, signature) == 0);
static_assert(offsetof(LabFileTrailer, trailerSize) == 8);
static_assert(offsetof(LabFileTrailer, datasetCount) == 12);
static_assert(offsetof(LabFileTrailer, datasetBytes) == 16);
static_assert(offsetof(LabFileTrailer, reserved) == 20);
static_assert(offsetof(LabFileTrailer, flags) == 24);
static_assert(offsetof(LabFileTrailer, zero) == 28);
