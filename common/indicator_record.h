// One indicator of a user-defined lab. The lab file carries these bytes and
// the authoring module hands them to the program as they are, so the layout
// is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

#include "cas.h"

constexpr int kIndicatorNameLength = 35;
constexpr int kIndicatorDescriptionLength = 100;
constexpr int32_t kFirstIndicatorId = 10100;
constexpr int32_t kLastIndicatorId = 25000;

enum IndicatorMode : int32_t {
    kIndicatorByConcentration = 0,  // follows the chemical at offset 236
    kIndicatorByPh = 1,
};

struct IndicatorRecord {
    int32_t id;                                      //   0 4  10100..25000
    char name[kIndicatorNameLength];                 //   4 35
    char description[kIndicatorDescriptionLength];   //  39 100
    uint8_t reserved139;                             // 139 1
    int32_t mode;                                    // 140 4  IndicatorMode
    double low;                                      // 144 8  pH, or mol/l
    uint8_t lowColour[3];                            // 152 3  r, g, b
    uint8_t reserved155[5];                          // 155 5
    double high;                                     // 160 8
    uint8_t highColour[3];                           // 168 3
    uint8_t reserved171[53];                         // 171 53
    double fixedColourMark;                          // 224 8  -1 = has a fixed colour, 0 = none
    uint8_t fixedColour[3];                          // 232 3  white when none
    uint8_t reserved235;                             // 235 1
    CasNumber cas;                                   // 236 4  chemical followed (mode 0)
    uint32_t phase;                                  // 240 4  its database state; dissolved solid = 0x8
    uint8_t reserved244[68];                         // 244 68
};

#define INDICATOR_AT(field, off) static_assert(offsetof(IndicatorRecord, field) == (off), #field)
static_assert(sizeof(IndicatorRecord) == 312);
INDICATOR_AT(id, 0);
INDICATOR_AT(name, 4);
INDICATOR_AT(description, 39);
INDICATOR_AT(reserved139, 139);
INDICATOR_AT(mode, 140);
INDICATOR_AT(low, 144);
INDICATOR_AT(lowColour, 152);
INDICATOR_AT(reserved155, 155);
INDICATOR_AT(high, 160);
INDICATOR_AT(highColour, 168);
INDICATOR_AT(reserved171, 171);
INDICATOR_AT(fixedColourMark, 224);
INDICATOR_AT(fixedColour, 232);
INDICATOR_AT(reserved235, 235);
INDICATOR_AT(cas, 236);
INDICATOR_AT(phase, 240);
INDICATOR_AT(reserved244, 244);
#undef INDICATOR_AT
