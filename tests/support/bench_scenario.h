// Benches described once for tests, benchmarks and labsim: objects made from
// the catalogue's prototypes with simple picture geometry, placed into
// LabObjects; a small chemical table; a full bench and a busy random one.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <random>

#include "bench/model/chemical_table.h"
#include "bench/model/contents.h"
#include "bench/catalogue/equipment_catalogue.h"
#include "bench/model/lab_objects.h"
#include "common/lab_object.h"
#include "tests/support/chemicals_fixture.h"

namespace scenario {

constexpr CasNumber kWater = kCasWater;
constexpr CasNumber kSalt = 7647145;  // sodium chloride
constexpr CasNumber kEthanol = 64175;
constexpr CasNumber kBlueVitriol = 7758998;  // copper(II) sulphate
constexpr CasNumber kUnlisted = 1234567;     // not in the table

// The builder's own compact picture geometry, types 1..28 in order: the
// tests place objects by these numbers rather than by the art's.
struct CompactGeometry {
    int32_t width;
    int32_t height;
    int32_t openingWidth;
};

constexpr CompactGeometry kGeometry[] = {
    {40, 80, 0},    {20, 100, 16}, {60, 70, 50},  {60, 80, 20},  {60, 90, 20},  {30, 120, 24}, {20, 300, 10},
    {60, 20, 60},   {70, 30, 60},  {80, 100, 60}, {40, 120, 0},  {100, 40, 0},  {70, 80, 20},  {10, 80, 0},
    {60, 60, 40},   {12, 60, 4},   {200, 100, 0}, {150, 80, 0},  {150, 80, 0},  {12, 150, 4},  {14, 40, 10},
    {50, 60, 10},   {50, 120, 12}, {200, 40, 0},  {20, 300, 10}, {60, 60, 0},   {60, 150, 30}, {100, 100, 0},
};

// The catalogue's initial record of the type (so every value the simulation
// reads is the real one), reshaped to the compact geometry and standing with
// its left edge at x and its bottom at y.
inline LabObject MakeObject(int32_t type, int32_t x, int32_t y) {
    LabObject o = EquipmentPrototype(type, false);
    const CompactGeometry& g = kGeometry[type - 1];
    o.pictureWidth = g.width;
    o.pictureHeight = g.height;
    o.openingWidth = g.openingWidth;
    o.position = {x, y - g.height, x + g.width, y};
    o.inletX = 0;
    o.inletY = 0;
    if (type == kCentigramBalance) o.balancePan = {20, 10, 120, 60};
    if (type == kElectronicBalance || type == kHighSensitivityBalance) o.balancePan = {20, 0, 130, 22};
    if (type == kRoundBottomFlask) {
        o.outletX = 90;
        o.outletY = 10;
    }
    return o;
}

// Puts the object into the next slot of LabObjects; returns its index.
inline int32_t Place(const LabObject& o) {
    LabObjects[++LabObjectCount] = o;
    return LabObjectCount;
}

inline int32_t Place(int32_t type, int32_t x, int32_t y) { return Place(MakeObject(type, x, y)); }

inline LabObject& At(int32_t index) { return LabObjects[index]; }

// Liquid poured in: grams of a liquid chemical (density from the table).
inline void AddLiquid(LabObject& o, CasNumber cas, double ml, double kelvin = 293) {
    const double density = Density(cas) > 0 ? Density(cas) : 1.0;
    AddComponent(o, cas, kPhaseLiquid, ml * density, kelvin);
    if (o.solidVolume > 0 && o.liquidVolume == 0) o.liquidVolume = o.solidVolume * 10;
    o.liquidVolume += ml * 10;
    o.temperature = static_cast<float>(kelvin);
}

inline void AddWater(LabObject& o, double ml, double kelvin = 293) { AddLiquid(o, kWater, ml, kelvin); }

inline void AddSolid(LabObject& o, CasNumber cas, double grams, double kelvin = 293) {
    const double density = Density(cas) > 0 ? Density(cas) : 1.0;
    AddComponent(o, cas, kPhaseSolid, grams, kelvin);
    o.solidVolume += grams / density;
    if (o.liquidVolume > 0) o.liquidVolume += grams / density * 10;
}

inline void AddIce(LabObject& o, double grams, double kelvin = 263) {
    AddComponent(o, kWater, kPhaseSolid, grams, kelvin);
    o.liquidVolume += grams / 0.92 * 10;
    o.temperature = static_cast<float>(kelvin);
}

inline void TipForPouring(LabObject& o) { o.variant = 1; }

// The simulation's chemicals: water, salt with its solubility line through
// 35.7 g at 273 K and 39.2 g at 373 K, ethanol and blue vitriol.
inline std::array<ChemicalRecord, 4> SimulationChemicals() {
    using test_chemicals::MakeChemical;
    return {
        MakeChemical({kWater, "Water",
                      "H\x7f"
                      "2O",
                      kKindLiquid, 18.015f, 1.0f, 273.15f, 373.15f, -1.0f, -1.0f, 230, 240, 255}),
        MakeChemical({kSalt, "Sodium chloride", "NaCl", kKindSolid, 58.44f, 2.165f, 1074.0f, 1686.0f, 35.7f,
                      39.2f, 255, 255, 255}),
        MakeChemical({kEthanol, "Ethanol",
                      "C\x7f"
                      "2H\x7f"
                      "5OH",
                      kKindLiquid, 46.07f, 0.789f, 159.0f, 351.4f, -1.0f, -1.0f, 250, 250, 250}),
        MakeChemical({kBlueVitriol, "Copper(II) sulphate",
                      "CuSO\x7f"
                      "4",
                      kKindSolid, 159.6f, 3.6f, 383.0f, 923.0f, 14.3f, 75.4f, 40, 90, 230}),
    };
}

// Loads the simulation's chemicals for the life of the object.
class ScopedSimulationChemicals {
public:
    ScopedSimulationChemicals() : records_(SimulationChemicals()) {
        SetChemicalTable(records_.data(), static_cast<int32_t>(records_.size()));
    }
    ~ScopedSimulationChemicals() { SetChemicalTable(nullptr, 0); }
    ScopedSimulationChemicals(const ScopedSimulationChemicals&) = delete;
    ScopedSimulationChemicals& operator=(const ScopedSimulationChemicals&) = delete;

private:
    std::array<ChemicalRecord, 4> records_;
};

// ---- whole benches ----

// A burner under a vessel: the burner's centre sits in the vessel's middle
// and its top at the vessel's bottom.
inline void PlaceOnBurner(const LabObject& vessel) {
    const int32_t middle = vessel.position.left + vessel.pictureWidth / 2;
    Place(kBunsenBurner, middle - 20, vessel.position.bottom + 80);
}

// One heating column: a beaker of water on a burner, near boiling.
inline void BoilingBeaker(int32_t x, int32_t y) {
    LabObject beaker = MakeObject(kBeaker, x, y);
    AddWater(beaker, 80, 372);
    PlaceOnBurner(beaker);
    Place(beaker);
}

// A hot plate with a stirred beaker of salt dissolving in warm water.
inline void StirredSaltSolution(int32_t x, int32_t y, double saltGrams) {
    LabObject plate = MakeObject(kHotPlate, x, y + 40);
    plate.reading1 = 3;
    plate.reading2 = 1;
    Place(plate);
    LabObject beaker = MakeObject(kBeaker, x + 20, y);
    AddWater(beaker, 60, 300);
    AddSolid(beaker, kSalt, saltGrams);
    Place(beaker);
}

// A tipped beaker pouring into an empty one below it.
inline void PourInProgress(int32_t x, int32_t y, double ml) {
    LabObject source = MakeObject(kBeaker, x, y);
    AddWater(source, ml, 320);
    source.liquidColour[0] = 200;
    TipForPouring(source);
    Place(source);
    // The receiver's mouth lies under the source's left edge.
    Place(kBeaker, x - 30, y + 200);
}

// A buret over a flask collecting titration data.
inline void TitrationStand(int32_t x, int32_t y) {
    LabObject buret = MakeObject(kBuret, x, y);
    AddWater(buret, 40);
    buret.flowSetting = 2;
    Place(buret);
    LabObject flask = MakeObject(kErlenmeyerFlask, x - 20, y + 150);
    AddWater(flask, 20);
    flask.collectTitration = 1;
    Place(flask);
}

// 50 objects: burners under boiling beakers, hot plates with dissolving
// salt, pours and titrations in progress, balances, droppers and ice.
inline void BuildFullBench() {
    ResetLabObjects();
    for (int32_t k = 0; k < 8; ++k) BoilingBeaker(100 + 90 * k, 300);                 // 16
    for (int32_t k = 0; k < 6; ++k) StirredSaltSolution(100 + 130 * k, 500, 30 + k);  // 12
    for (int32_t k = 0; k < 5; ++k) PourInProgress(150 + 150 * k, 700, 50);           // 10
    for (int32_t k = 0; k < 3; ++k) TitrationStand(1000 + 80 * k, 400);               // 6
    LabObject iced = MakeObject(kBeaker, 1300, 300);
    AddWater(iced, 40, 280);
    AddIce(iced, 20);
    Place(iced);
    LabObject flask = MakeObject(kRoundBottomFlask, 1300, 600);
    AddWater(flask, 30, 372);
    AddLiquid(flask, kEthanol, 20, 350);
    flask.stateBits = 0x20 | 0x4;  // heating mantle, distillation head
    flask.reading1 = 3;
    Place(flask);
    Place(kBeaker, 1370, 700);
    Place(kCentigramBalance, 1500, 300);
    Place(kElectronicBalance, 1500, 500);
    LabObject weighed = MakeObject(kBeaker, 1530, 440);  // on the pan line
    AddWater(weighed, 25);
    Place(weighed);
}

// Total grams held by the objects 1..count.
inline double BenchMass(int32_t count, const LabObject* base) {
    double grams = 0;
    for (int32_t i = 1; i <= count; ++i) grams += TotalComponentMass(base[i]);
    return grams;
}

// A random busy bench for soak runs: heated, stirred, iced and tipped
// vessels in random places, some standing on burners and hot plates, some
// hanging in others, with random contents.
inline void BuildRandomBench(uint32_t seed) {
    ResetLabObjects();
    std::mt19937 random(seed);
    auto pick = [&random](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    static constexpr int32_t kVessels[] = {
        kTestTube,        kBeaker,           kErlenmeyerFlask,  kFlorenceFlask, kGraduatedCylinder,
        kEvaporationDish, kCalorimeter,      kRoundBottomFlask, kBuret,         kEyeDropper,
        kPipet,           kSeparatoryFunnel, kWatchGlass,       kMetalWire};
    while (LabObjectCount < kMaxLabObjects - 2) {
        const int32_t roll = pick(0, 9);
        if (roll == 0) {
            LabObject plate = MakeObject(kHotPlate, pick(0, 1200), pick(200, 900));
            plate.reading1 = pick(0, 9);
            plate.reading2 = pick(0, 1);
            Place(plate);
            continue;
        }
        if (roll == 1) {
            LabObject heated = MakeObject(kVessels[pick(0, 7)], pick(0, 1200), pick(150, 800));
            AddWater(heated, heated.capacityMl * pick(10, 90) / 100.0, 293 + pick(0, 85));
            if (pick(0, 2) == 0) AddSolid(heated, kSalt, pick(1, 30));
            PlaceOnBurner(heated);
            Place(heated);
            continue;
        }
        if (roll == 3) {
            TitrationStand(pick(0, 1200), pick(200, 700));
            continue;
        }
        if (roll == 2) {
            Place(pick(0, 1) ? kCentigramBalance : kElectronicBalance, pick(0, 1200), pick(200, 900));
            continue;
        }
        LabObject o = MakeObject(kVessels[pick(0, 13)], pick(0, 1200), pick(150, 900));
        const double room = o.capacityMl;
        if (pick(0, 3) != 0) AddWater(o, room * pick(0, 90) / 100.0, 273 + pick(0, 90));
        if (pick(0, 3) == 0) AddLiquid(o, kEthanol, room * pick(0, 20) / 100.0, 293);
        if (pick(0, 2) == 0) AddSolid(o, pick(0, 1) ? kSalt : kBlueVitriol, pick(0, 40));
        if (pick(0, 5) == 0) AddIce(o, pick(1, 20), 250 + pick(0, 20));
        if (pick(0, 6) == 0) AddSolid(o, kUnlisted, pick(1, 5));
        if (pick(0, 4) == 0) o.indicatorAmount = static_cast<float>(pick(1, 5));
        o.indicatorId = o.indicatorAmount > 0 ? 1 : 0;
        if ((o.kindFlags & kKindPourable) && pick(0, 3) == 0) o.variant = 1;
        if (o.type == kBuret || o.type == kEyeDropper || o.type == kPipet || o.type == kSeparatoryFunnel)
            o.flowSetting = pick(0, 10);
        if (o.type == kSeparatoryFunnel && pick(0, 3) == 0) o.stirringState = pick(1, 6);
        if (o.type == kRoundBottomFlask) o.stateBits = static_cast<int16_t>(pick(0, 1) ? 0x24 : 0x20);
        if (o.type == kRoundBottomFlask) o.reading1 = pick(0, 5);
        if (pick(0, 4) == 0) o.collectTitration = 1;
        Place(o);
    }
    // Hang some dippable objects in a container, and link some pour
    // targets and hosts at random, as files might.
    for (int32_t i = 1; i <= LabObjectCount; ++i) {
        LabObject& o = LabObjects[i];
        if ((o.kindFlags & kKindDippable) && pick(0, 1) == 0) {
            const int32_t h = pick(1, LabObjectCount);
            if (h != i && (LabObjects[h].kindFlags & kKindContainer) && LabObjects[h].hostedItem == 0) {
                LabObject& host = LabObjects[h];
                o.position = {host.position.left + 5, host.position.bottom - o.pictureHeight + 5,
                              host.position.left + 5 + o.pictureWidth, host.position.bottom + 5 - 10};
                o.host = h;
                o.objectFlags |= kObjDipped;
                host.hostedItem = i;
            }
        }
        if (pick(0, 9) == 0) o.pourTarget = pick(-2, LabObjectCount + 2);
    }
}

}  // namespace scenario
