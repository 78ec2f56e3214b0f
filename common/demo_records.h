// Records of a demonstration file: one header, then events back to back.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int kDemoPathLength = 260;
inline constexpr char kDemoSignature[12] = "DEMO_WIN_10";

struct DemoFileHeader {
    char signature[12];                //   0 12  "DEMO_WIN_10", zero-filled
    char moduleName[kDemoPathLength];  //  12 260 module loaded when recording starts
    char udlName[kDemoPathLength];     // 272 260 user-defined lab, empty when none
    uint8_t zero532[256];              // 532 256
    int32_t headerSize;                // 788 4   928
    int32_t benchHeight;               // 792 4   bench client height at the start, pixels
    uint8_t zero796[132];              // 796 132
};

enum DemoEventType : int32_t {
    kDemoSnapshot = 1,
    kDemoComment = 2,
    kDemoDelta = 4,
    kDemoModuleLoad = 5,
    kDemoUiCommand = 6,
    kDemoTimeMark = 7,
};

// p1 of a comment event that is a pop-up message, and the UI command codes.
enum DemoCode : int32_t {
    kDemoShowDataWindow = 2000,
    kDemoDropDataset = 2001,
    kDemoAddDataset = 2002,
    kDemoCloseDataWindow = 2003,
    kDemoPopupMessage = 2004,
};

struct DemoEvent {
    int64_t seconds;         //  0 8  lab clock when written
    int32_t objectCount;     //  8 4  snapshots and deltas, else 0
    int32_t payloadLength;   // 12 4  bytes after this header
    int32_t sequence;        // 16 4  first event of a file is 1
    int32_t type;            // 20 4  DemoEventType
    int32_t p1;              // 24 4
    int32_t p2;              // 28 4
    int32_t p3;              // 32 4
    int32_t p4;              // 36 4
    int32_t p5;              // 40 4
    int32_t zero;            // 44 4
};

static_assert(sizeof(DemoFileHeader) == 928);
static_assert(offsetof(DemoFileHeader, signature) == 0);
static_assert(offsetof(DemoFileHeader, moduleName) == 12);
static_assert(offsetof(DemoFileHeader, udlName) == 272);
static_assert(offsetof(DemoFileHeader, zero532) == 532);
static_assert(offsetof(DemoFileHeader, headerSize) == 788);
static_assert(offsetof(DemoFileHeader, benchHeight) == 792);
static_assert(offsetof(DemoFileHeader, zero796) == 796);

static_assert(sizeof(DemoEvent) == 48);
static_assert(offsetof(DemoEvent, seconds) == 0);
static_assert(offsetof(DemoEvent, objectCount) == 8);
static_assert(offsetof(DemoEvent, payloadLength) == 12);
static_assert(offsetof(DemoEvent, sequence) == 16);
static_assert(offsetof(DemoEvent, type) == 20);
static_assert(offsetof(DemoEvent, p1) == 24);
static_assert(offsetof(DemoEvent, p5) == 40);
static_assert(offsetof(DemoEvent, zero) == 44);
