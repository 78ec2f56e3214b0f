// The record of one piece of equipment. Lab files, demonstrations, the
// clipboard and the lab modules all see these bytes, so the layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

#include "component_slot.h"
#include "equipment_type.h"
#include "geometry.h"

// Kind flags (offset 8): what a kind of equipment can do.
enum KindFlags : uint32_t {
    kKindContainer = 0x1,
    kKindPourable = 0x2,
    kKindHeatable = 0x4,
    kKindDippable = 0x20,
    kKindStirrable = 0x40,
    kKindCombinable = 0x80,
    kKindTakesThermometer = 0x400,
    kKindTakesWater = 0x800,
    kKindReceivesPour = 0x1000,
    kKindWeighable = 0x4000,
    kKindTakesPhMeter = 0x8000,
    kKindOutletA = 0x40000,
    kKindOutletB = 0x80000,
    kKindBuiltInThermometer = 0x4000000,
    kKindOutletC = 0x8000000,
};

// Object flags (offset 5044): per-object state.
enum ObjectFlags : uint32_t {
    kObjDipped = 0x1,
    kObjCentrifugeSpinning = 0x2,
    kObjHeldInCentrifuge = 0x4,
    kObjHidden = 0x8,
    kObjStopwatchMask = 0x30,
    kObjStopwatchRunning = 0x10,
    kObjLightOn = 0x40,
    kObjSolutePlaced = 0x80,
    kObjShowMeniscus = 0x100,
};

constexpr int kMaxLabObjects = 50;
constexpr int kLabObjectArrayLength = 53;  // record 0 is the base, never an object
constexpr int kLabObjectHeadBytes = 396;  // re-copied from template rows
constexpr int kLabelLength = 3;
constexpr int kNoteLength = 128;
constexpr float kRoomKelvin = 293.0f;
constexpr float kMaxKelvin = 773.15f;

struct LabObject {
    // ---- head: 0..395, copied from template rows ----
    int32_t type;                 //    0 4  EquipmentType
    int32_t sizeIndex;            //    4 4  template key
    uint32_t kindFlags;           //    8 4  KindFlags
    int32_t capacityMl;           //   12 4  full at liquidVolume == capacityMl * 10
    int16_t stateBits;            //   16 2  template key
    uint8_t pad18[2];             //   18 2
    int32_t variant;              //   20 4  template key; 1 = tipped for pouring
    int32_t pictureHeight;        //   24 4
    int32_t pictureWidth;         //   28 4
    int32_t openingWidth;         //   32 4  mouth width, centred
    int32_t combineOffsetX;       //   36 4  shifts a hosted item off the host's centre
    uint8_t headGeometry40[4];    //   40 4
    int32_t printPictureId;       //   44 4  low 16 bits
    uint8_t headGeometry48[4];    //   48 4
    int32_t currentPictureId;     //   52 4  animated kinds
    int32_t printMaskId;          //   56 4  low 16 bits, 0 = none
    int32_t tiltable;             //   60 4
    int32_t combineCategory;      //   64 4
    uint8_t headGeometry68[4];    //   68 4
    int32_t accessoryOffsetX;     //   72 4
    int32_t accessoryOffsetY;     //   76 4
    int32_t thermometerX;         //   80 4  thermometer bulb, from left
    int32_t thermometerY;         //   84 4  thermometer bulb, from top
    uint8_t headGeometry88[20];   //   88 20
    RectI32 labelArea;            //  108 16 relative to the object
    uint8_t headGeometry124[16];  //  124 16
    PointI32 liquidOutline[6];    //  140 48
    int32_t outlineShape;         //  188 4  1 polygon, 3 rectangle
    float liquidHeightScale;      //  192 4
    float liquidWidthScale;       //  196 4  tipped rows: pixels per tenth of ml along x
    uint8_t headGeometry200[52];  //  200 52
    float addWaterStep;           //  252 4  tenths of ml
    float pourStep;               //  256 4  tenths of ml per 500 ms
    uint8_t headGeometry260[4];   //  260 4
    int32_t outletX;              //  264 4  distillation outlet, from left
    uint8_t headGeometry268[8];   //  268 8
    int32_t outletY;              //  276 4  distillation outlet, from top
    RectI32 balancePan;           //  280 16 relative to left/top
    uint8_t headGeometry296[16];  //  296 16
    float emptyMass;              //  312 4  grams
    int32_t inletX;               //  316 4
    int32_t inletY;               //  320 4
    uint8_t headGeometry324[72];  //  324 72

