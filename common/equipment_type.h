// Kinds of equipment. The number is also the string-table id of the name.
#pragma once
#include <cstdint>

enum EquipmentType : int32_t {
    kBunsenBurner = 1,
    kTestTube = 2,
    kBeaker = 3,
    kErlenmeyerFlask = 4,
    kFlorenceFlask = 5,
    kGraduatedCylinder = 6,
    kBuret = 7,
    kWatchGlass = 8,
    kEvaporationDish = 9,
    kCalorimeter = 10,
    kConductivityMeter = 11,
    kHotPlate = 12,
    kRoundBottomFlask = 13,
    kMetalWire = 14,
    kElectrochemicalCell = 15,
    kEyeDropper = 16,
    kCentigramBalance = 17,
    kElectronicBalance = 18,
    kHighSensitivityBalance = 19,
    kPipet = 20,
    kCuvette = 21,
    kDumasBulb = 22,
    kVolumetricFlask = 23,
    kGasSyringe = 24,
    kInvertedBuret = 25,
    kGeigerCounter = 26,
    kSeparatoryFunnel = 27,
    kPaperChromatography = 28,  // the prototype table calls it "Centrifuge"
};

constexpr int32_t kFirstEquipmentType = 1;
constexpr int32_t kLastEquipmentType = 28;

inline bool IsEquipmentType(int32_t type) {
    return type >= kFirstEquipmentType && type <= kLastEquipmentType;
}
