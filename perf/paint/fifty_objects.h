// The benchmarks' 50-object bench, described once for the paint and the
// drag benchmarks.
#pragma once
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/contents.h"

namespace perf {

inline LabObject At(int32_t type, int x, int y, bool small) {
    LabObject o = EquipmentPrototype(type, small);
    o.position = {x, y, x + o.pictureWidth, y + o.pictureHeight};
    return o;
}

// Burners, boiling vessels with thermometers (half full, bubbling, every
// third one precipitating), balances, burets and vessels
// standing in others, spread over the bench.
inline int32_t FiftyObjects(LabObject* base, bool small) {
    const int32_t kinds[] = {kBunsenBurner, kBeaker, kErlenmeyerFlask, kElectronicBalance, kBuret,
                             kTestTube, kFlorenceFlask, kGraduatedCylinder, kHighSensitivityBalance,
                             kRoundBottomFlask};
    int32_t count = 0;
    for (int i = 0; count < kMaxLabObjects; ++i) {
        const int32_t type = kinds[i % 10];
        LabObject o = At(type, 20 + (i * 97) % 1000, 20 + (i * 53) % 500, small);
        o.thermometerInserted = 1;
        o.temperature = 373.0f;
        o.variant = 0;
        if (o.kindFlags & kKindContainer) {  // half full and boiling; every third one precipitating
            const double grams = o.capacityMl * 0.5;
            AddComponent(o, kCasWater, kPhaseLiquid, grams, 373.0);
            o.liquidVolume = grams * 10;
            o.liquidColour[0] = 120, o.liquidColour[1] = 170, o.liquidColour[2] = 250;
            o.boilingPoint = 373.0f;
            if (i % 3 == 0) o.precipitate = 1.0;
        }
        base[++count] = o;
        if (type == kBeaker && count < kMaxLabObjects) {  // a test tube standing in it
            LabObject tube = At(kTestTube, o.position.left + 60, o.position.top - 40, small);
            tube.host = count;
            base[count].hostedItem = count + 1;
            base[++count] = tube;
        }
    }
    return count;
}

}  // namespace perf