    // ---- body: 396..5159, kept when the head is re-templated ----
    RectI32 position;             //  396 16 logical bench units
    RectI32 groupRect;            //  412 16
    int32_t groupMemberCount;     //  428 4  on the group leader
    int32_t nextGroupMember;      //  432 4  index, 0 = none
    int32_t host;                 //  436 4  index combined or dipped into
    int32_t hostedItem;           //  440 4  index combined or dipped into this
    char label[kLabelLength];     //  444 3
    char note[kNoteLength];       //  447 128
    uint8_t pad575[1];            //  575 1
    double liquidVolume;          //  576 8  tenths of ml
    int32_t readoutShown;         //  584 4
    uint8_t pad588[4];            //  588 4
    double solidVolume;           //  592 8  ml
    double precipitate;           //  600 8
    uint8_t suspendedColour[3];   //  608 3  r, g, b
    uint8_t pad611[5];            //  611 5
    int32_t suspendedParticles;   //  616 4
    uint8_t reserved620[44];      //  620 44
    uint8_t liquidColour[3];      //  664 3  r, g, b
    uint8_t solidColour[3];       //  667 3  r, g, b
    uint8_t pad670[2];            //  670 2
    int32_t solidFillKind;        //  672 4  brush style
    int32_t solidPatternId;       //  676 4
    uint8_t reserved680[4];       //  680 4
    int32_t stirringState;        //  684 4  >999 hot-plate stirred; funnel shake countdown
    PointI32 printBubbles[10];    //  688 80
    PointI32 extraPairs[10];      //  768 80 zeroed with printBubbles
    int32_t thermometerInserted;  //  848 4
    int32_t pourTarget;           //  852 4  index, chosen each heavy tick
    double flowSetting;           //  856 8  tenths of ml per 500 ms
    uint16_t heatApplied;         //  864 2
    uint8_t pad866[2];            //  866 2
    float heatCapacityFactor;     //  868 4  75.3 in vessels
    float thermalMass;            //  872 4  liquidVolume * 0.055
    float temperature;            //  876 4  kelvin
    float boilingPoint;           //  880 4  kelvin, 773 when nothing boils
    uint8_t reserved884[4];       //  884 4
    ComponentSlot slots[kComponentSlotCount];  //  888 4000
    int32_t phShown;              // 4888 4
    uint8_t pad4892[4];           // 4892 4
    double ph;                    // 4896 8
    int32_t indicatorId;          // 4904 4
    float indicatorAmount;        // 4908 4
    uint8_t reserved4912[32];     // 4912 32
    double reading1;              // 4944 8  gross weight, heat, mantle, syringe start volume
    double reading2;              // 4952 8  net weight, stirrer, syringe ml, held-apart volume...
    double reading3;              // 4960 8  last net weight shown, syringe kPa, shield kind
    double reading4;              // 4968 8  flask kPa, fittings ml, shield sheets
    uint8_t reserved4976[40];     // 4976 40
    double titrantDelivered;      // 5016 8  ml
    uint8_t reserved5024[4];      // 5024 4
    int32_t afterBoilCounter;     // 5028 4
    int32_t electrode1;           // 5032 4
    int32_t electrode2;           // 5036 4
    float tare;                   // 5040 4  grams
    uint32_t objectFlags;         // 5044 4  ObjectFlags
    int32_t collectTitration;     // 5048 4
    int32_t wavelength;           // 5052 4  nm
    uint8_t reserved5056[8];      // 5056 8
    int32_t plungerPosition;      // 5064 4  pixels from the top
    int32_t stopwatchCount;       // 5068 4  tenths of a second
    RectI32 overlayRect;          // 5072 16
    uint8_t reserved5088[4];      // 5088 4
    int32_t secondLayerRed;       // 5092 4  low byte
    int32_t secondLayerGreen;     // 5096 4
    int32_t secondLayerBlue;      // 5100 4
    int32_t kindStateWord;        // 5104 4
    uint8_t reserved5108[52];     // 5108 52
};

#define LAB_OBJECT_AT(field, off) static_assert(offsetof(LabObject, field) == (off), #field)
static_assert(sizeof(LabObject) == 5160);
LAB_OBJECT_AT(type, 0);
LAB_OBJECT_AT(sizeIndex, 4);
LAB_OBJECT_AT(kindFlags, 8);
LAB_OBJECT_AT(capacityMl, 12);
LAB_OBJECT_AT(stateBits, 16);
LAB_OBJECT_AT(variant, 20);
LAB_OBJECT_AT(pictureHeight, 24);
LAB_OBJECT_AT(pictureWidth, 28);
LAB_OBJECT_AT(openingWidth, 32);
LAB_OBJECT_AT(combineOffsetX, 36);
LAB_OBJECT_AT(printPictureId, 44);
LAB_OBJECT_AT(currentPictureId, 52);
LAB_OBJECT_AT(printMaskId, 56);
LAB_OBJECT_AT(tiltable, 60);
LAB_OBJECT_AT(combineCategory, 64);
LAB_OBJECT_AT(accessoryOffsetX, 72);
LAB_OBJECT_AT(accessoryOffsetY, 76);
LAB_OBJECT_AT(thermometerX, 80);
LAB_OBJECT_AT(thermometerY, 84);
LAB_OBJECT_AT(labelArea, 108);
LAB_OBJECT_AT(liquidOutline, 140);
LAB_OBJECT_AT(outlineShape, 188);
LAB_OBJECT_AT(liquidHeightScale, 192);
LAB_OBJECT_AT(liquidWidthScale, 196);
LAB_OBJECT_AT(addWaterStep, 252);
LAB_OBJECT_AT(pourStep, 256);
LAB_OBJECT_AT(outletX, 264);
LAB_OBJECT_AT(outletY, 276);
LAB_OBJECT_AT(balancePan, 280);
LAB_OBJECT_AT(emptyMass, 312);
LAB_OBJECT_AT(inletX, 316);
LAB_OBJECT_AT(inletY, 320);
LAB_OBJECT_AT(position, 396);
LAB_OBJECT_AT(groupRect, 412);
LAB_OBJECT_AT(groupMemberCount, 428);
LAB_OBJECT_AT(nextGroupMember, 432);
LAB_OBJECT_AT(host, 436);
LAB_OBJECT_AT(hostedItem, 440);
LAB_OBJECT_AT(label, 444);
LAB_OBJECT_AT(note, 447);
LAB_OBJECT_AT(liquidVolume, 576);
LAB_OBJECT_AT(readoutShown, 584);
LAB_OBJECT_AT(solidVolume, 592);
LAB_OBJECT_AT(precipitate, 600);
LAB_OBJECT_AT(suspendedColour, 608);
LAB_OBJECT_AT(suspendedParticles, 616);
LAB_OBJECT_AT(liquidColour, 664);
LAB_OBJECT_AT(solidColour, 667);
LAB_OBJECT_AT(solidFillKind, 672);
LAB_OBJECT_AT(solidPatternId, 676);
LAB_OBJECT_AT(stirringState, 684);
LAB_OBJECT_AT(printBubbles, 688);
LAB_OBJECT_AT(extraPairs, 768);
LAB_OBJECT_AT(thermometerInserted, 848);
LAB_OBJECT_AT(pourTarget, 852);
LAB_OBJECT_AT(flowSetting, 856);
LAB_OBJECT_AT(heatApplied, 864);
LAB_OBJECT_AT(heatCapacityFactor, 868);
LAB_OBJECT_AT(thermalMass, 872);
LAB_OBJECT_AT(temperature, 876);
LAB_OBJECT_AT(boilingPoint, 880);
LAB_OBJECT_AT(slots, 888);
LAB_OBJECT_AT(phShown, 4888);
LAB_OBJECT_AT(ph, 4896);
LAB_OBJECT_AT(indicatorId, 4904);
LAB_OBJECT_AT(indicatorAmount, 4908);
LAB_OBJECT_AT(reading1, 4944);
LAB_OBJECT_AT(reading2, 4952);
LAB_OBJECT_AT(reading3, 4960);
LAB_OBJECT_AT(reading4, 4968);
LAB_OBJECT_AT(titrantDelivered, 5016);
LAB_OBJECT_AT(afterBoilCounter, 5028);
LAB_OBJECT_AT(electrode1, 5032);
LAB_OBJECT_AT(electrode2, 5036);
LAB_OBJECT_AT(tare, 5040);
LAB_OBJECT_AT(objectFlags, 5044);
LAB_OBJECT_AT(collectTitration, 5048);
LAB_OBJECT_AT(wavelength, 5052);
LAB_OBJECT_AT(plungerPosition, 5064);
LAB_OBJECT_AT(stopwatchCount, 5068);
LAB_OBJECT_AT(overlayRect, 5072);
LAB_OBJECT_AT(secondLayerRed, 5092);
LAB_OBJECT_AT(secondLayerGreen, 5096);
LAB_OBJECT_AT(secondLayerBlue, 5100);
LAB_OBJECT_AT(kindStateWord, 5104);
#undef LAB_OBJECT_AT
